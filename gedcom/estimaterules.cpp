#include "estimaterules.h"

#include "treeevents.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace spanwright {

namespace {

// A day number kept in 32 bits, beyond them an open side.
std::int32_t clampedDay(std::int64_t day)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(day, NoEarliest + 1LL, NoLatest - 1LL));
}

constexpr std::int64_t DaysIn400Years = 146097;
constexpr std::int64_t LeastDaysOfYear = 365;
constexpr std::int64_t MostDaysOfYear = 366;

} // namespace

bool raiseEarliest(DayBounds& bounds, std::int64_t day, std::int64_t days)
{
    if (day == NoEarliest)
        return false;
    const std::int32_t bound = clampedDay(day + days);
    if (bound <= bounds.earliest)
        return false;
    if (bound > bounds.latest) {
        bounds.contradicted = true;
        return false;
    }
    bounds.earliest = bound;
    return true;
}

bool lowerLatest(DayBounds& bounds, std::int64_t day, std::int64_t days)
{
    if (day == NoLatest)
        return false;
    const std::int32_t bound = clampedDay(day + days);
    if (bound >= bounds.latest)
        return false;
    if (bound < bounds.earliest) {
        bounds.contradicted = true;
        return false;
    }
    bounds.latest = bound;
    return true;
}

Result<YearRange> readYearRange(const std::string& text)
{
    const std::size_t dash = text.find('-');
    YearRange read{};
    const char* end = text.data() + text.size();
    const auto number = [&](const char* from, const char* to, int& value) {
        const auto [stop, error] = std::from_chars(from, to, value);
        return error == std::errc() && stop == to && value >= 0 && value <= NoLifeReachesYears;
    };
    if (dash == std::string::npos || !number(text.data(), text.data() + dash, read.least)
        || !number(text.data() + dash + 1, end, read.most))
        return Problem{ProblemKind::NotRead, "\"" + text + "\": LEAST-MOST in whole years expected (14-50)"};
    if (read.least > read.most)
        return Problem{ProblemKind::NotRead, "\"" + text + "\": the least age is above the most"};
    return read;
}

std::int64_t leastDaysOfYears(int years)
{
    // Whole cycles of 400 years, the rest at 365 days each.
    return years / 400 * DaysIn400Years + years % 400 * LeastDaysOfYear;
}

std::int64_t mostDaysOfYears(int years)
{
    return years / 400 * DaysIn400Years + years % 400 * MostDaysOfYear;
}

std::int64_t leastDaysOfMonths(int months)
{
    // The shortest run of that many months, starting in any month of a
    // common year (whole years of them add 365 days each).
    static constexpr std::array<int, 12> Lengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const std::int64_t years = months / 12;
    std::int64_t least = INT64_MAX;
    for (int start = 0; start < 12; ++start) {
        std::int64_t days = 0;
        for (int m = 0; m < months % 12; ++m)
            days += Lengths[(start + m) % 12];
        least = std::min(least, days);
    }
    return years * LeastDaysOfYear + least;
}

namespace {

// Whether either of two bounds changed, both applied: || would skip the
// second once the first had changed.
bool eitherChanged(bool first, bool second)
{
    return first || second;
}

} // namespace

bool boundLife(DayBounds& birth, DayBounds& death, const EstimateAssumptions* likely, std::uint32_t& reasons)
{
    bool changed = eitherChanged(lowerLatest(birth, death.latest), raiseEarliest(death, birth.earliest));
    if (changed)
        reasons |= ruleBit(EstimateRule::BirthBeforeDeath);
    const bool likelyRule = likely != nullptr;
    const std::int64_t longest = mostDaysOfYears(likelyRule ? likely->longestLifeYears : NoLifeReachesYears);
    const bool longestChanged
        = eitherChanged(raiseEarliest(birth, death.earliest, -longest), lowerLatest(death, birth.latest, longest));
    if (longestChanged)
        reasons |= ruleBit(likelyRule ? EstimateRule::LifeLength : EstimateRule::LongestLife);
    return changed || longestChanged;
}

namespace {

// Marks reasons with rule where changed, and passes changed on.
bool noted(bool changed, std::uint32_t& reasons, EstimateRule rule)
{
    if (changed)
        reasons |= ruleBit(rule);
    return changed;
}

const YearRange& parentAges(const EstimateAssumptions& likely, bool mother)
{
    return mother ? likely.motherAges : likely.fatherAges;
}

} // namespace

