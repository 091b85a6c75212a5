#include "treeestimate.h"

#include "statedages.h"

#include <algorithm>
#include <numeric>

namespace spanwright {

namespace {

// The bounds of one kind (certain or likely) and how they spread.
class BoundsSpreader
{
public:
    BoundsSpreader(const FamilyTree& tree, const EstimateAssumptions* likely);

    std::vector<DayBounds> births;
    std::vector<DayBounds> deaths;
    std::vector<std::uint32_t> reasons;

    LifeRef life(std::uint32_t person) { return {births[person], deaths[person], reasons[person]}; }
    // Spreads the bounds through the families until nothing changes.
    void spread(const std::vector<bool>& orderedFamilies);
    std::uint64_t visits() const { return visits_; }
    bool settled() const { return settled_; }

private:
    void takeUp(std::uint32_t family, const std::vector<bool>& orderedFamilies);
    void boundChildren(const TreeFamily& family, std::vector<std::uint32_t>& changed);
    void boundSiblingsOf(const TreeFamily& family, std::vector<std::uint32_t>& changed);
    void queueFamiliesOf(std::uint32_t person);
    void queue(std::uint32_t family);

    const FamilyTree& tree_;
    const EstimateAssumptions* likely_;
    // The families each person is a spouse in: spouseFamilies_[spouseStart_[p] ...).
    std::vector<std::uint32_t> spouseStart_;
    std::vector<std::uint32_t> spouseFamilies_;
    std::vector<std::uint32_t> queue_;
    std::size_t queueHead_ = 0;
    std::vector<bool> queued_;
    std::vector<std::uint32_t> familyVisits_;
    std::vector<std::uint32_t> siblings_; // of the family taken up, reused
    std::uint64_t visits_ = 0;
    bool settled_ = true;
};

BoundsSpreader::BoundsSpreader(const FamilyTree& tree, const EstimateAssumptions* likely)
    : births(tree.people.size()), deaths(tree.people.size()), reasons(tree.people.size()), tree_(tree),
      likely_(likely), spouseStart_(tree.people.size() + 1), queued_(tree.families.size()),
      familyVisits_(tree.families.size())
{
    for (const TreeFamily& family : tree.families) {
        for (std::uint32_t spouse : {family.husband, family.wife})
            if (spouse != NoOne)
                ++spouseStart_[spouse + 1];
    }
    std::partial_sum(spouseStart_.begin(), spouseStart_.end(), spouseStart_.begin());
    spouseFamilies_.resize(spouseStart_.back());
    std::vector<std::uint32_t> filled(spouseStart_.begin(), spouseStart_.end() - 1);
    for (std::uint32_t f = 0; f < tree.families.size(); ++f) {
        for (std::uint32_t spouse : {tree.families[f].husband, tree.families[f].wife})
            if (spouse != NoOne)
                spouseFamilies_[filled[spouse]++] = f;
    }
}

void BoundsSpreader::queue(std::uint32_t family)
{
    if (queued_[family])
        return;
    if (familyVisits_[family] >= MostFamilyVisits) {
        settled_ = false;
        return;
    }
    queued_[family] = true;
    queue_.push_back(family);
}

void BoundsSpreader::queueFamiliesOf(std::uint32_t person)
{
    for (std::uint32_t i = spouseStart_[person]; i < spouseStart_[person + 1]; ++i)
        queue(spouseFamilies_[i]);
    for (std::uint32_t i = tree_.parentFamilyStart[person]; i < tree_.parentFamilyStart[person + 1]; ++i)
        queue(tree_.parentFamilies[i]);
}

void BoundsSpreader::boundChildren(const TreeFamily& family, std::vector<std::uint32_t>& changed)
{
    for (std::uint32_t k = family.firstChild; k < family.firstChild + family.childCount; ++k) {
        const std::uint32_t child = tree_.children[k];
        const std::uint8_t bond = tree_.childBonds[k];
        const auto bind = [&](std::uint32_t parent, bool mother) {
            if (parent == NoOne || parent == child)
                return;
            if (boundParentByChild(life(parent), life(child), mother, likely_))
                changed.push_back(parent);
            if (boundChildByParent(life(child), life(parent), mother, likely_))
                changed.push_back(child);
        };
        if ((bond & NotBornToFather) == 0)
            bind(family.husband, false);
        if ((bond & NotBornToMother) == 0)
            bind(family.wife, true);
    }
}

void BoundsSpreader::boundSiblingsOf(const TreeFamily& family, std::vector<std::uint32_t>& changed)
{
    const std::int64_t gap = leastDaysOfMonths(likely_->siblingGapMonths);
    // The children born to the couple, in the family's order: an adopted
    // or step child may have been born at any time.
    siblings_.clear();
    for (std::uint32_t k = family.firstChild; k < family.firstChild + family.childCount; ++k)
        if (tree_.childBonds[k] == 0 && (siblings_.empty() || siblings_.back() != tree_.children[k]))
            siblings_.push_back(tree_.children[k]);
    // Forwards the younger ones' earliest days, backwards the older ones' latest.
    for (int direction = 0; direction < 2; ++direction) {
        for (std::size_t step = 1; step < siblings_.size(); ++step) {
            const std::size_t k = direction == 0 ? step : siblings_.size() - step;
            const std::uint32_t older = siblings_[k - 1];
            const std::uint32_t younger = siblings_[k];
            if (boundSiblings(births[older], births[younger], gap, reasons[older], reasons[younger])) {
                changed.push_back(older);
                changed.push_back(younger);
            }
        }
    }
}

void BoundsSpreader::takeUp(std::uint32_t index, const std::vector<bool>& orderedFamilies)
{
    queued_[index] = false;
    ++familyVisits_[index];
    ++visits_;
    const TreeFamily& family = tree_.families[index];
    std::vector<std::uint32_t> changed;
    boundChildren(family, changed);
    if (likely_ != nullptr && orderedFamilies[index])
        boundSiblingsOf(family, changed);
    for (std::uint32_t person : changed) {
        boundLife(births[person], deaths[person], likely_, reasons[person]);
        queueFamiliesOf(person);
    }
}

void BoundsSpreader::spread(const std::vector<bool>& orderedFamilies)
{
    queue_.clear();
    queueHead_ = 0;
    for (std::uint32_t f = 0; f < tree_.families.size(); ++f)
        queue(f);
    while (queueHead_ < queue_.size()) {
        const std::uint32_t family = queue_[queueHead_++];
        // The queue's taken part is dropped now and then, so that it never
        // holds more than the families once over.
        if (queueHead_ == queue_.size() || queueHead_ > tree_.families.size()) {
            queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(queueHead_));
            queueHead_ = 0;
        }
        takeUp(family, orderedFamilies);
    }
}

// The first dated marriage of each person, as the day it can be at the earliest.
std::vector<std::int64_t> firstMarriages(const FamilyTree& tree)
{
    std::vector<std::int64_t> first(tree.people.size(), NoLatest);
    for (const TreeFamily& family : tree.families) {
        if (!family.marriage.present || family.marriage.approximate || !family.marriage.hasEarliest)
            continue;
        for (std::uint32_t spouse : {family.husband, family.wife})
            if (spouse != NoOne)
                first[spouse] = std::min<std::int64_t>(first[spouse], family.marriage.earliest);
    }
    return first;
}

// What the tree states of each person: their dates, events and marriages.
void boundByOwnDates(BoundsSpreader& spreader, const FamilyTree& tree, const TreeEvents& events)
{
    const std::uint8_t BurialKind = eventKindOf("BURI");
    for (std::uint32_t p = 0; p < tree.people.size(); ++p) {
        const TreePerson& person = tree.people[p];
        boundByBirthDate(spreader.births[p], person.birth, spreader.reasons[p]);
        boundByDeathDate(spreader.deaths[p], person.death, spreader.reasons[p]);
        for (std::uint32_t e = events.first[p]; e < events.first[p + 1]; ++e)
            boundByOwnEvent(spreader.life(p), events.events[e].kind, events.events[e].date);
        // The first dated christening and burial the tree keeps, in case the
        // events were not read.
        boundByOwnEvent(spreader.life(p), eventKindOf(person.baptism ? "BAPM" : "CHR"), person.christening);
        boundByOwnEvent(spreader.life(p), BurialKind, person.burial);
    }
    for (const TreeFamily& family : tree.families)
        for (std::uint32_t spouse : {family.husband, family.wife})
            if (spouse != NoOne)
                boundByMarriage(spreader.life(spouse), family.marriage, false, nullptr);
}

// The assumptions on what the tree states: the marriage ages, the stated ages.
void boundByAssumptions(BoundsSpreader& spreader, const FamilyTree& tree, const TreeEvents& events,
                        const EstimateAssumptions& assumptions, const DateReadOptions& calendar)
{
    for (std::uint32_t p = 0; p < tree.people.size(); ++p) {
        for (std::uint32_t e = events.first[p]; e < events.first[p + 1]; ++e)
            boundByAboutDate(spreader.life(p), events.events[e].kind, events.events[e].date, assumptions.aboutYears);
    }
    const std::vector<std::int64_t> first = firstMarriages(tree);
    for (const TreeFamily& family : tree.families)
        for (std::uint32_t spouse : {family.husband, family.wife})
            if (spouse != NoOne)
                boundByMarriage(spreader.life(spouse), family.marriage,
                                family.marriage.hasEarliest && family.marriage.earliest == first[spouse], &assumptions);
    std::vector<StatedAgeEvent> stated; // one person's, reused
    const TreeStatedAges& ages = tree.statedAges;
    for (std::size_t at = 0; at < ages.size();) {
        const std::uint32_t person = ages[at].person;
        stated.clear();
        for (; at < ages.size() && ages[at].person == person; ++at)
            stated.push_back({std::string(tree.text(ages[at].tag)), std::string(tree.text(ages[at].date)),
                              std::string(tree.text(ages[at].age)), std::string(tree.text(ages[at].place)), {}});
        const TreeDate& death = tree.people[person].death;
        const StatedAgeNarrowing narrowed =
            narrowStatedAges(stated, calendar, death.present ? tree.text(death.text) : std::string_view());
        if (!narrowed.names.empty() && narrowed.narrowing.fits)
            boundByStatedAges(spreader.births[person], narrowed.narrowing.window, spreader.reasons[person]);
    }
}

// The families whose children the tree lists in the order of their births:
// of the children born to the couple, three or more and two thirds or more
// dated by their birth, none before the one listed before it. (With fewer,
// a family listed in another order too often looks ordered by chance: on
// the Gramps example tree, two dated of three let a tenth of hidden births
// fall outside the likely bounds.)
std::vector<bool> orderedFamilies(const FamilyTree& tree)
{
    std::vector<bool> ordered(tree.families.size());
    for (std::uint32_t f = 0; f < tree.families.size(); ++f) {
        const TreeFamily& family = tree.families[f];
        int dated = 0;
        int born = 0; // to the couple
        bool inOrder = true;
        std::int64_t last = NoEarliest;
        for (std::uint32_t k = family.firstChild; k < family.firstChild + family.childCount; ++k) {
            const TreeDate& birth = tree.people[tree.children[k]].birth;
            born += tree.childBonds[k] == 0 ? 1 : 0;
            if (tree.childBonds[k] != 0 || !birth.present || birth.approximate || !birth.hasEarliest || !birth.hasLatest)
                continue;
            inOrder = inOrder && birth.earliest >= last;
            last = birth.latest;
            ++dated;
        }
        ordered[f] = inOrder && dated >= 3 && dated * 3 >= born * 2;
    }
    return ordered;
}

void boundEveryLife(BoundsSpreader& spreader, const EstimateAssumptions* likely)
{
    for (std::size_t p = 0; p < spreader.births.size(); ++p)
        boundLife(spreader.births[p], spreader.deaths[p], likely, spreader.reasons[p]);
}

} // namespace

