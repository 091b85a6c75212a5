#include "calendars/calendars.h"

#include "calendars/calendardate.h"
#include "calendars/frenchcalendar.h"
#include "calendars/hebrewcalendar.h"
#include "calendars/islamiccalendar.h"
#include "calendars/juliancalendar.h"
#include "calendars/persiancalendar.h"
#include "calendars/swedishcalendar.h"

#include <array>

namespace spanwright {

namespace {

constexpr int MonthsPerYear = 12;
constexpr int LastGregorianMonth = 12;
constexpr int DaysPerWeek = 7;
// Gregorian 1 January of year 1, day 0, was a Monday.
constexpr int WeekdayOfDayZero = 0;
constexpr std::array<const char*, DaysPerWeek> WeekdayNames = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

} // namespace

int monthsPerYearIn(CalendarSystem system)
{
    switch (system) {
    case CalendarSystem::Hebrew:
        return HebrewMonthsPerYear;
    case CalendarSystem::FrenchRepublican:
        return FrenchRepublicanMonthsPerYear;
    case CalendarSystem::Gregorian:
    case CalendarSystem::Julian:
    case CalendarSystem::Swedish:
    case CalendarSystem::Islamic:
    case CalendarSystem::Persian:
        break;
    }
    return MonthsPerYear;
}

int monthLengthIn(CalendarSystem system, int month, long long year)
{
    switch (system) {
    case CalendarSystem::Gregorian:
        return month >= 1 && month <= MonthsPerYear ? daysInMonth(month, year) : 0;
    case CalendarSystem::Julian:
        return month >= 1 && month <= MonthsPerYear ? julianMonthLength(month, year) : 0;
    case CalendarSystem::Hebrew:
        return hebrewMonthLength(month, year);
    case CalendarSystem::FrenchRepublican:
        return frenchRepublicanMonthLength(month, year);
    case CalendarSystem::Swedish:
        return month >= 1 && month <= MonthsPerYear ? swedishMonthLength(month, year) : 0;
    case CalendarSystem::Islamic:
        return islamicMonthLength(month, year);
    case CalendarSystem::Persian:
        return persianMonthLength(month, year);
    }
    return 0;
}

long long dayNumberIn(const CalendarDay& day)
{
    const CalendarDate fields{day.year, day.month, day.day};
    switch (day.system) {
    case CalendarSystem::Julian:
        return julianDayNumberOf(fields);
    case CalendarSystem::Hebrew:
        return hebrewDayNumberOf(fields);
    case CalendarSystem::FrenchRepublican:
        return frenchRepublicanDayNumberOf(fields);
    case CalendarSystem::Swedish:
        return swedishDayNumberOf(fields);
    case CalendarSystem::Islamic:
        return islamicDayNumberOf(fields);
    case CalendarSystem::Persian:
        return persianDayNumberOf(fields);
    case CalendarSystem::Gregorian:
        break;
    }
    return dayNumberOf(fields);
}

CalendarDay calendarDayOf(CalendarSystem system, long long dayNumber)
{
    CalendarDate fields;
    switch (system) {
    case CalendarSystem::Gregorian:
        fields = dateOfDayNumber(dayNumber);
        break;
    case CalendarSystem::Julian:
        fields = julianDateOfDayNumber(dayNumber);
        break;
    case CalendarSystem::Hebrew:
        fields = hebrewDateOfDayNumber(dayNumber);
        break;
    case CalendarSystem::FrenchRepublican:
        fields = frenchRepublicanDateOfDayNumber(dayNumber);
        break;
    case CalendarSystem::Swedish:
        fields = swedishDateOfDayNumber(dayNumber);
        break;
    case CalendarSystem::Islamic:
        fields = islamicDateOfDayNumber(dayNumber);
        break;
    case CalendarSystem::Persian:
        fields = persianDateOfDayNumber(dayNumber);
        break;
    }
    return {system, fields.year, fields.month, fields.day};
}

long long firstDayOfYearIn(CalendarSystem system, long long year)
{
    return dayNumberIn({system, year, 1, 1});
}

long long lastDayOfYearIn(CalendarSystem system, long long year)
{
    if (system == CalendarSystem::Gregorian || system == CalendarSystem::Julian || system == CalendarSystem::Swedish)
        return dayNumberIn({system, year, LastGregorianMonth, monthLengthIn(system, LastGregorianMonth, year)});
    return firstDayOfYearIn(system, year + 1) - 1;
}

int weekdayOf(long long dayNumber)
{
    const long long shifted = dayNumber + WeekdayOfDayZero;
    return static_cast<int>(shifted - floorDivide(shifted, DaysPerWeek) * DaysPerWeek);
}

const char* weekdayName(int weekday)
{
    return weekday >= 0 && weekday < DaysPerWeek ? WeekdayNames[size_t(weekday)] : "";
}

} // namespace spanwright
