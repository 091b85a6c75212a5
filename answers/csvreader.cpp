#include "csvreader.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) && defined(__GNUC__)
#include <emmintrin.h>
#endif

namespace spanwright {

CsvReader::CsvReader(char delimiter) : delimiter_(delimiter)
{
    for (unsigned char c : {static_cast<unsigned char>(delimiter), static_cast<unsigned char>('"'),
                            static_cast<unsigned char>('\r'), static_cast<unsigned char>('\n')})
        special_[c] = true;
}

size_t CsvReader::plainRun(std::string_view data) const
{
    size_t length = 0;
    while (length < data.size() && !special_[static_cast<unsigned char>(data[length])])
        ++length;
    return length;
}

std::string CsvReader::malformedReason() const
{
    const std::string row = std::to_string(rowsRead_ + 1);
    const std::string bound = std::to_string(LongestField >> 20) + " MiB";
    // Only a quoted field can take in the rest of the file by a quote
    // left open; an unquoted one is merely long.
    if (fieldTooLong_ && state_ == State::Quoted)
        return "the quoted field of row " + row + " is longer than " + bound
            + ", the longest a field may be: is its closing quote missing?";
    if (fieldTooLong_)
        return "a field of row " + row + " is longer than " + bound + ", the longest a field may be";
    if (tooManyFields_)
        return "row " + row + " has more than " + std::to_string(MostFields) + " fields, the most a row may have";
    if (rowTooLong_)
        return "row " + row + " is longer than " + std::to_string(LongestRow >> 20) + " MiB, the longest a row may be";
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

bool CsvReader::endField()
{
    rowBytes_ += field().size(); // an empty field is a field too
    ++fieldCount_;
    fieldStarted_ = false;
    state_ = State::FieldStart;
    tooManyFields_ = fieldCount_ > MostFields;
    rowTooLong_ = rowBytes_ + fieldCount_ - 1 > LongestRow; // its fields and the delimiters between them
    return !tooManyFields_ && !rowTooLong_;
}

bool CsvReader::fieldFits()
{
    const size_t size = field().size();
    fieldTooLong_ = size > LongestField;
    // The delimiters before the current field count with the fields.
    rowTooLong_ = !fieldTooLong_ && rowBytes_ + fieldCount_ + size > LongestRow;
    return !fieldTooLong_ && !rowTooLong_;
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
    rowBytes_ = 0;
    state_ = State::FieldStart;
    ++rowsRead_;
    stopped_ = !(*onRow_)(Row{fields_, emptyLine});
}

namespace {

// The first character at or after c that ends a field or needs quotes, or
// end: sixteen at a time where the processor compares so many at once, as
// most of a row's characters are plain.
const char* skipPlain(const char* c, const char* end, const std::array<bool, 256>& special, char delimiter)
{
#if defined(__SSE2__) && defined(__GNUC__)
    const __m128i delimiters = _mm_set1_epi8(delimiter);
    const __m128i quotes = _mm_set1_epi8('"');
    const __m128i lineFeeds = _mm_set1_epi8('\n');
    const __m128i returns = _mm_set1_epi8('\r');
    for (; end - c >= 16; c += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c));
        const __m128i found = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, delimiters), _mm_cmpeq_epi8(bytes, quotes)),
                                           _mm_or_si128(_mm_cmpeq_epi8(bytes, lineFeeds), _mm_cmpeq_epi8(bytes, returns)));
        const int mask = _mm_movemask_epi8(found);
        if (mask != 0)
            return c + __builtin_ctz(unsigned(mask));
    }
#else
    (void)delimiter;
#endif
    while (c != end && !special[static_cast<unsigned char>(*c)])
        ++c;
    return c;
}

} // namespace

