#pragma once

#include "estimaterules.h"
#include "familytree.h"
#include "treeevents.h"

#include <cstdint>
#include <vector>

namespace spanwright {

// The birth and death of every person of a tree as bounds: certain ones
// from the tree alone (estimaterules.h), likely ones adding the
// assumptions. Each person's bounds tighten their family's, which tighten
// theirs in turn, until nothing changes: families wait in a queue, and one
// is taken up again only when a member's bounds changed, so that a tree
// costs a few passes over its families, not one per generation.
struct PersonEstimate
{
    DayBounds birth;
    DayBounds death;
    DayBounds likelyBirth;
    DayBounds likelyDeath;
    std::uint32_t certainReasons = 0; // ruleBit of the rules that set a certain bound
    std::uint32_t likelyReasons = 0;
    bool assumptionsFail = false; // no day fits them all: the likely bounds are the certain ones
};

struct TreeEstimate
{
    std::vector<PersonEstimate> people; // as FamilyTree::people
    std::uint64_t familyVisits = 0;     // how often a family was taken up, over both kinds
    // A family was taken up as often as a contradiction in its dates would
    // have it for ever, and left there: its bounds are sound, maybe not the
    // tightest.
    bool settled = true;
};

// A family is taken up at most this often in each kind of bound.
constexpr std::uint32_t MostFamilyVisits = 64;

TreeEstimate estimateTree(const FamilyTree& tree, const TreeEvents& events, const EstimateAssumptions& assumptions,
                          const DateReadOptions& calendar = {});

} // namespace spanwright
