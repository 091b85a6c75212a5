// spanwright-cli batch [FILE]: a whole spreadsheet of dates in one run.
#include "batchjob.h"
#include "batchpipeline.h"
#include "calendaroptions.h"
#include "languageoption.h"
#include "commands.h"
#include "dateorderoption.h"
#include "exitstatus.h"
#include "inputdecoder.h"
#include "notationoption.h"
#include "outputfile.h"
#include "progress.h"
#include "shortyearoptions.h"
#include "textbuffer.h"

#include <CLI/App.hpp>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>

using namespace spanwright;

namespace {

struct Arguments
{
    std::string file;
    std::optional<std::string> begin;
    std::optional<std::string> end;
    std::optional<std::string> age;
    std::optional<std::string> output;
    std::optional<std::string> encoding;
    std::string notation = DefaultNotationChoice;
    std::string delimiter = ",";
    DateReadOptions reading;
    bool exact = false;
};

constexpr size_t OutputFlushSize = 1 << 16;
constexpr size_t InputChunkSize = CsvReader::DefaultChunkSize;

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

char delimiterOf(const std::string& choice)
{
    if (choice == "tab" || choice == "\\t" || choice == "\t")
        return '\t';
    return choice.front(); // "," or ";", as the option's check allows
}

BatchSettings settingsOf(const Arguments& arguments, const std::string& inputName)
{
    BatchSettings settings;
    settings.mode = modeOf(arguments);
    const bool born = settings.mode == BatchMode::Born;
    const bool span = settings.mode == BatchMode::Span;
    if (span && arguments.exact)
        fail("--exact reads the ages of an --age column; spans from --begin and --end have none");
    settings.firstColumn = born ? *arguments.end : *arguments.begin;
    settings.secondColumn = span ? *arguments.end : *arguments.age;
    settings.notation = static_cast<Notation>(std::stoi(arguments.notation));
    settings.delimiter = delimiterOf(arguments.delimiter);
    settings.dateOrder = arguments.reading.order;
    settings.dateReading = arguments.reading;
    settings.exactAges = arguments.exact;
    settings.inputName = inputName;
    return settings;
}

// The output file, written in large pieces; the progress line is cleared
// before each, so that rows written to a terminal never run into it.
class Output
{
public:
    // untouchedNote: what a failure leaves of an old output file.
    Output(std::FILE* file, std::string name, std::string untouchedNote, Progress& progress)
        : file_(file), name_(std::move(name)), untouchedNote_(std::move(untouchedNote)), progress_(progress)
    {
    }
    void add(std::string_view text)
    {
        // The stage hands on its rows in pieces of a flush size already:
        // those go out as they are, without a copy.
        if (text_.size() == 0 && text.size() >= OutputFlushSize) {
            write(text);
            return;
        }
        text_.append(text);
        if (text_.size() >= OutputFlushSize)
            flush();
    }
    void finish()
    {
        flush();
        if (std::fflush(file_) != 0)
            failToWrite();
    }

private:
    void flush()
    {
        write(text_.view());
        text_.clear();
    }
    void write(std::string_view text)
    {
        if (text.empty())
            return;
        progress_.beforeOutput();
        if (std::fwrite(text.data(), 1, text.size(), file_) != text.size())
            failToWrite();
    }
    [[noreturn]] void failToWrite() const
    {
        fail("cannot write " + name_ + ": " + std::strerror(errno)
             + (untouchedNote_.empty() ? "" : " (" + untouchedNote_ + ")"));
    }

    std::FILE* file_;
    std::string name_;
    std::string untouchedNote_;
    Progress& progress_;
    TextBuffer text_;
};

using FileCloser = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Where the rows go: standard output, or the file -o names (never the input).
struct BatchOutput
{
    std::FILE* stream = stdout;
    std::string name = "the output";
    std::unique_ptr<OutputFile> file;
};

BatchOutput openOutput(const Arguments& arguments, std::FILE* input)
{
    BatchOutput output;
    if (arguments.output && arguments.output->empty())
        fail("-o takes the name of the file to write (- for standard output)");
    if (arguments.output && *arguments.output != "-") {
        output.name = *arguments.output;
        try {
            output.file = outputFileFor(output.name, input);
        } catch (const OutputFile::Error& error) {
            fail(error.what());
        }
        output.stream = output.file->stream();
    }
    return output;
}

Outcome runBatch(const Arguments& arguments)
{
    const bool fromStandardInput = arguments.file.empty() || arguments.file == "-";
    const std::string inputName = fromStandardInput ? "standard input" : arguments.file;
    const BatchSettings settings = settingsOf(arguments, inputName);
    const auto decoder = std::make_unique<InputDecoder>(arguments.encoding, inputName);
    std::FILE* input = fromStandardInput ? stdin : std::fopen(arguments.file.c_str(), "rb");
    if (!input)
        fail("cannot open " + arguments.file + ": " + std::strerror(errno));
    FileCloser inputCloser(fromStandardInput ? nullptr : input, std::fclose);

    BatchOutput opened = openOutput(arguments, input);
    std::FILE* const outputStream = opened.stream;
    const std::string outputName = opened.name;
    const std::unique_ptr<OutputFile> outputFile = std::move(opened.file);
    const std::string untouchedNote = outputFile ? outputFile->untouchedNote() : std::string();
    // A fault that ends the run leaves an old output file as it was.
    const auto failLeavingOutput = [&untouchedNote](const std::string& message) {
        fail(message + (untouchedNote.empty() ? "" : " (" + untouchedNote + ")"));
    };

    struct stat status {};
    const unsigned long long totalBytes =
        fstat(fileno(input), &status) == 0 && S_ISREG(status.st_mode) ? status.st_size : 0;
    // The progress line shares the terminal only with rows written to it.
    Progress progress(totalBytes, isatty(fileno(outputStream)) == 1);
    Output output(outputStream, outputName, untouchedNote, progress);
    BatchJob job(
        settings, [&output](std::string_view text) { output.add(text); },
        [](BatchRowStage::RowWriterMaker makeRowWriter, BatchRowStage::Sink sink) {
            return std::make_unique<BatchPipeline>(std::move(makeRowWriter), std::move(sink));
        });
    const auto sayNotes = [&decoder, &job] {
        std::vector<std::string> notes = decoder->notes();
        for (const std::string& note : job.notes())
            notes.push_back(note);
        for (const std::string& note : notes)
            std::cerr << "spanwright-cli: " << note << '\n';
    };

    const std::unique_ptr<char[]> chunk(new char[InputChunkSize]);
    unsigned long long bytesRead = 0;
    bool reading = true;
    while (reading) {
        const size_t size = std::fread(chunk.get(), 1, InputChunkSize, input);
        if (size == 0)
            break;
        bytesRead += size;
        reading = job.feed(decoder->decode(std::string_view(chunk.get(), size)));
        progress.update(bytesRead, job.rows());
    }
    if (std::ferror(input)) {
        const int error = errno;
        // The rows before the fault are written, where they go to standard
        // output.
        job.abandon();
        progress.clear();
        output.finish();
        failLeavingOutput("cannot read " + inputName + ": " + std::strerror(error));
    }
    if (reading)
        job.feed(decoder->finish());
    const Outcome result = job.finish();
    progress.clear();
    output.finish();
    sayNotes();
    if (result == Outcome::NotRead)
        failLeavingOutput(job.problem());
    if (outputFile) {
        try {
            outputFile->commit();
        } catch (const OutputFile::Error& error) {
            fail(error.what());
        }
    }
    return result;
}

} // namespace

