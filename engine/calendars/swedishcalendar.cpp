#include "calendars/swedishcalendar.h"

#include "calendars/juliancalendar.h"

namespace spanwright {

namespace {

constexpr CalendarDate FirstSwedishDay{1700, 3, 1};
constexpr CalendarDate LastSwedishDay{1712, 2, 30};
constexpr int February = 2;

// A Swedish date's fields are those of the Julian date a day later.
constexpr long long DaysAhead = 1;

Day firstSwedishDay() { return julianDayOf(FirstSwedishDay) - DaysAhead; }
Day lastSwedishDay() { return julianDayOf(LastSwedishDay) - DaysAhead; }

bool fieldsBefore(const CalendarDate& a, const CalendarDate& b)
{
    if (a.year != b.year)
        return a.year < b.year;
    return a.month != b.month ? a.month < b.month : a.day < b.day;
}

bool writtenInSwedishYears(const CalendarDate& date)
{
    return !fieldsBefore(date, FirstSwedishDay) && !fieldsBefore(LastSwedishDay, date);
}

} // namespace

int swedishMonthLength(int month, long long year)
{
    if (month == February && year == FirstSwedishDay.year)
        return 28; // its leap day left out
    if (month == February && year == LastSwedishDay.year)
        return LastSwedishDay.day;
    return julianMonthLength(month, year);
}

Day swedishDayOf(const CalendarDate& date)
{
    // 30 February 1712 counts on as the Julian 1 March would.
    return julianDayOf(date) - (writtenInSwedishYears(date) ? DaysAhead : 0);
}

CalendarDate swedishDateOf(Day day)
{
    if (!inSwedishCalendarYears(day))
        return julianDateOf(day);
    if (day == lastSwedishDay())
        return LastSwedishDay;
    return julianDateOf(day + DaysAhead);
}

bool inSwedishCalendarYears(Day day)
{
    return day >= firstSwedishDay() && day <= lastSwedishDay();
}

} // namespace spanwright
