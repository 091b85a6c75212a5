#include "estimatetext.h"

#include "calendars/calendardate.h"
#include "text/csvfield.h"
#include "gedcomtext.h"
#include "jsontext.h"

#include <array>

namespace spanwright {

std::string boundDayText(std::int32_t day)
{
    if (day == NoEarliest || day == NoLatest)
        return {};
    return calendarDateText(dateOf(Day(day)));
}

namespace {

constexpr std::size_t EstimateColumns = 13;
using EstimateFields = std::array<std::string, EstimateColumns>;

std::string cleanText(std::string_view text)
{
    std::string clean;
    appendReportText(clean, text, true);
    return clean;
}

std::string writtenDate(const FamilyTree& tree, const TreeDate& date)
{
    return date.present ? cleanText(tree.text(date.text)) : std::string();
}

EstimateFields fieldsOf(const FamilyTree& tree, const TreeEvents& events, const TreeEstimate& estimate,
                        std::uint32_t index, const EstimateAssumptions& assumptions)
{
    const TreePerson& person = tree.people[index];
    const PersonEstimate& bounds = estimate.people[index];
    std::string reasons = reasonsText(bounds.certainReasons, bounds.likelyReasons, assumptions);
    if (bounds.birth.contradicted || bounds.death.contradicted)
        reasons.append(reasons.empty() ? "" : "; ").append("the tree's own dates contradict each other");
    else if (bounds.assumptionsFail)
        reasons.append(reasons.empty() ? "" : "; ").append("the assumptions do not all fit: likely as certain");
    return {cleanText(tree.text(person.id)),
            index < events.names.size() ? cleanText(events.names[index]) : std::string(),
            writtenDate(tree, person.birth),
            boundDayText(bounds.birth.earliest),
            boundDayText(bounds.birth.latest),
            boundDayText(bounds.likelyBirth.earliest),
            boundDayText(bounds.likelyBirth.latest),
            writtenDate(tree, person.death),
            boundDayText(bounds.death.earliest),
            boundDayText(bounds.death.latest),
            boundDayText(bounds.likelyDeath.earliest),
            boundDayText(bounds.likelyDeath.latest),
            reasons};
}

} // namespace

void appendEstimateCsv(std::string& out, const FamilyTree& tree, const TreeEvents& events,
                       const TreeEstimate& estimate, std::uint32_t person, const EstimateAssumptions& assumptions)
{
    const EstimateFields fields = fieldsOf(tree, events, estimate, person, assumptions);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out.push_back(',');
        appendCsvField(out, fields[i]);
    }
    out.push_back('\n');
}

void appendEstimateJson(std::string& out, const FamilyTree& tree, const TreeEvents& events,
                        const TreeEstimate& estimate, std::uint32_t person, const EstimateAssumptions& assumptions)
{
    const EstimateFields fields = fieldsOf(tree, events, estimate, person, assumptions);
    std::string_view keys = EstimateHeader;
    out.push_back('{');
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t comma = keys.find(',');
        if (i > 0)
            out.push_back(',');
        appendJsonText(out, keys.substr(0, comma));
        out.push_back(':');
        // A bound's open end is null; a text, even empty, a string.
        const bool bound = i != 0 && i != 1 && i != 2 && i != 7 && i != 12;
        if (bound && fields[i].empty())
            out.append("null");
        else
            appendJsonText(out, fields[i]);
        keys.remove_prefix(comma == std::string_view::npos ? keys.size() : comma + 1);
    }
    out.push_back('}');
}

} // namespace spanwright
