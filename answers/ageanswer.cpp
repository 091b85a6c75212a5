#include "ageanswer.h"

#include "calendarlines.h"

#include "reading/age.h"
#include "agematchtext.h"
#include "ages/agesearch.h"
#include "datereading.h"
#include "dateprinting.h"
#include "text/quotedtext.h"
#include "ages/spancalendar.h"

namespace spanwright {

namespace {

// An exact age that no date gives from one fixed date is given from a date
// a few days on (runs are lost only to days clamped at a month's end), so
// the ends of a date interval are sought this many days inwards at most.
constexpr long long MostDaysToAMatch = 31;

// The calendar the age is reckoned in from one fixed day of the date.
SpanCalendar calendarFrom(Day fixedDay, const DateReading& date, const DateReadOptions& options)
{
    return ageCalendarFor({date.calendar, date.latestCalendar, options.calendar.firstGregorianDay}, fixedDay,
                          date.days.earliest == fixedDay);
}

AgeMatches matchesFrom(AgeDirection direction, Day fixedDay, const AgeReading& reading,
                       const SpanCalendar& calendar)
{
    return direction == AgeDirection::Born ? beginDatesMeant(fixedDay, reading, calendar)
                                           : endDatesMeant(fixedDay, reading, calendar);
}

// The matches from the first day of [from, to] (stepping by step, 1 or -1)
// that has any, within MostDaysToAMatch days; empty when none has.
AgeMatches firstMatches(AgeDirection direction, Day from, Day to, int step, const AgeReading& reading,
                        const DateReading& date, const DateReadOptions& options)
{
    AgeMatches matches;
    Day day = from;
    for (long long tried = 0; tried <= MostDaysToAMatch; day += step, ++tried) {
        matches = matchesFrom(direction, day, reading, calendarFrom(day, date, options));
        if (!matches.empty() || day == to)
            break;
    }
    return matches;
}

// The dates answered in their calendar and the Gregorian one, written as a
// date of the record's calendar is (with a dual year where it had one);
// empty where they are Gregorian.
std::string answerCalendarLine(std::string_view role, const AgeAnswer& answer, const DateReading& record,
                               CalendarSystem firstCalendar, CalendarSystem lastCalendar)
{
    DateReading dates;
    dates.days = {answer.first, answer.last};
    dates.approximate = answer.about;
    dates.calendar = firstCalendar;
    dates.latestCalendar = lastCalendar;
    dates.written.dualFirstYear = record.written.dualFirstYear;
    return calendarLine(role, dates);
}

} // namespace

Result<AgeAnswer> answerAgeQuestion(const AgeQuestion& question)
{
    const bool born = question.direction == AgeDirection::Born;
    const Result<DateReading> reading
        = readDateFor(born ? "end date" : "begin date", question.dateText, question.reading);
    if (!reading)
        return reading.problem();
    const DateReading& date = *reading;
    if (date.days.openBefore() || date.days.openAfter())
        return Problem{ProblemKind::NotRead,
                       "the " + std::string(born ? "end date " : "begin date ") + quotedExcerpt(question.dateText)
                           + " is open on one side (before or after), so no date is earliest or latest"};
    const Result<AgeReading> ageRead = readAgeText(question.ageText, question.reading.language);
    if (!ageRead)
        return Problem{ProblemKind::NotRead, "the age " + ageRead.problem().message};
    const AgeReading age = question.exact ? exactReading(*ageRead) : *ageRead;

    // Later fixed dates give later dates (the searches are monotone), so the
    // earliest answer is that of the earliest fixed day, the latest that of
    // the latest.
    const Day firstDay = *date.days.earliest;
    const Day lastDay = *date.days.latest;
    const AgeMatches earliest = firstMatches(question.direction, firstDay, lastDay, 1, age, date, question.reading);
    const AgeMatches latest = firstMatches(question.direction, lastDay, firstDay, -1, age, date, question.reading);
    const std::string relation = born ? "before" : "after";
    if (earliest.empty() || latest.empty())
        return Problem{ProblemKind::NoAnswer,
                       noMatchTextFor(age, earliest.empty() ? earliest : latest, relation,
                                      dateReadingTextIn(date, question.reading.order), question.reading.order)};
    AgeAnswer answer;
    answer.first = earliest.firstDay;
    answer.last = latest.firstDay + (latest.count - 1);
    answer.count = answer.last - answer.first + 1;
    answer.about = age.about || date.approximate;
    answer.calendarLine = calendarLine(born ? "end" : "begin", date);
    answer.answerLine =
        answerCalendarLine(born ? "begin" : "end", answer, date,
                           calendarFrom(firstDay, date, question.reading).systemOf(answer.first),
                           calendarFrom(lastDay, date, question.reading).systemOf(answer.last));
    return answer;
}

} // namespace spanwright
