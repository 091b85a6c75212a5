#include "spancalculation.h"

#include "calendars/calendardate.h"
#include "calendarlines.h"
#include "datereading.h"
#include "calendars/juliancalendar.h"
#include "ages/spancalendar.h"

#include <utility>

namespace spanwright {

namespace {

// A reading's calendar for the span: a range across two calendars counts as
// Gregorian.
CalendarSystem spanSideOf(const DateReading& reading)
{
    return reading.oneCalendar() ? reading.calendar : CalendarSystem::Gregorian;
}

YearsMonthsDays spanOfDays(Day begin, Day end, bool julian)
{
    if (julian)
        return spanBetween(julianDateOf(begin), julianDateOf(end), CalendarSystem::Julian);
    return spanBetween(dateOf(begin), dateOf(end));
}

} // namespace

Result<SpanCalculation> calculateSpan(std::string_view beginText, std::string_view endText,
                                      const DateReadOptions& options, std::string_view beginRole,
                                      std::string_view endRole)
{
    Result<DateReading> endReading = readDateFor(endRole, endText, options);
    if (!endReading)
        return endReading.problem();
    Result<DateReading> beginReading = readDateFor(beginRole, beginText, options);
    if (!beginReading)
        return beginReading.problem();
    SpanCalculation result;
    DateReading& end = result.end = std::move(*endReading);
    DateReading& begin = result.begin = std::move(*beginReading);
    // An open side stands at the calendar's end: no span can pass it.
    const Day beginEarliest = begin.days.earliest.value_or(earliestReadDay());
    const Day beginLatest = begin.days.latest.value_or(lastCalendarDay());
    const Day endEarliest = end.days.earliest.value_or(earliestReadDay());
    const Day endLatest = end.days.latest.value_or(lastCalendarDay());
    if (endLatest < beginEarliest)
        return Problem{ProblemKind::NoAnswer, std::string(EndBeforeBeginMessage)};
    result.julian = spanCalendarFor(spanSideOf(begin), spanSideOf(end)) == CalendarSystem::Julian;
    result.approximate = begin.approximate || end.approximate;
    result.exact = beginEarliest == beginLatest && endEarliest == endLatest && !begin.days.openBefore()
        && !end.days.openAfter();
    if (endEarliest >= beginLatest)
        result.span = spanOfDays(beginLatest, endEarliest, result.julian);
    if (!begin.days.openBefore() && !end.days.openAfter())
        result.greatest = spanOfDays(beginEarliest, endLatest, result.julian);
    return result;
}

std::vector<std::string> spanCalendarLines(const SpanCalculation& calculation)
{
    std::vector<std::string> lines;
    for (const auto& [role, reading] : {std::pair{"begin", &calculation.begin}, std::pair{"end", &calculation.end}}) {
        std::string line = calendarLine(role, *reading);
        if (!line.empty())
            lines.push_back(std::move(line));
    }
    return lines;
}

std::string boundsText(const std::optional<std::string>& least, const std::optional<std::string>& greatest,
                       bool approximate)
{
    std::string text = approximate ? "about: " : "";
    if (least && greatest && *least == *greatest)
        return text + *least;
    if (least)
        text += "at least " + *least;
    if (greatest)
        text += (least ? ", at most " : "at most ") + *greatest;
    return text;
}

} // namespace spanwright
