#include "familytreelinks.h"

#include <algorithm>
#include <functional>

namespace spanwright {

namespace {

std::size_t slotCountFor(std::size_t records)
{
    // At most half full, so that a search ends soon at a free slot.
    std::size_t count = 16;
    while (count < 2 * records)
        count *= 2;
    return count;
}

} // namespace

void TreeIdIndex::build()
{
    slots_.assign(slotCountFor(ids_.size()), NoOne);
    const std::size_t mask = slots_.size() - 1;
    for (std::uint32_t record = 0; record < ids_.size(); ++record) {
        const std::string_view id = idOf(record);
        std::size_t slot = std::hash<std::string_view>()(id) & mask;
        while (slots_[slot] != NoOne && idOf(slots_[slot]) != id)
            slot = (slot + 1) & mask;
        if (slots_[slot] == NoOne)
            slots_[slot] = record;
        else if (!id.empty())
            duplicates_.push_back({slots_[slot], record});
    }
}

std::uint32_t TreeIdIndex::find(std::string_view id) const
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = std::hash<std::string_view>()(id) & mask; slots_[slot] != NoOne; slot = (slot + 1) & mask) {
        if (idOf(slots_[slot]) == id)
            return slots_[slot];
    }
    return NoOne;
}

namespace {

// The links grouped by family, each family's in the order stated (a
// counting sort, which keeps that order).
std::vector<TreeChildLink> byFamily(const FamilyTree& tree, const std::vector<TreeChildLink>& links)
{
    std::vector<std::uint32_t> start(tree.families.size() + 1, 0);
    for (const TreeChildLink& link : links)
        ++start[link.family + 1];
    for (std::size_t i = 1; i < start.size(); ++i)
        start[i] += start[i - 1];
    std::vector<TreeChildLink> grouped(links.size());
    for (const TreeChildLink& link : links)
        grouped[start[link.family]++] = link;
    return grouped;
}

} // namespace

void storeChildLinks(FamilyTree& tree, const std::vector<TreeChildLink>& links)
{
    std::vector<TreeChildLink> grouped = byFamily(tree, links);
    // One link per child and family: a later statement of a pair adds its
    // bond to the first. lastFamily and keptAt remember, by person, the
    // family last seen and where its link was kept.
    std::vector<std::uint32_t> lastFamily(tree.people.size(), NoOne);
    std::vector<std::uint32_t> keptAt(tree.people.size(), 0);
    std::size_t kept = 0;
    for (const TreeChildLink& link : grouped) {
        if (lastFamily[link.person] == link.family) {
            grouped[keptAt[link.person]].bond |= link.bond;
            continue;
        }
        lastFamily[link.person] = link.family;
        keptAt[link.person] = static_cast<std::uint32_t>(kept);
        grouped[kept++] = link;
    }
    grouped.resize(kept);
    lastFamily = {};
    keptAt = {};

    tree.children.clear();
    tree.children.reserve(grouped.size());
    tree.childBonds.clear();
    tree.childBonds.reserve(grouped.size());
    for (const TreeChildLink& child : grouped) {
        TreeFamily& family = tree.families[child.family];
        if (family.childCount == 0)
            family.firstChild = static_cast<std::uint32_t>(tree.children.size());
        ++family.childCount;
        tree.children.push_back(child.person);
        tree.childBonds.push_back(child.bond);
    }

    // The same links by person: the families each is a child in.
    tree.parentFamilyStart.assign(tree.people.size() + 1, 0);
    for (const TreeChildLink& child : grouped)
        ++tree.parentFamilyStart[child.person + 1];
    for (std::size_t i = 1; i < tree.parentFamilyStart.size(); ++i)
        tree.parentFamilyStart[i] += tree.parentFamilyStart[i - 1];
    tree.parentFamilies.assign(grouped.size(), 0);
    std::vector<std::uint32_t> filled(tree.parentFamilyStart.begin(), tree.parentFamilyStart.end() - 1);
    for (const TreeChildLink& child : grouped)
        tree.parentFamilies[filled[child.person]++] = child.family;
}

void addSpouseStatedAges(FamilyTree& tree, TreeStatedAges spouseAges)
{
    std::stable_sort(spouseAges.begin(), spouseAges.end(),
                     [](const TreeStatedAge& a, const TreeStatedAge& b) { return a.person < b.person; });
    // Merged from the back into room made once, so that the tree's ages
    // are neither copied whole nor sorted again.
    TreeStatedAges& ages = tree.statedAges;
    std::size_t own = ages.size();
    std::size_t more = spouseAges.size();
    ages.resize(own + more);
    for (std::size_t to = own + more; more > 0;) {
        if (own > 0 && ages[own - 1].person > spouseAges[more - 1].person)
            ages[--to] = ages[--own];
        else
            ages[--to] = spouseAges[--more];
    }
}

} // namespace spanwright
