#include "calendars/romandays.h"

namespace spanwright {

namespace {

constexpr int March = 3;
constexpr int DaysFromNonesToIdes = 8;
constexpr int BissextileCount = 6; // a.d. VI Kal. Mar.

constexpr int MonthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int monthLength(int month, bool leapYear)
{
    return MonthLengths[month - 1] + (month == 2 && leapYear ? 1 : 0);
}

} // namespace

int nonesOf(int month)
{
    return month == 3 || month == 5 || month == 7 || month == 10 ? 7 : 5;
}

int idesOf(int month)
{
    return nonesOf(month) + DaysFromNonesToIdes;
}

bool romanDay(RomanFixedDay fixed, int month, int count, bool leapYear, int& dayMonth, int& day, int& lastDay)
{
    if (month < 1 || month > 12 || count < 1)
        return false;
    if (fixed != RomanFixedDay::Kalends) {
        const int fixedDay = fixed == RomanFixedDay::Nones ? nonesOf(month) : idesOf(month);
        const int previousFixed = fixed == RomanFixedDay::Nones ? 1 : nonesOf(month);
        dayMonth = month;
        day = fixedDay - (count - 1);
        lastDay = day;
        return day > previousFixed;
    }
    if (count == 1) {
        dayMonth = month;
        day = lastDay = 1;
        return true;
    }
    // Days before the Kalends lie in the month before, after its Ides.
    dayMonth = month == 1 ? 12 : month - 1;
    const int length = monthLength(dayMonth, leapYear);
    const bool bissextile = leapYear && month == March;
    day = length + 1 - (count - 1);
    lastDay = day;
    if (bissextile && count >= BissextileCount)
        --day;
    if (!(bissextile && count == BissextileCount))
        lastDay = day;
    return day > idesOf(dayMonth);
}

} // namespace spanwright
