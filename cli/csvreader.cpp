#include "csvreader.h"

#include <csv.h>

#include <array>
#include <new>

namespace {

constexpr size_t ChunkSize = 1 << 16;
// How far libcsv grows a field's buffer at a time; its default of 128 bytes
// makes long fields slow.
constexpr size_t FieldBufferStep = 1 << 12;
constexpr int EndOfInput = -1;

// Blanks around unquoted fields are part of the field.
int noBlankIsSpace(unsigned char)
{
    return 0;
}

} // namespace

CsvReader::CsvReader() : parser_(new csv_parser)
{
    // Every line break ends a row, so that empty lines are seen; quotes
    // that break the rules are errors rather than guesses.
    if (csv_init(parser_, CSV_REPALL_NL | CSV_STRICT | CSV_STRICT_FINI) != 0)
        throw std::bad_alloc();
    csv_set_space_func(parser_, noBlankIsSpace);
    csv_set_blk_size(parser_, FieldBufferStep);
}

CsvReader::~CsvReader()
{
    csv_free(parser_);
    delete parser_;
}

std::string CsvReader::malformedReason() const
{
    const std::string row = std::to_string(rowsRead_ + 1);
    if (unclosedQuote_)
        return "the quoted field of row " + row + " is never closed";
    return "row " + row + " has a quote out of place (a quoted field must be quoted as a whole, "
        "with quotes inside it doubled)";
}

void CsvReader::fieldEnded(void* text, size_t size, void* self)
{
    auto& reader = *static_cast<CsvReader*>(self);
    if (reader.stopped_)
        return;
    if (reader.fieldCount_ == reader.fields_.size())
        reader.fields_.emplace_back();
    std::string& field = reader.fields_[reader.fieldCount_++];
    if (text)
        field.assign(static_cast<const char*>(text), size);
    else
        field.clear();
}

void CsvReader::rowEnded(int terminator, void* self)
{
    auto& reader = *static_cast<CsvReader*>(self);
    const bool noFields = reader.fieldCount_ == 0;
    const int previous = reader.lastTerminator_;
    reader.lastTerminator_ = terminator;
    if (reader.stopped_)
        return;
    // The LF of a CR LF pair is reported as a row end of its own.
    if (noFields && terminator == '\n' && previous == '\r')
        return;
    // The end of input after a final line break ends no row.
    if (noFields && terminator == EndOfInput)
        return;
    if (!reader.firstRowSeen_) {
        reader.firstRowSeen_ = true;
        reader.lineBreak_ = terminator == '\r' ? "\r\n" : "\n";
    }
    reader.fields_.resize(reader.fieldCount_);
    reader.fieldCount_ = 0;
    ++reader.rowsRead_;
    reader.stopped_ = !(*reader.onRow_)(Row{reader.fields_, noFields});
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
        const size_t parsed = csv_parse(parser_, data.data(), data.size(), fieldEnded, rowEnded, this);
        if (stopped_)
            return Outcome::Stopped;
        if (parsed != data.size())
            return Outcome::Malformed;
        if (onProgress)
            onProgress(bytesRead);
    }
    if (std::ferror(file))
        return Outcome::ReadError;
    if (csv_fini(parser_, fieldEnded, rowEnded, this) != 0) {
        unclosedQuote_ = true;
        return Outcome::Malformed;
    }
    return stopped_ ? Outcome::Stopped : Outcome::Done;
}
