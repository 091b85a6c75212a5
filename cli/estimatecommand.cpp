// spanwright-cli estimate FILE: every person's birth and death as bounds,
// certain from the tree alone and likely under stated assumptions.
#include "calendaroptions.h"
#include "commandfile.h"
#include "commands.h"
#include "datereading.h"
#include "estimateoptions.h"
#include "estimatetext.h"
#include "estimatewriter.h"
#include "exitstatus.h"
#include "languageoption.h"
#include "outputfile.h"
#include "programprefix.h"
#include "treeestimatefile.h"

#include <CLI/App.hpp>

#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>
#include <string>

using namespace spanwright;

namespace {

// Rows are written in blocks of about this size.
constexpr std::size_t OutputBlock = 1 << 16;

struct Arguments
{
    std::string file;
    std::string format = "csv";
    std::string gedcom; // the tree written back with the estimates
    std::string today;
    EstimateOptionTexts assumptions;
    DateReadOptions reading; // the switch and the language
};

bool writeRows(const FamilyTree& tree, const TreeEvents& events, const TreeEstimate& estimate,
               const EstimateAssumptions& assumptions, bool json)
{
    std::string buffer;
    bool written = true;
    const auto flush = [&] {
        written = written && std::fwrite(buffer.data(), 1, buffer.size(), stdout) == buffer.size();
        buffer.clear();
    };
    buffer.append(json ? "[" : std::string(EstimateHeader) + "\n");
    for (std::uint32_t person = 0; person < tree.people.size(); ++person) {
        if (json) {
            buffer.append(person == 0 ? "\n" : ",\n");
            appendEstimateJson(buffer, tree, events, estimate, person, assumptions);
        } else {
            appendEstimateCsv(buffer, tree, events, estimate, person, assumptions);
        }
        if (buffer.size() >= OutputBlock)
            flush();
    }
    if (json)
        buffer.append(tree.people.empty() ? "]\n" : "\n]\n");
    flush();
    return written && std::fflush(stdout) == 0;
}

Day todayOf(const std::string& given)
{
    if (given.empty()) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        constexpr int TmYearBase = 1900;
        return dayOf({local.tm_year + TmYearBase, local.tm_mon + 1, local.tm_mday});
    }
    const Result<CalendarDate> today = readCalendarDateFor("--today date", given);
    if (!today) {
        std::cerr << "spanwright-cli estimate: " << today.problem().message << '\n';
        throw exitWith(ExitUsage);
    }
    return dayOf(*today);
}

void writeBack(const Arguments& arguments, RereadableFile& file, const FamilyTree& tree, const TreeEstimate& estimate,
               const EstimateAssumptions& assumptions)
{
    EstimateWriting writing{"Estimated by spanwright-cli estimate", todayOf(arguments.today), assumptions};
    std::FILE* in = file.fromStart();
    EstimatesWritten written;
    std::string why = "cannot read the file again";
    try {
        const std::unique_ptr<OutputFile> out = outputFileFor(arguments.gedcom, in);
        if (in == nullptr || !writeTreeWithEstimates(in, out->stream(), tree, estimate, writing, written, why)) {
            std::cerr << "spanwright-cli: " << arguments.gedcom << ": " << why << "; " << out->untouchedNote() << '\n';
            throw exitWith(ExitUsage);
        }
        out->commit();
    } catch (const OutputFile::Error& error) {
        std::cerr << "spanwright-cli: " << error.what() << '\n';
        throw exitWith(ExitUsage);
    }
    std::cerr << arguments.gedcom << ": " << written.births << " birth(s) and " << written.deaths
              << " death(s) estimated\n";
}

void run(const Arguments& arguments)
{
    const EstimateAssumptions assumptions = assumptionsOf(arguments.assumptions, "estimate");
    const OpenFile in = openCommandGedcomFile(arguments.file);
    FamilyTree tree;
    TreeEvents events;
    ProgramPrefixedStream warnings(std::cerr);
    RereadableFile file(in.get(), arguments.file, warnings);
    if (!file.ok() || !readTreeWithEvents(file, arguments.file, warnings, arguments.reading, tree, events))
        throw exitWith(ExitUsage);
    const TreeEstimate estimate = estimateTree(tree, events, assumptions, arguments.reading);
    if (!arguments.gedcom.empty())
        writeBack(arguments, file, tree, estimate, assumptions);
    if (!writeRows(tree, events, estimate, assumptions, arguments.format == "json")) {
        std::cerr << "spanwright-cli: the estimates could not be written\n";
        throw exitWith(ExitUsage);
    }
    if (!estimate.settled)
        std::cerr << "spanwright-cli: " << arguments.file
                  << ": dates that contradict each other kept some bounds from settling; they hold, but may "
                     "not be the tightest (spanwright-cli check tells which)\n";
}

} // namespace

void addEstimateCommand(CLI::App& app)
{
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        "estimate", "Bounds every person's birth and death from the family tree: certain bounds from the "
                    "tree alone, likely ones under stated assumptions.");
    command->add_option("FILE", arguments->file, "The GEDCOM file, or a GEDZIP archive")->required();
    addCalendarOptions(*command, arguments->reading.calendar);
    addLanguageOption(*command, arguments->reading.language);
    command->add_option("--format", arguments->format, "csv (the default) or json")
        ->check(CLI::IsMember({"csv", "json"}));
    addEstimateOptions(*command, arguments->assumptions);
    command->add_option("--gedcom", arguments->gedcom,
                        "OUT.ged: writes the tree back with the estimates of the undated births and deaths");
    command->add_option("--today", arguments->today,
                        "With --gedcom: a death is estimated for a person likely dead by this day (5/17/1990); "
                        "the system's date by default");
    command->footer(
        "One row per person on standard output:\n"
        "  id,name,birth,birth_earliest,birth_latest,birth_likely_earliest,\n"
        "  birth_likely_latest,death,death_earliest,death_latest,\n"
        "  death_likely_earliest,death_likely_latest,reasons\n"
        "Dates M/D/YYYY, empty for an open end. Certain bounds follow from the tree\n"
        "alone: born on or before each own event, after each parent's birth; a mother\n"
        "alive at the birth, a father ten months before it; died on or after each\n"
        "event of the living and each child's birth (less ten months for a father),\n"
        "on or before the burial, cremation or probate; no life of 123 years. Dates\n"
        "marked ABT, CAL or EST bound nothing for certain. Likely bounds add the\n"
        "assumptions (the options) and the ages the records state; reasons names\n"
        "the rules used.\n"
        "--gedcom OUT.ged writes every line of FILE as it is, and for each person\n"
        "without a birth date (and each without a death date who is likely dead) a\n"
        "DATE of the likely bounds: BET ... AND ..., BEF or AFT, marked as an estimate\n"
        "by a NOTE (GEDCOM 5.5.1) or a PHRASE (GEDCOM 7).\n"
        "Status: 0, or 2 for a file that cannot be read or a mistake in the command.\n\n"
        "Examples:\n"
        "  spanwright-cli estimate tree.ged > estimates.csv\n"
        "  spanwright-cli estimate tree.ged --mother-ages 15-45 --format json");
    command->callback([arguments] { run(*arguments); });
}
