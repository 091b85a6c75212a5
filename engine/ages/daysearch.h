#pragma once

#include <spanwright/day.h>

namespace spanwright {

// Searches over days for a predicate that changes its value once.

// The first day in [low, high] for which isPast holds, or high + 1 when none
// does; isPast must be false up to some day and true from it on. Bisection.
template <typename Predicate>
Day firstDayWhere(Day low, Day high, Predicate isPast)
{
    long long count = high - low + 1;
    while (count > 0) {
        const long long half = count / 2;
        if (isPast(low + half)) {
            count = half;
        } else {
            low += half + 1;
            count -= half + 1;
        }
    }
    return low;
}

// The same, for an answer expected near low: steps of 1, 2, 4... from low
// find a day where isPast holds, then bisection within the last step. The
// cost grows with the distance from low, not with the width of the range.
template <typename Predicate>
Day firstDayNear(Day low, Day high, Predicate isPast)
{
    Day before = low - 1; // isPast does not hold here (or it is outside)
    long long step = 1;
    while (before < high) {
        const Day probe = before + step < high ? before + step : high;
        if (isPast(probe))
            return firstDayWhere(before + 1, probe - 1, isPast);
        before = probe;
        step *= 2;
    }
    return high + 1;
}

// The last day in [low, high] for which isBefore holds, searching from high
// down in growing steps; low - 1 when none does. isBefore must hold up to
// some day and not from it on.
template <typename Predicate>
Day lastDayNear(Day low, Day high, Predicate isBefore)
{
    Day after = high + 1; // isBefore does not hold here (or it is outside)
    long long step = 1;
    while (after > low) {
        const Day probe = after - step > low ? after - step : low;
        if (isBefore(probe)) {
            return firstDayWhere(probe + 1, after - 1, [&](Day day) { return !isBefore(day); }) - 1;
        }
        after = probe;
        step *= 2;
    }
    return low - 1;
}

} // namespace spanwright
