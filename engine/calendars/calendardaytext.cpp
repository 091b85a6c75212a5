#include "calendars/calendardaytext.h"

#include "calendars/calendardate.h"
#include "calendars/calendarwords.h"
#include "calendars/hebrewcalendar.h"
#include "calendars/islamiccalendar.h"
#include "calendars/persiancalendar.h"

#include <array>

namespace spanwright {

namespace {

constexpr int March = 3;
constexpr int LadyDay = 25;
constexpr long long FirstDualYear = 1583; // once the Gregorian calendar counted from 1 January
constexpr long long LastDualYear = 1751;  // the British legal year began on 1 January from 1752
constexpr long long Century = 100;

std::string romanNumeral(long long value)
{
    constexpr std::array<std::pair<const char*, int>, 13> Numerals = {{
        {"M", 1000}, {"CM", 900}, {"D", 500}, {"CD", 400}, {"C", 100}, {"XC", 90}, {"L", 50},
        {"XL", 40},  {"X", 10},   {"IX", 9},  {"V", 5},    {"IV", 4},  {"I", 1},
    }};
    std::string text;
    for (const auto& [numeral, amount] : Numerals) {
        while (value >= amount) {
            text += numeral;
            value -= amount;
        }
    }
    return text;
}

} // namespace

std::string frenchYearText(long long year)
{
    return "an " + romanNumeral(year);
}

bool takesDualYear(const CalendarDay& day)
{
    return day.system == CalendarSystem::Julian && day.year >= FirstDualYear && day.year <= LastDualYear
        && (day.month < March || (day.month == March && day.day < LadyDay));
}

std::string dualYearText(long long laterYear)
{
    const long long earlier = laterYear - 1;
    if (earlier / Century != laterYear / Century || earlier < 1)
        return writtenYearText(earlier) + "/" + std::to_string(laterYear);
    const long long lastTwo = laterYear % Century;
    return writtenYearText(earlier) + "/" + (lastTwo < 10 ? "0" : "") + std::to_string(lastTwo);
}

std::string calendarDayText(const CalendarDay& day, bool withDualYear)
{
    const std::string number = std::to_string(day.day);
    switch (day.system) {
    case CalendarSystem::Hebrew:
        return number + " " + std::string(hebrewMonthName(day.month, isHebrewLeapYear(day.year))) + " "
            + std::to_string(day.year);
    case CalendarSystem::FrenchRepublican:
        return number + " " + std::string(frenchMonthName(day.month)) + " " + frenchYearText(day.year);
    case CalendarSystem::Islamic:
        return number + " " + std::string(islamicMonthName(day.month)) + " " + std::to_string(day.year) + " AH";
    case CalendarSystem::Persian:
        return number + " " + std::string(persianMonthName(day.month)) + " " + std::to_string(day.year) + " AP";
    case CalendarSystem::Gregorian:
    case CalendarSystem::Julian:
    case CalendarSystem::Swedish:
        break;
    }
    const std::string year = withDualYear && day.year > 1 ? dualYearText(day.year) : writtenYearText(day.year);
    return number + " " + std::string(shortMonthName(day.month)) + " " + year;
}

} // namespace spanwright
