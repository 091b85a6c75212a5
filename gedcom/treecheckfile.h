#pragma once

#include "familytreereader.h"
#include "treecheck.h"

#include <array>
#include <cstdio>
#include <ostream>
#include <string_view>

namespace spanwright {

// What a tree check found, for its summary.
struct TreeCheckSummary
{
    long long people = 0;
    long long families = 0;
    std::size_t bytesHeld = 0; // by the tree
    // Findings by rule, possible then certain.
    std::array<std::array<long long, 2>, TreeRuleCount> findings{};
    // What the reading found that no finding tells.
    FamilyTreeProblems problems;

    long long total() const;
    void count(const TreeFinding& finding);
};

// Reads a GEDCOM file and checks its tree, handing each finding to sink.
// False when the file cannot be read (the reason is on warnings).
bool checkGedcomTree(std::FILE* in, std::string_view fileName, const TreeCheckOptions& options,
                     std::ostream& warnings, const TreeFindingSink& sink, TreeCheckSummary& summary);

} // namespace spanwright
