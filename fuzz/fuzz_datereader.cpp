// Fuzz target for the date reader of the command line, the web page and the
// GEDCOM report.
//
// The input is read in each date order. A text that is read allows a day or
// days of the calendar in order, with at most one side open; written back
// (dateReadingText), it reads as the same days with the same mark; and
// nothing is left over: the text with a letter or a sign after it that no
// date ends with is refused. A text that is refused says so, naming it.
// The one-pass reading of plain numeric dates gives what the full one does.
#include "calendars/calendardate.h"
#include "reading/datepieces.h"
#include "reading/datereader.h"

#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace spanwright;

namespace {

void checkReading(std::string_view text, DateOrder order)
{
    const DateResult read = readDate(text, order);
    if (!read) {
        const DateRefusal& refusal = read.problem();
        FUZZ_CHECK(!refusal.message.empty());
        FUZZ_CHECK(refusal.message.front() == '"');
        FUZZ_CHECK(!refusal.readsInOrder || *refusal.readsInOrder != order);
        return;
    }
    const DateReading& reading = *read;
    const DayRange& days = reading.days;
    const DayRange calendarDays{earliestReadDay(), lastCalendarDay()};
    FUZZ_CHECK(days.earliest || days.latest);
    if (days.earliest)
        FUZZ_CHECK(calendarDays.contains(*days.earliest));
    if (days.latest)
        FUZZ_CHECK(calendarDays.contains(*days.latest));
    if (days.earliest && days.latest)
        FUZZ_CHECK(*days.earliest <= *days.latest);
    FUZZ_CHECK(!reading.approximate || (days.earliest && days.latest));

    const std::string written = dateReadingText(reading);
    const DateResult again = readDate(written);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again->days == reading.days);
    FUZZ_CHECK(again->approximate == reading.approximate);

    for (const char* leftOver : {"q", "#", "/"})
        FUZZ_CHECK(!readDate(std::string(text) + leftOver, order).ok());
}

void checkPlainNumeric(std::string_view text, DateOrder order)
{
    Day day;
    if (!datepieces::plainNumericDate(text, order, day))
        return;
    const datepieces::DaysRead days = datepieces::numericDate(text, order);
    FUZZ_CHECK(days.ok());
    FUZZ_CHECK(days->earliest == day && days->latest == day);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (DateOrder order : {DateOrder::MonthFirst, DateOrder::DayFirst, DateOrder::YearFirst}) {
        checkReading(text, order);
        checkPlainNumeric(text, order);
    }
    return 0;
}
