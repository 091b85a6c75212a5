#pragma once

#include "age.h"
#include "calendardate.h"
#include "span.h"

#include <optional>

// A date next to the dates that give an age, with the span it gives instead.
struct NearestDate
{
    CalendarDate date;
    Span span;
};

// The calendar dates that give an age exactly, as the span arithmetic
// calculates it: one unbroken run of days, earliest first (empty when no date
// does). Where none does, the nearest dates on each side that give another
// age; a side that has no date left in the calendar stays empty.
struct AgeMatches
{
    long long firstDay = 0; // day numbers (see dayNumberOf) of the run
    long long count = 0;
    std::optional<NearestDate> before;
    std::optional<NearestDate> after;

    bool empty() const { return count == 0; }
    CalendarDate first() const { return dateOfDayNumber(firstDay); }
    CalendarDate last() const { return dateOfDayNumber(firstDay + count - 1); }
};

// Every begin date B from which the span to end is exactly age: the birth
// dates a death date and a stated age allow. Several can: 1/28 to 1/31/1990
// are all 1 month, 1 day before 3/1/1990.
AgeMatches beginDatesFor(const CalendarDate& end, const Age& age);

// Every end date E to which the span from begin is exactly age.
AgeMatches endDatesFor(const CalendarDate& begin, const Age& age);

// The span from begin to end, which must be in order.
Span spanBetween(const CalendarDate& begin, const CalendarDate& end);
