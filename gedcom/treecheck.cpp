#include "treecheck.h"

#include "text/asciitext.h"
#include "calendars/calendardate.h"
#include "gedcomage.h"
#include "spans/resultentries.h"

#include <algorithm>
#include <charconv>
#include <functional>

namespace spanwright {

namespace {

struct RuleInfo
{
    std::string_view name;
    bool error;
};

constexpr std::array<RuleInfo, TreeRuleCount> Rules = {{
    {"death_before_birth", true},
    {"baptism_before_birth", true},
    {"burial_before_death", true},
    {"birth_after_mother_death", true},
    {"birth_after_father_death", true},
    {"unborn_parent", true},
    {"marriage_before_birth", true},
    {"marriage_after_death", true},
    {"future_date", true},
    // Records that state ages disagree every day (a census two years out):
    // a conflict of evidence to weigh, not a date that cannot be true.
    {"stated_age", false},
    {"stated_ages_conflict", false},
    {"birth_outside_stated_ages", false},
    {"old_age", false},
    {"young_mother", false},
    {"old_mother", false},
    {"young_father", false},
    {"old_father", false},
    {"early_marriage", false},
    {"late_marriage", false},
    {"child_spacing", false},
}};

// Thresholds in days, and in years or ages, by their --rule names.
struct DaysThreshold
{
    std::string_view name;
    long long TreeThresholds::*value;
};
struct AgeThreshold
{
    std::string_view name;
    Age TreeThresholds::*value;
};
constexpr std::array<DaysThreshold, 3> DaysThresholds = {{
    {"father_death_days", &TreeThresholds::fatherDeathDays},
    {"child_spacing_min_days", &TreeThresholds::childSpacingMinDays},
    {"child_spacing_max_days", &TreeThresholds::childSpacingMaxDays},
}};
constexpr std::array<AgeThreshold, 7> AgeThresholds = {{
    {"old_age", &TreeThresholds::oldAge},
    {"young_mother", &TreeThresholds::youngMother},
    {"old_mother", &TreeThresholds::oldMother},
    {"young_father", &TreeThresholds::youngFather},
    {"old_father", &TreeThresholds::oldFather},
    {"early_marriage", &TreeThresholds::earlyMarriage},
    {"late_marriage", &TreeThresholds::lateMarriage},
}};

bool readWholeNumber(std::string_view text, long long& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= 0;
}

// The spans from one date to another over the readings in order: "X", "X
// to Y", or "at least X" where the dates set no longest.
std::string spanText(const GedcomDate& from, const GedcomDate& to)
{
    const AgeBounds bounds = ageBounds(from, to, spanCalendarOf(from, to));
    if (!bounds.greatest)
        return "at least " + wordedSpan(bounds.least);
    if (compareAge(bounds.least, *bounds.greatest) == 0)
        return wordedSpan(bounds.least);
    return wordedSpan(bounds.least) + " to " + wordedSpan(*bounds.greatest);
}

// The days from one date to another over the readings in order.
std::string daysText(const GedcomDate& from, const GedcomDate& to)
{
    const GedcomDate f = closedAtBound(from);
    const GedcomDate t = closedAtBound(to);
    const long long least = std::max(0LL, *t.days.earliest - *f.days.latest);
    const long long most = *t.days.latest - *f.days.earliest;
    const bool open = from.days.openBefore() || to.days.openAfter();
    if (open)
        return "at least " + std::to_string(least) + " day(s)";
    if (least == most)
        return std::to_string(least) + " day(s)";
    return std::to_string(least) + " to " + std::to_string(most) + " day(s)";
}

// The readings of two dates in which later lies more than days after
// earlier: all of them for a certain finding, else those of the dates closed
// at their bounds that break the rule, from the nearest pair (later days +
// 1 after earlier, or as near as the dates allow) to the farthest.
struct Readings
{
    GedcomDate earlier;
    GedcomDate later;
};

Readings breakingReadings(const GedcomDate& earlier, const GedcomDate& later, long long days, Certainty certainty)
{
    if (certainty == Certainty::Certain)
        return {earlier, later};
    Readings readings{closedAtBound(earlier), closedAtBound(later)};
    readings.earlier.days.latest = std::min(*readings.earlier.days.latest, *readings.later.days.latest - days - 1);
    readings.later.days.earliest = std::max(*readings.later.days.earliest, *readings.earlier.days.latest + days + 1);
    return readings;
}

// "9 DEC 2026".
std::string gedcomDayText(Day day)
{
    const CalendarDate date = dateOf(day);
    // The year 0 of the day numbers is 1 B.C., as GEDCOM writes it.
    const std::string year = date.year > 0 ? std::to_string(date.year) : std::to_string(1 - date.year) + " B.C.";
    return std::to_string(date.day) + " " + std::string(UpperMonthAbbreviations[size_t(date.month - 1)]) + " " + year;
}

} // namespace

std::string_view treeRuleName(TreeRule rule)
{
    return Rules[static_cast<std::size_t>(rule)].name;
}

bool treeRuleIsError(TreeRule rule)
{
    return Rules[static_cast<std::size_t>(rule)].error;
}

std::optional<TreeRule> treeRuleNamed(std::string_view name)
{
    for (std::size_t i = 0; i < Rules.size(); ++i) {
        if (Rules[i].name == name)
            return static_cast<TreeRule>(i);
    }
    return std::nullopt;
}

std::string_view certaintyName(Certainty certainty)
{
    return certainty == Certainty::Certain ? "certain" : certainty == Certainty::Possible ? "possible" : "none";
}

std::optional<Problem> setTreeThreshold(TreeThresholds& thresholds, std::string_view name, std::string_view value)
{
    const auto notSet = [](std::string message) { return Problem{ProblemKind::NotRead, std::move(message)}; };
    const std::string quoted = "\"" + std::string(value) + "\"";
    for (const DaysThreshold& threshold : DaysThresholds) {
        if (threshold.name != name)
            continue;
        long long days = 0;
        if (!readWholeNumber(trimmed(value), days))
            return notSet(std::string(name) + ": " + quoted + " is not a whole number of days");
        thresholds.*threshold.value = days;
        return std::nullopt;
    }
    for (const AgeThreshold& threshold : AgeThresholds) {
        if (threshold.name != name)
            continue;
        long long years = 0;
        if (readWholeNumber(trimmed(value), years) && years <= LargestAgePart) {
            thresholds.*threshold.value = Age{years, 0, 0};
            return std::nullopt;
        }
        const Result<AgeReading> reading = readAgeText(value);
        if (!reading)
            return notSet(std::string(name) + ": " + quoted + " is neither a number of years nor an age (17y 6m)");
        thresholds.*threshold.value = reading->age;
        return std::nullopt;
    }
    return notSet("no rule has the threshold \"" + std::string(name) + "\" (" + treeThresholdNames() + ")");
}

std::string treeThresholdNames()
{
    std::string names;
    for (const DaysThreshold& threshold : DaysThresholds)
        names.append(names.empty() ? "" : ", ").append(threshold.name);
    for (const AgeThreshold& threshold : AgeThresholds)
        names.append(", ").append(threshold.name);
    return names;
}

TreeChecker::TreeChecker(const FamilyTree& tree, const TreeCheckOptions& options, const TreeFindingSink& sink)
    : tree_(tree), options_(options), sink_(sink)
{
    today_.days.earliest = today_.days.latest = options.today;
    todayText_ = gedcomDayText(options.today);
}

TreeChecker::Event TreeChecker::eventOf(const TreeDate& date, std::string_view tag) const
{
    return Event{date.gedcomDate(), date.text, tag, false};
}

std::string TreeChecker::textOf(const Event& event) const
{
    std::string text(event.onOrBefore ? "on or before " : "");
    text.append(tree_.text(event.written));
    if (!event.tag.empty())
        text.append(" (").append(event.tag).append(")");
    return text;
}

// The BIRT date; without one, a christening puts the birth on or before
// its day.
TreeChecker::Event TreeChecker::birthOf(const TreePerson& person) const
{
    if (person.birth.present || !person.christening.present)
        return eventOf(person.birth);
    Event event = eventOf(person.christening, person.baptism ? "BAPM" : "CHR");
    event.date.days.earliest.reset();
    event.onOrBefore = true;
    return event;
}

TreeChecker::Event TreeChecker::deathOf(const TreePerson& person) const
{
    if (person.death.present || !person.burial.present)
        return eventOf(person.death);
    Event event = eventOf(person.burial, "BURI");
    event.date.days.earliest.reset();
    event.onOrBefore = true;
    return event;
}

template <typename Detail>
void TreeChecker::report(TreeRule rule, Certainty certainty, std::string_view individual, std::string_view family,
                         const Detail& detail) const
{
    if (certainty == Certainty::None || !options_.uses(rule))
        return;
    if (readsCutRecord_ && certainty == Certainty::Certain)
        certainty = Certainty::Possible;
    sink_(TreeFinding{rule, certainty, std::string(individual), std::string(family), detail()});
}

void TreeChecker::checkFuture(const Event& event, std::string_view what, std::string_view individual,
                              std::string_view family) const
{
    if (!options_.uses(TreeRule::FutureDate))
        return;
    const Certainty found = laterByMoreThan(event.date, today_, 0);
    report(TreeRule::FutureDate, found, individual, family, [&] {
        const Readings readings = breakingReadings(today_, event.date, 0, found);
        return std::string(what) + " (" + textOf(event) + ") " + spanText(readings.earlier, readings.later)
            + " after today (" + todayText_ + ")";
    });
}

void TreeChecker::checkPerson(std::uint32_t index)
{
    const TreePerson& person = tree_.people[index];
    readsCutRecord_ = index == tree_.cutPerson;
    const std::string_view id = tree_.text(person.id);
    const Event birth = birthOf(person);
    const Event christening = eventOf(person.christening, person.baptism ? "BAPM" : "CHR");
    const Event death = eventOf(person.death);
    const Event burial = eventOf(person.burial);
    const std::string_view christened = person.baptism ? "baptism" : "christening";

    const auto before = [&](TreeRule rule, const Event& early, std::string_view earlyName, const Event& late,
                            std::string_view lateName) {
        const Certainty found = laterByMoreThan(late.date, early.date, 0);
        report(rule, found, id, {}, [&] {
            const Readings readings = breakingReadings(early.date, late.date, 0, found);
            return std::string(earlyName) + " (" + textOf(early) + ") " + spanText(readings.earlier, readings.later)
                + " before " + std::string(lateName) + " (" + textOf(late) + ")";
        });
    };
    before(TreeRule::DeathBeforeBirth, death, "death", birth, "birth");
    if (person.birth.present)
        before(TreeRule::BaptismBeforeBirth, christening, christened, birth, "birth");
    // Burial before death, else (without a death date) before birth.
    if (person.death.present)
        before(TreeRule::BurialBeforeDeath, burial, "burial", death, "death");
    else
        before(TreeRule::BurialBeforeDeath, burial, "burial", birth, "birth");

    if (person.birth.present)
        checkFuture(birth, "birth", id, {});
    checkFuture(christening, christened, id, {});
    checkFuture(death, "death", id, {});
    checkFuture(burial, "burial", id, {});

    // The age at death, or at the burial where the death has no date.
    const Event& end = person.death.present ? death : burial;
    if (options_.uses(TreeRule::OldAge)) {
        const GedcomSpanCalendar calendar = spanCalendarOf(birth.date, end.date);
        report(TreeRule::OldAge, olderThan(birth.date, end.date, options_.thresholds.oldAge, calendar), id, {}, [&] {
            return "aged " + spanText(birth.date, end.date) + " at " + (person.death.present ? "death" : "burial")
                + " (" + textOf(end) + "), born " + textOf(birth);
        });
    }
}

void TreeChecker::checkParent(const TreeFamily& family, std::uint32_t parentIndex, std::uint32_t childIndex,
                              bool mother) const
{
    const TreePerson& parent = tree_.people[parentIndex];
    const TreePerson& child = tree_.people[childIndex];
    const std::string_view familyId = tree_.text(family.id);
    const std::string_view childId = tree_.text(child.id);
    const auto role = [&] { return std::string(mother ? "mother " : "father ") + std::string(tree_.text(parent.id)); };
    const Event parentBirth = birthOf(parent);
    const Event parentDeath = deathOf(parent);
    const Event born = birthOf(child);

    const Certainty unborn = laterByMoreThan(parentBirth.date, born.date, 0);
    report(TreeRule::UnbornParent, unborn, childId, familyId, [&] {
        const Readings readings = breakingReadings(born.date, parentBirth.date, 0, unborn);
        return role() + " born (" + textOf(parentBirth) + ") " + spanText(readings.earlier, readings.later)
            + " after the birth of " + std::string(childId) + " (" + textOf(born) + ")";
    });

    const TreeRule afterDeath = mother ? TreeRule::BirthAfterMotherDeath : TreeRule::BirthAfterFatherDeath;
    const long long allowed = mother ? 0 : options_.thresholds.fatherDeathDays;
    const Certainty posthumous = laterByMoreThan(born.date, parentDeath.date, allowed);
    report(afterDeath, posthumous, childId, familyId, [&] {
        const Readings readings = breakingReadings(parentDeath.date, born.date, allowed, posthumous);
        std::string span = spanText(readings.earlier, readings.later);
        if (!mother)
            span += " (" + daysText(readings.earlier, readings.later) + ")";
        return "born (" + textOf(born) + ") " + span + " after the death of the " + role() + " (" + textOf(parentDeath) + ")";
    });

    // The parent's age at the birth; not where the parent was certainly
    // born after the child, which unborn_parent says.
    const TreeRule young = mother ? TreeRule::YoungMother : TreeRule::YoungFather;
    const TreeRule old = mother ? TreeRule::OldMother : TreeRule::OldFather;
    if (unborn == Certainty::Certain || (!options_.uses(young) && !options_.uses(old)))
        return;
    const GedcomSpanCalendar calendar = spanCalendarOf(parentBirth.date, born.date);
    const TreeThresholds& limits = options_.thresholds;
    const auto detail = [&] {
        return std::string(mother ? "mother" : "father") + " aged " + spanText(parentBirth.date, born.date)
            + " at the birth of " + std::string(childId) + " (" + textOf(born) + ")";
    };
    report(young, youngerThan(parentBirth.date, born.date, mother ? limits.youngMother : limits.youngFather, calendar),
           tree_.text(parent.id), familyId, detail);
    report(old, olderThan(parentBirth.date, born.date, mother ? limits.oldMother : limits.oldFather, calendar),
           tree_.text(parent.id), familyId, detail);
}

void TreeChecker::checkSpouse(const TreeFamily& family, std::uint32_t spouseIndex) const
{
    const TreePerson& spouse = tree_.people[spouseIndex];
    const std::string_view id = tree_.text(spouse.id);
    const std::string_view familyId = tree_.text(family.id);
    const Event married = eventOf(family.marriage);
    const Event birth = birthOf(spouse);
    const Event death = deathOf(spouse);

    const Certainty unborn = laterByMoreThan(birth.date, married.date, 0);
    report(TreeRule::MarriageBeforeBirth, unborn, id, familyId, [&] {
        const Readings readings = breakingReadings(married.date, birth.date, 0, unborn);
        return "married (" + textOf(married) + ") " + spanText(readings.earlier, readings.later) + " before birth ("
            + textOf(birth) + ")";
    });
    const Certainty widowed = laterByMoreThan(married.date, death.date, 0);
    report(TreeRule::MarriageAfterDeath, widowed, id, familyId, [&] {
        const Readings readings = breakingReadings(death.date, married.date, 0, widowed);
        return "married (" + textOf(married) + ") " + spanText(readings.earlier, readings.later) + " after death ("
            + textOf(death) + ")";
    });
    if (unborn == Certainty::Certain)
        return;
    const GedcomSpanCalendar calendar = spanCalendarOf(birth.date, married.date);
    const auto detail = [&] {
        return "aged " + spanText(birth.date, married.date) + " at marriage (" + textOf(married) + "), born " + textOf(birth);
    };
    report(TreeRule::EarlyMarriage, youngerThan(birth.date, married.date, options_.thresholds.earlyMarriage, calendar),
           id, familyId, detail);
    report(TreeRule::LateMarriage, olderThan(birth.date, married.date, options_.thresholds.lateMarriage, calendar),
           id, familyId, detail);
}

// Each pair of children whose births may lie within the window, reported
// once: siblings are ordered by their earliest day, and each is compared
// only with the earlier ones whose last day lies fewer than the window's
// days before its first day (no later child can be nearer to the others),
// so that a family of many children costs little more than sorting them.
void TreeChecker::checkSpacing(const TreeFamily& family) const
{
    if (!options_.uses(TreeRule::ChildSpacing) || family.childCount < 2)
        return;
    struct Sibling
    {
        std::uint32_t person;
        Event birth;
        Day first; // the days of the birth, closed at its bounds
        Day last;
    };
    std::vector<Sibling> siblings;
    for (std::uint32_t i = 0; i < family.childCount; ++i) {
        // Only children born to the couple.
        if (tree_.childBonds[family.firstChild + i] != 0)
            continue;
        const std::uint32_t person = tree_.children[family.firstChild + i];
        Event birth = birthOf(tree_.people[person]);
        if (!birth.date.hasDays())
            continue;
        const GedcomDate closed = closedAtBound(birth.date);
        siblings.push_back({person, std::move(birth), *closed.days.earliest, *closed.days.latest});
    }
    std::stable_sort(siblings.begin(), siblings.end(), [](const Sibling& a, const Sibling& b) {
        return std::make_pair(a.first, a.last) < std::make_pair(b.first, b.last);
    });
    const TreeThresholds& limits = options_.thresholds;
    std::vector<std::size_t> near; // earlier siblings still within reach, in order
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        const Sibling& later = siblings[i];
        near.erase(std::remove_if(near.begin(), near.end(),
                                  [&](std::size_t j) {
                                      return later.first - siblings[j].last >= limits.childSpacingMaxDays;
                                  }),
                   near.end());
        for (const std::size_t j : near) {
            const Sibling& earlier = siblings[j];
            const Certainty found = apartBetween(earlier.birth.date, later.birth.date, limits.childSpacingMinDays,
                                                 limits.childSpacingMaxDays);
            if (found == Certainty::None)
                continue;
            const std::string_view earlierId = tree_.text(tree_.people[earlier.person].id);
            report(TreeRule::ChildSpacing, found, tree_.text(tree_.people[later.person].id), tree_.text(family.id),
                   [&] {
                       return "born (" + textOf(later.birth) + ") " + daysText(earlier.birth.date, later.birth.date)
                           + " after the birth of " + std::string(earlierId) + " (" + textOf(earlier.birth) + ")";
                   });
        }
        near.push_back(i);
    }
}

