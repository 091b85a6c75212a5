#pragma once

#include "calendars/calendardate.h"
#include "reading/datereader.h"

#include <spanwright/result.h>

#include <string_view>

namespace spanwright {

// Reading the texts of a command or a row. Each returns what it read, or a
// problem that names the text by its role ("begin date", "END date"...).

// A date by the program's date reader: one day or the days it allows. Where
// the text reads in another date order, the message says how to choose it.
Result<DateReading> readDateFor(std::string_view role, std::string_view text, const DateReadOptions& options);

// One calendar day exactly: "about 1850" or "May 1850" are refused.
Result<CalendarDate> readCalendarDateFor(std::string_view role, std::string_view text,
                                         const DateReadOptions& options = {});

} // namespace spanwright
