#pragma once

#include <array>
#include <initializer_list>
#include <string_view>

namespace spanwright {

// One language's words for dates and ages, as data: a newcomer adds a
// language by writing one table (a file beside the others) and listing it in
// languages.cpp. Every spelling is written in lower case as registers write
// it, diacritics included; the reader takes each in any case and also
// without its diacritics ("fevrier" for "février", "maerz" for "märz").
// Stops are left out ("a.d." is "ad"), apostrophes kept ("d'anni").
namespace languages {

constexpr int MonthsPerYear = 12;

// The places a filler of a worded date may stand, as flags.
enum Gap : unsigned {
    BeforeDay = 1u << 0,   // "the 12th", "le 3 mars", "den 7. Juni", "die 15"
    DayToMonth = 1u << 1,  // "12th of May", "3 de marzo", "3 mensis Martii"
    MonthToYear = 1u << 2, // "3 de marzo de 1850", "March in the year of our Lord 1750"
    BeforeYear = 1u << 3,  // right before the year wherever it stands: "AD 1850", "anno 1823"
    AfterYear = 1u << 4,   // "1850 AD", "1850 roku"
    MonthToDay = 1u << 5,  // "Oct the 9th"
    AfterDay = 1u << 6,    // a year-first date's "3 d." (Lithuanian "1850 m. kovo 3 d.")
};

struct Filler
{
    std::string_view phrase; // words joined by single blanks
    unsigned gaps;           // Gap flags
    bool yearMark = false;   // "AD", "anno": at most one per date
};

// An ending written after a day number: "1er", "1°", "3tia".
struct DayEnding
{
    std::string_view ending;
    std::string_view lastDigits; // the last digits of the days it follows
    bool firstDayOnly = false;   // "1er" but no "21er"
};

// A number word (spellings separated by '|', words by blanks or hyphens).
struct NumberWord
{
    int value;
    std::string_view spellings;
};

// Age words; each list holds spellings separated by '|'.
struct AgeWords
{
    std::string_view years;
    std::string_view months;
    std::string_view weeks;
    std::string_view days;
    // Units that may stand before their number: "annorum 45", "d'anni 45".
    std::string_view leadingUnits;
    // Phrases before the age ("âgé de", "im alter von") and after it
    // ("alt", "de edad"); phrases separated by '|'.
    std::string_view before;
    std::string_view after;
    // Phrases before the ordinal year of an age: "anno aetatis suae 45" is
    // in the 45th year, 44 completed.
    std::string_view yearOfAge;
    // Words after the ordinal year of an age: "im 45. Lebensjahr".
    std::string_view yearOfAgeAfter;
    // Words that make an age approximate, before its number or after it:
    // "d'environ", "ungefähr", "circiter", "poco más o menos".
    std::string_view about;
    // "and" between the parts of an age ("2 años y 6 meses") and inside a
    // number written in words apart ("zwei und sechzig").
    std::string_view conjunctions;
    // A word between a number and its unit: Romanian "45 de ani".
    std::string_view beforeUnit;
};

struct LanguageTable
{
    std::string_view name;
    std::string_view code; // ISO 639-1, as --language takes it
    std::string_view dateExample;
    std::string_view ageExample;
    // January first; each spelling separated by '|'.
    std::array<std::string_view, MonthsPerYear> months;
    std::initializer_list<Filler> fillers;
    std::initializer_list<DayEnding> dayEndings;
    AgeWords ages;
    std::initializer_list<NumberWord> numbers;
};

} // namespace languages

} // namespace spanwright
