// Fuzz target for reading dates, the span arithmetic and the result texts.
//
// The input is read as one date text. It is also cut at its first NUL or line
// feed into a begin and an end date text; when both are dates, they are put
// in order and their span and its result texts are checked, the way the
// Calculate command uses them.
#include "calendar.h"
#include "datetext.h"
#include "text/leadingnumber.h"
#include "spans/resultentries.h"
#include "spans/resulttext.h"
#include "windowspan.h"

#include "fuzzcheck.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

using namespace spanwright;

namespace {

// Whole years below this magnitude stay exact through the year arithmetic
// below (a year plus a span of years, plus one).
constexpr double ExactYearLimit = 1e15;

bool isWhole(double value)
{
    return std::isfinite(value) && std::trunc(value) == value;
}

// The test's own Gregorian calendar, for any whole year (fmod is exact).
int referenceMonthLength(int month, double wholeYear)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = std::fmod(wholeYear, 4) == 0
        && (std::fmod(wholeYear, 100) != 0 || std::fmod(wholeYear, 400) == 0);
    return month == 2 && leap ? 29 : lengths[month - 1];
}

// Reads one date text and checks what readDateText promises about the result.
bool readChecked(std::string_view text, DateFields& date)
{
    // An accepted date must fill every field.
    const double unset = std::numeric_limits<double>::quiet_NaN();
    date = {unset, unset, unset, unset};
    if (!readDateText(text, date)) {
        FUZZ_CHECK(date.Months == 0);
        return false;
    }
    FUZZ_CHECK(std::isfinite(date.Months) && std::isfinite(date.Days)
               && std::isfinite(date.Years) && std::isfinite(date.Max_Days));
    FUZZ_CHECK(isWhole(date.Months) && date.Months >= 1 && date.Months <= 12);
    FUZZ_CHECK(date.Years != 0);
    FUZZ_CHECK(std::fabs(date.Days) < LargestNumberMagnitude);
    FUZZ_CHECK(std::fabs(date.Years) < LargestNumberMagnitude);

    const int length = monthLength(date.Months, date.Years);
    FUZZ_CHECK(date.Max_Days == length);
    FUZZ_CHECK(date.Days <= length);
    const int month = static_cast<int>(date.Months);
    if (isWhole(date.Years))
        FUZZ_CHECK(length == referenceMonthLength(month, date.Years));
    else
        FUZZ_CHECK(length == referenceMonthLength(month, 1)); // never a leap year
    return true;
}

// The count as printf rounds it to 15 significant digits, written out without
// an exponent and without trailing zeros after the point: the test's own
// reading of what the result list shows (without the blank).
std::string referenceCount(double count)
{
    if (count == 0)
        return "0";
    char printed[64]; // "d.dddddddddddddde+ddd"
    std::snprintf(printed, sizeof printed, "%.14e", std::fabs(count));
    std::string digits = std::string(1, printed[0]) + std::string(printed + 2, 14);
    const int exponent = std::atoi(printed + 17);
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string text;
    const int wholeDigits = exponent + 1;
    if (exponent < 0)
        text = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    else if (static_cast<int>(digits.size()) <= wholeDigits)
        text = digits + std::string(static_cast<size_t>(wholeDigits) - digits.size(), '0');
    else
        text = digits.substr(0, static_cast<size_t>(wholeDigits)) + "."
            + digits.substr(static_cast<size_t>(wholeDigits));
    return count < 0 ? "-" + text : text;
}

// The count text of one count, checked; returns it as the result list shows
// it, without its leading blank.
std::string checkedCountText(double count)
{
    FUZZ_CHECK(std::isfinite(count));
    const std::string text = countText(count);
    FUZZ_CHECK(text.size() >= 2);
    FUZZ_CHECK(text.find("inf") == std::string::npos);
    FUZZ_CHECK(text.find("nan") == std::string::npos);
    FUZZ_CHECK(text.find_first_of("eE") == std::string::npos);

    // A sign place, then digits with at most one period between digits.
    FUZZ_CHECK(text[0] == (count < 0 ? '-' : ' '));
    const std::string_view number = std::string_view(text).substr(1);
    FUZZ_CHECK(number.find_first_not_of("0123456789.") == std::string_view::npos);
    const size_t point = number.find('.');
    if (point != std::string_view::npos) {
        FUZZ_CHECK(point > 0 && point + 1 < number.size());
        FUZZ_CHECK(number.find('.', point + 1) == std::string_view::npos);
        FUZZ_CHECK(number.back() != '0');
        FUZZ_CHECK(!isWhole(count)); // only fractions have a point
    }
    FUZZ_CHECK(number.size() == 1 || number[0] != '0' || number[1] == '.');

    // At most 15 significant digits.
    std::string significant;
    for (char c : number) {
        if (c != '.')
            significant.push_back(c);
    }
    significant.erase(0, significant.find_first_not_of('0'));
    const size_t lastNonZero = significant.find_last_not_of('0');
    significant.erase(lastNonZero == std::string::npos ? 0 : lastNonZero + 1);
    FUZZ_CHECK(significant.size() <= 15);

    // It reads back as the count, to those 15 digits; a small whole count
    // exactly.
    const double back = std::strtod(text.c_str(), nullptr);
    FUZZ_CHECK(std::fabs(back - count) <= 1e-14 * std::fabs(count) + DBL_MIN);
    if (isWhole(count) && std::fabs(count) < 1e15)
        FUZZ_CHECK(back == count);

    // The list shows it without the blank.
    const std::string shown = text[0] == ' ' ? text.substr(1) : text;
    FUZZ_CHECK(shown == referenceCount(count));
    return shown;
}

