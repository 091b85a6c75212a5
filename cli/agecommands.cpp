// spanwright-cli born END AGE and died BEGIN AGE: the dates a stated age
// allows.
#include "ageanswer.h"
#include "agematchtext.h"
#include "calendaroptions.h"
#include "languageoption.h"
#include "commands.h"
#include "dateorderoption.h"
#include "dateprinting.h"
#include "exitstatus.h"
#include "shortyearoptions.h"

#include <CLI/App.hpp>

#include <iostream>
#include <memory>

using namespace spanwright;

namespace {

struct Arguments
{
    std::string date;
    std::string age;
    DateReadOptions reading;
    bool exact = false;
    bool range = false;
    bool each = false;
};

void run(AgeDirection direction, const Arguments& arguments)
{
    const Result<AgeAnswer> answered =
        answerAgeQuestion({direction, arguments.date, arguments.age, arguments.reading, arguments.exact});
    if (!answered) {
        std::cerr << "spanwright-cli: " << answered.problem().message << '\n';
        throw exitWith(answered.problem().kind);
    }
    const AgeAnswer& answer = *answered;
    if (!arguments.each) {
        std::cout << datesAnswerText(answer.firstDate(), answer.lastDate(), answer.count, answer.about,
                                     arguments.range, arguments.reading.order)
                  << '\n';
        // How a date of another calendar was read, and the dates answered
        // in its calendar, under the answer (not with --each, whose every
        // line is a date).
        if (!answer.calendarLine.empty())
            std::cout << answer.calendarLine << '\n';
        if (!answer.answerLine.empty())
            std::cout << answer.answerLine << '\n';
        return;
    }
    const std::string mark = answer.about ? "about: " : "";
    for (Day day = answer.first; day <= answer.last; ++day)
        std::cout << mark << calendarDateTextIn(dateOf(day), arguments.reading.order) << '\n';
}

void addAgeCommand(CLI::App& app, AgeDirection direction)
{
    const bool born = direction == AgeDirection::Born;
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        born ? "born" : "died",
        born ? "The birth dates from which the span to END is the stated AGE."
             : "The end dates to which the span from BEGIN is the stated AGE.");
    command->add_option(born ? "END" : "BEGIN", arguments->date,
                        born ? "The death (end) date: 6/4/1871, 1871-06-04, 4 June 1871, June 1871, about 1871..."
                             : "The birth (begin) date: 6/4/1871, 1871-06-04, 4 June 1871, June 1871, about 1871...")
        ->required();
    command->add_option("AGE", arguments->age,
                        "The age: 79 years, 9 months, 29 days / 79y 9m 29d / Aged 61 Y's, 4 M's & 2 days / Aet. 58 / "
                        "sixty-two years / 3 weeks / in the 33rd year of his age / 9/29/79 (months/days/years)")
        ->required();
    addDateOrderOption(*command, arguments->reading.order);
    addCalendarOptions(*command, arguments->reading.calendar);
    addLanguageOption(*command, arguments->reading.language);
    addShortYearOptions(*command, arguments->reading.shortYears);
    command->add_flag("-x,--exact", arguments->exact,
                      "Read the age as an exact span: every unit it does not state is 0 (\"aged 39\" is "
                      "39 years, 0 months, 0 days), days alone are span days");
    command->add_flag("-r,--range", arguments->range,
                      "Print \"M/D/YYYY through M/D/YYYY (N dates)\" even for one date");
    command->add_flag("--each", arguments->each, // -1 too: see eachflag.h
                      "Print every date on a line of its own, earliest first")
        ->excludes("--range");
    command->footer(
        std::string(
            "An age is precise to its smallest stated unit: \"aged 39\" allows every span of\n"
            "39 years (any months and days), \"11 years 2 months\" any days, \"48 years and\n"
            "3 days\" exactly that (the units between stated ones are 0). An age in days or\n"
            "weeks alone counts the days that have passed (\"3 weeks\" is 21 to 27 days).\n"
            "\"in the 33rd year of his age\" is 32 completed years. --exact reads every\n"
            "unstated unit as 0 instead.\n\n"
            "One date is printed as M/D/YYYY, several as \"M/D/YYYY through M/D/YYYY (N\n"
            "dates)\"; \"about: \" goes before the answer when the age or the date says about.\n"
            "Dates are printed in the --date-order they are read in: D/M/YYYY for dmy,\n"
            "YYYY-MM-DD for ymd.\n"
            "A date that allows several days (June 1871, about 1871, between 1870 and 1871)\n"
            "gives the earliest date of its first day and the latest of its last. Where no\n"
            "date gives the age, the nearest dates on each side are named on standard\n"
            "error and the status is 1.\n"
            "The age of a Julian date (O.S., a dual year, before the --switch) is reckoned\n"
            "in Julian years, and a line under the answer gives its dates in both calendars.\n\n"
            "Examples:\n")
        + (born ? "  spanwright-cli born 6/4/1871 'Aged 39'\n"
                  "      6/5/1831 through 6/4/1832 (366 dates)\n"
                  "  spanwright-cli born 6/4/1871 'Aged 39' --exact\n"
                  "      6/4/1832\n"
                  "  spanwright-cli born 8/3/1904 'aged 79 years, 9 months, 29 days'\n"
                  "      10/5/1824\n"
                  "  spanwright-cli born 3/1/1990 '1m 1d' --each\n"
                  "      1/28/1990\n      1/29/1990\n      1/30/1990\n      1/31/1990"
                : "  spanwright-cli died 5/10/1950 '39 Year(s), 9 month(s), 19 day(s)'\n"
                  "      3/1/1990\n"
                  "  spanwright-cli died 1/31/1990 '1 month 0 days'\n"
                  "      (status 1) spanwright-cli: no date lies exactly 0 Year(s), 1 month(s),\n"
                  "      0 day(s) after 1/31/1990; nearest: 2/28/1990 gives 0 Year(s), 0 month(s),\n"
                  "      28 day(s), 3/1/1990 gives 0 Year(s), 1 month(s), 1 day(s)"));
    command->callback([direction, arguments] { run(direction, *arguments); });
}

} // namespace

void addAgeCommands(CLI::App& app)
{
    addAgeCommand(app, AgeDirection::Born);
    addAgeCommand(app, AgeDirection::Died);
}
