#include "censuschecklist.h"

#include "text/asciitext.h"
#include "calendars/calendardate.h"

#include <algorithm>
#include <array>

namespace spanwright {

std::string censusName(const CensusDay& census)
{
    return std::string(census.country) + " " + std::to_string(census.year);
}

namespace {

// The US states by name and postal code, which trees often end a place with
// in place of the country ("San Francisco, San Francisco Co., CA").
bool isUsState(std::string_view part)
{
    static constexpr std::array<std::string_view, 102> States = {
        "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA", "HI", "ID", "IL", "IN", "IA", "KS",
        "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC",
        "ND", "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY",
        "Alabama", "Alaska", "Arizona", "Arkansas", "California", "Colorado", "Connecticut", "Delaware",
        "District of Columbia", "Florida", "Georgia", "Hawaii", "Idaho", "Illinois", "Indiana", "Iowa", "Kansas",
        "Kentucky", "Louisiana", "Maine", "Maryland", "Massachusetts", "Michigan", "Minnesota", "Mississippi",
        "Missouri", "Montana", "Nebraska", "Nevada", "New Hampshire", "New Jersey", "New Mexico", "New York",
        "North Carolina", "North Dakota", "Ohio", "Oklahoma", "Oregon", "Pennsylvania", "Rhode Island",
        "South Carolina", "South Dakota", "Tennessee", "Texas", "Utah", "Vermont", "Virginia", "Washington",
        "West Virginia", "Wisconsin", "Wyoming"};
    return std::find(States.begin(), States.end(), part) != States.end();
}

} // namespace

std::string_view placeCountry(std::string_view place)
{
    const std::string_view country = censusCountryOfPlace(place);
    if (!country.empty())
        return country;
    const std::size_t comma = place.rfind(',');
    return isUsState(trimmed(comma == std::string_view::npos ? place : place.substr(comma + 1))) ? "US" : "";
}

std::string_view countryNear(const TreeEvents& events, std::uint32_t person, Day day)
{
    // Where they were last seen on or before the day, else first seen after
    // it; a place of a country without a census of the table counts too, as
    // the person being elsewhere.
    std::string_view before;
    Day beforeDay;
    bool seenBefore = false;
    std::string_view after;
    Day afterDay;
    bool seenAfter = false;
    for (std::uint32_t e = events.first[person]; e < events.first[person + 1]; ++e) {
        const PersonEvent& event = events.events[e];
        if (event.place.empty() || !event.date.hasEarliest || !event.date.hasLatest)
            continue;
        const std::string_view country = placeCountry(event.place);
        const Day middle((static_cast<long long>(event.date.earliest) + event.date.latest) / 2);
        if (middle <= day && (!seenBefore || middle >= beforeDay)) {
            before = country;
            beforeDay = middle;
            seenBefore = true;
        } else if (middle > day && (!seenAfter || middle < afterDay)) {
            after = country;
            afterDay = middle;
            seenAfter = true;
        }
    }
    return seenBefore ? before : after;
}

namespace {

// Completed years from birth to day (birth on or before day).
long long completedYears(Day birth, Day day)
{
    const CalendarDate born = dateOf(birth);
    const CalendarDate on = dateOf(day);
    const bool beforeBirthday = on.month < born.month || (on.month == born.month && on.day < born.day);
    return on.year - born.year - (beforeBirthday ? 1 : 0);
}

constexpr long long RoundedFrom = 15;
constexpr long long RoundingStep = 5;

long long statedUnder(CensusAgeRule rule, long long years)
{
    switch (rule) {
    case CensusAgeRule::RoundedDownToFive: return years >= RoundedFrom ? years / RoundingStep * RoundingStep : years;
    case CensusAgeRule::AgeAtNextBirthday: return years + 1;
    case CensusAgeRule::CompletedYears: break;
    }
    return years;
}

bool recordedAt(const TreeEvents& events, std::uint32_t person, const CensusDay& census)
{
    for (std::uint32_t e = events.first[person]; e < events.first[person + 1]; ++e) {
        const PersonEvent& event = events.events[e];
        if (!event.date.hasEarliest || !event.date.hasLatest || event.date.approximate)
            continue;
        const std::string_view country = placeCountry(event.place);
        // A census, or an event of the living at its date and place (a
        // residence); a birth or death on the census day is no record of it.
        const bool livingThere = (event.kind & LivingEventKind) != 0 && (event.kind & BirthEventKind) == 0
            && country == census.country;
        if (event.tag != "CENS" && !livingThere)
            continue;
        if (!country.empty() && country != census.country)
            continue;
        const DayRange days = event.date.days();
        const std::optional<CensusDay> found = censusOfEvent(census.country, *days.earliest, *days.latest);
        if (found && found->year == census.year)
            return true;
    }
    return false;
}

} // namespace

std::string censusAgeText(const DayBounds& birth, Day day, CensusAgeRule rule)
{
    if (birth.earliest == NoEarliest || birth.latest == NoLatest || Day(birth.earliest) > day)
        return {};
    const long long oldest = statedUnder(rule, completedYears(Day(birth.earliest), day));
    const long long youngest = statedUnder(rule, completedYears(std::min(Day(birth.latest), day), day));
    return youngest == oldest ? std::to_string(oldest) : std::to_string(youngest) + "-" + std::to_string(oldest);
}

namespace {

void checkPerson(const TreeEvents& events, const PersonEstimate& bounds, std::uint32_t person,
                 std::string_view country, bool missingOnly, std::vector<CensusCheck>& checks)
{
    const std::size_t first = checks.size();
    for (const CensusDay& census : censusDays()) {
        const Day day = dayOf(census.day);
        const bool certainly = Day(bounds.birth.latest) < day && Day(bounds.death.earliest) > day
            && bounds.death.earliest != NoEarliest;
        const bool possibly = bounds.likelyBirth.earliest != NoEarliest && bounds.likelyDeath.latest != NoLatest
            && Day(bounds.likelyBirth.earliest) <= day && Day(bounds.likelyDeath.latest) >= day;
        if (!certainly && !possibly)
            continue;
        const std::string_view there = country.empty() ? countryNear(events, person, day) : country;
        if (there != census.country)
            continue;
        CensusCheck check{person, &census, certainly, recordedAt(events, person, census), {}};
        if (missingOnly && (check.recorded || !certainly))
            continue;
        const DayBounds& birth = bounds.likelyBirth.empty() ? bounds.birth : bounds.likelyBirth;
        check.age = censusAgeText(birth, day, census.rule);
        checks.push_back(std::move(check));
    }
    std::stable_sort(checks.begin() + static_cast<std::ptrdiff_t>(first), checks.end(),
                     [](const CensusCheck& a, const CensusCheck& b) {
                         return dayOf(a.census->day) < dayOf(b.census->day);
                     });
}

} // namespace

std::vector<CensusCheck> censusChecklist(const FamilyTree& tree, const TreeEvents& events,
                                         const TreeEstimate& estimate, std::string_view country, bool missingOnly)
{
    std::vector<CensusCheck> checks;
    for (std::uint32_t person = 0; person < tree.people.size(); ++person)
        checkPerson(events, estimate.people[person], person, country, missingOnly, checks);
    return checks;
}

} // namespace spanwright
