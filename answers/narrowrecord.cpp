#include "narrowrecord.h"

#include "agematchtext.h"
#include "ages/agesearch.h"
#include "text/asciitext.h"
#include "calendarlines.h"
#include "evidence/censusdays.h"
#include "evidence/censusrules.h"
#include "dateprinting.h"
#include "datereading.h"
#include "text/quotedtext.h"

namespace spanwright {

namespace {

NarrowRefusal refused(std::string problem)
{
    return NarrowRefusal{Problem{ProblemKind::NotRead, std::move(problem)}, {}};
}

Problem refusedVisit(std::string problem)
{
    return Problem{ProblemKind::NotRead, std::move(problem)};
}

// The day the enumerator came, after the census day and within a year of
// it (the US 1850 census ran from June to November): that day, or why not
// (NotRead).
Result<Day> readVisitDay(std::string_view text, const CensusDay& census, const DateReadOptions& options)
{
    const Result<DateReading> reading = readDateFor("visit day", text, options);
    if (!reading)
        return reading.problem();
    const DateReading& date = *reading;
    constexpr long long DaysInAYear = 365;
    const Day censusDay = dayOf(census.day);
    if (!date.exact())
        return refusedVisit("the visit day " + quotedExcerpt(text)
                            + " is not one day: write the day the enumerator came");
    const Day visitDay = *date.days.earliest;
    if (visitDay < censusDay || visitDay > censusDay + DaysInAYear)
        return refusedVisit("the visit day " + quotedExcerpt(text) + " is not within a year from the census day "
                            + calendarDateTextIn(census.day, options.order)
                            + ": a census age is the age on a day of its taking");
    return visitDay;
}

// Why no birth date gives a record's age; on one day, with the nearest
// birth dates as born names them (an exact age at a month's end: "1 month"
// before 3/31/1900).
std::string noBirthDateProblem(std::string_view whenText, std::string_view ageText, const RecordAge& age,
                               const DayRange& event, const RecordCalendar& calendar, DateOrder order)
{
    std::string problem =
        "no birth date in the calendar gives the age " + quotedExcerpt(ageText) + " at " + quotedExcerpt(whenText);
    if (event.oneDay() && !age.openAbove) {
        const Day day = *event.earliest;
        const AgeMatches matches = beginDatesMeant(day, age.reading, ageCalendarFor(calendar, day, true));
        problem += ": " + noMatchTextFor(age.reading, matches, "before", calendarDateTextIn(dateOf(day), order), order);
    }
    return problem;
}

} // namespace

NarrowReading readNarrowRecord(std::string_view text, const NarrowOptions& options)
{
    const size_t colon = text.rfind(':');
    if (colon == std::string_view::npos)
        return refused("the record " + quotedExcerpt(trimmed(text))
                       + " has no colon: write WHEN: AGE, as in \"US 1880 census: 34\" or \"6/4/1871: aged 39\"");
    return narrowRecordOf(text.substr(0, colon), text.substr(colon + 1), options);
}

namespace {

// The record that WHEN and AGE state, read into record, or why it gives no
// window (where no birth date gives its age, the refusal takes the record).
std::optional<NarrowRefusal> readRecordInto(NarrowRecord& record, std::string_view whenText, std::string_view ageText,
                                            const NarrowOptions& options, RecordTexts texts)
{
    const DateOrder order = options.reading.order;
    whenText = trimmed(whenText);
    ageText = trimmed(ageText);
    if (whenText.empty())
        return refused("the record has no date before its age " + quotedExcerpt(ageText));
    if (ageText.empty())
        return refused("the record " + quotedExcerpt(whenText) + " has no age");
    DayRange event;
    bool dateAbout = false;
    // The calendar the age is reckoned in: that of the record's date.
    RecordCalendar calendar;
    calendar.firstGregorianDay = options.reading.calendar.firstGregorianDay;
    const Result<std::optional<CensusReading>> censusRead = readCensusName(whenText, options.reading.calendar);
    if (!censusRead)
        return refused(censusRead.problem().message);
    const std::optional<CensusReading>& census = *censusRead;
    Result<RecordAge> ageRead = census ? readCensusAge(ageText, census->census.rule, census->census.year, record.note)
                                       : readRecordAge(ageText, options.reading.language);
    if (!ageRead)
        return refused("the age " + ageRead.problem().message);
    RecordAge& age = *ageRead;
    // A census age is one of completed years whatever --exact says (the
    // schedules asked the age, not a span to the day).
    if (options.exact && age.ageReaderForm && !census)
        age.reading = exactReading(age.reading);
    if (census) {
        Day day = dayOf(census->census.day);
        if (texts == RecordTexts::Written)
            record.when = std::string(census->census.country) + " " + std::to_string(census->census.year)
                + " census (" + calendarDateTextIn(census->census.day, order) + ")";
        if (!census->visitText.empty()) {
            const Result<Day> visit = readVisitDay(census->visitText, census->census, options.reading);
            if (!visit)
                return refused(visit.problem().message);
            day = *visit;
            if (texts == RecordTexts::Written)
                record.when += " visited " + calendarDateTextIn(dateOf(day), order);
        }
        event.earliest = event.latest = day;
    } else {
        const Result<DateReading> reading = readDateFor("date", whenText, options.reading);
        if (!reading)
            return refused(reading.problem().message);
        const DateReading& date = *reading;
        event = date.days;
        dateAbout = date.approximate;
        calendar.first = date.calendar;
        calendar.last = date.latestCalendar;
        if (texts == RecordTexts::Written) {
            record.when = dateReadingTextIn(date, order);
            record.calendar = calendarReading(date);
        }
    }
    constexpr long long MostDaysInAYear = 366;
    if (age.reading.least.years > OldestRecordAgeYears
        || (age.reading.counting == AgeCounting::ElapsedDays
            && age.reading.least.days > OldestRecordAgeYears * MostDaysInAYear))
        return refused("the age " + quotedExcerpt(ageText) + " is more than anyone lives: the oldest age taken is "
                       + std::to_string(OldestRecordAgeYears) + " years");
    if (texts == RecordTexts::Written)
        record.age = recordAgeText(age);
    const std::optional<BirthWindow> window = birthWindowFor(event, age, calendar);
    if (!window) {
        Problem problem{ProblemKind::NoAnswer,
                        noBirthDateProblem(whenText, ageText, age, event, calendar, order)};
        return NarrowRefusal{std::move(problem), std::move(record)};
    }
    record.window = *window;
    record.window.about = record.window.about || dateAbout;
    return std::nullopt;
}

} // namespace

NarrowReading narrowRecordOf(std::string_view whenText, std::string_view ageText, const NarrowOptions& options,
                             RecordTexts texts)
{
    NarrowRecord record;
    if (std::optional<NarrowRefusal> refusal = readRecordInto(record, whenText, ageText, options, texts))
        return std::move(*refusal);
    return record;
}

Result<BirthWindow> narrowWindowOf(std::string_view whenText, std::string_view ageText, const NarrowOptions& options)
{
    // Only the window leaves this frame: a spreadsheet's rows by the million
    // pay for no move of the record.
    NarrowRecord record;
    if (std::optional<NarrowRefusal> refusal = readRecordInto(record, whenText, ageText, options, RecordTexts::Omitted))
        return std::move(refusal->problem);
    return record.window;
}

const NarrowRecord& recordAsRead(const NarrowReading& reading)
{
    return reading ? *reading : reading.problem().record;
}

std::string recordWindowText(const NarrowReading& record, DateOrder order, bool range)
{
    return record ? birthWindowText(record->window, order, range) : record.problem().problem.message;
}

std::string birthWindowText(const BirthWindow& window, DateOrder order, bool range)
{
    const std::string about = window.about ? "about: " : "";
    const DayRange& days = window.days;
    if (days.earliest && days.latest)
        return datesAnswerText(dateOf(*days.earliest), dateOf(*days.latest), *days.dayCount(), window.about, range,
                               order);
    if (days.latest)
        return about + "on or before " + calendarDateTextIn(dateOf(*days.latest), order);
    if (days.earliest)
        return about + "on or after " + calendarDateTextIn(dateOf(*days.earliest), order);
    return about + "any date";
}

} // namespace spanwright
