#include "treecheckfile.h"

#include "familytreereader.h"
#include "statedagerules.h"

namespace spanwright {

long long TreeCheckSummary::total() const
{
    long long sum = 0;
    for (const auto& byCertainty : findings)
        sum += byCertainty[0] + byCertainty[1];
    return sum;
}

void TreeCheckSummary::count(const TreeFinding& finding)
{
    ++findings[static_cast<std::size_t>(finding.rule)][finding.certainty == Certainty::Certain ? 1 : 0];
}

namespace {

// Merges the findings of more into findings, both in the order of their
// people, a person's findings in findings first.
void mergeByPerson(std::vector<TreeFinding>& findings, std::vector<std::uint32_t>& people,
                   std::vector<TreeFinding> more, const std::vector<std::uint32_t>& morePeople)
{
    if (more.empty())
        return;
    std::vector<TreeFinding> merged;
    std::vector<std::uint32_t> mergedPeople;
    merged.reserve(findings.size() + more.size());
    mergedPeople.reserve(merged.capacity());
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < findings.size() || j < more.size()) {
        const bool takeFirst = j == more.size() || (i < findings.size() && people[i] <= morePeople[j]);
        merged.push_back(std::move(takeFirst ? findings[i] : more[j]));
        mergedPeople.push_back(takeFirst ? people[i++] : morePeople[j++]);
    }
    findings = std::move(merged);
    people = std::move(mergedPeople);
}

} // namespace

bool checkGedcomTree(std::FILE* in, std::string_view fileName, const TreeCheckOptions& options,
                     std::ostream& warnings, const TreeFindingSink& sink, TreeCheckSummary& summary)
{
    FamilyTree tree;
    GedcomDateReadings dates(options.calendar);
    // The stated ages are checked as each record ends, since the report's
    // reading of a record is not kept.
    std::vector<TreeFinding> statedAges;
    std::vector<std::uint32_t> statedAgePeople;
    std::vector<TreeFinding> found; // a record's, reused
    std::vector<bool> statedAgeWeighed; // by person: see addStatedAgesFindings
    const auto checkStatedAge = [&](std::uint32_t person, const GedcomIndividual& individual,
                                    const GedcomEncoding& encoding) {
        found.clear();
        if (weighsStatedAge(individual)) {
            statedAgeWeighed.resize(person + 1, false);
            statedAgeWeighed[person] = true;
        }
        if (options.uses(TreeRule::StatedAge)) {
            if (std::optional<TreeFinding> finding = statedAgeFinding(individual, dates))
                found.push_back(std::move(*finding));
        }
        for (TreeFinding& finding : found) {
            // The record's texts are in the file's character set; the
            // detail's own words are ASCII, the same in each.
            if (encoding.kind() != GedcomEncoding::Kind::Utf8) {
                for (std::string* text : {&finding.individual, &finding.detail}) {
                    std::string decoded;
                    encoding.decode(*text, decoded);
                    *text = std::move(decoded);
                }
            }
            statedAges.push_back(std::move(finding));
            statedAgePeople.push_back(person);
        }
    };
    if (!readFamilyTree(in, fileName, warnings, tree, checkStatedAge, options.calendar, &summary.problems, &dates))
        return false;
    // The ages a person's families state are known only at the end.
    std::vector<TreeFinding> narrowed;
    std::vector<std::uint32_t> narrowedPeople;
    addStatedAgesFindings(tree, options, statedAgeWeighed, narrowed, narrowedPeople, dates);
    mergeByPerson(statedAges, statedAgePeople, std::move(narrowed), narrowedPeople);
    summary.people = static_cast<long long>(tree.people.size());
    summary.families = static_cast<long long>(tree.families.size());
    summary.bytesHeld = tree.bytesHeld();
    checkTree(tree, options, statedAges, statedAgePeople, [&](const TreeFinding& finding) {
        summary.count(finding);
        sink(finding);
    });
    return true;
}

} // namespace spanwright
