#include "batchjob.h"

#include "text/csvfield.h"
#include "dateorder.h"
#include "plainspan.h"

#include <algorithm>

namespace spanwright {

namespace {

// What the header decides about every row that follows.
struct RowLayout
{
    BatchMode mode;
    BatchColumns columns;
    Notation notation;
    char delimiter;
    DateReadOptions dateReading;
    bool exactAges;
    size_t headerFields;
    std::string_view lineBreak;
};

void appendFields(const std::vector<std::string_view>& fields, char delimiter, TextBuffer& out)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out.push_back(delimiter);
        appendCsvField(out, fields[i], delimiter);
    }
}

// Span rows of two plain days in order go out in one step, the most a
// batch holds; any other row takes the general way, which writes the same
// bytes for these.
PlainSpanRows plainSpanRowsOf(const RowLayout& layout)
{
    PlainSpanRows rows;
    rows.taken = layout.mode == BatchMode::Span && layout.dateReading.calendar.plainGregorian();
    rows.beginAt = layout.columns.first;
    rows.endAt = layout.columns.second;
    rows.fieldsNeeded = std::max({layout.headerFields, layout.columns.first + 1, layout.columns.second + 1});
    rows.format = {layout.dateReading.order, layout.notation, layout.delimiter, layout.lineBreak};
    return rows;
}

// Writes a row: its fields as they came, then the results.
BatchRowStage::RowWriter rowWriter(const RowLayout& layout, const std::shared_ptr<BatchDateNotes>& notes)
{
    auto calculator = std::make_shared<BatchRowCalculator>(layout.mode, layout.columns, layout.notation,
                                                           layout.delimiter, layout.dateReading, notes,
                                                           layout.exactAges);
    return [layout, calculator, plain = plainSpanRowsOf(layout)](const BatchRowStage::Fields& row, bool emptyLine,
                                                                 TextBuffer& out) {
        const std::vector<std::string_view>& fields = row.views;
        if (row.written && plain.append(out, row.asWritten, fields))
            return true;
        bool calculated = true;
        if (!emptyLine) {
            // A row read without quotes needs none: it goes out as it came.
            if (row.written)
                out.append(row.asWritten);
            else
                appendFields(fields, layout.delimiter, out);
            // A short row is filled up, so that the results stand under
            // their names. (A long row keeps its extra fields; its results
            // follow them.)
            if (fields.size() < layout.headerFields)
                out.append(layout.headerFields - fields.size(), layout.delimiter);
            calculated = calculator->appendResults(fields, out);
        }
        out.append(layout.lineBreak);
        return calculated;
    };
}

const char* firstOption(BatchMode mode) { return mode == BatchMode::Born ? "--end" : "--begin"; }
const char* secondOption(BatchMode mode) { return mode == BatchMode::Span ? "--end" : "--age"; }

} // namespace

BatchJob::BatchJob(BatchSettings settings, Sink sink, StageMaker makeStage)
    : settings_(std::move(settings)), sink_(std::move(sink)), makeStage_(std::move(makeStage)),
      reader_(settings_.delimiter),
      onRow_([this](const CsvReader::Row& row) { return onRow(row); }),
      onPlainRow_([this](const CsvReader::PlainRow& row) { return onPlainRow(row); }),
      dateNotes_(std::make_shared<BatchDateNotes>())
{
    if (!makeStage_) {
        makeStage_ = [](BatchRowStage::RowWriterMaker makeRowWriter, Sink sink) {
            return std::make_unique<SerialRowStage>(makeRowWriter, std::move(sink));
        };
    }
}

BatchJob::~BatchJob() = default;

void BatchJob::fail(std::string problem)
{
    if (!failed_)
        problem_ = std::move(problem);
    failed_ = true;
}

bool BatchJob::feed(std::string_view chunk)
{
    if (failed_)
        return false;
    const CsvReader::Outcome outcome = reader_.feed(chunk, onRow_, &onPlainRow_);
    if (outcome == CsvReader::Outcome::Malformed) {
        abandon();
        fail(settings_.inputName + ": " + reader_.malformedReason());
    }
    return !failed_;
}

