#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct csv_parser;

// Reads CSV (RFC 4180) from a file in chunks, one row at a time, with the
// fields exactly as written: no blanks trimmed, quotes taken off and doubled
// quotes made single. A UTF-8 byte order mark at the start is taken off and
// noted; CR LF and LF both end a row, and an empty line is a row of its own.
class CsvReader
{
public:
    struct Row
    {
        const std::vector<std::string>& fields;
        bool emptyLine; // a line with nothing on it (fields is empty)
    };
    using RowHandler = std::function<void(const Row&)>;
    // Called after each chunk with the bytes read so far.
    using ProgressHandler = std::function<void(unsigned long long bytesRead)>;

    CsvReader();
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // Reads the whole file; false on a read error (errno tells which).
    bool read(std::FILE* file, const RowHandler& onRow, const ProgressHandler& onProgress = {});

    bool hadByteOrderMark() const { return byteOrderMark_; }
    // The line break of the first row: "\r\n" or "\n".
    std::string_view lineBreak() const { return lineBreak_; }

private:
    static void fieldEnded(void* text, size_t size, void* self);
    static void rowEnded(int terminator, void* self);

    csv_parser* parser_;
    std::vector<std::string> fields_;
    size_t fieldCount_ = 0;
    int lastTerminator_ = 0;
    bool byteOrderMark_ = false;
    bool firstRowSeen_ = false;
    std::string_view lineBreak_ = "\n";
    const RowHandler* onRow_ = nullptr;
};
