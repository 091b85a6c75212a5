#include "gedcomdate.h"

#include "text/asciitext.h"
#include "calendars/calendardate.h"
#include "reading/calendarswitches.h"
#include "reading/datereader.h"
#include "reading/dualyearlimits.h"
#include "gedcomcalendar.h"
#include "languages/languages.h"
#include "text/quotedtext.h"

#include <array>
#include <vector>

namespace spanwright {

namespace {

constexpr int DaysPerWeek = 7;

// Day number 0, 1 January of year 1, was a Monday.
constexpr std::array<std::string_view, DaysPerWeek> WeekdayNames = {
    "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY", "SUNDAY"};
constexpr std::array<std::string_view, 4> OrdinalSuffixes = {"ST", "ND", "RD", "TH"};
constexpr std::array<std::string_view, 4> BeforeChrist = {"B.C.", "BC", "BCE", "B.C.E."};
constexpr std::array<std::string_view, 2> AnnoDomini = {"AD", "A.D."};
// The words written in place of an unknown date.
constexpr std::array<std::string_view, 6> StatusWords = {"DECEASED", "DEAD", "STILLBORN", "INFANT", "CHILD",
                                                         "UNKNOWN"};
// The words that qualify or join dates; a calendar escape goes after them.
constexpr std::array<std::string_view, 10> Keywords = {"ABT", "CAL", "EST", "BEF", "AFT", "BET", "AND",
                                                       "FROM", "TO", "INT"};
constexpr std::string_view EscapeStart = "@#D";
constexpr size_t WeekdayCodeLength = 3;
constexpr long long Ten = 10;

// A whole number of at most nine digits (a day or a year; larger is refused
// by the caller's range check).
bool readNumber(std::string_view digits, long long& value)
{
    constexpr size_t MostDigits = 9;
    if (!allDigits(digits) || digits.size() > MostDigits)
        return false;
    value = 0;
    for (char c : digits)
        value = value * Ten + (c - '0');
    return true;
}

long long powerOfTen(size_t digits)
{
    long long power = 1;
    for (size_t i = 0; i < digits; ++i)
        power *= Ten;
    return power;
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
    DateReadOptions choice; // how plain dates are read (the switch; the language)

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
    GedcomCalendarKind calendar = GedcomCalendarKind::Gregorian;
    long long first = 0;
    long long last = 0;
    long long year = 0;    // as written, before its era
    bool beforeChrist = false;
    size_t yearDigits = 0; // 0 when the year is borrowed
    bool dualYear = false;
    bool dualYearAsGregorian = false; // a dual year under an explicit Gregorian escape
};

constexpr std::string_view DualYearGregorianWarning =
    "a dual year is Old Style (Julian), yet the date is marked Gregorian: read as written";

// What the other date of BET or FROM ... TO lends: the year of the second
// to a first date without one, the first's leading digits to a short second
// year.
struct Neighbour
{
    const OneDate* date = nullptr;
    bool lendsYear = false;
};

std::string titleCase(std::string_view word)
{
    std::string result(word);
    for (size_t i = 1; i < result.size(); ++i)
        result[i] = static_cast<char>(result[i] - 'A' + 'a');
    return result;
}

int weekdayNumber(std::string_view token)
{
    for (size_t i = 0; i < WeekdayNames.size(); ++i) {
        if (token == WeekdayNames[i] || token == WeekdayNames[i].substr(0, WeekdayCodeLength))
            return static_cast<int>(i);
    }
    return -1;
}

template <size_t Count>
bool isOneOf(const std::array<std::string_view, Count>& words, std::string_view token)
{
    for (std::string_view word : words) {
        if (token == word)
            return true;
    }
    return false;
}

// A keyword, with the full stop some programs write after it ("ABT.").
bool isKeyword(std::string_view token, std::string_view keyword)
{
    if (token.size() == keyword.size() + 1 && token.back() == '.')
        token.remove_suffix(1);
    return token == keyword;
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

// A year, or a dual year read as the later one: after the slash or hyphen
// the later year, or as many of its last digits ("1731/32", "1611/2",
// "1698/1699", "1702-1703").
std::string readYear(std::string_view token, long long& year, size_t& digits, bool& dual)
{
    const size_t mark = token.find_first_of("/-");
    dual = mark != std::string_view::npos;
    if (mark == std::string_view::npos) {
        if (!readNumber(token, year))
            return "not a year";
        digits = token.size();
        return {};
    }
    long long later = 0;
    const std::string_view first = token.substr(0, mark);
    const std::string_view suffix = token.substr(mark + 1);
    if (!readNumber(first, year) || suffix.size() > first.size() || !readNumber(suffix, later)
        || later != (year + 1) % powerOfTen(suffix.size()))
        return "not a year, nor a dual year such as 1731/32";
    year += 1;
    digits = first.size();
    return {};
}

// What is read of one date as its reading goes on.
struct DateSoFar
{
    std::string_view written;   // the date as the file writes it, for messages
    bool calendarGiven = false; // by a calendar escape or word
    bool christian = false;     // Gregorian or Julian, which have weekdays and eras
    int weekday = -1;
    bool beforeChrist = false;
    long long counted = 0; // the year in astronomers' count: 1 B.C. is 0
    int month = 0;
    long long day = 0;
    bool switched = false; // a plain date under a switch: Julian before it, Gregorian from it
};

// The calendar escape or word before the date, which goes after the
// keywords.
std::string readCalendar(Tokens& parts, OneDate& date, const Source& source, DateSoFar& so)
{
    const std::string_view front = parts.front();
    so.calendarGiven = calendarOfWord(front, date.calendar);
    if (so.calendarGiven) {
        parts.erase(parts.begin());
        for (std::string_view keyword : Keywords) {
            if (!parts.empty() && isKeyword(parts.front(), keyword))
                return quotedExcerpt(so.written)
                    + (front.front() == '@' ? ": the calendar escape goes after " : ": the calendar goes after ")
                    + std::string(keyword) + " (" + std::string(keyword) + " " + std::string(source.written(front))
                    + " ...)";
        }
    } else if (front.substr(0, EscapeStart.size()) == EscapeStart || (front.size() > 1 && front.front() == '_')) {
        return "the calendar " + quotedExcerpt(source.written(front))
            + " is not known (only Gregorian, Julian, Hebrew and French Republican)";
    }
    so.christian = date.calendar == GedcomCalendarKind::Gregorian || date.calendar == GedcomCalendarKind::Julian;
    return {};
}

// A weekday before the date ("MONDAY,"), and its era: A.D. before or after
// it, B.C. after it.
std::string readWeekdayAndEra(Tokens& parts, DateSoFar& so)
{
    if (so.christian && !parts.empty() && parts.front().size() > 1 && parts.front().back() == ',') {
        so.weekday = weekdayNumber(parts.front().substr(0, parts.front().size() - 1));
        if (so.weekday < 0)
            return quotedExcerpt(so.written) + " is not a date";
        parts.erase(parts.begin());
    }
    if (so.christian && !parts.empty() && isOneOf(AnnoDomini, parts.front()))
        parts.erase(parts.begin());
    else if (so.christian && !parts.empty() && isOneOf(AnnoDomini, parts.back()))
        parts.pop_back();
    else if (!parts.empty() && isOneOf(BeforeChrist, parts.back())) {
        if (!so.christian)
            return quotedExcerpt(so.written) + ": only Gregorian and Julian years have an era B.C.";
        so.beforeChrist = true;
        parts.pop_back();
    }
    return {};
}

constexpr size_t MostParts = 3;

// The year: written last, or lent by the other date of BET or FROM ... TO.
std::string readYearPart(Tokens& parts, OneDate& date, const Source& source, const Neighbour& neighbour,
                         DateSoFar& so)
{
    // A first date of BET or FROM without a year, whose last word is a month.
    const bool borrowsYear = neighbour.lendsYear && parts.size() <= 2
        && monthOfWord(date.calendar, parts.back()) != 0;
    long long year = 0;
    if (borrowsYear) {
        year = neighbour.date->year;
        so.beforeChrist = neighbour.date->beforeChrist;
        if (neighbour.date->dualYear && !so.calendarGiven)
            date.calendar = neighbour.date->calendar; // the year lent is Old Style
        parts.push_back({}); // in the year's place, so that the month and day stand where they do
    } else {
        bool dual = false;
        std::string problem = readYear(parts.back(), year, date.yearDigits, dual);
        if (!problem.empty())
            return quotedExcerpt(so.written) + ": " + quotedExcerpt(source.written(parts.back())) + " is " + problem;
        // A dual year only arose under the Julian calendar with the year
        // beginning on 25 March: its day and month are Julian, unless an
        // escape says otherwise (which is read as written, with a warning).
        if (dual && !so.calendarGiven)
            date.calendar = GedcomCalendarKind::Julian;
        date.dualYear = dual;
        date.dualYearAsGregorian = dual && so.calendarGiven && date.calendar == GedcomCalendarKind::Gregorian;
        // Only a year of the first date's calendar: the French Republican
        // year 3 after 1790 is the year 3.
        constexpr size_t ShortYearDigits = 2;
        const OneDate* first = neighbour.date;
        if (first != nullptr && !neighbour.lendsYear && date.yearDigits <= ShortYearDigits
            && first->yearDigits > ShortYearDigits && !so.beforeChrist && !first->beforeChrist
            && first->calendar == date.calendar) {
            const long long unit = powerOfTen(date.yearDigits);
            year += first->year / unit * unit;
        }
    }
    date.year = year;
    date.beforeChrist = so.beforeChrist;
    return {};
}

// The year within the calendars' years, counted as astronomers do.
std::string countYear(const OneDate& date, const Source& source, DateSoFar& so)
{
    so.switched = !so.calendarGiven && date.calendar == GedcomCalendarKind::Gregorian
        && source.choice.calendar.firstGregorianDay.has_value();
    const long long year = date.year;
    if (so.beforeChrist && year == 0)
        return quotedExcerpt(so.written) + ": there is no year 0 (1 B.C. is followed by A.D. 1)";
    if (!so.beforeChrist && year == 0)
        return quotedExcerpt(so.written) + ": there is no year 0";
    // Astronomers' years: 1 BC is year 0.
    so.counted = so.beforeChrist ? 1 - year : year;
    const long long earliest = so.christian ? EarliestGedcomYear : 1;
    if (so.counted < earliest || so.counted > LastCalendarYear)
        return quotedExcerpt(so.written) + ": the year is not from "
            + (so.christian ? std::to_string(1 - EarliestGedcomYear) + " B.C." : std::string("1")) + " to "
            + std::to_string(LastCalendarYear);
    return {};
}

// Why a word that is no GEDCOM month is no month either where the tables
// know it: two languages read it as different months ("listopada" is
// October in Croatian, November in Polish) and no language was chosen.
// Empty for any other word.
std::string twoMonthsProblem(std::string_view written, const Source& source)
{
    if (!source.choice.language.empty())
        return {};
    const languages::Readings<int>* months = languages::lexicon().month(languages::lookupKey(written));
    if (!months || months->readings.size() < 2)
        return {};
    std::string note = quotedExcerpt(written) + " names two months:";
    for (size_t i = 0; i < months->readings.size(); ++i) {
        const auto& reading = months->readings[i];
        note += std::string(i == 0 ? " " : " or ") + "month " + std::to_string(reading.value) + " in "
            + languages::lexicon().languageNames(reading.languages);
    }
    return note;
}

// The month before the year, of the date's calendar and within its year.
std::string readMonthPart(const Tokens& parts, const OneDate& date, const Source& source, DateSoFar& so)
{
    if (parts.size() < 2)
        return {};
    const std::string_view word = parts[parts.size() - 2];
    so.month = monthOfWord(date.calendar, word);
    if (so.month == 0) {
        const std::string clash = twoMonthsProblem(source.written(word), source);
        if (!clash.empty())
            return quotedExcerpt(so.written) + ": " + clash;
        return quotedExcerpt(so.written) + ": " + quotedExcerpt(source.written(word)) + " is not a month"
            + (so.christian ? "" : " of the " + std::string(calendarName(date.calendar)) + " calendar");
    }
    if (monthLengthIn(date.calendar, so.month, so.counted) == 0)
        return quotedExcerpt(so.written) + ": " + std::string(monthCode(date.calendar, so.month))
            + " is only in a leap year, and " + std::to_string(date.year) + " is not one";
    return {};
}

// The day, or two consecutive days ("8/9 JUL 1457"), and the days they are.
std::string readDayPart(const Tokens& parts, OneDate& date, const Source& source, DateSoFar& so)
{
    std::string_view dayToken = parts[0];
    long long lastDay = 0;
    const size_t slash = dayToken.find('/');
    const bool twoDays = slash != std::string_view::npos;
    if (twoDays && (!readDay(dayToken.substr(slash + 1), lastDay)))
        return quotedExcerpt(so.written) + ": " + quotedExcerpt(source.written(parts[0])) + " is not a day";
    if (twoDays)
        dayToken = dayToken.substr(0, slash);
    if (!readDay(dayToken, so.day))
        return quotedExcerpt(so.written) + ": " + quotedExcerpt(source.written(parts[0])) + " is not a day";
    const long long day = so.day;
    if (!twoDays)
        lastDay = day;
    const auto notConsecutive = [&] {
        return quotedExcerpt(so.written) + ": two days are written as consecutive days (8/9 JUL 1457)";
    };
    if (so.switched) {
        if (twoDays && lastDay != day + 1)
            return notConsecutive();
        const SwitchedDays days = daysUnderSwitch(so.counted, so.month, int(day), *source.choice.calendar.firstGregorianDay);
        if (!days.ok)
            return quotedExcerpt(so.written) + ": " + days.problem;
        date.calendar = days.firstCalendar;
        date.first = days.first;
        date.last = days.first + (lastDay - day);
    }
    const int length = monthLengthIn(date.calendar, so.month, so.counted);
    if (twoDays && lastDay != day + 1)
        return notConsecutive();
    if (day < 1 || lastDay > length)
        return quotedExcerpt(so.written) + ": " + std::string(monthCode(date.calendar, so.month)) + " "
            + std::to_string(date.year) + " has " + std::to_string(length) + " days";
    if (!so.switched) {
        date.first = dayNumberIn(date.calendar, so.counted, so.month, static_cast<int>(day));
        date.last = date.first + (lastDay - day);
    }
    return {};
}

// The days of a month or a year.
void monthOrYearDays(OneDate& date, const Source& source, const DateSoFar& so)
{
    if (so.switched) {
        // Each end by itself, the calendar Julian only where both are.
        const SwitchedDays days = daysUnderSwitch(so.counted, so.month, 0, *source.choice.calendar.firstGregorianDay);
        date.first = days.first;
        date.last = days.last;
        date.calendar = days.firstCalendar == days.lastCalendar ? days.firstCalendar : GedcomCalendarKind::Gregorian;
    } else if (so.month != 0) {
        date.first = dayNumberIn(date.calendar, so.counted, so.month, 1);
        date.last = date.first + monthLengthIn(date.calendar, so.month, so.counted) - 1;
    } else {
        date.first = firstDayOfYearIn(date.calendar, so.counted);
        date.last = firstDayOfYearIn(date.calendar, so.counted + 1) - 1;
    }
}

// The checks of the days found: a dual year's day, the last year, the
// weekday.
std::string daysProblem(const OneDate& date, const Source& source, const DateSoFar& so)
{
    if (date.dualYear) {
        // Under an explicit Julian escape, or before the switch, the day is
        // Julian by itself; under a Gregorian one it is read as written.
        const bool julianSaid = date.dualYearAsGregorian || so.calendarGiven
            || (source.choice.calendar.firstGregorianDay && date.first < *source.choice.calendar.firstGregorianDay);
        const std::string problem = dualYearProblem(so.counted, so.month, int(so.day), julianSaid);
        if (!problem.empty())
            return quotedExcerpt(so.written) + ": " + problem;
    }
    // Other calendars' years reach beyond the Gregorian ones.
    if (date.last > lastCalendarDay())
        return quotedExcerpt(so.written) + ": the date lies after the year " + std::to_string(LastCalendarYear);
    if (so.weekday >= 0) {
        if (so.day == 0 || date.first != date.last)
            return quotedExcerpt(so.written) + ": a weekday without a day";
        const long long actual = ((date.first % DaysPerWeek) + DaysPerWeek) % DaysPerWeek;
        if (actual != so.weekday)
            return quotedExcerpt(so.written) + ": that day was a " + titleCase(WeekdayNames[size_t(actual)]);
    }
    return {};
}

std::string readOneDate(Tokens parts, OneDate& date, const Source& source, const Neighbour& neighbour = {})
{
    if (parts.empty())
        return "a date is missing";
    DateSoFar so;
    so.written = source.written(parts.front(), parts.back());
    std::string problem = readCalendar(parts, date, source, so);
    if (problem.empty())
        problem = readWeekdayAndEra(parts, so);
    if (!problem.empty())
        return problem;
    if (parts.empty() || parts.size() > MostParts)
        return quotedExcerpt(so.written) + " is not a date (D MON YYYY, MON YYYY or YYYY)";
    problem = readYearPart(parts, date, source, neighbour, so);
    if (problem.empty())
        problem = countYear(date, source, so);
    if (problem.empty())
        problem = readMonthPart(parts, date, source, so);
    if (problem.empty() && parts.size() == MostParts)
        problem = readDayPart(parts, date, source, so);
    else if (problem.empty())
        monthOrYearDays(date, source, so);
    if (problem.empty())
        problem = daysProblem(date, source, so);
    return problem;
}

GedcomDate refused(std::string problem)
{
    GedcomDate date;
    date.problem = std::move(problem);
    return date;
}

// Where the joining word stands: AND (or a lone hyphen) after BET, TO after
// FROM.
size_t joinerIndex(const Tokens& parts, std::string_view joiner)
{
    for (size_t i = 1; i < parts.size(); ++i) {
        if (isKeyword(parts[i], joiner) || (joiner == "AND" && parts[i] == "-"))
            return i;
    }
    return parts.size();
}

void markWritten(GedcomDate& date, GedcomCalendarKind kind)
{
    date.julianWritten = date.julianWritten || kind == GedcomCalendarKind::Julian;
    date.hebrewWritten = date.hebrewWritten || kind == GedcomCalendarKind::Hebrew;
    date.frenchWritten = date.frenchWritten || kind == GedcomCalendarKind::FrenchRepublican;
}

GedcomDate::Calendar calendarOf(GedcomCalendarKind kind)
{
    switch (kind) {
    case GedcomCalendarKind::Julian:
        return GedcomDate::Calendar::Julian;
    case GedcomCalendarKind::Hebrew:
        return GedcomDate::Calendar::Hebrew;
    case GedcomCalendarKind::FrenchRepublican:
        return GedcomDate::Calendar::FrenchRepublican;
    case GedcomCalendarKind::Gregorian:
    case GedcomCalendarKind::Swedish: // counted in the Gregorian calendar, as any mixed pair
        break;
    }
    return GedcomDate::Calendar::Gregorian;
}

// BET a AND b, FROM a TO b: from the first day of the one to the last of the
// other.
GedcomDate readTwoDates(const Tokens& parts, std::string_view joiner, const Source& source)
{
    const std::string_view written = source.original;
    const size_t join = joinerIndex(parts, joiner);
    if (join == parts.size())
        return refused(quotedExcerpt(written) + ": " + std::string(source.written(parts.front())) + " without "
                       + std::string(joiner));
    const Tokens firstParts(parts.begin() + 1, parts.begin() + long(join));
    const Tokens secondParts(parts.begin() + long(join) + 1, parts.end());
    OneDate first;
    OneDate second;
    std::string problem;
    // A first date that ends with a month takes its year from the second.
    const bool firstWithoutYear = !firstParts.empty() && !allDigits(firstParts.back())
        && firstParts.back().find_first_of("/-") == std::string_view::npos;
    if (firstWithoutYear) {
        problem = readOneDate(secondParts, second, source);
        if (problem.empty())
            problem = readOneDate(firstParts, first, source, Neighbour{&second, true});
    } else {
        problem = readOneDate(firstParts, first, source);
        if (problem.empty())
            problem = readOneDate(secondParts, second, source, Neighbour{&first, false});
    }
    if (!problem.empty())
        return refused(problem);
    if (second.last < first.first)
        return refused(quotedExcerpt(written) + ": the second date lies before the first");
    GedcomDate date;
    date.ok = true;
    date.earliest = first.first;
    date.latest = second.last;
    date.calendar = first.calendar == second.calendar ? calendarOf(first.calendar) : GedcomDate::Calendar::Mixed;
    markWritten(date, first.calendar);
    markWritten(date, second.calendar);
    if (first.dualYearAsGregorian || second.dualYearAsGregorian)
        date.warning = DualYearGregorianWarning;
    return date;
}

// The value without blanks around it and without a final full stop.
std::string_view statusWordOf(std::string_view upper)
{
    std::string_view word = trimmed(upper);
    if (word.size() > 1 && word.back() == '.')
        word.remove_suffix(1);
    return word;
}

GedcomDate readByGrammar(std::string_view original, const DateReadOptions& choice)
{
    std::string upper(original);
    for (char& c : upper)
        c = upperAscii(c);
    std::string_view text = upper;
    const Source source{original, text, choice};
    Tokens parts = tokens(text);
    if (parts.empty())
        return refused("no date given");
    if (isOneOf(StatusWords, statusWordOf(text))) {
        GedcomDate date;
        date.noDate = GedcomDate::NoDate::StatusWord;
        date.stillborn = statusWordOf(text) == "STILLBORN";
        return date;
    }
    const size_t phrase = text.find('(');
    if (isKeyword(parts.front(), "INT")) {
        // An interpreted date: the date, then the phrase it was read from.
        parts = tokens(text.substr(0, phrase));
        parts.erase(parts.begin());
    } else if (phrase != std::string_view::npos) {
        GedcomDate date;
        date.noDate = GedcomDate::NoDate::Phrase;
        return date;
    }
    if (parts.empty())
        return refused(quotedExcerpt(original) + " is not a date");

    const std::string_view keyword = parts.front();
    if (isKeyword(keyword, "BET"))
        return readTwoDates(parts, "AND", source);
    if (isKeyword(keyword, "FROM") && joinerIndex(parts, "TO") != parts.size())
        return readTwoDates(parts, "TO", source);

    GedcomDate date;
    const bool approximate = isKeyword(keyword, "ABT") || isKeyword(keyword, "CAL") || isKeyword(keyword, "EST");
    const bool before = isKeyword(keyword, "BEF") || isKeyword(keyword, "TO");
    const bool after = isKeyword(keyword, "AFT") || isKeyword(keyword, "FROM");
    const bool strict = isKeyword(keyword, "BEF") || isKeyword(keyword, "AFT");
    if (approximate || before || after)
        parts.erase(parts.begin());
    OneDate one;
    const std::string problem = readOneDate(parts, one, source);
    if (!problem.empty())
        return refused(problem);
    date.ok = true;
    date.approximate = approximate;
    date.calendar = calendarOf(one.calendar);
    markWritten(date, one.calendar);
    if (one.dualYearAsGregorian)
        date.warning = DualYearGregorianWarning;
    // BEF and AFT leave the date itself out; FROM and TO take it in.
    if (!before)
        date.earliest = strict ? one.last + 1 : one.first;
    if (!after)
        date.latest = strict ? one.first - 1 : one.last;
    return date;
}

// A value the GEDCOM grammars refuse but the program's date reader takes
// whole ("Jan 12, 1900", "1900-01-12", "ABOUT 1900", "between 1900 and
// 1905"), so that a text reads the same in a tree as on the command line.
// Only values with a word in them and ISO dates: digits alone ("5/6/1900",
// "1702-1704") have a GEDCOM meaning or an order the file does not tell.
bool hasLetter(std::string_view text)
{
    for (const char c : text) {
        if (lowerAscii(c) != upperAscii(c))
            return true;
    }
    return false;
}

bool isIsoDate(std::string_view text)
{
    constexpr std::string_view Shape = "dddd-dd-dd";
    text = trimmed(text);
    if (text.size() < Shape.size())
        return false;
    for (size_t i = 0; i < Shape.size(); ++i) {
        if (Shape[i] == 'd' ? !isDigit(text[i]) : text[i] != Shape[i])
            return false;
    }
    return true;
}

std::optional<GedcomDate> readAsFreeText(std::string_view text, const DateReadOptions& choice)
{
    if (!hasLetter(text) && !isIsoDate(text))
        return std::nullopt;
    // Only the tree's switch and language: a tree's numeric dates keep the
    // reader's own order.
    DateReadOptions options;
    options.calendar = choice.calendar;
    options.language = choice.language;
    const DateReading reading = readDate(text, options);
    if (!reading.ok)
        return std::nullopt;
    GedcomDate date;
    date.ok = true;
    date.earliest = reading.earliest;
    date.latest = reading.latest;
    // An Islamic date of a record is the day of its month as sighted: the
    // check must not be certain of a day the tabular calendar only reckons.
    if (reading.observedDaysApart > 0) {
        if (date.earliest)
            date.earliest = std::max(*date.earliest - reading.observedDaysApart, earliestReadDay());
        if (date.latest)
            date.latest = std::min(*date.latest + reading.observedDaysApart, latestReadDay());
    }
    date.approximate = reading.approximate;
    // "1 Jan 1700 O.S.", "15 Nisan 5708": the calendar the reader found.
    date.calendar = reading.oneCalendar() ? calendarOf(reading.calendar) : GedcomDate::Calendar::Mixed;
    markWritten(date, reading.calendar);
    markWritten(date, reading.latestCalendar);
    return date;
}

} // namespace

GedcomDate readGedcomDate(std::string_view original, const DateReadOptions& choice)
{
    GedcomDate date = readByGrammar(original, choice);
    if (!date.ok && date.noDate == GedcomDate::NoDate::None) {
        if (std::optional<GedcomDate> free = readAsFreeText(original, choice))
            return *free;
    }
    // A phrase that is a date of the old ways, "(the Tuesday before
    // Michaelmas 9 Edward III)", is read as that date; any other phrase
    // stays one.
    const std::string_view inner = trimmed(original);
    if (date.noDate == GedcomDate::NoDate::Phrase && inner.size() > 2 && inner.front() == '(' && inner.back() == ')') {
        DateReadOptions options;
        options.calendar = choice.calendar;
        options.language = choice.language;
        if (!readDate(inner.substr(1, inner.size() - 2), options).readAs.empty()) {
            if (std::optional<GedcomDate> old = readAsFreeText(inner.substr(1, inner.size() - 2), choice))
                return *old;
        }
    }
    return date;
}

} // namespace spanwright
