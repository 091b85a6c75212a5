#include "gedcomencoding.h"

#include "text/asciitext.h"
#include "gedcomansel.h"

#include <iconv.h>

#include <array>

namespace spanwright {

namespace {

constexpr unsigned char FirstNonAscii = 0x80;
constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD"; // U+FFFD

struct Name
{
    std::string_view name;
    GedcomEncoding::Kind kind;
    const char* iconvName; // for Table
};
constexpr std::array<Name, 10> Names = {{
    {"UTF-8", GedcomEncoding::Kind::Utf8, nullptr},
    {"UTF8", GedcomEncoding::Kind::Utf8, nullptr},
    {"UNICODE", GedcomEncoding::Kind::Utf8, nullptr},
    {"ASCII", GedcomEncoding::Kind::Ascii, nullptr},
    {"ANSEL", GedcomEncoding::Kind::Ansel, nullptr},
    {"ANSI", GedcomEncoding::Kind::Table, "WINDOWS-1252"},
    {"WINDOWS-1252", GedcomEncoding::Kind::Table, "WINDOWS-1252"},
    {"CP1252", GedcomEncoding::Kind::Table, "WINDOWS-1252"},
    {"IBM PC", GedcomEncoding::Kind::Table, "CP437"},
    {"IBMPC", GedcomEncoding::Kind::Table, "CP437"},
}};

// The UTF-8 text of each byte from 0x80 on in a character set iconv knows;
// empty where it has none. Built once per file: the report then decodes a
// byte by looking it up.
bool fillTable(const char* iconvName, std::array<std::string, 128>& table)
{
    iconv_t converter = iconv_open("UTF-8", iconvName);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return false;
    for (size_t i = 0; i < table.size(); ++i) {
        char in = static_cast<char>(FirstNonAscii + i);
        char out[8];
        char* inPointer = &in;
        char* outPointer = out;
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != static_cast<size_t>(-1))
            table[i].assign(out, static_cast<size_t>(outPointer - out));
    }
    iconv_close(converter);
    return true;
}

} // namespace

void appendUtf8(std::string& out, char32_t c)
{
    constexpr char32_t OneByte = 0x80, TwoBytes = 0x800, ThreeBytes = 0x10000;
    if (c < OneByte) {
        out.push_back(static_cast<char>(c));
    } else if (c < TwoBytes) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < ThreeBytes) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

GedcomEncoding::GedcomEncoding(std::string_view characterSet)
{
    const std::string_view name = trimmed(characterSet);
    kind_ = Kind::Ascii;
    known_ = false;
    for (const Name& entry : Names) {
        if (!equalsIgnoringCase(name, entry.name))
            continue;
        kind_ = entry.kind;
        known_ = entry.kind != Kind::Table || fillTable(entry.iconvName, table_);
        if (!known_)
            kind_ = Kind::Ascii;
        return;
    }
}

bool GedcomEncoding::decode(std::string_view text, std::string& out) const
{
    switch (kind_) {
    case Kind::Utf8:
        out.append(text);
        return false;
    case Kind::Ansel:
        return decodeAnsel(text, out);
    case Kind::Ascii:
    case Kind::Table:
        break;
    }
    bool replaced = false;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < FirstNonAscii) {
            out.push_back(c);
            continue;
        }
        const std::string& decoded = table_[byte - FirstNonAscii];
        if (kind_ == Kind::Table && !decoded.empty()) {
            out.append(decoded);
        } else {
            out.append(ReplacementCharacter);
            replaced = true;
        }
    }
    return replaced;
}

} // namespace spanwright
