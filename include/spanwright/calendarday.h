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
