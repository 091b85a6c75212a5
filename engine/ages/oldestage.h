#pragma once

#include "reading/age.h"

namespace spanwright {

// The oldest age a record is taken to state, for every reader of stated
// ages (narrow's records, a GEDCOM file's AGE lines): a greater one is a
// mistake (a stone's "200"), not a life.
constexpr long long OldestStatedAgeYears = 130;

// Whether the least age a text allows is past the oldest: more than
// OldestStatedAgeYears years, or as many months or days alone as no life
// of that length holds.
constexpr bool pastOldestAge(const Age& least)
{
    constexpr long long MonthsInAYear = 12;
    constexpr long long MostDaysInAYear = 366;
    if (least.years > OldestStatedAgeYears)
        return true;
    if (least.years == 0 && least.months >= (OldestStatedAgeYears + 1) * MonthsInAYear)
        return true;
    return least.years == 0 && least.months == 0 && least.days > OldestStatedAgeYears * MostDaysInAYear;
}

} // namespace spanwright
