// spanwright-cli narrow RECORD...: the birth dates every record that states
// an age allows (censuses, stones, marriages, deaths), and the records to
// doubt where they do not agree.
#include "calendaroptions.h"
#include "languageoption.h"
#include "commands.h"
#include "dateorderoption.h"
#include "exitstatus.h"
#include "inputdecoder.h"
#include "narrowanswer.h"
#include "narrowcsvjob.h"
#include "narrowsvg.h"
#include "outputfile.h"
#include "shortyearoptions.h"
#include "temporarycopy.h"

#include <CLI/App.hpp>

#include <sys/stat.h>

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
    std::vector<std::string> records;
    std::string format = "text";
    NarrowOptions options;
    std::optional<std::string> svg;
    std::optional<std::string> csv;
    std::string person;
    std::string date;
    std::string age;
    std::optional<std::string> output;
    std::optional<std::string> encoding;
    std::string delimiter = ",";
};

constexpr size_t InputChunkSize = 1 << 16;

using FileCloser = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

[[noreturn]] void failWith(const std::string& message)
{
    std::cerr << "spanwright-cli: " << message << '\n';
    throw exitWith(ExitUsage);
}

// The input of narrow --csv, read once and once more where the job asks
// (NarrowCsvJob::endPass): a regular file in place, anything else
// (standard input, a pipe, a FIFO) copied to a temporary file as the first
// pass reads it, a second pass reading the copy. The job keeps each
// record's window and asks for none today; the copy is still made, and a
// pipe still refused where none can be (an unusable TMPDIR, the file size
// limit), as before.
class CsvInput
{
public:
    explicit CsvInput(const std::string& path) : name_(path == "-" ? "standard input" : path)
    {
        if (path == "-") {
            file_ = stdin;
        } else {
            opened_.reset(std::fopen(path.c_str(), "rb"));
            if (!opened_)
                failWith("cannot open " + path + ": " + std::strerror(errno));
            file_ = opened_.get();
        }
        reading_ = file_;
        struct stat status {};
        if (fstat(fileno(file_), &status) == 0 && S_ISREG(status.st_mode)) {
            start_ = ftello(file_); // standard input may be a file read partly already
            if (start_ >= 0)
                return;
        }
        const TemporaryCopy copy = openTemporaryCopy();
        copy_.reset(copy.file);
        copyName_ = "the temporary copy of " + name_ + " in " + copy.folder;
        if (!copy_)
            failWith("cannot make a temporary copy of " + name_ + " in " + copy.folder + " (TMPDIR names the folder): "
                     + std::strerror(copy.error));
    }
    CsvInput(const CsvInput&) = delete;
    CsvInput& operator=(const CsvInput&) = delete;

    const std::string& name() const { return name_; }
    std::FILE* file() const { return file_; }

    // Starts a pass: the first reads the input, a later one the file again
    // or the copy.
    void startPass(int pass)
    {
        if (pass == 1)
            return;
        if (copy_) {
            if (std::fflush(copy_.get()) != 0)
                failWith("cannot write " + copyName_ + ": " + std::strerror(errno));
            std::rewind(copy_.get());
            reading_ = copy_.get();
            return;
        }
        if (fseeko(file_, start_, SEEK_SET) != 0)
            failWith("cannot read " + name_ + " again: " + std::strerror(errno));
    }

    // The next bytes of this pass, into chunk; 0 at its end.
    size_t read(char* chunk, size_t size)
    {
        const size_t got = std::fread(chunk, 1, size, reading_);
        if (got == 0 && std::ferror(reading_))
            failWith("cannot read " + name_ + ": " + std::strerror(errno));
        if (copy_ && reading_ == file_ && got > 0 && std::fwrite(chunk, 1, got, copy_.get()) != got)
            failWith("cannot write " + copyName_ + ": " + std::strerror(errno));
        return got;
    }

private:
    std::string name_;
    std::string copyName_; // in messages
    FileCloser opened_{nullptr, std::fclose};
    FileCloser copy_{nullptr, std::fclose};
    std::FILE* file_ = nullptr;
    std::FILE* reading_ = nullptr;
    off_t start_ = 0;
};

