// spanwright-cli days BEGIN END: the whole number of days between two dates.
#include "commands.h"
#include "datereading.h"
#include "exitstatus.h"

#include <CLI/App.hpp>

#include <iostream>
#include <memory>

void addDaysCommand(CLI::App& app)
{
    struct Arguments
    {
        std::string begin;
        std::string end;
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand("days", "The number of days from BEGIN to END.");
    command->add_option("BEGIN", arguments->begin, "The begin date, month first")->required();
    command->add_option("END", arguments->end, "The end date, month first")->required();
    command->footer("Negative when END lies before BEGIN.\n\n"
                    "Examples:\n"
                    "  spanwright-cli days 1/1/1900 1/1/2000\n"
                    "      36524\n"
                    "  spanwright-cli days 'Mar 1, 1990' 2/28/1990\n"
                    "      -1");
    command->callback([arguments] {
        CalendarDate begin;
        CalendarDate end;
        std::string problem = readCalendarDateFor("begin date", arguments->begin, begin);
        if (problem.empty())
            problem = readCalendarDateFor("end date", arguments->end, end);
        if (!problem.empty()) {
            std::cerr << "spanwright-cli: " << problem << '\n';
            throw exitWith(ExitUsage);
        }
        std::cout << dayNumberOf(end) - dayNumberOf(begin) << '\n';
    });
}
