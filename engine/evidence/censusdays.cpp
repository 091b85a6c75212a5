#include "evidence/censusdays.h"

#include "text/asciitext.h"
#include "calendars/calendardaytext.h"
#include "reading/calendarmarks.h"
#include "calendars/calendars.h"
#include "text/quotedtext.h"

#include <algorithm>
#include <array>

namespace spanwright {

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
    std::string_view written; // lower case, one blank between words
    std::string_view country; // in the table
    std::string_view shown;   // in the record's line
};
constexpr std::array<CountryName, 15> CountryNames = {{
    {"us", "US", "US"},
    {"u.s.", "US", "US"},
    {"u.s", "US", "US"},
    {"usa", "US", "US"},
    {"u.s.a.", "US", "US"},
    {"u.s.a", "US", "US"},
    {"united states", "US", "US"},
    {"united states of america", "US", "US"},
    {"england", "England", "England"},
    {"wales", "Wales", "Wales"},
    {"england and wales", "England", "England and Wales"},
    {"england & wales", "England", "England and Wales"},
    {"scotland", "Scotland", "Scotland"},
    {"ireland", "Ireland", "Ireland"},
    {"canada", "Canada", "Canada"},
}};

constexpr std::string_view CensusWord = "census";
constexpr std::string_view KnownCountries = "US, England, Wales, Scotland, Ireland and Canada";
constexpr size_t LongestYear = 4;

std::string yearsTaken(std::string_view country)
{
    std::string years;
    for (const CensusDay& census : censusDays()) {
        if (census.country == country)
            years += (years.empty() ? "" : ", ") + std::to_string(census.year);
    }
    return years;
}

// The words of a text in lower case; parentheses and commas part words
// ("1851 census (England)", "census, 1880") and are dropped.
std::vector<std::string> wordsOf(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (isBlank(c) || isLineEnd(c) || c == '(' || c == ')' || c == ',') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
            continue;
        }
        word.push_back(lowerAscii(c));
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

std::string gregorianDayText(const CalendarDate& date)
{
    return calendarDayText(calendarDayOf(CalendarSystem::Gregorian, dayOf(date)));
}

// The mark as written, without its parentheses: "O.S.", "@#DJULIAN@".
std::string_view markShown(std::string_view written)
{
    if (written.size() > 2 && written.front() == '(' && written.back() == ')')
        return trimmed(written.substr(1, written.size() - 2));
    return written;
}

Problem notKnown(std::string message)
{
    return Problem{ProblemKind::NotRead, std::move(message)};
}

// A census whose day the calendar choice or a mark puts in another
// calendar: why it is refused, else nothing.
std::optional<Problem> calendarProblem(std::string_view text, const CensusDay& census, const CalendarMarks& marks,
                            const CalendarChoice& calendar)
{
    const std::string day = gregorianDayText(census.day);
    const std::string taken =
        "was taken on " + day + " in the Gregorian calendar, the calendar of its country then";
    if (marks.system && *marks.system != CalendarSystem::Gregorian) {
        const std::string_view name = calendarSystemName(*marks.system);
        const std::string_view mark = markShown(marks.written);
        return notKnown("the census " + quotedExcerpt(text) + " is marked " + std::string(name)
                        + (equalsIgnoringCase(mark, name) ? "" : " (" + std::string(mark) + ")") + ", but it "
                        + taken + ": leave the mark off, or write the day meant as a date in place of the census");
    }
    // A census marked N.S. is Gregorian whatever the switch, as a date is.
    if (!marks.system && calendar.firstGregorianDay && dayOf(census.day) < *calendar.firstGregorianDay)
        return notKnown("the census " + quotedExcerpt(text) + " " + taken + ", but --switch makes dates before "
                        + calendarDayText(calendarDayOf(CalendarSystem::Gregorian, *calendar.firstGregorianDay))
                        + " Julian: give --switch GB or US (its country's switch, of 1752 or before) or none, or"
                          " write the census day as a date marked N.S. ("
                        + day + " N.S.)");
    return std::nullopt;
}

// "US 1850 census (7 Nov 1850)": the last parentheses, where they hold a
// digit and the rest still names a year, hold the day of the visit. Taken
// off text.
std::string_view takeVisitText(std::string_view& text)
{
    const std::string_view whole = trimmed(text);
    const size_t open = whole.rfind('(');
    if (whole.empty() || whole.back() != ')' || open == std::string_view::npos)
        return {};
    const std::string_view inner = trimmed(whole.substr(open + 1, whole.size() - open - 2));
    const std::string_view rest = trimmed(whole.substr(0, open));
    const auto hasDigit = [](std::string_view part) { return std::any_of(part.begin(), part.end(), isDigit); };
    if (!hasDigit(inner) || !hasDigit(rest))
        return {};
    text = rest;
    return inner;
}