// One object for every input, as a caller that calculates many spans keeps
// it: an entry must never keep characters of an earlier, longer one.
ResultEntries entries;

void checkEntries(const Span& span)
{
    const std::string months = checkedCountText(span.Months);
    const std::string days = checkedCountText(span.Days);
    const std::string years = checkedCountText(span.Years);
    entries.composeCounts(span.Years, span.Months, span.Days);
    FUZZ_CHECK(entries.months() == months && entries.days() == days && entries.years() == years);
    const std::string separators = "/-.";
    for (int position = 1; position <= NotationCount - 1; ++position) {
        const char separator = separators[static_cast<size_t>(position - 1)];
        FUZZ_CHECK(entries.entry(position) == months + separator + days + separator + years);
    }
    FUZZ_CHECK(entries.entry(Notation::Worded)
               == years + " Year(s), " + months + " month(s), " + days + " day(s)");
}

// The begin date plus the span's years and months (a day past the end of the
// month falling back to its last day) plus its days is the end date. For
// whole days and whole years small enough to count exactly.
bool reachesEnd(const DateFields& begin, const Span& span, const DateFields& end)
{
    long long year = static_cast<long long>(begin.Years) + static_cast<long long>(span.Years);
    int month = static_cast<int>(begin.Months) + static_cast<int>(span.Months);
    if (month > 12) {
        month -= 12;
        ++year;
    }
    int day = std::min(static_cast<int>(begin.Days),
                       referenceMonthLength(month, static_cast<double>(year)));
    for (int i = 0; i < static_cast<int>(span.Days); ++i) {
        if (++day > referenceMonthLength(month, static_cast<double>(year))) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    return static_cast<double>(year) == end.Years && month == end.Months && day == end.Days;
}

void checkPair(DateFields begin, DateFields end)
{
    // Of two dates, either one lies before the other or they are the same.
    const bool endFirst = endsBefore(end, begin);
    const bool beginFirst = endsBefore(begin, end);
    FUZZ_CHECK(!(endFirst && beginFirst));
    if (!endFirst && !beginFirst) {
        FUZZ_CHECK(begin.Years == end.Years && begin.Months == end.Months
                   && begin.Days == end.Days);
    }
    if (endFirst)
        std::swap(begin, end);

    const Span span = elapsedSpan(begin, end);
    FUZZ_CHECK(std::isfinite(span.Years) && std::isfinite(span.Months)
               && std::isfinite(span.Days));

    const auto calendarDay = [](double day) { return isWhole(day) && day >= 1; };
    if (calendarDay(begin.Days) && calendarDay(end.Days) && isWhole(begin.Years)
        && isWhole(end.Years)) {
        FUZZ_CHECK(isWhole(span.Months) && span.Months >= 0 && span.Months <= 11);
        FUZZ_CHECK(isWhole(span.Days) && span.Days >= 0 && span.Days <= 30);
        FUZZ_CHECK(span.Years >= 0);
        if (std::fabs(begin.Years) < ExactYearLimit && std::fabs(end.Years) < ExactYearLimit) {
            FUZZ_CHECK(isWhole(span.Years));
            FUZZ_CHECK(reachesEnd(begin, span, end));
        }
    }

    checkEntries(span);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    DateFields whole;
    readChecked(text, whole);

    const size_t cut = text.find_first_of(std::string_view("\0\n", 2));
    if (cut == std::string_view::npos)
        return 0;
    DateFields begin, end;
    if (readChecked(text.substr(0, cut), begin) && readChecked(text.substr(cut + 1), end))
        checkPair(begin, end);
    return 0;
}
