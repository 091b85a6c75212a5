#include "batchrows.h"

#include "agematchtext.h"
#include "agesearch.h"
#include "asciitext.h"
#include "csvfield.h"
#include "datereading.h"
#include "spancalculation.h"

#include <algorithm>

namespace {

// A text the engine wrote: digits, signs, points, separators and in the
// worded entry commas and blanks, never a quote or a line break. It needs
// quotes exactly when it holds a comma. (These texts are short: a loop finds
// the comma sooner than a call to memchr would.)
void appendResultField(TextBuffer& row, std::string_view text)
{
    row.push_back(',');
    const bool quoted = std::find(text.begin(), text.end(), ',') != text.end();
    if (quoted)
        row.push_back('"');
    row.append(text);
    if (quoted)
        row.push_back('"');
}

void appendField(TextBuffer& row, std::string_view field)
{
    row.push_back(',');
    appendCsvField(row, field);
}

// Empty result fields, then the error.
bool appendError(TextBuffer& row, size_t resultFields, std::string_view error)
{
    row.append(resultFields, ',');
    appendField(row, error);
    return false;
}

constexpr size_t SpanResultFields = 4;  // years, months, days, span
constexpr size_t DatesResultFields = 3; // earliest, latest, count

} // namespace

std::vector<std::string_view> appendedColumnNames(BatchMode mode)
{
    switch (mode) {
    case BatchMode::Span:
        return {"years", "months", "days", "span", "error"};
    case BatchMode::Born:
        return {"born_earliest", "born_latest", "born_count", "error"};
    case BatchMode::Died:
        return {"died_earliest", "died_latest", "died_count", "error"};
    }
    return {};
}

bool findColumn(const std::vector<std::string>& header, std::string_view column, size_t& position)
{
    const auto named = std::find(header.begin(), header.end(), column);
    if (named != header.end()) {
        position = static_cast<size_t>(named - header.begin());
        return true;
    }
    // Positions of up to nine digits; longer numbers name no column.
    constexpr size_t MostPositionDigits = 9;
    if (column.empty() || column.size() > MostPositionDigits
        || !std::all_of(column.begin(), column.end(), isDigit))
        return false;
    const size_t number = std::stoul(std::string(column));
    if (number < 1 || number > header.size())
        return false;
    position = number - 1;
    return true;
}

BatchRowCalculator::BatchRowCalculator(BatchMode mode, BatchColumns columns, Notation notation)
    : mode_(mode), columns_(columns), notation_(notation)
{
}

bool BatchRowCalculator::appendResults(const std::vector<std::string_view>& fields, TextBuffer& row)
{
    const size_t resultFields = mode_ == BatchMode::Span ? SpanResultFields : DatesResultFields;
    const size_t needed = std::max(columns_.first, columns_.second) + 1;
    if (fields.size() < needed)
        return appendError(row, resultFields,
                           "the row has " + std::to_string(fields.size()) + " field(s), "
                               + std::to_string(needed) + " needed");
    const std::string_view first = fields[columns_.first];
    const std::string_view second = fields[columns_.second];
    if (mode_ == BatchMode::Span)
        return appendSpan(first, second, row);
    return appendDates(first, second, row);
}

bool BatchRowCalculator::appendSpan(std::string_view begin, std::string_view end, TextBuffer& row)
{
    const SpanCalculation calculation = calculateSpan(begin, end);
    if (calculation.status != ExitSuccess)
        return appendError(row, SpanResultFields, calculation.problem);
    entries_.compose(calculation.span);
    appendResultField(row, entries_.years());
    appendResultField(row, entries_.months());
    appendResultField(row, entries_.days());
    appendResultField(row, entries_.entry(notation_));
    row.push_back(','); // no error
    return true;
}

bool BatchRowCalculator::appendDates(std::string_view dateText, std::string_view ageText, TextBuffer& row)
{
    const bool born = mode_ == BatchMode::Born;
    CalendarDate date;
    Age age;
    std::string problem = readCalendarDateFor(born ? "end date" : "begin date", dateText, date);
    if (problem.empty())
        problem = readAgeFor("age", ageText, age);
    if (!problem.empty())
        return appendError(row, DatesResultFields, problem);

    const AgeMatches matches = born ? beginDatesFor(date, age) : endDatesFor(date, age);
    if (matches.empty()) {
        row.append(",,,0");
        appendField(row, noMatchText(age, matches, born ? "before" : "after", calendarDateText(date)));
        return false;
    }
    appendResultField(row, calendarDateText(matches.first()));
    appendResultField(row, calendarDateText(matches.last()));
    appendResultField(row, std::to_string(matches.count));
    row.push_back(',');
    return true;
}
