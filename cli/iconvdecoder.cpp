#include "iconvdecoder.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr size_t SmallestRoom = 64;

iconv_t converterOf(void* converter)
{
    return static_cast<iconv_t>(converter);
}

} // namespace

IconvDecoder::IconvDecoder(const std::string& encoding) : name_(encoding)
{
    iconv_t converter = iconv_open("UTF-8", encoding.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw Error("--encoding " + encoding + ": no such encoding is known (iconv --list names those that are)");
    converter_ = converter;
}

IconvDecoder::~IconvDecoder()
{
    iconv_close(converterOf(converter_));
}

std::string_view IconvDecoder::decode(std::string_view bytes)
{
    std::string joined;
    if (!held_.empty()) {
        joined = held_;
        joined.append(bytes);
        bytes = joined;
    }
    const unsigned long long start = offset_ - held_.size();
    held_.clear();
    // UTF-8 from a one-byte encoding takes at most three bytes a byte; from
    // others, fewer. The room grows where it is short all the same.
    text_.resize(bytes.size() * 3 + SmallestRoom);
    char* in = const_cast<char*>(bytes.data()); // iconv's signature; it does not write there
    size_t inLeft = bytes.size();
    size_t written = 0;
    while (inLeft > 0) {
        char* out = text_.data() + written;
        size_t outLeft = text_.size() - written;
        const size_t result = iconv(converterOf(converter_), &in, &inLeft, &out, &outLeft);
        written = text_.size() - outLeft;
        if (result != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            text_.resize(text_.size() * 2);
        } else if (errno == EINVAL) {
            held_.assign(in, inLeft); // a character the next piece completes
            break;
        } else {
            const unsigned long long at = start + (bytes.size() - inLeft);
            throw Error("byte " + std::to_string(at + 1) + " is not " + name_ + " text (give another --encoding)");
        }
    }
    offset_ = start + bytes.size();
    text_.resize(written);
    return text_;
}

void IconvDecoder::finish()
{
    if (!held_.empty())
        throw Error("the last character is not whole " + name_ + " text: the file may be cut short");
}
