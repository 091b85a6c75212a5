#pragma once

#include <spanwright/calendarday.h>

#include <string_view>

namespace spanwright {

// "Gregorian", "Julian", "Hebrew", "French Republican", "Swedish".
std::string_view calendarSystemName(CalendarSystem system);

} // namespace spanwright
