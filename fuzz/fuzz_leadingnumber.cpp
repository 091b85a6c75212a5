// Fuzz target for reading the leading number of a text.
//
// Besides the promises of readLeadingNumber (a finite value below the
// magnitude limit, 0 when too large), the value is compared with the test's
// own reading: the blanks, tabs and line feeds dropped wherever they stand,
// the sign, digits and period kept up to the first other character, and the
// resulting number read by strtod, which rounds correctly.
#include "text/leadingnumber.h"

#include "fuzzcheck.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace spanwright;

namespace {

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

struct ReferenceNumber
{
    bool hasDigits = false;
    double value = 0;
};

ReferenceNumber referenceReading(std::string_view text)
{
    std::string number;
    size_t i = 0;
    while (i < text.size() && isSkipped(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number.push_back(text[i++]);
    bool seenPoint = false;
    bool hasDigits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isSkipped(c))
            continue;
        if (c >= '0' && c <= '9') {
            hasDigits = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        number.push_back(c);
    }
    if (!hasDigits)
        return {};
    return {true, std::strtod(number.c_str(), nullptr)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const LeadingNumber number = readLeadingNumber(text);
    FUZZ_CHECK(std::isfinite(number.value));
    FUZZ_CHECK(std::fabs(number.value) < LargestNumberMagnitude);
    FUZZ_CHECK(!number.tooLarge || number.value == 0);

    const double value = leadingNumberValue(text);
    FUZZ_CHECK(value == number.value && std::signbit(value) == std::signbit(number.value));

    const ReferenceNumber expected = referenceReading(text);
    if (!expected.hasDigits) {
        FUZZ_CHECK(number.value == 0 && !number.tooLarge);
    } else if (std::fabs(expected.value) >= LargestNumberMagnitude) {
        FUZZ_CHECK(number.tooLarge);
    } else {
        FUZZ_CHECK(!number.tooLarge);
        if (std::fabs(expected.value) >= DBL_MIN) {
            FUZZ_CHECK(number.value == expected.value);
            FUZZ_CHECK(std::signbit(number.value) == std::signbit(expected.value));
        } else {
            // Too small to tell from zero: zero or the nearest tiny double.
            FUZZ_CHECK(number.value == 0 || number.value == expected.value);
        }
    }
    return 0;
}
