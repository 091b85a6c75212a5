#pragma once

#include "reading/datereadoptions.h"

#include <spanwright/dayrange.h>
#include <spanwright/result.h>

#include <string>
#include <string_view>

namespace spanwright {

// A DATE value of a GEDCOM file, read as the days it allows.
//
// Its days are Days (day.h: counted from 1 January of year 1, Gregorian),
// whatever calendar the date is written in, so that dates of every calendar
// compare and a date is converted by its day.
struct GedcomDate
{
    // The calendar the span is worked out in: two Julian dates in the Julian
    // one, every other pair in the Gregorian one (Mixed: the value's dates
    // are of several calendars).
    enum class Calendar { Gregorian, Julian, Mixed, Hebrew, FrenchRepublican };
    // A value that is no date, yet no error either: it reads, with no days.
    enum class NoDate {
        None,
        StatusWord, // DECEASED, DEAD, STILLBORN, INFANT, CHILD, UNKNOWN
        Phrase,     // "(in the war)", kept as text
    };

    std::string warning; // read, but doubtful: a dual year under a Gregorian escape
    NoDate noDate = NoDate::None;
    bool stillborn = false; // the status word STILLBORN: an age of 0

    // The first and last day the value allows; an open side (BEF, AFT, FROM
    // or TO alone) has none.
    DayRange days;
    // ABT, CAL or EST: the days are those of the date as written, but the
    // event may lie outside them.
    bool approximate = false;
    Calendar calendar = Calendar::Gregorian;
    // The calendars other than the Gregorian one that the value's dates are
    // written in, for the row's note.
    bool julianWritten = false;
    bool hebrewWritten = false;
    bool frenchWritten = false;

    // Some day is allowed: a date, not a status word or a phrase. The rules
    // weigh a value by its days alone.
    bool hasDays() const { return !days.openBefore() || !days.openAfter(); }
    // One day, not approximate.
    bool exact() const { return !approximate && days.oneDay(); }
};

// Reads a date value by the GEDCOM 5.5.1 and 7.0 grammars:
//   D MON YYYY, MON YYYY, YYYY (any case; a full stop after a keyword or a
//   month, SEPT and the English month names are taken too);
//   ABT, CAL, EST <date>; BEF, AFT <date>; BET <date> AND <date> (or
//   "BET <date> - <date>"); FROM <date>, TO <date>, FROM <date> TO <date>;
//   INT <date> (<phrase>);
//   years B.C., BC, BCE (no year 0: 1 BC is followed by AD 1) and AD;
//   dual years, the later year: 1731/32, 1611/2, 1698/1699, 1702-1703;
//   such a date is Julian (a dual year only arose under that calendar),
//   unless a calendar escape or keyword says otherwise: under an explicit
//   Gregorian one it is read as written, with a warning;
//   a two-day range "8/9 JUL 1457";
//   in BET and FROM ... TO, a first date without its year takes the
//   second's (BET JUN AND DEC 1900), a second year of one or two digits
//   the first's leading digits (BET OCT 1671 AND 74);
//   calendars: the escapes @#DGREGORIAN@, @#DJULIAN@, @#DHEBREW@,
//   @#DFRENCH R@ and the keywords GREGORIAN, JULIAN, HEBREW, FRENCH_R
//   before a date, with the Hebrew (TSH ... ELL, ADS in leap years) and
//   French Republican (VEND ... COMP) month codes.
// BEF a date allows the days before its first day, AFT the days after its
// last; BET and FROM...TO allow the days from the first day of the one to
// the last day of the other.
// A status word in place of the date and a date phrase read as no date (see
// NoDate). Refused (NotRead), with the reason: other calendars (named), days
// that are not in the month, anything else.
// Also read, because old programs wrote it: an ordinal day ("9th") and a
// weekday before the date ("Tuesday, 9th November 1841"), which must be the
// date's weekday. Last, a value both grammars refuse is read as the command
// line reads a date ("Jan 12, 1900", "1900-01-12", "ABOUT 1900"), where it
// holds a word or is an ISO date (digits alone, "5/6/1900", stay refused).
// Under a switch (choice), a plain date (no escape, no dual year) is Julian
// before it and Gregorian from it, and a day it left out is refused.
Result<GedcomDate> readGedcomDate(std::string_view text, const DateReadOptions& choice = {});

// The date a reading gives the rules, which weigh a value by its days alone:
// a value refused has none, as a status word has none.
GedcomDate undatedIfRefused(Result<GedcomDate> reading);

} // namespace spanwright
