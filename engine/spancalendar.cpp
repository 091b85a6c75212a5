#include "spancalendar.h"

#include "agesearch.h"
#include "juliancalendar.h"

namespace spanwright {

namespace {

constexpr int December = 12;
constexpr int LastDayOfDecember = 31;

} // namespace

CalendarSystem spanCalendarFor(CalendarSystem begin, CalendarSystem end)
{
    return begin == CalendarSystem::Julian && end == CalendarSystem::Julian ? CalendarSystem::Julian
                                                                            : CalendarSystem::Gregorian;
}

SpanCalendar::SpanCalendar(CalendarSystem system)
    : julian_(system == CalendarSystem::Julian)
    , firstDay_(julian_ ? julianDayNumberOf({EarliestSpanYear, 1, 1}) : dayNumberOf({EarliestSpanYear, 1, 1}))
    , lastDay_(julian_ ? julianDayNumberOf({LastCalendarYear, December, LastDayOfDecember}) : lastCalendarDay())
{
}

Span SpanCalendar::span(long long begin, long long end) const
{
    if (julian_)
        return elapsedJulianSpan(julianDateOfDayNumber(begin), julianDateOfDayNumber(end));
    return spanBetween(dateOfDayNumber(begin), dateOfDayNumber(end));
}

CalendarDate SpanCalendar::dateOf(long long day) const
{
    return julian_ ? julianDateOfDayNumber(day) : dateOfDayNumber(day);
}

} // namespace spanwright
