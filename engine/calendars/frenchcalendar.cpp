#include "calendars/frenchcalendar.h"

#include <array>

namespace spanwright {

namespace {

constexpr int DaysPerMonth = 30;
constexpr int ComplementaryMonth = 13;
constexpr int ComplementaryDays = 5;
constexpr long long CommonYearDays = 365;
// The years before the arithmetic rule, with the leap years kept in use.
constexpr long long FirstArithmeticYear = 20;
constexpr std::array<long long, 4> KeptLeapYears = {3, 7, 11, 15};

// Leap years in years 1 to year - 1.
long long leapYearsBefore(long long year)
{
    long long count = 0;
    for (long long kept : KeptLeapYears)
        count += kept < year ? 1 : 0;
    if (year <= FirstArithmeticYear)
        return count;
    // Arithmetic leap years from FirstArithmeticYear to year - 1.
    const auto upTo = [](long long last) { // leap years of 1..last by the rule
        return last / 4 - last / 100 + last / 400 - last / 4000;
    };
    return count + upTo(year - 1) - upTo(FirstArithmeticYear - 1);
}

long long dayNumberOfYearOne()
{
    constexpr CalendarDate FirstDay{1792, 9, 22};
    return dayOf(FirstDay).number();
}

long long newYear(long long year)
{
    return dayNumberOfYearOne() + (year - 1) * CommonYearDays + leapYearsBefore(year);
}

} // namespace

bool isFrenchRepublicanLeapYear(long long year)
{
    if (year < FirstArithmeticYear) {
        for (long long kept : KeptLeapYears) {
            if (kept == year)
                return true;
        }
        return false;
    }
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) && year % 4000 != 0;
}

int frenchRepublicanMonthLength(int month, long long year)
{
    if (month >= 1 && month < ComplementaryMonth)
        return DaysPerMonth;
    if (month == ComplementaryMonth)
        return ComplementaryDays + (isFrenchRepublicanLeapYear(year) ? 1 : 0);
    return 0;
}

Day frenchRepublicanDayOf(const CalendarDate& date)
{
    return Day(newYear(date.year) + (date.month - 1) * DaysPerMonth + date.day - 1);
}

CalendarDate frenchRepublicanDateOf(Day day)
{
    const long long dayNumber = day.number();
    constexpr double MeanYearDays = 365.2425;
    long long year = static_cast<long long>(static_cast<double>(dayNumber - dayNumberOfYearOne()) / MeanYearDays) + 1;
    if (year < 1)
        year = 1;
    while (year > 1 && newYear(year) > dayNumber)
        --year;
    while (newYear(year + 1) <= dayNumber)
        ++year;
    const long long dayOfYear = dayNumber - newYear(year);
    return {year, static_cast<int>(dayOfYear / DaysPerMonth) + 1, static_cast<int>(dayOfYear % DaysPerMonth) + 1};
}

} // namespace spanwright
