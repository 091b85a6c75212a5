#pragma once

#include <string_view>

namespace spanwright {

// The value of the leading decimal number of a text, read the way dates and
// stored settings are read: blanks, tabs and line feeds are skipped wherever
// they stand (also between digits), then an optional sign, digits, and an
// optional period followed by digits. Reading stops at the first character
// that cannot continue the number. A text without a leading number reads as 0.
struct LeadingNumber
{
    double value = 0;
    // The number is too large in magnitude to take part in date arithmetic
    // (value is 0 then). Sums and differences of two numbers that are not too
    // large always stay finite.
    bool tooLarge = false;
};

// Magnitudes at or above this count as too large.
constexpr double LargestNumberMagnitude = 1e300;

LeadingNumber readLeadingNumber(std::string_view text);

// The leading number, with a too large one read as 0.
double leadingNumberValue(std::string_view text);

} // namespace spanwright
