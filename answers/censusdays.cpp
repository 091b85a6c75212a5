#include "censusdays.h"

#include "asciitext.h"
#include "quotedtext.h"

#include <array>

namespace {

constexpr int January = 1, March = 3, April = 4, June = 6, August = 8;

// The census days, checked against the sources the manual page names.
std::vector<CensusDay> makeCensusDays()
{
    std::vector<CensusDay> days = {
        // United States: the official census day (the first Monday in
        // August 1790-1820; 1 June 1890 was a Sunday, so the day was 2 June).
        {"US", 1790, {1790, August, 2}},
        {"US", 1800, {1800, August, 4}},
        {"US", 1810, {1810, August, 6}},
        {"US", 1820, {1820, August, 7}},
        {"US", 1830, {1830, June, 1}},
        {"US", 1840, {1840, June, 1}},
        {"US", 1850, {1850, June, 1}},
        {"US", 1860, {1860, June, 1}},
        {"US", 1870, {1870, June, 1}},
        {"US", 1880, {1880, June, 1}},
        {"US", 1890, {1890, June, 2}},
        {"US", 1900, {1900, June, 1}},
        {"US", 1910, {1910, April, 15}},
        {"US", 1920, {1920, January, 1}},
        {"US", 1930, {1930, April, 1}},
        {"US", 1940, {1940, April, 1}},
        {"US", 1950, {1950, April, 1}},
        // Ireland: the census nights of 1901 and 1911.
        {"Ireland", 1901, {1901, March, 31}},
        {"Ireland", 1911, {1911, April, 2}},
        // Canada: the official enumeration days; the census of 1851 was
        // taken in January 1852, and those of 1851 and 1861 asked the age
        // at the next birthday.
        {"Canada", 1851, {1852, January, 12}, CensusAgeRule::AgeAtNextBirthday},
        {"Canada", 1861, {1861, January, 14}, CensusAgeRule::AgeAtNextBirthday},
        {"Canada", 1871, {1871, April, 2}},
        {"Canada", 1881, {1881, April, 4}},
        {"Canada", 1891, {1891, April, 6}},
        {"Canada", 1901, {1901, March, 31}},
        {"Canada", 1911, {1911, June, 1}},
        {"Canada", 1921, {1921, June, 1}},
    };
    // Great Britain: the Sunday census nights, the same in England, Wales
    // and Scotland; 1921 was put off from 24 April to 19 June.
    constexpr std::array<std::string_view, 3> Britain = {"England", "Wales", "Scotland"};
    const std::array<CensusDay, 9> british = {{
        {"", 1841, {1841, June, 6}, CensusAgeRule::RoundedDownToFive},
        {"", 1851, {1851, March, 30}},
        {"", 1861, {1861, April, 7}},
        {"", 1871, {1871, April, 2}},
        {"", 1881, {1881, April, 3}},
        {"", 1891, {1891, April, 5}},
        {"", 1901, {1901, March, 31}},
        {"", 1911, {1911, April, 2}},
        {"", 1921, {1921, June, 19}},
    }};
    for (std::string_view country : Britain) {
        for (CensusDay census : british) {
            census.country = country;
            days.push_back(census);
        }
    }
    return days;
}

struct CountryName
{
    std::string_view written;
    std::string_view country;
};
constexpr std::array<CountryName, 10> CountryNames = {{
    {"us", "US"},
    {"u.s.", "US"},
    {"usa", "US"},
    {"u.s.a.", "US"},
    {"united states", "US"},
    {"england", "England"},
    {"wales", "Wales"},
    {"scotland", "Scotland"},
    {"ireland", "Ireland"},
    {"canada", "Canada"},
}};

constexpr std::string_view CensusWord = "census";

std::string lowered(std::string_view text)
{
    std::string result;
    for (char c : text)
        result.push_back(lowerAscii(c));
    return result;
}

std::string yearsTaken(std::string_view country)
{
    std::string years;
    for (const CensusDay& census : censusDays()) {
        if (census.country == country)
            years += (years.empty() ? "" : ", ") + std::to_string(census.year);
    }
    return years;
}

} // namespace

const std::vector<CensusDay>& censusDays()
{
    static const std::vector<CensusDay> days = makeCensusDays();
    return days;
}

CensusReading readCensusName(std::string_view text)
{
    CensusReading reading;
    const std::string words = lowered(trimmed(text));
    if (words.size() <= CensusWord.size() || words.compare(words.size() - CensusWord.size(), CensusWord.size(), CensusWord) != 0)
        return reading;
    std::string_view rest = trimmed(std::string_view(words).substr(0, words.size() - CensusWord.size()));
    const size_t lastBlank = rest.find_last_of(' ');
    if (lastBlank == std::string_view::npos)
        return reading;
    const std::string_view yearText = rest.substr(lastBlank + 1);
    const std::string_view countryText = trimmed(rest.substr(0, lastBlank));
    if (yearText.empty() || yearText.size() > 4)
        return reading;
    for (char c : yearText) {
        if (!isDigit(c))
            return reading;
    }
    reading.named = true;
    const int year = std::stoi(std::string(yearText));
    std::string_view country;
    for (const CountryName& name : CountryNames) {
        if (countryText == name.written)
            country = name.country;
    }
    if (country.empty()) {
        reading.problem = "the census " + quotedExcerpt(trimmed(text))
            + " is not known: the censuses known are those of the US, England, Wales, Scotland, Ireland and Canada";
        return reading;
    }
    for (const CensusDay& census : censusDays()) {
        if (census.country == country && census.year == year) {
            reading.census = census;
            return reading;
        }
    }
    reading.problem = "the census " + quotedExcerpt(trimmed(text)) + " is not known: the " + std::string(country)
        + " censuses known are those of " + yearsTaken(country);
    return reading;
}
