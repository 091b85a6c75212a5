#include "gedcomlinereader.h"

#include <cstring>

namespace {

constexpr size_t BlockSize = 1 << 16;

} // namespace

GedcomLineReader::GedcomLineReader(std::FILE* file)
    : file_(file)
    , block_(BlockSize, '\0')
{
}

bool GedcomLineReader::fill()
{
    if (atEnd_)
        return false;
    start_ = 0;
    end_ = std::fread(block_.data(), 1, block_.size(), file_);
    if (end_ == 0) {
        atEnd_ = true;
        failed_ = std::ferror(file_) != 0;
        return false;
    }
    return true;
}

bool GedcomLineReader::next(std::string_view& line)
{
    long_.clear();
    cut_ = false;
    bool any = false;
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
        if (stop == nullptr) {
            // The line goes on in the next block.
            const size_t room = LongestLine - long_.size();
            long_.append(begin, available < room ? available : room);
            cut_ = cut_ || available > room;
            start_ = end_;
            continue;
        }
        const size_t length = static_cast<size_t>(stop - begin);
        start_ += length + 1;
        if (*stop == '\r') {
            if (start_ < end_) {
                if (block_[start_] == '\n')
                    ++start_;
            } else {
                afterCarriageReturn_ = true;
            }
        }
        ++lineNumber_;
        if (long_.empty()) {
            line = std::string_view(begin, length);
            return true;
        }
        const size_t room = LongestLine - long_.size();
        long_.append(begin, length < room ? length : room);
        cut_ = cut_ || length > room;
        line = long_;
        return true;
    }
    ++lineNumber_;
    line = long_;
    return true;
}
