// spanwright-cli born END AGE and died BEGIN AGE: the exact dates a stated
// age allows.
#include "agematchtext.h"
#include "commands.h"
#include "datereading.h"
#include "exitstatus.h"

#include "agesearch.h"

#include <CLI/App.hpp>

#include <iostream>
#include <memory>

namespace {

enum class Direction { Born, Died };

struct Arguments
{
    std::string date;
    std::string age;
    bool range = false;
};

void run(Direction direction, const Arguments& arguments)
{
    const bool born = direction == Direction::Born;
    CalendarDate date;
    Age age;
    std::string problem = readCalendarDateFor(born ? "end date" : "begin date", arguments.date, date);
    if (problem.empty())
        problem = readAgeFor("age", arguments.age, age);
    if (!problem.empty()) {
        std::cerr << "spanwright-cli: " << problem << '\n';
        throw exitWith(ExitUsage);
    }

    const AgeMatches matches = born ? beginDatesFor(date, age) : endDatesFor(date, age);
    if (matches.empty()) {
        std::cerr << "spanwright-cli: " << noMatchText(age, matches, born ? "before" : "after",
                                                        calendarDateText(date))
                  << '\n';
        throw exitWith(ExitNoAnswer);
    }
    if (arguments.range) {
        std::cout << matchRangeText(matches) << '\n';
        return;
    }
    for (long long day = matches.firstDay; day < matches.firstDay + matches.count; ++day)
        std::cout << calendarDateText(dateOfDayNumber(day)) << '\n';
}

void addAgeCommand(CLI::App& app, Direction direction)
{
    const bool born = direction == Direction::Born;
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        born ? "born" : "died",
        born ? "Every birth date from which the span to END is exactly AGE, earliest first."
             : "Every end date to which the span from BEGIN is exactly AGE.");
    command->add_option(born ? "END" : "BEGIN", arguments->date,
                        born ? "The death (end) date, month first" : "The birth (begin) date, month first")
        ->required();
    command->add_option("AGE", arguments->age,
                        "The age: 79 years, 9 months, 29 days / 79y 9m 29d / 9/29/79 (months/days/years); "
                        "12 months count as a year")
        ->required();
    command->add_flag("-r,--range", arguments->range,
                      "Print \"M/D/YYYY through M/D/YYYY (N dates)\" instead of one date per line");
    command->footer(
        born ? "The span is calculated as the window does; several birth dates can give the\n"
               "same age, and some ages are given by no date (then the nearest dates on\n"
               "each side are named on standard error and the status is 1).\n\n"
               "Examples:\n"
               "  spanwright-cli born 8/3/1904 'aged 79 years, 9 months, 29 days'\n"
               "      10/5/1824\n"
               "  spanwright-cli born 3/1/1990 '1m 1d' --range\n"
               "      1/28/1990 through 1/31/1990 (4 dates)"
             : "The span is calculated as the window does; some ages are reached from no\n"
               "date (then the nearest dates on each side are named on standard error and\n"
               "the status is 1).\n\n"
               "Examples:\n"
               "  spanwright-cli died 5/10/1950 '39 Year(s), 9 month(s), 19 day(s)'\n"
               "      3/1/1990\n"
               "  spanwright-cli died 1/31/1990 '1 month'\n"
               "      (status 1) spanwright-cli: no date lies exactly 0 Year(s), 1 month(s),\n"
               "      0 day(s) after 1/31/1990; nearest: 2/28/1990 gives 0 Year(s), 0 month(s),\n"
               "      28 day(s), 3/1/1990 gives 0 Year(s), 1 month(s), 1 day(s)");
    command->callback([direction, arguments] { run(direction, *arguments); });
}

} // namespace

void addAgeCommands(CLI::App& app)
{
    addAgeCommand(app, Direction::Born);
    addAgeCommand(app, Direction::Died);
}
