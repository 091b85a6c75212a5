#include <spanwright/spanwright.h>

#include "reading/age.h"
#include "ageanswer.h"
#include "calendars/calendars.h"
#include "reading/calendarswitches.h"
#include "convertanswer.h"
#include "reading/datereader.h"
#include "datereading.h"
#include "daysanswer.h"
#include "narrowanswer.h"
#include "spans/resultentries.h"
#include "spancalculation.h"

#include <sstream>
#include <utility>

namespace spanwright {

// The façade over the engine and the answers the command line gives: each
// function asks them and gives their answer in its public form, or their
// problem as it is.

namespace {

// The lines of a multi-line answer text, without their line ends.
std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

Result<DayRange> ageWindow(AgeDirection direction, std::string_view dateText, std::string_view ageText,
                           const DateReadOptions& options)
{
    AgeQuestion question;
    question.direction = direction;
    question.dateText = dateText;
    question.ageText = ageText;
    question.reading = options;
    const Result<AgeAnswer> answer = answerAgeQuestion(question);
    if (!answer)
        return answer.problem();
    return DayRange{answer->first, answer->last};
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
    const Result<SpanCalculation> calculated = calculateSpan(beginText, endText, options);
    if (!calculated)
        return calculated.problem();
    const SpanCalculation& calculation = *calculated;
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
    const DaysBetween between = daysBetween(*beginReading, *endReading);
    if (!between.bounded())
        return Problem{ProblemKind::NoAnswer, std::string(UnboundedDaysMessage)};
    return DaysAnswer{between.fewest, between.most, between.approximate};
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
    Result<ConvertAnswer> answer = convertDate(text, options);
    if (!answer)
        return answer.problem();
    return std::move(answer->lines);
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
    return NarrowingAnswer{window.days, window.about, linesOf(narrowAnswerText(answer, options))};
}

} // namespace spanwright
