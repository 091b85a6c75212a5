#pragma once

#include "reading/datereader.h"
#include "estimaterules.h"
#include "narrowrecord.h"

#include <string>
#include <vector>

namespace spanwright::python {

// What a command writes as CSV, as one text, with what it says on the side
// (one warning a line, without the program's name). A file that cannot be
// read raises ValueError with the reason.
struct CsvAnswer
{
    std::string csv;
    std::string warnings;
};

// gedcom FILE: ages at death and stated ages, a row each.
CsvAnswer gedcomReportCsv(const std::string& path, const CalendarChoice& calendar);

// check FILE: the findings, a row each; today empty for the machine's day.
CsvAnswer treeCheckCsv(const std::string& path, const std::string& today, const CalendarChoice& calendar);

// The estimate of a tree and its census checklist, as `estimate FILE` and
// `census FILE` write them: the file at source, or where isText, source is
// the GEDCOM text itself. country (a census country, or empty) and
// missingOnly as census --country and --missing.
struct EstimateCsvAnswer
{
    std::string estimates;
    std::string census;
    std::string warnings;
};
EstimateCsvAnswer estimateCsv(const std::string& source, bool isText, const EstimateAssumptions& assumptions,
                              const CalendarChoice& calendar, const std::string& country, bool missingOnly);

// narrow --csv over the columns of a person, a date and an age, as rows of
// a spreadsheet whose header is row 1: one row a person. rows, where given,
// are the spreadsheet rows of the records, rising (a part of a larger
// sheet: the rows named in conflicts and errors are then the sheet's);
// otherwise the records are rows 2, 3, ....
std::string narrowCsv(const std::vector<std::string>& people, const std::vector<std::string>& dates,
                      const std::vector<std::string>& ages, const std::vector<long long>& rows,
                      const NarrowOptions& options);

} // namespace spanwright::python