void TreeChecker::checkFamily(std::uint32_t index)
{
    const TreeFamily& family = tree_.families[index];
    const bool personCut = tree_.cutPerson != NoOne;
    readsCutRecord_ = index == tree_.cutFamily
        || (personCut && (family.husband == tree_.cutPerson || family.wife == tree_.cutPerson));
    for (std::uint32_t i = 0; i < family.childCount && personCut; ++i)
        readsCutRecord_ = readsCutRecord_ || tree_.children[family.firstChild + i] == tree_.cutPerson;
    const std::string_view familyId = tree_.text(family.id);
    checkFuture(eventOf(family.marriage), "marriage", {}, familyId);
    for (const std::uint32_t spouse : {family.husband, family.wife}) {
        if (spouse != NoOne)
            checkSpouse(family, spouse);
    }
    for (std::uint32_t i = 0; i < family.childCount; ++i) {
        // The rules about births leave out adoptive, foster and step parents.
        const std::uint32_t child = tree_.children[family.firstChild + i];
        const std::uint8_t bond = tree_.childBonds[family.firstChild + i];
        if (family.wife != NoOne && (bond & NotBornToMother) == 0)
            checkParent(family, family.wife, child, true);
        if (family.husband != NoOne && (bond & NotBornToFather) == 0)
            checkParent(family, family.husband, child, false);
    }
    checkSpacing(family);
}

