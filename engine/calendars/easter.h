#pragma once

#include "calendars/calendarsystem.h"

#include <spanwright/day.h>

namespace spanwright {

// Easter Sunday of a year, as a Day (calendardate.h), by the
// computus of the calendar: the Julian one (the Dionysian tables the
// Church used until 1582, and the Orthodox churches still use) or the
// Gregorian one of 1582. Any other calendar is taken as the Gregorian one.
Day easterSunday(long long year, CalendarSystem system);

// The first year of the Gregorian computus: no one kept its Easter before.
constexpr long long FirstGregorianEasterYear = 1583;

} // namespace spanwright
