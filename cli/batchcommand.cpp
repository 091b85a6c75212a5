// spanwright-cli batch [FILE]: a whole spreadsheet of dates in one run.
#include "batchpipeline.h"
#include "batchrows.h"
#include "commands.h"
#include "csvfield.h"
#include "csvreader.h"
#include "exitstatus.h"
#include "notationoption.h"
#include "progress.h"
#include "textbuffer.h"

#include <CLI/App.hpp>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>

namespace {

struct Arguments
{
    std::string file;
    std::optional<std::string> begin;
    std::optional<std::string> end;
    std::optional<std::string> age;
    std::string notation = DefaultNotationChoice;
};

constexpr size_t OutputFlushSize = 1 << 16;

// What went wrong with the command itself, said on standard error.
struct UsageError
{
    std::string message;
};

[[noreturn]] void fail(const std::string& message)
{
    throw UsageError{message};
}

BatchMode modeOf(const Arguments& arguments)
{
    if (arguments.begin && arguments.end && !arguments.age)
        return BatchMode::Span;
    if (arguments.end && arguments.age && !arguments.begin)
        return BatchMode::Born;
    if (arguments.begin && arguments.age && !arguments.end)
        return BatchMode::Died;
    fail("batch takes two of --begin, --end and --age: --begin with --end for spans, --end with "
         "--age for birth dates, --begin with --age for end dates");
}

// The output, written in large pieces: rows are built at its end, and it
// goes out once it has grown past a flush size.
class Output
{
public:
    TextBuffer& text() { return text_; }
    void flushWhenFull()
    {
        if (text_.size() >= OutputFlushSize)
            flush();
    }
    void finish()
    {
        flush();
        if (std::fflush(stdout) != 0)
            fail(std::string("cannot write the output: ") + std::strerror(errno));
    }

private:
    void flush()
    {
        const std::string_view text = text_.view();
        if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
            fail(std::string("cannot write the output: ") + std::strerror(errno));
        text_.clear();
    }

    TextBuffer text_;
};

void appendFields(const std::vector<std::string_view>& fields, TextBuffer& out)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out.push_back(',');
        appendCsvField(out, fields[i]);
    }
}

// What the header decides about every row that follows.
struct RowLayout
{
    BatchMode mode;
    BatchColumns columns;
    Notation notation;
    size_t headerFields;
    std::string_view lineBreak;
};

// Writes a row: its fields as they came, then the results.
BatchPipeline::RowWriter rowWriter(const RowLayout& layout)
{
    auto calculator = std::make_shared<BatchRowCalculator>(layout.mode, layout.columns, layout.notation);
    return [layout, calculator](const BatchPipeline::Fields& fields, bool emptyLine, TextBuffer& out) {
        bool calculated = true;
        if (!emptyLine) {
            appendFields(fields, out);
            // A short row is filled up, so that the results stand under
            // their names. (A long row keeps its extra fields; its results
            // follow them.)
            if (fields.size() < layout.headerFields)
                out.append(layout.headerFields - fields.size(), ',');
            calculated = calculator->appendResults(fields, out);
        }
        out.append(layout.lineBreak);
        return calculated;
    };
}

// One run over the input: the header first, then every row.
class BatchRun
{
public:
    explicit BatchRun(const Arguments& arguments) : arguments_(arguments), mode_(modeOf(arguments)) {}

    int run(std::FILE* input, const std::string& inputName, unsigned long long totalBytes)
    {
        Progress progress(totalBytes);
        const CsvReader::Outcome outcome = reader_.read(
            input, [this](const CsvReader::Row& row) { return onRow(row); },
            [&](unsigned long long bytes) { progress.update(bytes, rows_); });
        progress.finish(rows_);
        switch (outcome) {
        case CsvReader::Outcome::Stopped:
            fail(failure_);
        case CsvReader::Outcome::ReadError:
            // The rows before the fault are written.
            finishOutput();
            fail("cannot read " + inputName + ": " + std::strerror(reader_.readError()));
        case CsvReader::Outcome::Malformed:
            finishOutput();
            fail(inputName + ": " + reader_.malformedReason());
        case CsvReader::Outcome::Done:
            break;
        }
        if (!pipeline_)
            fail(inputName + " has no header row");
        finishOutput();
        return pipeline_->someFailed() ? ExitNoAnswer : ExitSuccess;
    }

private:
    void finishOutput()
    {
        if (pipeline_)
            pipeline_->finish();
        output_.finish();
    }

