// What the page asks of the engine and the command line's readers, through
// embind. The one file of the page that knows their C++ interfaces: each
// answer is a plain object, so that the page's JavaScript needs nothing
// else.
#include "agematchtext.h"
#include "datereading.h"
#include "gedcomreport.h"
#include "spancalculation.h"
#include "webbatch.h"

#include "agesearch.h"
#include "resultentries.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <memory>
#include <sstream>
#include <string>

using emscripten::val;

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The window's Calculate: { ok, entries: [four notations] } or
// { ok: false, field: "birth"|"death"|"", message, wrongFormat }.
val span(const std::string& beginText, const std::string& endText)
{
    const SpanCalculation calculation = calculateSpan(beginText, endText);
    val answer = val::object();
    answer.set("ok", calculation.status == ExitSuccess);
    if (calculation.status != ExitSuccess) {
        // The end date is read first; the field to put right is the first
        // one refused, or the end date when they are out of order.
        const bool wrongFormat = calculation.status == ExitUsage;
        DateFields ignored;
        const bool endRefused = wrongFormat && !readDateFor("end date", endText, ignored).empty();
        answer.set("wrongFormat", wrongFormat);
        answer.set("field", !wrongFormat || endRefused ? "death" : "birth");
        answer.set("message", calculation.problem);
        return answer;
    }
    ResultEntries entries;
    entries.compose(calculation.span);
    val texts = val::array();
    for (int position = 1; position <= NotationCount; ++position)
        texts.call<void>("push", std::string(entries.entry(position)));
    answer.set("entries", texts);
    return answer;
}

// The birth dates a death date and a stated age allow, as `born --range`
// puts them, one date alone as itself: { ok, text } or { ok: false,
// field: "death"|"age", message }.
val born(const std::string& deathText, const std::string& ageText)
{
    val answer = val::object();
    CalendarDate death;
    Age age;
    std::string field = "death";
    std::string problem = readCalendarDateFor("death date", deathText, death);
    if (problem.empty()) {
        field = "age";
        problem = readAgeFor("age", ageText, age);
    }
    answer.set("ok", problem.empty());
    if (!problem.empty()) {
        answer.set("field", field);
        answer.set("message", problem);
        return answer;
    }
    const AgeMatches matches = beginDatesFor(death, age);
    answer.set("found", !matches.empty());
    if (matches.empty())
        answer.set("text", noMatchText(age, matches, "before", calendarDateText(death)));
    else
        answer.set("text", matches.count == 1 ? calendarDateText(matches.first()) : matchRangeText(matches));
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
    int status = ExitUsage;
    if (in && out)
        status = writeGedcomReport(in.get(), out.get(), fileName, warnings, summary);
    else
        warnings << fileName << ": cannot be read\n";
    answer.set("status", status);
    answer.set("warnings", warnings.str());
    answer.set("individuals", static_cast<double>(summary.individuals));
    answer.set("rowsWithErrors", static_cast<double>(summary.rowsWithErrors));
    return answer;
}

std::optional<std::string> optionalText(const val& options, const char* name)
{
    const std::string text = options[name].isString() ? options[name].as<std::string>() : "";
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

// The batch over the file at path (a file of the worker's file system),
// options { begin, end, age, notation } as the command line's. The output
// goes to onOutput in pieces (Uint8Array views, valid during the call);
// onProgress gets the bytes read and the rows so far. Returns { problem,
// rows, rowsWithErrors }.
val runBatch(const std::string& path, const std::string& fileName, const val& options, const val& onProgress,
             const val& onOutput)
{
    WebBatchOptions batchOptions;
    batchOptions.begin = optionalText(options, "begin");
    batchOptions.end = optionalText(options, "end");
    batchOptions.age = optionalText(options, "age");
    const int notation = std::atoi(optionalText(options, "notation").value_or("4").c_str());
    batchOptions.notation = notation >= 1 && notation <= NotationCount ? static_cast<Notation>(notation)
                                                                        : Notation::Worded;
    WebBatchOutcome outcome;
    if (File in{std::fopen(path.c_str(), "rb"), &std::fclose}) {
        outcome = runWebBatch(
            in.get(), fileName, batchOptions,
            [&onOutput](std::string_view text) {
                onOutput(val(emscripten::typed_memory_view(text.size(),
                                                           reinterpret_cast<const unsigned char*>(text.data()))));
            },
            [&onProgress](unsigned long long bytes, unsigned long long rows) {
                onProgress(static_cast<double>(bytes), static_cast<double>(rows));
            });
    } else {
        outcome.problem = "cannot open " + fileName;
    }
    val answer = val::object();
    answer.set("problem", outcome.problem);
    answer.set("rows", static_cast<double>(outcome.rows));
    answer.set("rowsWithErrors", static_cast<double>(outcome.rowsWithErrors));
    return answer;
}

// The header row of the CSV file at path, as an array of its fields.
val csvHeader(const std::string& path)
{
    val fields = val::array();
    if (File in{std::fopen(path.c_str(), "rb"), &std::fclose}) {
        for (const std::string& field : csvHeaderFields(in.get()))
            fields.call<void>("push", field);
    }
    return fields;
}

} // namespace

EMSCRIPTEN_BINDINGS(spanwright)
{
    emscripten::function("span", &span);
    emscripten::function("born", &born);
    emscripten::function("gedcomReport", &gedcomReport);
    emscripten::function("runBatch", &runBatch);
    emscripten::function("csvHeader", &csvHeader);
    emscripten::constant("acceptedDateForms", std::string(AcceptedDateForms));
}
