#pragma once

#include "calendars/calendars.h"

#include <string>

namespace spanwright {

// A day of a calendar written as a genealogist writes it: "22 Feb 1732";
// "11 Feb 1731/32" for a Julian day with its dual year; "15 Nisan 5708";
// "18 Brumaire an VIII". Years as writtenYearText writes them ("0044 BC").
std::string calendarDayText(const CalendarDay& day, bool withDualYear = false);

// Whether a Julian day is written with a dual year by English custom: from
// 1 January to 24 March of the years 1583 to 1751 (as counted from
// 1 January), when the legal year began on 25 March.
bool takesDualYear(const CalendarDay& day);

// A year of the French Republic as its dates write it: "an IV".
std::string frenchYearText(long long year);

// A year with its dual year: "1731/32", "1699/1700" where the century turns.
std::string dualYearText(long long laterYear);

} // namespace spanwright
