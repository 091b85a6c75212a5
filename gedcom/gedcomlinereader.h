#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Reads a file line by line in large blocks, for any of the line ends CR,
// LF and CR LF, keeping only one block and one line in memory.
class GedcomLineReader
{
public:
    // Lines longer than this are cut (GEDCOM allows 255 characters).
    static constexpr size_t LongestLine = 1 << 16;

    explicit GedcomLineReader(std::FILE* file);

    // The next line without its line end; false at the end of the file or
    // on a read error (see failed).
    bool next(std::string_view& line);
    long long lineNumber() const { return lineNumber_; }
    // The line last returned was longer than LongestLine and is cut.
    bool cut() const { return cut_; }
    bool failed() const { return failed_; }

private:
    bool fill();

    std::FILE* file_;
    std::string block_;
    size_t start_ = 0;
    size_t end_ = 0;
    std::string long_; // a line that spans blocks
    long long lineNumber_ = 0;
    bool afterCarriageReturn_ = false;
    bool cut_ = false;
    bool failed_ = false;
    bool atEnd_ = false;
};
