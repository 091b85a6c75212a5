#pragma once

#include "calendars/calendarsystem.h"

#include <string_view>

namespace spanwright {

// The words that name or mark a calendar, as tables of data: the marks
// after a date (O.S., N.S.), the GEDCOM escapes and keywords before one, the
// eras, and the month names of the Hebrew and French Republican calendars
// as people write them and as GEDCOM codes them. Lookups take upper-case
// words with the stops taken out ("O.S." as "OS") and the accents of
// French letters dropped ("VENDEMIAIRE").

// A calendar mark or keyword and the calendar it names.
struct CalendarWord
{
    std::string_view words; // upper case, one blank between words
    CalendarSystem system;
};

// After a date: OS, OLD STYLE, JULIAN; NS, NEW STYLE, GREGORIAN.
const CalendarWord* trailingCalendarMark(std::string_view upperWords);
// Before a date: @#DJULIAN@, @#DFRENCH R@, JULIAN, FRENCH_R, ...
const CalendarWord* leadingCalendarKeyword(std::string_view upperWords);

// The era after a year: BC, BCE ("B.C." taken as "BC") or AD, CE.
enum class Era { None, BeforeChrist, AnnoDomini };
Era eraOfWord(std::string_view upperWord);

// The month (numbered as hebrewcalendar.h and frenchcalendar.h number them)
// that upper-case words name in the calendar, 0 for none. Adar alone is
// AdarUnnumbered: Adar of a common year, or either Adar of a leap year;
// Adar I is AdarOfLeapYear, the first Adar of a leap year only. (The GEDCOM
// code ADR is month 6 in either year.)
constexpr int AdarUnnumbered = -1;
constexpr int AdarOfLeapYear = -2;
int hebrewMonthOfWords(std::string_view upperWords);
int frenchMonthOfWords(std::string_view upperWords);
// The words the year of a Hebrew date may carry: AM, ANNO MUNDI.
bool isHebrewYearMark(std::string_view upperWords);

// The names written back: "Tishri", "Adar I", "Vendémiaire", "jour
// complémentaire"; Gregorian and Julian months by their three letters.
std::string_view hebrewMonthName(int month, bool leapYear);
std::string_view frenchMonthName(int month);
std::string_view shortMonthName(int month);

} // namespace spanwright
