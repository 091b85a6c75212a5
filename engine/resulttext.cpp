#include "resulttext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// Plain decimal digits of a finite, non-negative number, never in exponent
// form. Counts beyond 15 significant digits are rounded there, so that the
// binary noise of a fraction (4.199999999999999) does not show.
std::string plainDecimal(double value)
{
    if (value < 1e15 && std::trunc(value) == value) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits,
                                       static_cast<long long>(value)).ptr;
        return std::string(digits, end);
    }
    char rounded[32];
    const auto roundedEnd = std::to_chars(rounded, rounded + sizeof rounded, value,
                                          std::chars_format::general, 15).ptr;
    double shown = value;
    std::from_chars(rounded, roundedEnd, shown);
    // The shortest digits of the rounded number, written out with zeros
    // instead of an exponent. (Fixed notation would show the exact binary
    // value of a large number: 1e299 as 10000000000000000525...)
    char scientific[32];
    char* scientificEnd = std::to_chars(scientific, scientific + sizeof scientific, shown,
                                        std::chars_format::scientific).ptr;
    char* exponentMark = std::find(scientific, scientificEnd, 'e');
    std::string digits(scientific, 1);
    if (exponentMark - scientific > 2)
        digits.append(scientific + 2, exponentMark); // after "d."
    const std::string exponent(exponentMark + 1, scientificEnd);
    const long wholeDigits = std::strtol(exponent.c_str(), nullptr, 10) + 1;
    const long digitCount = static_cast<long>(digits.size());
    if (wholeDigits <= 0)
        return "0." + std::string(static_cast<size_t>(-wholeDigits), '0') + digits;
    if (wholeDigits >= digitCount)
        return digits + std::string(static_cast<size_t>(wholeDigits - digitCount), '0');
    return digits.substr(0, static_cast<size_t>(wholeDigits)) + "."
        + digits.substr(static_cast<size_t>(wholeDigits));
}

} // namespace

std::string countText(double count)
{
    if (count == 0)
        return " 0"; // also for -0
    if (count < 0)
        return "-" + plainDecimal(-count);
    return " " + plainDecimal(count);
}

void stripLeadingBlanks(std::string& text)
{
    text.erase(0, text.find_first_not_of(' '));
}

std::string numericEntry(const std::string& months, const std::string& days,
                         const std::string& years, const std::string& separator)
{
    return months + separator + days + separator + years;
}

std::string wordedEntry(const std::string& months, const std::string& days,
                        const std::string& years)
{
    return years + " Year(s), " + months + " month(s), " + days + " day(s)";
}
