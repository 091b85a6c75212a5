#pragma once

#include "evidence/censusdays.h"
#include "treeestimate.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The censuses of the census table each person was alive at, and whether
// the tree has found them there. A person's country at a census is that of
// the place of their events around it (countryNear), unless one country is
// given for everyone.
struct CensusCheck
{
    std::uint32_t person = 0;
    const CensusDay* census = nullptr; // into censusDays()
    // Certain: born before the census day and died after it by the
    // certain bounds; else possible within the likely ones.
    bool certainlyAlive = false;
    // A CENS event of that census, or an event of the living (a residence)
    // with its date in its country.
    bool recorded = false;
    // The age the person would give under the census's rule: "34", or
    // "33-34" where the birth is not known to the year; empty where the
    // birth has an open end.
    std::string age;
};

// By person, each person's censuses by day. With missingOnly, only those
// not recorded for people certainly alive.
std::vector<CensusCheck> censusChecklist(const FamilyTree& tree, const TreeEvents& events,
                                         const TreeEstimate& estimate, std::string_view country = {},
                                         bool missingOnly = false);

// The census's name as the checklist writes it: "England 1851".
std::string censusName(const CensusDay& census);

// The census country a place ends with (censusCountryOfPlace), or "US" for
// a place ending with a US state's name or postal code; empty for any other.
std::string_view placeCountry(std::string_view place);

// The person's country on day: that of the place of their last event on or
// before it, else of their first after it; empty where that place is in no
// census country, or none of their events has a place.
std::string_view countryNear(const TreeEvents& events, std::uint32_t person, Day day);

// The ages a birth between the days gives on day under rule, as written.
std::string censusAgeText(const DayBounds& birth, Day day, CensusAgeRule rule);

} // namespace spanwright
