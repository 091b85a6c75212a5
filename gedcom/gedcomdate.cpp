#include "gedcomdate.h"

#include "asciitext.h"
#include "calendar.h"
#include "calendardate.h"
#include "juliancalendar.h"
#include "quotedtext.h"

#include <array>
#include <vector>

namespace {

constexpr int MonthsPerYear = 12;
constexpr int DaysPerWeek = 7;

constexpr std::array<std::string_view, MonthsPerYear> MonthNames = {
    "JANUARY", "FEBRUARY", "MARCH", "APRIL", "MAY", "JUNE",
    "JULY", "AUGUST", "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
// Day number 0, 1 January of year 1, was a Monday.
constexpr std::array<std::string_view, DaysPerWeek> WeekdayNames = {
    "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY", "SUNDAY"};
constexpr std::array<std::string_view, 4> OrdinalSuffixes = {"ST", "ND", "RD", "TH"};
constexpr std::array<std::string_view, 3> BeforeChrist = {"B.C.", "BC", "BCE"};
// The words that qualify or join dates; a calendar escape goes after them.
constexpr std::array<std::string_view, 10> Keywords = {"ABT", "CAL", "EST", "BEF", "AFT", "BET", "AND",
                                                       "FROM", "TO", "INT"};
constexpr std::string_view EscapeStart = "@#D";
constexpr size_t WeekdayCodeLength = 3;
constexpr size_t DualYearDigits = 2;
constexpr int Hundred = 100;

bool allDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

// A whole number of at most nine digits (a day or a year; larger is refused
// by the caller's range check).
bool readNumber(std::string_view digits, long long& value)
{
    constexpr size_t MostDigits = 9;
    if (!allDigits(digits) || digits.size() > MostDigits)
        return false;
    value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return true;
}

// The calendar escapes are one token even where they hold a blank
// ("@#DFRENCH R@").
std::vector<std::string_view> tokens(std::string_view text)
{
    std::vector<std::string_view> result;
    size_t pos = 0;
    while (pos < text.size()) {
        if (isBlank(text[pos])) {
            ++pos;
            continue;
        }
        size_t end = pos;
        if (text.substr(pos, EscapeStart.size()) == EscapeStart) {
            end = text.find('@', pos + EscapeStart.size());
            end = end == std::string_view::npos ? text.size() : end + 1;
        } else {
            while (end < text.size() && !isBlank(text[end]))
                ++end;
        }
        result.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return result;
}

using Tokens = std::vector<std::string_view>;

// The text as written beside its upper-cased copy, which the tokens view:
// messages quote what the file says.
struct Source
{
    std::string_view original;
    std::string_view upper;

    std::string_view written(std::string_view first, std::string_view last) const
    {
        const size_t begin = static_cast<size_t>(first.data() - upper.data());
        const size_t end = static_cast<size_t>(last.data() + last.size() - upper.data());
        return original.substr(begin, end - begin);
    }
    std::string_view written(std::string_view token) const { return written(token, token); }
};

// One date of a value: the days of the day, month or year it names.
struct OneDate
{
    bool julian = false;
    long long first = 0;
    long long last = 0;
};

std::string titleCase(std::string_view word)
{
    std::string result(word);
    for (size_t i = 1; i < result.size(); ++i)
        result[i] = static_cast<char>(result[i] - 'A' + 'a');
    return result;
}

int monthNumber(std::string_view token)
{
    for (size_t i = 0; i < MonthsPerYear; ++i) {
        if (token == UpperMonthAbbreviations[i] || token == MonthNames[i])
            return static_cast<int>(i) + 1;
    }
    return 0;
}

int weekdayNumber(std::string_view token)
{
    for (size_t i = 0; i < WeekdayNames.size(); ++i) {
        if (token == WeekdayNames[i] || token == WeekdayNames[i].substr(0, WeekdayCodeLength))
            return static_cast<int>(i);
    }
    return -1;
}

// A day, with an ordinal suffix allowed ("9th").
bool readDay(std::string_view token, long long& day)
{
    for (std::string_view suffix : OrdinalSuffixes) {
        if (token.size() > suffix.size() && token.substr(token.size() - suffix.size()) == suffix) {
            token.remove_suffix(suffix.size());
            break;
        }
    }
    return readNumber(token, day);
}

// A year, or a dual year "1731/32" read as the later one: the digits after
// the slash must be the last digits of the year after the first.
std::string readYear(std::string_view token, long long& year)
{
    const size_t slash = token.find('/');
    if (slash == std::string_view::npos) {
        if (!readNumber(token, year))
            return "not a year";
        return {};
    }
    long long later = 0;
    const std::string_view suffix = token.substr(slash + 1);
    if (!readNumber(token.substr(0, slash), year) || suffix.size() != DualYearDigits
        || !readNumber(suffix, later) || later != (year + 1) % Hundred)
        return "not a year, nor a dual year such as 1731/32";
    year += 1;
    return {};
}

std::string readOneDate(Tokens parts, OneDate& date, const Source& source)
{
    if (parts.empty())
        return "a date is missing";
    const std::string_view written = source.written(parts.front(), parts.back());
    if (!parts.empty() && parts.front().substr(0, EscapeStart.size()) == EscapeStart) {
        const std::string_view escape = parts.front();
        if (escape == "@#DJULIAN@")
            date.julian = true;
        else if (escape != "@#DGREGORIAN@")
            return "the calendar " + quotedExcerpt(source.written(escape)) + " is not supported (only Gregorian and Julian)";
        parts.erase(parts.begin());
        for (std::string_view keyword : Keywords) {
            if (!parts.empty() && parts.front() == keyword)
                return quotedExcerpt(written) + ": the calendar escape goes after " + std::string(keyword) + " ("
                    + std::string(keyword) + " " + std::string(source.written(escape)) + " ...)";
        }
    }
    int weekday = -1;
    if (!parts.empty() && parts.front().size() > 1 && parts.front().back() == ',') {
        weekday = weekdayNumber(parts.front().substr(0, parts.front().size() - 1));
        if (weekday < 0)
            return quotedExcerpt(written) + " is not a date";
        parts.erase(parts.begin());
    }
    if (!parts.empty()) {
        for (std::string_view era : BeforeChrist) {
            if (parts.back() == era)
                return quotedExcerpt(written) + ": years B.C. are not supported";
        }
    }
    constexpr size_t MostParts = 3;
    if (parts.empty() || parts.size() > MostParts)
        return quotedExcerpt(written) + " is not a date (D MON YYYY, MON YYYY or YYYY)";

    long long year = 0;
    std::string problem = readYear(parts.back(), year);
    if (!problem.empty())
        return quotedExcerpt(written) + ": " + quotedExcerpt(source.written(parts.back())) + " is " + problem;
    if (year < FirstCalendarYear || year > LastCalendarYear)
        return quotedExcerpt(written) + ": the year is not from " + std::to_string(FirstCalendarYear) + " to "
            + std::to_string(LastCalendarYear);
    int month = 0;
    long long day = 0;
    if (parts.size() >= 2) {
        month = monthNumber(parts[parts.size() - 2]);
        if (month == 0)
            return quotedExcerpt(written) + ": " + quotedExcerpt(source.written(parts[parts.size() - 2])) + " is not a month";
    }
    const auto lengthOf = [&](int m) {
        return date.julian ? julianMonthLength(m, year) : monthLength(m, double(year));
    };
    const auto dayNumber = [&](int m, int d) {
        const CalendarDate calendarDate{year, m, d};
        return date.julian ? julianDayNumberOf(calendarDate) : dayNumberOf(calendarDate);
    };
    if (parts.size() == MostParts) {
        if (!readDay(parts[0], day))
            return quotedExcerpt(written) + ": " + quotedExcerpt(source.written(parts[0])) + " is not a day";
        if (day < 1 || day > lengthOf(month))
            return quotedExcerpt(written) + ": " + std::string(UpperMonthAbbreviations[size_t(month - 1)])
                + " " + std::to_string(year) + " has " + std::to_string(lengthOf(month)) + " days";
        date.first = date.last = dayNumber(month, static_cast<int>(day));
    } else if (month != 0) {
        date.first = dayNumber(month, 1);
        date.last = dayNumber(month, lengthOf(month));
    } else {
        date.first = dayNumber(1, 1);
        date.last = dayNumber(MonthsPerYear, lengthOf(MonthsPerYear));
    }
    if (weekday >= 0) {
        if (day == 0)
            return quotedExcerpt(written) + ": a weekday without a day";
        const long long actual = ((date.first % DaysPerWeek) + DaysPerWeek) % DaysPerWeek;
        if (actual != weekday)
            return quotedExcerpt(written) + ": that day was a " + titleCase(WeekdayNames[size_t(actual)]);
    }
    return {};
}

GedcomDate refused(std::string problem)
{
    GedcomDate date;
    date.problem = std::move(problem);
    return date;
}

size_t indexOf(const Tokens& parts, std::string_view keyword)
{
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i] == keyword)
            return i;
    }
    return parts.size();
}

