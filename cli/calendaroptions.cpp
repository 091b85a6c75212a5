#include "calendaroptions.h"

#include "reading/calendarswitches.h"

#include <CLI/App.hpp>

using namespace spanwright;

void addCalendarOptions(CLI::App& command, CalendarChoice& choice)
{
    command
        .add_option_function<std::string>(
            "--switch",
            [&choice](const std::string& when) {
                const Result<Day> firstGregorianDay = readCalendarSwitch(when);
                if (!firstGregorianDay)
                    throw CLI::ValidationError("--switch", firstGregorianDay.problem().message);
                choice.firstGregorianDay = *firstGregorianDay;
            },
            "Read plain dates before the switch from the Julian to the Gregorian calendar as Julian: "
            "GB or US (Julian to 2 Sep 1752, Gregorian from 14 Sep 1752), 1582 (Rome), FR, ES, IT, PT, PL, NL, "
            "DE, DK, NO, CH, SE, RU, GR, or YYYY-MM-DD, the first Gregorian day; a day the switch left out "
            "is refused")
        ->type_name("WHEN");
    command
        .add_option_function<std::string>(
            "--year-start",
            [&choice](const std::string& start) {
                if (start == "03-25")
                    choice.yearBeginsOn25March = true;
                else if (start == "01-01")
                    choice.yearBeginsOn25March = false;
                else
                    throw CLI::ValidationError("--year-start",
                                               "\"" + start + "\" is not a year start: 03-25 or 01-01");
            },
            "03-25: a Julian date before the switch's year counts its year from 25 March, as registers "
            "without dual years do (10 Feb 1720 is then 10 Feb 1720/21; legal 1751 ran from 25 March to "
            "31 December, so its 1 January to 24 March are read in 1751, said on the calendar line); 01-01, "
            "the default: from 1 January")
        ->type_name("MM-DD");
}
