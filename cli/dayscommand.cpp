// spanwright-cli days BEGIN END: the whole number of days between two dates.
#include "calendarlines.h"
#include "calendaroptions.h"
#include "commands.h"
#include "dateorderoption.h"
#include "datereading.h"
#include "exitstatus.h"
#include "shortyearoptions.h"
#include "spancalculation.h"

#include <CLI/App.hpp>

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>

using namespace spanwright;

void addDaysCommand(CLI::App& app)
{
    struct Arguments
    {
        std::string begin;
        std::string end;
        DateReadOptions reading;
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand("days", "The number of days from BEGIN to END.");
    command->add_option("BEGIN", arguments->begin, "The begin date")->required();
    command->add_option("END", arguments->end, "The end date")->required();
    addDateOrderOption(*command, arguments->reading.order);
    addCalendarOptions(*command, arguments->reading.calendar);
    addShortYearOptions(*command, arguments->reading.shortYears);
    command->footer("Negative when END lies before BEGIN. Dates are read as by span; for dates\n"
                    "that allow several days, the least and the greatest number.\n\n"
                    "Examples:\n"
                    "  spanwright-cli days 1/1/1900 1/1/2000\n"
                    "      36524\n"
                    "  spanwright-cli days 'Mar 1, 1990' 2/28/1990\n"
                    "      -1\n"
                    "  spanwright-cli days 1/1/1900 'May 1900'\n"
                    "      at least 120, at most 150");
    command->callback([arguments] {
        DateReading begin;
        DateReading end;
        std::string problem = readDateFor("begin date", arguments->begin, arguments->reading, begin);
        if (problem.empty())
            problem = readDateFor("end date", arguments->end, arguments->reading, end);
        if (!problem.empty()) {
            std::cerr << "spanwright-cli: " << problem << '\n';
            throw exitWith(ExitUsage);
        }
        const auto printCalendarLines = [&] {
            for (const auto& [role, reading] : {std::pair{"begin", &begin}, std::pair{"end", &end}}) {
                const std::string line = calendarLine(role, *reading);
                if (!line.empty())
                    std::cout << line << '\n';
            }
        };
        if (begin.exact() && end.exact()) {
            std::cout << *end.earliest - *begin.earliest << '\n';
            printCalendarLines();
            return;
        }
        // The fewest days from the latest begin to the earliest end, the
        // most from the earliest begin to the latest end; an open side
        // leaves its bound out.
        std::optional<std::string> least;
        std::optional<std::string> most;
        if (begin.latest && end.earliest)
            least = std::to_string(*end.earliest - *begin.latest);
        if (begin.earliest && end.latest)
            most = std::to_string(*end.latest - *begin.earliest);
        if (!least && !most) {
            std::cerr << "spanwright-cli: the dates leave the number of days without bound\n";
            throw exitWith(ExitNoAnswer);
        }
        std::cout << boundsText(least, most, begin.approximate || end.approximate) << '\n';
        printCalendarLines();
    });
}