GedcomDate::Calendar calendarOf(bool firstJulian, bool secondJulian)
{
    if (firstJulian && secondJulian)
        return GedcomDate::Calendar::Julian;
    return firstJulian || secondJulian ? GedcomDate::Calendar::Mixed : GedcomDate::Calendar::Gregorian;
}

// BET a AND b, FROM a TO b: from the first day of the one to the last of the
// other.
GedcomDate readTwoDates(const Tokens& parts, std::string_view joiner, const Source& source)
{
    const std::string_view written = source.original;
    const size_t join = indexOf(parts, joiner);
    if (join == parts.size())
        return refused(quotedExcerpt(written) + ": " + std::string(parts.front()) + " without "
                       + std::string(joiner));
    OneDate first;
    OneDate second;
    std::string problem = readOneDate(Tokens(parts.begin() + 1, parts.begin() + long(join)), first, source);
    if (problem.empty())
        problem = readOneDate(Tokens(parts.begin() + long(join) + 1, parts.end()), second, source);
    if (!problem.empty())
        return refused(problem);
    if (second.last < first.first)
        return refused(quotedExcerpt(written) + ": the second date lies before the first");
    GedcomDate date;
    date.ok = true;
    date.earliest = first.first;
    date.latest = second.last;
    date.calendar = calendarOf(first.julian, second.julian);
    return date;
}

} // namespace

