#include "webbatch.h"

#include "csvfield.h"
#include "csvreader.h"
#include "textbuffer.h"

#include <cstring>

namespace {

// The output goes on once it has grown past this.
constexpr size_t OutputPieceSize = 1 << 20;

std::optional<BatchMode> modeOf(const WebBatchOptions& options)
{
    if (options.begin && options.end && !options.age)
        return BatchMode::Span;
    if (options.end && options.age && !options.begin)
        return BatchMode::Born;
    if (options.begin && options.age && !options.end)
        return BatchMode::Died;
    return std::nullopt;
}

template <typename Fields>
void appendFields(const Fields& fields, TextBuffer& out)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out.push_back(',');
        appendCsvField(out, std::string_view(fields[i]));
    }
}

class Run
{
public:
    Run(std::string_view inputName, const WebBatchOptions& options, BatchMode mode, const WebBatchSink& sink)
        : inputName_(inputName), options_(options), mode_(mode), sink_(sink)
    {
    }

    WebBatchOutcome read(std::FILE* input, const WebBatchProgress& progress)
    {
        const CsvReader::Outcome outcome = reader_.read(
            input, [this](const CsvReader::Row& row) { return onRow(row); },
            [&](unsigned long long bytes) { progress(bytes, outcome_.rows); });
        switch (outcome) {
        case CsvReader::Outcome::Stopped:
            break;
        case CsvReader::Outcome::ReadError:
            outcome_.problem = "cannot read " + inputName_ + ": " + std::strerror(reader_.readError());
            break;
        case CsvReader::Outcome::Malformed:
            outcome_.problem = inputName_ + ": " + reader_.malformedReason();
            break;
        case CsvReader::Outcome::Done:
            if (!calculator_)
                outcome_.problem = inputName_ + " has no header row";
            break;
        }
        flush();
        return outcome_;
    }

private:
    bool onRow(const CsvReader::Row& row)
    {
        if (calculator_)
            writeRow(row);
        else if (!row.emptyLine && !startWith(row.fields))
            return false;
        else
            out_.append(reader_.lineBreak());
        if (out_.size() >= OutputPieceSize)
            flush();
        return true;
    }

    void writeRow(const CsvReader::Row& row)
    {
        if (!row.emptyLine) {
            fields_.assign(row.fields.begin(), row.fields.end());
            appendFields(fields_, out_);
            // A short row is filled up, so that the results stand under
            // their names.
            if (fields_.size() < headerFields_)
                out_.append(headerFields_ - fields_.size(), ',');
            ++outcome_.rows;
            if (!calculator_->appendResults(fields_, out_))
                ++outcome_.rowsWithErrors;
        }
        out_.append(reader_.lineBreak());
    }

    bool startWith(const std::vector<std::string>& header)
    {
        const bool born = mode_ == BatchMode::Born;
        const bool span = mode_ == BatchMode::Span;
        BatchColumns columns;
        if (!findColumn(header, born ? "--end" : "--begin", born ? *options_.end : *options_.begin, columns.first)
            || !findColumn(header, span ? "--end" : "--age", span ? *options_.end : *options_.age,
                           columns.second))
            return false;
        if (reader_.hadByteOrderMark())
            out_.append(Utf8ByteOrderMark);
        appendFields(header, out_);
        for (std::string_view name : appendedColumnNames(mode_)) {
            out_.push_back(',');
            out_.append(name);
        }
        headerFields_ = header.size();
        calculator_.emplace(mode_, columns, options_.notation);
        return true;
    }

    bool findColumn(const std::vector<std::string>& header, const char* option, const std::string& name,
                    size_t& position)
    {
        if (::findColumn(header, name, position))
            return true;
        outcome_.problem = std::string(option) + " " + name + ": the header has no such column (it has "
            + std::to_string(header.size()) + ")";
        return false;
    }

    void flush()
    {
        if (out_.size() > 0)
            sink_(out_.view());
        out_.clear();
    }

    const std::string inputName_;
    const WebBatchOptions& options_;
    const BatchMode mode_;
    const WebBatchSink& sink_;
    CsvReader reader_;
    TextBuffer out_;
    std::optional<BatchRowCalculator> calculator_; // from the header on
    std::vector<std::string_view> fields_;
    size_t headerFields_ = 0;
    WebBatchOutcome outcome_;
};

} // namespace

WebBatchOutcome runWebBatch(std::FILE* input, std::string_view inputName, const WebBatchOptions& options,
                            const WebBatchSink& sink, const WebBatchProgress& progress)
{
    const std::optional<BatchMode> mode = modeOf(options);
    if (!mode) {
        WebBatchOutcome outcome;
        outcome.problem = "choose two columns: begin with end for spans, end with age for birth dates, "
                          "begin with age for end dates";
        return outcome;
    }
    Run run(inputName, options, *mode, sink);
    return run.read(input, progress);
}

std::vector<std::string> csvHeaderFields(std::FILE* input)
{
    std::vector<std::string> header;
    CsvReader reader;
    reader.read(input, [&header](const CsvReader::Row& row) {
        if (row.emptyLine)
            return true;
        header = row.fields;
        return false;
    });
    return header;
}
