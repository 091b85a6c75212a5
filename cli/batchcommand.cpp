// spanwright-cli batch [FILE]: a whole spreadsheet of dates in one run.
#include "batchrows.h"
#include "commands.h"
#include "csvfield.h"
#include "csvreader.h"
#include "exitstatus.h"
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
    std::string notation = "4";
};

constexpr size_t OutputFlushSize = 1 << 16;
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

[[noreturn]] void fail(const std::string& message)
{
    std::cerr << "spanwright-cli: " << message << '\n';
    throw exitWith(ExitUsage);
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

// Writes the output in large pieces; a write error ends the run.
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

int runBatch(const Arguments& arguments)
{
    const BatchMode mode = modeOf(arguments);
    const bool fromStandardInput = arguments.file.empty() || arguments.file == "-";
    std::FILE* input = fromStandardInput ? stdin : std::fopen(arguments.file.c_str(), "rb");
    if (!input)
        fail("cannot open " + arguments.file + ": " + std::strerror(errno));
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> closer(fromStandardInput ? nullptr : input, std::fclose);

    struct stat status {};
    const unsigned long long totalBytes =
        fstat(fileno(input), &status) == 0 && S_ISREG(status.st_mode) ? status.st_size : 0;
    Progress progress(totalBytes);

    CsvReader reader;
    Output output;
    std::optional<BatchRowCalculator> calculator;
    std::string row;
    size_t headerFields = 0;
    unsigned long long rows = 0;
    bool someFailed = false;

    const auto onRow = [&](const CsvReader::Row& csvRow) {
        row.clear();
        if (!calculator && !csvRow.emptyLine) {
            // The header: find the columns, name the new ones.
            const std::vector<std::string>& header = csvRow.fields;
            const auto column = [&](const std::optional<std::string>& name, const char* option) {
                size_t position = 0;
                if (!findColumn(header, *name, position))
                    fail(std::string(option) + " " + *name + ": no such column in the header");
                return position;
            };
            BatchColumns columns;
            columns.first = column(mode == BatchMode::Born ? arguments.end : arguments.begin,
                                   mode == BatchMode::Born ? "--end" : "--begin");
            columns.second = column(mode == BatchMode::Span ? arguments.end : arguments.age,
                                    mode == BatchMode::Span ? "--end" : "--age");
            calculator.emplace(mode, columns, static_cast<Notation>(std::stoi(arguments.notation)));
            headerFields = header.size();
            if (reader.hadByteOrderMark())
                output.add(Utf8ByteOrderMark);
            for (size_t i = 0; i < header.size(); ++i) {
                if (i > 0)
                    row.push_back(',');
                appendCsvField(row, header[i]);
            }
            for (std::string_view name : appendedColumnNames(mode)) {
                row.push_back(',');
                row.append(name);
            }
        } else if (!csvRow.emptyLine) {
            for (size_t i = 0; i < csvRow.fields.size(); ++i) {
                if (i > 0)
                    row.push_back(',');
                appendCsvField(row, csvRow.fields[i]);
            }
            // A short row is filled up, so that the results stand under
            // their names.
            if (csvRow.fields.size() < headerFields)
                row.append(headerFields - csvRow.fields.size(), ',');
            someFailed |= !calculator->appendResults(csvRow.fields, row);
            ++rows;
        }
        row.append(reader.lineBreak());
        output.add(row);
    };
    const bool read = reader.read(input, onRow, [&](unsigned long long bytes) { progress.update(bytes, rows); });
    if (!read)
        fail("cannot read " + (fromStandardInput ? std::string("standard input") : arguments.file) + ": "
             + std::strerror(errno));
    output.finish();
    return someFailed ? ExitNoAnswer : ExitSuccess;
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
    command->add_option("-n,--notation", arguments->notation,
                        "The span column's notation: 1 m/d/y, 2 m-d-y, 3 m.d.y, 4 worded (the default)")
        ->check(CLI::IsMember({"1", "2", "3", "4"}))
        ->capture_default_str();
    command->footer(
        "Every input row gives one output row: its fields unchanged, then the result\n"
        "columns and an error column, empty where the row was calculated.\n"
        "  --begin with --end appends years,months,days,span,error\n"
        "  --end with --age   appends born_earliest,born_latest,born_count,error\n"
        "  --begin with --age appends died_earliest,died_latest,died_count,error\n"
        "Exit status: 0 every row calculated, 1 some rows hold errors, 2 usage or I/O error.\n\n"
        "Examples:\n"
        "  spanwright-cli batch people.csv --begin Born --end Died > spans.csv\n"
        "  spanwright-cli batch stones.csv --end 3 --age 4 > births.csv\n"
        "  cut -d, -f2,5 register.csv | spanwright-cli batch --begin 1 --end 2 -n 1");
    command->callback([arguments] {
        const int status = runBatch(*arguments);
        if (status != ExitSuccess)
            throw exitWith(static_cast<ExitStatus>(status));
    });
}