TreeEstimate estimateTree(const FamilyTree& tree, const TreeEvents& events, const EstimateAssumptions& assumptions,
                          const DateReadOptions& calendar)
{
    TreeEstimate estimate;
    const std::vector<bool> ordered = orderedFamilies(tree);
    BoundsSpreader certain(tree, nullptr);
    boundByOwnDates(certain, tree, events);
    boundEveryLife(certain, nullptr);
    certain.spread(ordered);

    BoundsSpreader likely(tree, &assumptions);
    likely.births = certain.births;
    likely.deaths = certain.deaths;
    boundByAssumptions(likely, tree, events, assumptions, calendar);
    boundEveryLife(likely, &assumptions);
    likely.spread(ordered);

    estimate.people.resize(tree.people.size());
    for (std::size_t p = 0; p < tree.people.size(); ++p) {
        PersonEstimate& person = estimate.people[p];
        person.birth = certain.births[p];
        person.death = certain.deaths[p];
        person.likelyBirth = likely.births[p];
        person.likelyDeath = likely.deaths[p];
        person.certainReasons = certain.reasons[p];
        person.likelyReasons = likely.reasons[p];
        // Where the assumptions cannot all hold, they say nothing of this
        // person: only the certain bounds stand.
        const bool certainFits = !person.birth.contradicted && !person.death.contradicted;
        if (certainFits && (person.likelyBirth.contradicted || person.likelyDeath.contradicted)) {
            person.likelyBirth = person.birth;
            person.likelyDeath = person.death;
            person.likelyReasons = 0;
            person.assumptionsFail = true;
        }
    }
    estimate.familyVisits = certain.visits() + likely.visits();
    estimate.settled = certain.settled() && likely.settled();
    return estimate;
}

} // namespace spanwright
