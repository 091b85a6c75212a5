#include "csvreader.h"

#include "csvfield.h"

#include <cerrno>
#include <cstring>
#include <memory>

namespace {

// The length of the run at the start of data that holds none of the
// characters that end an unquoted field or are not allowed in it: those
// that make a field need quotes when it is written.
size_t plainRun(std::string_view data)
{
    size_t length = 0;
    while (length < data.size() && !csvfield::NeedsQuotes[static_cast<unsigned char>(data[length])])
        ++length;
    return length;
}

} // namespace

std::string CsvReader::malformedReason() const
{
    const std::string row = std::to_string(rowsRead_ + 1);
    if (fieldTooLong_)
        return "a field of row " + row + " is longer than " + std::to_string(LongestField >> 20)
            + " MiB (is a quote left open?)";
    if (unclosedQuote_)
        return "the quoted field of row " + row + " is never closed";
    return "row " + row + " has a quote out of place (a quoted field must be quoted as a whole, "
        "with quotes inside it doubled)";
}

std::string& CsvReader::field()
{
    if (!fieldStarted_) {
        if (fieldCount_ == fields_.size())
            fields_.emplace_back();
        fields_[fieldCount_].clear();
        fieldStarted_ = true;
    }
    return fields_[fieldCount_];
}

void CsvReader::endField()
{
    field(); // an empty field is a field too
    ++fieldCount_;
    fieldStarted_ = false;
    state_ = State::FieldStart;
}

void CsvReader::endRow(bool byLineBreak, char lineBreak)
{
    if (!firstRowSeen_) {
        firstRowSeen_ = true;
        lineBreak_ = byLineBreak && lineBreak == '\r' ? "\r\n" : "\n";
    }
    const bool emptyLine = fieldCount_ == 0;
    fields_.resize(fieldCount_);
    fieldCount_ = 0;
    state_ = State::FieldStart;
    ++rowsRead_;
    stopped_ = !(*onRow_)(Row{fields_, emptyLine});
}

bool CsvReader::parse(std::string_view data)
{
    size_t i = 0;
    while (i < data.size() && !stopped_) {
        const char c = data[i];
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (c == '\n') {
                ++i;
                continue;
            }
        }
        switch (state_) {
        case State::FieldStart:
        case State::Unquoted:
            if (c == ',') {
                endField();
            } else if (c == '\n' || c == '\r') {
                // A line break after a comma ends an empty last field; on an
                // empty line it ends a row without fields.
                if (state_ == State::Unquoted || fieldCount_ > 0)
                    endField();
                skipLineFeed_ = c == '\r';
                endRow(true, c);
            } else if (c == '"') {
                if (state_ == State::Unquoted)
                    return false;
                field();
                state_ = State::Quoted;
            } else {
                const size_t run = plainRun(data.substr(i));
                field().append(data.data() + i, run);
                state_ = State::Unquoted;
                i += run;
                if (field().size() > LongestField) {
                    fieldTooLong_ = true;
                    return false;
                }
                continue;
            }
            break;
        case State::Quoted: {
            const void* quote = std::memchr(data.data() + i, '"', data.size() - i);
            const size_t run = quote ? static_cast<const char*>(quote) - (data.data() + i) : data.size() - i;
            field().append(data.data() + i, run);
            i += run;
            if (field().size() > LongestField) {
                fieldTooLong_ = true;
                return false;
            }
            if (quote) {
                state_ = State::QuoteInQuoted;
                ++i;
            }
            continue;
        }
        case State::QuoteInQuoted:
            if (c == '"') {
                field().push_back('"');
                state_ = State::Quoted;
            } else if (c == ',') {
                endField();
            } else if (c == '\n' || c == '\r') {
                endField();
                skipLineFeed_ = c == '\r';
                endRow(true, c);
            } else {
                return false;
            }
            break;
        }
        ++i;
    }
    return true;
}

CsvReader::Outcome CsvReader::read(std::FILE* file, const RowHandler& onRow, const ProgressHandler& onProgress)
{
    onRow_ = &onRow;
    const std::unique_ptr<char[]> chunk(new char[chunkSize_]);
    unsigned long long bytesRead = 0;
    // A byte order mark is looked for in the first bytes on their own, as a
    // chunk may be shorter than the mark.
    char start[Utf8ByteOrderMark.size()];
    const size_t startSize = std::fread(start, 1, sizeof start, file);
    std::string_view pending(start, startSize);
    if (pending == Utf8ByteOrderMark) {
        byteOrderMark_ = true;
        pending = {};
    }
    bytesRead += startSize;
    for (;;) {
        const bool wellFormed = parse(pending);
        if (stopped_)
            return Outcome::Stopped;
        if (!wellFormed)
            return Outcome::Malformed;
        if (onProgress && !pending.empty())
            onProgress(bytesRead);
        const size_t size = std::fread(chunk.get(), 1, chunkSize_, file);
        if (size == 0)
            break;
        bytesRead += size;
        pending = std::string_view(chunk.get(), size);
    }
    if (std::ferror(file)) {
        readError_ = errno;
        return Outcome::ReadError;
    }
    // The last row may end without a line break.
    switch (state_) {
    case State::Quoted:
        unclosedQuote_ = true;
        return Outcome::Malformed;
    case State::Unquoted:
    case State::QuoteInQuoted:
        endField();
        endRow(false);
        break;
    case State::FieldStart:
        if (fieldCount_ > 0) { // "a," at the very end
            endField();
            endRow(false);
        }
        break;
    }
    return stopped_ ? Outcome::Stopped : Outcome::Done;
}
