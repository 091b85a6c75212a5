#include "textdecoding.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace spanwright {

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;
// Pieces shorter than this are held back before the encoding is decided:
// the longest byte order mark, and a UTF-16 character twice.
constexpr size_t ShortestStart = 4;

// Windows-1252 from 0x80 to 0x9F; from 0xA0 on it is Latin-1, the same
// code points. The five bytes it leaves unassigned are read as the C1
// controls of their value, as browsers read them.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t windows1252CodePoint(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : byte;
}

void appendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

// A UTF-8 character cut by the end of the bytes.
constexpr int CutCharacter = -1;

// The length of the UTF-8 character at bytes[at]: 1 to 4, 0 where the bytes
// are not UTF-8 (overlong forms, surrogates and code points past U+10FFFF
// are not), CutCharacter where they end inside a character that is so far
// valid.
int utf8CharacterLength(std::string_view bytes, size_t at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned char lowest = 0x80;  // of the second byte
    unsigned char highest = 0xBF; // of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            lowest = 0xA0; // else overlong
        else if (lead == 0xED)
            highest = 0x9F; // else a surrogate
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            lowest = 0x90; // else overlong
        else if (lead == 0xF4)
            highest = 0x8F; // else past U+10FFFF
    } else {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if (at + i >= bytes.size())
            return CutCharacter;
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if (next < (i == 1 ? lowest : 0x80) || next > (i == 1 ? highest : 0xBF))
            return 0;
    }
    return length;
}

// How many bytes at the start of bytes are ASCII, 32 at a time while
// they all are (a whole file of them, most often), then eight.
size_t asciiRun(std::string_view bytes, size_t from)
{
    constexpr std::uint64_t HighBits = 0x8080808080808080ull;
    size_t i = from;
    for (; i + 32 <= bytes.size(); i += 32) {
        std::uint64_t words[4];
        std::memcpy(words, bytes.data() + i, sizeof words);
        if ((words[0] | words[1] | words[2] | words[3]) & HighBits)
            break;
    }
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if (word & HighBits)
            break;
    }
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i - from;
}

// Where bytes stop being UTF-8 from `from` on: bytes.size() when they never
// do, else the place of the first byte that is not UTF-8 or of a character
// that the end cuts (cut says which).
size_t utf8End(std::string_view bytes, size_t from, bool& cut)
{
    cut = false;
    size_t i = from;
    while (i < bytes.size()) {
        i += asciiRun(bytes, i);
        if (i == bytes.size())
            break;
        const int length = utf8CharacterLength(bytes, i);
        if (length <= 0) {
            cut = length == CutCharacter;
            break;
        }
        i += static_cast<size_t>(length);
    }
    return i;
}

bool hasPrefix(std::string_view bytes, std::string_view prefix)
{
    return bytes.substr(0, prefix.size()) == prefix;
}

} // namespace

std::string_view encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Utf16LittleEndian:
        return "UTF-16LE";
    case TextEncoding::Utf16BigEndian:
        return "UTF-16BE";
    case TextEncoding::Windows1252:
        return "Windows-1252";
    }
    return "UTF-8";
}

