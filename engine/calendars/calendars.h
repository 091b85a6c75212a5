#pragma once

#include "calendars/calendarsystem.h"

namespace spanwright {

// The calendars chosen at run time: each calendar's own arithmetic lives in
// its file (calendardate.h for the Gregorian one, juliancalendar.h,
// hebrewcalendar.h, frenchcalendar.h); this dispatches to it through the
// shared day numbers, so that code which learns the calendar from the data
// converts any date with one call.

// CalendarDay, a day of any of them: <spanwright/calendarday.h>.

// The months of the year: 12, or 13 for the Hebrew and French Republican
// calendars (a Hebrew common year has no month 7, Adar II).
int monthsPerYearIn(CalendarSystem system);
// The days of the month in the year; 0 when the year has no such month.
int monthLengthIn(CalendarSystem system, int month, long long year);
// The day number of a day of the calendar (the month and day being in the
// year), and the day of the calendar a day number names.
long long dayNumberIn(const CalendarDay& day);
CalendarDay calendarDayOf(CalendarSystem system, long long dayNumber);
// The first and last day of a year, and of a month in it.
long long firstDayOfYearIn(CalendarSystem system, long long year);
long long lastDayOfYearIn(CalendarSystem system, long long year);

// Day numbers of the weekdays, Monday 0 to Sunday 6, and their names.
int weekdayOf(long long dayNumber);
const char* weekdayName(int weekday);

} // namespace spanwright
