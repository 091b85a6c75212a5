#pragma once

#include <optional>

// How the date reader reads what a text leaves open: the order of a numeric
// date, and the calendar of a date that carries no calendar mark. One value
// is passed wherever dates are read (command line, batch, page, GEDCOM), so
// that a new reading choice is added here and reaches them all.

// The order of day, month and year in a numeric date.
enum class DateOrder {
    MonthFirst, // 5/17/1990, the window's order
    DayFirst,   // 17/5/1990
    YearFirst,  // 1990/5/17
};

// The calendar of plain dates: those with no mark (O.S., N.S., a calendar
// escape), no dual year and no calendar's own month names.
struct CalendarChoice
{
    // The first Gregorian day of the switch, as a day number of
    // calendardate.h: a plain date written before it is Julian, from it
    // Gregorian, and one written in the days the switch left out is refused.
    // Nothing: every plain date is Gregorian.
    std::optional<long long> firstGregorianDay;
    // A Julian date without a dual year, written in a year before the
    // switch's (before any year, without a switch), counts its year from
    // 25 March: 10 Feb 1720 is then 10 Feb 1720/21.
    bool yearBeginsOn25March = false;

    bool plainGregorian() const { return !firstGregorianDay && !yearBeginsOn25March; }
};

struct DateReadOptions
{
    DateOrder order = DateOrder::MonthFirst;
    CalendarChoice calendar;

    DateReadOptions() = default;
    // A bare order, as most callers give: plain dates Gregorian.
    DateReadOptions(DateOrder dateOrder) : order(dateOrder) {} // NOLINT: implicit on purpose
};
