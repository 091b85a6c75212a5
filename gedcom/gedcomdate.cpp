#include "gedcomdate.h"

#include "text/asciitext.h"
#include "calendars/calendardate.h"
#include "reading/calendarswitches.h"
#include "reading/datereader.h"
#include "reading/dualyearlimits.h"
#include "gedcomcalendar.h"
#include "gedcomdateparts.h"
#include "languages/languages.h"
#include "text/quotedtext.h"

#include <spanwright/problem.h>
#include <spanwright/result.h>

#include <array>
#include <vector>

namespace spanwright {

namespace {

constexpr int DaysPerWeek = 7;

// In the order of weekdayOf, Monday first.
constexpr std::array<std::string_view, DaysPerWeek> WeekdayNames = {
    "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY", "SUNDAY"};
constexpr std::array<std::string_view, 4> BeforeChrist = {"B.C.", "BC", "BCE", "B.C.E."};
constexpr std::array<std::string_view, 2> AnnoDomini = {"AD", "A.D."};
// The words written in place of an unknown date.
constexpr std::array<std::string_view, 6> StatusWords = {"DECEASED", "DEAD", "STILLBORN", "INFANT", "CHILD",
                                                         "UNKNOWN"};
// The words that qualify or join dates; a calendar escape goes after them.
constexpr std::array<std::string_view, 10> Keywords = {"ABT", "CAL", "EST", "BEF", "AFT", "BET", "AND",
                                                       "FROM", "TO", "INT"};
constexpr size_t WeekdayCodeLength = 3;

using Part = GedcomDatePart;
using DateParts = GedcomDateParts;

// The text of the value, which messages quote as the file writes it, and
// how its plain dates are read (the switch; the language).
struct Source
{
    std::string_view original;
    const DateReadOptions& choice;

