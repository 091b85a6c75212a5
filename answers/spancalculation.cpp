#include "spancalculation.h"

#include "calendardate.h"
#include "datereading.h"

namespace {

DateFields fieldsOfDay(long long dayNumber)
{
    return dateFieldsOf(dateOfDayNumber(dayNumber));
}

} // namespace

SpanCalculation calculateSpan(std::string_view beginText, std::string_view endText, const DateReadOptions& options,
                              std::string_view beginRole, std::string_view endRole)
{
    SpanCalculation result;
    DateReading end;
    DateReading begin;
    result.problem = readDateFor(endRole, endText, options, end);
    if (result.problem.empty())
        result.problem = readDateFor(beginRole, beginText, options, begin);
    if (!result.problem.empty()) {
        result.status = ExitUsage;
        return result;
    }
    // An open side stands at the calendar's end: no span can pass it.
    const long long beginEarliest = begin.earliest.value_or(firstCalendarDay());
    const long long beginLatest = begin.latest.value_or(lastCalendarDay());
    const long long endEarliest = end.earliest.value_or(firstCalendarDay());
    const long long endLatest = end.latest.value_or(lastCalendarDay());
    if (endLatest < beginEarliest) {
        result.status = ExitNoAnswer;
        result.problem = EndBeforeBeginMessage;
        return result;
    }
    result.approximate = begin.approximate || end.approximate;
    result.exact = beginEarliest == beginLatest && endEarliest == endLatest && begin.earliest && end.latest;
    if (endEarliest >= beginLatest)
        result.span = elapsedSpan(fieldsOfDay(beginLatest), fieldsOfDay(endEarliest));
    if (begin.earliest && end.latest)
        result.greatest = elapsedSpan(fieldsOfDay(beginEarliest), fieldsOfDay(endLatest));
    return result;
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
