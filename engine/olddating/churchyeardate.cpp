// Dates by the Church's and the Crown's year: a feast or a day named from
// one in a year ("Lady Day 1720", "the Tuesday before Michaelmas 1335",
// "Sonntag Invocavit 1650", "Dominica 3 post Trinitatis 1700"), and the
// regnal years of the English rulers, whole or with a feast or a day in
// them ("9 Edward III", "the morrow of St Martin 3 Henry VIII", "12 March 5
// Victoria").
#include "reading/datepieces.h"

#include "calendars/calendars.h"
#include "calendars/easter.h"
#include "olddating/feasts.h"
#include "languages/monthnames.h"
#include "olddating/regnalyears.h"
#include "olddating/relativedays.h"

namespace spanwright {

namespace datepieces {

namespace {

// The first day of the Gregorian calendar, 15 Oct 1582.
Day firstGregorianDay() { return dayOf({1582, 10, 15}); }

struct FeastDay
{
    RelativeDay relation;
    const Feast* feast = nullptr;
    std::string text; // "Tuesday before Michaelmas (29 Sep)"
};

const Feast* feastOfNameWords(std::vector<std::string> names)
{
    const auto joined = [&] {
        std::string text;
        for (const std::string& word : names)
            text += (text.empty() ? "" : " ") + word;
        return text;
    };
    if (const Feast* feast = feastNamed(joined()))
        return feast;
    // "Sonntag Invocavit", "Septuagesima Sunday".
    if (names.size() > 1 && (names.front() == "SONNTAG" || names.front() == "SUNDAY")) {
        names.erase(names.begin());
        return feastNamed(joined());
    }
    if (names.size() > 1 && (names.back() == "SUNDAY" || names.back() == "SONNTAG")) {
        names.pop_back();
        return feastNamed(joined());
    }
    return nullptr;
}

// The feast, or a day named from it, that the words from first to last are.
std::optional<FeastDay> feastOfWords(const std::vector<OldWord>& words, size_t first, size_t last)
{
    FeastDay found;
    found.relation = takeRelativeDay(words, first);
    std::vector<std::string> names;
    for (size_t i = first + found.relation.words; i < last; ++i) {
        if (!isFeastFiller(words[i].upper))
            names.push_back(words[i].upper);
    }
    if (names.empty() || !(found.feast = feastOfNameWords(names)))
        return std::nullopt;
        // A fixed feast's day is not said twice ("Michaelmas (29 Sep)").
    const std::string_view name = found.feast->kind == Feast::Kind::Fixed
        ? found.feast->name.substr(0, found.feast->name.find(" ("))
        : found.feast->name;
    found.text = (found.relation.text.empty() ? "" : found.relation.text + " ") + std::string(name);
    return found;
}

DaysRead dayRead(Day day, CalendarSystem system, CalendarSource source, std::string readAs)
{
    if (day < earliestReadDay() || day > latestReadDay())
        return refusal("it lies outside 9999 BC to AD 9999 of the Gregorian calendar");
    Days days;
    days.earliest = day;
    days.latest = day;
    days.calendar = system;
    days.latestCalendar = system;
    days.source = source;
    const CalendarDay fields = calendarDayOf(system, day);
    days.written = {int(fields.year), fields.month, fields.day, 0};
    days.readAs = std::move(readAs);
    return days;
}

// The calendar of a feast in a year: a mark's or a dual year's, else the
// switch's, else the Julian one before 1583 (no one kept the Gregorian
// church year before it) and the Gregorian one from then.
DaysRead feastInYear(const FeastDay& found, long long year, bool dual, const CalendarContext& context,
                 const std::string& yearText)
{
    CalendarSystem system = CalendarSystem::Gregorian;
    CalendarSource source = CalendarSource::Default;
    const Day julianDay = feastDayIn(*found.feast, year, CalendarSystem::Julian);
    if (dual || (context.mark && *context.mark == CalendarSystem::Julian)) {
        system = CalendarSystem::Julian;
        source = CalendarSource::Marked;
    } else if (context.mark && *context.mark != CalendarSystem::Gregorian) {
        return refusal("a feast is no " + std::string(calendarSystemName(*context.mark)) + " date");
    } else if (context.mark) {
        source = CalendarSource::Marked;
    } else if (context.choice.firstGregorianDay) {
        source = CalendarSource::Switch;
        system = julianDay < *context.choice.firstGregorianDay ? CalendarSystem::Julian : CalendarSystem::Gregorian;
    } else if (year < FirstGregorianEasterYear) {
        system = CalendarSystem::Julian;
        source = CalendarSource::Named;
    }
    Day feastDay = feastDayIn(*found.feast, year, system);
    if (system == CalendarSystem::Gregorian && feastDay < firstGregorianDay())
        return refusal("the Gregorian calendar began on 15 Oct 1582");
    const CalendarDay fields = calendarDayOf(system, feastDay);
    const bool beforeLadyDay = fields.month < 3 || (fields.month == 3 && fields.day < 25);
    if (dual && !beforeLadyDay)
        return refusal("a dual year names a day from 1 January to 24 March, and " + std::string(found.feast->name)
                       + " is not one");
    if (system == CalendarSystem::Julian && !dual && context.choice.yearBeginsOn25March && beforeLadyDay)
        feastDay = feastDayIn(*found.feast, year + 1, system);
    return dayRead(relativeDayOf(found.relation, feastDay), system, source, found.text + " " + yearText);
}

CalendarSystem englishCalendarOf(Day day)
{
    return day < englishGregorianStart() ? CalendarSystem::Julian : CalendarSystem::Gregorian;
}

// The feast's day in England's calendar of the year.
Day englishFeastDay(const Feast& feast, long long year)
{
    const Day julian = feastDayIn(feast, year, CalendarSystem::Julian);
    return julian < englishGregorianStart() ? julian : feastDayIn(feast, year, CalendarSystem::Gregorian);
}

// A day and month, "12 March" or "March 12", in the words: the day's
// number and the month, or false.
bool dayAndMonth(const std::vector<OldWord>& words, size_t count, int& day, int& month)
{
    if (count != 2)
        return false;
    for (size_t dayAt : {size_t(0), size_t(1)}) {
        day = ordinalOf(words[dayAt].upper);
        month = monthOfName(words[1 - dayAt].upper);
        if (day > 0 && month > 0 && !words[1 - dayAt].number())
            return true;
    }
    return false;
}

std::optional<DaysRead> inRegnalYear(const std::vector<OldWord>& words, size_t yearAt, const RegnalYear& regnal,
                                 const CalendarContext& context)
{
    const std::string regnalText = regnalYearText(regnal);
    const auto [first, last] = regnalYearDays(regnal);
    int day = 0;
    int month = 0;
    std::optional<FeastDay> feast;
    if (yearAt > 0 && !dayAndMonth(words, yearAt, day, month) && !(feast = feastOfWords(words, 0, yearAt)))
        return std::nullopt;
    if (context.mark)
        return refusal("a regnal year is dated in England's calendar of its time: leave out the calendar mark");
    if (yearAt == 0) {
        DaysRead days = dayRead(first, englishCalendarOf(first), CalendarSource::Named, regnalText);
        if (days) {
            days->latest = last;
            days->latestCalendar = englishCalendarOf(last);
        }
        return days;
    }
    const long long firstYear = calendarDayOf(englishCalendarOf(first), first).year;
    for (long long year : {firstYear, firstYear + 1}) {
        const std::optional<Day> written = feast ? englishFeastDay(*feast->feast, year) : englishDay(year, month, day);
        if (written && *written >= first && *written <= last) {
            const Day named = feast ? relativeDayOf(feast->relation, *written) : *written;
            const std::string what = feast ? feast->text : writtenWords(words, 0, yearAt);
            return dayRead(named, englishCalendarOf(named), CalendarSource::Named, what + " " + regnalText);
        }
    }
    return refusal("\"" + writtenWords(words, 0, yearAt) + "\" does not fall in " + regnalText + " ("
                   + std::to_string(calendarDayOf(englishCalendarOf(first), first).year) + " to "
                   + std::to_string(calendarDayOf(englishCalendarOf(last), last).year) + ")");
}

// A year at the end, "1720", "1719/20", with AD or Anno Domini before it:
// its words start at yearAt.
bool calendarYearAtEnd(const std::vector<OldWord>& words, size_t& yearAt, long long& year, bool& dual)
{
    const OldWord& last = words.back();
    const size_t slash = last.upper.find('/');
    const std::string_view digits = std::string_view(last.upper).substr(0, slash);
    if (digits.size() < 3 || !isNumber(digits))
        return false;
    year = numberValue(digits);
    dual = slash != std::string::npos;
    if (dual) {
        const auto later = dualYear(year, std::string_view(last.upper).substr(slash + 1));
        if (!later)
            return false;
        year = *later;
    }
    if (year > LastWrittenYear)
        return false;
    yearAt = words.size() - 1;
    if (yearAt > 0 && (words[yearAt - 1].upper == "AD" || words[yearAt - 1].upper == "ANNO"))
        --yearAt;
    if (yearAt > 0 && words[yearAt].upper == "DOMINI" && words[yearAt - 1].upper == "ANNO")
        --yearAt;
    return true;
}

} // namespace

std::optional<DaysRead> churchYearDate(std::string_view text, const CalendarContext& context)
{
    const std::optional<std::vector<OldWord>> read = oldWords(text);
    if (!read || read->empty() || context.beforeChrist)
        return std::nullopt;
    const std::vector<OldWord>& words = *read;
    for (size_t start = 0; start < words.size(); ++start) {
        const std::optional<Result<RegnalYear>> regnal = readRegnalYear(words, start);
        if (!regnal)
            continue;
        if (!*regnal)
            return refusal(regnal->problem().message);
        return inRegnalYear(words, start, **regnal, context);
    }
    size_t yearAt = 0;
    long long year = 0;
    bool dual = false;
    if (!calendarYearAtEnd(words, yearAt, year, dual) || yearAt == 0) {
        if (const std::optional<FeastDay> feast = feastOfWords(words, 0, words.size()))
            return refusal(feast->text + " wants its year: " + std::string(text) + " 1700, or a regnal year");
        return std::nullopt;
    }
    const std::optional<FeastDay> feast = feastOfWords(words, 0, yearAt);
    if (!feast)
        return std::nullopt;
    return feastInYear(*feast, year, dual, context, std::string(words.back().text));
}

} // namespace datepieces

} // namespace spanwright
