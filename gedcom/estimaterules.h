#pragma once

#include "evidence/birthnarrowing.h"
#include "familytree.h"
#include "treeevents.h"

#include <spanwright/result.h>

#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

namespace spanwright {

// The rules that bound an undated birth or death from the rest of the tree.
// Days are the day numbers of calendardate.h; an open side is NoEarliest or
// NoLatest. Each rule is one function that tightens the bounds it reaches
// and says whether it did, so that the estimate can spread them through the
// tree until nothing changes.

constexpr std::int32_t NoEarliest = INT32_MIN;
constexpr std::int32_t NoLatest = INT32_MAX;

struct DayBounds
{
    std::int32_t earliest = NoEarliest;
    std::int32_t latest = NoLatest;
    // A bound was refused that would have left no day: the dates (or the
    // assumptions) contradict each other here. The bounds stay as they
    // were, so that a contradiction does not spread through the tree.
    bool contradicted = false;

    bool operator==(const DayBounds& other) const { return earliest == other.earliest && latest == other.latest; }
    bool empty() const { return earliest > latest; }
};

// On or after day (plus days); false where that tells nothing new, or
// would leave no day (marked contradicted).
bool raiseEarliest(DayBounds& bounds, std::int64_t day, std::int64_t days = 0);
// On or before day (plus days), in the same way.
bool lowerLatest(DayBounds& bounds, std::int64_t day, std::int64_t days = 0);

// The rules, as bits of a person's reasons. The certain ones first.
enum class EstimateRule : std::uint8_t {
    BirthDate,       // the birth's own date
    OwnEvent,        // born on or before each of their events
    ParentBorn,      // born after each parent
    MotherAlive,     // the mother alive at the birth
    FatherAlive,     // the father alive ten months before it
    DeathDate,       // the death's own date
    LivingEvent,     // died on or after each event of the living
    AfterDeathEvent, // died on or before the burial, cremation, probate
    ChildBorn,       // died after each child's birth (less ten months for a father)
    BirthBeforeDeath,
    LongestLife,     // no verified life has reached 123 years
    // The likely ones: assumptions, with their numbers.
    StatedAges,
    AboutDate,
    MotherAge,
    FatherAge,
    MarriageAge,
    SiblingGap,
    LifeLength,
};
constexpr int FirstLikelyRule = static_cast<int>(EstimateRule::StatedAges);
constexpr int EstimateRuleCount = static_cast<int>(EstimateRule::LifeLength) + 1;

constexpr std::uint32_t ruleBit(EstimateRule rule) { return 1u << static_cast<int>(rule); }

// A span of ages in whole years, both included.
struct YearRange
{
    int least;
    int most;
};

// The assumptions of the likely bounds. The defaults: a mother 14 to 50 and
// a father 16 to 80 at a birth, a first marriage at 14 to 60, children of
// one family born at least 9 months apart in the order the tree gives
// where it gives one, a life of at most 105 years, and an about date within
// 2 years of its days.
struct EstimateAssumptions
{
    YearRange motherAges{14, 50};
    YearRange fatherAges{16, 80};
    YearRange marriageAges{14, 60};
    int siblingGapMonths = 9;
    int longestLifeYears = 105;
    // ABT, CAL and EST dates within this many years of the days they write.
    int aboutYears = 2;
};

// Reads "14-50", or says why not (NotRead).
Result<YearRange> readYearRange(const std::string& text);

// The days that whole years or months last at least and at most.
std::int64_t leastDaysOfYears(int years);
std::int64_t mostDaysOfYears(int years);
std::int64_t leastDaysOfMonths(int months);
// Ten months before a birth can be at most this many days before it.
constexpr std::int64_t MostDaysOfTenMonths = 306;
// No verified life has lasted 123 years (Jeanne Calment, 122 years).
constexpr int NoLifeReachesYears = 123;

// The reasons as text, the certain rules' names, then the assumptions with
// their numbers: "christening or other own event; mother alive at the
// birth; likely: mother aged 14-50 at a birth".
std::string reasonsText(std::uint32_t certain, std::uint32_t likely, const EstimateAssumptions& assumptions);

// A life's own bounds: born on or before the death, and (where likely
// holds the assumptions) the longest life; the reason bit goes to reasons.
bool boundLife(DayBounds& birth, DayBounds& death, const EstimateAssumptions* likely, std::uint32_t& reasons);

// A child and a parent (born to them), either way: the child born after the
// parent, a mother alive at the birth, a father ten months before it, and
// the parents' ages where likely holds the assumptions.
struct LifeRef
{
    DayBounds& birth;
    DayBounds& death;
    std::uint32_t& reasons;
};
bool boundChildByParent(LifeRef child, const LifeRef& parent, bool mother, const EstimateAssumptions* likely);
bool boundParentByChild(LifeRef parent, const LifeRef& child, bool mother, const EstimateAssumptions* likely);

// Two children of one family, older first, at least the gap apart.
bool boundSiblings(DayBounds& older, DayBounds& younger, std::int64_t gapDays, std::uint32_t& olderReasons,
                   std::uint32_t& youngerReasons);

// The person's own dates. A date marked about (ABT, CAL, EST) bounds
// nothing, as the check reads it: the event may lie outside its days.
bool boundByBirthDate(DayBounds& birth, const TreeDate& date, std::uint32_t& reasons);
bool boundByDeathDate(DayBounds& death, const TreeDate& date, std::uint32_t& reasons);
// An own event, by its kind (eventKindOf; no other): born on or before it; died on or after it where the living
// take part in it, on or before it where it follows the death.
bool boundByOwnEvent(LifeRef person, std::uint8_t kind, const TreeDate& date);
// A marriage of theirs: born before it and alive at it; where likely holds
// the assumptions, the marriage ages (the least of every marriage, the
// most of the first).
bool boundByMarriage(LifeRef person, const TreeDate& date, bool first, const EstimateAssumptions* likely);
// An about date (ABT, CAL, EST) of an event of theirs, within the
// assumption's years of its days.
bool boundByAboutDate(LifeRef person, std::uint8_t kind, const TreeDate& date, int aboutYears);
// The birth window the stated ages narrow to (likely: ages are written
// wrong often enough that the check warns of a birth outside them).
bool boundByStatedAges(DayBounds& birth, const BirthWindow& window, std::uint32_t& reasons);

} // namespace spanwright
