#pragma once

#include "reading/age.h"
#include "ages/agesearch.h"
#include "reading/datereader.h"
#include "spans/resultentries.h"

#include <string>
#include <string_view>

namespace spanwright {

// The worded entry of the result list for an age:
// "79 Year(s), 9 month(s), 29 day(s)" (wordedSpan does so for a span).
std::string wordedAge(const Age& age);

// "M/D/YYYY through M/D/YYYY (N dates)"; the dates of every text here are
// written in the order given (dateprinting.h), month first unless told.
std::string matchRangeText(const AgeMatches& matches, DateOrder order = DateOrder::MonthFirst);

// Why no date gives the age, with the nearest dates on each side:
// "no date lies exactly 0 Year(s), 1 month(s), 0 day(s) after 1/31/1990;
// nearest: 2/28/1990 gives 0 Year(s), 0 month(s), 28 day(s), 3/1/1990 gives
// 0 Year(s), 1 month(s), 1 day(s)". relation is "before" or "after".
std::string noMatchText(const Age& age, const AgeMatches& matches, std::string_view relation,
                        std::string_view fixedDate, DateOrder order = DateOrder::MonthFirst);

// The same for an age as read: an exact one as above, one that allows a
// range of ages as "no date lies within 39 years before 1/1/0001; ...".
std::string noMatchTextFor(const AgeReading& reading, const AgeMatches& matches, std::string_view relation,
                           std::string_view fixedDate, DateOrder order = DateOrder::MonthFirst);

// The answer's dates: "6/4/1832", or "6/5/1831 through 6/4/1832 (366
// dates)" for several (always so when asRange), after "about: " when marked.
std::string datesAnswerText(const CalendarDate& first, const CalendarDate& last, long long count, bool about,
                            bool asRange, DateOrder order = DateOrder::MonthFirst);

} // namespace spanwright
