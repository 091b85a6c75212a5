// spanwright-cli batch [FILE]: a whole spreadsheet of dates in one run.
#include "batchrows.h"
#include "commands.h"
#include "csvfield.h"
#include "csvreader.h"
#include "exitstatus.h"
#include "notationoption.h"
#include "progress.h"

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

// Writes the output in large pieces.
class Output
{
public:
    void add(std::string_view text)
    {
        buffer_.append(text);
        if (buffer_.size() >= OutputFlushSize)
            flush();
    }
    void flush()
    {
        if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size())
            fail(std::string("cannot write the output: ") + std::strerror(errno));
        buffer_.clear();
    }
    void finish()
    {
        flush();
        if (std::fflush(stdout) != 0)
            fail(std::string("cannot write the output: ") + std::strerror(errno));
    }

private:
    std::string buffer_;
};

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
            fail("cannot read " + inputName + ": " + std::strerror(errno));
        case CsvReader::Outcome::Malformed:
            output_.finish();
            fail(inputName + ": " + reader_.malformedReason());
        case CsvReader::Outcome::Done:
            break;
        }
        if (!calculator_)
            fail(inputName + " has no header row");
        output_.finish();
        return someFailed_ ? ExitNoAnswer : ExitSuccess;
    }

private:
    // Returns false, with failure_ set, to stop the reading.
    bool onRow(const CsvReader::Row& csvRow)
    {
        row_.clear();
        if (!csvRow.emptyLine) {
            if (!calculator_) {
                if (!startWith(csvRow.fields))
                    return false;
            } else {
                appendRow(csvRow.fields);
            }
        }
        row_.append(reader_.lineBreak());
        try {
            output_.add(row_);
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
        calculator_.emplace(mode_, columns, static_cast<Notation>(std::stoi(arguments_.notation)));
        headerFields_ = header.size();
        if (reader_.hadByteOrderMark())
            output_.add(Utf8ByteOrderMark);
        appendFields(header);
        for (std::string_view name : appendedColumnNames(mode_)) {
            row_.push_back(',');
            row_.append(name);
        }
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

    void appendRow(const std::vector<std::string>& fields)
    {
        appendFields(fields);
        // A short row is filled up, so that the results stand under their
        // names. (A long row keeps its extra fields; its results follow them.)
        if (fields.size() < headerFields_)
            row_.append(headerFields_ - fields.size(), ',');
        someFailed_ |= !calculator_->appendResults(fields, row_);
        ++rows_;
    }

    void appendFields(const std::vector<std::string>& fields)
    {
        for (size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                row_.push_back(',');
            appendCsvField(row_, fields[i]);
        }
    }

    const Arguments& arguments_;
    const BatchMode mode_;
    CsvReader reader_;
    Output output_;
    std::optional<BatchRowCalculator> calculator_;
    std::string row_;
    std::string failure_;
    size_t headerFields_ = 0;
    unsigned long long rows_ = 0;
    bool someFailed_ = false;
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
