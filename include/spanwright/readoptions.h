#pragma once

#include <spanwright/day.h>

#include <optional>
#include <string>

namespace spanwright {

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
    // The first Gregorian day of the switch (calendarSwitchDay gives a
    // country's): a plain date written before it is Julian, from it
    // Gregorian, and one written in the days the switch left out is refused.
    // Nothing: every plain date is Gregorian.
    std::optional<Day> firstGregorianDay;
    // A Julian date without a dual year, written in a year before the
    // switch's (before any year, without a switch), counts its year from
    // 25 March: 10 Feb 1720 is then 10 Feb 1720/21.
    bool yearBeginsOn25March = false;

    bool plainGregorian() const { return !firstGregorianDay && !yearBeginsOn25March; }
};

// How a numeric date's year of one or two digits is read (3/3/50): refused
// unless a rule is chosen, since spreadsheets write 1950 so and the year 50
// is rarely meant. A year of three digits or more, leading zeros included
// (0050), is the year written.
struct ShortYears
{
    enum class Rule {
        Refused,
        Century, // from: 1900 reads 00 to 99 as 1900 to 1999
        Pivot,   // from: 1930 reads 30 to 99 as 1930 to 1999, 00 to 29 as 2000 to 2029
    };
    Rule rule = Rule::Refused;
    long long from = 0; // the first year of the hundred meant

    // The year a short year stands for; none where it is refused.
    std::optional<long long> yearOf(long long shortYear) const
    {
        constexpr long long Hundred = 100;
        switch (rule) {
        case Rule::Refused:
            break;
        case Rule::Century:
            return from + shortYear;
        case Rule::Pivot: {
            const long long century = from - from % Hundred;
            return century + shortYear + (shortYear < from % Hundred ? Hundred : 0);
        }
        }
        return std::nullopt;
    }
};

struct DateReadOptions
{
    DateOrder order = DateOrder::MonthFirst;
    CalendarChoice calendar;
    ShortYears shortYears;
    // The language (ISO 639-1: "hr", "cs") whose reading is taken of a word
    // that two languages read as different months or numbers (Croatian
    // "listopad" is October, Czech November); empty for none, and such a
    // word is then refused naming both readings.
    std::string language;

    DateReadOptions() = default;
    // A bare order, as most callers give: plain dates Gregorian.
    DateReadOptions(DateOrder dateOrder) : order(dateOrder) {} // NOLINT: implicit on purpose
};

} // namespace spanwright
