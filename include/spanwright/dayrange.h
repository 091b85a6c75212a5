#pragma once

#include <spanwright/day.h>

#include <optional>

namespace spanwright {

// The days a date or an answer allows (day.h). Both ends are included; an
// open end (before 1850, after 1850) has no day. One day when both ends are
// the same.
struct DayRange
{
    std::optional<Day> earliest;
    std::optional<Day> latest;

    bool openBefore() const { return !earliest; }
    bool openAfter() const { return !latest; }
    bool oneDay() const { return earliest && latest && *earliest == *latest; }
    bool contains(Day day) const { return (!earliest || *earliest <= day) && (!latest || day <= *latest); }
    // The days from the earliest to the latest, both counted; none when an
    // end is open.
    std::optional<long long> dayCount() const
    {
        if (!earliest || !latest)
            return std::nullopt;
        return *latest - *earliest + 1;
    }

    // The earliest day lies after the latest: what two ranges that do not
    // meet have in common (overlapOf).
    bool holdsNoDay() const { return earliest && latest && *earliest > *latest; }

    friend bool operator==(const DayRange& a, const DayRange& b)
    {
        return a.earliest == b.earliest && a.latest == b.latest;
    }
    friend bool operator!=(const DayRange& a, const DayRange& b) { return !(a == b); }
};

// The days both ranges hold: from the later earliest day to the earlier
// latest one, an end open only where both are. Where the ranges do not
// meet, the range holds no day.
inline DayRange overlapOf(const DayRange& a, const DayRange& b)
{
    DayRange overlap = a;
    if (b.earliest && (!overlap.earliest || *overlap.earliest < *b.earliest))
        overlap.earliest = b.earliest;
    if (b.latest && (!overlap.latest || *b.latest < *overlap.latest))
        overlap.latest = b.latest;
    return overlap;
}

} // namespace spanwright
