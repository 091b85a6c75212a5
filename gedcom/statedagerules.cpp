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

StatedAgesFindings::StatedAgesFindings(const FamilyTree& tree, const TreeCheckOptions& options,
                                       const std::vector<bool>& statedAgeWeighed, GedcomDateReadings& dates)
    : tree_(tree), options_(options), statedAgeWeighed_(statedAgeWeighed), dates_(dates),
      used_(options.uses(TreeRule::StatedAgesConflict) || options.uses(TreeRule::BirthOutsideStatedAges))
{
}

void StatedAgesFindings::addFindingsOf(std::uint32_t person, std::vector<TreeFinding>& findings)
{
    const TreeStatedAges& ages = tree_.statedAges;
    while (next_ < ages.size() && ages[next_].person < person)
        ++next_;
    if (!used_ || next_ == ages.size() || ages[next_].person != person)
        return;
    events_.clear();
    bool fromCutFamily = false;
    for (; next_ < ages.size() && ages[next_].person == person; ++next_) {
        const TreeStatedAge& age = ages[next_];
        events_.push_back({std::string(tree_.text(age.tag)), std::string(tree_.text(age.date)),
                           std::string(tree_.text(age.age)), std::string(tree_.text(age.place)), {}});
        fromCutFamily = fromCutFamily || (age.family != NoOne && age.family == tree_.cutFamily);
    }
    const bool weighed = person < statedAgeWeighed_.size() && statedAgeWeighed_[person];
    addPersonFindings(tree_, person, events_, fromCutFamily, weighed, options_, findings, dates_);
}

} // namespace spanwright
