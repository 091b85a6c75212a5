#include "calendars/islamiccalendar.h"

#include "calendars/juliancalendar.h"

#include <algorithm>
#include <array>

namespace spanwright {

namespace {

constexpr long long DaysPerCommonYear = 354;
constexpr long long YearsPerCycle = 30;
constexpr long long LeapYearsPerCycle = 11;
constexpr long long DaysPerCycle = YearsPerCycle * DaysPerCommonYear + LeapYearsPerCycle; // 10631

constexpr std::array<std::string_view, IslamicMonthsPerYear> MonthNames = {
    "Muharram", "Safar", "Rabi al-Awwal", "Rabi al-Thani", "Jumada al-Awwal", "Jumada al-Thani",
    "Rajab", "Shaban", "Ramadan", "Shawwal", "Dhu al-Qadah", "Dhu al-Hijjah"};

// The days before the month in its year: 30, 29, 30... (29.5 a month,
// rounded up).
long long daysBeforeMonth(int month)
{
    return (59 * (month - 1) + 1) / 2;
}

// The leap days of the years before the year.
long long leapDaysBefore(long long year)
{
    return floorDivide(3 + LeapYearsPerCycle * year, YearsPerCycle);
}

} // namespace

Day islamicEpochDay()
{
    return julianDayOf({622, 7, 16});
}

bool isIslamicLeapYear(long long year)
{
    const long long place = (14 + LeapYearsPerCycle * year) % YearsPerCycle;
    return (place + YearsPerCycle) % YearsPerCycle < LeapYearsPerCycle;
}

int islamicMonthLength(int month, long long year)
{
    if (month < 1 || month > IslamicMonthsPerYear)
        return 0;
    if (month == IslamicMonthsPerYear)
        return isIslamicLeapYear(year) ? 30 : 29;
    return month % 2 == 1 ? 30 : 29;
}

Day islamicDayOf(const CalendarDate& date)
{
    return islamicEpochDay()
        + (date.day - 1 + daysBeforeMonth(date.month) + DaysPerCommonYear * (date.year - 1) + leapDaysBefore(date.year));
}

CalendarDate islamicDateOf(Day day)
{
    const long long sinceEpoch = day - islamicEpochDay();
    const long long year = floorDivide(YearsPerCycle * sinceEpoch + 10646, DaysPerCycle);
    const long long intoYear = day - islamicDayOf({year, 1, 1});
    const int month = int(std::min<long long>(IslamicMonthsPerYear, (11 * intoYear + 330) / 325));
    const int dayOfMonth = int(day - islamicDayOf({year, month, 1}) + 1);
    return {year, month, dayOfMonth};
}

std::string_view islamicMonthName(int month)
{
    return month >= 1 && month <= IslamicMonthsPerYear ? MonthNames[size_t(month - 1)] : std::string_view();
}

} // namespace spanwright
