#include "calendarswitches.h"

#include "asciitext.h"
#include "calendardate.h"
#include "calendarwords.h"
#include "juliancalendar.h"

namespace {

// Last Julian day, then first Gregorian day. Where regions of a country
// changed on different days, the entry names the region it follows.
constexpr CalendarSwitchEntry Switches[] = {
    {"1582 IT", "Rome, the Papal States and most Italian states", {1582, 10, 4}, {1582, 10, 15}},
    {"ES", "Spain and its possessions", {1582, 10, 4}, {1582, 10, 15}},
    {"PT", "Portugal", {1582, 10, 4}, {1582, 10, 15}},
    {"PL", "Poland", {1582, 10, 4}, {1582, 10, 15}},
    {"FR", "France", {1582, 12, 9}, {1582, 12, 20}},
    {"NL", "Holland (the other Dutch provinces changed from 1582 to 1701)", {1583, 1, 1}, {1583, 1, 12}},
    {"DE", "the Protestant German states (the Catholic ones changed from 1583)", {1700, 2, 18}, {1700, 3, 1}},
    {"DK", "Denmark", {1700, 2, 18}, {1700, 3, 1}},
    {"NO", "Norway", {1700, 2, 18}, {1700, 3, 1}},
    {"CH", "Zurich, Bern, Basel and the other Protestant cantons", {1700, 12, 31}, {1701, 1, 12}},
    {"GB US", "Britain and its colonies, the American ones among them", {1752, 9, 2}, {1752, 9, 14}},
    {"SE", "Sweden (after its own calendar of 1700-1712)", {1753, 2, 17}, {1753, 3, 1}},
    {"RU", "Russia", {1918, 1, 31}, {1918, 2, 14}},
    {"GR", "Greece", {1923, 2, 15}, {1923, 3, 1}},
};

constexpr size_t SwitchCount = sizeof(Switches) / sizeof(Switches[0]);

bool namesCode(std::string_view codes, std::string_view text)
{
    while (!codes.empty()) {
        const size_t blank = codes.find(' ');
        if (equalsIgnoringCase(codes.substr(0, blank), text))
            return true;
        if (blank == std::string_view::npos)
            break;
        codes.remove_prefix(blank + 1);
    }
    return false;
}

// YYYY-MM-DD, a real Gregorian day from year 1 on.
std::optional<CalendarDate> isoDay(std::string_view text)
{
    constexpr std::string_view Shape = "dddd-dd-dd";
    if (text.size() != Shape.size())
        return std::nullopt;
    for (size_t i = 0; i < Shape.size(); ++i) {
        if (Shape[i] == 'd' ? !isDigit(text[i]) : text[i] != Shape[i])
            return std::nullopt;
    }
    const auto number = [&](size_t from, size_t length) {
        int value = 0;
        for (size_t i = from; i < from + length; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    const CalendarDate date{number(0, 4), number(5, 2), number(8, 2)};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1
        || date.day > daysInMonth(date.month, date.year))
        return std::nullopt;
    return date;
}

std::string dayText(const int (&date)[3])
{
    return std::to_string(date[2]) + " " + std::string(shortMonthName(date[1])) + " " + std::to_string(date[0]);
}

} // namespace

const CalendarSwitchEntry* calendarSwitchEntries(size_t& count)
{
    count = SwitchCount;
    return Switches;
}

CalendarSwitchReading readCalendarSwitch(std::string_view written)
{
    const std::string_view text = trimmed(written);
    CalendarSwitchReading reading;
    for (const CalendarSwitchEntry& entry : Switches) {
        if (namesCode(entry.codes, text)) {
            const int* first = entry.firstGregorian;
            reading.firstGregorianDay = dayNumberOf({first[0], first[1], first[2]});
            return reading;
        }
    }
    if (const std::optional<CalendarDate> day = isoDay(text)) {
        // A switch moves the calendar forward: the first Gregorian day lies
        // after the Julian day before it, or no day would be left out.
        const long long dayNumber = dayNumberOf(*day);
        if (julianDayNumberOf(*day) <= dayNumber) {
            reading.problem = "the switch " + std::string(text)
                + " leaves no day out (the Gregorian calendar is not ahead of the Julian one there)";
            return reading;
        }
        reading.firstGregorianDay = dayNumber;
        return reading;
    }
    std::string codes;
    for (const CalendarSwitchEntry& entry : Switches)
        codes += (codes.empty() ? "" : ", ") + std::string(entry.codes);
    reading.problem = "the switch \"" + std::string(text)
        + "\" is neither a country of the table (" + codes + ") nor a first Gregorian day YYYY-MM-DD";
    return reading;
}

std::string calendarSwitchLine(const CalendarSwitchEntry& entry)
{
    return std::string(entry.codes) + " (" + std::string(entry.place) + "): Julian to " + dayText(entry.lastJulian)
        + ", Gregorian from " + dayText(entry.firstGregorian);
}
