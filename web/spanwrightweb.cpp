// What the page asks of the engine, the command line's readers and the
// GEDCOM library, through embind. The one file of the page that knows their
// C++ interfaces: each answer is a plain object, so that the page's
// JavaScript needs nothing else.
#include "ageanswer.h"
#include "agematchtext.h"
#include "batchjob.h"
#include "batchrows.h"
#include "calendarlines.h"
#include "reading/calendarswitches.h"
#include "convertanswer.h"
#include "daysanswer.h"
#include "csvreader.h"
#include "dateorder.h"
#include "datereading.h"
#include "estimatetables.h"
#include "gedcomdate.h"
#include "gedcomreport.h"
#include "narrowanswer.h"
#include "narrowsvg.h"
#include "spancalculation.h"
#include "textdecoding.h"
#include "treecheckfile.h"
#include "treefindingtext.h"

#include "languages/languages.h"
#include "spans/resultentries.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>
#include <ctime>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace spanwright;

using emscripten::val;

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

DateOrder orderOf(const std::string& choice)
{
    return dateOrderOfChoice(choice).value_or(DateOrder::MonthFirst);
}

// How the page's typed dates are read: in the date order chosen, a word two
// languages read differently in the language chosen (an ISO 639-1 code;
// empty for none) and, where a switch is chosen (a code of the engine's
// table; empty for none), its plain dates before the switch as Julian. The
// problem when the switch is not one.
std::string readingOptions(const std::string& orderChoice, const std::string& switchChoice,
                           const std::string& languageChoice, DateReadOptions& options)
{
    options = DateReadOptions(orderOf(orderChoice));
    if (languages::lexicon().languageOfCode(languageChoice) != 0)
        options.language = languageChoice;
    if (switchChoice.empty())
        return {};
    const Result<Day> firstGregorianDay = readCalendarSwitch(switchChoice);
    if (!firstGregorianDay)
        return firstGregorianDay.problem().message;
    options.calendar.firstGregorianDay = *firstGregorianDay;
    return {};
}

val refusedSwitch(const std::string& problem)
{
    val answer = val::object();
    answer.set("ok", false);
    answer.set("field", "switch");
    answer.set("message", problem);
    return answer;
}

val textArray(const std::vector<std::string>& texts)
{
    val array = val::array();
    for (const std::string& text : texts)
        array.call<void>("push", text);
    return array;
}

// The window's Calculate, in the four notations as `spanwright-cli span`
// writes them (least and greatest for dates that allow several days), with
// the days between and the lines under the answer for dates of another
// calendar: { ok, entries, days, calendarLines } or { ok: false, field:
// "birth"|"death"|"switch", message, wrongFormat }.
val span(const std::string& beginText, const std::string& endText, const std::string& orderChoice,
         const std::string& switchChoice, const std::string& languageChoice)
{
    DateReadOptions options;
    if (const std::string problem = readingOptions(orderChoice, switchChoice, languageChoice, options); !problem.empty())
        return refusedSwitch(problem);
    const Result<SpanCalculation> calculated = calculateSpan(beginText, endText, options);
    val answer = val::object();
    answer.set("ok", calculated.ok());
    if (!calculated) {
        // The end date is read first; the field to put right is the first
        // one refused, or the end date when they are out of order.
        const bool wrongFormat = calculated.problem().kind == ProblemKind::NotRead;
        const bool endRefused = wrongFormat && !readDate(endText, options);
        answer.set("wrongFormat", wrongFormat);
        answer.set("field", !wrongFormat || endRefused ? "death" : "birth");
        answer.set("message", calculated.problem().message);
        return answer;
    }
    const SpanCalculation& calculation = *calculated;
    ResultEntries least;
    ResultEntries greatest;
    least.compose(calculation.span);
    if (calculation.greatest)
        greatest.compose(*calculation.greatest);
    val texts = val::array();
    for (int position = 1; position <= NotationCount; ++position) {
        if (calculation.exact && !calculation.approximate) {
            texts.call<void>("push", std::string(least.entry(position)));
            continue;
        }
        std::optional<std::string> most;
        if (calculation.greatest)
            most = std::string(greatest.entry(position));
        texts.call<void>("push", boundsText(std::string(least.entry(position)), most, calculation.approximate));
    }
    answer.set("entries", texts);
    answer.set("days", daysBetweenText(calculation.begin, calculation.end).value_or(""));
    answer.set("calendarLines", textArray(spanCalendarLines(calculation)));
    return answer;
}

