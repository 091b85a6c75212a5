#pragma once

#include "calendardate.h"
#include "span.h"

// The rule of elapsedSpan on whole calendar dates, with the month lengths of
// a chosen calendar: when the end day is less than the begin day, a month is
// borrowed, the length of the month before the end month, a begin day beyond
// that month's last day counting as its last day. begin must not lie after
// end. monthLengthOf(month, year) gives the days of a month.
template <typename MonthLength>
Span spanWithMonthLengths(const CalendarDate& begin, const CalendarDate& end, MonthLength monthLengthOf)
{
    constexpr int MonthsPerYear = 12;
    long long endYear = end.year;
    int endMonth = end.month;
    Span span;
    if (end.day < begin.day) {
        const int previousMonth = endMonth > 1 ? endMonth - 1 : MonthsPerYear;
        const long long previousMonthYear = endMonth > 1 ? endYear : endYear - 1;
        const int borrowed = monthLengthOf(previousMonth, previousMonthYear);
        endMonth -= 1;
        span.Days = end.day + borrowed - (begin.day < borrowed ? begin.day : borrowed);
    } else {
        span.Days = end.day - begin.day;
    }
    if (endMonth < begin.month) {
        endYear -= 1;
        endMonth += MonthsPerYear;
    }
    span.Months = endMonth - begin.month;
    span.Years = static_cast<double>(endYear - begin.year);
    return span;
}
