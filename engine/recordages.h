#pragma once

#include "age.h"

#include <string>
#include <string_view>

// The ages that records state beside those of the age reader (age.h):
// registers, marriage entries and census schedules write bounds and
// brackets where a stone writes an age.
//   ranges            "20-29", "20 to 29", "between 20 and 30" (both ends
//                     included, each end an age of the age reader)
//   under a bound     "under 10", "under 21", "10 and under 16"
//   minor             0 to 20 completed years
//   of full age       "of full age", "full age", "over 21": 21 or more
//   upwards           "45 and upwards", "16 and upward", "45 and over"
//   infant            under 1 year
// and every age readAgeText takes, precise to its smallest stated unit.
struct RecordAge
{
    bool ok = false;
    std::string problem; // when !ok: the text in quotes, a colon, and why

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

RecordAge readRecordAge(std::string_view text);

// The ages as read, for a record's line: "34 years", "20 to 29 years",
// "21 years or more", "0 to 11 months".
std::string recordAgeText(const RecordAge& age);

// The age just below age in the order of compareAge, for a bound "under
// age"; false when age is 0.
bool ageJustBelow(const Age& age, Age& below);
