#include "statedages.h"

#include <algorithm>
#include <array>

#include "text/asciitext.h"
#include "calendars/calendardate.h"
#include "evidence/censusdays.h"
#include "evidence/censusrules.h"
#include "gedcomdate.h"

namespace spanwright {

namespace {

bool daysAlone(const Age& age) { return age.years == 0 && age.months == 0; }

// The age one day above age, for a bound "> age".
Age ageJustAbove(Age age, AgeCounting counting)
{
    ++age.days;
    if (counting == AgeCounting::SpanParts && age.days > MostSpanDays) {
        age.days = 0;
        ++age.months;
    }
    return age;
}

std::string yearOf(Day day) { return std::to_string(dateOf(day).year); }

// A stated age as the narrowing takes it; nothing for a phrase or an age
// that no span meets ("1y 45d").
std::optional<RecordAge> recordAgeOf(const StatedAge& stated)
{
    if (!stated.hasAges() || !stated.meetable())
        return std::nullopt;
    const Age least = stated.least ? *stated.least : Age{};
    // An age in days alone counts the days from the birth; "< 1y" and
    // STILLBORN count the parts of a span, 0 days being the same either way.
    const bool elapsed = daysAlone(least) && (!stated.greatest || daysAlone(*stated.greatest))
        && (least.days > 0 || (stated.greatest && stated.greatest->days > 0));
    RecordAge age;
    AgeReading& reading = age.reading;
    reading.counting = elapsed ? AgeCounting::ElapsedDays : AgeCounting::SpanParts;
    reading.smallestUnit = AgeUnit::Days;
    reading.least = stated.leastExcluded ? ageJustAbove(least, reading.counting) : least;
    if (!stated.greatest) {
        age.openAbove = true;
    } else if (stated.greatestExcluded) {
        if (!ageJustBelow(*stated.greatest, reading.greatest))
            return std::nullopt; // "< 0d": no age
    } else {
        reading.greatest = *stated.greatest;
    }
    if (!age.openAbove && compareAge(reading.least, reading.greatest) > 0)
        return std::nullopt;
    reading.age = reading.least;
    return age;
}

} // namespace

bool isEndingTag(std::string_view tag) { return tag == "DEAT" || tag == "BURI"; }

Result<std::optional<RecordAge>> recordAgeOfValue(std::string_view value, std::string_view language)
{
    const Result<StatedAge> stated = readStatedAge(value, language);
    if (stated && stated->phrase)
        return std::optional<RecordAge>();
    if (stated) {
        std::optional<RecordAge> age = recordAgeOf(*stated);
        if (!age)
            return Problem{ProblemKind::NotRead, "no span of years, months and days is that age"};
        age->reading.about = stated->about;
        return age;
    }
    const Result<RecordAge> recorded = readRecordAge(value, language);
    if (!recorded)
        return Problem{ProblemKind::NotRead, "not an age"};
    return std::optional<RecordAge>(*recorded);
}

namespace {

// The age of a census's CENS as narrow reads it ("34", "3/12", "20-29"),
// else by the GEDCOM age grammars, by that census's rule either way.
Result<std::optional<RecordAge>> censusAgeOfValue(std::string_view value, const CensusDay& census,
                                                 std::string_view language)
{
    std::string note;
    const Result<RecordAge> age = readCensusAge(value, census.rule, census.year, note);
    if (age)
        return std::optional<RecordAge>(*age);
    Result<std::optional<RecordAge>> stated = recordAgeOfValue(value, language);
    if (stated && *stated)
        applyCensusRule(census.rule, census.year, value, **stated, note);
    return stated;
}

// The census a CENS event is, by its days and the last part of its place.
std::optional<CensusDay> censusOf(const StatedAgeEvent& event, const GedcomDate& date)
{
    if (event.tag != "CENS" || date.approximate || !date.days.earliest || !date.days.latest)
        return std::nullopt;
    return censusOfEvent(censusCountryOfPlace(event.place), *date.days.earliest, *date.days.latest);
}

// In marriage papers "infant" is the legal word for one under 21, never a
// child under a year: read it as "minor" there.
std::string_view marriageAgeText(const StatedAgeEvent& event)
{
    static constexpr std::array<std::string_view, 6> MarriageTags = {"MARR", "MARB", "MARL", "MARC", "MARS", "ENGA"};
    const bool marriage = std::find(MarriageTags.begin(), MarriageTags.end(), event.tag) != MarriageTags.end();
    return marriage && equalsIgnoringCase(trimmed(event.age), "INFANT") ? std::string_view("minor")
                                                                        : std::string_view(event.age);
}

std::string dateLeftOutReason(const GedcomDate& date, std::string_view text)
{
    if (trimmed(text).empty())
        return "the event has no date";
    if (date.noDate == GedcomDate::NoDate::Phrase)
        return "the date is a date phrase";
    return date.hasDays() ? "the date states no time" : "the date cannot be read";
}

// The calendar an age at the event is reckoned in: a Julian date's, the
// Julian; a value of several calendars, as every other, the Gregorian.
RecordCalendar recordCalendarOf(const GedcomDate& date, const DateReadOptions& choice)
{
    const CalendarSystem system =
        date.calendar == GedcomDate::Calendar::Julian ? CalendarSystem::Julian : CalendarSystem::Gregorian;
    return {system, system, choice.calendar.firstGregorianDay};
}

using DateReader = std::function<GedcomDate(std::string_view)>;

StatedAgeNarrowing narrowReadingDates(const std::vector<StatedAgeEvent>& events, const DateReadOptions& calendar,
                                      std::string_view deathDate, const DateReader& readDate)
{
    StatedAgeNarrowing narrowed;
    const GedcomDate death = readDate(trimmed(deathDate));
    for (size_t index = 0; index < events.size(); ++index) {
        const StatedAgeEvent& event = events[index];
        const GedcomDate date = readDate(trimmed(event.date));
        const bool dated = date.hasDays();
        const DayRange& days = date.days;
        const std::string name = dated ? event.tag + ' ' + yearOf(days.earliest ? *days.earliest : *days.latest) : event.tag;
        const auto leaveOut = [&](std::string_view age, const std::string& why) {
            narrowed.notWeighed.push_back({event.tag, name + " (AGE " + std::string(trimmed(age)) + ": " + why + ")"});
        };
        if (!event.laterAges.empty())
            leaveOut(event.laterAges, "a second AGE of one spouse, not weighed");
        if (trimmed(event.age).empty())
            continue;
        // A date that is no date (a phrase, a status word) states no time.
        if (!dated) {
            leaveOut(event.age, dateLeftOutReason(date, event.date));
            continue;
        }
        const std::optional<CensusDay> census = censusOf(event, date);
        const Result<std::optional<RecordAge>> read = census
            ? censusAgeOfValue(event.age, *census, calendar.language)
            : recordAgeOfValue(marriageAgeText(event), calendar.language);
        if (!read || !*read) {
            leaveOut(event.age, read ? "an age phrase, no age" : read.problem().message);
            continue;
        }
        const RecordAge& age = **read;
        DayRange ageDays = days;
        RecordCalendar ageCalendar = recordCalendarOf(date, calendar);
        if (census) {
            ageDays.earliest = ageDays.latest = dayOf(census->day);
            ageCalendar = {};
        }
        // A burial's age is at the death: its date, else on or before the burial.
        if (event.tag == "BURI" && death.hasDays()) {
            ageDays = death.days;
            ageCalendar = recordCalendarOf(death, calendar);
        } else if (event.tag == "BURI") {
            ageDays.earliest.reset();
        }
        std::optional<BirthWindow> window = birthWindowFor(ageDays, age, ageCalendar);
        if (!window) {
            leaveOut(event.age, "no birth date in the calendar gives that age");
            continue;
        }
        window->about = window->about || date.approximate;
        narrowed.names.push_back(name);
        narrowed.windows.push_back(*window);
        narrowed.eventIndices.push_back(index);
    }
    if (!narrowed.windows.empty())
        narrowed.narrowing = narrowWindows(narrowed.windows);
    return narrowed;
}

} // namespace

StatedAgeNarrowing narrowStatedAges(const std::vector<StatedAgeEvent>& events, const DateReadOptions& calendar,
                                    std::string_view deathDate)
{
    return narrowReadingDates(events, calendar, deathDate, [&calendar](std::string_view text) {
        return undatedIfRefused(readGedcomDate(text, calendar));
    });
}

StatedAgeNarrowing narrowStatedAges(const std::vector<StatedAgeEvent>& events, GedcomDateReadings& dates,
                                    std::string_view deathDate)
{
    return narrowReadingDates(events, dates.options(), deathDate,
                              [&dates](std::string_view text) { return undatedIfRefused(dates.read(text)); });
}

std::string birthWindowText(const BirthWindow& window)
{
    const auto text = [](Day day) { return calendarDateText(dateOf(day)); };
    const DayRange& days = window.days;
    if (days.earliest && days.latest)
        return text(*days.earliest) + " through " + text(*days.latest);
    if (days.latest)
        return "on or before " + text(*days.latest);
    if (days.earliest)
        return "on or after " + text(*days.earliest);
    return "any date";
}

std::string eventNames(const StatedAgeNarrowing& narrowed, const std::vector<size_t>& indices)
{
    std::string text;
    for (size_t i = 0; i < indices.size(); ++i)
        text.append(i == 0 ? "" : i + 1 == indices.size() ? " and " : ", ").append(narrowed.names[indices[i]]);
    return text;
}

std::string statedAgesText(const StatedAgeNarrowing& narrowed)
{
    if (narrowed.names.empty())
        return {};
    const Narrowing& narrowing = narrowed.narrowing;
    if (narrowing.fits)
        return (narrowing.window.about ? "about: " : "") + birthWindowText(narrowing.window);
    std::string text = "conflict: ";
    for (size_t i = 0; i < narrowing.largestSets.size(); ++i)
        text.append(i == 0 ? "" : " or ").append(eventNames(narrowed, narrowing.largestSets[i].leftOut)).append(" left out");
    if (narrowing.moreSets > 0)
        text.append(" or ").append(std::to_string(narrowing.moreSets)).append(" other choices");
    return text;
}

} // namespace spanwright
