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
    std::vector<bool> statedAgeWeighed; // by person: see StatedAgesFindings
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
            // Held until the check comes to the person: a detail built
            // by appending holds up to twice its length, and a tree of a
            // million people has a hundred thousand such findings.
            finding.detail.shrink_to_fit();
            statedAges.push_back(std::move(finding));
            statedAgePeople.push_back(person);
        }
    };
    if (!readFamilyTree(in, fileName, warnings, tree, checkStatedAge, options.calendar, &summary.problems, &dates))
        return false;
    summary.people = static_cast<long long>(tree.people.size());
    summary.families = static_cast<long long>(tree.families.size());
    summary.bytesHeld = tree.bytesHeld();
    // The ages a person's families state are known only at the end: the
    // findings on all of a person's stated ages are made as the check comes
    // to the person, after those made as the file was read.
    StatedAgesFindings narrowing(tree, options, statedAgeWeighed, dates);
    std::size_t next = 0;
    const auto statedAgeFindings = [&](std::uint32_t person, std::vector<TreeFinding>& findings) {
        for (; next < statedAgePeople.size() && statedAgePeople[next] == person; ++next)
            findings.push_back(std::move(statedAges[next]));
        narrowing.addFindingsOf(person, findings);
    };
    checkTree(tree, options, statedAgeFindings, [&](const TreeFinding& finding) {
        summary.count(finding);
        sink(finding);
    });
    return true;
}

} // namespace spanwright
