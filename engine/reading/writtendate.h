#pragma once

#include "calendars/calendarsystem.h"

namespace spanwright {

// A date's parts as the text wrote them, in the calendar it was read in:
// what a reading keeps beside its days, so that "14 Mar 1728/9" is known to
// be Old Style and can be written back as such.
struct WrittenDate
{
    // The year as counted from 1 January (the later year of a dual year),
    // astronomically for years before AD 1 (1 BC is 0, 44 BC is -43).
    // (Whole ints: the reader's years lie within 9999 BC to AD 9999, and a
    // small value keeps the reading of every row cheap.)
    int year = 0;
    int month = 0; // 1-based in its calendar; 0 for a year alone
    int day = 0;   // 0 for a month or a year alone
    // The earlier year of a dual year (1728 of 1728/9), 0 for none.
    int dualFirstYear = 0;

    // How the year of a Julian day between 1 January and 24 March was
    // counted where the text left it open.
    enum class YearCount : unsigned char {
        AsWritten,
        // Marked Old Style without a dual year: counted from 1 January,
        // though the writer may have counted from 25 March.
        FromJanuaryOldStyle,
        // Written 1751 with the year counted from 25 March: legal 1751 ran
        // from 25 March to 31 December only, so the day is read in the
        // year 1751 counted from 1 January (1750/51).
        FromJanuaryIn1751,
    };
    YearCount yearCount = YearCount::AsWritten;

    bool hasDualYear() const { return dualFirstYear != 0; }
};

// How a reading's calendar was decided.
enum class CalendarSource : unsigned char {
    Default,  // a plain date, no switch: Gregorian
    Switch,   // a plain date placed by the switch of the reading options
    Marked,   // a mark, an escape or keyword, or a dual year
    Named,    // the calendar's own month names or codes (Nisan, Brumaire)
    Quaker,   // numbered months, read by the Friends' reckoning
};

} // namespace spanwright
