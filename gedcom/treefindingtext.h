#pragma once

#include "treecheck.h"

#include <string>
#include <string_view>

namespace spanwright {

// The findings of the tree check as CSV rows or JSON objects. The texts come
// from the file; bytes that are not UTF-8 become U+FFFD, as in the report.

constexpr std::string_view TreeFindingHeader = "rule,certainty,severity,individual,family,detail";

std::string_view severityName(TreeRule rule);

// One CSV row with its line end.
void appendFindingCsv(std::string& out, const TreeFinding& finding);

// One JSON object with the header's keys, without a separator.
void appendFindingJson(std::string& out, const TreeFinding& finding);

} // namespace spanwright
