#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace spanwright {

// The letters that the languages' dates and ages are written in: the ASCII
// letters and those of Latin-1 and Latin Extended-A (ä, é, ñ, å, ł, ř, ě...),
// the Romanian ș and ț, and Cyrillic (the old letters ѣ and і among them),
// read from UTF-8 as whole characters, never as single bytes.
namespace languages {

// The code point of the UTF-8 character at pos and its length in bytes
// (1 to 4), or -1 with length 1 for a byte that starts no valid character.
char32_t codePointAt(std::string_view text, size_t pos, size_t& length);

// The length in bytes of the letter at pos beyond ASCII, 0 when none.
size_t wideLetterLength(std::string_view text, size_t pos);

// The length in bytes of the letter at pos, 0 when no letter stands there.
// (Inline: the readers ask it of every byte.)
inline size_t letterLength(std::string_view text, size_t pos)
{
    if (pos >= text.size())
        return 0;
    const char c = text[pos];
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return 1;
    return static_cast<unsigned char>(c) < 0x80 ? 0 : wideLetterLength(text, pos);
}

// The letter (or any other character) at pos appended to out in lower case;
// returns its length in bytes.
size_t appendLowerCase(std::string_view text, size_t pos, std::string& out);

// The letter at pos in lower case, written to out (room for 4 bytes), its
// length in bytes in written; returns the letter's length in the text, 0
// when no letter stands there. For the date reader's words, which it reads
// without building a string.
size_t lowerLetterInto(std::string_view text, size_t pos, char* out, size_t& written);

// The whole text in lower case ("MÄRZ" is "märz").
std::string lowerCased(std::string_view text);

// A lower-case spelling without its diacritics: "février" is "fevrier",
// "września" is "wrzesnia", "ß" is "ss", "æ" is "ae". With umlautsAsE the
// German umlauts become ae, oe, ue ("märz" is "maerz").
std::string withoutDiacritics(std::string_view lower, bool umlautsAsE = false);

// The character at pos for a message: in quotes when it shows, else by its
// code and name ("U+00A0 NO-BREAK SPACE"); a byte that is not UTF-8 by its
// value ("the byte 0xE2, which is not UTF-8"). Always valid UTF-8.
std::string characterForMessage(std::string_view text, size_t pos);

// A text for a message: one character as characterForMessage gives it;
// longer, in quotes (as excerptForMessage gives it), naming the first
// character in it that does not show ("\"5\u200B\" (with U+200B ZERO WIDTH
// SPACE)").
std::string quotedForMessage(std::string_view text);

// The text with every byte that is not UTF-8, and every control character
// (a NUL, a line break), written as \xNN, so that a message quoting it is
// valid UTF-8 and stays on its line.
std::string validUtf8(std::string_view text);

// The text as validUtf8 gives it, cut after its first 40 bytes (between
// characters) with "..." where it is longer, so that a huge text does not
// make a huge message.
std::string excerptForMessage(std::string_view text);

} // namespace languages

} // namespace spanwright
