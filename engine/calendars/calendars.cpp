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

// A calendar's own arithmetic, as its file gives it: each calendar is one
// row of Rules, and every function below asks its row.
struct Rules
{
    CalendarSystem system;
    int monthsPerYear;
    int (*monthLength)(int month, long long year); // 0 for a month the year has not
    Day (*dayOf)(const CalendarDate& fields);
    CalendarDate (*dateOf)(Day day);
};

// The calendars of twelve Roman months check the month themselves here:
// their files' month lengths take one of the twelve.
template <int (*length)(int, long long)>
int romanMonthLength(int month, long long year)
{
    return month >= 1 && month <= MonthsPerYear ? length(month, year) : 0;
}

int gregorianMonthLength(int month, long long year) { return daysInMonth(month, year); }
Day gregorianDayOf(const CalendarDate& fields) { return dayOf(fields); }
CalendarDate gregorianDateOf(Day day) { return dateOf(day); }

// In the order of CalendarSystem, Persian last. A calendar added to it is
// a row here; the switches over CalendarSystem elsewhere (its name, its
// text) warn of it until it is handled there too.
constexpr std::array<Rules, 7> Calendars = {{
    {CalendarSystem::Gregorian, MonthsPerYear, romanMonthLength<gregorianMonthLength>, gregorianDayOf,
     gregorianDateOf},
    {CalendarSystem::Julian, MonthsPerYear, romanMonthLength<julianMonthLength>, julianDayOf, julianDateOf},
    {CalendarSystem::Hebrew, HebrewMonthsPerYear, hebrewMonthLength, hebrewDayOf, hebrewDateOf},
    {CalendarSystem::FrenchRepublican, FrenchRepublicanMonthsPerYear, frenchRepublicanMonthLength,
     frenchRepublicanDayOf, frenchRepublicanDateOf},
    {CalendarSystem::Swedish, MonthsPerYear, romanMonthLength<swedishMonthLength>, swedishDayOf, swedishDateOf},
    {CalendarSystem::Islamic, IslamicMonthsPerYear, islamicMonthLength, islamicDayOf, islamicDateOf},
    {CalendarSystem::Persian, PersianMonthsPerYear, persianMonthLength, persianDayOf, persianDateOf},
}};

constexpr bool rowsInOrder()
{
    for (size_t index = 0; index < Calendars.size(); ++index) {
        if (static_cast<size_t>(Calendars[index].system) != index)
            return false;
    }
    return static_cast<size_t>(CalendarSystem::Persian) + 1 == Calendars.size();
}
static_assert(rowsInOrder(), "one row of Calendars for each CalendarSystem, in its order");

const Rules& rulesOf(CalendarSystem system)
{
    return Calendars[static_cast<size_t>(system)];
}

} // namespace

int monthsPerYearIn(CalendarSystem system)
{
    return rulesOf(system).monthsPerYear;
}

int monthLengthIn(CalendarSystem system, int month, long long year)
{
    return rulesOf(system).monthLength(month, year);
}

Day dayOf(const CalendarDay& day)
{
    return rulesOf(day.system).dayOf({day.year, day.month, day.day});
}

CalendarDay calendarDayOf(CalendarSystem system, Day day)
{
    const CalendarDate fields = rulesOf(system).dateOf(day);
    return {system, fields.year, fields.month, fields.day};
}

Day firstDayOfYearIn(CalendarSystem system, long long year)
{
    return dayOf(CalendarDay{system, year, 1, 1});
}

Day lastDayOfYearIn(CalendarSystem system, long long year)
{
    if (system == CalendarSystem::Gregorian || system == CalendarSystem::Julian || system == CalendarSystem::Swedish)
        return dayOf(CalendarDay{system, year, LastGregorianMonth, monthLengthIn(system, LastGregorianMonth, year)});
    return firstDayOfYearIn(system, year + 1) - 1;
}

int weekdayOf(Day day)
{
    const long long shifted = day.number() + WeekdayOfDayZero;
    return static_cast<int>(shifted - floorDivide(shifted, DaysPerWeek) * DaysPerWeek);
}

const char* weekdayName(int weekday)
{
    return weekday >= 0 && weekday < DaysPerWeek ? WeekdayNames[size_t(weekday)] : "";
}

} // namespace spanwright
