#pragma once

#include "treeestimate.h"

#include <string>
#include <string_view>

namespace spanwright {

// The estimate of a tree as CSV rows or JSON objects, one a person. Dates
// are M/D/YYYY, empty (null in JSON) for an open end; birth and death are
// the dates as the tree writes them.
constexpr std::string_view EstimateHeader =
    "id,name,birth,birth_earliest,birth_latest,birth_likely_earliest,birth_likely_latest,"
    "death,death_earliest,death_latest,death_likely_earliest,death_likely_latest,reasons";

// "3/31/1816"; empty for an open end.
std::string boundDayText(std::int32_t day);

// One row with its line end, or one object without a separator.
void appendEstimateCsv(std::string& out, const FamilyTree& tree, const TreeEvents& events,
                       const TreeEstimate& estimate, std::uint32_t person, const EstimateAssumptions& assumptions);
void appendEstimateJson(std::string& out, const FamilyTree& tree, const TreeEvents& events,
                        const TreeEstimate& estimate, std::uint32_t person, const EstimateAssumptions& assumptions);

} // namespace spanwright
