#include <spanwright/spanwright.h>

#include "reading/age.h"
#include "ageanswer.h"
#include "calendars/calendars.h"
#include "reading/calendarswitches.h"
#include "convertanswer.h"
#include "reading/datereader.h"
#include "datereading.h"
#include "narrowanswer.h"
#include "spans/resultentries.h"
#include "spancalculation.h"

#include <sstream>
#include <utility>

namespace spanwright {

// The façade over the engine and the answers the command line gives: each
// function asks them and turns their outcome and message into a Result.

namespace {

Problem problemOf(Outcome outcome, std::string message)
{
    return {outcome == Outcome::NoAnswer ? ProblemKind::NoAnswer : ProblemKind::NotRead, std::move(message)};
}

// The lines of a multi-line answer text, without their line ends.
std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A birth window counts days as plain numbers; the library's answers hold Days.
std::optional<Day> asDay(std::optional<long long> number)
{
    if (!number)
        return std::nullopt;
    return Day(*number);
}

Result<DayRange> ageWindow(AgeDirection direction, std::string_view dateText, std::string_view ageText,
                           const DateReadOptions& options)
{
    AgeQuestion question;
    question.direction = direction;
    question.dateText = dateText;
    question.ageText = ageText;
    question.reading = options;
    const AgeAnswer answer = answerAgeQuestion(question);
    if (answer.outcome != Outcome::Answered)
        return problemOf(answer.outcome, answer.problem);
    return DayRange{Day(answer.firstDay), Day(answer.lastDay)};
}

} // namespace

Result<Day> calendarSwitchDay(std::string_view text)
{
    return readCalendarSwitch(text);
}

Result<DateMeaning> readDateText(std::string_view text, const DateReadOptions& options)
{
    const DateResult read = readDate(text, options);
    if (!read)
        return Problem(read.problem());
    const DateReading& reading = *read;
    return DateMeaning{reading.days, reading.approximate, reading.calendar};
}

Result<AgeMeaning> readAge(std::string_view text)
{
    const Result<AgeReading> read = readAgeText(text);
    if (!read)
        return read.problem();
    const AgeReading& reading = *read;
    return AgeMeaning{reading.age, reading.least, reading.greatest,
                      reading.counting == AgeCounting::ElapsedDays, reading.about};
}

Result<SpanAnswer> span(std::string_view beginText, std::string_view endText, const DateReadOptions& options)
{
    const SpanCalculation calculation = calculateSpan(beginText, endText, options);
    if (calculation.outcome != Outcome::Answered)
        return problemOf(calculation.outcome, calculation.problem);
    SpanAnswer answer;
    answer.least = calculation.span;
    if (calculation.greatest)
        answer.greatest = *calculation.greatest;
    answer.exact = calculation.exact;
    answer.approximate = calculation.approximate;
    const std::string least = wordedSpan(calculation.span);
    if (calculation.exact && !calculation.approximate) {
        answer.lines.push_back(least);
    } else {
        std::optional<std::string> most;
        if (calculation.greatest)
            most = wordedSpan(*calculation.greatest);
        answer.lines.push_back(boundsText(least, most, calculation.approximate));
    }
    for (std::string& line : spanCalendarLines(calculation))
        answer.lines.push_back(std::move(line));
    return answer;
}

Result<DaysAnswer> days(std::string_view beginText, std::string_view endText, const DateReadOptions& options)
{
    const Result<DateReading> beginReading = readDateFor("begin date", beginText, options);
    if (!beginReading)
        return beginReading.problem();
    const Result<DateReading> endReading = readDateFor("end date", endText, options);
    if (!endReading)
        return endReading.problem();
    const DateReading& begin = *beginReading;
    const DateReading& end = *endReading;
    // The fewest days from the latest begin to the earliest end, the most
    // from the earliest begin to the latest end.
    DaysAnswer answer;
    if (begin.days.latest && end.days.earliest)
        answer.fewest = *end.days.earliest - *begin.days.latest;
    if (begin.days.earliest && end.days.latest)
        answer.most = *end.days.latest - *begin.days.earliest;
    if (!answer.fewest && !answer.most)
        return Problem{ProblemKind::NoAnswer, "the dates leave the number of days without bound"};
    answer.approximate = begin.approximate || end.approximate;
    return answer;
}

Result<DayRange> bornWithin(std::string_view deathText, std::string_view ageText, const DateReadOptions& options)
{
    return ageWindow(AgeDirection::Born, deathText, ageText, options);
}

Result<DayRange> diedWithin(std::string_view birthText, std::string_view ageText, const DateReadOptions& options)
{
    return ageWindow(AgeDirection::Died, birthText, ageText, options);
}

Result<std::vector<std::string>> convert(std::string_view text, const DateReadOptions& options)
{
    ConvertAnswer answer = convertDate(text, options);
    if (answer.outcome != Outcome::Answered)
        return problemOf(answer.outcome, answer.problem);
    return std::move(answer.lines);
}

Result<NarrowingAnswer> narrow(const std::vector<std::string>& records, const DateReadOptions& options)
{
    const NarrowAnswer answer = answerNarrowQuestion(records, options);
    if (answer.outcome == Outcome::NotRead) {
        std::string message;
        for (const std::string& problem : answer.problems)
            message += (message.empty() ? "" : "\n") + problem;
        return Problem{ProblemKind::NotRead, message};
    }
    if (answer.outcome != Outcome::Answered)
        return Problem{ProblemKind::NoAnswer, narrowAnswerText(answer, options)};
    const BirthWindow& window = answer.narrowing.window;
    return NarrowingAnswer{{asDay(window.first), asDay(window.last)}, window.about, linesOf(narrowAnswerText(answer, options))};
}

} // namespace spanwright
