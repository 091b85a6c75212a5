#include "calendars/easter.h"

#include "calendars/calendardate.h"
#include "calendars/juliancalendar.h"

namespace spanwright {

namespace {

constexpr long long MarchDaysAndOffset = 114; // 3 * 31 + 21: the day count that starts in March
constexpr long long DaysPerMonthStep = 31;

// Jean Meeus, Astronomical Algorithms (1991), ch. 8: the Julian Easter.
CalendarDate julianEaster(long long year)
{
    const long long a = year % 4;
    const long long b = year % 7;
    const long long c = year % 19;
    const long long d = (19 * c + 15) % 30;
    const long long e = (2 * a + 4 * b - d + 34) % 7;
    const long long count = d + e + MarchDaysAndOffset;
    return {year, int(count / DaysPerMonthStep), int(count % DaysPerMonthStep + 1)};
}

// Meeus, after the anonymous rule of 1876 (Butcher's): the Gregorian Easter,
// with no exceptions to patch, unlike Gauss's rule.
CalendarDate gregorianEaster(long long year)
{
    const long long a = year % 19;
    const long long b = year / 100;
    const long long c = year % 100;
    const long long d = b / 4;
    const long long e = b % 4;
    const long long f = (b + 8) / 25;
    const long long g = (b - f + 1) / 3;
    const long long h = (19 * a + b - d - g + 15) % 30;
    const long long i = c / 4;
    const long long k = c % 4;
    const long long l = (32 + 2 * e + 2 * i - h - k) % 7;
    const long long m = (a + 11 * h + 22 * l) / 451;
    const long long count = h + l - 7 * m + MarchDaysAndOffset;
    return {year, int(count / DaysPerMonthStep), int(count % DaysPerMonthStep + 1)};
}

} // namespace

Day easterSunday(long long year, CalendarSystem system)
{
    if (system == CalendarSystem::Julian)
        return julianDayOf(julianEaster(year));
    return dayOf(gregorianEaster(year));
}

} // namespace spanwright
