#pragma once

#include <optional>
#include <string>
#include <string_view>

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
// leave days out. The result is that day's day number, or why not.
struct CalendarSwitchReading
{
    std::optional<long long> firstGregorianDay;
    std::string problem;
};
CalendarSwitchReading readCalendarSwitch(std::string_view text);

// "GB (Britain and its colonies): Julian to 2 Sep 1752, Gregorian from 14 Sep 1752"
std::string calendarSwitchLine(const CalendarSwitchEntry& entry);
