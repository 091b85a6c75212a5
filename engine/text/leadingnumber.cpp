#include "text/leadingnumber.h"

#include "text/asciitext.h"
#include "text/decimalchars.h"

#include <charconv>
#include <cmath>
#include <string>

namespace spanwright {

namespace {

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

LeadingNumber signedNumber(bool negative, double magnitude)
{
    return {negative ? -magnitude : magnitude, false};
}

// Any number: blanks between the digits are dropped, and the digits are
// read by the standard library, however many there are.
LeadingNumber readLongNumber(const char* p, const char* end, bool negative)
{
    std::string number;
    bool seenPoint = false;
    bool nonZeroWholePart = false;
    for (; p != end; ++p) {
        const char c = *p;
        if (isDigit(c)) {
            nonZeroWholePart |= !seenPoint && c != '0';
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (isSkipped(c)) {
            continue;
        } else {
            break;
        }
        number.push_back(c);
    }

    double magnitude = 0;
    const auto result = decimalFromChars(number.data(), number.data() + number.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range with a whole part above zero is an overflow; otherwise
        // the value is too small to tell from zero.
        if (nonZeroWholePart)
            return {0, true};
        magnitude = 0;
    } else if (result.ec != std::errc()) {
        return {}; // no digits at all, as in "." or "-"
    }
    if (magnitude >= LargestNumberMagnitude)
        return {0, true};
    return signedNumber(negative, magnitude);
}

} // namespace

LeadingNumber readLeadingNumber(std::string_view text)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && isSkipped(*p))
        ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }

    // Most numbers are a few digits with perhaps a point: read them here.
    // Up to 15 digits make an exact whole number, and with an exact power of
    // ten one division rounds as any correct decimal reading does.
    static constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* const start = p;
    unsigned long long digits = 0;
    int digitCount = 0;
    int fractionDigits = 0;
    bool seenPoint = false;
    for (; p != end; ++p) {
        const char c = *p;
        if (isDigit(c)) {
            if (++digitCount > 15)
                return readLongNumber(start, end, negative);
            digits = digits * 10 + static_cast<unsigned>(c - '0');
            fractionDigits += seenPoint;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (isSkipped(c)) {
            // Blanks may stand between digits: let the general reading decide.
            return readLongNumber(start, end, negative);
        } else {
            break;
        }
    }
    if (digitCount == 0)
        return {};
    return signedNumber(negative, static_cast<double>(digits) / powersOfTen[fractionDigits]);
}

double leadingNumberValue(std::string_view text)
{
    return readLeadingNumber(text).value;
}

} // namespace spanwright
