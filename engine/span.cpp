#include "span.h"

#include "calendar.h"

#include <algorithm>

bool endsBefore(const DateFields& end, const DateFields& begin)
{
    if (end.Years != begin.Years)
        return end.Years < begin.Years;
    if (end.Months != begin.Months)
        return end.Months < begin.Months;
    return end.Days < begin.Days;
}

Span elapsedSpan(const DateFields& begin, const DateFields& end)
{
    double endYear = end.Years;
    double endMonth = end.Months;
    double endDay = end.Days;

    Span span;
    if (endDay < begin.Days) {
        const double previousMonth = endMonth > 1 ? endMonth - 1 : 12;
        const double previousMonthYear = endMonth > 1 ? endYear : endYear - 1;
        const double borrowed = monthLength(previousMonth, previousMonthYear);
        endMonth -= 1;
        span.Days = endDay + borrowed - std::min(begin.Days, borrowed);
    } else {
        span.Days = endDay - begin.Days;
    }
    if (endMonth < begin.Months) {
        endYear -= 1;
        endMonth += 12;
    }
    span.Months = endMonth - begin.Months;
    span.Years = endYear - begin.Years;
    return span;
}
