#include "calendars/hebrewcalendar.h"

namespace spanwright {

namespace {

// The arithmetic of the fixed calendar: months of 29 days, 12 hours and
// 793 parts (of 1080 an hour) counted from the first new moon, the new year
// postponed by the rules of dehiyyot.
constexpr long long MonthsPerCycle = 235; // in 19 years
constexpr long long YearsPerCycle = 19;
constexpr long long PartsPerDay = 25920;
constexpr long long PartsOfMonthBeyondDays = 13753; // 12 hours 793 parts
constexpr long long PartsOfFirstNewMoon = 12084;   // molad of year 1, after its day 0
constexpr long long DaysPerMonth = 29;
constexpr long long DaysPerWeek = 7;
// Day number of 1 Tishri of year 1 before the year's elapsed days: Julian
// 7 October 3761 BC.
constexpr long long EpochDayNumber = -1373428;
constexpr int AdarI = 6;
constexpr int AdarII = 7;
constexpr int Heshvan = 2;
constexpr int Kislev = 3;

long long modulo(long long a, long long b)
{
    return a - floorDivide(a, b) * b;
}

// Days from the epoch to the new year before the postponements that depend
// on the neighbouring years.
long long elapsedDays(long long year)
{
    const long long monthsElapsed = floorDivide(MonthsPerCycle * year - (MonthsPerCycle - 1), YearsPerCycle);
    const long long partsElapsed = PartsOfFirstNewMoon + PartsOfMonthBeyondDays * monthsElapsed;
    const long long days = DaysPerMonth * monthsElapsed + floorDivide(partsElapsed, PartsPerDay);
    // The new year never falls on a Sunday, Wednesday or Friday.
    return modulo(3 * (days + 1), DaysPerWeek) < 3 ? days + 1 : days;
}

// Keeps years to 353-355 or 383-385 days.
long long yearLengthCorrection(long long year)
{
    constexpr long long LongestCommonYear = 356;
    constexpr long long LongestLeapYearBefore = 382;
    const long long before = elapsedDays(year - 1);
    const long long start = elapsedDays(year);
    const long long after = elapsedDays(year + 1);
    if (after - start == LongestCommonYear)
        return 2;
    return start - before == LongestLeapYearBefore ? 1 : 0;
}

// The day number of 1 Tishri, for the arithmetic of the year's length and
// of the year a day lies in.
long long newYearNumber(long long year)
{
    return EpochDayNumber + elapsedDays(year) + yearLengthCorrection(year);
}

long long yearLength(long long year)
{
    return newYearNumber(year + 1) - newYearNumber(year);
}

} // namespace

bool isHebrewLeapYear(long long year)
{
    constexpr long long LeapYearsPerCycle = 7;
    return modulo(7 * year + 1, YearsPerCycle) < LeapYearsPerCycle;
}

Day hebrewNewYear(long long year)
{
    return Day(newYearNumber(year));
}

int hebrewMonthLength(int month, long long year)
{
    constexpr int Long = 30;
    constexpr int Short = 29;
    switch (month) {
    case 1: // Tishri
    case 5: // Shevat
    case 8: // Nisan
    case 10: // Sivan
    case 12: // Av
        return Long;
    case 4: // Tevet
    case 9: // Iyar
    case 11: // Tammuz
    case 13: // Elul
        return Short;
    case Heshvan: // long in a complete year (355 or 385 days)
        return yearLength(year) % 10 == 5 ? Long : Short;
    case Kislev: // short in a deficient year (353 or 383 days)
        return yearLength(year) % 10 == 3 ? Short : Long;
    case AdarI:
        return isHebrewLeapYear(year) ? Long : Short;
    case AdarII:
        return isHebrewLeapYear(year) ? Short : 0;
    default:
        return 0;
    }
}

Day hebrewDayOf(const CalendarDate& date)
{
    Day day = hebrewNewYear(date.year) + (date.day - 1);
    for (int month = 1; month < date.month; ++month)
        day += hebrewMonthLength(month, date.year);
    return day;
}

CalendarDate hebrewDateOf(Day day)
{
    const long long dayNumber = day.number();
    // The year of the world began about 3760 years before the common era;
    // the estimate is at most a year late.
    constexpr double MeanYearDays = 365.2468;
    long long year = static_cast<long long>(static_cast<double>(dayNumber - EpochDayNumber) / MeanYearDays) + 1;
    while (newYearNumber(year) > dayNumber)
        --year;
    while (newYearNumber(year + 1) <= dayNumber)
        ++year;
    CalendarDate date{year, 1, 1};
    long long left = dayNumber - newYearNumber(year);
    while (left >= hebrewMonthLength(date.month, year)) {
        left -= hebrewMonthLength(date.month, year);
        ++date.month;
    }
    date.day = static_cast<int>(left) + 1;
    return date;
}

} // namespace spanwright
