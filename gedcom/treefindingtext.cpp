#include "treefindingtext.h"

#include "csvfield.h"
#include "gedcomtext.h"

#include <array>

namespace spanwright {

namespace {

constexpr bool Utf8 = true;
constexpr unsigned char FirstPrintable = 0x20;

void appendJsonString(std::string& out, std::string_view text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    out.push_back('"');
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (byte < FirstPrintable) {
            out.append("\\u00");
            out.push_back(Hex[byte >> 4]);
            out.push_back(Hex[byte & 0xF]);
        } else {
            out.push_back(c);
        }
    }
    out.push_back('"');
}

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
        appendJsonString(out, key);
        out.push_back(':');
        appendJsonString(out, value);
    }
    out.push_back('}');
}

} // namespace spanwright
