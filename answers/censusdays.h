#pragma once

#include "calendardate.h"

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

// A WHEN text of the form "COUNTRY YEAR census" ("US 1880 census",
// "england 1851 Census"), read against the table.
struct CensusReading
{
    bool named = false; // the text has the census form
    std::optional<CensusDay> census; // when named and known
    std::string problem;             // when named and not known: why
};
CensusReading readCensusName(std::string_view text);
