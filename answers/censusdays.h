#pragma once

#include "calendardate.h"
#include "datereadoptions.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The censuses whose day the program knows: a census age is the age on the
// census day, whatever day the enumerator came. Each day is listed, with
// its source, in the manual page.

// How a census wrote ages beside the rule of completed years.
enum class CensusAgeRule {
    CompletedYears,
    // Great Britain 1841: the ages of persons of 15 and more were written
    // rounded down to a multiple of 5.
    RoundedDownToFive,
    // Canada 1851 and 1861: the age at the next birthday.
    AgeAtNextBirthday,
};

struct CensusDay
{
    std::string_view country; // as the table names it: "US", "England"...
    int year;
    CalendarDate day;
    CensusAgeRule rule = CensusAgeRule::CompletedYears;
};

// Every census of the table, by country, then year.
const std::vector<CensusDay>& censusDays();

// A WHEN text that names a census, read against the table: a text with
// the word "census" is taken for one. The year, the country and the word
// come in the orders people write them ("US 1880 census", "1880 US
// census", "US census 1880", "1880 census of the US", "1851 census
// (England)", "1880 United States Federal Census"); "England and Wales"
// has England's days. A census day is a Gregorian day of the calendar its
// country kept, so a census marked with another calendar (O.S., Julian,
// @#DHEBREW@...) is refused, and so is one that calendar's switch would
// make Julian (a day before its first Gregorian day).
struct CensusReading
{
    bool named = false; // the text has the census form
    std::optional<CensusDay> census; // when named and known; country as written in full
    std::string problem;             // when named and not known: why
};
CensusReading readCensusName(std::string_view text, const CalendarChoice& calendar = {});