    std::string_view written(const Part& first, const Part& last) const
    {
        return original.substr(first.begin, last.end - first.begin);
    }
    std::string_view written(const Part& part) const { return part.in(original); }
};

Problem notRead(std::string message) { return Problem{ProblemKind::NotRead, std::move(message)}; }

// One date of a value: the days of the day, month or year it names.
struct OneDate
{
    GedcomCalendarKind calendar = GedcomCalendarKind::Gregorian;
    Day first;
    Day last;
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

int weekdayNumber(std::string_view written)
{
    for (size_t i = 0; i < WeekdayNames.size(); ++i) {
        if (equalsIgnoringCase(written, WeekdayNames[i])
            || equalsIgnoringCase(written, WeekdayNames[i].substr(0, WeekdayCodeLength)))
            return static_cast<int>(i);
    }
    return -1;
}

template <size_t Count>
bool isOneOf(const std::array<std::string_view, Count>& words, std::string_view written)
{
    for (std::string_view word : words) {
        if (equalsIgnoringCase(written, word))
            return true;
    }
    return false;
}

// A keyword in any case, with the full stop some programs write after it
// ("ABT.").
bool isKeyword(std::string_view written, std::string_view keyword)
{
    if (written.size() == keyword.size() + 1 && written.back() == '.')
        written.remove_suffix(1);
    return equalsIgnoringCase(written, keyword);
}

// The month a part names in the calendar, 0 for none: a month is one word.
int monthOfPart(GedcomCalendarKind calendar, const Part& part, const Source& source)
{
    if (part.tokenCount != 1 || part.first.kind != datepieces::DateTokenKind::Word)
        return 0;
    return monthOfWord(calendar, source.written(part));
}

// A slash or hyphen, which makes a part a dual year or a range's end.
bool hasYearMark(std::string_view written) { return written.find_first_of("/-") != std::string_view::npos; }

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
std::optional<Problem> readCalendar(DateParts& parts, OneDate& date, const Source& source, DateSoFar& so)
{
    const Part& front = parts.front();
    const std::string_view frontWritten = source.written(front);
    so.calendarGiven = calendarOfWord(frontWritten, date.calendar);
    if (so.calendarGiven) {
        parts.dropFront();
        for (std::string_view keyword : Keywords) {
            if (!parts.empty() && isKeyword(source.written(parts.front()), keyword))
                return notRead(quotedExcerpt(so.written)
                               + (frontWritten.front() == '@' ? ": the calendar escape goes after "
                                                              : ": the calendar goes after ")
                               + std::string(keyword) + " (" + std::string(keyword) + " "
                               + std::string(frontWritten) + " ...)");
        }
    } else if (front.first.kind == datepieces::DateTokenKind::CalendarEscape
               || (frontWritten.size() > 1 && frontWritten.front() == '_')) {
        return notRead("the calendar " + quotedExcerpt(frontWritten)
                       + " is not known (only Gregorian, Julian, Hebrew and French Republican)");
    }
    so.christian = date.calendar == GedcomCalendarKind::Gregorian || date.calendar == GedcomCalendarKind::Julian;
    return std::nullopt;
}

// A weekday before the date ("MONDAY,"), and its era: A.D. before or after
// it, B.C. after it.
std::optional<Problem> readWeekdayAndEra(DateParts& parts, const Source& source, DateSoFar& so)
{
    if (so.christian && !parts.empty()) {
        const std::string_view front = source.written(parts.front());
        if (front.size() > 1 && front.back() == ',') {
            so.weekday = weekdayNumber(front.substr(0, front.size() - 1));
            if (so.weekday < 0)
                return notRead(quotedExcerpt(so.written) + " is not a date");
            parts.dropFront();
        }
    }
    if (so.christian && !parts.empty() && isOneOf(AnnoDomini, source.written(parts.front())))
        parts.dropFront();
    else if (so.christian && !parts.empty() && isOneOf(AnnoDomini, source.written(parts.back())))
        parts.dropBack();
    else if (!parts.empty() && isOneOf(BeforeChrist, source.written(parts.back()))) {
        if (!so.christian)
            return notRead(quotedExcerpt(so.written) + ": only Gregorian and Julian years have an era B.C.");
        so.beforeChrist = true;
        parts.dropBack();
    }
    return std::nullopt;
}

constexpr size_t MostParts = 3;

// The first date of BET or FROM without a year takes the second's.
void borrowYear(DateParts& parts, OneDate& date, const Neighbour& neighbour, DateSoFar& so)
{
    date.year = neighbour.date->year;
    so.beforeChrist = neighbour.date->beforeChrist;
    if (neighbour.date->dualYear && !so.calendarGiven)
        date.calendar = neighbour.date->calendar; // the year lent is Old Style
    parts.lendYear(); // in the year's place, so that the month and day stand where they do
}

// The year: written last, or lent by the other date of BET or FROM ... TO.
std::optional<Problem> readYearPart(DateParts& parts, OneDate& date, const Source& source,
                                    const Neighbour& neighbour, DateSoFar& so)
{
    // A first date of BET or FROM without a year, whose last word is a month.
    if (neighbour.lendsYear && parts.size() <= 2 && monthOfPart(date.calendar, parts.back(), source) != 0) {
        borrowYear(parts, date, neighbour, so);
        date.beforeChrist = so.beforeChrist;
        return std::nullopt;
    }
    const std::optional<WrittenYear> written = yearOfPart(parts.back(), source.original);
    if (!written) {
        const std::string_view year = source.written(parts.back());
        return notRead(quotedExcerpt(so.written) + ": " + quotedExcerpt(year) + " is "
                       + (hasYearMark(year) ? "not a year, nor a dual year such as 1731/32" : "not a year"));
    }
    date.year = written->year;
    date.yearDigits = written->digits;
    // A dual year only arose under the Julian calendar with the year
    // beginning on 25 March: its day and month are Julian, unless an escape
    // says otherwise (which is read as written, with a warning).
    const bool dual = written->dual;
    if (dual && !so.calendarGiven)
        date.calendar = GedcomCalendarKind::Julian;
    date.dualYear = dual;
    date.dualYearAsGregorian = dual && so.calendarGiven && date.calendar == GedcomCalendarKind::Gregorian;
    // Only a year of the first date's calendar: the French Republican year 3
    // after 1790 is the year 3.
    constexpr size_t ShortYearDigits = 2;
    const OneDate* first = neighbour.date;
    if (first != nullptr && !neighbour.lendsYear && date.yearDigits <= ShortYearDigits
        && first->yearDigits > ShortYearDigits && !so.beforeChrist && !first->beforeChrist
        && first->calendar == date.calendar) {
        const long long unit = powerOfTen(date.yearDigits);
        date.year += first->year / unit * unit;
    }
    date.beforeChrist = so.beforeChrist;
    return std::nullopt;
}

// The year within the calendars' years, counted as astronomers do.
std::optional<Problem> countYear(const OneDate& date, const Source& source, DateSoFar& so)
{
    so.switched = !so.calendarGiven && date.calendar == GedcomCalendarKind::Gregorian
        && source.choice.calendar.firstGregorianDay.has_value();
    const long long year = date.year;
    if (so.beforeChrist && year == 0)
        return notRead(quotedExcerpt(so.written) + ": there is no year 0 (1 B.C. is followed by A.D. 1)");
    if (!so.beforeChrist && year == 0)
        return notRead(quotedExcerpt(so.written) + ": there is no year 0");
    // Astronomers' years: 1 BC is year 0.
    so.counted = so.beforeChrist ? 1 - year : year;
    const long long earliest = so.christian ? EarliestGedcomYear : 1;
    if (so.counted < earliest || so.counted > LastCalendarYear)
        return notRead(quotedExcerpt(so.written) + ": the year is not from "
                       + (so.christian ? std::to_string(1 - EarliestGedcomYear) + " B.C." : std::string("1"))
                       + " to " + std::to_string(LastCalendarYear));
    return std::nullopt;
}

// Why a word that is no GEDCOM month is no month either where the tables
// know it: two languages read it as different months ("listopada" is
// October in Croatian, November in Polish) and no language was chosen.
std::optional<std::string> twoMonthsNote(std::string_view written, const Source& source)
{
    if (!source.choice.language.empty())
        return std::nullopt;
    const languages::Readings<int>* months = languages::lexicon().month(languages::lookupKey(written));
    if (!months || months->readings.size() < 2)
        return std::nullopt;
    std::string note = quotedExcerpt(written) + " names two months:";
    for (size_t i = 0; i < months->readings.size(); ++i) {
        const auto& reading = months->readings[i];
        note += std::string(i == 0 ? " " : " or ") + "month " + std::to_string(reading.value) + " in "
            + languages::lexicon().languageNames(reading.languages);
    }
    return note;
}

// The month before the year, of the date's calendar and within its year.
std::optional<Problem> readMonthPart(const DateParts& parts, const OneDate& date, const Source& source,
                                     DateSoFar& so)
{
    if (parts.size() < 2)
        return std::nullopt;
    const Part& word = parts[parts.size() - 2];
    so.month = monthOfPart(date.calendar, word, source);
    if (so.month == 0) {
        const std::string_view written = source.written(word);
        if (const std::optional<std::string> clash = twoMonthsNote(written, source))
            return notRead(quotedExcerpt(so.written) + ": " + *clash);
        return notRead(quotedExcerpt(so.written) + ": " + quotedExcerpt(written) + " is not a month"
                       + (so.christian ? "" : " of the " + std::string(calendarName(date.calendar)) + " calendar"));
    }
    if (monthLengthIn(date.calendar, so.month, so.counted) == 0)
        return notRead(quotedExcerpt(so.written) + ": " + std::string(monthCode(date.calendar, so.month))
                       + " is only in a leap year, and " + std::to_string(date.year) + " is not one");
    return std::nullopt;
}

// The day, or two consecutive days ("8/9 JUL 1457"), and the days they are.
std::optional<Problem> readDayPart(const DateParts& parts, OneDate& date, const Source& source, DateSoFar& so)
{
    const std::optional<WrittenDays> written = daysOfPart(parts[0], source.original);
    if (!written)
        return notRead(quotedExcerpt(so.written) + ": " + quotedExcerpt(source.written(parts[0])) + " is not a day");
    so.day = written->first;
    const long long day = written->first;
    const long long lastDay = written->last;
    if (written->two && lastDay != day + 1)
        return notRead(quotedExcerpt(so.written) + ": two days are written as consecutive days (8/9 JUL 1457)");
    if (so.switched) {
        const Result<SwitchedDays> switched
            = daysUnderSwitch(so.counted, so.month, int(day), *source.choice.calendar.firstGregorianDay);
        if (!switched)
            return notRead(quotedExcerpt(so.written) + ": " + switched.problem().message);
        const SwitchedDays& days = *switched;
        date.calendar = days.firstCalendar;
        date.first = days.first;
        date.last = days.first + (lastDay - day);
    }
    const int length = monthLengthIn(date.calendar, so.month, so.counted);
    if (day < 1 || lastDay > length)
        return notRead(quotedExcerpt(so.written) + ": " + std::string(monthCode(date.calendar, so.month)) + " "
                       + std::to_string(date.year) + " has " + std::to_string(length) + " days");
    if (!so.switched) {
        date.first = dayIn(date.calendar, so.counted, so.month, static_cast<int>(day));
        date.last = date.first + (lastDay - day);
    }
    return std::nullopt;
}

// The days of a month or a year.
void monthOrYearDays(OneDate& date, const Source& source, const DateSoFar& so)
{
    if (so.switched) {
        // Each end by itself, the calendar Julian only where both are.
        // With no day written there is nothing to refuse: each end is placed by itself.
        const SwitchedDays days = *daysUnderSwitch(so.counted, so.month, 0, *source.choice.calendar.firstGregorianDay);
        date.first = days.first;
        date.last = days.last;
        date.calendar = days.firstCalendar == days.lastCalendar ? days.firstCalendar : GedcomCalendarKind::Gregorian;
    } else if (so.month != 0) {
        date.first = dayIn(date.calendar, so.counted, so.month, 1);
        date.last = date.first + (monthLengthIn(date.calendar, so.month, so.counted) - 1);
    } else {
        date.first = firstDayOfYearIn(date.calendar, so.counted);
        date.last = firstDayOfYearIn(date.calendar, so.counted + 1) - 1;
    }
}

// The checks of the days found: a dual year's day, the last year, the
// weekday.
std::optional<Problem> daysProblem(const OneDate& date, const Source& source, const DateSoFar& so)
{
    if (date.dualYear) {
        // Under an explicit Julian escape, or before the switch, the day is
        // Julian by itself; under a Gregorian one it is read as written.
        const bool julianSaid = date.dualYearAsGregorian || so.calendarGiven
            || (source.choice.calendar.firstGregorianDay && date.first < *source.choice.calendar.firstGregorianDay);
        if (const std::optional<std::string> problem = dualYearProblem(so.counted, so.month, int(so.day), julianSaid))
            return notRead(quotedExcerpt(so.written) + ": " + *problem);
    }
    // Other calendars' years reach beyond the Gregorian ones.
    if (date.last > lastCalendarDay())
        return notRead(quotedExcerpt(so.written) + ": the date lies after the year "
                       + std::to_string(LastCalendarYear));
    if (so.weekday >= 0) {
        if (so.day == 0 || date.first != date.last)
            return notRead(quotedExcerpt(so.written) + ": a weekday without a day");
        const int actual = weekdayOf(date.first);
        if (actual != so.weekday)
            return notRead(quotedExcerpt(so.written) + ": that day was a "
                           + titleCase(WeekdayNames[size_t(actual)]));
    }
    return std::nullopt;
}

// The year, month and day of one date, each step stopping at the first
// thing it refuses.
std::optional<Problem> readDateSteps(DateParts& parts, OneDate& date, const Source& source,
                                     const Neighbour& neighbour, DateSoFar& so)
{
    std::optional<Problem> problem = readYearPart(parts, date, source, neighbour, so);
    if (!problem)
        problem = countYear(date, source, so);
    if (!problem)
        problem = readMonthPart(parts, date, source, so);
    if (!problem && parts.size() == MostParts)
        problem = readDayPart(parts, date, source, so);
    else if (!problem)
        monthOrYearDays(date, source, so);
    if (!problem)
        problem = daysProblem(date, source, so);
    return problem;
}

Result<OneDate> readOneDate(DateParts parts, const Source& source, const Neighbour& neighbour = {})
{
    if (parts.empty())
        return notRead("a date is missing");
    OneDate date;
    DateSoFar so;
    so.written = source.written(parts.front(), parts.back());
    std::optional<Problem> problem = readCalendar(parts, date, source, so);
    if (!problem)
        problem = readWeekdayAndEra(parts, source, so);
    if (!problem && (parts.empty() || parts.size() > MostParts))
        problem = notRead(quotedExcerpt(so.written) + " is not a date (D MON YYYY, MON YYYY or YYYY)");
    if (!problem)
        problem = readDateSteps(parts, date, source, neighbour, so);
    if (problem)
        return std::move(*problem);
    return date;
}

// Where the joining word stands: AND (or a lone hyphen) after BET, TO after
// FROM.
size_t joinerIndex(const std::vector<Part>& parts, std::string_view joiner, const Source& source)
{
    for (size_t i = 1; i < parts.size(); ++i) {
        const std::string_view written = source.written(parts[i]);
        if (isKeyword(written, joiner) || (joiner == "AND" && written == "-"))
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
    case GedcomCalendarKind::Islamic: // no escape names them: never read
    case GedcomCalendarKind::Persian:
        break;
    }
    return GedcomDate::Calendar::Gregorian;
}

// Both dates of BET or FROM ... TO, or the first problem. A first date that
// ends with a month takes its year from the second.
std::optional<Problem> readBothDates(DateParts firstParts, DateParts secondParts, const Source& source,
                                     std::optional<Result<OneDate>>& first, std::optional<Result<OneDate>>& second)
{
    const bool firstWithoutYear = !firstParts.empty() && !isPlainNumber(firstParts.back())
        && !hasYearMark(source.written(firstParts.back()));
    if (firstWithoutYear) {
        second = readOneDate(secondParts, source);
        if (!second->ok())
            return second->problem();
        first = readOneDate(firstParts, source, Neighbour{&second->value(), true});
        return first->ok() ? std::nullopt : std::optional<Problem>(first->problem());
    }
    first = readOneDate(firstParts, source);
    if (!first->ok())
        return first->problem();
    second = readOneDate(secondParts, source, Neighbour{&first->value(), false});
    return second->ok() ? std::nullopt : std::optional<Problem>(second->problem());
}

// BET a AND b, FROM a TO b: from the first day of the one to the last of the
// other.
Result<GedcomDate> readTwoDates(const std::vector<Part>& parts, std::string_view joiner, const Source& source)
{
    const std::string_view written = source.original;
    const size_t join = joinerIndex(parts, joiner, source);
    if (join == parts.size())
        return notRead(quotedExcerpt(written) + ": " + std::string(source.written(parts.front())) + " without "
                       + std::string(joiner));
    const Part* const begin = parts.data();
    std::optional<Result<OneDate>> firstRead;
    std::optional<Result<OneDate>> secondRead;
    if (std::optional<Problem> problem = readBothDates(DateParts(begin + 1, begin + join),
                                                       DateParts(begin + join + 1, begin + parts.size()), source,
                                                       firstRead, secondRead))
        return std::move(*problem);
    const OneDate& first = firstRead->value();
    const OneDate& second = secondRead->value();
    if (second.last < first.first)
        return notRead(quotedExcerpt(written) + ": the second date lies before the first");
    GedcomDate date;
    date.days = {first.first, second.last};
    date.calendar = first.calendar == second.calendar ? calendarOf(first.calendar) : GedcomDate::Calendar::Mixed;
    markWritten(date, first.calendar);
    markWritten(date, second.calendar);
    if (first.dualYearAsGregorian || second.dualYearAsGregorian)
        date.warning = DualYearGregorianWarning;
    return date;
}

// A status word in place of the date (DEAD, STILLBORN): the value's one
// part, with a final full stop allowed.
std::string_view statusWordOf(const std::vector<Part>& parts, const Source& source)
{
    if (parts.size() != 1)
        return {};
    std::string_view word = source.written(parts.front());
    if (word.size() > 1 && word.back() == '.')
        word.remove_suffix(1);
    return isOneOf(StatusWords, word) ? word : std::string_view();
}

// ABT, CAL, EST, BEF, AFT, TO or FROM <date>, or a date alone.
Result<GedcomDate> readQualifiedDate(const std::vector<Part>& parts, const Source& source)
{
    const std::string_view keyword = source.written(parts.front());
    const bool approximate = isKeyword(keyword, "ABT") || isKeyword(keyword, "CAL") || isKeyword(keyword, "EST");
    const bool before = isKeyword(keyword, "BEF") || isKeyword(keyword, "TO");
    const bool after = isKeyword(keyword, "AFT") || isKeyword(keyword, "FROM");
    const bool strict = isKeyword(keyword, "BEF") || isKeyword(keyword, "AFT");
    DateParts dateParts(parts.data(), parts.data() + parts.size());
    if (approximate || before || after)
        dateParts.dropFront();
    const Result<OneDate> read = readOneDate(dateParts, source);
    if (!read)
        return read.problem();
    const OneDate& one = read.value();
    GedcomDate date;
    date.approximate = approximate;
    date.calendar = calendarOf(one.calendar);
    markWritten(date, one.calendar);
    if (one.dualYearAsGregorian)
        date.warning = DualYearGregorianWarning;
    // BEF and AFT leave the date itself out; FROM and TO take it in.
    if (!before)
        date.days.earliest = strict ? one.last + 1 : one.first;
    if (!after)
        date.days.latest = strict ? one.first - 1 : one.last;
    return date;
}

Result<GedcomDate> readByGrammar(std::string_view original, const DateReadOptions& choice)
{
    const Source source{original, choice};
    GedcomValueParts value = gedcomDateParts(original);
    std::vector<Part>& parts = value.parts;
    if (parts.empty())
        return notRead("no date given");
    if (const std::string_view status = statusWordOf(parts, source); !status.empty()) {
        GedcomDate date;
        date.noDate = GedcomDate::NoDate::StatusWord;
        date.stillborn = equalsIgnoringCase(status, "STILLBORN");
        return date;
    }
    if (isKeyword(source.written(parts.front()), "INT")) {
        // An interpreted date: the date, then the phrase it was read from.
        dropPhrase(value);
        parts.erase(parts.begin());
    } else if (value.phrase != std::string_view::npos) {
        GedcomDate date;
        date.noDate = GedcomDate::NoDate::Phrase;
        return date;
    }
    if (parts.empty())
        return notRead(quotedExcerpt(original) + " is not a date");
    const std::string_view keyword = source.written(parts.front());
    if (isKeyword(keyword, "BET"))
        return readTwoDates(parts, "AND", source);
    if (isKeyword(keyword, "FROM") && joinerIndex(parts, "TO", source) != parts.size())
        return readTwoDates(parts, "TO", source);
    return readQualifiedDate(parts, source);
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
    const DateResult read = readDate(text, options);
    if (!read)
        return std::nullopt;
    const DateReading& reading = *read;
    GedcomDate date;
    date.days = reading.days;
    // An Islamic date of a record is the day of its month as sighted: the
    // check must not be certain of a day the tabular calendar only reckons.
    if (reading.observedDaysApart > 0) {
        if (date.days.earliest)
            date.days.earliest = std::max(*date.days.earliest - reading.observedDaysApart, Day(earliestReadDay()));
        if (date.days.latest)
            date.days.latest = std::min(*date.days.latest + reading.observedDaysApart, Day(latestReadDay()));
    }
    date.approximate = reading.approximate;
    // "1 Jan 1700 O.S.", "15 Nisan 5708": the calendar the reader found.
    date.calendar = reading.oneCalendar() ? calendarOf(reading.calendar) : GedcomDate::Calendar::Mixed;
    markWritten(date, reading.calendar);
    markWritten(date, reading.latestCalendar);
    return date;
}

} // namespace

Result<GedcomDate> readGedcomDate(std::string_view original, const DateReadOptions& choice)
{
    Result<GedcomDate> date = readByGrammar(original, choice);
    if (!date) {
        if (std::optional<GedcomDate> free = readAsFreeText(original, choice))
            return std::move(*free);
    }
    // A phrase that is a date of the old ways, "(the Tuesday before
    // Michaelmas 9 Edward III)", is read as that date; any other phrase
    // stays one.
    const std::string_view inner = trimmed(original);
    if (date && date->noDate == GedcomDate::NoDate::Phrase && inner.size() > 2 && inner.front() == '('
        && inner.back() == ')') {
        DateReadOptions options;
        options.calendar = choice.calendar;
        options.language = choice.language;
        if (const DateResult old = readDate(inner.substr(1, inner.size() - 2), options); old && !old->readAs.empty()) {
            if (std::optional<GedcomDate> old = readAsFreeText(inner.substr(1, inner.size() - 2), choice))
                return std::move(*old);
        }
    }
    return date;
}

GedcomDate undatedIfRefused(Result<GedcomDate> reading)
{
    return reading ? std::move(*reading) : GedcomDate();
}

} // namespace spanwright
