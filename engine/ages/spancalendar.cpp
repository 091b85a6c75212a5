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
    long long first;
    long long last;
};

const CalendarEnds& endsOf(bool julian)
{
    static const CalendarEnds julianEnds{julianDayOf({EarliestSpanYear, 1, 1}).number(),
                                         julianDayOf({LastCalendarYear, December, LastDayOfDecember}).number()};
    static const CalendarEnds gregorianEnds{dayOf({EarliestSpanYear, 1, 1}).number(), lastCalendarDay().number()};
    return julian ? julianEnds : gregorianEnds;
}

} // namespace

SpanCalendar::SpanCalendar(CalendarSystem system)
    : julian_(system == CalendarSystem::Julian), firstDay_(endsOf(julian_).first), lastDay_(endsOf(julian_).last)
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
        return spanBetween(julianDateOf(Day(begin)), julianDateOf(Day(end)), CalendarSystem::Julian);
    return spanBetween(spanwright::dateOf(Day(begin)), spanwright::dateOf(Day(end)));
}

CalendarDate SpanCalendar::dateOf(long long day) const
{
    return systemOf(day) == CalendarSystem::Julian ? julianDateOf(Day(day)) : spanwright::dateOf(Day(day));
}

long long SpanCalendar::dayOf(const CalendarDate& date) const
{
    if (!julian_)
        return spanwright::dayOf(date).number();
    const long long julianDay = julianDayOf(date).number();
    return julianDay < firstGregorianDay_ ? julianDay : spanwright::dayOf(date).number();
}

SpanCalendar ageCalendarFor(CalendarSystem recordCalendar, long long recordDay,
                            std::optional<Day> firstGregorianDay)
{
    if (recordCalendar != CalendarSystem::Julian)
        return SpanCalendar(CalendarSystem::Gregorian);
    if (firstGregorianDay && recordDay < firstGregorianDay->number())
        return SpanCalendar(CalendarSystem::Julian, firstGregorianDay->number());
    return SpanCalendar(CalendarSystem::Julian);
}

SpanCalendar ageCalendarFor(const RecordCalendar& record, long long recordDay, bool fromFirst)
{
    return ageCalendarFor(fromFirst ? record.first : record.last, recordDay, record.firstGregorianDay);
}

} // namespace spanwright
