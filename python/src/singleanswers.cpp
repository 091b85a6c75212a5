#include "singleanswers.h"

#include "convertanswer.h"
#include "daysanswer.h"
#include "narrowanswer.h"
#include "narrowsvg.h"
#include "spancalculation.h"

#include <pybind11/pybind11.h>

#include <optional>

namespace spanwright::python {

namespace {

// The messages of a refused question, one a line, as the command writes
// them without its name before each.
[[noreturn]] void refuse(const std::string& problem)
{
    throw pybind11::value_error(problem);
}

} // namespace

std::string spanLine(const std::string& begin, const std::string& end, const DateReadOptions& options,
                     Notation notation)
{
    const Result<SpanCalculation> calculated = calculateSpan(begin, end, options);
    if (!calculated)
        refuse(calculated.problem().message);
    const SpanCalculation& calculation = *calculated;
    ResultEntries least;
    least.compose(calculation.span);
    if (calculation.exact && !calculation.approximate)
        return std::string(least.entry(notation));
    std::optional<std::string> most;
    if (calculation.greatest) {
        ResultEntries greatest;
        greatest.compose(*calculation.greatest);
        most = std::string(greatest.entry(notation));
    }
    return boundsText(std::string(least.entry(notation)), most, calculation.approximate);
}

std::string daysLine(const std::string& begin, const std::string& end, const DateReadOptions& options)
{
    const Result<DaysLines> answer = answerDays(begin, end, options);
    if (!answer)
        refuse(answer.problem().message);
    return answer->lines.front();
}

std::vector<std::pair<std::string, std::string>> convertLines(const std::string& date,
                                                              const DateReadOptions& options)
{
    const Result<ConvertAnswer> answer = convertDate(date, options);
    if (!answer)
        refuse(answer.problem().message);
    std::vector<std::pair<std::string, std::string>> lines;
    for (const std::string& line : answer->lines) {
        const size_t colon = line.find(": ");
        if (colon == std::string::npos)
            continue;
        lines.emplace_back(line.substr(0, colon), line.substr(colon + 2));
    }
    return lines;
}

namespace {

// The answer of the records, or ValueError with a line for each record not read.
NarrowAnswer narrowAnswerOf(const std::vector<std::string>& records, const NarrowOptions& narrowing)
{
    NarrowAnswer answer = answerNarrowQuestion(records, narrowing);
    if (answer.outcome == Outcome::NotRead) {
        std::string problems;
        for (const std::string& problem : answer.problems)
            problems += (problems.empty() ? "" : "\n") + problem;
        refuse(problems);
    }
    return answer;
}

} // namespace

std::string narrowJson(const std::vector<std::string>& records, const DateReadOptions& options, bool exact)
{
    NarrowOptions narrowing(options);
    narrowing.exact = exact;
    return narrowAnswerJson(narrowAnswerOf(records, narrowing), narrowing);
}

std::string narrowSvg(const std::vector<std::string>& records, const DateReadOptions& options, bool exact)
{
    NarrowOptions narrowing(options);
    narrowing.exact = exact;
    return narrowAnswerSvg(narrowAnswerOf(records, narrowing), options.order);
}

} // namespace spanwright::python