bool weighsStatedAge(const GedcomIndividual& person)
{
    return person.birth().present && person.death().present && person.statedAge().present
        && !person.statedAgeElsewhere();
}

namespace {

using DateReader = std::function<GedcomDate(std::string_view)>;

std::optional<TreeFinding> statedAgeFindingReading(const GedcomIndividual& person, const DateReadOptions& calendar,
                                                   const DateReader& readDate)
{
    if (!weighsStatedAge(person))
        return std::nullopt;
    const std::string_view birthText = trimmed(person.birth().text);
    const std::string_view deathText = trimmed(person.death().text);
    const std::string_view ageText = trimmed(person.statedAge().text);
    // A christening in place of the birth puts the birth on or before its
    // day, a burial in place of the death the death on or before its day.
    const auto onOrBefore = [](GedcomDate date, bool stands) {
        if (stands)
            date.days.earliest.reset();
        return date;
    };
    const bool christening = person.birth().tag != "BIRT";
    const bool burial = person.death().tag != "DEAT";
    const GedcomDate birth = onOrBefore(readDate(birthText), christening);
    const GedcomDate death = onOrBefore(readDate(deathText), burial);
    const Result<StatedAge> stated = readStatedAge(ageText, calendar.language);
    if (!stated)
        return std::nullopt;
    Certainty found = statedAgeContradicted(birth, death, *stated, spanCalendarOf(birth, death));
    if (found == Certainty::None)
        return std::nullopt;
    if (stated->about) // "abt 70y": the ages of 70, but not for certain
        found = Certainty::Possible;
    const auto tagged = [](std::string_view text, std::string_view tag, std::string_view usual) {
        std::string result(tag != usual ? "on or before " : "");
        result.append(text);
        if (tag != usual)
            result.append(" (").append(tag).append(")");
        return result;
    };
    return TreeFinding{TreeRule::StatedAge, found, person.id(), {},
                       "stated age " + std::string(ageText) + " at death (" + tagged(deathText, person.death().tag, "DEAT")
                           + "), but aged " + spanText(birth, death) + " from birth ("
                           + tagged(birthText, person.birth().tag, "BIRT") + ")"};
}

} // namespace

