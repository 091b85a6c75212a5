#include "convertanswer.h"

#include "calendarlines.h"

#include "calendars/calendardate.h"
#include "calendars/calendardaytext.h"
#include "datereading.h"
#include "text/quotedtext.h"
#include "calendars/islamiccalendar.h"
#include "calendars/persiancalendar.h"
#include "calendars/rumicalendar.h"
#include "calendars/swedishcalendar.h"

#include <array>

namespace spanwright {

namespace {

// What a line gives: a day of a calendar of calendars.h, a day as the Rumi
// years counted it over the Julian and Gregorian months, or the weekday.
enum class Line : unsigned char { Calendar, Rumi, Weekday };

struct Target
{
    std::string_view name;
    CalendarSystem system;
    Line line;
};

constexpr std::array<Target, 9> Targets = {{
    {"gregorian", CalendarSystem::Gregorian, Line::Calendar},
    {"julian", CalendarSystem::Julian, Line::Calendar},
    {"swedish", CalendarSystem::Swedish, Line::Calendar},
    {"hebrew", CalendarSystem::Hebrew, Line::Calendar},
    {"french", CalendarSystem::FrenchRepublican, Line::Calendar},
    {"islamic", CalendarSystem::Islamic, Line::Calendar},
    {"persian", CalendarSystem::Persian, Line::Calendar},
    {"rumi", CalendarSystem::Gregorian, Line::Rumi},
    {"weekday", CalendarSystem::Gregorian, Line::Weekday},
}};

// The days each calendar is given for: the Hebrew one from its epoch, the
// French Republican one while it was in use, the Swedish one in the years it
// was not the Julian one.
constexpr CalendarDate FirstFrenchRepublicanDay{1792, 9, 22};
constexpr CalendarDate LastFrenchRepublicanDay{1805, 12, 31};

bool covers(const Target& target, Day day)
{
    if (target.line == Line::Rumi)
        return !rumiDayText(day).empty();
    switch (target.system) {
    case CalendarSystem::Hebrew:
        return calendarDayOf(target.system, day).year >= 1;
    case CalendarSystem::FrenchRepublican:
        return day >= dayOf(FirstFrenchRepublicanDay) && day <= dayOf(LastFrenchRepublicanDay);
    case CalendarSystem::Swedish:
        return inSwedishCalendarYears(day);
    case CalendarSystem::Islamic:
        return day >= islamicEpochDay();
    case CalendarSystem::Persian:
        return inPersianYears(day);
    case CalendarSystem::Gregorian:
    case CalendarSystem::Julian:
        break;
    }
    return day >= earliestReadDay();
}

std::string dayText(const Target& target, Day day, bool dualYears)
{
    if (target.line == Line::Weekday)
        return weekdayName(weekdayOf(day));
    if (target.line == Line::Rumi)
        return rumiDayText(day);
    const CalendarDay calendarDay = calendarDayOf(target.system, day);
    return calendarDayText(calendarDay, dualYears && takesDualYear(calendarDay));
}

Problem notRead(std::string message)
{
    return {ProblemKind::NotRead, std::move(message)};
}

Problem noAnswer(std::string message)
{
    return {ProblemKind::NoAnswer, std::move(message)};
}

} // namespace

Result<ConvertAnswer> convertDate(std::string_view text, const DateReadOptions& options, std::string_view to)
{
    const Target* only = nullptr;
    for (const Target& target : Targets) {
        if (target.name == to)
            only = &target;
    }
    if (!to.empty() && !only)
        return notRead("there is no calendar \"" + std::string(to) + "\" (" + std::string(ConvertTargets) + ")");
    const Result<DateReading> read = readDateFor("date", text, options);
    if (!read)
        return read.problem();
    const DateReading& reading = *read;
    if (reading.days.openBefore() || reading.days.openAfter())
        return notRead("the date " + quotedExcerpt(text)
                       + " is open on one side (before or after): it has no first or last day");
    const Day first = *reading.days.earliest;
    const Day last = *reading.days.latest;
    ConvertAnswer answer;
    const bool dualYears = writesDualYears(options.calendar);
    for (const Target& target : Targets) {
        if (only && &target != only)
            continue;
        if (!covers(target, first) || !covers(target, last)) {
            if (only)
                return noAnswer(target.line == Line::Rumi
                                ? "the Rumi calendar was in use from 13 Mar 1840 to 31 Dec 1925 only"
                                : target.system == CalendarSystem::Persian
                                ? "the Persian calendar's leap rule is given for its years "
                                  "1178 to 1633 (1799 to 2255) only"
                                : target.system == CalendarSystem::Islamic
                                ? "the date lies before the first year of the Islamic calendar"
                                : target.system == CalendarSystem::FrenchRepublican
                                ? "the French Republican calendar was in use from 22 Sep 1792 "
                                  "to 31 Dec 1805 only"
                                : target.system == CalendarSystem::Swedish
                                ? "the Swedish calendar differed from the Julian one from 1 Mar "
                                  "1700 to 30 Feb 1712 only"
                                : "the date lies before the first year of the "
                                    + std::string(calendarSystemName(target.system)) + " calendar");
            continue;
        }
        std::string line = std::string(target.name) + ": " + dayText(target, first, dualYears);
        if (last != first)
            line += " to " + dayText(target, last, dualYears);
        if (target.system == CalendarSystem::Islamic)
            line += " (tabular)";
        answer.lines.push_back(std::move(line));
    }
    if (!only && reading.written.yearCount != WrittenDate::YearCount::AsWritten)
        answer.lines.push_back("note: " + yearCountNote(reading));
    if (!only && !reading.readAs.empty())
        answer.lines.push_back("note: read as " + reading.readAs);
    return answer;
}

} // namespace spanwright