Outcome BatchJob::finish()
{
    if (!failed_) {
        if (reader_.finish(onRow_) == CsvReader::Outcome::Malformed) {
            abandon();
            fail(settings_.inputName + ": " + reader_.malformedReason());
        } else if (!stage_ && !failed_) {
            fail(settings_.inputName + " has no header row");
        }
    }
    if (failed_)
        return Outcome::NotRead;
    stage_->finish();
    return stage_->someFailed() ? Outcome::NoAnswer : Outcome::Answered;
}

void BatchJob::abandon()
{
    if (stage_)
        stage_->finish();
}

std::vector<std::string> BatchJob::notes() const
{
    std::vector<std::string> notes;
    const char* options[] = {firstOption(settings_.mode), secondOption(settings_.mode)};
    const std::string* columns[] = {&settings_.firstColumn, &settings_.secondColumn};
    for (size_t column = 0; column < BatchDateNotes::Columns; ++column) {
        const std::optional<DateOrder> order = dateNotes_->orderOf(column);
        if (order)
            notes.push_back("the " + std::string(options[column]) + " column " + argumentExcerpt(*columns[column])
                            + " holds dates that read " + dateOrderWords(*order) + ", not "
                            + dateOrderWords(settings_.dateOrder) + ": give --date-order " + dateOrderChoice(*order));
    }
    return notes;
}

bool BatchJob::onRow(const CsvReader::Row& row)
{
    if (stage_) {
        stage_->addRow(row.fields, row.emptyLine);
        rows_ += row.emptyLine ? 0 : 1;
        return true;
    }
    if (!row.emptyLine && !startWith(row.fields))
        return false;
    sink_(reader_.lineBreak());
    return true;
}

bool BatchJob::onPlainRow(const CsvReader::PlainRow& row)
{
    if (!stage_) // the header
        return onRow({std::vector<std::string>(row.fields.begin(), row.fields.end()), false});
    ++rows_;
    // On the reading thread the plain span rows skip the stage's row
    // writer, straight to its output.
    if (outputHere_ && plainSpans_.append(*outputHere_, row.line, row.fields)) {
        if (outputHere_->size() >= BatchRowStage::FlushSize)
            stage_->wroteHere();
        return true;
    }
    stage_->addPlainRow(row.line, row.fields);
    return true;
}

bool BatchJob::findColumn(const std::vector<std::string>& header, bool first, size_t& position)
{
    const std::string& column = first ? settings_.firstColumn : settings_.secondColumn;
    const ColumnSearch search = spanwright::findColumn(header, column, position);
    if (search == ColumnSearch::Found)
        return true;
    fail(std::string(first ? firstOption(settings_.mode) : secondOption(settings_.mode)) + " " + argumentExcerpt(column)
         + (search == ColumnSearch::Several ? ": the header has several columns of that name ("
                                            : ": the header has no such column (it has ")
         + headerNamesText(header) + ")");
    return false;
}

bool BatchJob::startWith(const std::vector<std::string>& header)
{
    BatchColumns columns;
    if (!findColumn(header, true, columns.first) || !findColumn(header, false, columns.second))
        return false;
    TextBuffer out;
    if (reader_.hadByteOrderMark())
        out.append(Utf8ByteOrderMark);
    appendFields(std::vector<std::string_view>(header.begin(), header.end()), settings_.delimiter, out);
    for (std::string_view name : appendedColumnNames(settings_.mode)) {
        out.push_back(settings_.delimiter);
        out.append(name);
    }
    sink_(out.view());
    DateReadOptions dateReading = settings_.dateReading;
    dateReading.order = settings_.dateOrder;
    const RowLayout layout{settings_.mode, columns,   settings_.notation, settings_.delimiter,
                           dateReading,    settings_.exactAges, header.size(), reader_.lineBreak()};
    std::shared_ptr<BatchDateNotes> notes = dateNotes_;
    stage_ = makeStage_([layout, notes] { return rowWriter(layout, notes); }, sink_);
    outputHere_ = stage_->outputHere();
    plainSpans_ = plainSpanRowsOf(layout);
    return true;
}

} // namespace spanwright
