#pragma once

#include "calendars/calendardate.h"

namespace spanwright {

// The French Republican calendar, for dates that family records of France
// (1793 to 1805, and the Paris Commune of 1871) give in it. Its dates share
// the Days of calendardate.h.
//
// Twelve months of 30 days (1 Vendémiaire to 12 Fructidor), then month 13,
// the complementary days: 5, or 6 in a leap year. Year I began on
// 22 September 1792. The leap years are those the calendar kept while in
// use (III, VII, XI, XV); from year XX on, every fourth year but the
// centuries not divisible by 400 and the years divisible by 4000.
constexpr int FrenchRepublicanMonthsPerYear = 13;

bool isFrenchRepublicanLeapYear(long long year);
// The days of the month in the year; 0 for a month outside 1 to 13.
int frenchRepublicanMonthLength(int month, long long year);
// The Day of a French Republican date (year 1 or later, the month and day
// being in the year), and the date of a Day from 1 Vendémiaire of year I
// on.
Day frenchRepublicanDayOf(const CalendarDate& date);
CalendarDate frenchRepublicanDateOf(Day day);

} // namespace spanwright
