#pragma once

#include "familytree.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace spanwright {

// The records of one kind found by their ids, through a table hashed by id:
// linking a tree looks up every link's target once. Of two records with
// one id, the first in the file is found.
class TreeIdIndex
{
public:
    template <typename Record>
    TreeIdIndex(const FamilyTree& tree, const std::vector<Record>& records)
        : tree_(tree)
    {
        ids_.reserve(records.size());
        for (const Record& record : records)
            ids_.push_back(record.id);
        build();
    }

    std::uint32_t find(std::string_view id) const;
    // Each record whose id an earlier record has, with the first of them
    // (empty ids aside), in the order of the later records.
    struct Duplicate
    {
        std::uint32_t first;
        std::uint32_t later;
    };
    const std::vector<Duplicate>& duplicates() const { return duplicates_; }

private:
    void build();
    std::string_view idOf(std::uint32_t index) const { return tree_.text(ids_[index]); }

    const FamilyTree& tree_;
    std::vector<TreeText> ids_;
    std::vector<std::uint32_t> slots_; // record indices, NoOne where free
    std::vector<Duplicate> duplicates_;
};

// A child linked to a family, by the family's CHIL or the child's FAMC;
// sequence is the order the links were stated in.
struct TreeChildLink
{
    std::uint32_t family;
    std::uint32_t person;
    std::uint32_t sequence;
    std::uint8_t bond; // ChildBond bits
};

// The links into the tree: one per child and family, where both sides state
// it, with what either side says of the bond, in the order each family's
// first statements give; and the same by person (parentFamilies).
void storeChildLinks(FamilyTree& tree, const std::vector<TreeChildLink>& links);

// Adds the ages that families' events state of their spouses to the tree's
// own, which are in the order of their people: after each person's own, in
// the order given.
void addSpouseStatedAges(FamilyTree& tree, TreeStatedAges spouseAges);

} // namespace spanwright
