#pragma once

#include "reading/datereadoptions.h"

#include <cstdio>
#include <ostream>
#include <string_view>

namespace spanwright {

// What a report found, for --summary.
struct GedcomSummary
{
    long long individuals = 0;
    long long agesComputed = 0;
    long long agree = 0;
    long long disagree = 0;
    long long cannotCheck = 0;
    long long rowsWithErrors = 0;
};

// What writeGedcomReport returns: the exit statuses of the command line.
enum GedcomReportStatus : int {
    GedcomReportClean = 0,
    GedcomReportRowErrors = 1, // some rows hold errors
    GedcomReportUnreadable = 2, // not GEDCOM, unreadable, or not written
};

// The CSV header of the report.
constexpr std::string_view GedcomReportHeader =
    "id,name,birth,death,age_at_death,stated_age,stated_age_check,born_from_stated_age,born_from_stated_ages,error";

// Reads a GEDCOM file from in and writes the report to out, one row per INDI
// record in file order, holding only the record being read. Warnings (the
// character set, lines outside records that cannot be read) go to warnings,
// naming the file as fileName. Returns GedcomReportUnreadable when the file
// is not GEDCOM (no 0 HEAD, or most lines are not GEDCOM lines) or cannot be
// read or written, GedcomReportRowErrors when some rows hold errors or
// lines could not be read, levels jump or no TRLR ends the file (see
// GedcomLineTally; the row of a record the file ends in says it may be cut),
// GedcomReportClean otherwise.
// calendar says how plain dates are read (the switch).
int writeGedcomReport(std::FILE* in, std::FILE* out, std::string_view fileName, std::ostream& warnings,
                      GedcomSummary& summary, const DateReadOptions& calendar = {});

} // namespace spanwright
