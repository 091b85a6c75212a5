#pragma once

#include <spanwright/day.h>

#include <string>

namespace spanwright {

// A real day of the Gregorian calendar (extended backwards to year 1), with
// whole numbers: the dates that the age searches and day counts work on.
struct CalendarDate
{
    long long year = 1;
    int month = 1;
    int day = 1;

    friend bool operator==(const CalendarDate& a, const CalendarDate& b)
    {
        return a.year == b.year && a.month == b.month && a.day == b.day;
    }
    friend bool operator!=(const CalendarDate& a, const CalendarDate& b) { return !(a == b); }
};

// a / b rounded down, for b > 0: the day arithmetic of dates before year 1.
constexpr long long floorDivide(long long a, long long b)
{
    return a >= 0 ? a / b : (a - b + 1) / b;
}

// The days of a month (1 to 12) in a year of the Gregorian calendar, inline
// for the hot paths.
constexpr int daysInMonth(int month, long long year)
{
    constexpr int ShortestFebruary = 28;
    if (month == 2)
        return ShortestFebruary + ((year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) ? 1 : 0);
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

// The years a CalendarDate may have. The date reader accepts far larger
// years, but day counts are kept in 64-bit integers and a genealogist never
// needs more.
constexpr long long FirstCalendarYear = 1;
constexpr long long LastCalendarYear = 999'999;

// The Day of a date (day.h: 1 January of year 1 is day 0), and back. dateOf
// takes any day; the result may lie outside the calendar's years.
Day dayOf(const CalendarDate& date);
CalendarDate dateOf(Day day);

// The first and last days of the calendar.
Day firstCalendarDay();
Day lastCalendarDay();

// A year as dates are written back: at least four digits, so that a year
// such as 90 cannot be taken for 1990 ("0090"); a year before AD 1 (counted
// astronomically, 1 BC being 0) with BC after it ("0044 BC").
std::string writtenYearText(long long year);

// "M/D/YYYY": month and day without leading zeros, the year as
// writtenYearText writes it.
std::string calendarDateText(const CalendarDate& date);

} // namespace spanwright
