#include "ages/spancalendar.h"

#include "ages/agesearch.h"
#include "calendars/juliancalendar.h"

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

SpanCalendar::SpanCalendar(CalendarSystem system, long long firstGregorianDay) : SpanCalendar(system)
{
    firstGregorianDay_ = firstGregorianDay;
}

CalendarSystem SpanCalendar::systemOf(long long day) const
{
    return julian_ && day < firstGregorianDay_ ? CalendarSystem::Julian : CalendarSystem::Gregorian;
}

YearsMonthsDays SpanCalendar::span(long long begin, long long end) const
{
    if (systemOf(end) == CalendarSystem::Julian)
        return spanBetween(julianDateOfDayNumber(begin), julianDateOfDayNumber(end), CalendarSystem::Julian);
    return spanBetween(dateOfDayNumber(begin), dateOfDayNumber(end));
}

CalendarDate SpanCalendar::dateOf(long long day) const
{
    return systemOf(day) == CalendarSystem::Julian ? julianDateOfDayNumber(day) : dateOfDayNumber(day);
}

long long SpanCalendar::dayOf(const CalendarDate& date) const
{
    if (!julian_)
        return dayNumberOf(date);
    const long long julianDay = julianDayNumberOf(date);
    return julianDay < firstGregorianDay_ ? julianDay : dayNumberOf(date);
}

SpanCalendar ageCalendarFor(CalendarSystem recordCalendar, long long recordDay,
                            std::optional<long long> firstGregorianDay)
{
    if (recordCalendar != CalendarSystem::Julian)
        return SpanCalendar(CalendarSystem::Gregorian);
    if (firstGregorianDay && recordDay < *firstGregorianDay)
        return SpanCalendar(CalendarSystem::Julian, *firstGregorianDay);
    return SpanCalendar(CalendarSystem::Julian);
}

SpanCalendar ageCalendarFor(const RecordCalendar& record, long long recordDay, bool fromFirst)
{
    return ageCalendarFor(fromFirst ? record.first : record.last, recordDay, record.firstGregorianDay);
}

} // namespace spanwright
