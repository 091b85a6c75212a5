#pragma once

#include <string_view>

namespace spanwright {

// The calendars a date may be written in. Every one shares the day numbers
// of calendardate.h (days since Gregorian 1 January of year 1), so that dates
// of all of them compare and convert through that one count.
enum class CalendarSystem : unsigned char {
    Gregorian,
    Julian,
    Hebrew,
    FrenchRepublican,
    // Sweden's own of 1700 to 1712, a day ahead of the Julian one
    // (swedishcalendar.h); the Julian one outside those years.
    Swedish,
};

// "Gregorian", "Julian", "Hebrew", "French Republican", "Swedish".
std::string_view calendarSystemName(CalendarSystem system);

} // namespace spanwright
