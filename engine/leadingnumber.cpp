#include "leadingnumber.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

LeadingNumber readLeadingNumber(std::string_view text)
{
    const size_t n = text.size();
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < n && isSkipped(text[i]))
            ++i;
    };

    skipBlanks();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Gather the digits and the decimal point; blanks inside the number are
    // dropped, so the number is copied only when it has some.
    const size_t start = i;
    bool hasBlanksInside = false;
    bool hasDigits = false;
    bool nonZeroWholePart = false;
    bool seenPoint = false;
    size_t end = i;
    for (;;) {
        const size_t beforeBlanks = i;
        skipBlanks();
        if (i >= n)
            break;
        const char c = text[i];
        if (isDigit(c)) {
            hasDigits = true;
            if (!seenPoint && c != '0')
                nonZeroWholePart = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        if (i != beforeBlanks && beforeBlanks != start)
            hasBlanksInside = true;
        ++i;
        end = i;
    }
    if (!hasDigits)
        return {};

    std::string compact;
    std::string_view number = text.substr(start, end - start);
    if (hasBlanksInside) {
        compact.reserve(number.size());
        for (char c : number) {
            if (!isSkipped(c))
                compact.push_back(c);
        }
        number = compact;
    }
    // Leading blanks between the sign and the first digit.
    while (!number.empty() && isSkipped(number.front()))
        number.remove_prefix(1);

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range with a whole part above zero is an overflow; otherwise
        // the value is too small to tell from zero.
        if (nonZeroWholePart)
            return {0, true};
        value = 0;
    } else if (result.ec != std::errc()) {
        return {};
    }
    if (std::fabs(value) >= LargestNumberMagnitude)
        return {0, true};
    return {negative ? -value : value, false};
}

double leadingNumberValue(std::string_view text)
{
    return readLeadingNumber(text).value;
}
