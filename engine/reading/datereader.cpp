#include "reading/datereader.h"

#include "text/asciitext.h"
#include "calendars/calendardate.h"
#include "reading/calendarmarks.h"
#include "calendars/calendarwords.h"
#include "reading/datepieces.h"
#include "languages/languages.h"
#include "text/pastedtext.h"
#include "languages/monthnames.h"
#include "text/quotedtext.h"

#include <array>

namespace spanwright {

using namespace datepieces;

namespace {

constexpr size_t BareYearDigits = 3; // "90" alone is too likely a slip
constexpr int LastMonth = 12;
constexpr int LastDayOfDecember = 31;

enum class Qualifier { None, About, Before, After, Between };

struct QualifierWord
{
    std::string_view word;
    Qualifier qualifier;
};

constexpr std::array<QualifierWord, 15> QualifierWords = {{
    {"ABT", Qualifier::About},    {"ABOUT", Qualifier::About},      {"C", Qualifier::About},
    {"CA", Qualifier::About},     {"CIRCA", Qualifier::About},      {"EST", Qualifier::About},
    {"ESTIMATED", Qualifier::About}, {"CAL", Qualifier::About},     {"CALCULATED", Qualifier::About},
    {"BEF", Qualifier::Before},   {"BEFORE", Qualifier::Before},    {"AFT", Qualifier::After},
    {"AFTER", Qualifier::After},  {"BET", Qualifier::Between},      {"BETWEEN", Qualifier::Between},
}};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The qualifier the text starts with, taken off with its stop.
Qualifier takeQualifier(std::string_view& text)
{
    // Every qualifier starts with one of these letters; most dates with none.
    const char first = text.empty() ? 0 : upperAscii(text.front());
    if (first != 'A' && first != 'B' && first != 'C' && first != 'E')
        return Qualifier::None;
    size_t length = 0;
    while (length < text.size() && isLetter(text[length]))
        ++length;
    for (const QualifierWord& entry : QualifierWords) {
        if (!equalsIgnoringCase(text.substr(0, length), entry.word))
            continue;
        std::string_view rest = text.substr(length);
        if (!rest.empty() && rest.front() == '.')
            rest.remove_prefix(1);
        // "c1850" and "c. 1850", but not "Cal" run into a word.
        if (!rest.empty() && isLetter(rest.front()))
            return Qualifier::None;
        text = trimmed(rest);
        return entry.qualifier;
    }
    return Qualifier::None;
}

DaysRead bareYear(std::string_view digits, const CalendarContext& context)
{
    if (!isNumber(digits))
        return refusal(std::string(digits) + " is too long a number");
    if (digits.size() < BareYearDigits && !context.beforeChrist)
        return refusal(std::string(digits) + " alone is no date (a year alone has three digits or more)");
    return writtenDays({int(numberValue(digits)), 0, 0, 0}, context);
}

// An era before Christ after the year ("44 BC", "15 Mar 44 B.C.", "BCE"),
// taken off the text.
bool takeEraBeforeChrist(std::string_view& text)
{
    size_t start = text.size();
    while (start > 0 && (isLetter(text[start - 1]) || text[start - 1] == '.'))
        --start;
    if (start == 0 || start == text.size() || !(isBlank(text[start - 1]) || isDigit(text[start - 1])))
        return false;
    std::string upper;
    for (char c : text.substr(start)) {
        if (c != '.')
            upper.push_back(upperAscii(c));
    }
    if (eraOfWord(upper) != Era::BeforeChrist)
        return false;
    text = trimmed(text.substr(0, start));
    return !text.empty();
}

DaysRead pointDateAsWritten(std::string_view text, DateOrder order, const CalendarContext& context);

// One date: numeric, worded, a year or a dual year alone; else one of the
// other calendars' forms, where the text is one.
DaysRead pointDate(std::string_view text, DateOrder order, const CalendarContext& given)
{
    if (!text.empty() && (isLetter(text.back()) || text.back() == '.') && takeEraBeforeChrist(text)) {
        CalendarContext beforeChrist = given;
        beforeChrist.beforeChrist = true;
        return pointDate(text, order, beforeChrist);
    }
    const CalendarContext& context = given;
    // One result returned on every path, so that it is built in place.
    const bool otherCalendar = context.mark == CalendarSystem::Hebrew || context.mark == CalendarSystem::FrenchRepublican;
    DaysRead days = otherCalendar ? DaysRead(refusal({})) : pointDateAsWritten(text, order, context);
    if (!days) {
        // Whether the Hebrew, French Republican or Quaker reader took the
        // text as one of its dates, and its reason is the one to give.
        bool placed = true;
        if (std::optional<DaysRead> other = otherCalendarDate(text, context))
            days = std::move(*other);
        else if (std::optional<DaysRead> quaker = quakerDate(text, context))
            days = std::move(*quaker);
        else
            placed = false;
        // "7 Nisan 1327 R." is a Rumi date the Hebrew reader refuses.
        if (!days) {
            if (std::optional<DaysRead> old = oldWayDate(text, context); old && (old->ok() || !placed))
                days = std::move(*old);
        }
    }
    return days;
}

DaysRead pointDateAsWritten(std::string_view text, DateOrder order, const CalendarContext& context)
{
    if (text.empty() || !isDigit(text.front()))
        return wordedDate(text, context);
    if (allDigits(text))
        return bareYear(text, context);
    const size_t slash = text.find('/');
    if (slash >= BareYearDigits && slash != std::string_view::npos && allDigits(text.substr(0, slash))
        && allDigits(text.substr(slash + 1))) {
        const DaysRead year = bareYear(text.substr(0, slash), context);
        if (!year)
            return year;
        const long long first = numberValue(text.substr(0, slash));
        const auto later = dualYear(first, text.substr(slash + 1));
        if (!later)
            return refusal(std::string(text) + " is not a dual year (the second part names the year after "
                           + std::string(text.substr(0, slash)) + ")");
        return writtenDays({int(*later), 0, 0, int(first)}, context);
    }
    size_t digits = 0;
    while (digits < text.size() && isDigit(text[digits]))
        ++digits;
    const auto isSeparator = [](char c) { return c == '/' || c == '-' || c == '.'; };
    // "4-Mar-1885" is worded; "1//1990" is a numeric date with a number missing.
    const bool numeric = digits > 0 && digits + 1 < text.size() && isSeparator(text[digits])
        && (isDigit(text[digits + 1]) || isSeparator(text[digits + 1]));
    // "3/15 marca 1870": a day written Julian and Gregorian, then a month word.
    size_t afterDays = digits + 1;
    while (afterDays < text.size() && isDigit(text[afterDays]))
        ++afterDays;
    const bool doubleDay = numeric && text[digits] == '/' && afterDays + 1 < text.size() && isBlank(text[afterDays])
        && languages::letterLength(text, afterDays + 1) > 0;
    return numeric && !doubleDay ? numericDate(text, order, context) : wordedDate(text, context);
}

// The calendar of two dates taken as one: theirs where they agree.
Days spanning(const Days& from, const Days& to)
{
    Days days = from;
    days.latest = to.latest;
    days.latestCalendar = to.latestCalendar;
    days.observedDaysApart = std::max(from.observedDaysApart, to.observedDaysApart);
    return days;
}

// "1750s" (or "1750's"): the decade, 1750 to 1759. "1800s" is refused: it
// may be the decade or the century.
std::optional<DaysRead> decade(std::string_view text)
{
    constexpr size_t DecadeDigits = 4;
    constexpr long long YearsPerDecade = 10;
    constexpr long long YearsPerCentury = 100;
    std::string_view digits = text.substr(0, text.find_first_not_of("0123456789"));
    const std::string_view ending = text.substr(digits.size());
    if (digits.size() != DecadeDigits || (ending != "s" && ending != "'s" && ending != "S"))
        return std::nullopt;
    const long long first = numberValue(digits);
    if (first % YearsPerDecade != 0)
        return refusal(std::string(text) + " is no decade (a decade is written with its first year: 1750s)");
    if (first % YearsPerCentury == 0)
        return refusal(std::string(text) + " may be the decade " + std::string(digits) + "-"
                       + std::to_string(first + YearsPerDecade - 1) + " or the century " + std::string(digits)
                       + "-" + std::to_string(first + YearsPerCentury - 1) + ": write the years");
    DaysRead days = yearDays(first);
    if (days)
        days->latest = yearDays(first + YearsPerDecade - 1)->latest;
    return days;
}

// A date, or two years "1850-1855" for the years from the one to the other.
DaysRead dateOrYears(std::string_view text, DateOrder order, const CalendarContext& context)
{
    if (!text.empty() && isDigit(text.front()) && (text.back() == 's' || text.back() == 'S')) {
        if (const auto days = decade(text))
            return *days;
    }
    const size_t hyphen = !text.empty() && isDigit(text.front()) ? text.find('-') : std::string_view::npos;
    if (hyphen != std::string_view::npos && allDigits(text.substr(0, hyphen))
        && allDigits(text.substr(hyphen + 1))) {
        const std::string_view first = text.substr(0, hyphen);
        const std::string_view last = text.substr(hyphen + 1);
        if (last.size() < first.size())
            return refusal(std::string(text) + " is neither two years (1850-1855) nor a date; a dual year is "
                                               "written 1728/9");
        const DaysRead from = bareYear(first, context);
        const DaysRead to = bareYear(last, context);
        if (!from || !to)
            return from ? to : from;
        if (to->latest < from->earliest)
            return refusal(std::string(text) + " ends before it begins");
        return spanning(*from, *to);
    }
    return pointDate(text, order, context);
}

// "between X and Y" without the "between".
DaysRead betweenDates(std::string_view text, DateOrder order, const CalendarContext& context)
{
    for (std::string_view joint : {" and ", " & ", " AND ", " And "}) {
        const size_t at = text.find(joint);
        if (at == std::string_view::npos)
            continue;
        const DaysRead fromRead = pointDate(trimmed(text.substr(0, at)), order, context);
        if (!fromRead)
            return fromRead;
        const DaysRead toRead = pointDate(trimmed(text.substr(at + joint.size())), order, context);
        if (!toRead)
            return toRead;
        const Days& from = *fromRead;
        const Days& to = *toRead;
        if (to.latest < from.earliest)
            return refusal("the second date lies before the first");
        Days days = spanning(from, to);
        // "between Easter 1700 and Michaelmas 1700": how both were read.
        if (!from.readAs.empty() || !to.readAs.empty())
            days.readAs = (from.readAs.empty() ? std::string(trimmed(text.substr(0, at))) : from.readAs) + " to "
                + (to.readAs.empty() ? std::string(trimmed(text.substr(at + joint.size()))) : to.readAs);
        return days;
    }
    return refusal("between wants two dates joined by \"and\"");
}

DateRefusal refused(std::string_view text, DateRefusal why)
{
    // Where another order reads the text, that says more than the forms.
    why.message = quotedExcerpt(text) + " is not a date: " + why.message;
    if (!why.readsInOrder && !why.shortYear)
        why.message += " (" + acceptedDateForms() + ")";
    return why;
}

// A day as the first of what it opens (its year, its month) or as the last
// of what it closes, as coarse as that allows.
std::string boundText(Day day, bool opening)
{
    const CalendarDate date = dateOf(day);
    const bool monthBound = opening ? date.day == 1 : dateOf(day + 1).day == 1;
    const bool yearBound = monthBound && date.month == (opening ? 1 : LastMonth);
    if (yearBound)
        return writtenYearText(date.year);
    if (monthBound)
        return std::string(fullMonthName(date.month)) + " " + writtenYearText(date.year);
    return calendarDateText(date);
}

} // namespace

Day earliestReadDay()
{
    constexpr long long EarliestYear = 1 - LastWrittenYear; // 9999 BC
    return dayOf({EarliestYear, 1, 1});
}

Day latestReadDay()
{
    return dayOf({LastWrittenYear, LastMonth, LastDayOfDecember});
}

// The days of a trimmed text with its qualifier (about, before...);
// aboutRange is set for "about between X and Y".
DaysRead qualifiedDays(std::string_view text, const DateReadOptions& options, Qualifier& qualifier, bool& aboutRange)
{
    const DateOrder order = options.order;
    const CalendarChoice& choice = options.calendar;
    if (text.empty())
        return refusal("it is empty");
    qualifier = takeQualifier(text);
    // "about between X and Y": the days of a range, marked approximate (as
    // a Julian year, which runs from 11 January, is written back).
    aboutRange = false;
    if (qualifier == Qualifier::About) {
        std::string_view rest = text;
        if (takeQualifier(rest) == Qualifier::Between) {
            qualifier = Qualifier::Between;
            aboutRange = true;
            text = rest;
        }
    }
    if (qualifier != Qualifier::None && text.empty())
        return refusal("a date is missing after the first word");
    // The calendar keyword after the qualifier, as GEDCOM has it: ABT
    // @#DJULIAN@ 1700, not @#DJULIAN@ ABT 1700.
    CalendarContext context;
    context.choice = choice;
    context.shortYears = options.shortYears;
    if (!options.language.empty())
        context.language = languages::lexicon().languageOfCode(options.language);
    if (mayHoldCalendarMarks(text)) {
        const Result<CalendarMarks> marks = takeCalendarMarks(text);
        if (!marks)
            return refusal(marks.problem().message);
        context.mark = marks->system;
        if (marks->system && text.empty())
            return refusal("a date is missing beside the calendar mark " + marks->written);
    }
    // A marked numeric date in one pass too ("5/17/1700 O.S."): its parts
    // read as ever, then placed in the calendar the mark names.
    const bool christianMark = context.mark == CalendarSystem::Julian || context.mark == CalendarSystem::Gregorian;
    WrittenDate parts;
    Day day;
    if (qualifier == Qualifier::None && christianMark && !choice.yearBeginsOn25March && !text.empty()
        && isDigit(text.front()) && plainNumericDate(text, order, day, &parts, options.shortYears)) {
        DaysRead days = daysInCalendar(parts, *context.mark, CalendarSource::Marked);
        if (days) {
            days->latestCalendar = days->calendar;
            return days;
        }
    }
    return qualifier == Qualifier::Between ? betweenDates(text, order, context) : dateOrYears(text, order, context);
}

const std::string& acceptedDateForms()
{
    static const std::string forms =
        std::string(DateFormsRead) + "; month names and fillers in " + languages::languagesWithExamples(&languages::LanguageTable::dateExample);
    return forms;
}

DateResult readDate(std::string_view written, const DateReadOptions& options)
{
    const DateOrder order = options.order;
    const CalendarChoice& choice = options.calendar;
    std::string_view text = trimmed(written);
    DateReading reading;
    Day day;
    // The common case in one pass: a numeric Gregorian date, which under a
    // switch it is from the switch's first Gregorian day on.
    if (!text.empty() && isDigit(text.front()) && !choice.yearBeginsOn25March
        && plainNumericDate(text, order, day, &reading.written, options.shortYears)
        && (!choice.firstGregorianDay || day >= *choice.firstGregorianDay)) {
        reading.days.earliest = reading.days.latest = day;
        if (choice.firstGregorianDay)
            reading.calendarSource = CalendarSource::Switch;
        return reading;
    }
    Qualifier qualifier = Qualifier::None;
    bool aboutRange = false;
    DaysRead read = qualifiedDays(text, options, qualifier, aboutRange);
    // Pasted text (no-break spaces, dashes, full-width digits) and a
    // transcriber's brackets are read as typed, where the text as it is
    // fails: a text that reads as it is holds none that matter. Messages
    // quote it as written.
    if (!read && (languages::mayBePasted(text) || text.find('[') != std::string_view::npos)) {
        const std::string typed = languages::typedForm(text, true);
        read = qualifiedDays(trimmed(typed), options, qualifier, aboutRange);
    }
    if (!read)
        return refused(written, read.problem());
    Days& days = *read;

    reading.calendar = days.calendar;
    reading.calendarSource = days.source;
    reading.written = days.written;
    reading.latestCalendar = days.latestCalendar;
    reading.readAs = std::move(days.readAs);
    reading.observedDaysApart = days.observedDaysApart;
    reading.approximate = qualifier == Qualifier::About || aboutRange;
    reading.days.earliest = days.earliest;
    reading.days.latest = days.latest;
    if (qualifier == Qualifier::Before) {
        if (days.earliest <= earliestReadDay())
            return refused(written, refusal("no day of the calendar lies before it"));
        reading.days.earliest.reset();
        reading.days.latest = days.earliest - 1;
    } else if (qualifier == Qualifier::After) {
        if (days.latest == lastCalendarDay())
            return refused(written, refusal("no day of the calendar lies after it"));
        reading.days.earliest = days.latest + 1;
        reading.days.latest.reset();
    }
    return reading;
}

std::string dateReadingText(const DateReading& reading)
{
    const DayRange& days = reading.days;
    if (days.openBefore())
        return "before " + boundText(*days.latest + 1, true);
    if (days.openAfter())
        return "after " + boundText(*days.earliest - 1, false);
    const Day earliest = *days.earliest;
    const Day latest = *days.latest;
    const std::string about = reading.approximate ? "about " : "";
    if (earliest == latest)
        return about + calendarDateText(dateOf(earliest));
    const CalendarDate first = dateOf(earliest);
    const CalendarDate last = dateOf(latest);
    const std::string from = boundText(earliest, true);
    const std::string to = boundText(latest, false);
    const bool wholeYears = first.month == 1 && first.day == 1 && last.month == LastMonth
        && last.day == LastDayOfDecember;
    // Two years joined by a hyphen read only as years of our era: a range
    // from a year before Christ is written out, "between 1850 BC and 1855".
    if (wholeYears && (first.year == last.year || first.year >= 1))
        return about + (first.year == last.year ? from : from + "-" + to);
    const bool wholeMonth = first.year == last.year && first.month == last.month && first.day == 1
        && dateOf(latest + 1).day == 1;
    if (wholeMonth) // (January as a bound would be written as its year)
        return about + std::string(fullMonthName(first.month)) + " " + writtenYearText(first.year);
    return about + "between " + from + " and " + to;
}

} // namespace spanwright
