#pragma once

#include "calendars/calendardate.h"
#include "datetext.h"

#include <optional>

namespace spanwright {

// The window's Calculate rule, on its date fields in floating point as the
// window has always read them (a day of 5.5 stays 5.5, and so may a count
// of the span). Everything else counts whole days (span.h's spanBetween).

// The span the window shows: years, months and days, each as calculated.
struct Span
{
    double Years = 0;
    double Months = 0;
    double Days = 0;
};

// True when the end date lies before the begin date. Equal dates are in order.
bool endsBefore(const DateFields& end, const DateFields& begin);

// The span from begin to end, field by field with borrowing, by the rule
// of spanBetween over the window's fields: the borrowed month is the one
// before the end month, a begin day beyond its last day counting as its
// last day. Meant for dates in order (see endsBefore).
Span elapsedSpan(const DateFields& begin, const DateFields& end);

// The calendar date that read date fields name, or nothing when they are not
// one: a day or year that is not whole, a day below 1, or a year outside
// FirstCalendarYear to LastCalendarYear. (The month and the day's upper bound
// are already checked by the date reader.)
std::optional<CalendarDate> calendarDateOf(const DateFields& fields);

// The date fields of a calendar date, as the date reader would fill them.
DateFields dateFieldsOf(const CalendarDate& date);

} // namespace spanwright
