#pragma once

#include "calendars/calendardate.h"
#include "reading/datereader.h"

#include <spanwright/day.h>
#include <spanwright/result.h>

#include <string>
#include <string_view>

namespace spanwright {

// One born or died question, as the commands and the batch rows ask it:
// a date, a stated age, and the dates they allow.

enum class AgeDirection {
    Born, // the date is the end (death); the answer is birth dates
    Died, // the date is the begin (birth); the answer is end dates
};

struct AgeQuestion
{
    AgeDirection direction = AgeDirection::Born;
    std::string_view dateText;
    std::string_view ageText;
    // How the date is read; its order is also the order answers print in.
    DateReadOptions reading;
    // Every unstated unit of the age 0, days counted as span days: the age
    // as an exact span, not precise to its smallest stated unit.
    bool exact = false;
};

struct AgeAnswer
{
    // The earliest and latest dates allowed, and the days from the one to
    // the other. For one fixed date every day between gives the age; for a
    // date that allows several days (May 1850) they are the earliest date of
    // its first day and the latest of its last.
    Day first;
    Day last;
    long long count = 0;
    bool about = false; // the age or the date is marked about
    // How the given date was read where it is of another calendar
    // (calendarlines.h).
    std::string calendarLine;
    // The dates answered in the calendar of the given date, where its age
    // is reckoned in another than the Gregorian (ageCalendarFor,
    // spancalendar.h), as calendarLine gives a date: "begin: 27 Jan
    // 1688/89 to 26 Jan 1689/90 (Julian) = 6 Feb 1689 to 5 Feb 1690
    // (Gregorian)". The dates above are Gregorian, as every answer's.
    std::string answerLine;

    CalendarDate firstDate() const { return dateOf(first); }
    CalendarDate lastDate() const { return dateOf(last); }
};

// The dates the question allows. The problem is NotRead when the date or
// the age is not read (or the date is open on one side), NoAnswer when no
// date gives the age.
Result<AgeAnswer> answerAgeQuestion(const AgeQuestion& question);

} // namespace spanwright
