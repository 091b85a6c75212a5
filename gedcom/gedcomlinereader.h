#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace spanwright {

// Reads a file line by line in large blocks, for any of the line ends CR,
// LF and CR LF, keeping only one block and one line in memory. A file in
// UTF-16 (with a byte order mark, or without one when it begins with the
// digit 0 of "0 HEAD") is read as UTF-8 through iconv.
class GedcomLineReader
{
public:
    // Lines longer than this are cut (GEDCOM allows 255 characters).
    static constexpr size_t LongestLine = 1 << 16;
    // A line longer than this ends the reading (see tooLong): no GEDCOM file
    // has one, and a file that never ends a line (/dev/zero) would
    // otherwise be read for ever.
    static constexpr size_t LongestReadLine = 1 << 20;

    explicit GedcomLineReader(std::FILE* file);
    ~GedcomLineReader();
    GedcomLineReader(const GedcomLineReader&) = delete;
    GedcomLineReader& operator=(const GedcomLineReader&) = delete;

    // The next line without its line end; false at the end of the file, on
    // a read error (see failed) or at a line past LongestReadLine.
    bool next(std::string_view& line);
    // Writes every byte read from the file to copy as well, from the first
    // read on (for a stream that cannot be read twice); copyFailed says
    // whether some could not be written.
    void copyTo(std::FILE* copy) { copy_ = copy; }
    bool copyFailed() const { return copyFailed_; }
    long long lineNumber() const { return lineNumber_; }
    // The line last returned was longer than LongestLine and is cut.
    bool cut() const { return cut_; }
    bool failed() const { return failed_; }
    // Reads the rest of the file unparsed (copied where copyTo asks), once
    // its TRLR is read: a GEDZIP archive's entry is checked against its
    // checksum only at its end. A read error then shows in failed().
    void readToEnd();
    bool tooLong() const { return tooLong_; }
    // The file is UTF-16; utf16Replaced: some of it could not be decoded
    // and became U+FFFD.
    bool utf16() const { return utf16_; }
    bool utf16Replaced() const { return utf16Replaced_; }
    // The UTF-16 file ends inside a character: an odd last byte, a file cut
    // short.
    bool utf16Cut() const { return utf16Cut_; }

private:
    bool fill();
    bool fillUtf16();
    void detectUtf16();
    bool readRaw();
    size_t readFile(char* into, size_t size);

    std::FILE* file_;
    std::FILE* copy_ = nullptr;
    bool copyFailed_ = false;
    std::string block_;
    size_t start_ = 0;
    size_t end_ = 0;
    std::string long_; // a line that spans blocks
    long long lineNumber_ = 0;
    bool afterCarriageReturn_ = false;
    bool cut_ = false;
    bool failed_ = false;
    bool tooLong_ = false;
    bool atEnd_ = false;
    bool started_ = false;
    // UTF-16: the bytes read and not yet converted.
    bool utf16_ = false;
    bool utf16Replaced_ = false;
    bool utf16Cut_ = false;
    void* converter_ = nullptr; // iconv_t
    std::string raw_;
    size_t rawStart_ = 0;
    size_t rawEnd_ = 0;
    bool rawAtEnd_ = false;
};

} // namespace spanwright
