#include "daysanswer.h"

#include "calendarlines.h"
#include "datereading.h"
#include "spancalculation.h"

#include <optional>
#include <utility>

namespace spanwright {

std::optional<std::string> daysBetweenText(const DateReading& begin, const DateReading& end)
{
    if (begin.exact() && end.exact())
        return std::to_string(*end.days.earliest - *begin.days.earliest);
    // The fewest days from the latest begin to the earliest end, the most
    // from the earliest begin to the latest end; an open side leaves its
    // bound out.
    std::optional<std::string> least;
    std::optional<std::string> most;
    if (begin.days.latest && end.days.earliest)
        least = std::to_string(*end.days.earliest - *begin.days.latest);
    if (begin.days.earliest && end.days.latest)
        most = std::to_string(*end.days.latest - *begin.days.earliest);
    if (!least && !most)
        return std::nullopt;
    return boundsText(least, most, begin.approximate || end.approximate);
}

Result<DaysAnswer> answerDays(std::string_view beginText, std::string_view endText, const DateReadOptions& options)
{
    const Result<DateReading> beginReading = readDateFor("begin date", beginText, options);
    const Result<DateReading> endReading = beginReading ? readDateFor("end date", endText, options)
                                                        : Result<DateReading>(beginReading.problem());
    if (!endReading)
        return endReading.problem();
    const DateReading& begin = *beginReading;
    const DateReading& end = *endReading;
    std::optional<std::string> days = daysBetweenText(begin, end);
    if (!days)
        return Problem{ProblemKind::NoAnswer, "the dates leave the number of days without bound"};
    DaysAnswer answer;
    answer.lines.push_back(std::move(*days));
    for (const auto& [role, reading] : {std::pair{"begin", &begin}, std::pair{"end", &end}}) {
        std::string line = calendarLine(role, *reading);
        if (!line.empty())
            answer.lines.push_back(std::move(line));
    }
    return answer;
}

} // namespace spanwright