// plainRow is written into plainRows' loop, where the rows of a chunk go
// one after another without a call and a return for each.
#if defined(__GNUC__)
__attribute__((always_inline))
#endif
inline size_t CsvReader::plainRow(std::string_view rest)
{
    // A row longer than a field may be is left to the full reading, which
    // says what is too long.
    const char* const begin = rest.data();
    const char* const end = begin + std::min(rest.size(), LongestField + 1);
    const std::array<bool, 256>& special = special_;
    plainFields_.clear();
    const char* fieldStart = begin;
    for (const char* c = begin;; ++c) {
        c = skipPlain(c, end, special, delimiter_);
        if (c == end)
            return 0; // the row goes on past this piece
        if (*c != delimiter_ && (*c != '\n' || c == begin))
            return 0; // a quote, a CR, or an empty line
        if (plainFields_.size() == MostFields)
            return 0;
        plainFields_.emplace_back(fieldStart, size_t(c - fieldStart));
        fieldStart = c + 1;
        if (*c == delimiter_)
            continue;
        if (!firstRowSeen_) {
            firstRowSeen_ = true;
            lineBreak_ = "\n";
        }
        ++rowsRead_;
        const size_t length = size_t(c - begin);
        stopped_ = !(*onPlainRow_)(PlainRow{rest.substr(0, length), plainFields_});
        return length + 1;
    }
}

size_t CsvReader::plainRows(std::string_view rest)
{
    size_t taken = 0;
    while (!stopped_) {
        const size_t row = plainRow(rest.substr(taken));
        if (row == 0)
            break;
        taken += row;
    }
    return taken;
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
        const bool rowStart = onPlainRow_ && state_ == State::FieldStart && fieldCount_ == 0;
        if (const size_t taken = rowStart ? plainRows(data.substr(i)) : 0) {
            i += taken;
            continue;
        }
        switch (state_) {
        case State::FieldStart:
        case State::Unquoted:
            if (c == delimiter_) {
                if (!endField())
                    return false;
            } else if (c == '\n' || c == '\r') {
                // A line break after a delimiter ends an empty last field; on an
                // empty line it ends a row without fields.
                if ((state_ == State::Unquoted || fieldCount_ > 0) && !endField())
                    return false;
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
                if (!fieldFits())
                    return false;
                continue;
            }
            break;
        case State::Quoted: {
            const void* quote = std::memchr(data.data() + i, '"', data.size() - i);
            const size_t run = quote ? static_cast<const char*>(quote) - (data.data() + i) : data.size() - i;
            field().append(data.data() + i, run);
            i += run;
            if (!fieldFits())
                return false;
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
            } else if (c == delimiter_) {
                if (!endField())
                    return false;
            } else if (c == '\n' || c == '\r') {
                if (!endField())
                    return false;
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

CsvReader::Outcome CsvReader::outcomeOf(bool wellFormed)
{
    if (stopped_)
        outcome_ = Outcome::Stopped;
    else if (!wellFormed)
        outcome_ = Outcome::Malformed;
    return outcome_;
}

CsvReader::Outcome CsvReader::feed(std::string_view data, const RowHandler& onRow, const PlainRowHandler* onPlainRow)
{
    if (outcome_ != Outcome::Done)
        return outcome_;
    onRow_ = &onRow;
    onPlainRow_ = onPlainRow;
    // A byte order mark is looked for in the first bytes on their own, as a
    // chunk may be shorter than the mark.
    while (!startChecked_ && !data.empty()) {
        start_.push_back(data.front());
        data.remove_prefix(1);
        if (Utf8ByteOrderMark.substr(0, start_.size()) != start_) {
            startChecked_ = true;
            if (outcomeOf(parse(start_)) != Outcome::Done)
                return outcome_;
        } else if (start_.size() == Utf8ByteOrderMark.size()) {
            startChecked_ = true;
            byteOrderMark_ = true;
        }
    }
    return outcomeOf(parse(data));
}

CsvReader::Outcome CsvReader::finish(const RowHandler& onRow)
{
    if (outcome_ != Outcome::Done)
        return outcome_;
    onRow_ = &onRow;
    onPlainRow_ = nullptr;
    if (!startChecked_) {
        // Fewer bytes than a byte order mark, and the start of one.
        startChecked_ = true;
        if (outcomeOf(parse(start_)) != Outcome::Done)
            return outcome_;
    }
    // The last row may end without a line break.
    switch (state_) {
    case State::Quoted:
        unclosedQuote_ = true;
        return outcome_ = Outcome::Malformed;
    case State::Unquoted:
    case State::QuoteInQuoted:
        if (!endField())
            return outcome_ = Outcome::Malformed;
        endRow(false);
        break;
    case State::FieldStart:
        if (fieldCount_ > 0) { // "a," at the very end
            if (!endField())
                return outcome_ = Outcome::Malformed;
            endRow(false);
        }
        break;
    }
    return outcomeOf(true);
}

} // namespace spanwright
