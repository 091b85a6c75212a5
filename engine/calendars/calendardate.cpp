#include "calendars/calendardate.h"

#include <cmath>
#include <cstdint>

namespace spanwright {

namespace {

// Day numbers by whole 400-year eras (146097 days each), counted from
// 1 March of year 0, where a leap day falls at the end of its year.
constexpr long long DaysPerEra = 146097;
constexpr long long YearsPerEra = 400;
// Day number (from 1 March of year 0) of 1 January of year 1.
constexpr long long FirstJanuaryOfYearOne = 306;

} // namespace

Day dayOf(const CalendarDate& date)
{
    // Howard Hinnant's days-from-civil, shifted so that 1/1/1 is day 0.
    const long long year = date.year - (date.month <= 2 ? 1 : 0);
    const long long era = floorDivide(year, YearsPerEra);
    const long long yearOfEra = year - era * YearsPerEra;
    const long long marchBasedMonth = date.month > 2 ? date.month - 3 : date.month + 9;
    const long long dayOfYear = (153 * marchBasedMonth + 2) / 5 + date.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return Day(era * DaysPerEra + dayOfEra - FirstJanuaryOfYearOne);
}

namespace {

// The date of a day number by whole eras (Howard Hinnant's civil-from-days),
// for any day a long long holds.
CalendarDate dateOfDayNumberByEras(long long dayNumber)
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

// Neri and Schneider's form of the same ("Euclidean affine functions and
// their application to calendar algorithms", 2022), on 32-bit unsigned
// numbers where every division is by a constant: the age searches convert
// dozens of days for every record. The days are counted from 1 March of a
// year ErasBack eras before year 0, so that every day of reach is after it;
// 4 * days + 3 must fit in 32 bits.
constexpr long long ErasBack = 82;
constexpr long long DaysFromShiftedStart = FirstJanuaryOfYearOne + DaysPerEra * ErasBack;
constexpr long long FirstShiftedDay = -DaysFromShiftedStart;                  // 1 March 32800 BC
constexpr long long LastShiftedDay = (1LL << 30) - 1 - DaysFromShiftedStart; // in June 2,907,005

CalendarDate dateOfShiftedDayNumber(long long dayNumber)
{
    const uint32_t days = uint32_t(dayNumber + DaysFromShiftedStart);
    const uint32_t quarterDays = 4 * days + 3;
    const uint32_t centuries = quarterDays / 146097;
    const uint32_t dayOfCentury = quarterDays % 146097 / 4;
    // The year of the century and the day of the year from one product.
    const uint64_t product = uint64_t(2939745) * (4 * dayOfCentury + 3);
    const uint32_t yearOfCentury = uint32_t(product >> 32);
    const uint32_t dayOfYear = uint32_t(product) / 2939745 / 4;
    const uint32_t monthAndDay = 2141 * dayOfYear + 197913; // March-based month 3 to 14 above 16 bits
    const uint32_t month = monthAndDay >> 16;
    const uint32_t day = (monthAndDay & 0xFFFF) / 2141;
    const bool januaryOrFebruary = dayOfYear >= 306; // of the next year
    const long long year = (long long)(100 * centuries + yearOfCentury) - YearsPerEra * ErasBack + januaryOrFebruary;
    return {year, int(januaryOrFebruary ? month - 12 : month), int(day + 1)};
}

} // namespace

CalendarDate dateOf(Day day)
{
    const long long dayNumber = day.number();
    if (dayNumber >= FirstShiftedDay && dayNumber <= LastShiftedDay)
        return dateOfShiftedDayNumber(dayNumber);
    return dateOfDayNumberByEras(dayNumber);
}

// Reckoned once: the age searches ask for them at every record.
Day firstCalendarDay()
{
    static const Day first = dayOf({FirstCalendarYear, 1, 1});
    return first;
}

Day lastCalendarDay()
{
    static const Day last = dayOf({LastCalendarYear, 12, 31});
    return last;
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
