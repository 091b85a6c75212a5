#pragma once

#include "evidence/recordages.h"
#include "ages/spancalendar.h"

#include <spanwright/dayrange.h>

#include <cstddef>
#include <optional>
#include <vector>

namespace spanwright {

// Narrowing a birth date from records that state an age: each record allows
// a window of birth days, the birth lies where all windows overlap, and
// where none is common to all, the largest sets of records that agree show
// which record to doubt.

// The birth days a record allows, both ends included; an open end (a bound
// the record does not set: "of full age", an event "before 1850") has no
// day.
struct BirthWindow
{
    DayRange days;
    bool about = false; // the age or the date is marked about
};

// The birth days an age at an event allows, the event lying on one of the
// days of event (an open end has none): the earliest birth is that of the
// earliest event day and the greatest age, the latest that of the latest
// day and the least age. Nothing when no birth day in the calendar gives
// the age. The age is reckoned in the calendar of the event's date
// (ageCalendarFor): Gregorian unless told.
std::optional<BirthWindow> birthWindowFor(const DayRange& event, const RecordAge& age,
                                          const RecordCalendar& calendar = {});

// A set of records (by index) whose windows share days, with the days they
// share, and the records left out.
struct AgreeingSet
{
    std::vector<size_t> records;
    std::vector<size_t> leftOut;
    BirthWindow window;
};

struct Narrowing
{
    bool fits = false;   // some birth day lies in every window
    BirthWindow window;  // when fits: the days in every window
    // When not: the largest sets of records that agree, earliest window
    // first, at most MostAgreeingSetsListed of them; moreSets counts those
    // of the same size not listed.
    std::vector<AgreeingSet> largestSets;
    size_t moreSets = 0;
};

constexpr size_t MostAgreeingSetsListed = 8;

// The common days of the windows, or the largest sets that agree. No
// window is a window of every day.
Narrowing narrowWindows(const std::vector<BirthWindow>& windows);

} // namespace spanwright
