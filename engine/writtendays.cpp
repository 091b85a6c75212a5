// The calendar of a date as written, and its days in that calendar: the
// marks, the dual year, the switch and the year beginning on 25 March.
#include "datepieces.h"

#include "calendardate.h"
#include "calendars.h"
#include "calendarwords.h"
#include "hebrewcalendar.h"
#include "monthnames.h"

namespace datepieces {

namespace {

constexpr int MonthsPerYear = 12;
constexpr int March = 3;
constexpr int LadyDay = 25; // 25 March, the first day of the year so counted

// Whether a day of the written year lies before 25 March, and so, with the
// year counted from 25 March, in the next year as counted from 1 January.
bool beforeLadyDay(int month, int day)
{
    return month < March || (month == March && day < LadyDay);
}

std::string monthYearText(CalendarSystem system, int month, long long year)
{
    std::string_view name;
    switch (system) {
    case CalendarSystem::Hebrew:
        name = hebrewMonthName(month, isHebrewLeapYear(year));
        break;
    case CalendarSystem::FrenchRepublican:
        name = frenchMonthName(month);
        break;
    case CalendarSystem::Gregorian:
    case CalendarSystem::Julian:
        name = fullMonthName(month);
        break;
    }
    return std::string(name) + " " + writtenYearText(year);
}

Days checkedDay(const WrittenDate& written, CalendarSystem system)
{
    const int length = monthLengthIn(system, written.month, written.year);
    if (written.day < 1 || written.day > length)
        return refusal("day " + std::to_string(written.day) + " is not in "
                       + monthYearText(system, written.month, written.year) + " of the "
                       + std::string(calendarSystemName(system)) + " calendar (1 to " + std::to_string(length)
                       + ")");
    Days days;
    days.ok = true;
    days.earliest = dayNumberIn({system, written.year, written.month, written.day});
    days.latest = days.earliest;
    return days;
}

// The written day's place against the switch, its fields compared as
// written: -1 Julian (up to the last Julian day), 1 Gregorian (from the
// first Gregorian day), 0 in the days left out.
int sideOfSwitch(long long year, int month, int day, long long firstGregorianDay)
{
    const auto key = [](long long y, int m, int d) { return (y * 16 + m) * 64 + d; };
    const CalendarDay first = calendarDayOf(CalendarSystem::Gregorian, firstGregorianDay);
    const CalendarDay last = calendarDayOf(CalendarSystem::Julian, firstGregorianDay - 1);
    const long long written = key(year, month, day);
    if (written >= key(first.year, first.month, first.day))
        return 1;
    return written <= key(last.year, last.month, last.day) ? -1 : 0;
}

std::string switchDayText(long long dayNumber, CalendarSystem system)
{
    const CalendarDay day = calendarDayOf(system, dayNumber);
    return std::to_string(day.day) + " " + std::string(fullMonthName(day.month)) + " " + writtenYearText(day.year);
}

std::string gapReason(const WrittenDate& written, long long firstGregorianDay)
{
    return std::to_string(written.day) + " " + std::string(fullMonthName(written.month)) + " "
        + writtenYearText(written.year) + " did not exist under the switch: the Julian calendar ran to "
        + switchDayText(firstGregorianDay - 1, CalendarSystem::Julian) + " and the Gregorian began on "
        + switchDayText(firstGregorianDay, CalendarSystem::Gregorian);
}

// One end of a month or year under the switch: its day number, taken into
// the nearest existing day where it falls in the days left out.
long long switchedEnd(long long year, int month, bool first, long long firstGregorianDay, CalendarSystem& system)
{
    const int gregorianDay = first ? 1 : monthLengthIn(CalendarSystem::Gregorian, month, year);
    if (sideOfSwitch(year, month, gregorianDay, firstGregorianDay) > 0) {
        system = CalendarSystem::Gregorian;
        return dayNumberIn({system, year, month, gregorianDay});
    }
    const int julianDay = first ? 1 : monthLengthIn(CalendarSystem::Julian, month, year);
    if (sideOfSwitch(year, month, julianDay, firstGregorianDay) < 0) {
        system = CalendarSystem::Julian;
        return dayNumberIn({system, year, month, julianDay});
    }
    system = first ? CalendarSystem::Gregorian : CalendarSystem::Julian;
    return first ? firstGregorianDay : firstGregorianDay - 1;
}

Days switchedDays(const WrittenDate& written, long long firstGregorianDay)
{
    if (written.day != 0) {
        const int side = sideOfSwitch(written.year, written.month, written.day, firstGregorianDay);
        if (side == 0)
            return refusal(gapReason(written, firstGregorianDay));
        return daysInCalendar(written, side < 0 ? CalendarSystem::Julian : CalendarSystem::Gregorian,
                              CalendarSource::Switch);
    }
    CalendarSystem firstSystem = CalendarSystem::Gregorian;
    CalendarSystem lastSystem = CalendarSystem::Gregorian;
    Days days;
    days.ok = true;
    days.earliest = switchedEnd(written.year, written.month == 0 ? 1 : written.month, true, firstGregorianDay,
                                firstSystem);
    days.latest = switchedEnd(written.year, written.month == 0 ? MonthsPerYear : written.month, false,
                              firstGregorianDay, lastSystem);
    days.calendar = firstSystem;
    days.latestCalendar = lastSystem;
    days.source = CalendarSource::Switch;
    days.written = written;
    return days;
}

} // namespace

Days daysInCalendar(const WrittenDate& written, CalendarSystem system, CalendarSource source)
{
    Days days;
    if (written.day != 0) {
        days = checkedDay(written, system);
    } else if (written.month != 0) {
        days.ok = true;
        days.earliest = dayNumberIn({system, written.year, written.month, 1});
        days.latest = days.earliest + monthLengthIn(system, written.month, written.year) - 1;
    } else {
        days.ok = true;
        days.earliest = firstDayOfYearIn(system, written.year);
        days.latest = lastDayOfYearIn(system, written.year);
    }
    if (!days.ok)
        return days;
    days.calendar = system;
    days.latestCalendar = system;
    days.source = source;
    days.written = written;
    return days;
}

Days writtenDays(WrittenDate written, const CalendarContext& context)
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
    const bool julian = context.mark ? *context.mark == CalendarSystem::Julian
                                     : written.hasDualYear() || choice.firstGregorianDay.has_value();
    // The year counted from 25 March: a day before it belongs to the next
    // year as counted from 1 January, and is written back with its dual year.
    const bool switchYearLater = !choice.firstGregorianDay
        || written.year < calendarDayOf(CalendarSystem::Gregorian, *choice.firstGregorianDay).year;
    if (julian && choice.yearBeginsOn25March && !written.hasDualYear() && switchYearLater) {
        if (written.day == 0 && (written.month == 0 || written.month == March)) {
            // The year (or its March) from 25 March to 24 March after.
            Days days;
            days.ok = true;
            days.earliest = dayNumberIn({CalendarSystem::Julian, written.year, March, LadyDay});
            days.latest = dayNumberIn({CalendarSystem::Julian, written.year + 1, March, LadyDay - 1});
            days.calendar = CalendarSystem::Julian;
            days.latestCalendar = CalendarSystem::Julian;
            days.source = context.mark ? CalendarSource::Marked : CalendarSource::Switch;
            days.written = written;
            return days;
        }
        if (beforeLadyDay(written.month, written.day == 0 ? 1 : written.day)) {
            written.dualFirstYear = written.year;
            ++written.year;
        }
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
