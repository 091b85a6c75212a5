#include "resulttext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace {

// Appends the decimal digits of a finite number above zero that is not a
// small whole number, never in exponent form. Beyond 15 significant digits
// the number is rounded, so that the binary noise of a fraction
// (4.199999999999999) does not show.
void appendDecimal(std::string& text, double value)
{
    // As printf's %.15g: plain for ordinary magnitudes, d.ddde-x below 1e-4
    // and d.ddde+x from 1e15 on, where all the digits stand before the point.
    char digits[32];
    char* end = std::to_chars(digits, digits + sizeof digits, value,
                              std::chars_format::general, 15).ptr;
    char* exponentMark = std::find(digits, end, 'e');
    if (exponentMark == end) {
        text.append(digits, end);
        return;
    }
    std::string significant(1, digits[0]);
    if (exponentMark - digits > 2)
        significant.append(digits + 2, exponentMark); // after "d."
    const char* exponentStart = exponentMark + 1;
    if (*exponentStart == '+')
        ++exponentStart;
    int exponent = 0;
    std::from_chars(exponentStart, end, exponent);

    if (exponent < 0) {
        text.append("0.").append(static_cast<size_t>(-exponent - 1), '0').append(significant);
    } else {
        text.append(significant);
        text.append(static_cast<size_t>(exponent + 1) - significant.size(), '0');
    }
}

// The pieces one after another, in a text sized once.
std::string joined(std::initializer_list<std::string_view> pieces)
{
    size_t size = 0;
    for (std::string_view piece : pieces)
        size += piece.size();
    std::string text(size, '\0');
    char* out = text.data();
    for (std::string_view piece : pieces)
        out = std::copy(piece.begin(), piece.end(), out);
    return text;
}

} // namespace

std::string countText(double count)
{
    if (count == 0)
        return " 0"; // also for -0
    const char sign = count < 0 ? '-' : ' ';
    const double magnitude = std::fabs(count);
    if (magnitude < 1e15 && std::trunc(magnitude) == magnitude) {
        // The usual case, a whole count: written in one go.
        char text[24] = {sign};
        char* end = std::to_chars(text + 1, text + sizeof text,
                                        static_cast<long long>(magnitude)).ptr;
        return std::string(text, end);
    }
    std::string text(1, sign);
    appendDecimal(text, magnitude);
    return text;
}

void stripLeadingBlanks(std::string& text)
{
    text.erase(0, text.find_first_not_of(' '));
}

std::string numericEntry(std::string_view months, std::string_view days,
                         std::string_view years, std::string_view separator)
{
    return joined({months, separator, days, separator, years});
}

std::string wordedEntry(std::string_view months, std::string_view days,
                        std::string_view years)
{
    return joined({years, " Year(s), ", months, " month(s), ", days, " day(s)"});
}
