#pragma once

#include "calendars/calendardate.h"
#include "spans/resultentries.h"

#include <optional>
#include <string>
#include <string_view>

namespace spanwright {

// One row of a table, answered as `spanwright-cli batch` answers it, for the
// SQL functions: each cell the batch writes, with dates as ISO dates. Dates
// are read as the command line reads them by default (month first, plain
// dates Gregorian, a year of two digits refused).

// A span row (begin, end).
struct SpanRowAnswer
{
    std::optional<std::string> span; // the batch's span cell; absent with an error
    std::string error;               // the batch's error cell, empty when there is none
};
SpanRowAnswer spanRow(std::string_view begin, std::string_view end, Notation notation = Notation::Worded);

// The whole days from begin to end, as `spanwright-cli days` prints them
// where both dates are single days (negative when end lies before begin);
// absent where either date cannot be read or allows several days.
std::optional<long long> daysRow(std::string_view begin, std::string_view end);

// A born row (end, age) or a died row (begin, age).
struct DatesRowAnswer
{
    // The earliest and latest dates, Gregorian, absent with an error.
    std::optional<CalendarDate> earliest;
    std::optional<CalendarDate> latest;
    std::optional<long long> count; // the count cell: 0 where no date gives the age
    std::string error;
};
DatesRowAnswer bornRow(std::string_view end, std::string_view age);
DatesRowAnswer diedRow(std::string_view begin, std::string_view age);

// The years an ISO date (and so a SQL date as text) holds.
constexpr long long FirstIsoYear = 1;
constexpr long long LastIsoYear = 9999;

// "1850-05-01".
std::string isoDateText(const CalendarDate& date);

} // namespace spanwright
