#pragma once

#include "treeestimate.h"

#include <cstdio>
#include <string>

namespace spanwright {

// Writes a GEDCOM file back with the estimates of the people who have no
// birth or death date: every line of the input as it was, byte for byte,
// and lines added only in the records of those people. A birth or death
// event without a DATE gains one below it; a person without the event
// gains it at the end of the record. The date is the likely bounds as
// GEDCOM writes a range (BET ... AND ..., BEF, AFT; never EST, which
// neither 5.5.1 nor 7.0 allows on a range), marked as an estimate: in
// GEDCOM 7 by a PHRASE below the DATE, else by a NOTE beside it. A death is
// added only where the event is in the record or the person is likely
// dead by today.
struct EstimateWriting
{
    std::string noteLead; // "Estimated by ...": the writer's name, which the library does not know
    Day today; // a death is written for one likely dead by it
    EstimateAssumptions assumptions;
};

struct EstimatesWritten
{
    long long births = 0;
    long long deaths = 0;
};

// in is read from its start; false, with why, for a file that is not
// GEDCOM in a character set whose ASCII lines can be added (UTF-16), or a
// read or write error.
bool writeTreeWithEstimates(std::FILE* in, std::FILE* out, const FamilyTree& tree, const TreeEstimate& estimate,
                            const EstimateWriting& writing, EstimatesWritten& written, std::string& why);

// A GEDCOM date of the bounds: "BET 1 JAN 1850 AND 31 DEC 1852", "BEF 1 JAN
// 1853" (the day after the latest), "AFT 31 DEC 1849" (the day before the
// earliest), "4 APR 1850"; empty for bounds open on both sides or outside
// the years GEDCOM writes.
std::string gedcomDateOfBounds(const DayBounds& bounds);

} // namespace spanwright
