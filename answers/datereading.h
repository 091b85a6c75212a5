#pragma once

#include "calendars/calendardate.h"
#include "reading/datereader.h"

#include <string>
#include <string_view>

namespace spanwright {

// Reading the texts of a command or a row. Each returns "" when the text was
// read, and otherwise why not, naming the text by its role ("begin date",
// "END date", "age"...).

// A date by the program's date reader: one day or the days it allows. Where
// the text reads in another date order, the message says how to choose it.
std::string readDateFor(std::string_view role, std::string_view text, const DateReadOptions& options,
                        DateReading& reading);

// One calendar day exactly: "about 1850" or "May 1850" are refused.
std::string readCalendarDateFor(std::string_view role, std::string_view text, CalendarDate& date,
                                const DateReadOptions& options = {});

} // namespace spanwright