const CountryName* countryNamed(const std::vector<std::string>& words)
{
    std::string written;
    for (const std::string& word : words)
        written += (written.empty() ? "" : " ") + word;
    for (const CountryName& name : CountryNames) {
        if (written == name.written)
            return &name;
    }
    return nullptr;
}

Day firstOfMonth(int year, int month)
{
    return month > 12 ? dayOf(CalendarDate{year + 1, 1, 1}) : dayOf(CalendarDate{year, month, 1});
}

} // namespace

const std::vector<CensusDay>& censusDays()
{
    static const std::vector<CensusDay> days = makeCensusDays();
    return days;
}

Result<std::optional<CensusReading>> readCensusName(std::string_view text, const CalendarChoice& calendar)
{
    const std::string_view whole = trimmed(text);
    std::string_view unmarked = whole;
    const std::string_view visit = takeVisitText(unmarked);
    const Result<CalendarMarks> marks = takeCalendarMarks(unmarked);
    std::vector<std::string> words = wordsOf(unmarked);
    // A sentence's full stop: "1851 Census of England and Wales."
    if (!words.empty() && words.back().size() > 1 && words.back().back() == '.'
        && words.back().find('.') == words.back().size() - 1)
        words.back().pop_back();
    const auto census = std::find(words.begin(), words.end(), CensusWord);
    if (census == words.end())
        return std::optional<CensusReading>();
    const std::string quoted = quotedExcerpt(whole);
    if (!marks)
        return notKnown("the census " + quoted + " is not read: " + marks.problem().message);
    words.erase(census);
    // The year: the one word of digits.
    std::optional<int> year;
    int numbers = 0;
    std::vector<std::string> countryWords;
    for (const std::string& word : words) {
        if (allDigits(word)) {
            if (++numbers == 1 && word.size() <= LongestYear)
                year = std::stoi(word);
        } else if (word != "federal") {
            countryWords.push_back(word);
        }
    }
    if (numbers > 1)
        return notKnown("the census " + quoted + " names a day as well as a year: write the census as COUNTRY "
                        "YEAR census (\"US 1880 census\"), or the day alone as a date");
    // "1880 census of the US": the words between the census and its country.
    while (!countryWords.empty() && (countryWords.front() == "of" || countryWords.front() == "the"))
        countryWords.erase(countryWords.begin());
    if (!year)
        return notKnown("the census " + quoted
                        + " names no year: write COUNTRY YEAR census, as in \"US 1880 census\"");
    if (countryWords.empty())
        return notKnown("the census " + quoted + " names no country: write COUNTRY YEAR census (\"US "
                        + std::to_string(*year) + " census\"), the country one of " + std::string(KnownCountries));
    const CountryName* country = countryNamed(countryWords);
    if (!country)
        return notKnown("the census " + quoted + " is not known: the censuses known are those of the "
                        + std::string(KnownCountries));
    for (const CensusDay& known : censusDays()) {
        if (known.country != country->country || known.year != *year)
            continue;
        if (std::optional<Problem> problem = calendarProblem(whole, known, *marks, calendar))
            return std::move(*problem);
        CensusReading reading{known, std::string(visit)};
        reading.census.country = country->shown;
        return std::optional<CensusReading>(std::move(reading));
    }
    return notKnown("the census " + quoted + " is not known: the " + std::string(country->country)
                    + " censuses known are those of " + yearsTaken(country->country));
}

std::string_view censusCountryOfPlace(std::string_view place)
{
    const size_t comma = place.rfind(',');
    const std::vector<std::string> words = wordsOf(comma == std::string_view::npos ? place : place.substr(comma + 1));
    const CountryName* country = countryNamed(words);
    return country ? country->country : std::string_view();
}

std::optional<CensusDay> censusOfEvent(std::string_view country, Day first, Day last)
{
    if (country.empty())
        return std::nullopt;
    for (const CensusDay& census : censusDays()) {
        if (census.country != country)
            continue;
        const Day day = dayOf(census.day);
        const bool onTheDay = first == day && last == day;
        const bool theYear = first == firstOfMonth(census.year, 1) && last == firstOfMonth(census.year, 13) - 1;
        const int month = census.day.month;
        const bool theMonth = first == firstOfMonth(census.day.year, month)
            && last == firstOfMonth(census.day.year, month + 1) - 1;
        if (onTheDay || theYear || theMonth)
            return census;
    }
    return std::nullopt;
}

} // namespace spanwright
