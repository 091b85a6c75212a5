// spanwright-cli span BEGIN END: the entry the window's result list shows.
#include "calendaroptions.h"
#include "languageoption.h"
#include "commands.h"
#include "dateorderoption.h"
#include "exitstatus.h"
#include "notationoption.h"
#include "shortyearoptions.h"
#include "spancalculation.h"

#include "spans/resultentries.h"

#include <CLI/App.hpp>

#include <iostream>
#include <memory>
#include <optional>

using namespace spanwright;

void addSpanCommand(CLI::App& app)
{
    struct Arguments
    {
        std::string begin;
        std::string end;
        std::string notation = DefaultNotationChoice;
        DateReadOptions reading;
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        "span", "The span from BEGIN to END in years, months and days, as the window shows it.");
    command->add_option("BEGIN", arguments->begin, "The begin (birth) date")->required();
    command->add_option("END", arguments->end, "The end (death) date")->required();
    addNotationOption(*command, arguments->notation, true);
    addDateOrderOption(*command, arguments->reading.order);
    addCalendarOptions(*command, arguments->reading.calendar);
    addLanguageOption(*command, arguments->reading.language);
    addShortYearOptions(*command, arguments->reading.shortYears);
    command->footer(
        "Dates: 5/17/1990 (or 5-17-1990, 5.17.1990; in the --date-order chosen),\n"
        "1990-05-17, 17 May 1990, May 17, 1990, the 12th day of June 1741, 1728/9;\n"
        "years are taken as written (90 is the year 90). For dates that allow several\n"
        "days (May 1850, 1850, abt 1850, bef 1850, aft 1850, bet 1850 and 1855,\n"
        "1850-1855) the least and the greatest span: at least ..., at most ....\n\n"
        "Examples:\n"
        "  spanwright-cli span 5/10/1950 3/1/1990\n"
        "      39 Year(s), 9 month(s), 19 day(s)\n"
        "  spanwright-cli span 'May 10, 1950' 3/1/1990 --notation 1\n"
        "      9/19/39\n"
        "  spanwright-cli span 5/10/1950 3/1/1990 --notation all\n"
        "      9/19/39\n"
        "      9-19-39\n"
        "      9.19.39\n"
        "      39 Year(s), 9 month(s), 19 day(s)\n"
        "  spanwright-cli span 1850 3/1/1900\n"
        "      at least 49 Year(s), 2 month(s), 1 day(s), at most 50 Year(s), 2 month(s), 0 day(s)");
    command->callback([arguments] {
        const Result<SpanCalculation> calculated
            = calculateSpan(arguments->begin, arguments->end, arguments->reading);
        if (!calculated) {
            std::cerr << "spanwright-cli: " << calculated.problem().message << '\n';
            throw exitWith(calculated.problem().kind);
        }
        const SpanCalculation& calculation = *calculated;
        ResultEntries least;
        ResultEntries greatest;
        least.compose(calculation.span);
        if (calculation.greatest)
            greatest.compose(*calculation.greatest);
        for (int position : notationPositions(arguments->notation)) {
            if (calculation.exact && !calculation.approximate) {
                std::cout << least.entry(position) << '\n';
                continue;
            }
            std::optional<std::string> most;
            if (calculation.greatest)
                most = std::string(greatest.entry(position));
            std::cout << boundsText(std::string(least.entry(position)), most, calculation.approximate) << '\n';
        }
        for (const std::string& line : spanCalendarLines(calculation))
            std::cout << line << '\n';
    });
}
