#include "reading/calendarswitches.h"

#include "text/asciitext.h"
#include "calendars/calendardate.h"
#include "calendars/calendars.h"
#include "calendars/calendarwords.h"
#include "calendars/juliancalendar.h"
#include "languages/monthnames.h"
#include "calendars/swedishcalendar.h"

namespace spanwright {

namespace {

// Last Julian day, then first Gregorian day. Where regions of a country
// changed on different days, the entry names the region it follows.
constexpr CalendarSwitchEntry Switches[] = {
    {"1582 IT", "Rome, the Papal States and most Italian states", {1582, 10, 4}, {1582, 10, 15}},
    {"ES", "Spain and its possessions", {1582, 10, 4}, {1582, 10, 15}},
    {"PT", "Portugal", {1582, 10, 4}, {1582, 10, 15}},
    {"PL", "Poland", {1582, 10, 4}, {1582, 10, 15}},
    {"FR", "France", {1582, 12, 9}, {1582, 12, 20}},
    {"NL", "Holland (the other Dutch provinces changed from 1582 to 1701)", {1583, 1, 1}, {1583, 1, 12}},
    {"DE", "the Protestant German states (the Catholic ones changed from 1583)", {1700, 2, 18}, {1700, 3, 1}},
    {"DK", "Denmark", {1700, 2, 18}, {1700, 3, 1}},
    {"NO", "Norway", {1700, 2, 18}, {1700, 3, 1}},
    {"CH", "Zurich, Bern, Basel and the other Protestant cantons", {1700, 12, 31}, {1701, 1, 12}},
    {"GB US", "Britain and its colonies, the American ones among them", {1752, 9, 2}, {1752, 9, 14}},
    {"SE", "Sweden (after its own calendar of 1700-1712)", {1753, 2, 17}, {1753, 3, 1}},
    {"RU", "Russia", {1918, 1, 31}, {1918, 2, 14}},
    {"GR", "Greece", {1923, 2, 15}, {1923, 3, 1}},
};

constexpr int MonthsPerYear = 12;
// Sweden's first Gregorian day: before it, its own calendar of 1700 to 1712.
constexpr CalendarDate FirstSwedishGregorianDay{1753, 3, 1};
constexpr size_t SwitchCount = sizeof(Switches) / sizeof(Switches[0]);

bool namesCode(std::string_view codes, std::string_view text)
{
    while (!codes.empty()) {
        const size_t blank = codes.find(' ');
        if (equalsIgnoringCase(codes.substr(0, blank), text))
            return true;
        if (blank == std::string_view::npos)
            break;
        codes.remove_prefix(blank + 1);
    }
    return false;
}

// YYYY-MM-DD, a real Gregorian day from year 1 on.
std::optional<CalendarDate> isoDay(std::string_view text)
{
    constexpr std::string_view Shape = "dddd-dd-dd";
    if (text.size() != Shape.size())
        return std::nullopt;
    for (size_t i = 0; i < Shape.size(); ++i) {
        if (Shape[i] == 'd' ? !isDigit(text[i]) : text[i] != Shape[i])
            return std::nullopt;
    }
    const auto number = [&](size_t from, size_t length) {
        int value = 0;
        for (size_t i = from; i < from + length; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    const CalendarDate date{number(0, 4), number(5, 2), number(8, 2)};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1
        || date.day > daysInMonth(date.month, date.year))
        return std::nullopt;
    return date;
}

// The written day's place against the switch, its fields compared as
// written: -1 Julian (up to the last Julian day), 1 Gregorian (from the
// first Gregorian day), 0 in the days left out.
int sideOfSwitch(long long year, int month, int day, Day firstGregorianDay)
{
    const auto key = [](long long y, int m, int d) { return (y * 16 + m) * 64 + d; };
    const CalendarDay first = calendarDayOf(CalendarSystem::Gregorian, firstGregorianDay);
    const CalendarDay last = calendarDayOf(CalendarSystem::Julian, firstGregorianDay - 1);
    const long long written = key(year, month, day);
    if (written >= key(first.year, first.month, first.day))
        return 1;
    return written <= key(last.year, last.month, last.day) ? -1 : 0;
}

std::string switchDayText(Day switchDay, CalendarSystem system)
{
    const CalendarDay day = calendarDayOf(system, switchDay);
    return std::to_string(day.day) + " " + std::string(fullMonthName(day.month)) + " " + writtenYearText(day.year);
}

std::string gapReason(long long year, int month, int day, Day firstGregorianDay)
{
    return std::to_string(day) + " " + std::string(fullMonthName(month)) + " "
        + writtenYearText(year) + " did not exist under the switch: the Julian calendar ran to "
        + switchDayText(firstGregorianDay - 1, CalendarSystem::Julian) + " and the Gregorian began on "
        + switchDayText(firstGregorianDay, CalendarSystem::Gregorian);
}

// The calendar of the days before the switch: Julian, but Sweden's own
// (a day ahead) in the years 1700 to 1712 under Sweden's switch.
CalendarSystem calendarBefore(Day firstGregorianDay)
{
    return firstGregorianDay == dayOf(FirstSwedishGregorianDay) ? CalendarSystem::Swedish : CalendarSystem::Julian;
}

// A day of the calendar before the switch, named Julian where the Swedish
// calendar is the Julian one.
Day dayBeforeSwitch(CalendarSystem before, long long year, int month, int day, CalendarSystem& system)
{
    const Day julianDay = dayOf({before, year, month, day});
    system = before == CalendarSystem::Swedish && inSwedishCalendarYears(julianDay) ? CalendarSystem::Swedish
                                                                                  : CalendarSystem::Julian;
    return julianDay;
}

// One end of a month or year under the switch: its day, taken into the
// nearest existing day where it falls in the days left out.
Day switchedEnd(long long year, int month, bool first, Day firstGregorianDay, CalendarSystem& system)
{
    const int gregorianDay = first ? 1 : monthLengthIn(CalendarSystem::Gregorian, month, year);
    if (sideOfSwitch(year, month, gregorianDay, firstGregorianDay) > 0) {
        system = CalendarSystem::Gregorian;
        return dayOf({system, year, month, gregorianDay});
    }
    const CalendarSystem before = calendarBefore(firstGregorianDay);
    const int julianDay = first ? 1 : monthLengthIn(before, month, year);
    if (sideOfSwitch(year, month, julianDay, firstGregorianDay) < 0)
        return dayBeforeSwitch(before, year, month, julianDay, system);
    system = first ? CalendarSystem::Gregorian : CalendarSystem::Julian;
    return first ? firstGregorianDay : firstGregorianDay - 1;
}

std::string dayText(const int (&date)[3])
{
    return std::to_string(date[2]) + " " + std::string(shortMonthName(date[1])) + " " + std::to_string(date[0]);
}

} // namespace

const CalendarSwitchEntry* calendarSwitchEntries(size_t& count)
{
    count = SwitchCount;
    return Switches;
}

Result<Day> readCalendarSwitch(std::string_view written)
{
    const std::string_view text = trimmed(written);
    for (const CalendarSwitchEntry& entry : Switches) {
        if (namesCode(entry.codes, text)) {
            const int* first = entry.firstGregorian;
            return dayOf({first[0], first[1], first[2]});
        }
    }
    if (const std::optional<CalendarDate> day = isoDay(text)) {
        // A switch moves the calendar forward: the first Gregorian day lies
        // after the Julian day before it, or no day would be left out.
        const Day switchDay = dayOf(*day);
        if (julianDayOf(*day) <= switchDay)
            return Problem{ProblemKind::NotRead, "the switch " + std::string(text)
                               + " leaves no day out (the Gregorian calendar is not ahead of the Julian one there)"};
        return switchDay;
    }
    std::string codes;
    for (const CalendarSwitchEntry& entry : Switches)
        codes += (codes.empty() ? "" : ", ") + std::string(entry.codes);
    return Problem{ProblemKind::NotRead, "the switch \"" + std::string(text) + "\" is neither a country of the table ("
                       + codes + ") nor a first Gregorian day YYYY-MM-DD"};
}

Result<SwitchedDays> daysUnderSwitch(long long year, int month, int day, Day firstGregorianDay)
{
    SwitchedDays days;
    if (day != 0) {
        const int side = sideOfSwitch(year, month, day, firstGregorianDay);
        if (side == 0)
            return Problem{ProblemKind::NotRead, gapReason(year, month, day, firstGregorianDay)};
        const CalendarSystem system = side < 0 ? calendarBefore(firstGregorianDay) : CalendarSystem::Gregorian;
        const int length = monthLengthIn(system, month, year);
        if (day > length)
            return Problem{ProblemKind::NotRead, "day " + std::to_string(day) + " is not in "
                               + std::string(fullMonthName(month)) + " " + writtenYearText(year) + " of the "
                               + std::string(calendarSystemName(system)) + " calendar (1 to " + std::to_string(length)
                               + ")"};
        days.firstCalendar = system;
        days.first = side < 0 ? dayBeforeSwitch(system, year, month, day, days.firstCalendar)
                              : dayOf({system, year, month, day});
        days.last = days.first;
        days.lastCalendar = days.firstCalendar;
        return days;
    }
    days.first = switchedEnd(year, month == 0 ? 1 : month, true, firstGregorianDay, days.firstCalendar);
    days.last = switchedEnd(year, month == 0 ? MonthsPerYear : month, false, firstGregorianDay, days.lastCalendar);
    return days;
}

std::string calendarSwitchLine(const CalendarSwitchEntry& entry)
{
    return std::string(entry.codes) + " (" + std::string(entry.place) + "): Julian to " + dayText(entry.lastJulian)
        + ", Gregorian from " + dayText(entry.firstGregorian);
}

} // namespace spanwright