    // Returns false, with failure_ set, to stop the reading.
    bool onRow(const CsvReader::Row& csvRow)
    {
        try {
            if (pipeline_) {
                pipeline_->addRow(csvRow.fields, csvRow.emptyLine);
                rows_ += csvRow.emptyLine ? 0 : 1;
                return true;
            }
            if (!csvRow.emptyLine && !startWith(csvRow.fields))
                return false;
            output_.text().append(reader_.lineBreak());
            output_.flushWhenFull();
        } catch (const UsageError& error) {
            failure_ = error.message;
            return false;
        }
        return true;
    }

    // The header: finds the columns and names the new ones.
    bool startWith(const std::vector<std::string>& header)
    {
        const bool born = mode_ == BatchMode::Born;
        const bool span = mode_ == BatchMode::Span;
        BatchColumns columns;
        if (!findColumn(header, born ? "--end" : "--begin", born ? *arguments_.end : *arguments_.begin, columns.first)
            || !findColumn(header, span ? "--end" : "--age", span ? *arguments_.end : *arguments_.age, columns.second))
            return false;
        TextBuffer& out = output_.text();
        if (reader_.hadByteOrderMark())
            out.append(Utf8ByteOrderMark);
        appendFields(std::vector<std::string_view>(header.begin(), header.end()), out);
        for (std::string_view name : appendedColumnNames(mode_)) {
            out.push_back(',');
            out.append(name);
        }
        const RowLayout layout{mode_, columns, static_cast<Notation>(std::stoi(arguments_.notation)),
                               header.size(), reader_.lineBreak()};
        pipeline_.emplace([layout] { return rowWriter(layout); },
                          [this](std::string_view text) {
                              output_.text().append(text);
                              output_.flushWhenFull();
                          });
        return true;
    }

    bool findColumn(const std::vector<std::string>& header, const char* option, const std::string& name,
                    size_t& position)
    {
        if (::findColumn(header, name, position))
            return true;
        failure_ = std::string(option) + " " + name + ": the header has no such column (it has "
            + std::to_string(header.size()) + ")";
        return false;
    }

    const Arguments& arguments_;
    const BatchMode mode_;
    CsvReader reader_;
    Output output_;
    std::optional<BatchPipeline> pipeline_; // from the header on
    std::string failure_;
    unsigned long long rows_ = 0;
};

int runBatch(const Arguments& arguments)
{
    const bool fromStandardInput = arguments.file.empty() || arguments.file == "-";
    const std::string inputName = fromStandardInput ? "standard input" : arguments.file;
    BatchRun batch(arguments);
    std::FILE* input = fromStandardInput ? stdin : std::fopen(arguments.file.c_str(), "rb");
    if (!input)
        fail("cannot open " + arguments.file + ": " + std::strerror(errno));
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> closer(fromStandardInput ? nullptr : input, std::fclose);
    struct stat status {};
    const unsigned long long totalBytes =
        fstat(fileno(input), &status) == 0 && S_ISREG(status.st_mode) ? status.st_size : 0;
    return batch.run(input, inputName, totalBytes);
}

} // namespace

void addBatchCommand(CLI::App& app)
{
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        "batch", "Spans or dates for every row of a CSV file with a header row.");
    command->add_option("FILE", arguments->file, "The CSV file; standard input when absent or -");
    command->add_option("-b,--begin", arguments->begin, "The begin (birth) date column: a header name or a 1-based position");
    command->add_option("-e,--end", arguments->end, "The end (death) date column");
    command->add_option("-a,--age", arguments->age, "The stated age column");
    addNotationOption(*command, arguments->notation, false);
    command->footer(
        "Every input row gives one output row: its fields unchanged, then the result\n"
        "columns and an error column, empty where the row was calculated.\n"
        "  --begin with --end appends years,months,days,span,error\n"
        "  --end with --age   appends born_earliest,born_latest,born_count,error\n"
        "  --begin with --age appends died_earliest,died_latest,died_count,error\n"
        "Exit status: 0 every row calculated, 1 some rows hold errors, 2 a mistake in\n"
        "the command, a file that cannot be read or written, or a quote out of place.\n\n"
        "Examples:\n"
        "  spanwright-cli batch people.csv --begin Born --end Died > spans.csv\n"
        "  spanwright-cli batch stones.csv --end 3 --age 4 > births.csv\n"
        "  xzcat register.csv.xz | spanwright-cli batch --begin Baptised --end Buried -n 1");
    command->callback([arguments] {
        int status = ExitSuccess;
        try {
            status = runBatch(*arguments);
        } catch (const UsageError& error) {
            std::cerr << "spanwright-cli: " << error.message << '\n';
            throw exitWith(ExitUsage);
        }
        if (status != ExitSuccess)
            throw exitWith(static_cast<ExitStatus>(status));
    });
}
