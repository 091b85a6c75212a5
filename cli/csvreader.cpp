#include "csvreader.h"

#include <array>
#include <cstring>

namespace {

constexpr size_t ChunkSize = 1 << 16;

// The length of the run at the start of data that holds none of the
// characters that end an unquoted field or are not allowed in it.
size_t plainRun(std::string_view data)
{
    size_t length = 0;
    while (length < data.size()) {
        const char c = data[length];
        if (c == ',' || c == '\n' || c == '\r' || c == '"')
            break;
        ++length;
    }
    return length;
}

} // namespace

std::string CsvReader::malformedReason() const
{
    const std::string row = std::to_string(rowsRead_ + 1);
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
                continue;
            }
            break;
        case State::Quoted: {
            const void* quote = std::memchr(data.data() + i, '"', data.size() - i);
            const size_t run = quote ? static_cast<const char*>(quote) - (data.data() + i) : data.size() - i;
            field().append(data.data() + i, run);
            i += run;
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
    std::array<char, ChunkSize> chunk;
    unsigned long long bytesRead = 0;
    bool first = true;
    for (;;) {
        const size_t size = std::fread(chunk.data(), 1, chunk.size(), file);
        if (size == 0)
            break;
        std::string_view data(chunk.data(), size);
        if (first && data.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) {
            byteOrderMark_ = true;
            data.remove_prefix(Utf8ByteOrderMark.size());
        }
        first = false;
        bytesRead += size;
        const bool wellFormed = parse(data);
        if (stopped_)
            return Outcome::Stopped;
        if (!wellFormed)
            return Outcome::Malformed;
        if (onProgress)
            onProgress(bytesRead);
    }
    if (std::ferror(file))
        return Outcome::ReadError;
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