// A date in every calendar, as `spanwright-cli convert` prints it: { ok,
// lines } or { ok: false, field: "date"|"switch", message }.
val convert(const std::string& text, const std::string& orderChoice, const std::string& switchChoice,
            const std::string& languageChoice)
{
    DateReadOptions options;
    if (const std::string problem = readingOptions(orderChoice, switchChoice, languageChoice, options); !problem.empty())
        return refusedSwitch(problem);
    const Result<ConvertAnswer> converted = convertDate(text, options);
    val answer = val::object();
    answer.set("ok", converted.ok());
    if (!converted) {
        answer.set("field", "date");
        answer.set("message", converted.problem().message);
        return answer;
    }
    answer.set("lines", textArray(converted->lines));
    return answer;
}

// The switches of the engine's table, for the page's choice: [{ code,
// codes, place, text }], code the first of its codes, text as the manual
// lists it.
val calendarSwitches()
{
    size_t count = 0;
    const CalendarSwitchEntry* entries = calendarSwitchEntries(count);
    val switches = val::array();
    for (size_t i = 0; i < count; ++i) {
        const std::string codes(entries[i].codes);
        val entry = val::object();
        entry.set("code", codes.substr(0, codes.find(' ')));
        entry.set("codes", codes);
        entry.set("place", std::string(entries[i].place));
        entry.set("text", calendarSwitchLine(entries[i]));
        switches.call<void>("push", entry);
    }
    return switches;
}

// The languages read, for the page's choice of the language of a word two
// read differently: [{ code, text }].
val languageChoices()
{
    val choices = val::array();
    for (const languages::LanguageTable* table : languages::allTables()) {
        val entry = val::object();
        entry.set("code", std::string(table->code));
        entry.set("text", std::string(table->name));
        choices.call<void>("push", entry);
    }
    return choices;
}

// The dates a date and a stated age allow, as `born` (direction "born":
// birth dates from a death) or `died` ("died": end dates from a birth) puts
// them, with the line under the answer for a date of another calendar:
// { ok, found, text, calendarLine } or { ok: false, field:
// "date"|"age"|"switch", message }.
val ageDates(const std::string& direction, const std::string& dateText, const std::string& ageText,
             const std::string& orderChoice, bool exact, const std::string& switchChoice,
             const std::string& languageChoice)
{
    DateReadOptions options;
    if (const std::string problem = readingOptions(orderChoice, switchChoice, languageChoice, options); !problem.empty())
        return refusedSwitch(problem);
    val answer = val::object();
    const bool born = direction != "died";
    const DateOrder order = options.order;
    const Result<AgeAnswer> dates =
        answerAgeQuestion({born ? AgeDirection::Born : AgeDirection::Died, dateText, ageText, options, exact});
    const bool notRead = !dates && dates.problem().kind == ProblemKind::NotRead;
    answer.set("ok", !notRead);
    if (notRead) {
        const bool dateRead = readDate(dateText, options).ok();
        answer.set("field", dateRead ? "age" : "date");
        answer.set("message", dates.problem().message);
        return answer;
    }
    answer.set("found", dates.ok());
    answer.set("text", dates ? datesAnswerText(dates->firstDate(), dates->lastDate(), dates->count, dates->about,
                                               false, order)
                             : dates.problem().message);
    // How the date was read and, for a Julian record, the dates answered in
    // its calendar: the lines the command line prints under the answer.
    std::string calendarLines;
    if (dates) {
        calendarLines = dates->calendarLine;
        if (!dates->answerLine.empty())
            calendarLines += (calendarLines.empty() ? "" : "\n") + dates->answerLine;
    }
    answer.set("calendarLine", calendarLines);
    return answer;
}