void addBatchCommand(CLI::App& app)
{
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        "batch", "Spans or dates for every row of a CSV file with a header row.");
    command->add_option("FILE", arguments->file, "The CSV file; standard input when absent or -");
    command->add_option("-b,--begin", arguments->begin,
                        "The begin (birth) date column: a header name (any case) or a 1-based position");
    command->add_option("-e,--end", arguments->end, "The end (death) date column");
    command->add_option("-a,--age", arguments->age, "The stated age column");
    command->add_option("-o,--output", arguments->output,
                        "Write the rows to this file (never the input) instead of standard output");
    command
        ->add_option("-d,--delimiter", arguments->delimiter,
                     "The field delimiter of the input and the output: , (the default), ; or tab")
        ->check(CLI::IsMember({",", ";", "tab", "\\t", "\t"}));
    addNotationOption(*command, arguments->notation, false);
    addDateOrderOption(*command, arguments->reading.order);
    addCalendarOptions(*command, arguments->reading.calendar);
    addLanguageOption(*command, arguments->reading.language);
    addShortYearOptions(*command, arguments->reading.shortYears);
    command->add_option("--encoding", arguments->encoding,
                        "The encoding of the input, any that iconv knows (iconv --list); without it UTF-8, "
                        "UTF-16 or Windows-1252, as its bytes show");
    command->add_flag("-x,--exact", arguments->exact,
                      "With --age: read each age as an exact span, as born --exact and died --exact do "
                      "(every unit it does not state is 0)");
    command->footer(
        "Every input row gives one output row: its fields unchanged, then the result\n"
        "columns and an error column, empty where the row was calculated.\n"
        "  --begin with --end appends years,months,days,span,error\n"
        "  --end with --age   appends born_earliest,born_latest,born_count,error\n"
        "  --begin with --age appends died_earliest,died_latest,died_count,error\n"
        "Header names are matched in any case, blanks around them ignored. Dates are\n"
        "read as by span; where a row's dates allow several days, years, months and\n"
        "days stay empty and span holds at least ..., at most ....\n"
        "Exit status: 0 every row calculated, 1 some rows hold errors (a column whose\n"
        "dates read only in another --date-order is named on standard error), 2 a\n"
        "mistake in the command, a file that cannot be read or written, or a quote\n"
        "out of place.\n"
        "The input may be UTF-8, UTF-16 or Windows-1252 (said on standard error where it\n"
        "is not UTF-8); the output is UTF-8. -o FILE takes FILE's place only at the end:\n"
        "Ctrl-C, SIGTERM, SIGHUP, any other signal that can be caught or a write error\n"
        "leave an old FILE as it was.\n\n"
        "Examples:\n"
        "  spanwright-cli batch people.csv --begin Born --end Died -o spans.csv\n"
        "  spanwright-cli batch stones.csv --end 3 --age 4 > births.csv\n"
        "  spanwright-cli batch registre.csv -d ';' --date-order dmy -b Naissance -e Deces\n"
        "  xzcat register.csv.xz | spanwright-cli batch --begin Baptised --end Buried -n 1");
    command->callback([arguments] {
        Outcome outcome = Outcome::Answered;
        try {
            outcome = runBatch(*arguments);
        } catch (const UsageError& error) {
            std::cerr << "spanwright-cli: " << error.message << '\n';
            throw exitWith(ExitUsage);
        } catch (const InputDecoder::Error& error) {
            std::cerr << "spanwright-cli: " << error.what() << '\n';
            throw exitWith(ExitUsage);
        }
        if (outcome != Outcome::Answered)
            throw exitWith(outcome);
    });
}
