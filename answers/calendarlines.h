#pragma once

#include "reading/datereader.h"

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

// Whether a Julian day before 25 March is written with a dual year
// (11 Feb 1731/32): where a year begun on 25 March is meant, as in England
// until 1752 (no switch chosen, Britain's switch, or --year-start 03-25),
// and not under the switch of a country whose year began on 1 January
// (Russia, Sweden, most of Europe), where 28 Jan 1724 was 28 Jan 1724.
bool writesDualYears(const CalendarChoice& choice);

// How the year of a Julian day before 25 March was counted where the text
// left it open ("the year counted from 1 January (counted from 25 March,
// ...)"); empty where it was written.
std::string yearCountNote(const DateReading& reading);

} // namespace spanwright