GedcomDate readGedcomDate(std::string_view original)
{
    std::string upper(original);
    for (char& c : upper)
        c = upperAscii(c);
    std::string_view text = upper;
    const Source source{original, text};
    const size_t phrase = text.find('(');
    Tokens parts = tokens(text);
    if (parts.empty())
        return refused("no date given");
    if (parts.front() == "INT") {
        // An interpreted date: the date, then the phrase it was read from.
        parts = tokens(text.substr(0, phrase));
        parts.erase(parts.begin());
    } else if (phrase != std::string_view::npos) {
        return refused(quotedExcerpt(original) + " is a date phrase, not a date");
    }
    if (parts.empty())
        return refused(quotedExcerpt(original) + " is not a date");

    const std::string_view keyword = parts.front();
    if (keyword == "BET")
        return readTwoDates(parts, "AND", source);
    if (keyword == "FROM" && indexOf(parts, "TO") != parts.size())
        return readTwoDates(parts, "TO", source);

    GedcomDate date;
    const bool approximate = keyword == "ABT" || keyword == "CAL" || keyword == "EST";
    const bool before = keyword == "BEF" || keyword == "TO";
    const bool after = keyword == "AFT" || keyword == "FROM";
    const bool strict = keyword == "BEF" || keyword == "AFT";
    if (approximate || before || after)
        parts.erase(parts.begin());
    OneDate one;
    const std::string problem = readOneDate(parts, one, source);
    if (!problem.empty())
        return refused(problem);
    date.ok = true;
    date.approximate = approximate;
    date.calendar = one.julian ? GedcomDate::Calendar::Julian : GedcomDate::Calendar::Gregorian;
    // BEF and AFT leave the date itself out; FROM and TO take it in.
    if (!before)
        date.earliest = strict ? one.last + 1 : one.first;
    if (!after)
        date.latest = strict ? one.first - 1 : one.last;
    return date;
}