bool boundChildByParent(LifeRef child, const LifeRef& parent, bool mother, const EstimateAssumptions* likely)
{
    bool changed = noted(raiseEarliest(child.birth, parent.birth.earliest, 1), child.reasons, EstimateRule::ParentBorn);
    if (mother)
        changed |= noted(lowerLatest(child.birth, parent.death.latest), child.reasons, EstimateRule::MotherAlive);
    else
        changed |= noted(lowerLatest(child.birth, parent.death.latest, MostDaysOfTenMonths), child.reasons,
                         EstimateRule::FatherAlive);
    if (likely == nullptr)
        return changed;
    const YearRange& ages = parentAges(*likely, mother);
    const EstimateRule rule = mother ? EstimateRule::MotherAge : EstimateRule::FatherAge;
    changed |= noted(eitherChanged(raiseEarliest(child.birth, parent.birth.earliest, leastDaysOfYears(ages.least)),
                                   lowerLatest(child.birth, parent.birth.latest, mostDaysOfYears(ages.most + 1) - 1)),
                     child.reasons, rule);
    return changed;
}

bool boundParentByChild(LifeRef parent, const LifeRef& child, bool mother, const EstimateAssumptions* likely)
{
    bool changed = noted(lowerLatest(parent.birth, child.birth.latest, -1), parent.reasons, EstimateRule::ParentBorn);
    changed |= noted(raiseEarliest(parent.death, child.birth.earliest, mother ? 0 : -MostDaysOfTenMonths),
                     parent.reasons, EstimateRule::ChildBorn);
    if (likely == nullptr)
        return changed;
    const YearRange& ages = parentAges(*likely, mother);
    const EstimateRule rule = mother ? EstimateRule::MotherAge : EstimateRule::FatherAge;
    changed |= noted(eitherChanged(lowerLatest(parent.birth, child.birth.latest, -leastDaysOfYears(ages.least)),
                                   raiseEarliest(parent.birth, child.birth.earliest, 1 - mostDaysOfYears(ages.most + 1))),
                     parent.reasons, rule);
    return changed;
}

bool boundSiblings(DayBounds& older, DayBounds& younger, std::int64_t gapDays, std::uint32_t& olderReasons,
                   std::uint32_t& youngerReasons)
{
    const bool youngerChanged =
        noted(raiseEarliest(younger, older.earliest, gapDays), youngerReasons, EstimateRule::SiblingGap);
    const bool olderChanged = noted(lowerLatest(older, younger.latest, -gapDays), olderReasons, EstimateRule::SiblingGap);
    return youngerChanged || olderChanged;
}

namespace {

// The days a date allows for certain: none for an about date.
bool certainDays(const TreeDate& date)
{
    return date.present && !date.approximate;
}

std::int64_t earliestOf(const TreeDate& date)
{
    return date.hasEarliest ? date.earliest : NoEarliest;
}

std::int64_t latestOf(const TreeDate& date)
{
    return date.hasLatest ? date.latest : NoLatest;
}

} // namespace

bool boundByBirthDate(DayBounds& birth, const TreeDate& date, std::uint32_t& reasons)
{
    if (!certainDays(date))
        return false;
    return noted(eitherChanged(raiseEarliest(birth, earliestOf(date)), lowerLatest(birth, latestOf(date))), reasons,
                 EstimateRule::BirthDate);
}

bool boundByDeathDate(DayBounds& death, const TreeDate& date, std::uint32_t& reasons)
{
    if (!certainDays(date))
        return false;
    return noted(eitherChanged(raiseEarliest(death, earliestOf(date)), lowerLatest(death, latestOf(date))), reasons,
                 EstimateRule::DeathDate);
}

bool boundByOwnEvent(LifeRef person, std::uint8_t kind, const TreeDate& date)
{
    if (!certainDays(date) || (kind & OwnEventKind) == 0)
        return false;
    bool changed = noted(lowerLatest(person.birth, latestOf(date)), person.reasons, EstimateRule::OwnEvent);
    if ((kind & LivingEventKind) != 0)
        changed |= noted(raiseEarliest(person.death, earliestOf(date)), person.reasons, EstimateRule::LivingEvent);
    if ((kind & AfterDeathEventKind) != 0)
        changed |= noted(lowerLatest(person.death, latestOf(date)), person.reasons, EstimateRule::AfterDeathEvent);
    return changed;
}

