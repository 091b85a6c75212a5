#pragma once

#include "reading/age.h"
#include "familytree.h"
#include "gedcomdatereadings.h"
#include "gedcomindividual.h"
#include "treerules.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The rules the tree check applies, in the order findings name them.
enum class TreeRule {
    DeathBeforeBirth,
    BaptismBeforeBirth,
    BurialBeforeDeath,
    BirthAfterMotherDeath,
    BirthAfterFatherDeath,
    UnbornParent,
    MarriageBeforeBirth,
    MarriageAfterDeath,
    FutureDate,
    StatedAge,
    StatedAgesConflict,
    BirthOutsideStatedAges,
    OldAge,
    YoungMother,
    OldMother,
    YoungFather,
    OldFather,
    EarlyMarriage,
    LateMarriage,
    ChildSpacing,
};
constexpr std::size_t TreeRuleCount = 20;

// "death_before_birth"...; error for what cannot be true, warning for what
// is unusual.
std::string_view treeRuleName(TreeRule rule);
bool treeRuleIsError(TreeRule rule);
std::optional<TreeRule> treeRuleNamed(std::string_view name);
std::string_view certaintyName(Certainty certainty);

// The limits of the rules that have one. Ages are spans in years, months and
// days; a young_ rule is broken by a span shorter than its limit, an old_
// or late_ rule by a longer one.
struct TreeThresholds
{
    long long fatherDeathDays = 294;
    Age oldAge{90, 0, 0};
    Age youngMother{17, 0, 0};
    Age oldMother{48, 0, 0};
    Age youngFather{18, 0, 0};
    Age oldFather{65, 0, 0};
    Age earlyMarriage{17, 0, 0};
    Age lateMarriage{50, 0, 0};
    long long childSpacingMinDays = 10;
    long long childSpacingMaxDays = 260;
};

// Sets the threshold named as --rule writes it: father_death_days,
// child_spacing_min_days and child_spacing_max_days take a whole number of
// days, the others ("old_age", "young_mother"...) a whole number of years or
// an age ("17y 6m"). Returns why not (NotRead), or nothing when set.
std::optional<Problem> setTreeThreshold(TreeThresholds& thresholds, std::string_view name, std::string_view value);
// The threshold names, for the help text.
std::string treeThresholdNames();

struct TreeFinding
{
    TreeRule rule;
    Certainty certainty;
    std::string individual; // ids as the file writes them, without @
    std::string family;
    std::string detail;
};

struct TreeCheckOptions
{
    TreeThresholds thresholds;
    std::array<bool, TreeRuleCount> enabled{};
    Day today; // the day events after it are in the future
    DateReadOptions calendar; // how plain dates and words are read (the switch, the language)

    TreeCheckOptions() { enabled.fill(true); }
    bool uses(TreeRule rule) const { return enabled[static_cast<std::size_t>(rule)]; }
};

using TreeFindingSink = std::function<void(const TreeFinding&)>;

// Checks a tree: each person in file order, then each family. The stated
// ages are checked while the file is read (see statedAgeFinding), their
// findings handed in by person.
class TreeChecker
{
public:
    TreeChecker(const FamilyTree& tree, const TreeCheckOptions& options, const TreeFindingSink& sink);

    void checkPerson(std::uint32_t person);
    void checkFamily(std::uint32_t family);

private:
    struct Event
    {
        GedcomDate date;
        SharedTreeText written;
        std::string_view tag; // shown after the date where it matters
        bool onOrBefore;      // a christening standing for the birth
    };
    // The date as written, for a finding's detail.
    std::string textOf(const Event& event) const;
    Event birthOf(const TreePerson& person) const;
    // The DEAT date; without one, a burial puts the death on or before its
    // day.
    Event deathOf(const TreePerson& person) const;
    Event eventOf(const TreeDate& date, std::string_view tag = {}) const;
    // The detail is worded only for a finding that is reported.
    template <typename Detail>
    void report(TreeRule rule, Certainty certainty, std::string_view individual, std::string_view family,
                const Detail& detail) const;
    void checkFuture(const Event& event, std::string_view what, std::string_view individual,
                     std::string_view family) const;
    void checkParent(const TreeFamily& family, std::uint32_t parent, std::uint32_t child, bool mother) const;
    void checkSpouse(const TreeFamily& family, std::uint32_t spouse) const;
    void checkSpacing(const TreeFamily& family) const;

    const FamilyTree& tree_;
    const TreeCheckOptions& options_;
    const TreeFindingSink& sink_;
    GedcomDate today_;
    std::string todayText_;
    // The findings being made read a record that may be cut short: none is
    // certain.
    bool readsCutRecord_ = false;
};

// The stated-age finding of a person as the report gathers the record (its
// birth, death and stated age), if any.
std::optional<TreeFinding> statedAgeFinding(const GedcomIndividual& person, const DateReadOptions& calendar = {});
// The same, the dates read through dates and by its options.
std::optional<TreeFinding> statedAgeFinding(const GedcomIndividual& person, GedcomDateReadings& dates);
// Whether statedAgeFinding weighs the person's stated age at death: there
// are a birth, a death and an age under the death's own event.
bool weighsStatedAge(const GedcomIndividual& person);

// Checks the whole tree; nothing about the record a file without TRLR ends
// in (FamilyTree::cutPerson, cutFamily) is certain. statedAgeFindings adds
// a person's stated-age findings to its vector; it is asked for each person
// in their order.
using PersonFindings = std::function<void(std::uint32_t person, std::vector<TreeFinding>& findings)>;
void checkTree(const FamilyTree& tree, const TreeCheckOptions& options, const PersonFindings& statedAgeFindings,
               const TreeFindingSink& sink);

} // namespace spanwright
