#pragma once

#include "calendars/calendardate.h"
#include "calendars/calendarsystem.h"

#include <spanwright/yearsmonthsdays.h>

namespace spanwright {

// The days of a month (1 to 12) of the Gregorian or the Julian calendar,
// the two a span is counted in: the Julian February has a leap day every
// fourth year, century years too. Inline, as the age searches borrow a
// month at every step.
constexpr int spanMonthLength(CalendarSystem calendar, int month, long long year)
{
    constexpr int ShortestFebruary = 28;
    constexpr long long JulianLeapCycle = 4;
    if (calendar == CalendarSystem::Julian && month == 2)
        return ShortestFebruary + (year % JulianLeapCycle == 0 ? 1 : 0);
    return daysInMonth(month, year);
}

// The span from begin to end, two dates of calendar (the Gregorian or the
// Julian; any other is counted as the Gregorian), begin not after end: the
// one span rule of every reader, answer and check. Field by field with
// borrowing: when the end day is less than the begin day, a month is
// borrowed, the length of the month before the end month, a begin day
// beyond that month's last day counting as its last day; when the end
// month is then less than the begin month, a year is borrowed.
constexpr YearsMonthsDays spanBetween(const CalendarDate& begin, const CalendarDate& end,
                                      CalendarSystem calendar = CalendarSystem::Gregorian)
{
    constexpr int MonthsInYear = 12;
    long long endYear = end.year;
    int endMonth = end.month;
    int days = end.day - begin.day;
    if (end.day < begin.day) {
        const int borrowed = endMonth > 1 ? spanMonthLength(calendar, endMonth - 1, endYear)
                                          : spanMonthLength(calendar, MonthsInYear, endYear - 1);
        days = end.day + borrowed - (begin.day < borrowed ? begin.day : borrowed);
        --endMonth;
    }
    if (endMonth < begin.month) {
        --endYear;
        endMonth += MonthsInYear;
    }
    return {endYear - begin.year, endMonth - begin.month, days};
}

} // namespace spanwright
