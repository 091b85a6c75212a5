#include "spans/span.h"

#include "spans/calendar.h"

namespace spanwright {


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
    return elapsedSpanWith(begin, end, monthLength);
}

} // namespace spanwright
