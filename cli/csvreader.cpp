#include "csvreader.h"

#include <csv.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <new>

namespace {

constexpr size_t ChunkSize = 1 << 16;
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr int EndOfInput = -1;

// Blanks around unquoted fields are part of the field.
int noBlankIsSpace(unsigned char)
{
    return 0;
}

} // namespace

CsvReader::CsvReader() : parser_(new csv_parser)
{
    // Every line break ends a row, so that empty lines are seen.
    if (csv_init(parser_, CSV_REPALL_NL) != 0)
        throw std::bad_alloc();
    csv_set_space_func(parser_, noBlankIsSpace);
}

CsvReader::~CsvReader()
{
    csv_free(parser_);
    delete parser_;
}

void CsvReader::fieldEnded(void* text, size_t size, void* self)
{
    auto& reader = *static_cast<CsvReader*>(self);
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
    (*reader.onRow_)(Row{reader.fields_, noFields});
    reader.fieldCount_ = 0;
}

bool CsvReader::read(std::FILE* file, const RowHandler& onRow, const ProgressHandler& onProgress)
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
        csv_parse(parser_, data.data(), data.size(), fieldEnded, rowEnded, this);
        if (onProgress)
            onProgress(bytesRead);
    }
    if (std::ferror(file))
        return false;
    csv_fini(parser_, fieldEnded, rowEnded, this);
    return true;
}
