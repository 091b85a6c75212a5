#pragma once

#include <optional>
#include <string>
#include <string_view>

// A DATE value of a GEDCOM file, read as the days it allows.
//
// Days are the day numbers of calendardate.h (days since 1 January of year 1,
// Gregorian), whatever calendar the date is written in, so that dates of
// both calendars compare and a Julian date is converted by its day number.
struct GedcomDate
{
    enum class Calendar { Gregorian, Julian, Mixed };

    bool ok = false;
    std::string problem; // why the value is not a date, when !ok

    // The first and last day the value allows; an open side (BEF, AFT, FROM
    // or TO alone) has none.
    std::optional<long long> earliest;
    std::optional<long long> latest;
    // ABT, CAL or EST: the days are those of the date as written, but the
    // event may lie outside them.
    bool approximate = false;
    // Julian when every date of the value is, Mixed when some are.
    Calendar calendar = Calendar::Gregorian;

    // One day, not approximate.
    bool exact() const { return ok && !approximate && earliest && latest && *earliest == *latest; }
};

// Reads a date value by the GEDCOM 5.5.1 grammar:
//   D MON YYYY, MON YYYY, YYYY (MON is JAN to DEC, any case);
//   ABT, CAL, EST <date>; BEF, AFT <date>; BET <date> AND <date>;
//   FROM <date>, TO <date>, FROM <date> TO <date>; INT <date> (<phrase>);
//   dual years (11 FEB 1731/32 is 1732);
//   the calendar escapes @#DGREGORIAN@ and @#DJULIAN@ before a date.
// BEF a date allows the days before its first day, AFT the days after its
// last; BET and FROM...TO allow the days from the first day of the one to
// the last day of the other.
// Refused, with the reason: B.C. years, other calendars, date phrases, days
// that are not in the month, anything else.
// Also read, because old programs wrote it: a full English month name, an
// ordinal day ("9th") and a weekday before the date ("Tuesday, 9th November
// 1841"), which must be the date's weekday.
GedcomDate readGedcomDate(std::string_view text);
