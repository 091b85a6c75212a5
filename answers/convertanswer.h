#pragma once

#include "reading/datereader.h"

#include <spanwright/result.h>

#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// A date in every calendar: what the convert command prints and the
// page's calendar part shows. One line per calendar, "calendar: date":
//   gregorian: 22 Feb 1732
//   julian: 11 Feb 1731/32
//   hebrew: 17 Adar 5492
//   weekday: Friday
// with french: ... only from 22 September 1792 to 31 December 1805, when
// the French Republican calendar was in use, and swedish: ... only from
// 1 March 1700 to 30 February 1712 (Swedish), when Sweden's calendar was a
// day ahead of the Julian one; islamic: ... by the tabular calendar of the
// civil epoch, from its first day (16 July 622, Julian), persian: ... in
// the Solar Hijri years 1178 to 1633 (1799 to 2255), rumi: ... while the
// Ottoman Rumi calendar was in use, 13 March 1840 to 31 December 1925. A date of several days is
// converted at both ends ("1 May 1850 to 31 May 1850"). A date written the
// old ways ends with a note of how it was read: "note: read as Tuesday
// before Michaelmas 9 Edward III".
struct ConvertAnswer
{
    std::vector<std::string> lines;
};

// The names --to takes, in the order the lines come.
constexpr std::string_view ConvertTargets = "gregorian, julian, swedish, hebrew, french, islamic, persian, rumi, weekday";

// Reads text as every command reads a date, and converts it; to, when not
// empty, names the one line wanted (one of ConvertTargets). The problem is
// NotRead for a text that is not a date (or is open on one side) and a
// calendar that is not one, NoAnswer where the calendar named gives no
// date for the day.
Result<ConvertAnswer> convertDate(std::string_view text, const DateReadOptions& options, std::string_view to = {});

} // namespace spanwright
