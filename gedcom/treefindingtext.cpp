#include "treefindingtext.h"

#include "text/csvfield.h"
#include "gedcomtext.h"
#include "jsontext.h"

#include <array>

namespace spanwright {

namespace {

constexpr bool Utf8 = true;

std::string clean(std::string_view text)
{
    std::string result;
    appendReportText(result, text, Utf8);
    return result;
}

} // namespace

std::string_view severityName(TreeRule rule)
{
    return treeRuleIsError(rule) ? "error" : "warning";
}

void appendFindingCsv(std::string& out, const TreeFinding& finding)
{
    out.append(treeRuleName(finding.rule)).push_back(',');
    out.append(certaintyName(finding.certainty)).push_back(',');
    out.append(severityName(finding.rule)).push_back(',');
    appendCsvField(out, clean(finding.individual));
    out.push_back(',');
    appendCsvField(out, clean(finding.family));
    out.push_back(',');
    appendCsvField(out, clean(finding.detail));
    out.push_back('\n');
}

void appendFindingJson(std::string& out, const TreeFinding& finding)
{
    const std::array<std::pair<std::string_view, std::string>, 6> fields = {{
        {"rule", std::string(treeRuleName(finding.rule))},
        {"certainty", std::string(certaintyName(finding.certainty))},
        {"severity", std::string(severityName(finding.rule))},
        {"individual", clean(finding.individual)},
        {"family", clean(finding.family)},
        {"detail", clean(finding.detail)},
    }};
    out.push_back('{');
    for (const auto& [key, value] : fields) {
        if (key != fields.front().first)
            out.push_back(',');
        appendJsonText(out, key);
        out.push_back(':');
        appendJsonText(out, value);
    }
    out.push_back('}');
}

} // namespace spanwright