// The days a date in a report allows, for sorting by time: [earliest,
// latest] (an open side as -/+Infinity), or null for a text that is no
// date.
val dateSpan(const std::string& text)
{
    const Result<GedcomDate> date = readGedcomDate(text);
    if (!date || !date->hasDays())
        return val::null();
    val days = val::array();
    const double infinity = std::numeric_limits<double>::infinity();
    days.call<void>("push", date->days.earliest ? static_cast<double>(date->days.earliest->number()) : -infinity);
    days.call<void>("push", date->days.latest ? static_cast<double>(date->days.latest->number()) : infinity);
    return days;
}

// The birth dates that records stating ages allow, one record a line as
// `narrow` takes them (blank lines skipped), read in the page's date order
// and under its switch as `narrow --date-order --switch` reads them: { ok,
// fits, text, svg } with the text `narrow` prints and the picture of
// --svg, or { ok: false, field: "records"|"switch", message } naming each
// record not read.
val narrow(const std::string& recordLines, const std::string& orderChoice, const std::string& switchChoice,
           const std::string& languageChoice)
{
    DateReadOptions reading;
    if (const std::string problem = readingOptions(orderChoice, switchChoice, languageChoice, reading); !problem.empty())
        return refusedSwitch(problem);
    const NarrowOptions options(reading);
    std::vector<std::string> records;
    std::istringstream lines(recordLines);
    for (std::string line; std::getline(lines, line);) {
        if (line.find_first_not_of(" \t\r") != std::string::npos)
            records.push_back(line);
    }
    const NarrowAnswer answer = answerNarrowQuestion(records, options);
    val result = val::object();
    result.set("ok", answer.outcome != Outcome::NotRead);
    if (answer.outcome == Outcome::NotRead) {
        std::string message;
        for (const std::string& problem : answer.problems)
            message += (message.empty() ? "" : "\n") + problem;
        result.set("field", "records");
        result.set("message", message);
        return result;
    }
    result.set("fits", answer.outcome == Outcome::Answered);
    result.set("text", narrowAnswerText(answer, options));
    result.set("svg", narrowAnswerSvg(answer, reading.order));
    return result;
}

std::string textOption(const val& options, const char* name)
{
    return options[name].isString() ? options[name].as<std::string>() : std::string();
}

// ",", ";" or "tab", as the page's choice names it.
char delimiterOf(const std::string& choice)
{
    if (choice == "tab")
        return '\t';
    return choice.size() == 1 ? choice[0] : ',';
}

// The batch over a CSV text given in pieces, rows worked out on this
// thread: the output of `spanwright-cli batch` byte for byte. options:
// { begin, end, age (columns as the command names them; two of them),
// notation, order, delimiter, name }.
class WebBatch
{
public:
    explicit WebBatch(const val& options)
    {
        const std::string begin = textOption(options, "begin");
        const std::string end = textOption(options, "end");
        const std::string age = textOption(options, "age");
        BatchSettings settings;
        if (!begin.empty() && !end.empty() && age.empty()) {
            settings.mode = BatchMode::Span;
            settings.firstColumn = begin;
            settings.secondColumn = end;
        } else if (!end.empty() && !age.empty() && begin.empty()) {
            settings.mode = BatchMode::Born;
            settings.firstColumn = end;
            settings.secondColumn = age;
        } else if (!begin.empty() && !age.empty() && end.empty()) {
            settings.mode = BatchMode::Died;
            settings.firstColumn = begin;
            settings.secondColumn = age;
        } else {
            problem_ = "choose two columns: begin and end for spans, end and age for birth dates, begin and "
                       "age for end dates";
            return;
        }
        const int notation = std::atoi(textOption(options, "notation").c_str());
        if (notation >= 1 && notation <= NotationCount)
            settings.notation = static_cast<Notation>(notation);
        settings.dateOrder = dateOrderOfChoice(textOption(options, "order")).value_or(DateOrder::MonthFirst);
        settings.delimiter = delimiterOf(textOption(options, "delimiter"));
        settings.exactAges = options["exact"].isTrue();
        settings.dateReading.language = textOption(options, "language");
        settings.inputName = textOption(options, "name");
        job_.emplace(
            settings, [this](std::string_view text) { output_.append(text); },
            [this](BatchRowStage::RowWriterMaker makeRowWriter, BatchRowStage::Sink sink) {
                return std::make_unique<SerialRowStage>(countingErrors(std::move(makeRowWriter)), std::move(sink));
            });
    }

