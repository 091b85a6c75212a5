#pragma once

#include "calendars/calendarsystem.h"

#include <spanwright/day.h>
#include <spanwright/result.h>

#include <optional>
#include <string>
#include <string_view>

namespace spanwright {

// The days on which countries changed from the Julian to the Gregorian
// calendar, for --switch: each with its last Julian day and its first
// Gregorian day, as the standard lists of adoption dates give them.
struct CalendarSwitchEntry
{
    std::string_view codes;       // "GB US": the names --switch takes
    std::string_view place;       // in words, for the manual and the page
    int lastJulian[3];            // year, month, day
    int firstGregorian[3];
};

// Every entry, in the order the manual lists them.
const CalendarSwitchEntry* calendarSwitchEntries(size_t& count);

// A switch as --switch names it: a code of the table (any case; 1582 is
// Rome's), or YYYY-MM-DD, the first Gregorian day of any other, which must
// leave days out. The result is that day, or why not.
Result<Day> readCalendarSwitch(std::string_view text);

// The days of a plain date written under a switch whose first Gregorian day
// is firstGregorianDay: a day before it is Julian, from it Gregorian (its
// fields compared as written); month and day 0 where not written, each end
// of a month or a year then placed by itself, taken into the nearest day
// that existed where it falls in the days left out. A written day that the
// switch left out is refused, with a problem that says so.
struct SwitchedDays
{
    Day first;
    Day last;
    CalendarSystem firstCalendar = CalendarSystem::Gregorian;
    CalendarSystem lastCalendar = CalendarSystem::Gregorian;
};
Result<SwitchedDays> daysUnderSwitch(long long year, int month, int day, Day firstGregorianDay);

// "GB (Britain and its colonies): Julian to 2 Sep 1752, Gregorian from 14 Sep 1752"
std::string calendarSwitchLine(const CalendarSwitchEntry& entry);

} // namespace spanwright
