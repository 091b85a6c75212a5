#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace spanwright {

// The encodings a spreadsheet program writes its text files in, read
// without iconv, so that the web page reads a file as the command line does.
enum class TextEncoding {
    Utf8,
    Utf16LittleEndian, // Windows' "Unicode Text"
    Utf16BigEndian,
    Windows1252, // Western Windows ("ANSI"), for a file that is not UTF-8
};

// "UTF-8", "UTF-16LE", "UTF-16BE", "Windows-1252".
std::string_view encodingName(TextEncoding encoding);
// The encoding of a name in any case, with or without its hyphen
// ("utf16le", "CP1252", "latin1" is not one); none for any other name.
std::optional<TextEncoding> encodingNamed(std::string_view name);

// Turns the bytes of a text file, arriving in pieces, into UTF-8. Unless it
// is told the encoding, the start decides it (pieces of under 4 bytes are
// held back until there are more): a byte order mark says UTF-8 or UTF-16;
// without one, NUL bytes at every other place in the first piece say UTF-16
// (ASCII text in two bytes a character; hand over a generous first slice, or
// the whole file); otherwise the first character that is not ASCII decides,
// however late it comes: UTF-8 where it is a UTF-8 character, else
// Windows-1252.
//
// Nothing is lost: a byte that is not UTF-8 in a UTF-8 text is read as
// Windows-1252, half a UTF-16 character or a lone surrogate becomes U+FFFD;
// faultyBytes() counts them. A byte order mark becomes the UTF-8 one, so
// that the CSV reader can note it and the output keep it.
class TextDecoder
{
public:
    // How much a caller hands over first, at least, where it can.
    static constexpr size_t DetectionSlice = 1 << 16;

    TextDecoder() = default;
    explicit TextDecoder(TextEncoding encoding);

    // The UTF-8 text of the next bytes, valid until the next call: a view of
    // the bytes themselves where they are already that text.
    std::string_view decode(std::string_view bytes);
    // The end of the input: what was held back.
    std::string_view finish();

    // The encoding read (UTF-8 until something else is decided).
    TextEncoding encoding() const { return encoding_; }
    bool hadByteOrderMark() const { return byteOrderMark_; }
    unsigned long long faultyBytes() const { return faultyBytes_; }

private:
    void decide(std::string_view start);
    std::string_view decodeUtf8(std::string_view bytes);
    std::string_view decodeUtf16(std::string_view bytes);
    std::string_view decodeWindows1252(std::string_view bytes);
    void appendUtf16Unit(unsigned unit);

    TextEncoding encoding_ = TextEncoding::Utf8;
    bool decided_ = false;   // the encoding is known
    bool onlyAscii_ = false; // decided as UTF-8 on ASCII alone: open still
    bool byteOrderMark_ = false;
    unsigned long long faultyBytes_ = 0;
    std::string held_;      // bytes of a character cut by the end of a piece, or the first bytes
    unsigned highSurrogate_ = 0; // a UTF-16 high surrogate waiting for its pair
    std::string joined_;    // what was held and the next piece, together
    std::string text_;      // the text of the last piece, where it is not the piece
};

// A whole file at once, for the web page.
struct DecodedText
{
    std::string text; // UTF-8, its byte order mark kept
    TextEncoding encoding;
    bool byteOrderMark;
    unsigned long long faultyBytes;
};
DecodedText decodeText(std::string_view bytes);

} // namespace spanwright
