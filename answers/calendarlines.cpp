#include "calendarlines.h"

#include "calendars/calendardate.h"
#include "calendars/calendardaytext.h"
#include "calendars/calendars.h"

namespace spanwright {

namespace {

std::string dayIn(Day day, CalendarSystem system, bool withDualYear)
{
    const CalendarDay inSystem = calendarDayOf(system, day);
    return calendarDayText(inSystem, withDualYear && takesDualYear(inSystem));
}

// The reading's days in its own calendars, marked with them.
std::string readingAsRead(const DateReading& reading)
{
    const bool dual = reading.written.hasDualYear();
    const auto marked = [&](Day day, CalendarSystem system) {
        return dayIn(day, system, dual) + " (" + std::string(calendarSystemName(system)) + ")";
    };
    if (reading.oneCalendar())
        return readingDaysIn(reading, reading.calendar) + " (" + std::string(calendarSystemName(reading.calendar))
            + ")";
    const std::string about = reading.approximate ? "about " : "";
    return about + marked(*reading.days.earliest, reading.calendar) + " to "
        + marked(*reading.days.latest, reading.latestCalendar);
}

} // namespace

bool writesDualYears(const CalendarChoice& choice)
{
    constexpr CalendarDate BritainsFirstGregorianDay{1752, 9, 14};
    return !choice.firstGregorianDay || choice.yearBeginsOn25March
        || *choice.firstGregorianDay == dayOf(BritainsFirstGregorianDay);
}

std::string yearCountNote(const DateReading& reading)
{
    const WrittenDate& written = reading.written;
    switch (written.yearCount) {
    case WrittenDate::YearCount::AsWritten:
        break;
    case WrittenDate::YearCount::FromJanuaryIn1751:
        return "the year 1751 as counted from 1 January, since the legal year 1751 ran from 25 March to "
               "31 December";
    case WrittenDate::YearCount::FromJanuaryOldStyle: {
        // The same day and month a year later, as a count from 25 March
        // would write it with a dual year (a day written, never a month).
        const Day later = dayOf({CalendarSystem::Julian, written.year + 1, written.month, written.day});
        return "the year counted from 1 January (counted from 25 March, as records before 1752 often did: "
            + dayIn(later, CalendarSystem::Julian, true) + " (Julian) = "
            + dayIn(later, CalendarSystem::Gregorian, false) + " (Gregorian))";
    }
    }
    return {};
}

std::string readingDaysIn(const DateReading& reading, CalendarSystem system)
{
    // A dual year is written back where the date was written with one.
    const bool dual = reading.written.hasDualYear();
    const std::string about = reading.approximate ? "about " : "";
    const DayRange& days = reading.days;
    if (days.openBefore())
        return "before " + dayIn(*days.latest + 1, system, dual);
    if (days.openAfter())
        return "after " + dayIn(*days.earliest - 1, system, dual);
    if (days.oneDay())
        return about + dayIn(*days.earliest, system, dual);
    return about + dayIn(*days.earliest, system, dual) + " to " + dayIn(*days.latest, system, dual);
}

std::string calendarReading(const DateReading& reading)
{
    const bool gregorian = reading.calendar == CalendarSystem::Gregorian && reading.oneCalendar();
    if (gregorian && reading.readAs.empty())
        return {};
    const std::string readAs = reading.readAs.empty() ? "" : reading.readAs + " = ";
    if (gregorian)
        return readAs + readingDaysIn(reading, CalendarSystem::Gregorian) + " (Gregorian)";
    return readAs + readingAsRead(reading) + " = " + readingDaysIn(reading, CalendarSystem::Gregorian) + " (Gregorian)"
        + (reading.written.yearCount == WrittenDate::YearCount::AsWritten ? "" : "; " + yearCountNote(reading));
}

std::string calendarLine(std::string_view role, const DateReading& reading)
{
    const std::string read = calendarReading(reading);
    return read.empty() ? read : std::string(role) + ": " + read;
}

} // namespace spanwright
