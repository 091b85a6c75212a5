#pragma once

#include "calendars/calendardate.h"

#include <string_view>

namespace spanwright {

// The tabular Islamic calendar: the arithmetic one of twelve months of 30
// and 29 days, with eleven leap years in thirty (the 2nd, 5th, 7th, 10th,
// 13th, 16th, 18th, 21st, 24th, 26th and 29th, whose last month has 30
// days), counted from the civil epoch, 1 Muharram 1 AH = 16 July 622
// (Julian). A month observed by the new moon may begin a day or two apart
// from it, which is why answers call it tabular.
constexpr int IslamicMonthsPerYear = 12;

bool isIslamicLeapYear(long long year);
// The days of the month (1 to 12) in the year; 0 for another month.
int islamicMonthLength(int month, long long year);
// The Day (calendardate.h) of an Islamic date, and back (for Days from the
// epoch on).
Day islamicDayOf(const CalendarDate& date);
CalendarDate islamicDateOf(Day day);
Day islamicEpochDay();

// "Muharram" to "Dhu al-Hijjah".
std::string_view islamicMonthName(int month);

} // namespace spanwright
