// Fuzz target for reading stated ages and for the searches that find the
// dates giving an age.
//
// The whole input is read as an age: an accepted age has whole parts from 0
// to the largest allowed, a refused one says why. Then the first bytes are
// taken as an age and a date: the four result entries written for that age
// read back as the same age, and every date that the birth and end date
// searches give reproduces the age through the span arithmetic, while the
// nearest dates they name on each side do not.
#include "age.h"
#include "agesearch.h"
#include "resultentries.h"

#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

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
        FUZZ_CHECK(compareAge(ageOf(spanWith(matches.first())), age) == 0);
        FUZZ_CHECK(compareAge(ageOf(spanWith(matches.last())), age) == 0);
    }
    // The runs are short: at most the days clamped to a month's end.
    constexpr long long LongestRun = 4;
    FUZZ_CHECK(matches.count <= (born ? LongestRun : 1));
    if (matches.before) {
        FUZZ_CHECK(compareAge(ageOf(matches.before->span), age) == (born ? 1 : -1));
        FUZZ_CHECK(dayNumberOf(matches.before->date) == matches.firstDay - 1);
    }
    if (matches.after) {
        FUZZ_CHECK(compareAge(ageOf(matches.after->span), age) == (born ? -1 : 1));
        FUZZ_CHECK(dayNumberOf(matches.after->date) == matches.firstDay + matches.count);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const AgeReading reading = readAgeText(std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(reading.ok == reading.problem.empty());
    if (reading.ok) {
        for (long long part : {reading.age.years, reading.age.months, reading.age.days})
            FUZZ_CHECK(part >= 0 && part <= LargestAgePart);
    }

    constexpr unsigned long YearRange = 3000;
    constexpr unsigned long MonthRange = 30;
    constexpr unsigned long DayRange = 40;
    const Age age{static_cast<long long>(nextValue(data, size, 2) % YearRange),
                  static_cast<long long>(nextValue(data, size, 1) % MonthRange),
                  static_cast<long long>(nextValue(data, size, 1) % DayRange)};
    ResultEntries entries;
    entries.compose(Span{double(age.years), double(age.months), double(age.days)});
    for (int position = 1; position <= NotationCount; ++position) {
        const AgeReading printed = readAgeText(entries.entry(position));
        FUZZ_CHECK(printed.ok);
        FUZZ_CHECK(printed.age.years == age.years && printed.age.months == age.months
                   && printed.age.days == age.days);
    }

    const long long dayRange = lastCalendarDay() - firstCalendarDay() + 1;
    const CalendarDate fixed =
        dateOfDayNumber(firstCalendarDay() + static_cast<long long>(nextValue(data, size, 4)) % dayRange);
    checkMatches(beginDatesFor(fixed, age), age, fixed, true);
    checkMatches(endDatesFor(fixed, age), age, fixed, false);
    return 0;
}
