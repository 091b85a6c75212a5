#include "juliancalendar.h"

#include "spans/span.h"


namespace spanwright {

namespace {

// Chronological Julian day number of Gregorian 1 January of year 1, which the
// shared day numbers count as day 0.
constexpr long long JulianDayOfDayZero = 1721426;
// Julian day number of Julian 1 March of year 0: a March-based year puts the
// leap day at its end.
constexpr long long JulianDayOfMarchFirstYearZero = 1721118;
constexpr long long DaysPerFourYears = 1461;
constexpr int JulianLeapCycle = 4;

} // namespace

bool isJulianLeapYear(long long year)
{
    return floorDivide(year, JulianLeapCycle) * JulianLeapCycle == year;
}

int julianMonthLength(int month, long long year)
{
    constexpr int December = 12;
    return month >= 1 && month <= December ? spanMonthLength(CalendarSystem::Julian, month, year) : 0;
}

Day julianDayOf(const CalendarDate& date)
{
    // Months counted from March, so that the leap day ends the year.
    const long long year = date.year - (date.month <= 2 ? 1 : 0);
    const long long marchBasedMonth = date.month > 2 ? date.month - 3 : date.month + 9;
    const long long dayOfYear = (153 * marchBasedMonth + 2) / 5 + date.day - 1;
    const long long julianDay = JulianDayOfMarchFirstYearZero + floorDivide(year * DaysPerFourYears, 4)
        + dayOfYear;
    return Day(julianDay - JulianDayOfDayZero);
}

CalendarDate julianDateOf(Day day)
{
    const long long days = day.number() + JulianDayOfDayZero - JulianDayOfMarchFirstYearZero;
    const long long year = floorDivide(4 * days + 3, DaysPerFourYears);
    const long long dayOfYear = days - floorDivide(year * DaysPerFourYears, 4);
    const long long marchBasedMonth = (5 * dayOfYear + 2) / 153;
    const int dayOfMonth = static_cast<int>(dayOfYear - (153 * marchBasedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(marchBasedMonth < 10 ? marchBasedMonth + 3 : marchBasedMonth - 9);
    return {year + (month <= 2 ? 1 : 0), month, dayOfMonth};
}

} // namespace spanwright
