#pragma once

#include "calendardate.h"
#include "span.h"

// The span arithmetic on day numbers (see calendardate.h) in one calendar:
// the Gregorian one, or the Julian one for two dates both given in it.
class GedcomSpanCalendar
{
public:
    explicit GedcomSpanCalendar(bool julian);

    bool julian() const { return julian_; }
    // The span from begin to end (begin not after end), as the window
    // calculates it, with this calendar's month lengths.
    Span span(long long begin, long long end) const;
    // The date a day number names in this calendar.
    CalendarDate dateOf(long long day) const;
    // The first and last days of years EarliestGedcomYear to LastCalendarYear.
    long long firstDay() const { return firstDay_; }
    long long lastDay() const { return lastDay_; }

private:
    bool julian_;
    long long firstDay_;
    long long lastDay_;
};
