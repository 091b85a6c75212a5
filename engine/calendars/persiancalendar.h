#pragma once

#include "calendars/calendardate.h"

#include <string_view>

namespace spanwright {

// The Solar Hijri calendar of Iran (and of Afghanistan), by law since 1304
// (1925): the year begins at Nowruz, the spring equinox; six months of 31
// days, five of 30, Esfand of 29, of 30 in a leap year. The law places
// Nowruz by the observed equinox; this counts leap years by the 33-year
// arithmetic rule that follows it (the years whose remainder by 33 is 1, 5,
// 9, 13, 17, 22, 26 or 30), which gives the Nowruz dates published for
// 1304 (21 Mar 1925) to 1404 (21 Mar 2025). Outside FirstPersianYear to
// LastPersianYear the rule and the equinox drift apart, and no date is
// given.
constexpr int PersianMonthsPerYear = 12;
constexpr long long FirstPersianYear = 1178; // 1799
constexpr long long LastPersianYear = 1633;  // 2255

bool isPersianLeapYear(long long year);
int persianMonthLength(int month, long long year);
Day persianDayOf(const CalendarDate& date);
CalendarDate persianDateOf(Day day);
// Whether a day lies in FirstPersianYear to LastPersianYear.
bool inPersianYears(Day day);

// "Farvardin" to "Esfand".
std::string_view persianMonthName(int month);

} // namespace spanwright
