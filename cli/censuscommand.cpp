// spanwright-cli census FILE: the censuses each person was alive at, and
// which of them the tree has not found the person in.
#include "calendaroptions.h"
#include "censuschecklist.h"
#include "commandfile.h"
#include "commands.h"
#include "estimateoptions.h"
#include "estimatetables.h"
#include "exitstatus.h"
#include "languageoption.h"
#include "programprefix.h"
#include "treeestimatefile.h"

#include <CLI/App.hpp>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

using namespace spanwright;

namespace {

struct Arguments
{
    std::string file;
    std::string format = "csv";
    std::string country;
    bool missing = false;
    EstimateOptionTexts assumptions;
    DateReadOptions reading; // the switch and the language
};

void run(const Arguments& arguments)
{
    const EstimateAssumptions assumptions = assumptionsOf(arguments.assumptions, "census");
    const std::string_view country = censusCountryOfPlace(arguments.country);
    if (!arguments.country.empty() && country.empty()) {
        std::cerr << "spanwright-cli census: --country " << arguments.country
                  << ": not a country of the census table (US, England, Wales, Scotland, Ireland, Canada)\n";
        throw exitWith(ExitUsage);
    }
    const OpenFile in = openCommandGedcomFile(arguments.file);
    FamilyTree tree;
    TreeEvents events;
    ProgramPrefixedStream warnings(std::cerr);
    RereadableFile file(in.get(), arguments.file, warnings);
    if (!file.ok() || !readTreeWithEvents(file, arguments.file, warnings, arguments.reading, tree, events))
        throw exitWith(ExitUsage);
    const TreeEstimate estimate = estimateTree(tree, events, assumptions, arguments.reading);
    const bool json = arguments.format == "json";
    std::string out = json ? "[" : std::string(CensusHeader) + "\n";
    bool first = true;
    for (const CensusCheck& check : censusChecklist(tree, events, estimate, country, arguments.missing)) {
        out.append(json ? (first ? "\n" : ",\n") : "");
        appendCensusCheck(out, tree, events, check, json);
        first = false;
    }
    out.append(json ? (first ? "]\n" : "\n]\n") : "");
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        std::cerr << "spanwright-cli: the checklist could not be written\n";
        throw exitWith(ExitUsage);
    }
}

} // namespace

void addCensusCommand(CLI::App& app)
{
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        "census", "Lists for every person the censuses taken while they were alive, and whether the tree "
                  "has found them in each.");
    command->add_option("FILE", arguments->file, "The GEDCOM file, or a GEDZIP archive")->required();
    addCalendarOptions(*command, arguments->reading.calendar);
    addLanguageOption(*command, arguments->reading.language);
    command->add_option("--format", arguments->format, "csv (the default) or json")
        ->check(CLI::IsMember({"csv", "json"}));
    command->add_option("--country", arguments->country,
                        "The country of everyone (US, England, Wales, Scotland, Ireland, Canada), in place of "
                        "the places of their events");
    command->add_flag("--missing", arguments->missing,
                      "Only the censuses not recorded for people certainly alive at them");
    addEstimateOptions(*command, arguments->assumptions);
    command->footer(
        "One row per person and census on standard output, by person, then census day:\n"
        "  id,name,census,census_day,alive,recorded,age\n"
        "alive: certain by the estimate's certain bounds (born before the census day,\n"
        "died after it), else possible within its likely bounds. recorded: yes where\n"
        "the person has a CENS event of that census, or an event on its date in its\n"
        "country. age: the age they would give under the census's rule (1841 in\n"
        "Britain rounded down to five, Canada 1851 and 1861 at the next birthday).\n"
        "A person's country at a census is that of the PLAC (its last part) of their\n"
        "event nearest to it, or --country. The assumptions are those of estimate.\n\n"
        "Examples:\n"
        "  spanwright-cli census tree.ged --missing\n"
        "  spanwright-cli census tree.ged --country US");
    command->callback([arguments] { run(*arguments); });
}
