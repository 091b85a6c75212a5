// Fuzz target for reading stated ages and for the searches that find the
// dates giving an age.
//
// The whole input is read as an age: an accepted age has whole parts from 0
// to the largest allowed, its least age no greater than its greatest, and
// its printed form reads back as the same age, precision and mark; with a
// sign added after it the text is refused (nothing is left over unread). A
// refused one says why. Then the first bytes are
// taken as an age and a date: the four result entries written for that age
// read back as the same age, and every date that the birth and end date
// searches give reproduces the age through the span arithmetic, while the
// nearest dates they name on each side do not; the same for the ages of a
// year, a month and a week that the precision rule allows.
#include "reading/age.h"
#include "ages/agesearch.h"
#include "spans/resultentries.h"

#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <utility>
#include <string>
#include <string_view>

using namespace spanwright;

namespace {

// Reads the next value of up to four bytes, 0 where the input has ended.
unsigned long nextValue(const std::uint8_t*& data, size_t& size, size_t bytes)
{
    unsigned long value = 0;
    for (size_t i = 0; i < bytes && size > 0; ++i, ++data, --size)
        value = value << 8 | *data;
    return value;
}

void checkMatches(const AgeMatches& matches, const Age& age, const CalendarDate& fixed, bool born)
{
    const auto spanWith = [&](const CalendarDate& date) {
        return born ? spanBetween(date, fixed) : spanBetween(fixed, date);
    };
    FUZZ_CHECK(matches.count >= 0);
    if (matches.count > 0) {
        FUZZ_CHECK(compareAge(spanWith(matches.first()), age) == 0);
        FUZZ_CHECK(compareAge(spanWith(matches.last()), age) == 0);
    }
    // The runs are short: at most the days clamped to a month's end.
    constexpr long long LongestRun = 4;
    FUZZ_CHECK(matches.count <= (born ? LongestRun : 1));
    if (matches.before) {
        FUZZ_CHECK(compareAge(matches.before->span, age) == (born ? 1 : -1));
        FUZZ_CHECK(dayOf(matches.before->date) == matches.firstDay - 1);
    }
    if (matches.after) {
        FUZZ_CHECK(compareAge(matches.after->span, age) == (born ? -1 : 1));
        FUZZ_CHECK(dayOf(matches.after->date) == matches.firstDay + matches.count);
    }
}

bool sameReading(const Result<AgeReading>& read, const AgeReading& b)
{
    const auto same = [](const Age& x, const Age& y) {
        return x.years == y.years && x.months == y.months && x.days == y.days;
    };
    if (!read)
        return false;
    const AgeReading& a = *read;
    return same(a.age, b.age) && same(a.least, b.least) && same(a.greatest, b.greatest)
        && a.counting == b.counting && a.about == b.about;
}

void checkReading(std::string_view text, const Result<AgeReading>& read)
{
    if (!read) {
        FUZZ_CHECK(read.problem().kind == ProblemKind::NotRead && !read.problem().message.empty());
        return;
    }
    const AgeReading& reading = *read;
    for (long long part : {reading.age.years, reading.age.months, reading.age.days})
        FUZZ_CHECK(part >= 0 && part <= LargestAgePart);
    FUZZ_CHECK(compareAge(reading.least, reading.age) == 0);
    FUZZ_CHECK(compareAge(reading.least, reading.greatest) <= 0);
    FUZZ_CHECK(sameReading(readAgeText(ageReadingText(reading)), reading));
    FUZZ_CHECK(!readAgeText(std::string(text) + " #").ok());
}

// Every date of a run for a range of ages gives an age in the range, and
// the days just outside give ages beyond it.
void checkRangeMatches(const AgeMatches& matches, const Age& least, const Age& greatest,
                       const CalendarDate& fixed, bool born)
{
    const auto orderOf = [&](const CalendarDate& date) {
        const Age age = born ? spanBetween(date, fixed) : spanBetween(fixed, date);
        return compareAge(age, least) < 0 ? -1 : compareAge(age, greatest) > 0 ? 1 : 0;
    };
    if (matches.count > 0) {
        FUZZ_CHECK(orderOf(matches.first()) == 0);
        FUZZ_CHECK(orderOf(matches.last()) == 0);
    }
    if (matches.before)
        FUZZ_CHECK(orderOf(matches.before->date) == (born ? 1 : -1));
    if (matches.after)
        FUZZ_CHECK(orderOf(matches.after->date) == (born ? -1 : 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkReading(text, readAgeText(text));

    constexpr unsigned long YearRange = 3000;
    constexpr unsigned long MonthRange = 30;
    constexpr unsigned long DayRange = 40;
    const Age age{static_cast<long long>(nextValue(data, size, 2) % YearRange),
                  static_cast<long long>(nextValue(data, size, 1) % MonthRange),
                  static_cast<long long>(nextValue(data, size, 1) % DayRange)};
    ResultEntries entries;
    entries.compose(age);
    // The numeric entries hold the months and days of a span, as the window
    // writes them; others are refused (79-9-29 is not 79 months).
    const bool spanParts = age.months < MonthsPerYear && age.days <= MostSpanDays;
    for (int position = 1; position <= NotationCount; ++position) {
        const Result<AgeReading> printed = readAgeText(entries.entry(position));
        if (position != static_cast<int>(Notation::Worded) && !spanParts) {
            FUZZ_CHECK(!printed.ok());
            continue;
        }
        FUZZ_CHECK(printed.ok());
        FUZZ_CHECK(printed->age.years == age.years && printed->age.months == age.months
                   && printed->age.days == age.days);
    }

    const long long dayRange = lastCalendarDay() - firstCalendarDay() + 1;
    const CalendarDate fixed = dateOf(firstCalendarDay() + static_cast<long long>(nextValue(data, size, 4)) % dayRange);
    checkMatches(beginDatesFor(fixed, age), age, fixed, true);
    checkMatches(endDatesFor(fixed, age), age, fixed, false);

    constexpr long long LastMonth = MonthsPerYear - 1;
    const Age year{age.years, 0, 0};
    const Age yearEnd{age.years, LastMonth, MostSpanDays};
    const Age monthEnd{age.years, age.months, MostSpanDays};
    const Age weekEnd{age.years, age.months, std::min(age.days + DaysPerWeek - 1, MostSpanDays)};
    const std::pair<Age, Age> ranges[] = {{year, yearEnd}, {Age{age.years, age.months, 0}, monthEnd}, {age, weekEnd}};
    for (const auto& [least, greatest] : ranges) {
        if (compareAge(least, greatest) > 0)
            continue;
        checkRangeMatches(beginDatesWithin(fixed, least, greatest), least, greatest, fixed, true);
        checkRangeMatches(endDatesWithin(fixed, least, greatest), least, greatest, fixed, false);
    }
    return 0;
}
