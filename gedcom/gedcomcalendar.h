#pragma once

#include <string_view>

// The calendars a GEDCOM date may be written in, with their month codes and
// day numbers (calendardate.h), so that dates of every calendar compare.
enum class GedcomCalendarKind { Gregorian, Julian, Hebrew, FrenchRepublican };

// The earliest year of a Gregorian or Julian date, counted as astronomers
// do (1 BC is year 0): 10000 BC. The latest is LastCalendarYear.
constexpr long long EarliestGedcomYear = -9999;

// "Julian", "Hebrew", "French Republican".
std::string_view calendarName(GedcomCalendarKind kind);

// The calendar a 5.5.1 escape (@#DJULIAN@) or a 7.0 keyword (JULIAN)
// names, in upper case; false for any other word.
bool calendarOfWord(std::string_view upperWord, GedcomCalendarKind& kind);

// The month (1 to 12, or 1 to 13 for Hebrew and French Republican, as
// hebrewcalendar.h and frenchcalendar.h number them) that an upper-case
// word names in the calendar; 0 for none. Gregorian and Julian months take
// the codes JAN to DEC, SEPT, the English names, and a final full stop.
int monthOfWord(GedcomCalendarKind kind, std::string_view upperWord);
// The days of the month in the year; 0 when the year has no such month.
int monthLengthIn(GedcomCalendarKind kind, int month, long long year);
// The day number of a date of the calendar, the month and day being in the
// year; and the first day of the year.
long long dayNumberIn(GedcomCalendarKind kind, long long year, int month, int day);
long long firstDayOfYearIn(GedcomCalendarKind kind, long long year);
// The month code written in messages: "FEB", "ADS", "VEND".
std::string_view monthCode(GedcomCalendarKind kind, int month);
