#pragma once

#include "calendardate.h"

namespace spanwright {

// The Julian calendar, in which every fourth year is a leap year, for dates
// that family records give in it. Julian dates share the Days of
// calendardate.h (days since 1 January of year 1, Gregorian), so that a
// Julian and a Gregorian date can be compared and converted.

bool isJulianLeapYear(long long year);

// The days of the month (1 to 12) in the Julian year; 0 for another month.
int julianMonthLength(int month, long long year);

// The Day of a Julian date, and the Julian date of a Day.
Day julianDayOf(const CalendarDate& date);
CalendarDate julianDateOf(Day day);

} // namespace spanwright
