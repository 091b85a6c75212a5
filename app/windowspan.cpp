#include "windowspan.h"

#include "calendar.h"

#include <cmath>

namespace spanwright {

namespace {

bool isWhole(double value)
{
    return std::trunc(value) == value;
}

} // namespace

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
    constexpr double MonthsPerYear = 12;
    double endYear = end.Years;
    double endMonth = end.Months;
    const double endDay = end.Days;

    Span span;
    if (endDay < begin.Days) {
        const double previousMonth = endMonth > 1 ? endMonth - 1 : MonthsPerYear;
        const double previousMonthYear = endMonth > 1 ? endYear : endYear - 1;
        const double borrowed = monthLength(previousMonth, previousMonthYear);
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

std::optional<CalendarDate> calendarDateOf(const DateFields& fields)
{
    if (!isWhole(fields.Days) || fields.Days < 1 || fields.Days > fields.Max_Days)
        return std::nullopt;
    if (!isWhole(fields.Years) || fields.Years < FirstCalendarYear || fields.Years > LastCalendarYear)
        return std::nullopt;
    if (!isWhole(fields.Months) || fields.Months < 1 || fields.Months > 12)
        return std::nullopt;
    return CalendarDate{static_cast<long long>(fields.Years), static_cast<int>(fields.Months),
                        static_cast<int>(fields.Days)};
}

DateFields dateFieldsOf(const CalendarDate& date)
{
    return {double(date.month), double(date.day), double(date.year), double(daysInMonth(date.month, date.year))};
}

} // namespace spanwright
