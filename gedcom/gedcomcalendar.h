#pragma once

#include "calendars/calendars.h"
#include "calendars/calendarsystem.h"
#include "ages/spancalendar.h"

#include <string_view>

namespace spanwright {

// The calendars a GEDCOM date may be written in are the engine's (their
// arithmetic and the dispatch among them in calendars.h); this adds their
// GEDCOM month codes and escapes.
using GedcomCalendarKind = CalendarSystem;

// The earliest year of a Gregorian or Julian date, counted as astronomers
// do (1 BC is year 0): 10000 BC. The latest is LastCalendarYear.
constexpr long long EarliestGedcomYear = EarliestSpanYear;

// "Julian", "Hebrew", "French Republican".
inline std::string_view calendarName(GedcomCalendarKind kind) { return calendarSystemName(kind); }

// The calendar a 5.5.1 escape (@#DJULIAN@) or a 7.0 keyword (JULIAN)
// names, in any case; false for any other word.
bool calendarOfWord(std::string_view word, GedcomCalendarKind& kind);

// The month (1 to 12, or 1 to 13 for Hebrew and French Republican, as
// hebrewcalendar.h and frenchcalendar.h number them) that a word in any
// case names in the calendar; 0 for none. Gregorian and Julian months take
// the codes JAN to DEC, SEPT, the English names, and a final full stop.
int monthOfWord(GedcomCalendarKind kind, std::string_view word);
// The Day of a date of the calendar, the month and day being in the year
// (monthLengthIn and firstDayOfYearIn are the engine's).
inline Day dayIn(GedcomCalendarKind kind, long long year, int month, int day)
{
    return dayOf(CalendarDay{kind, year, month, day});
}
// The month code written in messages: "FEB", "ADS", "VEND".
std::string_view monthCode(GedcomCalendarKind kind, int month);

} // namespace spanwright
