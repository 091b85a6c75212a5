#include "agecolumns.h"

#include "dateprinting.h"
#include "parallelrows.h"

namespace spanwright::python {

namespace {

bool holdsYear(const CalendarDate& date)
{
    return date.year >= FirstDateYear && date.year <= LastDateYear;
}

// Why an answered row has no dates: "born_earliest 3/15/44 BC is outside
// the years 1 to 9999 of datetime.date".
std::string outsideYearsNote(AgeDirection direction, const AgeAnswer& answer, const DateReadOptions& options)
{
    const bool earliestOutside = !holdsYear(answer.firstDate());
    const std::string column = std::string(direction == AgeDirection::Born ? "born_" : "died_")
        + (earliestOutside ? "earliest" : "latest");
    const CalendarDate outside = earliestOutside ? answer.firstDate() : answer.lastDate();
    return column + " " + calendarDateTextIn(outside, options.order) + " is outside the years "
        + std::to_string(FirstDateYear) + " to " + std::to_string(LastDateYear) + " of datetime.date";
}

} // namespace

AgeColumns ageColumns(AgeDirection direction, const std::vector<std::string>& dates,
                      const std::vector<std::string>& ages, const DateReadOptions& options, bool exact)
{
    const size_t rows = dates.size();
    AgeColumns columns;
    columns.earliest.resize(rows);
    columns.latest.resize(rows);
    columns.count.assign(rows, 0);
    columns.error.resize(rows);
    // vector<bool> cannot be written from several threads.
    std::vector<char> dated(rows, 0);
    std::vector<char> counted(rows, 0);
    const std::vector<RowStretch> stretches = rowStretches(rows);
    forStretchesInParallel(stretches, [&](size_t stretch) {
        for (size_t i = stretches[stretch].first; i < stretches[stretch].last; ++i) {
            const Result<AgeAnswer> answered = answerAgeQuestion({direction, dates[i], ages[i], options, exact});
            // As the batch's row: a date or an age not read has no count, an
            // age no date gives has 0.
            if (!answered) {
                counted[i] = answered.problem().kind != ProblemKind::NotRead;
                columns.error[i] = answered.problem().message;
                continue;
            }
            const AgeAnswer& answer = *answered;
            counted[i] = 1;
            columns.count[i] = answer.count;
            columns.earliest[i] = answer.firstDate();
            columns.latest[i] = answer.lastDate();
            dated[i] = holdsYear(columns.earliest[i]) && holdsYear(columns.latest[i]);
            if (!dated[i])
                columns.error[i] = outsideYearsNote(direction, answer, options);
        }
    });
    columns.dated.assign(dated.begin(), dated.end());
    columns.counted.assign(counted.begin(), counted.end());
    return columns;
}

} // namespace spanwright::python
