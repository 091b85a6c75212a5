#include "gedcomcalendar.h"

#include "text/asciitext.h"
#include "calendars/frenchcalendar.h"
#include "calendars/hebrewcalendar.h"
#include "languages/monthnames.h"

#include <array>

namespace spanwright {

namespace {

constexpr int MonthsPerYear = 12;
constexpr int September = 9;
// In the order of hebrewcalendar.h: ADR is Adar, or Adar I in a leap year.
constexpr std::array<std::string_view, HebrewMonthsPerYear> HebrewCodes = {
    "TSH", "CSH", "KSL", "TVT", "SHV", "ADR", "ADS", "NSN", "IYR", "SVN", "TMZ", "AAV", "ELL"};
constexpr std::array<std::string_view, FrenchRepublicanMonthsPerYear> FrenchCodes = {
    "VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT", "GERM", "FLOR", "PRAI", "MESS", "THER", "FRUC", "COMP"};

struct CalendarWord
{
    std::string_view word;
    GedcomCalendarKind kind;
};
constexpr std::array<CalendarWord, 8> CalendarWords = {{
    {"@#DGREGORIAN@", GedcomCalendarKind::Gregorian},
    {"@#DJULIAN@", GedcomCalendarKind::Julian},
    {"@#DHEBREW@", GedcomCalendarKind::Hebrew},
    {"@#DFRENCH R@", GedcomCalendarKind::FrenchRepublican},
    {"GREGORIAN", GedcomCalendarKind::Gregorian},
    {"JULIAN", GedcomCalendarKind::Julian},
    {"HEBREW", GedcomCalendarKind::Hebrew},
    {"FRENCH_R", GedcomCalendarKind::FrenchRepublican},
}};

template <size_t Count>
int indexIn(const std::array<std::string_view, Count>& codes, std::string_view word)
{
    for (size_t i = 0; i < Count; ++i) {
        if (equalsIgnoringCase(codes[i], word))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

} // namespace

bool calendarOfWord(std::string_view word, GedcomCalendarKind& kind)
{
    for (const CalendarWord& entry : CalendarWords) {
        if (equalsIgnoringCase(entry.word, word)) {
            kind = entry.kind;
            return true;
        }
    }
    return false;
}

int monthOfWord(GedcomCalendarKind kind, std::string_view word)
{
    switch (kind) {
    case GedcomCalendarKind::Hebrew:
        return indexIn(HebrewCodes, word);
    case GedcomCalendarKind::FrenchRepublican:
        return indexIn(FrenchCodes, word);
    case GedcomCalendarKind::Islamic:
    case GedcomCalendarKind::Persian:
        return 0; // GEDCOM has no escape for these calendars, nor month codes
    case GedcomCalendarKind::Gregorian:
    case GedcomCalendarKind::Julian:
    case GedcomCalendarKind::Swedish:
        break;
    }
    if (word.size() > 1 && word.back() == '.')
        word.remove_suffix(1);
    if (equalsIgnoringCase(word, "SEPT"))
        return September;
    const int code = indexIn(UpperMonthAbbreviations, word);
    if (code != 0)
        return code;
    // The full English names, from the engine's one list of month names.
    for (int month = 1; month <= MonthsPerYear; ++month) {
        if (equalsIgnoringCase(word, fullMonthName(month)))
            return month;
    }
    return 0;
}

std::string_view monthCode(GedcomCalendarKind kind, int month)
{
    const auto code = [month](const auto& codes) {
        return month >= 1 && size_t(month) <= codes.size() ? codes[size_t(month - 1)] : std::string_view("?");
    };
    switch (kind) {
    case GedcomCalendarKind::Hebrew:
        return code(HebrewCodes);
    case GedcomCalendarKind::FrenchRepublican:
        return code(FrenchCodes);
    case GedcomCalendarKind::Islamic:
    case GedcomCalendarKind::Persian:
        return "?";
    case GedcomCalendarKind::Gregorian:
    case GedcomCalendarKind::Julian:
    case GedcomCalendarKind::Swedish:
        break;
    }
    return code(UpperMonthAbbreviations);
}

} // namespace spanwright