// The rows, to standard output or through -o's output file, which takes
// the place of an old one only once every row is written.
Outcome writeRows(const Arguments& arguments, const CsvInput& input, NarrowCsvJob& job)
{
    std::FILE* outputStream = stdout;
    std::string outputName = "the output";
    std::unique_ptr<OutputFile> outputFile;
    if (arguments.output && *arguments.output != "-") {
        outputName = *arguments.output;
        try {
            outputFile = outputFileFor(outputName, input.file());
        } catch (const OutputFile::Error& error) {
            failWith(error.what());
        }
        outputStream = outputFile->stream();
    }
    // A write that fails leaves an old output file as it was, and says so.
    const std::string note = outputFile ? outputFile->untouchedNote() : std::string();
    const auto failToWrite = [&](int error) {
        failWith("cannot write " + outputName + ": " + std::strerror(error) + (note.empty() ? "" : " (" + note + ")"));
    };
    const Outcome result = job.write([&](std::string_view text) {
        if (std::fwrite(text.data(), 1, text.size(), outputStream) != text.size())
            failToWrite(errno);
    });
    if (std::fflush(outputStream) != 0)
        failToWrite(errno);
    if (outputFile) {
        try {
            outputFile->commit();
        } catch (const OutputFile::Error& error) {
            failWith(error.what());
        }
    }
    return result;
}

void runCsv(const Arguments& arguments)
{
    if (arguments.person.empty() || arguments.date.empty() || arguments.age.empty())
        failWith("narrow --csv takes --person, --date and --age, the columns of the person, the date and the age");
    if (!arguments.records.empty())
        failWith("narrow --csv reads its records from the file: give no RECORD beside it");
    if (arguments.options.range)
        failWith("--range is for the records' answer: narrow --csv writes the earliest, latest and dates columns");
    if (arguments.output && arguments.output->empty())
        failWith("-o takes the name of the file to write (- for standard output)");
    CsvInput input(*arguments.csv);

    NarrowCsvSettings settings;
    settings.personColumn = arguments.person;
    settings.dateColumn = arguments.date;
    settings.ageColumn = arguments.age;
    settings.delimiter = arguments.delimiter == "tab" || arguments.delimiter == "\\t" ? '\t' : arguments.delimiter.front();
    settings.options = arguments.options;
    settings.inputName = input.name();
    NarrowCsvJob job(settings);
    const std::unique_ptr<char[]> chunk(new char[InputChunkSize]);
    std::vector<std::string> notes;
    int pass = 0;
    try {
        do {
            input.startPass(++pass);
            InputDecoder decoder(arguments.encoding, input.name()); // each pass decides anew, as the first did
            bool reading = true;
            while (reading) {
                const size_t size = input.read(chunk.get(), InputChunkSize);
                reading = size > 0 && job.feed(decoder.decode(std::string_view(chunk.get(), size)));
                if (size == 0)
                    job.feed(decoder.finish());
            }
            if (pass == 1)
                notes = decoder.notes();
        } while (job.endPass());
    } catch (const InputDecoder::Error& error) {
        failWith(error.what());
    }
    for (const std::string& note : notes)
        std::cerr << "spanwright-cli: " << note << '\n';
    if (!job.problem().empty())
        failWith(job.problem());

    const Outcome result = writeRows(arguments, input, job);
    if (result != Outcome::Answered)
        throw exitWith(result);
}

