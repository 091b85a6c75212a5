#pragma once

#include "calendars/calendardate.h"
#include "reading/datereader.h"

#include <string>

namespace spanwright {

// Dates as the answers print them, in the order the dates were read, so that
// a day-first user never reads a month-first answer the wrong way round:
// month first "5/17/1990", day first "17/5/1990", year first the ISO
// "1990-05-17". The year always has at least four digits.
std::string calendarDateTextIn(const CalendarDate& date, DateOrder order);

// A date reading written back in that order: dateReadingText's words
// ("May 1850", "about 1850", "1850-1855"), with its single days in the order.
std::string dateReadingTextIn(const DateReading& reading, DateOrder order);

} // namespace spanwright
