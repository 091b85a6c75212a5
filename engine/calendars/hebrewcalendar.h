#pragma once

#include "calendars/calendardate.h"

namespace spanwright {

// The Hebrew calendar (years of the world, AM), for dates that family
// records give in it. Its dates share the Days of calendardate.h, so
// that they can be compared with and converted to Gregorian dates.
//
// Months are numbered from the start of the year, as GEDCOM lists them:
// 1 Tishri, 2 Heshvan, 3 Kislev, 4 Tevet, 5 Shevat, 6 Adar (Adar I in a
// leap year), 7 Adar II (leap years only), 8 Nisan, 9 Iyar, 10 Sivan,
// 11 Tammuz, 12 Av, 13 Elul.
constexpr int HebrewMonthsPerYear = 13;

// 7 leap years in 19 have the second Adar.
bool isHebrewLeapYear(long long year);
// The days of the month in the year: 0 for Adar II in a common year or a
// month outside 1 to 13.
int hebrewMonthLength(int month, long long year);
// 1 Tishri of the year.
Day hebrewNewYear(long long year);
// The Day of a Hebrew date (the month and day being in the year), and the
// Hebrew date of a Day.
Day hebrewDayOf(const CalendarDate& date);
CalendarDate hebrewDateOf(Day day);

} // namespace spanwright
