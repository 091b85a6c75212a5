#include "calendars/calendardate.h"

namespace spanwright {

namespace {

// Day numbers by whole 400-year eras (146097 days each), counted from
// 1 March of year 0, where a leap day falls at the end of its year.
constexpr long long DaysPerEra = 146097;
constexpr long long YearsPerEra = 400;
// Day number (from 1 March of year 0) of 1 January of year 1.
constexpr long long FirstJanuaryOfYearOne = 306;

} // namespace

long long dayNumberOf(const CalendarDate& date)
{
    // Howard Hinnant's days-from-civil, shifted so that 1/1/1 is day 0.
    const long long year = date.year - (date.month <= 2 ? 1 : 0);
    const long long era = floorDivide(year, YearsPerEra);
    const long long yearOfEra = year - era * YearsPerEra;
    const long long marchBasedMonth = date.month > 2 ? date.month - 3 : date.month + 9;
    const long long dayOfYear = (153 * marchBasedMonth + 2) / 5 + date.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * DaysPerEra + dayOfEra - FirstJanuaryOfYearOne;
}

CalendarDate dateOfDayNumber(long long dayNumber)
{
    const long long days = dayNumber + FirstJanuaryOfYearOne;
    const long long era = floorDivide(days, DaysPerEra);
    const long long dayOfEra = days - era * DaysPerEra;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long marchBasedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * marchBasedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(marchBasedMonth < 10 ? marchBasedMonth + 3 : marchBasedMonth - 9);
    return {yearOfEra + era * YearsPerEra + (month <= 2 ? 1 : 0), month, day};
}

long long firstCalendarDay()
{
    return dayNumberOf({FirstCalendarYear, 1, 1});
}

long long lastCalendarDay()
{
    return dayNumberOf({LastCalendarYear, 12, 31});
}

std::string writtenYearText(long long year)
{
    constexpr size_t YearDigits = 4;
    const bool beforeChrist = year < 1;
    std::string digits = std::to_string(beforeChrist ? 1 - year : year);
    if (digits.size() < YearDigits)
        digits.insert(0, YearDigits - digits.size(), '0');
    return beforeChrist ? digits + " BC" : digits;
}

std::string calendarDateText(const CalendarDate& date)
{
    return std::to_string(date.month) + '/' + std::to_string(date.day) + '/' + writtenYearText(date.year);
}

} // namespace spanwright
