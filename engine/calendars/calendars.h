#pragma once

#include "calendars/calendarsystem.h"

#include <spanwright/day.h>

namespace spanwright {

// The calendars chosen at run time: each calendar's own arithmetic lives in
// its file (calendardate.h for the Gregorian one, juliancalendar.h,
// hebrewcalendar.h, frenchcalendar.h); this dispatches to it through the
// shared Days (day.h), so that code which learns the calendar from the data
// converts any date with one call.

// CalendarDay, a day of any of them: <spanwright/calendarday.h>.

// The months of the year: 12, or 13 for the Hebrew and French Republican
// calendars (a Hebrew common year has no month 7, Adar II).
int monthsPerYearIn(CalendarSystem system);
// The days of the month in the year; 0 when the year has no such month.
int monthLengthIn(CalendarSystem system, int month, long long year);
// The Day of a day of the calendar (the month and day being in the year),
// and the day of the calendar a Day is.
Day dayOf(const CalendarDay& day);
CalendarDay calendarDayOf(CalendarSystem system, Day day);
// The first and last day of a year.
Day firstDayOfYearIn(CalendarSystem system, long long year);
Day lastDayOfYearIn(CalendarSystem system, long long year);

// The weekday of a day, Monday 0 to Sunday 6, and the weekdays' names.
int weekdayOf(Day day);
const char* weekdayName(int weekday);

} // namespace spanwright
