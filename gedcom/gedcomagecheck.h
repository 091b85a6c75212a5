#pragma once

#include "gedcomage.h"
#include "gedcomdate.h"
#include "gedcomspancalendar.h"

#include <optional>

namespace spanwright {

// Ages that a birth date and a death date allow, and how a stated age fits
// them. The dates are read (ok) and the death date does not lie wholly
// before the birth date (see deathBeforeBirth). An open side of a date
// reaches to the calendar's first or last day.

// True when every day the death date allows lies before every day the birth
// date allows.
bool deathBeforeBirth(const GedcomDate& birth, const GedcomDate& death);

// The least and greatest spans from a birth to a death the dates allow; no
// greatest when the birth has no earliest day or the death no latest.
struct AgeBounds
{
    YearsMonthsDays least;
    std::optional<YearsMonthsDays> greatest;
};
AgeBounds ageBounds(const GedcomDate& birth, const GedcomDate& death, const GedcomSpanCalendar& calendar);

// How a stated age fits the dates. A birth day "gives" a stated age at a
// death day when compareWithStatedAge puts the two days among the stated
// ages (an age in days alone counts days; see StatedAge::meetable).
//
// For a pair of birth and death days, the distance of the stated age is the
// number of days the birth day must move (the death day staying) to give one
// of the stated ages: 0 when it gives one; otherwise the days to the nearest
// birth day that does; and where no birth day gives it at that death day
// (no day lies exactly "1 month, 0 days" before some death days), the days
// to the first birth day past the stated age, so at least 1. The distance of
// a stated age from the dates is the least distance over all pairs they
// allow (birth not after death). Disagrees with days = 0 never happens.
//
// A birth date with no earliest day (BEF, TO) or a death date with no latest
// (AFT, FROM) allows ages without end, even of centuries: such dates are
// checked only for a stated age shorter than every span they allow, and
// are OpenEnded otherwise.
struct AgeCheck
{
    enum class Outcome {
        Agrees,
        Disagrees,
        // No birth day in the calendar gives the stated age at the death
        // days (an age longer than the calendar).
        Unreachable,
        // The dates set no greatest age, and the stated age is not too short.
        OpenEnded,
    };
    Outcome outcome = Outcome::Agrees;
    long long days = 0; // when Disagrees
};
AgeCheck checkStatedAge(const GedcomDate& birth, const GedcomDate& death, const StatedAge& stated,
                        const GedcomSpanCalendar& calendar);

// The birth days that give one of the stated ages at an exact death day: one
// unbroken run, empty when count is 0. For one Gregorian age in years or
// months this is beginDatesFor. fromCalendarStart when the stated age
// has no upper bound ("> 70y"), so that the run begins with the calendar.
struct BirthDays
{
    Day first;
    long long count = 0;
    bool fromCalendarStart = false;
};
BirthDays birthDaysFor(Day deathDay, const StatedAge& stated, const GedcomSpanCalendar& calendar);

} // namespace spanwright