// An option given where it has nothing to change is refused: its user
// expects something of it that would not happen.
void refuseIdleOptions(const CLI::App& command, const Arguments& arguments)
{
    if (arguments.csv) {
        for (const char* option : {"--format", "--svg"}) {
            if (command.count(option) > 0)
                failWith(std::string(option) + " is for the records' answer: narrow --csv writes its rows as CSV");
        }
        return;
    }
    for (const char* option : {"--output", "--person", "--date", "--age", "--delimiter", "--encoding"}) {
        if (command.count(option) > 0)
            failWith(std::string(option) + " is for narrow --csv: the records' answer goes to standard output");
    }
    if (arguments.svg && (arguments.svg->empty() || *arguments.svg == "-"))
        failWith("--svg takes the name of the file to write the picture to (the answer goes to standard output)");
}

void run(const Arguments& arguments)
{
    if (arguments.csv) {
        runCsv(arguments);
        return;
    }
    const NarrowAnswer answer = answerNarrowQuestion(arguments.records, arguments.options);
    if (answer.outcome == Outcome::NotRead) {
        for (const std::string& problem : answer.problems)
            std::cerr << "spanwright-cli: " << problem << '\n';
        throw exitWith(ExitUsage);
    }
    if (arguments.svg) {
        const std::string picture = narrowAnswerSvg(answer, arguments.options.reading.order);
        try {
            OutputFile file(*arguments.svg);
            if (std::fwrite(picture.data(), 1, picture.size(), file.stream()) != picture.size()) {
                const std::string note = file.untouchedNote();
                failWith("cannot write " + *arguments.svg + ": " + std::strerror(errno)
                         + (note.empty() ? "" : " (" + note + ")"));
            }
            file.commit();
        } catch (const OutputFile::Error& error) {
            failWith(error.what());
        }
    }
    if (arguments.format == "csv")
        std::cout << narrowAnswerCsv(answer, arguments.options);
    else if (arguments.format == "json")
        std::cout << narrowAnswerJson(answer, arguments.options);
    else
        std::cout << narrowAnswerText(answer, arguments.options);
    if (answer.outcome != Outcome::Answered)
        throw exitWith(answer.outcome);
}

// The options of a CSV file of records, one a row.
void addCsvOptions(CLI::App& command, Arguments& arguments)
{
    command.add_option("--csv", arguments.csv,
                       "Read one record per row of this CSV file (with a header row; - for standard input) and "
                       "write one row per person: person,records,earliest,latest,dates,conflict,error");
    command.add_option("--person", arguments.person,
                       "With --csv: the person column (a header name or a 1-based position)");
    command.add_option("--date", arguments.date, "With --csv: the date or census column");
    command.add_option("--age", arguments.age, "With --csv: the stated age column");
    command.add_option("-o,--output", arguments.output, "With --csv: write the rows to this file (never the input)");
    command
        .add_option("-d,--delimiter", arguments.delimiter,
                    "With --csv: the field delimiter of the input and the output: , (the default), ; or tab")
        ->check(CLI::IsMember({",", ";", "tab", "\\t", "\t"}));
    command.add_option("--encoding", arguments.encoding,
                       "With --csv: the encoding of the input, any that iconv knows (iconv --list); without it "
                       "UTF-8, UTF-16 or Windows-1252, as its bytes show");
}

} // namespace

