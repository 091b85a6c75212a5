#include "spans/resulttext.h"

#include "text/decimalchars.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace spanwright {

namespace {

// Below this magnitude a whole number has at most 15 digits and converts to
// an integer exactly.
constexpr double QuickLimit = 1e15;

// Fractions with up to this many decimals after the point take the quick way.
constexpr int QuickFractionDigits = 6;

constexpr unsigned long long powersOfTen[QuickFractionDigits + 1] = {
    1, 10, 100, 1000, 10000, 100000, 1000000};

// Significant digits shown, as printf's %.15g: enough to hide the binary
// noise of a fraction (4.199999999999999 shows as 4.2).
constexpr int SignificantDigits = 15;

char* writeWhole(char* out, unsigned long long value)
{
    // Below QuickLimit: at most 15 digits.
    return std::to_chars(out, out + SignificantDigits, value).ptr;
}

// scaled / 10^fractionDigits in decimals, without trailing zeros.
char* writeScaled(char* out, unsigned long long scaled, int fractionDigits)
{
    const unsigned long long unit = powersOfTen[fractionDigits];
    out = writeWhole(out, scaled / unit);
    unsigned long long fraction = scaled % unit;
    while (fractionDigits > 0 && fraction % 10 == 0) {
        fraction /= 10;
        --fractionDigits;
    }
    if (fractionDigits == 0)
        return out;
    *out = '.';
    out += fractionDigits + 1;
    for (char* digit = out - 1; digit != out - fractionDigits - 1; --digit) {
        *digit = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    return out;
}

// Any magnitude: rounded to 15 significant digits by the standard library,
// its exponent form (below 1e-4 and from 1e15 on) written out in full.
char* writeRounded(char* out, double magnitude)
{
    char digits[32]; // "d.dddddddddddddde-324" at most
    char* const end = decimalToChars(digits, digits + sizeof digits, magnitude, SignificantDigits).ptr;
    char* const exponentMark = std::find(digits, end, 'e');
    if (exponentMark == end)
        return std::copy(digits, end, out);

    const char* exponentStart = exponentMark + 1;
    if (*exponentStart == '+')
        ++exponentStart;
    int exponent = 0;
    std::from_chars(exponentStart, end, exponent);
    // The significant digits: the first, then those after "d." if any.
    const char* const rest = exponentMark - digits > 2 ? digits + 2 : exponentMark;
    const int significantCount = 1 + static_cast<int>(exponentMark - rest);

    if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        *out++ = digits[0];
        return std::copy(rest, static_cast<const char*>(exponentMark), out);
    }
    *out++ = digits[0];
    out = std::copy(rest, static_cast<const char*>(exponentMark), out);
    return std::fill_n(out, exponent + 1 - significantCount, '0');
}

char* writeMagnitude(char* out, double magnitude)
{
    if (magnitude < QuickLimit) {
        const auto whole = static_cast<unsigned long long>(magnitude);
        if (static_cast<double>(whole) == magnitude)
            return writeWhole(out, whole);
        // A fraction with few decimals, such as 4.5. When the scaled value
        // rounds to a whole N below 10^15, the double lies within 2^-53 of
        // N / 10^k relative to it, far closer than half a unit in the 15th
        // significant digit, and that decimal of at most 15 digits is what
        // rounding to 15 significant digits gives.
        double scale = 1;
        for (int fractionDigits = 1; fractionDigits <= QuickFractionDigits; ++fractionDigits) {
            scale *= 10;
            const double scaled = magnitude * scale;
            if (!(scaled < QuickLimit))
                break;
            const auto n = static_cast<unsigned long long>(scaled);
            if (static_cast<double>(n) == scaled)
                return writeScaled(out, n, fractionDigits);
        }
    }
    return writeRounded(out, magnitude);
}

} // namespace

char* writeCount(char* out, double count)
{
    if (count < 0)
        *out++ = '-';
    return writeMagnitude(out, std::fabs(count));
}

std::string countText(double count)
{
    char text[MaxCountLength + 1];
    text[0] = ' ';
    char* const end = writeCount(text + 1, count);
    // A negative count's minus sign takes the place of the blank.
    char* const start = text[1] == '-' ? text + 1 : text;
    return std::string(start, end);
}

} // namespace spanwright
