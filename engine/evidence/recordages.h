#pragma once

#include "reading/age.h"

#include <string>
#include <string_view>

namespace spanwright {

// The ages that records state beside those of the age reader (age.h):
// registers, marriage entries and census schedules write bounds and
// brackets where a stone writes an age.
//   ranges            "20-29", "20 to 29", "between 20 and 30" (both ends
//                     included, each end an age of the age reader)
//   under a bound     "under 10", "under 21", "10 and under 16"
//   minor             0 to 20 completed years
//   of full age       "of full age", "full age", "over 21": 21 or more
//   upwards           "45 and upwards", "16 and upward", "45 and over",
//                     "16 & upwards"; "over 30", "above 21", "upwards of 21"
//                     (the years or more, as "over 21": past that birthday)
//   brackets          "of 30 and under 40", "30 & under 40" (the 1830 and
//                     1840 US schedules)
//   a half year       "34 1/2", "34½", "34 and a half": past the half year,
//                     34 years 6 months to 34 years 11 months 30 days
//   infant            under 1 year (a record does not say it is a marriage,
//                     where the word means under 21: write "minor" there)
//   child             under 8 years, stillborn 0 days (born that day), as
//                     GEDCOM's CHILD and STILLBORN
// and every age readAgeText takes, precise to its smallest stated unit.
struct RecordAge
{
    // The least and greatest age (greatest unused where openAbove), the
    // counting and the about mark, as an AgeReading holds them.
    AgeReading reading;
    bool openAbove = false; // "of full age": no greatest age

    // The text was a plain number of years, "34", "aged 34 years" or
    // "about 34": the form the census rules of rounded and next-birthday
    // ages apply to.
    bool plainYears = false;
    // Read by the age reader itself, and written back as it writes ages.
    bool ageReaderForm = false;
};

// language as readAgeText takes it (for the age as written; a range's
// bounds are read as every language reads them). A refusal is NotRead, its
// message the text in quotes, a colon, and why.
Result<RecordAge> readRecordAge(std::string_view text, std::string_view language = {});

// The ages of the words GEDCOM and registers share: INFANT under 1 year,
// CHILD under 8.
constexpr long long InfantUnderYears = 1;
constexpr long long ChildUnderYears = 8;

// The ages as read, for a record's line: "34 years", "20 to 29 years",
// "21 years or more", "0 to 11 months".
std::string recordAgeText(const RecordAge& age);

// The age just below age in the order of compareAge, for a bound "under
// age"; false when age is 0.
bool ageJustBelow(const Age& age, Age& below);

} // namespace spanwright