bool boundByMarriage(LifeRef person, const TreeDate& date, bool first, const EstimateAssumptions* likely)
{
    if (!certainDays(date))
        return false;
    if (likely == nullptr) {
        return eitherChanged(noted(lowerLatest(person.birth, latestOf(date)), person.reasons, EstimateRule::OwnEvent),
                             noted(raiseEarliest(person.death, earliestOf(date)), person.reasons,
                                   EstimateRule::LivingEvent));
    }
    const YearRange& ages = likely->marriageAges;
    bool changed = lowerLatest(person.birth, latestOf(date), -leastDaysOfYears(ages.least));
    if (first && date.hasEarliest)
        changed |= raiseEarliest(person.birth, earliestOf(date), 1 - mostDaysOfYears(ages.most + 1));
    return noted(changed, person.reasons, EstimateRule::MarriageAge);
}

bool boundByAboutDate(LifeRef person, std::uint8_t kind, const TreeDate& date, int aboutYears)
{
    if (!date.present || !date.approximate || (kind & OwnEventKind) == 0)
        return false;
    const std::int64_t margin = mostDaysOfYears(aboutYears);
    bool changed = lowerLatest(person.birth, latestOf(date), margin);
    if ((kind & BirthEventKind) != 0)
        changed |= raiseEarliest(person.birth, earliestOf(date), -margin);
    if ((kind & (DeathEventKind | LivingEventKind)) != 0)
        changed |= raiseEarliest(person.death, earliestOf(date), -margin);
    if ((kind & (DeathEventKind | AfterDeathEventKind)) != 0)
        changed |= lowerLatest(person.death, latestOf(date), margin);
    return noted(changed, person.reasons, EstimateRule::AboutDate);
}

bool boundByStatedAges(DayBounds& birth, const BirthWindow& window, std::uint32_t& reasons)
{
    const bool changed = eitherChanged(window.days.earliest && raiseEarliest(birth, window.days.earliest->number()),
                                       window.days.latest && lowerLatest(birth, window.days.latest->number()));
    return noted(changed, reasons, EstimateRule::StatedAges);
}

namespace {

std::string rangeText(const YearRange& range)
{
    return std::to_string(range.least) + "-" + std::to_string(range.most);
}

std::string ruleText(EstimateRule rule, const EstimateAssumptions& assumptions)
{
    switch (rule) {
    case EstimateRule::BirthDate: return "birth date";
    case EstimateRule::OwnEvent: return "born before own events";
    case EstimateRule::ParentBorn: return "born after the parents";
    case EstimateRule::MotherAlive: return "mother alive at the birth";
    case EstimateRule::FatherAlive: return "father alive ten months before the birth";
    case EstimateRule::DeathDate: return "death date";
    case EstimateRule::LivingEvent: return "alive at own events";
    case EstimateRule::AfterDeathEvent: return "died before the burial or probate";
    case EstimateRule::ChildBorn: return "alive at the children's births (a father ten months before)";
    case EstimateRule::BirthBeforeDeath: return "born before the death";
    case EstimateRule::LongestLife: return "no life of 123 years";
    case EstimateRule::StatedAges: return "the stated ages";
    case EstimateRule::AboutDate:
        return "an about date within " + std::to_string(assumptions.aboutYears) + " years of its days";
    case EstimateRule::MotherAge: return "mother aged " + rangeText(assumptions.motherAges) + " at a birth";
    case EstimateRule::FatherAge: return "father aged " + rangeText(assumptions.fatherAges) + " at a birth";
    case EstimateRule::MarriageAge: return "first marriage at " + rangeText(assumptions.marriageAges);
    case EstimateRule::SiblingGap:
        return "siblings born in the tree's order at least " + std::to_string(assumptions.siblingGapMonths)
            + " months apart";
    case EstimateRule::LifeLength: return "a life of at most " + std::to_string(assumptions.longestLifeYears) + " years";
    }
    return {};
}

void appendRules(std::string& text, std::uint32_t bits, int first, int end, const EstimateAssumptions& assumptions)
{
    for (int rule = first; rule < end; ++rule) {
        if ((bits & (1u << rule)) == 0)
            continue;
        if (!text.empty() && text.back() != ' ')
            text.append("; ");
        text.append(ruleText(static_cast<EstimateRule>(rule), assumptions));
    }
}

} // namespace

std::string reasonsText(std::uint32_t certain, std::uint32_t likely, const EstimateAssumptions& assumptions)
{
    std::string text;
    appendRules(text, certain, 0, FirstLikelyRule, assumptions);
    const std::uint32_t assumed = likely & ~((1u << FirstLikelyRule) - 1);
    if (assumed != 0) {
        text.append(text.empty() ? "likely: " : "; likely: ");
        appendRules(text, assumed, FirstLikelyRule, EstimateRuleCount, assumptions);
    }
    return text;
}

} // namespace spanwright
