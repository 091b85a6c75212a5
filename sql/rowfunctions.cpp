#include "rowfunctions.h"

#include "ageanswer.h"
#include "dateprinting.h"
#include "datereading.h"
#include "spancalculation.h"

namespace spanwright {

namespace {

bool isIsoYear(long long year) { return year >= FirstIsoYear && year <= LastIsoYear; }

DatesRowAnswer datesRow(AgeDirection direction, std::string_view date, std::string_view age)
{
    const DateReadOptions reading;
    const Result<AgeAnswer> answer = answerAgeQuestion({direction, date, age, reading, false});
    DatesRowAnswer row;
    if (!answer && answer.problem().kind == ProblemKind::NotRead) {
        row.error = answer.problem().message;
        return row;
    }
    row.count = answer ? answer->count : 0;
    if (!answer) {
        row.error = answer.problem().message;
        return row;
    }
    const CalendarDate first = answer->firstDate();
    const CalendarDate last = answer->lastDate();
    // The batch writes such a date with its era ("15/3/44 BC"); an ISO date
    // has none, so the row gets no dates and says why rather than a date a
    // database would read as another year.
    if (!isIsoYear(first.year) || !isIsoYear(last.year)) {
        row.error = "the dates allowed, " + calendarDateTextIn(first, reading.order) + " to "
            + calendarDateTextIn(last, reading.order) + ", lie outside the years "
            + std::to_string(FirstIsoYear) + " to " + std::to_string(LastIsoYear) + " an ISO date can hold";
        return row;
    }
    row.earliest = first;
    row.latest = last;
    return row;
}

} // namespace

SpanRowAnswer spanRow(std::string_view begin, std::string_view end, Notation notation)
{
    const Result<SpanCalculation> calculated = calculateSpan(begin, end, DateReadOptions{});
    SpanRowAnswer row;
    if (!calculated) {
        row.error = calculated.problem().message;
        return row;
    }
    const SpanCalculation& calculation = *calculated;
    ResultEntries entries;
    entries.compose(calculation.span);
    if (calculation.exact && !calculation.approximate) {
        row.span = std::string(entries.entry(notation));
        return row;
    }
    // As the batch: no single span, so its bounds.
    std::optional<std::string> most;
    if (calculation.greatest) {
        ResultEntries greatest;
        greatest.compose(*calculation.greatest);
        most = std::string(greatest.entry(notation));
    }
    row.span = boundsText(std::string(entries.entry(notation)), most, calculation.approximate);
    return row;
}

std::optional<long long> daysRow(std::string_view begin, std::string_view end)
{
    const DateReadOptions options;
    const DateResult beginReading = readDate(begin, options);
    const DateResult endReading = readDate(end, options);
    if (!beginReading || !endReading || !beginReading->exact() || !endReading->exact())
        return std::nullopt;
    return *endReading->days.earliest - *beginReading->days.earliest;
}

DatesRowAnswer bornRow(std::string_view end, std::string_view age)
{
    return datesRow(AgeDirection::Born, end, age);
}

DatesRowAnswer diedRow(std::string_view begin, std::string_view age)
{
    return datesRow(AgeDirection::Died, begin, age);
}

std::string isoDateText(const CalendarDate& date)
{
    return calendarDateTextIn(date, DateOrder::YearFirst);
}

} // namespace spanwright