    // The output a piece of the file's bytes gave (a view of the module's
    // memory, valid until the next call). The bytes are read as the command
    // line reads them (textdecoding.h); the job stops on a fault: see
    // problem().
    val feed(const std::string& piece)
    {
        output_.clear();
        feedText(decoder_.decode(piece));
        return outputView();
    }
    val finish()
    {
        output_.clear();
        feedText(decoder_.finish());
        if (job_ && problem_.empty() && job_->finish() == Outcome::NotRead)
            problem_ = job_->problem();
        return outputView();
    }
    std::string encoding() const { return std::string(encodingName(decoder_.encoding())); }

    std::string problem() const { return problem_; }
    double rows() const { return job_ ? static_cast<double>(job_->rows()) : 0; }
    double rowsWithErrors() const { return static_cast<double>(rowsWithErrors_); }
    val notes() const
    {
        val notes = val::array();
        if (job_) {
            for (const std::string& note : job_->notes())
                notes.call<void>("push", note);
        }
        return notes;
    }

private:
    void feedText(std::string_view text)
    {
        if (job_ && problem_.empty() && !text.empty() && !job_->feed(text))
            problem_ = job_->problem();
    }
    BatchRowStage::RowWriterMaker countingErrors(BatchRowStage::RowWriterMaker makeRowWriter)
    {
        return [this, makeRowWriter] {
            return [this, writeRow = makeRowWriter()](const BatchRowStage::Fields& fields, bool emptyLine,
                                                      TextBuffer& out) {
                const bool calculated = writeRow(fields, emptyLine, out);
                rowsWithErrors_ += calculated ? 0 : 1;
                return calculated;
            };
        };
    }
    val outputView() const
    {
        return val(emscripten::typed_memory_view(output_.size(),
                                                 reinterpret_cast<const unsigned char*>(output_.data())));
    }

    TextDecoder decoder_;
    std::optional<BatchJob> job_;
    std::string output_;
    std::string problem_;
    unsigned long long rowsWithErrors_ = 0;
};

// How the batch is to be told each column of a header so that it finds
// exactly that one: its position, or where the header names another column
// by that number, its name.
std::string columnArgument(const std::vector<std::string>& header, size_t position)
{
    for (const std::string& candidate : {std::to_string(position + 1), header[position]}) {
        size_t found = 0;
        if (findColumn(header, candidate, found) == ColumnSearch::Found && found == position)
            return candidate;
    }
    return {}; // no way to name it; the run then says so
}

// The header row of a CSV file's first bytes, read as the batch reads
// them: { fields, columnArguments, encoding }.
val csvHeader(const std::string& startBytes, const std::string& delimiter)
{
    TextDecoder decoder;
    std::string start(decoder.decode(startBytes));
    start.append(decoder.finish()); // a character cut at the slice's end lies past the header
    std::vector<std::string> header;
    CsvReader reader(delimiterOf(delimiter));
    bool found = false;
    const CsvReader::RowHandler takeHeader = [&](const CsvReader::Row& row) {
        if (row.emptyLine)
            return true;
        header = row.fields;
        found = true;
        return false;
    };
    if (reader.feed(start, takeHeader) != CsvReader::Outcome::Stopped && !found)
        reader.finish(takeHeader);
    val fields = val::array();
    val arguments = val::array();
    for (size_t i = 0; i < header.size(); ++i) {
        fields.call<void>("push", header[i]);
        arguments.call<void>("push", columnArgument(header, i));
    }
    val answer = val::object();
    answer.set("fields", fields);
    answer.set("columnArguments", arguments);
    answer.set("encoding", std::string(encodingName(decoder.encoding())));
    return answer;
}

