#include "evidence/birthnarrowing.h"

#include "ages/agesearch.h"
#include "calendars/calendardate.h"

#include <algorithm>
#include <limits>

namespace spanwright {

namespace {

// An exact age that no birth day gives at one event day is given at a day
// a few days on (runs are lost only to days clamped at a month's end), so
// the ends of an event's days are sought this many days inwards at most,
// as the born answer does.
constexpr long long MostDaysToAMatch = 31;

// An open first end begins the sweep of the windows' ends before any day.
constexpr Day NoEarliest{std::numeric_limits<long long>::min()};

// The reading whose latest birth day is that of the least age: where the
// age has no greatest, a greatest a year above the least stands in for it.
// The least is a least, not an age to be met exactly: no birth day gives
// 1 year 30 days at 1 March 1851, yet 30 January 1850 gives more, and the
// latest birth day of at least the least age gives at most a few days more.
AgeReading leastReading(const RecordAge& age)
{
    AgeReading reading = age.reading;
    if (age.openAbove) {
        if (reading.counting == AgeCounting::ElapsedDays)
            reading.greatest = reading.least;
        else
            reading.greatest = Age{reading.least.years + 1, reading.least.months, reading.least.days};
    }
    return reading;
}

// The day dayAt gives (the first or the last birth day of an age) at the
// first event day from from towards to (step 1 or -1) that gives any,
// within MostDaysToAMatch days.
template <typename DayAt>
std::optional<Day> firstFound(Day from, Day to, int step, DayAt dayAt)
{
    Day day = from;
    for (long long tried = 0; tried <= MostDaysToAMatch; day += step, ++tried) {
        if (const std::optional<Day> found = dayAt(day, step > 0))
            return found;
        if (day == to)
            break;
    }
    return std::nullopt;
}


// The days every window of the set shares (the set is not empty and agrees).
BirthWindow commonWindow(const std::vector<BirthWindow>& windows, const std::vector<size_t>& set)
{
    BirthWindow window;
    for (size_t index : set) {
        window.days = overlapOf(window.days, windows[index].days);
        window.about = window.about || windows[index].about;
    }
    return window;
}

} // namespace

std::optional<BirthWindow> birthWindowFor(const DayRange& event, const RecordAge& age, const RecordCalendar& calendar)
{
    BirthWindow window;
    window.about = age.reading.about;
    const Day firstDay = event.earliest.value_or(firstCalendarDay());
    const Day lastDay = event.latest.value_or(lastCalendarDay());
    if (event.earliest && !age.openAbove) {
        window.days.earliest = firstFound(firstDay, lastDay, 1, [&](Day day, bool fromFirst) {
            return firstBeginDayMeant(day, age.reading, ageCalendarFor(calendar, day, fromFirst));
        });
        if (!window.days.earliest)
            return std::nullopt;
    }
    if (event.latest) {
        const AgeReading least = leastReading(age);
        window.days.latest = firstFound(lastDay, firstDay, -1, [&](Day day, bool fromFirst) {
            return lastBeginDayMeant(day, least, ageCalendarFor(calendar, day, fromFirst));
        });
        if (!window.days.latest)
            return std::nullopt;
    }
    return window;
}

Narrowing narrowWindows(const std::vector<BirthWindow>& windows)
{
    Narrowing narrowing;
    std::vector<size_t> all(windows.size());
    for (size_t index = 0; index < windows.size(); ++index)
        all[index] = index;
    const BirthWindow common = commonWindow(windows, all);
    if (!common.days.holdsNoDay()) {
        narrowing.fits = true;
        narrowing.window = common;
        return narrowing;
    }

    // A sweep over the windows' ends: a window begins at its first day and
    // ends after its last; at one day the ends come before the beginnings.
    struct End
    {
        Day day;
        int change; // +1 a window begins, -1 one has ended
    };
    std::vector<End> ends;
    ends.reserve(2 * windows.size());
    for (const BirthWindow& window : windows) {
        ends.push_back({window.days.earliest.value_or(NoEarliest), 1});
        if (window.days.latest)
            ends.push_back({*window.days.latest + 1, -1});
    }
    std::sort(ends.begin(), ends.end(), [](const End& a, const End& b) {
        return a.day != b.day ? a.day < b.day : a.change < b.change;
    });
    // The days where the most windows overlap: each such stretch begins
    // where a window begins, after every change at that day.
    long long most = 0;
    std::vector<Day> starts;
    long long open = 0;
    for (size_t i = 0; i < ends.size(); ++i) {
        open += ends[i].change;
        const bool lastAtDay = i + 1 == ends.size() || ends[i + 1].day != ends[i].day;
        if (!lastAtDay || ends[i].change < 0)
            continue;
        if (open > most) {
            most = open;
            starts.clear();
        }
        if (open == most)
            starts.push_back(ends[i].day);
    }
    for (Day day : starts) {
        if (narrowing.largestSets.size() == MostAgreeingSetsListed) {
            ++narrowing.moreSets;
            continue;
        }
        AgreeingSet set;
        for (size_t index = 0; index < windows.size(); ++index)
            (windows[index].days.contains(day) ? set.records : set.leftOut).push_back(index);
        set.window = commonWindow(windows, set.records);
        narrowing.largestSets.push_back(std::move(set));
    }
    return narrowing;
}

} // namespace spanwright
