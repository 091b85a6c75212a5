#include "fileanswers.h"

#include "text/csvfield.h"
#include "datereading.h"
#include "estimatetables.h"
#include "gedcomreport.h"
#include "gedzip.h"
#include "narrowcsvjob.h"
#include "treecheckfile.h"
#include "treefindingtext.h"

#include <pybind11/pybind11.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <sstream>

namespace spanwright::python {

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File openTree(const std::string& path)
{
    std::string error;
    File in(openGedcomFile(path, error), &std::fclose);
    if (!in)
        throw pybind11::value_error(path + ": " + error);
    return in;
}

Day machineToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    constexpr int TmYearBase = 1900;
    return dayOf({local.tm_year + TmYearBase, local.tm_mon + 1, local.tm_mday});
}

} // namespace

CsvAnswer gedcomReportCsv(const std::string& path, const CalendarChoice& calendar)
{
    File in = openTree(path);
    char* written = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&written, &size);
    if (out == nullptr)
        throw std::bad_alloc();
    std::ostringstream warnings;
    GedcomSummary summary;
    DateReadOptions reading;
    reading.calendar = calendar;
    const int status = writeGedcomReport(in.get(), out, path, warnings, summary, reading);
    std::fclose(out);
    CsvAnswer answer{std::string(written, size), warnings.str()};
    std::free(written);
    if (status == GedcomReportUnreadable)
        throw pybind11::value_error(answer.warnings.empty() ? path + ": cannot be read" : answer.warnings);
    return answer;
}

CsvAnswer treeCheckCsv(const std::string& path, const std::string& today, const CalendarChoice& calendar)
{
    TreeCheckOptions options;
    options.calendar.calendar = calendar;
    options.today = machineToday();
    if (!today.empty()) {
        const Result<CalendarDate> date = readCalendarDateFor("today date", today);
        if (!date)
            throw pybind11::value_error(date.problem().message);
        options.today = dayOf(*date);
    }
    File in = openTree(path);
    CsvAnswer answer;
    answer.csv.append(TreeFindingHeader).push_back('\n');
    std::ostringstream warnings;
    TreeCheckSummary summary;
    const bool read = checkGedcomTree(
        in.get(), path, options, warnings, [&](const TreeFinding& finding) { appendFindingCsv(answer.csv, finding); },
        summary);
    answer.warnings = warnings.str();
    if (!read)
        throw pybind11::value_error(answer.warnings);
    return answer;
}

EstimateCsvAnswer estimateCsv(const std::string& source, bool isText, const EstimateAssumptions& assumptions,
                              const CalendarChoice& calendar, const std::string& country, bool missingOnly)
{
    DateReadOptions reading;
    reading.calendar = calendar;
    EstimateTableChoice choice{assumptions, reading, censusCountryOfPlace(country), missingOnly};
    if (!country.empty() && choice.country.empty())
        throw pybind11::value_error("country " + country
                                    + ": not a country of the census table (US, England, Wales, Scotland, Ireland, "
                                      "Canada)");
    const std::string name = isText ? "the GEDCOM text" : source;
    // A text is read from memory as a file is; an empty one, which fmemopen
    // refuses, as an empty file.
    File in = isText ? File(fmemopen(const_cast<char*>(source.empty() ? "\n" : source.data()),
                                     source.empty() ? 1 : source.size(), "rb"),
                            &std::fclose)
                     : openTree(source);
    if (!in)
        throw std::bad_alloc();
    std::ostringstream warnings;
    EstimateTables tables;
    const bool read = estimateTables(in.get(), name, choice, warnings, tables);
    EstimateCsvAnswer answer{std::move(tables.estimates), std::move(tables.census), warnings.str()};
    if (!read)
        throw pybind11::value_error(answer.warnings.empty() ? name + ": cannot be read" : answer.warnings);
    if (!tables.settled)
        answer.warnings.append(name + ": dates that contradict each other kept some bounds from settling; they "
                                      "hold, but may not be the tightest (spanwright-cli check tells which)\n");
    return answer;
}

std::string narrowCsv(const std::vector<std::string>& people, const std::vector<std::string>& dates,
                      const std::vector<std::string>& ages, const std::vector<long long>& rows,
                      const NarrowOptions& options)
{
    std::string input = "person,date,age\n";
    long long row = 1;
    for (size_t i = 0; i < people.size(); ++i) {
        // Empty lines, which the job counts but skips, bring the record to
        // its row.
        ++row;
        if (i < rows.size()) {
            if (rows[i] < row)
                throw pybind11::value_error("rows must rise from 2: row " + std::to_string(rows[i]) + " comes after row "
                                            + std::to_string(row - 1));
            input.append(static_cast<size_t>(rows[i] - row), '\n');
            row = rows[i];
        }
        appendCsvField(input, people[i]);
        input += ',';
        appendCsvField(input, dates[i]);
        input += ',';
        appendCsvField(input, ages[i]);
        input += '\n';
    }
    NarrowCsvSettings settings;
    settings.personColumn = "person";
    settings.dateColumn = "date";
    settings.ageColumn = "age";
    settings.options = options;
    NarrowCsvJob job(settings);
    do {
        job.feed(input);
    } while (job.endPass());
    if (!job.problem().empty())
        throw pybind11::value_error(job.problem());
    std::string output;
    job.write([&output](std::string_view text) { output.append(text); });
    return output;
}

} // namespace spanwright::python
