#pragma once

#include "reading/age.h"
#include "spans/span.h"

#include <optional>
#include <string>
#include <string_view>

namespace spanwright {

// A stated age at an event, as the AGE line of a GEDCOM file gives it: one
// age, or the ages below or above a bound.
struct StatedAge
{
    // An age phrase ("(about seventy)"), kept as text: no age, no error.
    bool phrase = false;
    // "abt 70y", "about 70": the ages are those of 70, marked approximate.
    bool about = false;

    // The least and the greatest age meant; a bound is left out ("> 70y" has
    // no greatest) or excluded ("< 1y" means less than one year).
    std::optional<Age> least;
    bool leastExcluded = false;
    std::optional<Age> greatest;
    bool greatestExcluded = false;

    // Some age was stated: false for a phrase (and for no text at all).
    bool hasAges() const { return least || greatest; }

    // An age in days alone ("45d") counts the days from birth to death; any
    // other age is compared with the span in years, months and days, whose
    // days never exceed LongestSpanDays. An age with more days beside years
    // or months ("1y 45d") is therefore never met.
    bool meetable() const;

    // One age: "79y 9m 29d".
    bool exact() const
    {
        return least && greatest && !leastExcluded && !greatestExcluded
            && compareAge(*least, *greatest) == 0;
    }
};

// Reads an age by the GEDCOM age grammars of 5.5.1 and 7.0:
// "79y 9m 29d", "79y", "9m 2d", "5w", "2y 3w", "75" (years), "< 1y",
// "> 70y", CHILD (under 8 years), INFANT (under 1 year), STILLBORN
// (0 days), a phrase in parentheses, and every form readAgeText takes
// ("79 years, 9 months").
// An age is rounded down, so it is precise to its smallest stated unit:
// "75y" allows every span from 75 years to less than 76 years, "79y 9m"
// any days, "5w" 35 to 41 days; an age with days is one age.
// language: as readAgeText takes it, for a word two languages read apart.
// A phrase is read, with no ages; any other text that is no age is refused
// (NotRead, the text in quotes and why).
Result<StatedAge> readStatedAge(std::string_view text, std::string_view language = {});

// The most days a span has beside its years and months.
constexpr long long LongestSpanDays = 30;

// Where the time from a birth to a death lies against the stated ages:
// negative when it is shorter than every one of them, positive when longer,
// 0 when it is one of them. span is the span between the two days and
// elapsedDays the number of days between them.
int compareWithStatedAge(const YearsMonthsDays& span, long long elapsedDays, const StatedAge& stated);

} // namespace spanwright
