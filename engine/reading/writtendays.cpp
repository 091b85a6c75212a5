// The calendar of a date as written, and its days in that calendar: the
// marks, the dual year, the switch and the year beginning on 25 March.
#include "reading/datepieces.h"

#include "calendars/calendardate.h"
#include "calendars/calendardaytext.h"
#include "calendars/calendars.h"
#include "reading/calendarswitches.h"
#include "calendars/calendarwords.h"
#include "reading/dualyearlimits.h"
#include "calendars/hebrewcalendar.h"
#include "calendars/islamiccalendar.h"
#include "calendars/persiancalendar.h"
#include "languages/monthnames.h"

namespace spanwright {

namespace datepieces {

namespace {

constexpr int MonthsPerYear = 12;
constexpr int March = 3;
constexpr int LadyDay = 25; // 25 March, the first day of the year so counted
// The year whose legal count, from 25 March, ended on 31 December: in
// Britain and its colonies 1752 began on 1 January.
constexpr int ShortLegalYear = 1751;
// The years in which the count from 25 March and the count from 1 January
// stood side by side: from the Gregorian calendar's count, to the last
// year whose 1 January to 24 March a count from 25 March gave the year
// before (legal 1751 had none, and 1752 began on 1 January).
constexpr int FirstTwoCountYear = 1583;
constexpr int LastTwoCountYear = ShortLegalYear - 1;

std::string monthYearText(CalendarSystem system, int month, long long year)
{
    std::string_view name;
    switch (system) {
    case CalendarSystem::Hebrew:
        name = hebrewMonthName(month, isHebrewLeapYear(year));
        break;
    case CalendarSystem::FrenchRepublican:
        // The Republic's years are written as its dates write them, never
        // as a Christian year of four digits: "Brumaire an IV".
        return std::string(frenchMonthName(month)) + " " + frenchYearText(year);
    case CalendarSystem::Islamic:
        name = islamicMonthName(month);
        break;
    case CalendarSystem::Persian:
        name = persianMonthName(month);
        break;
    case CalendarSystem::Gregorian:
    case CalendarSystem::Julian:
    case CalendarSystem::Swedish:
        name = fullMonthName(month);
        break;
    }
    return std::string(name) + " " + writtenYearText(year);
}

DaysRead checkedDay(const WrittenDate& written, CalendarSystem system)
{
    const int length = monthLengthIn(system, written.month, written.year);
    if (written.day < 1 || written.day > length)
        return refusal("day " + std::to_string(written.day) + " is not in "
                       + monthYearText(system, written.month, written.year) + " of the "
                       + std::string(calendarSystemName(system)) + " calendar (1 to " + std::to_string(length)
                       + ")");
    Days days;
    days.earliest = dayOf({system, written.year, written.month, written.day});
    days.latest = days.earliest;
    return days;
}

DaysRead switchedDays(const WrittenDate& written, Day firstGregorianDay)
{
    const Result<SwitchedDays> switchedDays = daysUnderSwitch(written.year, written.month, written.day, firstGregorianDay);
    if (!switchedDays)
        return refusal(switchedDays.problem().message);
    const SwitchedDays& switched = *switchedDays;
    Days days;
    days.earliest = switched.first;
    days.latest = switched.last;
    days.calendar = switched.firstCalendar;
    days.latestCalendar = switched.lastCalendar;
    days.source = CalendarSource::Switch;
    days.written = written;
    return days;
}

// Whether the written day, taken as Julian, lies before the switch's first
// Gregorian day (a switch that makes it Julian by itself).
bool beforeSwitch(const WrittenDate& written, const std::optional<Day>& firstGregorianDay)
{
    const int month = written.month == 0 ? 1 : written.month;
    const int day = written.day == 0 ? 1 : written.day;
    return firstGregorianDay && dayOf({CalendarSystem::Julian, written.year, month, day}) < *firstGregorianDay;
}

// The days of a year, or its March, written alone with the year counted
// from 25 March: 25 March to 24 March after (legal 1751 to 31 December, its
// March the whole month, since its first days are read from 1 January).
std::optional<DaysRead> yearFromLadyDay(const WrittenDate& written, const CalendarContext& context)
{
    if (written.day != 0 || (written.month != 0 && written.month != March))
        return std::nullopt;
    const bool shortYear = written.year == ShortLegalYear;
    Days days;
    constexpr int LastDayOfMarchOrDecember = 31;
    const int firstDay = shortYear && written.month != 0 ? 1 : LadyDay;
    const int lastMonth = written.month == 0 ? MonthsPerYear : March;
    days.earliest = dayOf({CalendarSystem::Julian, written.year, March, firstDay});
    days.latest = shortYear ? dayOf({CalendarSystem::Julian, written.year, lastMonth, LastDayOfMarchOrDecember})
                            : dayOf({CalendarSystem::Julian, written.year + 1, March, LadyDay - 1});
    days.calendar = CalendarSystem::Julian;
    days.latestCalendar = CalendarSystem::Julian;
    days.source = context.mark ? CalendarSource::Marked : CalendarSource::Switch;
    days.written = written;
    if (shortYear && written.month != 0)
        days.written.yearCount = WrittenDate::YearCount::FromJanuaryIn1751;
    return days;
}

// A day written with the year counted from 25 March, moved to the year
// counted from 1 January: one before 25 March into the next, with its dual
// year; but legal 1751 had no such days, so there it keeps its year.
void countFromLadyDay(WrittenDate& written)
{
    if (!beforeLadyDay(written.month, written.day == 0 ? 1 : written.day))
        return;
    if (written.year == ShortLegalYear) {
        written.dualFirstYear = written.year - 1;
        written.yearCount = WrittenDate::YearCount::FromJanuaryIn1751;
        return;
    }
    written.dualFirstYear = written.year;
    ++written.year;
}

} // namespace

DaysRead daysInCalendar(const WrittenDate& written, CalendarSystem system, CalendarSource source)
{
    Days days;
    if (written.day != 0) {
        DaysRead day = checkedDay(written, system);
        if (!day)
            return day;
        days = std::move(*day);
    } else if (written.month != 0) {
        days.earliest = dayOf({system, written.year, written.month, 1});
        days.latest = days.earliest + (monthLengthIn(system, written.month, written.year) - 1);
    } else {
        days.earliest = firstDayOfYearIn(system, written.year);
        days.latest = lastDayOfYearIn(system, written.year);
    }
    // Written back, every reading is a Gregorian date of four-digit years.
    if (days.earliest < earliestReadDay() || days.latest > latestReadDay())
        return refusal("it lies outside 9999 BC to AD 9999 of the Gregorian calendar");
    days.calendar = system;
    days.latestCalendar = system;
    days.source = source;
    days.written = written;
    return days;
}

DaysRead writtenDays(WrittenDate written, const CalendarContext& context)
{
    if (context.plain() && !written.hasDualYear()) {
        if (written.day != 0)
            return dayDays(written.year, written.month, written.day);
        return written.month != 0 ? monthDays(written.year, written.month) : yearDays(written.year);
    }
    if (written.month != 0 && (written.month < 1 || written.month > MonthsPerYear))
        return refusal(std::to_string(written.month) + " is not a month (1 to 12)");
    if (written.year < FirstCalendarYear || written.year > LastWrittenYear)
        return yearDays(written.year); // its refusal
    if (context.beforeChrist) {
        if (written.hasDualYear())
            return refusal("a dual year is never one before Christ");
        written.year = 1 - written.year; // 1 BC is the year 0
    }
    const CalendarChoice& choice = context.choice;
    if (context.mark == CalendarSystem::Gregorian && written.hasDualYear())
        return refusal("a dual year is Old Style (Julian), which the mark for the Gregorian calendar contradicts");
    if (written.hasDualYear()) {
        const std::optional<std::string> problem =
            dualYearProblem(written.year, written.month, written.day,
                            context.mark == CalendarSystem::Julian || beforeSwitch(written, choice.firstGregorianDay));
        if (problem)
            return refusal(*problem);
    }
    const bool julian = context.mark ? *context.mark == CalendarSystem::Julian
                                     : written.hasDualYear() || choice.firstGregorianDay.has_value();
    // The year counted from 25 March: a day before it belongs to the next
    // year as counted from 1 January, and is written back with its dual year.
    const bool switchYearLater = !choice.firstGregorianDay
        || written.year < calendarDayOf(CalendarSystem::Gregorian, *choice.firstGregorianDay).year;
    if (julian && choice.yearBeginsOn25March && !written.hasDualYear() && switchYearLater) {
        if (const std::optional<DaysRead> whole = yearFromLadyDay(written, context))
            return *whole;
        countFromLadyDay(written);
    } else if (context.mark == CalendarSystem::Julian && !written.hasDualYear() && written.day != 0
               && beforeLadyDay(written.month, written.day) && written.year >= FirstTwoCountYear
               && written.year <= LastTwoCountYear
               && written.day <= monthLengthIn(CalendarSystem::Julian, written.month, written.year + 1)) {
        // Marked Old Style, the year may have been counted either way (a
        // 29 February only from 1 January: the year after has none).
        written.yearCount = WrittenDate::YearCount::FromJanuaryOldStyle;
    }
    if (context.mark)
        return daysInCalendar(written, *context.mark, CalendarSource::Marked);
    if (written.hasDualYear())
        return daysInCalendar(written, CalendarSystem::Julian, CalendarSource::Marked);
    if (choice.firstGregorianDay)
        return switchedDays(written, *choice.firstGregorianDay);
    return daysInCalendar(written, CalendarSystem::Gregorian, CalendarSource::Default);
}

} // namespace datepieces

} // namespace spanwright
