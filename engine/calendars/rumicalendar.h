#pragma once

#include <spanwright/day.h>
#include <spanwright/result.h>

#include <optional>
#include <string>
#include <string_view>

namespace spanwright {

// The Ottoman Rumi calendar, official from 1 Mart 1256 (13 March 1840
// Gregorian) to the end of 1341 (31 December 1925): the Julian calendar's
// days and months with the year beginning on 1 March (Mart) and counted
// 584 years behind the Christian one (585 in Kânunusani and Şubat, January
// and February). In 1917 it took the Gregorian days: 15 Şubat 1332
// (28 February 1917 Gregorian) was followed by 1 Mart 1333 (1 March 1917).
// The sources disagree on the year's start after that: the United States
// Social Security Administration's tables begin the years 1333 to 1341 on
// 1 March, others say the change moved it to 1 January, so that January
// 1918 is Kânunusani 1333 in the one and 1334 in the other. Those months
// of 1333 to 1341 are not read, and converted with both years.
constexpr int RumiMonthsPerYear = 12;
constexpr long long FirstRumiYear = 1256;
constexpr long long LastRumiYear = 1341;

// The Day (calendardate.h) of a Rumi day, or a NotRead problem for a day
// the calendar has not (16 to 28 Şubat 1332, the 30th of a month of 29...)
// and for one of the months the sources disagree on, saying which.
Result<Day> rumiDayOf(long long year, int month, int day);
// The Rumi day of a Day from 13 Mar 1840 to 31 Dec 1925, as convert
// writes it: "7 Nisan 1327", "5 Kanunusani 1333 or 1334 (...)"; empty
// outside those days.
std::string rumiDayText(Day day);

// "Mart" to "Subat", in the ASCII spelling of the answers.
std::string_view rumiMonthName(int month);

} // namespace spanwright
