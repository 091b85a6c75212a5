#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace spanwright {

// Character tests and case changes for the ASCII letters, digits and blanks
// that dates and ages are written in; other bytes pass through unchanged, so
// UTF-8 text stays intact. (The <cctype> functions depend on the locale.)

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool isLineEnd(char c) { return c == '\n' || c == '\r'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
// A word of digits alone, and at least one.
constexpr bool allDigits(std::string_view text)
{
    for (char c : text) {
        if (!isDigit(c))
            return false;
    }
    return !text.empty();
}
constexpr char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The text without the characters isSpace holds for at either end.
constexpr std::string_view trimmed(std::string_view text, bool (*isSpace)(char) = isBlank)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Equal but for the case of ASCII letters.
constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    }
    return true;
}

// The months' three-letter names in upper case, January first.
constexpr std::array<std::string_view, 12> UpperMonthAbbreviations = {
    "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

} // namespace spanwright
