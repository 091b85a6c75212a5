#pragma once

#include "spans/datetext.h"

namespace spanwright {

// Elapsed time between two dates in whole calendar units, the way an age is
// stated: the begin date plus Years and Months (a day past the end of the
// month falling back to the month's last day) plus Days gives the end date.
struct Span
{
    double Years = 0;
    double Months = 0;
    double Days = 0;
};

// True when the end date lies before the begin date. Equal dates are in order.
bool endsBefore(const DateFields& end, const DateFields& begin);

// The span from begin to end, field by field with borrowing. When the end day
// is less than the begin day, a month is borrowed: the length of the month
// before the end month, a begin day beyond that month's last day counting as
// its last day. Meant for dates in order (see endsBefore).
Span elapsedSpan(const DateFields& begin, const DateFields& end);

// The same rule with the month lengths of another calendar:
// monthLengthOf(month, year) gives the days of a month.
template <typename MonthLength>
Span elapsedSpanWith(const DateFields& begin, const DateFields& end, MonthLength monthLengthOf)
{
    constexpr double MonthsPerYear = 12;
    double endYear = end.Years;
    double endMonth = end.Months;
    const double endDay = end.Days;

    Span span;
    if (endDay < begin.Days) {
        const double previousMonth = endMonth > 1 ? endMonth - 1 : MonthsPerYear;
        const double previousMonthYear = endMonth > 1 ? endYear : endYear - 1;
        const double borrowed = monthLengthOf(previousMonth, previousMonthYear);
        endMonth -= 1;
        span.Days = endDay + borrowed - (begin.Days < borrowed ? begin.Days : borrowed);
    } else {
        span.Days = endDay - begin.Days;
    }
    if (endMonth < begin.Months) {
        endYear -= 1;
        endMonth += MonthsPerYear;
    }
    span.Months = endMonth - begin.Months;
    span.Years = endYear - begin.Years;
    return span;
}

} // namespace spanwright
