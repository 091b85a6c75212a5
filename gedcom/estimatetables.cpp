#include "estimatetables.h"

#include "calendars/calendardate.h"
#include "text/csvfield.h"
#include "estimatetext.h"
#include "gedcomtext.h"
#include "jsontext.h"

#include <array>

namespace spanwright {

namespace {

std::string cleanText(std::string_view text)
{
    std::string clean;
    appendReportText(clean, text, true);
    return clean;
}

} // namespace

void appendCensusCheck(std::string& out, const FamilyTree& tree, const TreeEvents& events, const CensusCheck& check,
                       bool json)
{
    const std::array<std::string, 7> fields = {
        cleanText(tree.text(tree.people[check.person].id)), cleanText(events.names[check.person]),
        censusName(*check.census), calendarDateText(check.census->day), check.certainlyAlive ? "certain" : "possible",
        check.recorded ? "yes" : "no", check.age};
    std::string_view keys = CensusHeader;
    out.append(json ? "{" : "");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t comma = keys.find(',');
        if (i > 0)
            out.push_back(',');
        if (json) {
            appendJsonText(out, keys.substr(0, comma));
            out.push_back(':');
            appendJsonText(out, fields[i]);
        } else {
            appendCsvField(out, fields[i]);
        }
        keys.remove_prefix(comma == std::string_view::npos ? keys.size() : comma + 1);
    }
    out.append(json ? "}" : "\n");
}

bool estimateTables(std::FILE* in, std::string_view fileName, const EstimateTableChoice& choice,
                    std::ostream& warnings, EstimateTables& tables)
{
    FamilyTree tree;
    TreeEvents events;
    RereadableFile file(in, fileName, warnings);
    if (!file.ok() || !readTreeWithEvents(file, fileName, warnings, choice.reading, tree, events))
        return false;
    const TreeEstimate estimate = estimateTree(tree, events, choice.assumptions, choice.reading);
    tables.settled = estimate.settled;
    tables.estimates.assign(EstimateHeader).push_back('\n');
    for (std::uint32_t person = 0; person < tree.people.size(); ++person)
        appendEstimateCsv(tables.estimates, tree, events, estimate, person, choice.assumptions);
    tables.census.assign(CensusHeader).push_back('\n');
    for (const CensusCheck& check : censusChecklist(tree, events, estimate, choice.country, choice.missingOnly))
        appendCensusCheck(tables.census, tree, events, check, false);
    return true;
}

} // namespace spanwright
