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
    static const CalendarEnds julianEnds{julianDayNumberOf({EarliestSpanYear, 1, 1}),
                                         julianDayNumberOf({LastCalendarYear, December, LastDayOfDecember})};
    static const CalendarEnds gregorianEnds{dayNumberOf({EarliestSpanYear, 1, 1}), lastCalendarDay()};
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
