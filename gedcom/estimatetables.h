#pragma once

#include "censuschecklist.h"
#include "estimaterules.h"
#include "treeestimatefile.h"

#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

namespace spanwright {

constexpr std::string_view CensusHeader = "id,name,census,census_day,alive,recorded,age";

// One row of the census checklist with its line end, or one object without
// a separator.
void appendCensusCheck(std::string& out, const FamilyTree& tree, const TreeEvents& events, const CensusCheck& check,
                       bool json);

// What the estimate and the census checklist of one tree are worked out
// under: the assumptions of the likely bounds, the calendar of plain dates,
// the country of everyone (a census country, empty for the places of each
// person's events) and whether only the missing censuses are listed.
struct EstimateTableChoice
{
    EstimateAssumptions assumptions;
    DateReadOptions reading; // the switch and the language
    std::string_view country;
    bool missingOnly = false;
};

// Both tables of a tree as CSV, header first: the estimate's rows and the
// checklist's, the bytes the estimate and census commands write. settled
// is false where contradicting dates kept bounds from settling.
struct EstimateTables
{
    std::string estimates;
    std::string census;
    bool settled = true;
};

// False when the file cannot be read (the reason on warnings).
bool estimateTables(std::FILE* in, std::string_view fileName, const EstimateTableChoice& choice,
                    std::ostream& warnings, EstimateTables& tables);

} // namespace spanwright