// The GEDCOM report of the file at inPath (in the module's file system),
// written to outPath: { status, warnings }, the status as the command
// line's.
val gedcomReport(const std::string& inPath, const std::string& outPath, const std::string& fileName)
{
    val answer = val::object();
    File in(std::fopen(inPath.c_str(), "rb"), &std::fclose);
    File out(std::fopen(outPath.c_str(), "wb"), &std::fclose);
    std::ostringstream warnings;
    GedcomSummary summary;
    int status = GedcomReportUnreadable;
    if (in && out)
        status = writeGedcomReport(in.get(), out.get(), fileName, warnings, summary);
    else
        warnings << fileName << ": cannot be read\n";
    answer.set("status", status);
    answer.set("warnings", warnings.str());
    return answer;
}

Day today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return dayOf(CalendarDate{local.tm_year + 1900LL, local.tm_mon + 1, local.tm_mday});
}

// The tree check's findings for the file at inPath, with today's date:
// { ok, warnings, findings: [{ rule, certainty, severity, individual,
// family, detail }], csv, json }, csv and json the bytes of `spanwright-cli
// check` and `check --format json`.
val treeCheck(const std::string& inPath, const std::string& fileName)
{
    val answer = val::object();
    val findings = val::array();
    File in(std::fopen(inPath.c_str(), "rb"), &std::fclose);
    std::ostringstream warnings;
    TreeCheckOptions options;
    options.today = today();
    TreeCheckSummary summary;
    std::string csv(TreeFindingHeader);
    csv.push_back('\n');
    std::string json = "[";
    bool first = true;
    const bool read = in
        && checkGedcomTree(in.get(), fileName, options, warnings, [&](const TreeFinding& finding) {
               val item = val::object();
               item.set("rule", std::string(treeRuleName(finding.rule)));
               item.set("certainty", std::string(certaintyName(finding.certainty)));
               item.set("severity", std::string(severityName(finding.rule)));
               item.set("individual", finding.individual);
               item.set("family", finding.family);
               item.set("detail", finding.detail);
               findings.call<void>("push", item);
               appendFindingCsv(csv, finding);
               json.append(first ? "\n" : ",\n");
               appendFindingJson(json, finding);
               first = false;
           }, summary);
    json.append(first ? "]\n" : "\n]\n");
    answer.set("ok", read);
    answer.set("warnings", warnings.str());
    answer.set("findings", findings);
    answer.set("csv", csv);
    answer.set("json", json);
    return answer;
}

// The estimate of every person's birth and death and the census checklist
// of the file at inPath, under the assumptions' defaults and the places of
// each person's events: { ok, warnings, settled, estimates, census }, the
// two CSV texts the bytes of `spanwright-cli estimate` and `census`.
val treeEstimates(const std::string& inPath, const std::string& fileName)
{
    val answer = val::object();
    File in(std::fopen(inPath.c_str(), "rb"), &std::fclose);
    std::ostringstream warnings;
    EstimateTables tables;
    const bool read = in && estimateTables(in.get(), fileName, EstimateTableChoice{}, warnings, tables);
    answer.set("ok", read);
    answer.set("warnings", warnings.str());
    answer.set("settled", tables.settled);
    answer.set("estimates", tables.estimates);
    answer.set("census", tables.census);
    return answer;
}

} // namespace

EMSCRIPTEN_BINDINGS(spanwright)
{
    emscripten::function("span", &span);
    emscripten::function("ageDates", &ageDates);
    emscripten::function("convert", &convert);
    emscripten::function("calendarSwitches", &calendarSwitches);
    emscripten::function("languageChoices", &languageChoices);
    emscripten::function("dateSpan", &dateSpan);
    emscripten::function("narrow", &narrow);
    emscripten::function("csvHeader", &csvHeader);
    emscripten::function("gedcomReport", &gedcomReport);
    emscripten::function("treeCheck", &treeCheck);
    emscripten::function("treeEstimates", &treeEstimates);
    emscripten::constant("dateFormsRead", std::string(DateFormsRead));
    emscripten::class_<WebBatch>("WebBatch")
        .constructor<const val&>()
        .function("feed", &WebBatch::feed)
        .function("finish", &WebBatch::finish)
        .function("problem", &WebBatch::problem)
        .function("rows", &WebBatch::rows)
        .function("rowsWithErrors", &WebBatch::rowsWithErrors)
        .function("notes", &WebBatch::notes)
        .function("encoding", &WebBatch::encoding);
}
