#include "treecheckfile.h"

#include "familytreereader.h"
#include "statedagerules.h"

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

bool checkGedcomTree(std::FILE* in, std::string_view fileName, const TreeCheckOptions& options,
                     std::ostream& warnings, const TreeFindingSink& sink, TreeCheckSummary& summary)
{
    FamilyTree tree;
    // The stated ages are checked as each record ends, since the report's
    // reading of a record is not kept.
    std::vector<TreeFinding> statedAges;
    std::vector<std::uint32_t> statedAgePeople;
    std::vector<TreeFinding> found; // a record's, reused
    const auto checkStatedAge = [&](std::uint32_t person, const GedcomIndividual& individual,
                                    const GedcomEncoding& encoding) {
        found.clear();
        if (options.uses(TreeRule::StatedAge)) {
            if (std::optional<TreeFinding> finding = statedAgeFinding(individual, options.calendar))
                found.push_back(std::move(*finding));
        }
        addStatedAgesFindings(individual, options, found);
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
    if (!readFamilyTree(in, fileName, warnings, tree, checkStatedAge, options.calendar, &summary.problems))
        return false;
    summary.people = static_cast<long long>(tree.people.size());
    summary.families = static_cast<long long>(tree.families.size());
    summary.bytesHeld = tree.bytesHeld();
    checkTree(tree, options, statedAges, statedAgePeople, [&](const TreeFinding& finding) {
        summary.count(finding);
        sink(finding);
    });
    return true;
}
