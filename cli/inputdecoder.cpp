#include "inputdecoder.h"

using namespace spanwright;

InputDecoder::InputDecoder(const std::optional<std::string>& encoding, std::string inputName)
    : inputName_(std::move(inputName))
{
    try {
        if (encoding)
            named_ = std::make_unique<IconvDecoder>(*encoding);
    } catch (const IconvDecoder::Error& error) {
        throw Error(error.what());
    }
}

std::string_view InputDecoder::decode(std::string_view bytes)
{
    try {
        return named_ ? named_->decode(bytes) : detected_.decode(bytes);
    } catch (const IconvDecoder::Error& error) {
        throw Error(inputName_ + ": " + error.what());
    }
}

std::string_view InputDecoder::finish()
{
    if (!named_)
        return detected_.finish();
    try {
        named_->finish();
    } catch (const IconvDecoder::Error& error) {
        throw Error(inputName_ + ": " + error.what());
    }
    return {};
}

std::vector<std::string> InputDecoder::notes() const
{
    std::vector<std::string> notes;
    if (named_)
        return notes;
    const TextEncoding encoding = detected_.encoding();
    if (encoding != TextEncoding::Utf8)
        notes.push_back("read " + inputName_ + " as " + std::string(encodingName(encoding))
                        + " (--encoding NAME reads it otherwise)");
    const unsigned long long faulty = detected_.faultyBytes();
    if (faulty > 0) {
        const std::string bytes = faulty == 1 ? "1 byte of " + inputName_ + " is"
                                              : std::to_string(faulty) + " bytes of " + inputName_ + " are";
        const std::string utf16 = faulty == 1 ? " not a whole UTF-16 character, read as U+FFFD"
                                              : " not whole UTF-16 characters, read as U+FFFD";
        notes.push_back(bytes + (encoding == TextEncoding::Utf8 ? " not UTF-8, read as Windows-1252" : utf16));
    }
    return notes;
}
