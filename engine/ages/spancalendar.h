#pragma once

#include "calendars/calendardate.h"
#include "calendars/calendarsystem.h"
#include "spans/span.h"

#include <spanwright/day.h>

#include <limits>
#include <optional>

namespace spanwright {

// The calendar a span is counted in, as every reader decides it: two dates
// both Julian in the Julian calendar (as their records count them), any
// other pair in the Gregorian one after conversion through their Days.
CalendarSystem spanCalendarFor(CalendarSystem begin, CalendarSystem end);

// The earliest year of a span's dates, counted as astronomers do (1 BC is
// year 0): 10000 BC.
constexpr long long EarliestSpanYear = -9999;

// The span arithmetic on Days (calendardate.h) in the Gregorian or the
// Julian calendar.
class SpanCalendar
{
public:
    explicit SpanCalendar(CalendarSystem system);
    // The Julian calendar up to a switch: a day before firstGregorianDay is
    // Julian, one from it Gregorian, and a span is counted in the Julian
    // calendar only where both its dates are Julian (spanCalendarFor), so
    // a span that ends on or after the switch is counted in the Gregorian.
    SpanCalendar(CalendarSystem system, Day firstGregorianDay);

    CalendarSystem system() const { return julian_ ? CalendarSystem::Julian : CalendarSystem::Gregorian; }
    bool julian() const { return julian_; }
    // The span from begin to end (begin not after end), as the window
    // calculates it, with this calendar's month lengths.
    YearsMonthsDays span(Day begin, Day end) const;
    // The date of a day in this calendar, and back.
    CalendarDate dateOf(Day day) const;
    Day dayOf(const CalendarDate& date) const;
    // The calendar of a day: Julian before the switch, Gregorian from it.
    CalendarSystem systemOf(Day day) const;
    // The first and last days of years EarliestSpanYear to LastCalendarYear.
    Day firstDay() const { return firstDay_; }
    Day lastDay() const { return lastDay_; }

private:
    bool julian_;
    Day firstGregorianDay_{std::numeric_limits<long long>::max()};
    Day firstDay_;
    Day lastDay_;
};

// The calendar an age stated in a record is reckoned in, the record's date
// (recordDay) being read in recordCalendar: a Julian record's birthdays are
// Julian dates. Where a switch (its first Gregorian day) follows the
// record, the other date is Julian only before it, and a span that reaches
// it is counted in the Gregorian calendar, as span counts two dates of two
// calendars. A Julian record on or after the switch (marked O.S.) is
// Julian throughout.
SpanCalendar ageCalendarFor(CalendarSystem recordCalendar, Day recordDay,
                            std::optional<Day> firstGregorianDay);

// The calendars a record's date was read in, for the age it states: that of
// its first day and that of its last (a month across a switch has two),
// and the switch it was read under.
struct RecordCalendar
{
    CalendarSystem first = CalendarSystem::Gregorian;
    CalendarSystem last = CalendarSystem::Gregorian;
    std::optional<Day> firstGregorianDay;
};

// ageCalendarFor a day of the record, counted from its first day's side
// (fromFirst) or its last's.
SpanCalendar ageCalendarFor(const RecordCalendar& record, Day recordDay, bool fromFirst);

} // namespace spanwright
