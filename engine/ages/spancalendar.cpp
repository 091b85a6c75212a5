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

namespace {

// The calendar's first and last days, worked out once: an age search makes
// a span calendar for every record it reads.
struct CalendarEnds
{
    Day first;
    Day last;
};

const CalendarEnds& endsOf(bool julian)
{
    static const CalendarEnds julianEnds{julianDayOf({EarliestSpanYear, 1, 1}),
                                         julianDayOf({LastCalendarYear, December, LastDayOfDecember})};
    static const CalendarEnds gregorianEnds{dayOf({EarliestSpanYear, 1, 1}), lastCalendarDay()};
    return julian ? julianEnds : gregorianEnds;
}

} // namespace

SpanCalendar::SpanCalendar(CalendarSystem system)
    : julian_(system == CalendarSystem::Julian), firstDay_(endsOf(julian_).first), lastDay_(endsOf(julian_).last)
{
}

SpanCalendar::SpanCalendar(CalendarSystem system, Day firstGregorianDay) : SpanCalendar(system)
{
    firstGregorianDay_ = firstGregorianDay;
}

CalendarSystem SpanCalendar::systemOf(Day day) const
{
    return julian_ && day < firstGregorianDay_ ? CalendarSystem::Julian : CalendarSystem::Gregorian;
}

YearsMonthsDays SpanCalendar::span(Day begin, Day end) const
{
    if (systemOf(end) == CalendarSystem::Julian)
        return spanBetween(julianDateOf(begin), julianDateOf(end), CalendarSystem::Julian);
    return spanBetween(spanwright::dateOf(begin), spanwright::dateOf(end));
}

CalendarDate SpanCalendar::dateOf(Day day) const
{
    return systemOf(day) == CalendarSystem::Julian ? julianDateOf(day) : spanwright::dateOf(day);
}

Day SpanCalendar::dayOf(const CalendarDate& date) const
{
    if (!julian_)
        return spanwright::dayOf(date);
    const Day julianDay = julianDayOf(date);
    return julianDay < firstGregorianDay_ ? julianDay : spanwright::dayOf(date);
}

SpanCalendar ageCalendarFor(CalendarSystem recordCalendar, Day recordDay,
                            std::optional<Day> firstGregorianDay)
{
    if (recordCalendar != CalendarSystem::Julian)
        return SpanCalendar(CalendarSystem::Gregorian);
    if (firstGregorianDay && recordDay < *firstGregorianDay)
        return SpanCalendar(CalendarSystem::Julian, *firstGregorianDay);
    return SpanCalendar(CalendarSystem::Julian);
}

SpanCalendar ageCalendarFor(const RecordCalendar& record, Day recordDay, bool fromFirst)
{
    return ageCalendarFor(fromFirst ? record.first : record.last, recordDay, record.firstGregorianDay);
}

} // namespace spanwright
