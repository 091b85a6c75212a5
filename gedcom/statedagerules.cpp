#include "statedagerules.h"

#include "asciitext.h"
#include "statedages.h"

#include <limits>

namespace {

constexpr long long NoEarliest = std::numeric_limits<long long>::min();
constexpr long long NoLatest = std::numeric_limits<long long>::max();

bool anyAbout(const StatedAgeNarrowing& narrowed)
{
    for (const BirthWindow& window : narrowed.windows) {
        if (window.about)
            return true;
    }
    return false;
}

// "CENS 1851 left out, the others giving 4/8/1816 through 1/12/1817", for
// each of the largest agreeing sets.
std::string choicesText(const StatedAgeNarrowing& narrowed)
{
    std::string text;
    const Narrowing& narrowing = narrowed.narrowing;
    for (size_t i = 0; i < narrowing.largestSets.size(); ++i) {
        const AgreeingSet& set = narrowing.largestSets[i];
        text.append(i == 0 ? "" : "; or ")
            .append(eventNames(narrowed, set.leftOut))
            .append(" left out, the others giving ")
            .append(birthWindowText(set.window));
    }
    if (narrowing.moreSets > 0)
        text.append("; or ").append(std::to_string(narrowing.moreSets)).append(" other choices");
    return text;
}

std::vector<size_t> allEvents(const StatedAgeNarrowing& narrowed)
{
    std::vector<size_t> indices(narrowed.names.size());
    for (size_t i = 0; i < indices.size(); ++i)
        indices[i] = i;
    return indices;
}

} // namespace

Certainty birthOutsideWindow(const GedcomDate& birth, const BirthWindow& window)
{
    if (!birth.ok)
        return Certainty::None;
    const long long windowFirst = window.first ? *window.first : NoEarliest;
    const long long windowLast = window.last ? *window.last : NoLatest;
    const long long birthFirst = birth.earliest ? *birth.earliest : NoEarliest;
    const long long birthLast = birth.latest ? *birth.latest : NoLatest;
    const bool certain = birthLast < windowFirst || birthFirst > windowLast;
    if (certain)
        return birth.approximate || window.about ? Certainty::Possible : Certainty::Certain;
    const GedcomDate closed = closedAtBound(birth);
    if (!closed.earliest || !closed.latest)
        return Certainty::None;
    const bool someOutside = *closed.earliest < windowFirst || *closed.latest > windowLast;
    return someOutside ? Certainty::Possible : Certainty::None;
}

void addStatedAgesFindings(const GedcomIndividual& person, const TreeCheckOptions& options,
                           std::vector<TreeFinding>& findings)
{
    const bool conflictRule = options.uses(TreeRule::StatedAgesConflict);
    const bool birthRule = options.uses(TreeRule::BirthOutsideStatedAges);
    if ((!conflictRule && !birthRule) || person.statedAgeEvents().empty())
        return;
    const StatedAgeNarrowing narrowed = narrowStatedAges(person.statedAgeEvents());
    if (narrowed.names.empty())
        return;
    const std::string events = eventNames(narrowed, allEvents(narrowed));
    if (!narrowed.narrowing.fits) {
        if (conflictRule)
            findings.push_back({TreeRule::StatedAgesConflict,
                                anyAbout(narrowed) ? Certainty::Possible : Certainty::Certain, person.id(), {},
                                "no birth date fits every stated age (" + events + "): " + choicesText(narrowed)});
        return;
    }
    if (!birthRule || !person.birth().present)
        return;
    const std::string_view birthText = trimmed(person.birth().text);
    GedcomDate birth = readGedcomDate(birthText);
    const bool christening = person.birth().tag != "BIRT";
    if (christening && birth.ok) // the birth lies on or before the christening
        birth.earliest.reset();
    const Certainty found = birthOutsideWindow(birth, narrowed.narrowing.window);
    // Children were christened days to years after the birth: a christening
    // after the window says nothing, only one before it does.
    if (found == Certainty::None || (christening && found == Certainty::Possible))
        return;
    std::string recorded = christening ? "on or before " : "";
    recorded.append(birthText);
    if (christening)
        recorded.append(" (").append(person.birth().tag).append(")");
    findings.push_back({TreeRule::BirthOutsideStatedAges, found, person.id(), {},
                        "born " + recorded + ", but the stated ages (" + events + ") give "
                            + birthWindowText(narrowed.narrowing.window)});
}
