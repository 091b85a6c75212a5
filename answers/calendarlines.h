#pragma once

#include "datereader.h"

#include <string>
#include <string_view>

namespace spanwright {

// How a date read in another calendar, or converted, was read: one line
// under an answer, "begin: 11 Feb 1731/32 (Julian) = 22 Feb 1732
// (Gregorian)". Empty for a date read as a plain Gregorian one.
std::string calendarLine(std::string_view role, const DateReading& reading);
// The same without its role: "11 Feb 1731/32 (Julian) = 22 Feb 1732
// (Gregorian)".
std::string calendarReading(const DateReading& reading);

// The days of a reading in one calendar: "22 Feb 1732", "1 May 1731 to
// 31 May 1731", "before 1 Jan 1700", "about ...".
std::string readingDaysIn(const DateReading& reading, CalendarSystem system);

// How the year of a Julian day before 25 March was counted where the text
// left it open ("the year counted from 1 January (counted from 25 March,
// ...)"); empty where it was written.
std::string yearCountNote(const DateReading& reading);

} // namespace spanwright
