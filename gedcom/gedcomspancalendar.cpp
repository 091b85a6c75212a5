#include "gedcomspancalendar.h"

#include "agesearch.h"
#include "gedcomcalendar.h"
#include "juliancalendar.h"

namespace {

constexpr int December = 12;
constexpr int LastDayOfDecember = 31;

} // namespace

GedcomSpanCalendar::GedcomSpanCalendar(bool julian)
    : julian_(julian)
    , firstDay_(julian ? julianDayNumberOf({EarliestGedcomYear, 1, 1}) : dayNumberOf({EarliestGedcomYear, 1, 1}))
    , lastDay_(julian ? julianDayNumberOf({LastCalendarYear, December, LastDayOfDecember})
                      : lastCalendarDay())
{
}

Span GedcomSpanCalendar::span(long long begin, long long end) const
{
    if (julian_)
        return elapsedJulianSpan(julianDateOfDayNumber(begin), julianDateOfDayNumber(end));
    return spanBetween(dateOfDayNumber(begin), dateOfDayNumber(end));
}

CalendarDate GedcomSpanCalendar::dateOf(long long day) const
{
    return julian_ ? julianDateOfDayNumber(day) : dateOfDayNumber(day);
}
