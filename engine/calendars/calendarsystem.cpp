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
    case CalendarSystem::Islamic:
        return "Islamic";
    case CalendarSystem::Persian:
        return "Persian";
    case CalendarSystem::Gregorian:
        break;
    }
    return "Gregorian";
}

} // namespace spanwright