std::optional<TextEncoding> encodingNamed(std::string_view name)
{
    std::string plain;
    for (char c : name) {
        if (c != '-' && c != '_')
            plain.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    if (plain == "utf8")
        return TextEncoding::Utf8;
    if (plain == "utf16le")
        return TextEncoding::Utf16LittleEndian;
    if (plain == "utf16be")
        return TextEncoding::Utf16BigEndian;
    if (plain == "windows1252" || plain == "cp1252")
        return TextEncoding::Windows1252;
    return std::nullopt;
}

TextDecoder::TextDecoder(TextEncoding encoding) : encoding_(encoding), decided_(true) {}

void TextDecoder::decide(std::string_view start)
{
    decided_ = true;
    if (hasPrefix(start, "\xEF\xBB\xBF")) {
        encoding_ = TextEncoding::Utf8;
        byteOrderMark_ = true;
        return;
    }
    if (hasPrefix(start, "\xFF\xFE") || hasPrefix(start, "\xFE\xFF")) {
        encoding_ = start[0] == '\xFF' ? TextEncoding::Utf16LittleEndian : TextEncoding::Utf16BigEndian;
        byteOrderMark_ = true;
        return;
    }
    // ASCII in UTF-16 has a NUL byte in every character: after it (little
    // endian) or before it. Text in UTF-8 or Windows-1252 has none.
    const std::string_view sample = start.substr(0, DetectionSlice);
    size_t nulFirst = 0;
    size_t nulSecond = 0;
    for (size_t i = 0; i + 1 < sample.size(); i += 2) {
        nulFirst += sample[i] == '\0';
        nulSecond += sample[i + 1] == '\0';
    }
    const size_t characters = sample.size() / 2;
    const auto mostlyNul = [characters](size_t nul, size_t otherNul) {
        return nul > 0 && nul * 4 >= characters && otherNul * 4 < nul;
    };
    if (mostlyNul(nulSecond, nulFirst)) {
        encoding_ = TextEncoding::Utf16LittleEndian;
        return;
    }
    if (mostlyNul(nulFirst, nulSecond)) {
        encoding_ = TextEncoding::Utf16BigEndian;
        return;
    }
    encoding_ = TextEncoding::Utf8;
    onlyAscii_ = true; // decodeUtf8 decides on the first byte that is not
}

std::string_view TextDecoder::decode(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    if (!decided_) {
        if (held_.size() + bytes.size() < ShortestStart) {
            held_.append(bytes);
            return {};
        }
        if (!held_.empty()) {
            joined_ = held_;
            joined_.append(bytes);
            held_.clear();
            bytes = joined_;
        }
        decide(bytes);
    }
    switch (encoding_) {
    case TextEncoding::Utf8:
        return decodeUtf8(bytes);
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian:
        return decodeUtf16(bytes);
    case TextEncoding::Windows1252:
        return decodeWindows1252(bytes);
    }
    return bytes;
}

std::string_view TextDecoder::finish()
{
    std::string last;
    if (!decided_) {
        const std::string start = std::move(held_);
        held_.clear();
        decide(start);
        last = std::string(decode(start));
    }
    // What is held is the start of a character that never came whole: in a
    // text of ASCII until then, it is a Windows-1252 letter.
    if (onlyAscii_ && !held_.empty()) {
        encoding_ = TextEncoding::Windows1252;
        last.append(decodeWindows1252(held_));
        held_.clear();
    }
    if (encoding_ == TextEncoding::Utf16LittleEndian || encoding_ == TextEncoding::Utf16BigEndian) {
        faultyBytes_ += held_.size() + (highSurrogate_ != 0 ? 2 : 0);
        if (!held_.empty() || highSurrogate_ != 0)
            appendUtf8(last, ReplacementCharacter);
    } else {
        for (char byte : held_) {
            appendUtf8(last, windows1252CodePoint(static_cast<unsigned char>(byte)));
            ++faultyBytes_;
        }
    }
    held_.clear();
    highSurrogate_ = 0;
    text_ = std::move(last);
    return text_;
}

std::string_view TextDecoder::decodeUtf8(std::string_view bytes)
{
    if (!held_.empty()) {
        joined_ = held_;
        joined_.append(bytes);
        held_.clear();
        bytes = joined_;
    }
    if (onlyAscii_) {
        // The first character that is not ASCII decides: UTF-8 where it is
        // a UTF-8 character, else Windows-1252. (A UTF-8 file with a stray
        // byte later is read as UTF-8 around it.)
        const size_t ascii = asciiRun(bytes, 0);
        if (ascii == bytes.size())
            return bytes;
        const int length = utf8CharacterLength(bytes, ascii);
        if (length == CutCharacter) {
            held_.assign(bytes.substr(ascii)); // decided when it is whole
            return bytes.substr(0, ascii);
        }
        onlyAscii_ = false;
        if (length == 0) {
            encoding_ = TextEncoding::Windows1252;
            return decodeWindows1252(bytes);
        }
    }
    bool cut = false;
    size_t valid = utf8End(bytes, 0, cut);
    if (valid == bytes.size())
        return bytes;
    if (cut) {
        held_.assign(bytes.substr(valid));
        return bytes.substr(0, valid);
    }
    // A byte that is not UTF-8: it and every other such byte are read as
    // Windows-1252, the text around them as UTF-8.
    text_.assign(bytes.substr(0, valid));
    size_t i = valid;
    while (i < bytes.size()) {
        const size_t end = utf8End(bytes, i, cut);
        text_.append(bytes.substr(i, end - i));
        i = end;
        if (cut) {
            held_.assign(bytes.substr(i));
            break;
        }
        if (i < bytes.size()) {
            appendUtf8(text_, windows1252CodePoint(static_cast<unsigned char>(bytes[i])));
            ++faultyBytes_;
            ++i;
        }
    }
    return text_;
}

void TextDecoder::appendUtf16Unit(unsigned unit)
{
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (highSurrogate_ != 0) {
        if (low) {
            appendUtf8(text_, 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
            highSurrogate_ = 0;
            return;
        }
        appendUtf8(text_, ReplacementCharacter); // a high surrogate alone
        faultyBytes_ += 2;
        highSurrogate_ = 0;
    }
    if (high) {
        highSurrogate_ = unit;
    } else if (low) {
        appendUtf8(text_, ReplacementCharacter); // a low surrogate alone
        faultyBytes_ += 2;
    } else {
        appendUtf8(text_, unit);
    }
}

std::string_view TextDecoder::decodeUtf16(std::string_view bytes)
{
    const bool littleEndian = encoding_ == TextEncoding::Utf16LittleEndian;
    const auto unitOf = [littleEndian](char first, char second) {
        const auto a = static_cast<unsigned char>(first);
        const auto b = static_cast<unsigned char>(second);
        return littleEndian ? a | (b << 8) : (a << 8) | b;
    };
    text_.clear();
    text_.reserve(bytes.size());
    size_t i = 0;
    if (!held_.empty() && !bytes.empty()) {
        appendUtf16Unit(unitOf(held_[0], bytes[0]));
        held_.clear();
        i = 1;
    }
    for (; i + 1 < bytes.size(); i += 2)
        appendUtf16Unit(unitOf(bytes[i], bytes[i + 1]));
    if (i < bytes.size())
        held_.assign(1, bytes[i]);
    return text_;
}

std::string_view TextDecoder::decodeWindows1252(std::string_view bytes)
{
    text_.clear();
    text_.reserve(bytes.size() + bytes.size() / 8);
    size_t i = 0;
    while (i < bytes.size()) {
        const size_t ascii = asciiRun(bytes, i);
        text_.append(bytes.substr(i, ascii));
        i += ascii;
        if (i < bytes.size())
            appendUtf8(text_, windows1252CodePoint(static_cast<unsigned char>(bytes[i++])));
    }
    return text_;
}

DecodedText decodeText(std::string_view bytes)
{
    TextDecoder decoder;
    std::string text(decoder.decode(bytes));
    text.append(decoder.finish());
    return {std::move(text), decoder.encoding(), decoder.hadByteOrderMark(), decoder.faultyBytes()};
}

} // namespace spanwright
