#include "calendars/calendarwords.h"

#include <array>

namespace spanwright {

namespace {

constexpr CalendarWord TrailingMarks[] = {
    {"OS", CalendarSystem::Julian},
    {"OLD STYLE", CalendarSystem::Julian},
    {"JULIAN", CalendarSystem::Julian},
    {"NS", CalendarSystem::Gregorian},
    {"NEW STYLE", CalendarSystem::Gregorian},
    {"GREGORIAN", CalendarSystem::Gregorian},
};

// The GEDCOM 5.5.1 escapes and the 7.0 keywords.
constexpr CalendarWord LeadingKeywords[] = {
    {"@#DGREGORIAN@", CalendarSystem::Gregorian},
    {"@#DJULIAN@", CalendarSystem::Julian},
    {"@#DHEBREW@", CalendarSystem::Hebrew},
    {"@#DFRENCH R@", CalendarSystem::FrenchRepublican},
    {"GREGORIAN", CalendarSystem::Gregorian},
    {"JULIAN", CalendarSystem::Julian},
    {"HEBREW", CalendarSystem::Hebrew},
    {"FRENCH_R", CalendarSystem::FrenchRepublican},
};

struct EraWord
{
    std::string_view word;
    Era era;
};
constexpr EraWord EraWords[] = {
    {"BC", Era::BeforeChrist},
    {"BCE", Era::BeforeChrist},
    {"AD", Era::AnnoDomini},
    {"CE", Era::AnnoDomini},
};

struct MonthWord
{
    std::string_view words;
    int month;
};

// Numbered as hebrewcalendar.h: 1 Tishri ... 6 Adar (I), 7 Adar II ... 13 Elul.
constexpr MonthWord HebrewMonthWords[] = {
    {"TISHRI", 1},      {"TISHREI", 1},        {"TISRI", 1},      {"TSH", 1},
    {"HESHVAN", 2},     {"CHESHVAN", 2},       {"MARCHESHVAN", 2}, {"MARHESHVAN", 2},
    {"HESVAN", 2},      {"CSH", 2},            {"KISLEV", 3},     {"CHISLEV", 3},
    {"KISLEW", 3},      {"KSL", 3},            {"TEVET", 4},      {"TEVETH", 4},
    {"TEBETH", 4},      {"TVT", 4},            {"SHEVAT", 5},     {"SHVAT", 5},
    {"SHEBAT", 5},      {"SHV", 5},            {"ADAR", AdarUnnumbered},
    {"ADAR I", AdarOfLeapYear}, {"ADAR RISHON", AdarOfLeapYear}, {"ADR", 6},
    {"ADAR II", 7},     {"ADAR SHENI", 7},     {"VEADAR", 7},
    {"ADS", 7},         {"NISAN", 8},          {"NISSAN", 8},     {"NSN", 8},
    {"IYAR", 9},        {"IYYAR", 9},          {"IYR", 9},        {"SIVAN", 10},
    {"SVN", 10},        {"TAMMUZ", 11},        {"TAMUZ", 11},     {"TMZ", 11},
    {"AV", 12},         {"AB", 12},            {"MENACHEM AV", 12}, {"AAV", 12},
    {"ELUL", 13},       {"ELL", 13},
};

constexpr std::array<std::string_view, 13> HebrewNames = {
    "Tishri", "Heshvan", "Kislev", "Tevet", "Shevat", "Adar I", "Adar II",
    "Nisan",  "Iyar",    "Sivan",  "Tammuz", "Av",    "Elul"};

constexpr MonthWord FrenchMonthWords[] = {
    {"VENDEMIAIRE", 1},  {"VEND", 1},  {"BRUMAIRE", 2},  {"BRUM", 2},   {"FRIMAIRE", 3},  {"FRIM", 3},
    {"NIVOSE", 4},       {"NIVO", 4},  {"PLUVIOSE", 5},  {"PLUV", 5},   {"VENTOSE", 6},   {"VENT", 6},
    {"GERMINAL", 7},     {"GERM", 7},  {"FLOREAL", 8},   {"FLOR", 8},   {"PRAIRIAL", 9},  {"PRAI", 9},
    {"MESSIDOR", 10},    {"MESS", 10}, {"THERMIDOR", 11}, {"THER", 11}, {"FRUCTIDOR", 12}, {"FRUC", 12},
    {"COMP", 13},        {"JOUR COMPLEMENTAIRE", 13},  {"JOURS COMPLEMENTAIRES", 13},
    {"COMPLEMENTAIRE", 13}, {"SANSCULOTTIDE", 13}, {"SANSCULOTTIDES", 13},
    {"SANS-CULOTTIDE", 13},  {"SANS-CULOTTIDES", 13},
};

constexpr std::array<std::string_view, 13> FrenchNames = {
    "Vendémiaire", "Brumaire", "Frimaire", "Nivôse",   "Pluviôse",  "Ventôse",           "Germinal",
    "Floréal",     "Prairial", "Messidor", "Thermidor", "Fructidor", "jour complémentaire"};

constexpr std::array<std::string_view, 12> ShortNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

template <typename Table>
const CalendarWord* findWord(const Table& table, std::string_view words)
{
    for (const CalendarWord& entry : table) {
        if (entry.words == words)
            return &entry;
    }
    return nullptr;
}

template <typename Table>
int findMonth(const Table& table, std::string_view words)
{
    for (const MonthWord& entry : table) {
        if (entry.words == words)
            return entry.month;
    }
    return 0;
}

} // namespace

const CalendarWord* trailingCalendarMark(std::string_view upperWords)
{
    return findWord(TrailingMarks, upperWords);
}

const CalendarWord* leadingCalendarKeyword(std::string_view upperWords)
{
    return findWord(LeadingKeywords, upperWords);
}

Era eraOfWord(std::string_view upperWord)
{
    for (const EraWord& entry : EraWords) {
        if (entry.word == upperWord)
            return entry.era;
    }
    return Era::None;
}

int hebrewMonthOfWords(std::string_view upperWords)
{
    return findMonth(HebrewMonthWords, upperWords);
}

int frenchMonthOfWords(std::string_view upperWords)
{
    return findMonth(FrenchMonthWords, upperWords);
}

bool isHebrewYearMark(std::string_view upperWords)
{
    return upperWords == "AM" || upperWords == "ANNO MUNDI";
}

std::string_view hebrewMonthName(int month, bool leapYear)
{
    constexpr int AdarI = 6;
    if (month == AdarI && !leapYear)
        return "Adar";
    return month >= 1 && month <= int(HebrewNames.size()) ? HebrewNames[size_t(month - 1)] : std::string_view();
}

std::string_view frenchMonthName(int month)
{
    return month >= 1 && month <= int(FrenchNames.size()) ? FrenchNames[size_t(month - 1)] : std::string_view();
}

std::string_view shortMonthName(int month)
{
    return month >= 1 && month <= int(ShortNames.size()) ? ShortNames[size_t(month - 1)] : std::string_view();
}

} // namespace spanwright
