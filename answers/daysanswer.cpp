#include "daysanswer.h"

#include "calendarlines.h"
#include "datereading.h"
#include "spancalculation.h"

#include <optional>
#include <utility>

namespace spanwright {

DaysBetween daysBetween(const DateReading& begin, const DateReading& end)
{
    DaysBetween between;
    if (begin.days.latest && end.days.earliest)
        between.fewest = *end.days.earliest - *begin.days.latest;
    if (begin.days.earliest && end.days.latest)
        between.most = *end.days.latest - *begin.days.earliest;
    between.approximate = begin.approximate || end.approximate;
    return between;
}

std::optional<std::string> daysBetweenText(const DateReading& begin, const DateReading& end)
{
    const DaysBetween between = daysBetween(begin, end);
    if (begin.exact() && end.exact())
        return std::to_string(*between.fewest);
    if (!between.bounded())
        return std::nullopt;
    const auto text = [](std::optional<long long> days) {
        return days ? std::optional<std::string>(std::to_string(*days)) : std::nullopt;
    };
    return boundsText(text(between.fewest), text(between.most), between.approximate);
}

Result<DaysLines> answerDays(std::string_view beginText, std::string_view endText, const DateReadOptions& options)
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
        return Problem{ProblemKind::NoAnswer, std::string(UnboundedDaysMessage)};
    DaysLines answer;
    answer.lines.push_back(std::move(*days));
    for (const auto& [role, reading] : {std::pair{"begin", &begin}, std::pair{"end", &end}}) {
        std::string line = calendarLine(role, *reading);
        if (!line.empty())
            answer.lines.push_back(std::move(line));
    }
    return answer;
}

} // namespace spanwright