std::optional<TreeFinding> statedAgeFinding(const GedcomIndividual& person, const DateReadOptions& calendar)
{
    return statedAgeFindingReading(person, calendar, [&calendar](std::string_view text) {
        return undatedIfRefused(readGedcomDate(text, calendar));
    });
}

std::optional<TreeFinding> statedAgeFinding(const GedcomIndividual& person, GedcomDateReadings& dates)
{
    return statedAgeFindingReading(person, dates.options(),
                                   [&dates](std::string_view text) { return undatedIfRefused(dates.read(text)); });
}

void checkTree(const FamilyTree& tree, const TreeCheckOptions& options, const PersonFindings& statedAgeFindings,
               const TreeFindingSink& sink)
{
    TreeChecker checker(tree, options, sink);
    std::vector<TreeFinding> stated; // a person's, reused
    for (std::uint32_t person = 0; person < tree.people.size(); ++person) {
        checker.checkPerson(person);
        stated.clear();
        statedAgeFindings(person, stated);
        for (TreeFinding& finding : stated) {
            if (!options.uses(finding.rule))
                continue;
            if (person == tree.cutPerson && finding.certainty == Certainty::Certain)
                finding.certainty = Certainty::Possible;
            sink(finding);
        }
    }
    for (std::uint32_t family = 0; family < tree.families.size(); ++family)
        checker.checkFamily(family);
}

} // namespace spanwright
