#include "batchrows.h"

#include "ageanswer.h"
#include "agematchtext.h"
#include "ages/agesearch.h"
#include "text/asciitext.h"
#include "text/csvfield.h"
#include "datereading.h"
#include "dateprinting.h"
#include "plainspan.h"
#include "text/quotedtext.h"
#include "spancalculation.h"

#include <algorithm>

namespace spanwright {

namespace {

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

ColumnSearch findColumn(const std::vector<std::string>& header, std::string_view column, size_t& position)
{
    const auto named = std::find(header.begin(), header.end(), column);
    if (named != header.end()) {
        position = static_cast<size_t>(named - header.begin());
        return ColumnSearch::Found;
    }
    // " Born " and "born" name the column "Born", where no other does.
    const std::string_view wanted = trimmed(column);
    size_t matches = 0;
    for (size_t i = 0; i < header.size(); ++i) {
        if (!wanted.empty() && equalsIgnoringCase(trimmed(header[i]), wanted)) {
            position = i;
            ++matches;
        }
    }
    if (matches > 0)
        return matches == 1 ? ColumnSearch::Found : ColumnSearch::Several;
    // Positions of up to nine digits; longer numbers name no column.
    constexpr size_t MostPositionDigits = 9;
    if (wanted.empty() || wanted.size() > MostPositionDigits || !std::all_of(wanted.begin(), wanted.end(), isDigit))
        return ColumnSearch::None;
    const size_t number = std::stoul(std::string(wanted));
    if (number < 1 || number > header.size())
        return ColumnSearch::None;
    position = number - 1;
    return ColumnSearch::Found;
}

std::string quotedName(std::string_view name)
{
    return quotedExcerpt(name);
}

std::string argumentExcerpt(std::string_view argument)
{
    // Characters are counted, and cut, at their first byte: never inside one.
    const auto isFirstByte = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    size_t characters = 0;
    size_t cut = argument.size();
    for (size_t i = 0; i < argument.size(); ++i) {
        if (!isFirstByte(argument[i]))
            continue;
        if (characters == LongestArgumentExcerpt)
            cut = i;
        ++characters;
    }
    if (characters <= LongestArgumentExcerpt)
        return std::string(argument);
    return std::string(argument.substr(0, cut)) + "... (" + std::to_string(characters) + " characters)";
}

std::string headerNamesText(const std::vector<std::string>& header)
{
    std::string text = std::to_string(header.size()) + ": ";
    const size_t listed = std::min(header.size(), MostNamesListed);
    for (size_t i = 0; i < listed; ++i)
        text += (i == 0 ? "" : ", ") + quotedName(header[i]);
    if (listed < header.size())
        text += " and " + std::to_string(header.size() - listed) + " more";
    return text;
}

BatchDateNotes::BatchDateNotes()
{
    for (std::atomic<int>& order : orders_)
        order.store(0);
}

void BatchDateNotes::note(size_t column, DateOrder order)
{
    int none = 0;
    orders_[column].compare_exchange_strong(none, 1 + int(order));
}

std::optional<DateOrder> BatchDateNotes::orderOf(size_t column) const
{
    const int order = orders_[column].load();
    if (order == 0)
        return std::nullopt;
    return DateOrder(order - 1);
}

// A text the engine wrote: digits, signs, points, separators and in the
// worded entry commas and blanks, never a quote or a line break. It needs
// quotes exactly when it holds the delimiter. (These texts are short: a
// loop finds it sooner than a call to memchr would.)
void BatchRowCalculator::appendResultField(TextBuffer& row, std::string_view text) const
{
    row.push_back(delimiter_);
    const bool quoted = std::find(text.begin(), text.end(), delimiter_) != text.end();
    if (quoted)
        row.push_back('"');
    row.append(text);
    if (quoted)
        row.push_back('"');
}

void BatchRowCalculator::appendField(TextBuffer& row, std::string_view field) const
{
    row.push_back(delimiter_);
    appendCsvField(row, field, delimiter_);
}

// Empty result fields, then the error.
bool BatchRowCalculator::appendError(TextBuffer& row, size_t resultFields, std::string_view error) const
{
    row.append(resultFields, delimiter_);
    appendField(row, error);
    return false;
}

BatchRowCalculator::BatchRowCalculator(BatchMode mode, BatchColumns columns, Notation notation, char delimiter,
                                       const DateReadOptions& reading, std::shared_ptr<BatchDateNotes> notes,
                                       bool exactAges)
    : mode_(mode), columns_(columns), notation_(notation), delimiter_(delimiter), reading_(reading),
      exactAges_(exactAges), plainGregorian_(reading.calendar.plainGregorian()), notes_(std::move(notes))
{
}

void BatchRowCalculator::noteOtherOrders(std::string_view first, std::string_view second)
{
    if (!notes_)
        return;
    const std::string_view dates[] = {first, second};
    const size_t dateColumns = mode_ == BatchMode::Span ? 2 : 1;
    for (size_t column = 0; column < dateColumns; ++column) {
        const DateResult reading = readDate(dates[column], reading_);
        if (!reading && reading.problem().readsInOrder)
            notes_->note(column, *reading.problem().readsInOrder);
    }
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
    const bool calculated = mode_ == BatchMode::Span ? appendSpan(first, second, row) : appendDates(first, second, row);
    if (!calculated)
        noteOtherOrders(first, second);
    return calculated;
}

bool BatchRowCalculator::appendPlainSpan(std::string_view begin, std::string_view end, TextBuffer& row) const
{
    PlainDay first;
    PlainDay last;
    PlainSpan span;
    if (!plainGregorian_ || !readPlainDay(begin, reading_.order, first) || !readPlainDay(end, reading_.order, last)
        || !plainSpanOf(first, last, span))
        return false;
    appendPlainSpanFields(row, span, notation_, delimiter_);
    return true;
}

bool BatchRowCalculator::appendSpan(std::string_view begin, std::string_view end, TextBuffer& row)
{
    if (appendPlainSpan(begin, end, row))
        return true;
    const Result<SpanCalculation> calculated = calculateSpan(begin, end, reading_);
    if (!calculated)
        return appendError(row, SpanResultFields, calculated.problem().message);
    const SpanCalculation& calculation = *calculated;
    entries_.compose(calculation.span);
    if (calculation.exact && !calculation.approximate) {
        appendResultField(row, entries_.years());
        appendResultField(row, entries_.months());
        appendResultField(row, entries_.days());
        appendResultField(row, entries_.entry(notation_));
    } else {
        // No single span: the counts stay empty, the span gives its bounds.
        std::optional<std::string> most;
        if (calculation.greatest) {
            greatest_.compose(*calculation.greatest);
            most = std::string(greatest_.entry(notation_));
        }
        row.append(SpanResultFields - 1, delimiter_);
        appendField(row, boundsText(std::string(entries_.entry(notation_)), most, calculation.approximate));
    }
    row.push_back(delimiter_); // no error
    return true;
}

bool BatchRowCalculator::appendDates(std::string_view dateText, std::string_view ageText, TextBuffer& row)
{
    const Result<AgeAnswer> answered = answerAgeQuestion(
        {mode_ == BatchMode::Born ? AgeDirection::Born : AgeDirection::Died, dateText, ageText, reading_, exactAges_});
    if (!answered && answered.problem().kind == ProblemKind::NotRead)
        return appendError(row, DatesResultFields, answered.problem().message);
    if (!answered) {
        row.append(DatesResultFields - 1, delimiter_);
        row.push_back(delimiter_);
        row.push_back('0');
        appendField(row, answered.problem().message);
        return false;
    }
    const AgeAnswer& answer = *answered;
    appendResultField(row, calendarDateTextIn(answer.firstDate(), reading_.order));
    appendResultField(row, calendarDateTextIn(answer.lastDate(), reading_.order));
    appendResultField(row, std::to_string(answer.count));
    row.push_back(delimiter_);
    return true;
}

} // namespace spanwright
