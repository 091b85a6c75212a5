#pragma once

#include "calendars/calendarsystem.h"

#include <spanwright/result.h>

#include <optional>
#include <string>
#include <string_view>

namespace spanwright {

// The calendar marks around a date text: a GEDCOM escape or keyword before
// it (@#DJULIAN@ 1 JAN 1700, JULIAN 1 JAN 1700) and a mark after it (O.S.,
// OS, Old Style, Julian, N.S., New Style, Gregorian, each also in
// parentheses, after a blank or a comma).
struct CalendarMarks
{
    std::optional<CalendarSystem> system;
    std::string written; // the mark as written, for messages
};

// Takes the marks off text, which is left trimmed. Two marks are refused
// (NotRead), the reason alone, without the text.
Result<CalendarMarks> takeCalendarMarks(std::string_view& text);

// False for a text that cannot hold a mark, by its first and last
// characters (most dates: a digit or a month at the front, digits at the
// end), so that they are not looked for.
constexpr bool mayHoldCalendarMarks(std::string_view text)
{
    if (text.empty())
        return false;
    const char first = text.front();
    const char last = text.back();
    const bool leading = first == '@' || first == 'G' || first == 'J' || first == 'H' || first == 'F' || first == 'g'
        || first == 'j' || first == 'h' || first == 'f';
    const bool trailing = last == ')' || last == '.' || (last >= 'a' && last <= 'z') || (last >= 'A' && last <= 'Z');
    return leading || trailing;
}

} // namespace spanwright
