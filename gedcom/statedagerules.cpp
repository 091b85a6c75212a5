#include "statedagerules.h"

#include "text/asciitext.h"
#include "statedages.h"

namespace spanwright {

namespace {

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
    if (!birth.hasDays())
        return Certainty::None;
    // Certain where no day of the birth's lies in the window.
    if (overlapOf(birth.days, window.days).holdsNoDay())
        return birth.approximate || window.about ? Certainty::Possible : Certainty::Certain;
    const GedcomDate closed = closedAtBound(birth);
    if (!closed.days.earliest || !closed.days.latest)
        return Certainty::None;
    const bool someOutside = !window.days.contains(*closed.days.earliest) || !window.days.contains(*closed.days.latest);
    return someOutside ? Certainty::Possible : Certainty::None;
}

namespace {

// The person's recorded birth as the rules weigh it: the BIRT, else the
// christening or baptism (on or after the birth), with its tag.
struct RecordedBirth
{
    bool present = false;
    GedcomDate date;
    std::string_view text;
    std::string_view tag;
};

RecordedBirth recordedBirthOf(const FamilyTree& tree, const TreePerson& person)
{
    RecordedBirth birth;
    const TreeDate& date = person.birth.present ? person.birth : person.christening;
    if (!date.present)
        return birth;
    birth.present = true;
    birth.date = date.gedcomDate();
    birth.text = tree.text(date.text);
    birth.tag = person.birth.present ? "BIRT" : person.baptism ? "BAPM" : "CHR";
    return birth;
}

void addPersonFindings(const FamilyTree& tree, std::uint32_t index, const std::vector<StatedAgeEvent>& events,
                       bool fromCutFamily, bool statedAgeWeighed, const TreeCheckOptions& options,
                       std::vector<TreeFinding>& findings, GedcomDateReadings& dates)
{
    const bool conflictRule = options.uses(TreeRule::StatedAgesConflict);
    const bool birthRule = options.uses(TreeRule::BirthOutsideStatedAges);
    const TreePerson& person = tree.people[index];
    const std::string_view deathDate = person.death.present ? tree.text(person.death.text) : std::string_view();
    const StatedAgeNarrowing narrowed = narrowStatedAges(events, dates, deathDate);
    if (narrowed.names.empty())
        return;
    const std::string id(tree.text(person.id));
    const std::string eventsText = eventNames(narrowed, allEvents(narrowed));
    const auto certainty = [&](Certainty found) {
        return found == Certainty::Certain && fromCutFamily ? Certainty::Possible : found;
    };
    if (!narrowed.narrowing.fits) {
        if (conflictRule)
            findings.push_back({TreeRule::StatedAgesConflict,
                                certainty(anyAbout(narrowed) ? Certainty::Possible : Certainty::Certain), id, {},
                                "no birth date fits every stated age (" + eventsText + "): " + choicesText(narrowed)});
        return;
    }
    // A death's age alone that stated_age weighs against the birth is its.
    const std::string& onlyTag = events[narrowed.eventIndices.front()].tag;
    const bool deathAgeAlone = narrowed.names.size() == 1 && isEndingTag(onlyTag);
    const RecordedBirth recorded = recordedBirthOf(tree, person);
    if (!birthRule || !recorded.present || (deathAgeAlone && statedAgeWeighed && options.uses(TreeRule::StatedAge)))
        return;
    GedcomDate birth = recorded.date;
    const bool christening = recorded.tag != "BIRT";
    if (christening) // the birth lies on or before the christening
        birth.days.earliest.reset();
    const Certainty found = birthOutsideWindow(birth, narrowed.narrowing.window);
    // Children were christened days to years after the birth: a christening
    // after the window says nothing, only one before it does.
    if (found == Certainty::None || (christening && found == Certainty::Possible))
        return;
    std::string text = christening ? "on or before " : "";
    text.append(recorded.text);
    if (christening)
        text.append(" (").append(recorded.tag).append(")");
    findings.push_back({TreeRule::BirthOutsideStatedAges, certainty(found), id, {},
                        "born " + text + ", but the stated ages (" + eventsText + ") give "
                            + birthWindowText(narrowed.narrowing.window)});
}

} // namespace

void addStatedAgesFindings(const FamilyTree& tree, const TreeCheckOptions& options,
                           const std::vector<bool>& statedAgeWeighed, std::vector<TreeFinding>& findings,
                           std::vector<std::uint32_t>& people, GedcomDateReadings& dates)
{
    if (!options.uses(TreeRule::StatedAgesConflict) && !options.uses(TreeRule::BirthOutsideStatedAges))
        return;
    std::vector<StatedAgeEvent> events; // one person's, reused
    const std::vector<TreeStatedAge>& ages = tree.statedAges;
    for (std::size_t first = 0; first < ages.size();) {
        const std::uint32_t person = ages[first].person;
        events.clear();
        bool fromCutFamily = false;
        std::size_t next = first;
        for (; next < ages.size() && ages[next].person == person; ++next) {
            const TreeStatedAge& age = ages[next];
            events.push_back({std::string(tree.text(age.tag)), std::string(tree.text(age.date)),
                              std::string(tree.text(age.age)), std::string(tree.text(age.place)), {}});
            fromCutFamily = fromCutFamily || (age.family != NoOne && age.family == tree.cutFamily);
        }
        const bool weighed = person < statedAgeWeighed.size() && statedAgeWeighed[person];
        addPersonFindings(tree, person, events, fromCutFamily, weighed, options, findings, dates);
        people.resize(findings.size(), person);
        first = next;
    }
}

} // namespace spanwright
