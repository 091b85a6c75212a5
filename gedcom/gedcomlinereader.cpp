#include "gedcomlinereader.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace spanwright {

namespace {

constexpr size_t BlockSize = 1 << 16;
constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD"; // U+FFFD
constexpr size_t Utf16Unit = 2;
const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

} // namespace

GedcomLineReader::GedcomLineReader(std::FILE* file)
    : file_(file)
    , block_(BlockSize, '\0')
{
}

GedcomLineReader::~GedcomLineReader()
{
    if (converter_ != nullptr)
        iconv_close(static_cast<iconv_t>(converter_));
}

// The first block decides: a byte order mark, or the "0" of "0 HEAD" beside
// a zero byte.
void GedcomLineReader::detectUtf16()
{
    started_ = true;
    if (end_ < Utf16Unit)
        return;
    const auto b0 = static_cast<unsigned char>(block_[0]);
    const auto b1 = static_cast<unsigned char>(block_[1]);
    const bool little = (b0 == 0xFF && b1 == 0xFE) || (b0 == '0' && b1 == 0);
    const bool big = (b0 == 0xFE && b1 == 0xFF) || (b0 == 0 && b1 == '0');
    if (!little && !big)
        return;
    const iconv_t converter = iconv_open("UTF-8", little ? "UTF-16LE" : "UTF-16BE");
    if (converter == NoConverter)
        return;
    converter_ = converter;
    utf16_ = true;
    const size_t mark = b0 == '0' || b1 == '0' ? 0 : Utf16Unit;
    raw_.assign(block_, mark, end_ - mark);
    raw_.resize(BlockSize);
    rawStart_ = 0;
    rawEnd_ = end_ - mark;
    // UTF-16 of the Basic Multilingual Plane takes at most 3 bytes of UTF-8
    // for 2.
    block_.resize(BlockSize * 2);
}

// Bytes of the file, copied where copyTo asks.
size_t GedcomLineReader::readFile(char* into, size_t size)
{
    const size_t read = std::fread(into, 1, size, file_);
    if (copy_ != nullptr && read > 0 && std::fwrite(into, 1, read, copy_) != read)
        copyFailed_ = true;
    return read;
}

// More raw bytes after those not yet converted; false at the end.
bool GedcomLineReader::readRaw()
{
    if (rawAtEnd_)
        return false;
    raw_.erase(0, rawStart_);
    rawEnd_ -= rawStart_;
    rawStart_ = 0;
    raw_.resize(BlockSize);
    const size_t read = readFile(raw_.data() + rawEnd_, raw_.size() - rawEnd_);
    rawEnd_ += read;
    if (read == 0) {
        rawAtEnd_ = true;
        failed_ = std::ferror(file_) != 0;
    }
    return read > 0;
}

void GedcomLineReader::readToEnd()
{
    if (atEnd_ || (utf16_ && rawAtEnd_))
        return;
    std::string rest(BlockSize, '\0');
    while (readFile(rest.data(), rest.size()) > 0) {
    }
    atEnd_ = true;
    rawAtEnd_ = true;
    failed_ = failed_ || std::ferror(file_) != 0;
}

bool GedcomLineReader::fillUtf16()
{
    const auto converter = static_cast<iconv_t>(converter_);
    start_ = end_ = 0;
    for (;;) {
        if (rawStart_ == rawEnd_ && !readRaw())
            return false;
        char* in = raw_.data() + rawStart_;
        size_t inLeft = rawEnd_ - rawStart_;
        char* out = block_.data();
        size_t outLeft = block_.size() - ReplacementCharacter.size();
        const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        rawStart_ = static_cast<size_t>(in - raw_.data());
        end_ = static_cast<size_t>(out - block_.data());
        if (result == static_cast<size_t>(-1) && error == EILSEQ) {
            // A lone surrogate: one unit is replaced, the rest read on.
            block_.replace(end_, ReplacementCharacter.size(), ReplacementCharacter);
            end_ += ReplacementCharacter.size();
            rawStart_ = std::min(rawStart_ + Utf16Unit, rawEnd_);
            utf16Replaced_ = true;
        } else if (result == static_cast<size_t>(-1) && error == EINVAL && !readRaw() && rawStart_ < rawEnd_) {
            // The file ends inside a character.
            block_.replace(end_, ReplacementCharacter.size(), ReplacementCharacter);
            end_ += ReplacementCharacter.size();
            rawStart_ = rawEnd_;
            utf16Replaced_ = true;
            utf16Cut_ = true;
        }
        if (end_ > 0)
            return true;
    }
}

bool GedcomLineReader::fill()
{
    if (atEnd_)
        return false;
    if (utf16_) {
        atEnd_ = !fillUtf16();
        return !atEnd_;
    }
    start_ = 0;
    end_ = readFile(block_.data(), block_.size());
    if (end_ == 0) {
        atEnd_ = true;
        failed_ = std::ferror(file_) != 0;
        return false;
    }
    if (!started_) {
        detectUtf16();
        if (utf16_)
            return fill();
    }
    return true;
}

bool GedcomLineReader::next(std::string_view& line)
{
    long_.clear();
    cut_ = false;
    if (tooLong_)
        return false;
    bool any = false;
    size_t length = 0; // of the line so far, cut or not
    for (;;) {
        if (start_ == end_ && !fill()) {
            if (!any)
                return false;
            break;
        }
        // The LF of a CR LF pair that a block boundary split.
        if (afterCarriageReturn_) {
            afterCarriageReturn_ = false;
            if (block_[start_] == '\n') {
                ++start_;
                continue;
            }
        }
        const char* begin = block_.data() + start_;
        const size_t available = end_ - start_;
        const char* stop = nullptr;
        for (const char* p = begin; p != begin + available; ++p) {
            if (*p == '\n' || *p == '\r') {
                stop = p;
                break;
            }
        }
        any = true;
        length += stop == nullptr ? available : static_cast<size_t>(stop - begin);
        if (length > LongestReadLine) {
            tooLong_ = true;
            ++lineNumber_;
            return false;
        }
        if (stop == nullptr) {
            // The line goes on in the next block.
            const size_t room = LongestLine - long_.size();
            long_.append(begin, available < room ? available : room);
            cut_ = cut_ || available > room;
            start_ = end_;
            continue;
        }
        const size_t partLength = static_cast<size_t>(stop - begin);
        start_ += partLength + 1;
        if (*stop == '\r') {
            if (start_ < end_) {
                if (block_[start_] == '\n')
                    ++start_;
            } else {
                afterCarriageReturn_ = true;
            }
        }
        ++lineNumber_;
        if (long_.empty() && !cut_) {
            line = std::string_view(begin, partLength);
            return true;
        }
        const size_t room = LongestLine - long_.size();
        long_.append(begin, partLength < room ? partLength : room);
        cut_ = cut_ || partLength > room;
        line = long_;
        return true;
    }
    ++lineNumber_;
    line = long_;
    return true;
}

} // namespace spanwright
