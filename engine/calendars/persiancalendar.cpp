#include "calendars/persiancalendar.h"

#include <array>

namespace spanwright {

namespace {

constexpr long long YearsPerCycle = 33;
constexpr long long LeapYearsPerCycle = 8;
constexpr std::array<long long, LeapYearsPerCycle> LeapPlaces = {1, 5, 9, 13, 17, 22, 26, 30};
constexpr long long DaysPerCommonYear = 365;
constexpr int LongMonths = 6; // of 31 days
constexpr int LongMonthDays = 31;
constexpr int ShortMonthDays = 30;

constexpr std::array<std::string_view, PersianMonthsPerYear> MonthNames = {
    "Farvardin", "Ordibehesht", "Khordad", "Tir", "Mordad", "Shahrivar",
    "Mehr", "Aban", "Azar", "Dey", "Bahman", "Esfand"};

// The leap years from 1 to the year.
long long leapYearsThrough(long long year)
{
    const long long place = year - floorDivide(year, YearsPerCycle) * YearsPerCycle;
    long long count = floorDivide(year, YearsPerCycle) * LeapYearsPerCycle;
    for (long long leap : LeapPlaces)
        count += leap <= place ? 1 : 0;
    return count;
}

// Day number of 1 Farvardin of the year, counted from that of 1304, which
// was 21 March 1925.
long long nowruz(long long year)
{
    constexpr long long AnchorYear = 1304;
    static const long long anchor = dayOf({1925, 3, 21}).number();
    return anchor + DaysPerCommonYear * (year - AnchorYear) + leapYearsThrough(year - 1)
        - leapYearsThrough(AnchorYear - 1);
}

long long daysBeforeMonth(int month)
{
    return month <= LongMonths + 1 ? LongMonthDays * (month - 1)
                                   : LongMonthDays * LongMonths + ShortMonthDays * (month - 1 - LongMonths);
}

} // namespace

bool isPersianLeapYear(long long year)
{
    return leapYearsThrough(year) != leapYearsThrough(year - 1);
}

int persianMonthLength(int month, long long year)
{
    if (month < 1 || month > PersianMonthsPerYear)
        return 0;
    if (month <= LongMonths)
        return LongMonthDays;
    if (month < PersianMonthsPerYear)
        return ShortMonthDays;
    return isPersianLeapYear(year) ? ShortMonthDays : ShortMonthDays - 1;
}

Day persianDayOf(const CalendarDate& date)
{
    return Day(nowruz(date.year) + daysBeforeMonth(date.month) + date.day - 1);
}

CalendarDate persianDateOf(Day day)
{
    const long long dayNumber = day.number();
    constexpr long long AnchorYear = 1304;
    long long year = AnchorYear + floorDivide(dayNumber - nowruz(AnchorYear), DaysPerCommonYear + 1);
    while (nowruz(year + 1) <= dayNumber)
        ++year;
    while (nowruz(year) > dayNumber)
        --year;
    const long long intoYear = dayNumber - nowruz(year);
    int month = 1;
    while (month < PersianMonthsPerYear && daysBeforeMonth(month + 1) <= intoYear)
        ++month;
    return {year, month, int(intoYear - daysBeforeMonth(month) + 1)};
}

bool inPersianYears(Day day)
{
    return day.number() >= nowruz(FirstPersianYear) && day.number() < nowruz(LastPersianYear + 1);
}

std::string_view persianMonthName(int month)
{
    return month >= 1 && month <= PersianMonthsPerYear ? MonthNames[size_t(month - 1)] : std::string_view();
}

} // namespace spanwright
