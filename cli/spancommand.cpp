// spanwright-cli span BEGIN END: the entry the window's result list shows.
#include "commands.h"
#include "datereading.h"
#include "exitstatus.h"
#include "notationoption.h"
#include "spancalculation.h"

#include "resultentries.h"

#include <CLI/App.hpp>

#include <iostream>
#include <memory>

void addSpanCommand(CLI::App& app)
{
    struct Arguments
    {
        std::string begin;
        std::string end;
        std::string notation = DefaultNotationChoice;
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        "span", "The span from BEGIN to END in years, months and days, as the window shows it.");
    command->add_option("BEGIN", arguments->begin, "The begin (birth) date, month first")->required();
    command->add_option("END", arguments->end, "The end (death) date, month first")->required();
    addNotationOption(*command, arguments->notation, true);
    command->footer(
        "Dates are read as the window reads them: 5/17/1990, 5-17-1990, 5.17.1990 or\n"
        "May 17, 1990; years are taken as written (90 is the year 90).\n\n"
        "Examples:\n"
        "  spanwright-cli span 5/10/1950 3/1/1990\n"
        "      39 Year(s), 9 month(s), 19 day(s)\n"
        "  spanwright-cli span 'May 10, 1950' 3/1/1990 --notation 1\n"
        "      9/19/39\n"
        "  spanwright-cli span 5/10/1950 3/1/1990 --notation all\n"
        "      the four notations, one per line");
    command->callback([arguments] {
        const SpanCalculation calculation = calculateSpan(arguments->begin, arguments->end);
        if (calculation.status != ExitSuccess) {
            std::cerr << "spanwright-cli: " << calculation.problem << '\n';
            throw exitWith(calculation.status);
        }
        ResultEntries entries;
        entries.compose(calculation.span);
        for (int position : notationPositions(arguments->notation))
            std::cout << entries.entry(position) << '\n';
    });
}
