#pragma once

#include <array>
#include <string>
#include <string_view>

namespace spanwright {

// The character sets of GEDCOM files that use one byte a character, read
// into UTF-8: the CHAR line names them.
//   UTF-8 (also UNICODE, whose files a byte order mark or the line reader
//   has already made UTF-8), ASCII, ANSEL (ANSI/Z39.47, with the GEDCOM
//   additions; a combining mark precedes its letter and is put after it),
//   ANSI (Windows-1252) and IBM PC / IBMPC (code page 437), the last two
//   through iconv.
class GedcomEncoding
{
public:
    enum class Kind { Utf8, Ascii, Ansel, Table };

    // UTF-8 until a CHAR line says otherwise (GEDCOM 5.5.5 and 7.0 make it
    // the default).
    GedcomEncoding() = default;
    // The character set a CHAR value names; an unknown name is read as
    // ASCII, its other bytes becoming U+FFFD.
    explicit GedcomEncoding(std::string_view characterSet);

    Kind kind() const { return kind_; }
    bool known() const { return known_; }

    // Appends the text as UTF-8. A byte that cannot be decoded becomes
    // U+FFFD; returns whether one did. Under Utf8 the text is copied (the
    // report checks it).
    bool decode(std::string_view text, std::string& out) const;

private:
    Kind kind_ = Kind::Utf8;
    bool known_ = true;
    // For Table: the UTF-8 text of each byte from 0x80 on, empty where the
    // character set has none.
    std::array<std::string, 128> table_;
};

// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace spanwright
