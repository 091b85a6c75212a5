#include "calendars/calendarsystem.h"

namespace spanwright {

std::string_view calendarSystemName(CalendarSystem system)
{
    switch (system) {
    case CalendarSystem::Julian:
        return "Julian";
    case CalendarSystem::Hebrew:
        return "Hebrew";
    case CalendarSystem::FrenchRepublican:
        return "French Republican";
    case CalendarSystem::Swedish:
        return "Swedish";
    case CalendarSystem::Gregorian:
        break;
    }
    return "Gregorian";
}

} // namespace spanwright
