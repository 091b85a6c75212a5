#include "calendarlines.h"

#include "calendardaytext.h"

namespace {

std::string dayIn(long long dayNumber, CalendarSystem system, bool withDualYear)
{
    const CalendarDay day = calendarDayOf(system, dayNumber);
    return calendarDayText(day, withDualYear && takesDualYear(day));
}

// The reading's days in its own calendars, marked with them.
std::string readingAsRead(const DateReading& reading)
{
    const bool dual = reading.written.hasDualYear();
    const auto marked = [&](long long day, CalendarSystem system) {
        return dayIn(day, system, dual) + " (" + std::string(calendarSystemName(system)) + ")";
    };
    if (reading.oneCalendar())
        return readingDaysIn(reading, reading.calendar) + " (" + std::string(calendarSystemName(reading.calendar))
            + ")";
    const std::string about = reading.approximate ? "about " : "";
    return about + marked(*reading.earliest, reading.calendar) + " to "
        + marked(*reading.latest, reading.latestCalendar);
}

} // namespace

std::string readingDaysIn(const DateReading& reading, CalendarSystem system)
{
    // A dual year is written back where the date was written with one.
    const bool dual = reading.written.hasDualYear();
    const std::string about = reading.approximate ? "about " : "";
    if (!reading.earliest)
        return "before " + dayIn(*reading.latest + 1, system, dual);
    if (!reading.latest)
        return "after " + dayIn(*reading.earliest - 1, system, dual);
    if (*reading.earliest == *reading.latest)
        return about + dayIn(*reading.earliest, system, dual);
    return about + dayIn(*reading.earliest, system, dual) + " to " + dayIn(*reading.latest, system, dual);
}

std::string calendarReading(const DateReading& reading)
{
    if (!reading.ok || (reading.calendar == CalendarSystem::Gregorian && reading.oneCalendar()))
        return {};
    return readingAsRead(reading) + " = " + readingDaysIn(reading, CalendarSystem::Gregorian) + " (Gregorian)";
}

std::string calendarLine(std::string_view role, const DateReading& reading)
{
    const std::string read = calendarReading(reading);
    return read.empty() ? read : std::string(role) + ": " + read;
}
