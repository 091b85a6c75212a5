#pragma once

#include "olddating/oldwords.h"

#include <spanwright/day.h>

#include <string>
#include <vector>

namespace spanwright {

// A day named from a feast, as deeds and court rolls name it: "the Tuesday
// before Michaelmas", "the morrow of St Martin", "the eve of St John", "the
// octave of Easter", "the Sunday after Easter", "the third Sunday after
// Trinity", "Dominica 3 post Trinitatis", "3. Sonntag nach Trinitatis",
// "feria tertia ante festum Michaelis", "in crastino Martini".
struct RelativeDay
{
    enum class Kind : unsigned char {
        TheFeast,      // the feast itself
        DaysFrom,      // days from it: the morrow +1, the eve -1, the octave +7
        WeekdayBefore, // the count-th such weekday before it
        WeekdayAfter,  // ... after it
    };
    Kind kind = Kind::TheFeast;
    int days = 0;
    int weekday = 0; // Monday 0 to Sunday 6
    int count = 1;
    std::string text; // as answers write it: "Tuesday before", "morrow of", ""
    size_t words = 0; // the words it took from the start
};

// The relation the words from first on start with; TheFeast, taking no
// word, when they start with none.
RelativeDay takeRelativeDay(const std::vector<OldWord>& words, size_t first);

// The day the relation names, from the feast's day.
Day relativeDayOf(const RelativeDay& relation, Day feastDay);

} // namespace spanwright
