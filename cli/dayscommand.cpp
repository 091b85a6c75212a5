// spanwright-cli days BEGIN END: the whole number of days between two dates.
#include "calendaroptions.h"
#include "languageoption.h"
#include "commands.h"
#include "dateorderoption.h"
#include "daysanswer.h"
#include "exitstatus.h"
#include "shortyearoptions.h"

#include <CLI/App.hpp>

#include <iostream>
#include <memory>
#include <string>

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
    addLanguageOption(*command, arguments->reading.language);
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
        const Result<DaysLines> answer = answerDays(arguments->begin, arguments->end, arguments->reading);
        if (!answer) {
            std::cerr << "spanwright-cli: " << answer.problem().message << '\n';
            throw exitWith(answer.problem().kind);
        }
        for (const std::string& line : answer->lines)
            std::cout << line << '\n';
    });
}
