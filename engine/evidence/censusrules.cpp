#include "evidence/censusrules.h"

#include "text/asciitext.h"

#include <algorithm>
#include <optional>

namespace spanwright {

namespace {

constexpr long long BritishRoundingFrom = 15; // ages below it were written as they were
constexpr long long BritishRoundingStep = 5;
constexpr std::string_view TwelfthsSuffix = "/12";

std::string lowerText(std::string_view text)
{
    std::string lower(trimmed(text));
    std::transform(lower.begin(), lower.end(), lower.begin(), lowerAscii);
    return lower;
}

// Both bounds fall on birthdays: "30", "30y", "20-29", "under 21", "over
// 21"; not "30 years 2 months" nor an age in days.
bool inWholeYears(const RecordAge& age)
{
    const AgeReading& reading = age.reading;
    const bool leastWhole = reading.least.months == 0 && reading.least.days == 0;
    const bool greatestWhole = age.openAbove
        || (reading.greatest.months == MonthsPerYear - 1 && reading.greatest.days == MostSpanDays);
    return reading.counting == AgeCounting::SpanParts && leastWhole && greatestWhole;
}

bool oneYearOfAge(const RecordAge& age)
{
    return inWholeYears(age) && !age.openAbove && age.reading.greatest.years == age.reading.least.years;
}

// "in his 30th year", "30th year of his age": the year of life running,
// which is the age at the next birthday.
bool namesYearOfLife(std::string_view text)
{
    const std::string lower = lowerText(text);
    return lower.rfind("in ", 0) == 0 || lower.find("year of") != std::string::npos;
}

// "3/12": the months of an infant, as twelfths of a year; nothing else.
std::optional<long long> twelfths(std::string_view text)
{
    text = trimmed(text);
    if (text.size() <= TwelfthsSuffix.size() || text.substr(text.size() - TwelfthsSuffix.size()) != TwelfthsSuffix)
        return std::nullopt;
    const std::string_view months = trimmed(text.substr(0, text.size() - TwelfthsSuffix.size()));
    if (!allDigits(months) || months.size() > 2)
        return std::nullopt;
    const long long count = std::stoll(std::string(months));
    if (count >= MonthsPerYear)
        return std::nullopt;
    return count;
}

void roundedDownToFive(int year, RecordAge& age, std::string& note)
{
    const long long years = age.reading.least.years;
    if (!oneYearOfAge(age) || years < BritishRoundingFrom || years % BritishRoundingStep != 0)
        return;
    age.reading.greatest = Age{years + BritishRoundingStep - 1, MonthsPerYear - 1, MostSpanDays};
    age.ageReaderForm = false;
    note = "the " + std::to_string(year) + " census wrote ages of " + std::to_string(BritishRoundingFrom)
        + " and more rounded down to a multiple of " + std::to_string(BritishRoundingStep);
}

void atNextBirthday(int year, std::string_view text, RecordAge& age, std::string& note)
{
    if (!inWholeYears(age) || namesYearOfLife(text))
        return;
    AgeReading& reading = age.reading;
    const std::string rule = "the " + std::to_string(year) + " census asked the age at the next birthday";
    if (oneYearOfAge(age) && reading.least.years == 0) {
        // No next birthday is the 0th: the enumerator wrote the infant's
        // completed age, under a year, as its own line says.
        note = rule + ", which is never 0: 0 is read as under 1 year";
        return;
    }
    reading.least.years = std::max(0LL, reading.least.years - 1);
    if (!age.openAbove)
        reading.greatest.years -= 1;
    reading.age = reading.least;
    note = rule;
}

} // namespace

void applyCensusRule(CensusAgeRule rule, int year, std::string_view text, RecordAge& age, std::string& note)
{
    if (rule == CensusAgeRule::RoundedDownToFive)
        roundedDownToFive(year, age, note);
    else if (rule == CensusAgeRule::AgeAtNextBirthday)
        atNextBirthday(year, text, age, note);
}

Result<RecordAge> readCensusAge(std::string_view text, CensusAgeRule rule, int year, std::string& note)
{
    if (const std::optional<long long> months = twelfths(text)) {
        Result<RecordAge> age = readRecordAge(std::to_string(*months) + " months");
        note = "the census wrote an infant's age in months as twelfths of a year";
        return age;
    }
    Result<RecordAge> age = readRecordAge(text);
    if (age)
        applyCensusRule(rule, year, text, *age, note);
    return age;
}

} // namespace spanwright
