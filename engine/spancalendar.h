#pragma once

#include "calendardate.h"
#include "calendarsystem.h"
#include "span.h"

namespace spanwright {

// The calendar a span is counted in, as every reader decides it: two dates
// both Julian in the Julian calendar (as their records count them), any
// other pair in the Gregorian one after conversion through the day numbers.
CalendarSystem spanCalendarFor(CalendarSystem begin, CalendarSystem end);

// The earliest year of a span's dates, counted as astronomers do (1 BC is
// year 0): 10000 BC.
constexpr long long EarliestSpanYear = -9999;

// The span arithmetic on day numbers (calendardate.h) in the Gregorian or
// the Julian calendar.
class SpanCalendar
{
public:
    explicit SpanCalendar(CalendarSystem system);

    CalendarSystem system() const { return julian_ ? CalendarSystem::Julian : CalendarSystem::Gregorian; }
    bool julian() const { return julian_; }
    // The span from begin to end (begin not after end), as the window
    // calculates it, with this calendar's month lengths.
    Span span(long long begin, long long end) const;
    // The date a day number names in this calendar.
    CalendarDate dateOf(long long day) const;
    // The first and last days of years EarliestSpanYear to LastCalendarYear.
    long long firstDay() const { return firstDay_; }
    long long lastDay() const { return lastDay_; }

private:
    bool julian_;
    long long firstDay_;
    long long lastDay_;
};

} // namespace spanwright
