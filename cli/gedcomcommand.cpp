// spanwright-cli gedcom FILE: ages at death and stated ages checked, from a
// family-tree file.
#include "calendaroptions.h"
#include "commandfile.h"
#include "commands.h"
#include "exitstatus.h"
#include "gedcomreport.h"
#include "languageoption.h"
#include "programprefix.h"

#include <CLI/App.hpp>

#include <cstdio>
#include <iostream>
#include <memory>

using namespace spanwright;

namespace {

static_assert(int(GedcomReportClean) == int(ExitSuccess) && int(GedcomReportRowErrors) == int(ExitNoAnswer)
                  && int(GedcomReportUnreadable) == int(ExitUsage),
              "the report's statuses are the program's exit statuses");

struct Arguments
{
    std::string file;
    bool summary = false;
    DateReadOptions reading; // the switch and the language
};

void run(const Arguments& arguments)
{
    const OpenFile in = openCommandGedcomFile(arguments.file);
    GedcomSummary summary;
    ProgramPrefixedStream warnings(std::cerr);
    const int status = writeGedcomReport(in.get(), stdout, arguments.file, warnings, summary, arguments.reading);
    if (arguments.summary && status != GedcomReportUnreadable) {
        std::cerr << arguments.file << ": " << summary.individuals << " individuals, " << summary.agesComputed
                  << " ages at death computed; stated ages: " << summary.agree << " agree, "
                  << summary.disagree << " disagree, " << summary.cannotCheck << " cannot be checked; "
                  << summary.rowsWithErrors << " rows with errors\n";
    }
    if (status != GedcomReportClean)
        throw exitWith(static_cast<ExitStatus>(status));
}

} // namespace

void addGedcomCommand(CLI::App& app)
{
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        "gedcom", "A CSV report of a GEDCOM family-tree file: each individual's age at death, and "
                  "whether the stated age agrees with the dates.");
    command->add_option("FILE", arguments->file,
                        "The GEDCOM file (UTF-8, UTF-16, ANSEL, ANSI, IBM PC or ASCII) or GEDZIP archive")
        ->required();
    addCalendarOptions(*command, arguments->reading.calendar);
    addLanguageOption(*command, arguments->reading.language);
    command->add_flag("-s,--summary", arguments->summary,
                      "Print on standard error how many individuals, ages and stated ages were found");
    command->footer(
        "One row per individual, in file order, on standard output:\n"
        "  id,name,birth,death,age_at_death,stated_age,stated_age_check,\n"
        "  born_from_stated_age,born_from_stated_ages,error\n"
        "The birth is the first BIRT date, else CHR or BAPM; the death the first DEAT\n"
        "date, else BURI; the tag follows the date when it is not BIRT or DEAT. For\n"
        "partial or qualified dates (1850, MAR 1850, BEF, AFT, BET ... AND ...) the age\n"
        "is given as the least and greatest span the dates allow; approximate dates\n"
        "(ABT, CAL, EST) are marked \"about:\" and stated ages are not checked against\n"
        "them. Vendors' forms are read too: ABT. 1880, SEPT, 44 B.C., 49 AD, 1611/2,\n"
        "14 Feb 1702-1703, BET OCT 1671 AND 74, 8/9 JUL 1457. Status words (DECEASED,\n"
        "STILLBORN) and date phrases are kept and are no error.\n"
        "A stated age is rounded down: 75 agrees with 75 years and 8 months, 5w with\n"
        "35 to 41 days. A stated age that disagrees is given the least number of days\n"
        "by which the birth date would have to move for it to hold. The stated age is\n"
        "the AGE of the event whose date is the death; one under another event is not\n"
        "checked. An age in days or weeks alone counts the days from birth to death;\n"
        "beside years or months a span has at most 30 days, so no birth date gives\n"
        "\"1y 45d\" (none). A birth date open to the past (BEF, TO) or a death date\n"
        "open to the future (AFT, FROM) sets no greatest age: a stated age is then only\n"
        "found too short, or it cannot be checked. Two Julian dates are spanned in the\n"
        "Julian calendar; Hebrew and French Republican dates, and dates of two\n"
        "calendars, are converted and spanned in the Gregorian calendar.\n"
        "born_from_stated_ages takes every AGE beside the DATE of any event (CENS,\n"
        "RESI, DEAT...), and every AGE under the HUSB or WIFE of a family's event\n"
        "(MARR, MARB, DIV...) for the person that HUSB or WIFE line names, as a\n"
        "record, as narrow does: the birth dates that fit them all, or \"conflict:\n"
        "CENS 1851 left out\", the records to doubt. The families' ages are read in\n"
        "a first pass over the file (a pipe is copied to $TMPDIR meanwhile).\n"
        "Rows that cannot be read hold the reason in the error column; the status is\n"
        "then 1, as it is for lines that are not GEDCOM and levels that jump (told on\n"
        "standard error) and for a file without TRLR, which may be cut short (its last\n"
        "record's row says so). FILE - reads standard input; a GEDZIP archive from a\n"
        "pipe is held in memory (at most 256 MiB). A file that is not GEDCOM (or most\n"
        "of whose lines are not), an archive without gedcom.ged, a line longer than\n"
        "1 MiB, and a report that cannot be written give status 2.\n\n"
        "Examples:\n"
        "  spanwright-cli gedcom tree.ged > ages.csv\n"
        "  spanwright-cli gedcom tree.ged --summary > /dev/null\n"
        "      tree.ged: 42 individuals, 15 ages at death computed; stated ages:\n"
        "      3 agree, 1 disagree, 2 cannot be checked; 0 rows with errors");
    command->callback([arguments] { run(*arguments); });
}
