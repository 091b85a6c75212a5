#pragma once

#include "calendars/calendardate.h"

namespace spanwright {

// The Swedish calendar of 1700 to 1712. Sweden meant to reach the Gregorian
// calendar by leaving out the leap days of 1700 to 1740; it left out only
// 29 February 1700, so that from 1 March 1700 its dates ran one day ahead of
// the Julian ones, until a 30 February 1712 brought it back to the Julian
// calendar, which it kept until 17 February 1753 (1 March 1753 Gregorian).
// Outside those twelve years its dates are the Julian ones. Days are those
// of calendardate.h.

// The days of the month (1 to 12) in the Swedish year: February 1700 had
// 28, February 1712 30; 0 for another month.
int swedishMonthLength(int month, long long year);

// The Day of a Swedish date, and the Swedish date of a Day.
Day swedishDayOf(const CalendarDate& date);
CalendarDate swedishDateOf(Day day);

// Whether a day lies in the years the Swedish calendar differs from the
// Julian one (1 March 1700 to 30 February 1712 Swedish).
bool inSwedishCalendarYears(Day day);

} // namespace spanwright
