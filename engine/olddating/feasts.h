#pragma once

#include "calendars/calendarsystem.h"

#include <spanwright/day.h>

#include <string_view>

namespace spanwright {

// The feasts that old records date by: fixed ones on a day of the month
// (fixedfeasts.cpp), movable ones counted from Easter or from Advent
// (movablefeasts.cpp).
struct Feast
{
    enum class Kind : unsigned char {
        Fixed,      // month and day
        FromEaster, // offset days after Easter Sunday
        FromAdvent, // offset days after Advent Sunday, the Sunday 27 Nov to 3 Dec
    };
    std::string_view name;  // as answers write it: "Michaelmas (29 Sep)"
    std::string_view names; // the words that name it, '|' between, as feastNamed compares them
    Kind kind = Kind::Fixed;
    int month = 0;
    int day = 0;
    int offset = 0;
    // St Matthias: 24 February, 25 February in a leap year, where the
    // bissextile day was put before it.
    bool laterInLeapYear = false;
};

// The feast the words name (upper case, one blank between, as oldwords.h
// makes them; the fillers saint, St, feast, day, of, the, Sankt, festum,
// sancti... already left out by the caller), fixed or movable; nullptr for
// none.
const Feast* feastNamed(std::string_view words);

// The words feastNamed is given: the fillers left out.
bool isFeastFiller(std::string_view upperWord);

// The day of the feast in the year of the calendar (Julian or Gregorian).
Day feastDayIn(const Feast& feast, long long year, CalendarSystem system);

// The fixed and the movable feasts, for the lookup.
const Feast* fixedFeasts(size_t& count);
const Feast* movableFeasts(size_t& count);

} // namespace spanwright