void addNarrowCommand(CLI::App& app)
{
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        "narrow", "The birth dates that every record stating an age allows (censuses, stones, marriages, deaths).");
    command->add_option("RECORD", arguments->records,
                        "A record WHEN: AGE, WHEN a date (6/4/1871, June 1871, about 1871...) or a census "
                        "(\"US 1880 census\", \"England 1851 census\"), AGE as stated (34, aged 39, in her 80th "
                        "year, of full age, under 21, 20-29, 45 and upwards...)");
    command->add_option("-f,--format", arguments->format, "text (the default), csv or json")
        ->check(CLI::IsMember({"text", "csv", "json"}));
    addDateOrderOption(*command, arguments->options.reading.order);
    addCalendarOptions(*command, arguments->options.reading.calendar);
    addLanguageOption(*command, arguments->options.reading.language);
    addShortYearOptions(*command, arguments->options.reading.shortYears);
    command->add_flag("-x,--exact", arguments->options.exact,
                      "Read each age the age reader takes as an exact span, as born --exact does: every unit "
                      "it does not state is 0 (\"aged 39\" is 39 years, 0 months, 0 days); ranges and brackets "
                      "keep their bounds, and a census age stays one of completed years, by its census's rule");
    command->add_flag("-r,--range", arguments->options.range,
                      "Print each window as \"M/D/YYYY through M/D/YYYY (N dates)\" even for one date");
    command->add_option("--svg", arguments->svg,
                        "Also write a picture to this SVG file: a bar per record on a time axis, the overlap "
                        "shaded, a record that fits none of the others drawn apart");
    addCsvOptions(*command, *arguments);
    command->footer(
        "Each record allows a window of birth dates: a census age is the age on the\n"
        "census day, an age is precise to its smallest stated unit (34 is 34 completed\n"
        "years, any months and days), and the 1841 census of England, Wales and\n"
        "Scotland wrote ages of 15 and more rounded down to a multiple of 5 (its 30 is\n"
        "30 to 34 years); the Canadian censuses of 1851 and 1861 the age at the next\n"
        "birthday, and an infant's 3/12 is 3 months. \"US 1850 census (7 Nov 1850)\"\n"
        "takes the age on the day the enumerator came, by its census's rule.\n"
        "The first line is the window every record allows, then a\n"
        "line per record with its own. Where no birth date fits every record the\n"
        "status is 1: the largest sets of records that agree are printed with their\n"
        "windows and the records each leaves out, the ones to doubt.\n\n"
        "Dates are read as born reads them (--date-order, --switch, --year-start,\n"
        "--century, --pivot); a record of another calendar (a dual year, O.S., a date\n"
        "before --switch) ends its line with how it was read, \"; date: 11 Feb 1731/32\n"
        "(Julian) = 22 Feb 1732 (Gregorian)\" (the calendar column and key of csv and\n"
        "json). --exact reads an age as an exact span, as born --exact does; --range\n"
        "prints one date as a window too. A census is read as \"US 1880 census\",\n"
        "\"1880 US census\", \"US census 1880\", \"1880 census of the US\", \"England and\n"
        "Wales 1851 census\"...; its day is a Gregorian day, so a census marked O.S. or\n"
        "another calendar, or put before the first Gregorian day of --switch, is\n"
        "refused.\n\n"
        "Examples:\n"
        "  spanwright-cli narrow 'England 1851 census: 34' 'England 1861 census: 44'\n"
        "      4/8/1816 through 3/30/1817 (357 dates)\n"
        "  spanwright-cli narrow '8/3/1904: aged 79y 9m 29d' 'US 1880 census: 55'\n"
        "  spanwright-cli narrow --format json 'US 1900 census: 34' '5/2/1891: of full age'\n"
        "  spanwright-cli narrow --switch GB '10 Feb 1720: 30' '4 Mar 1750/51: 61'\n"
        "      3/16/1689 through 2/21/1690 (343 dates)\n"
        "  spanwright-cli narrow --csv census.csv --person Name --date Census --age Age -o births.csv\n"
        "  zcat census.csv.gz | spanwright-cli narrow --csv - --person 1 --date 2 --age 3\n\n"
        "With --csv the people come in the order of their first row; conflict names the\n"
        "rows each largest agreeing set leaves out, and a row that cannot be read gets\n"
        "an error row under its person. A regular file is read twice where records\n"
        "conflict; standard input (-), a pipe or a FIFO is copied to a temporary file\n"
        "for that. The input is decoded as the batch's (UTF-8, UTF-16 or Windows-1252,\n"
        "or --encoding); -o FILE and --svg FILE take FILE's place only at the end, so\n"
        "that a signal or a write error leaves an old FILE as it was. Status 1 when\n"
        "some row holds an error or some person's records conflict.");
    command->callback([arguments, command] {
        refuseIdleOptions(*command, *arguments);
        run(*arguments);
    });
}
