// spanwright-cli convert DATE: the day in the Gregorian, Julian, Hebrew,
// French Republican, Islamic, Persian and Rumi calendars, and its weekday.
#include "calendaroptions.h"
#include "languageoption.h"
#include "commands.h"
#include "convertanswer.h"
#include "dateorderoption.h"
#include "exitstatus.h"

#include <CLI/App.hpp>

#include <iostream>
#include <memory>
#include <string>

using namespace spanwright;

void addConvertCommand(CLI::App& app)
{
    struct Arguments
    {
        std::string date;
        std::string to;
        DateReadOptions reading;
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        "convert", "DATE in the Gregorian, Julian, Hebrew, French Republican, Islamic, Persian and Rumi calendars, and its "
                    "weekday.");
    command->add_option("DATE", arguments->date, "The date, in any form span reads")->required();
    command->add_option("--to", arguments->to, "Print that calendar's line only: gregorian, julian, swedish, "
                                               "hebrew, french, islamic, persian, rumi or weekday")
        ->check(CLI::IsMember(
            {"gregorian", "julian", "swedish", "hebrew", "french", "islamic", "persian", "rumi", "weekday"}))
        ->type_name("CALENDAR");
    addDateOrderOption(*command, arguments->reading.order);
    addCalendarOptions(*command, arguments->reading.calendar);
    addLanguageOption(*command, arguments->reading.language);
    command->footer("One line per calendar, \"calendar: date\"; the French Republican one only from\n"
                    "22 Sep 1792 to 31 Dec 1805, when it was in use, the Swedish one only from\n"
                    "1 Mar 1700 to 30 Feb 1712, when it ran a day ahead of the Julian one. The\n"
                    "Islamic line is the tabular calendar's (the civil epoch, 16 Jul 622 Julian: a\n"
                    "month begun by the sighted moon may start a day or two apart), the Persian\n"
                    "one the Solar Hijri calendar's, with the 33-year leap rule, for 1178 to 1633\n"
                    "(1799 to 2255), the Ottoman Rumi one from 13 Mar 1840 to 31 Dec 1925. A Julian\n"
                    "day from 1 January to 24 March of 1583 to 1751 is written with its dual year\n"
                    "where the year began on 25 March (no --switch, GB or US, --year-start 03-25),\n"
                    "not under a switch whose country began it on 1 January (RU, SE...).\n"
                    "A date of several days (May 1850) is converted at both ends. A last line\n"
                    "\"note: ...\" says how the year of a day before 25 March was counted where\n"
                    "the date left it open (10 Feb 1751 under --year-start 03-25: legal 1751 began\n"
                    "on 25 March, so the day is read in 1751 counted from 1 January).\n\n"
                    "Examples:\n"
                    "  spanwright-cli convert '11 Feb 1731/32'\n"
                    "      gregorian: 22 Feb 1732\n"
                    "      julian: 11 Feb 1731/32\n"
                    "      hebrew: 26 Shevat 5492\n"
                    "      islamic: 25 Shaban 1144 AH (tabular)\n"
                    "      weekday: Friday\n"
                    "  spanwright-cli convert '18 Brumaire an VIII' --to gregorian\n"
                    "      gregorian: 9 Nov 1799");
    command->callback([arguments] {
        const Result<ConvertAnswer> answer = convertDate(arguments->date, arguments->reading, arguments->to);
        if (!answer) {
            std::cerr << "spanwright-cli: " << answer.problem().message << '\n';
            throw exitWith(answer.problem().kind);
        }
        for (const std::string& line : answer->lines)
            std::cout << line << '\n';
    });
}
