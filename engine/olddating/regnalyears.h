#pragma once

#include "calendars/calendardate.h"
#include "olddating/oldwords.h"

#include <spanwright/result.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The English (from 1707 British) reigns from William I to Elizabeth II,
// by which statutes, deeds and court rolls number their years: "9 Edward
// III" is the ninth year from Edward III's accession, 25 Jan 1335 to
// 24 Jan 1336.
struct Reign
{
    std::string_view name;    // "Edward III"
    std::string_view key;     // as readRegnalYear looks it up: "EDWARD 3", "JOHN"
    CalendarDate first;       // the first day of the first regnal year
    CalendarDate last;        // the last day of the reign
    bool fromAscension = false; // John's years run from Ascension Day to Ascension Day
    int firstYearNumber = 1;    // Henry VI's readeption was his 49th year
    std::string_view withYearsOf = {}; // Philip and Mary's years went with Mary's own: "MARY"
};

// A regnal year written out: its reign and number, the words it took.
struct RegnalYear
{
    const Reign* reign = nullptr;
    int year = 0;
    int alongsideYear = 0; // Mary's beside Philip's: the 2 of "1 & 2 Philip and Mary"
};

// The regnal year the words from first to the end are, all of them: "9
// Edward III", "20 Eliz. I", "in the fourth year of the reign of George
// III", "5 Victoria", "6 W. & M.", "1 & 2 Philip and Mary", "anno regni
// regis Edwardi tertii nono", "a.r.r. Henrici octavi tertio". Nothing when they are none; a problem
// (NotRead: a king named but not which one, a year past the reign) when
// they name a reign but not one regnal year of it.
std::optional<Result<RegnalYear>> readRegnalYear(const std::vector<OldWord>& words, size_t first);

// The first and last day of the regnal year; the last of
// the reign ends it. England's days: Julian to 2 Sep 1752, Gregorian from
// 14 Sep 1752. A reign begun before the change kept its anniversary as a
// count of days (George II's years began on 11 June, then on 22 June).
// Philip and Mary's double years are the days that Philip's year and
// Mary's have in common.
std::pair<Day, Day> regnalYearDays(const RegnalYear& regnal);

// The Day of a day of England's calendar, Julian to 2 Sep 1752, Gregorian
// from 14 Sep 1752; nothing for a day that calendar has not.
std::optional<Day> englishDay(long long year, int month, int day);
// The first Gregorian day of England, 14 Sep 1752.
Day englishGregorianStart();

// "9 Edward III", "1 & 2 Philip and Mary".
std::string regnalYearText(const RegnalYear& regnal);

} // namespace spanwright
