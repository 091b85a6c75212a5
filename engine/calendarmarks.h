#pragma once

#include "calendarsystem.h"

#include <optional>
#include <string>
#include <string_view>

// The calendar marks around a date text: a GEDCOM escape or keyword before
// it (@#DJULIAN@ 1 JAN 1700, JULIAN 1 JAN 1700) and a mark after it (O.S.,
// OS, Old Style, Julian, N.S., New Style, Gregorian, each also in
// parentheses, after a blank or a comma).
struct CalendarMarks
{
    std::optional<CalendarSystem> system;
    std::string written;  // the mark as written, for messages
    std::string problem;  // two marks: why the text is no date
};

// Takes the marks off text, which is left trimmed. Cheap for a text
// without one: the first and last characters decide.
CalendarMarks takeCalendarMarks(std::string_view& text);
