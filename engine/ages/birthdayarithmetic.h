#pragma once

#include "calendars/calendardate.h"
#include "calendars/calendarsystem.h"
#include "reading/age.h"

namespace spanwright {

// The span rule (spanBetween) worked backwards from a fixed end date, in
// the Gregorian or the Julian calendar: the ends of the run of begin dates
// an age allows, as date arithmetic on the end date's month and day rather
// than a search over days. A later begin date never gives a longer span, so
// each end is the first or last date past which the comparison turns.
//
// The dates may lie outside the calendar's years (an age reaching before
// 10000 BC): the caller holds them to the days it searches.

// The earliest begin date whose span to end is at most greatest.
CalendarDate earliestBeginAtMost(const CalendarDate& end, const Age& greatest, CalendarSystem calendar);

// The latest begin date whose span to end is at least least.
CalendarDate latestBeginAtLeast(const CalendarDate& end, const Age& least, CalendarSystem calendar);

} // namespace spanwright
