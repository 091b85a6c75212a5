// Fuzz target for the CSV reader of spanwright-cli batch.
//
// Whatever the input, the reader ends (done, or a quote out of place) and
// hands on rows whose empty lines have no fields; it reads what a plain
// reading of the rules, one character at a time, reads (the reader skips
// through runs with its own loops and memchr). Where it is done, the rows
// written back as CSV (quoted as the batch writes them) read back as the
// same rows. The input is read once more in chunks of a few bytes, so that
// every place where a chunk can end is tried, and must read the same.
#include "text/csvfield.h"
#include "csvreader.h"

#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <string>
#include <vector>

using namespace spanwright;

namespace {

struct Reading
{
    CsvReader::Outcome outcome;
    std::vector<std::vector<std::string>> rows; // an empty line as no fields
};

Reading readAll(const std::string& text, size_t chunkSize = CsvReader::DefaultChunkSize)
{
    Reading reading;
    CsvReader reader;
    const CsvReader::RowHandler onRow = [&](const CsvReader::Row& row) {
        FUZZ_CHECK(!row.emptyLine || row.fields.empty());
        reading.rows.push_back(row.fields);
        return true;
    };
    for (size_t start = 0; start < text.size(); start += chunkSize) {
        if (reader.feed(std::string_view(text).substr(start, chunkSize), onRow) != CsvReader::Outcome::Done)
            break;
    }
    reading.outcome = reader.finish(onRow);
    return reading;
}

// The rules one character at a time: fields end at commas, rows at CR, LF
// or CR LF; a field that starts with a quote runs to a quote that is not
// doubled, which must be followed by a comma, a line break or the end; a
// quote anywhere else is a fault.
Reading plainReading(std::string text)
{
    Reading reading{CsvReader::Outcome::Malformed, {}};
    if (text.compare(0, Utf8ByteOrderMark.size(), Utf8ByteOrderMark) == 0)
        text.erase(0, Utf8ByteOrderMark.size());
    enum { Start, Plain, Quoted, QuoteSeen } state = Start;
    std::vector<std::string> row;
    std::string field;
    const auto endField = [&] { row.push_back(field); field.clear(); state = Start; };
    const auto endRow = [&] { reading.rows.push_back(row); row.clear(); state = Start; };
    bool afterCarriageReturn = false;
    for (char c : text) {
        const bool skip = afterCarriageReturn && c == '\n';
        afterCarriageReturn = false;
        if (skip)
            continue;
        const bool lineBreak = c == '\n' || c == '\r';
        switch (state) {
        case Start:
        case Plain:
            if (c == ',') {
                endField();
            } else if (lineBreak) {
                if (state == Plain || !row.empty())
                    endField();
                endRow();
                afterCarriageReturn = c == '\r';
            } else if (c == '"') {
                if (state == Plain)
                    return reading;
                state = Quoted;
            } else {
                field.push_back(c);
                state = Plain;
            }
            break;
        case Quoted:
            if (c == '"')
                state = QuoteSeen;
            else
                field.push_back(c);
            break;
        case QuoteSeen:
            if (c == '"') {
                field.push_back('"');
                state = Quoted;
            } else if (c == ',') {
                endField();
            } else if (lineBreak) {
                endField();
                endRow();
                afterCarriageReturn = c == '\r';
            } else {
                return reading;
            }
            break;
        }
    }
    if (state == Quoted)
        return reading;
    if (state != Start || !row.empty()) {
        endField();
        endRow();
    }
    reading.outcome = CsvReader::Outcome::Done;
    return reading;
}

std::string written(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                text.push_back(',');
            appendCsvField(text, row[i]);
        }
        text.push_back('\n');
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const Reading first = readAll(input);
    constexpr size_t MostBytesPerChunk = 7;
    const size_t smallChunk = size == 0 ? 1 : 1 + data[0] % MostBytesPerChunk;
    const Reading inPieces = readAll(input, smallChunk);
    FUZZ_CHECK(inPieces.outcome == first.outcome);
    FUZZ_CHECK(inPieces.rows == first.rows);
    FUZZ_CHECK(first.outcome == CsvReader::Outcome::Done || first.outcome == CsvReader::Outcome::Malformed);
    const Reading plain = plainReading(input);
    FUZZ_CHECK(first.outcome == plain.outcome);
    if (first.outcome != CsvReader::Outcome::Done)
        return 0;
    FUZZ_CHECK(first.rows == plain.rows);
    // A row of one empty field is written as an empty line, which reads back
    // as a row of none: compare them alike.
    auto normalised = first.rows;
    for (auto& row : normalised) {
        if (row.size() == 1 && row[0].empty())
            row.clear();
    }
    const std::string text = written(normalised);
    // A byte order mark at the start of the written text would be taken off.
    if (text.compare(0, Utf8ByteOrderMark.size(), Utf8ByteOrderMark) == 0)
        return 0;
    const Reading again = readAll(text);
    FUZZ_CHECK(again.outcome == CsvReader::Outcome::Done);
    auto againNormalised = again.rows;
    for (auto& row : againNormalised) {
        if (row.size() == 1 && row[0].empty())
            row.clear();
    }
    FUZZ_CHECK(againNormalised == normalised);
    return 0;
}
