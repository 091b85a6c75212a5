#pragma once

#include "reading/datereadoptions.h"
#include "reading/writtendate.h"

#include <spanwright/dayrange.h>
#include <spanwright/result.h>

#include <optional>
#include <string>
#include <string_view>

namespace spanwright {

// The date reader of the command line, the web page and the GEDCOM report:
// a text is read whole, every word and sign accounted for, or refused with
// the reason. (The window keeps its own reader, datetext.h.)
//
// Forms read, in any case, with blanks around them ignored:
//   numeric, in the chosen order:  5/17/1990, 5-17-1990, 5.17.1990
//   ISO 8601, whatever the order:  1990-05-17
//   worded, in the languages of languages/ (English, Latin, German, French,
//             Dutch, Spanish, Italian, Portuguese, Danish, Norwegian,
//             Swedish, Polish, Czech), all at once:
//             12. März 1850, le 1er août 1900, 3 de marzo de 1850, 12 7bris
//             1765, xxij Martij 1566, Anno Domini 1750 die 3 Martii,
//             17 May 1990, May 17, 1990, Nov. 12 1875, 4-Mar-1885,
//             April 16th 1771, the 12th Day of June 1741, Oct the 9th: AD. 1769
//             (old abbreviations such as Sept, Febry, Octr, Decr; ordinals
//             1st, 2d, 3rd, 22nd, 5th; the fillers the, day of, ye, AD, A.D.,
//             Anno Domini, each once and only in its place: the or ye before
//             the day, of or day of between day and month, AD before or
//             after the year; a final full stop)
//   month and year: May 1850;  year alone: 1850 (three digits or more),
//             1850 AD, A.D. 1850;  a decade: 1750s (1750 to 1759)
//   pasted text as typed: a no-break space is a blank, an en or em dash a
//             hyphen (1750–1755), full-width digits digits; a transcriber's
//             brackets complete a word (Nov[ember], [ye])
//   dual years, read as the later year: 1728/9, 1728/29, 1728/1729, and after
//             a day and month also 1728-29 and 1456-1457
//   about (abt, c., ca., circa, est., cal.) before any of these, and
//             before between;
//   before (bef.), after (aft.); between X and Y (bet.); 1850-1855
//   a time of day after a numeric or ISO date, ignored: 5/17/1990 0:00,
//             5/17/1990 12:00:00 AM, 1990-05-17T00:00:00
// Years are taken as written (90 is the year 90), from 1 to 9999 (BC, BCE
// after the year for those before AD 1: 44 BC, 15 Mar 44 B.C.): a longer
// number is refused, not taken for a year; a day must exist in its month.
// A numeric date's year of one or two digits (3/3/50, the spreadsheets'
// m/d/yy) is refused unless DateReadOptions::shortYears says its century;
// 0050 is the year 50.
//
// Calendars: a date is Gregorian unless marked or switched.
//   marks after it: O.S., OS, Old Style, Julian (Julian); N.S., NS, New
//             Style, Gregorian; each also in parentheses;
//   before it the GEDCOM escapes and keywords: @#DJULIAN@, @#DGREGORIAN@,
//             @#DHEBREW@, @#DFRENCH R@, JULIAN, GREGORIAN, HEBREW, FRENCH_R;
//   a dual year (11 Feb 1731/32) is Julian: it only arose under it;
//   Hebrew and French Republican dates by their month names or codes:
//             15 Nisan 5708, 1 Tishri 5620 A.M., 18 Brumaire an VIII;
//   Quaker dates with numbered months: 3rd day of 11th month 1720 (before
//             1752 the first month is March and the year begins on
//             25 March; Julian to 2 September 1752);
//   the options' switch reads plain dates before it as Julian and refuses
//             the days it left out; their year start counts a Julian year
//             from 25 March.
// Two marks, a mark that contradicts the date, a day not in its calendar
// are refused.
//
// The old ways of dating, each reading saying how it was read (readAs):
//   feasts and days named from them, in English, Latin and German: Easter
//             1700, Lady Day 1720, the Tuesday before Michaelmas 1335,
//             Dominica 3 post Trinitatis 1700 (churchyeardate.cpp);
//   English regnal years, whole or with a day or feast in them: 9 Edward
//             III, 12 March 5 Victoria (regnalyears.h);
//   Roman days: a.d. XIV Kal. Jun. 1750 (romandays.h);
//   Islamic (tabular), Persian and Ottoman Rumi dates by their months:
//             12 Ramadan 1250 AH, 1 Farvardin 1304, 7 Nisan 1327 R.


struct DateReading
{
    // The first and last day the text allows; one day for a day. An open
    // side (before, after) has none.
    DayRange days;
    // about, circa, est., cal.: the days are those of the date as written,
    // marked as approximate.
    bool approximate = false;

    // The calendar the date was read in, how that was decided, and its parts
    // as written (for a range, those of its first date).
    CalendarSystem calendar = CalendarSystem::Gregorian;
    CalendarSource calendarSource = CalendarSource::Default;
    WrittenDate written;
    // The calendar of the last day, where it differs (a month across the
    // switch, a range between dates of two calendars).
    CalendarSystem latestCalendar = CalendarSystem::Gregorian;
    bool oneCalendar() const { return calendar == latestCalendar; }
    // How a date written the old ways was read, as answers say it: "Tuesday
    // before Michaelmas 9 Edward III", "14 Kal. Jun. 1750", "12 Ramadan
    // 1250 AH (Islamic, tabular)"; empty for the others.
    std::string readAs;
    // The days either side on which the day as observed may fall (an
    // Islamic date, read by the tabular calendar); 0 for the others. The
    // answers give the tabular day, as they say; a tree's check widens its
    // days by these.
    int observedDaysApart = 0;

    // One day, not approximate.
    bool exact() const { return !approximate && days.oneDay(); }
};

// Why a text is not a date. The message quotes the text, says what was not
// understood and the forms read, e.g. "\"5/17/1990x\" is not a date: ...";
// where another order or a century rule reads it, that is said in place of
// the forms, and named here so that a front end can say how to choose it.
struct DateRefusal : Problem
{
    // An order under which the text is a numeric date.
    std::optional<DateOrder> readsInOrder;
    // A numeric date's year has one or two digits, and no rule
    // (DateReadOptions::shortYears) says which century it is in.
    bool shortYear = false;
};
using DateResult = Result<DateReading, DateRefusal>;

// Reads a date text; the options' order decides numeric dates other than ISO
// ones, their calendar choice the calendar of plain dates.
DateResult readDate(std::string_view text, const DateReadOptions& options = {});

// The first and last days a date may be written to: 1 January 9999 BC and
// 31 December 9999 of the Gregorian calendar, whatever calendar it is
// written in (after 9999 allows the days up to lastCalendarDay). An open
// side (before) stands at the first.
Day earliestReadDay();
Day latestReadDay();

// The reading written back, month first: "5/17/1990", "May 1850", "1850",
// "about 1850", "before 1/1/1850", "between 1850 and May 1855", "1850-1855".
// readDate gives the same days and marks for it.
std::string dateReadingText(const DateReading& reading);

// The forms named in a refusal: DateFormsRead and the languages read.
const std::string& acceptedDateForms();

// The forms read, without the languages.
constexpr std::string_view DateFormsRead =
    "accepted forms: 5/17/1990 (or in the chosen date order), 1990-05-17, 17 May 1990, May 17, 1990, "
    "May 1850, 1850, 1728/9, about 1850, before 1850, after 1850, between 1850 and 1860, 1850-1860";

} // namespace spanwright
