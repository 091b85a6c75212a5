#pragma once

namespace spanwright {

// The calendars a date may be written in. Every one shares the day numbers
// of dayrange.h (days since Gregorian 1 January of year 1), so that dates
// of all of them compare and convert through that one count.
enum class CalendarSystem : unsigned char {
    Gregorian,
    Julian,
    Hebrew,
    FrenchRepublican,
    // Sweden's own of 1700 to 1712, a day ahead of the Julian one; the
    // Julian one outside those years.
    Swedish,
    // The Islamic calendar by its tabular arithmetic of the civil epoch
    // (1 Muharram 1 AH is 16 July 622, Julian), as conversions give it; the
    // observed months may begin a day or two apart from it.
    Islamic,
    // The Solar Hijri calendar of Iran, its leap years by the 33-year rule,
    // which holds the published new years for 1178 to 1633 (1799 to 2255);
    // days outside those years follow the rule, not the equinox.
    Persian,
};

// A day of a calendar, its fields numbered as that calendar numbers them
// (Hebrew months from Tishri, 1 to 13; French Republican 1 to 13, the
// complementary days last). Years before AD 1 of the Gregorian and Julian
// calendars are counted astronomically: 1 BC is year 0.
struct CalendarDay
{
    CalendarSystem system = CalendarSystem::Gregorian;
    long long year = 1;
    int month = 1;
    int day = 1;

    friend bool operator==(const CalendarDay& a, const CalendarDay& b)
    {
        return a.system == b.system && a.year == b.year && a.month == b.month && a.day == b.day;
    }
};

} // namespace spanwright
