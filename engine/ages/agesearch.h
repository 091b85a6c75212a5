#pragma once

#include "reading/age.h"
#include "calendars/calendardate.h"
#include "spans/span.h"
#include "ages/spancalendar.h"

#include <optional>

namespace spanwright {

// A date next to the dates that give an age, with the span it gives instead.
struct NearestDate
{
    CalendarDate date;
    YearsMonthsDays span;
};

// The calendar dates that give an age exactly, as the span arithmetic
// calculates it: one unbroken run of days, earliest first (empty when no date
// does). Where none does, the nearest dates on each side that give another
// age; a side that has no date left in the calendar stays empty.
struct AgeMatches
{
    Day firstDay; // the first day of the run, and its days
    long long count = 0;
    std::optional<NearestDate> before;
    std::optional<NearestDate> after;

    bool empty() const { return count == 0; }
    CalendarDate first() const { return dateOf(firstDay); }
    CalendarDate last() const { return dateOf(firstDay + (count - 1)); }
};

// The searches cover the days a date may be written to, 1 January 9999 BC
// to 31 December 9999 (earliestReadDay to latestReadDay): no date outside
// them is an answer, and a side with none left there has no nearest date.
//
// The searches on CalendarDate are Gregorian. Those on Days reckon
// the age in a span calendar (spancalendar.h): a Julian record's birthdays
// are Julian dates, and under a switch a span that ends on or after it is
// counted in the Gregorian calendar, as span counts two dates of two
// calendars. The nearest dates are Gregorian dates either way.

// Every begin date B from which the span to end is exactly age: the birth
// dates a death date and a stated age allow. Several can: 1/28 to 1/31/1990
// are all 1 month, 1 day before 3/1/1990.
AgeMatches beginDatesFor(const CalendarDate& end, const Age& age);

// Every end date E to which the span from begin is exactly age.
AgeMatches endDatesFor(const CalendarDate& begin, const Age& age);

// Every begin date B from which the span to end is an age from least to
// greatest, both included, in the order of compareAge: the birth dates a
// death date and an age precise to its smallest stated unit allow ("aged
// 39": 39 years 0 months 0 days to 39 years 11 months 30 days). Still one
// unbroken run: a later begin date never gives a longer span.
AgeMatches beginDatesWithin(const CalendarDate& end, const Age& least, const Age& greatest);

// Every end date E to which the span from begin is an age from least to
// greatest.
AgeMatches endDatesWithin(const CalendarDate& begin, const Age& least, const Age& greatest);

// Every begin date from leastDays to greatestDays days before end, and every
// end date so many days after begin: an age in days or weeks alone, which
// counts the days that have passed. Within the calendar.
AgeMatches beginDatesElapsed(const CalendarDate& end, long long leastDays, long long greatestDays);
AgeMatches endDatesElapsed(const CalendarDate& begin, long long leastDays, long long greatestDays);

// The dates an age reading allows: within its least and greatest age, or
// the days that have passed, as its counting says.
AgeMatches beginDatesMeant(const CalendarDate& end, const AgeReading& reading);
AgeMatches endDatesMeant(const CalendarDate& begin, const AgeReading& reading);
AgeMatches beginDatesMeant(Day endDay, const AgeReading& reading, const SpanCalendar& calendar);
AgeMatches endDatesMeant(Day beginDay, const AgeReading& reading, const SpanCalendar& calendar);
AgeMatches beginDatesWithin(Day endDay, const Age& least, const Age& greatest, const SpanCalendar& calendar);
AgeMatches endDatesWithin(Day beginDay, const Age& least, const Age& greatest, const SpanCalendar& calendar);

// The first and the last day of beginDatesMeant's run, the same days, or
// nothing where the run is empty: for callers that want the run's ends
// alone (a birth window), worked out by the birthday arithmetic
// (birthdayarithmetic.h), the search only where that does not hold.
std::optional<Day> firstBeginDayMeant(Day endDay, const AgeReading& reading, const SpanCalendar& calendar);
std::optional<Day> lastBeginDayMeant(Day endDay, const AgeReading& reading, const SpanCalendar& calendar);

} // namespace spanwright
