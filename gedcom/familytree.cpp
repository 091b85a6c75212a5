#include "familytree.h"

#include "text/asciitext.h"

#include <functional>
#include <stdexcept>

namespace spanwright {

static_assert(sizeof(TreeDate) == 16, "a tree holds millions of dates");

DayRange TreeDate::days() const
{
    DayRange days;
    if (hasEarliest)
        days.earliest = Day(earliest);
    if (hasLatest)
        days.latest = Day(latest);
    return days;
}

GedcomDate TreeDate::gedcomDate() const
{
    GedcomDate date;
    date.days = days();
    date.approximate = approximate;
    date.calendar = calendar == CalendarSystem::Julian ? GedcomDate::Calendar::Julian : GedcomDate::Calendar::Gregorian;
    return date;
}

TreeText FamilyTree::addText(std::string_view text)
{
    if (text.size() > UINT32_MAX - texts_.size())
        throw std::length_error("the tree's texts are longer than 4 GiB");
    TreeText ref{static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(text.size())};
    texts_.append(text);
    return ref;
}

namespace {

constexpr std::uint32_t FreeSlot = UINT32_MAX;
constexpr std::size_t FirstSharedSlots = 1 << 10;

std::size_t hashOf(std::string_view text) { return std::hash<std::string_view>()(text); }

} // namespace

SharedTreeText FamilyTree::shareText(std::string_view text)
{
    if (text.empty())
        return {};
    if (shared_.empty())
        shared_.assign(FirstSharedSlots, FreeSlot);
    const std::size_t mask = shared_.size() - 1;
    std::size_t slot = hashOf(text) & mask;
    for (; shared_[slot] != FreeSlot; slot = (slot + 1) & mask) {
        if (this->text(sharedTexts_[shared_[slot]]) == text)
            return {shared_[slot]};
    }
    shared_[slot] = static_cast<std::uint32_t>(sharedTexts_.size());
    sharedTexts_.push_back(addText(text));
    const SharedTreeText added{shared_[slot]};
    // Kept at most half full, so that a search ends soon at a free slot.
    if (sharedTexts_.size() * 2 > shared_.size())
        growShared();
    return added;
}

void FamilyTree::growShared()
{
    std::vector<std::uint32_t> old(shared_.size() * 2, FreeSlot);
    old.swap(shared_);
    const std::size_t mask = shared_.size() - 1;
    for (std::uint32_t kept : old) {
        if (kept == FreeSlot)
            continue;
        std::size_t slot = hashOf(text(sharedTexts_[kept])) & mask;
        while (shared_[slot] != FreeSlot)
            slot = (slot + 1) & mask;
        shared_[slot] = kept;
    }
}

std::size_t FamilyTree::bytesHeld() const
{
    return people.capacity() * sizeof(TreePerson) + families.capacity() * sizeof(TreeFamily)
        + statedAges.size() * sizeof(TreeStatedAge) + childBonds.capacity() + (children.capacity() + parentFamilyStart.capacity() + parentFamilies.capacity()) * sizeof(std::uint32_t)
        + texts_.capacity() + sharedTexts_.capacity() * sizeof(TreeText) + shared_.capacity() * sizeof(std::uint32_t);
}

TreeDate treeDateOf(std::string_view value, SharedTreeText shown, const DateReadOptions& calendar)
{
    return treeDateOf(readGedcomDate(trimmed(value), calendar), shown);
}

TreeDate treeDateOf(const Result<GedcomDate>& reading, SharedTreeText shown)
{
    TreeDate date;
    if (!reading || !reading->hasDays())
        return date;
    const GedcomDate& read = *reading;
    date.present = true;
    date.hasEarliest = !read.days.openBefore();
    date.hasLatest = !read.days.openAfter();
    date.earliest = static_cast<std::int32_t>(read.days.earliest.value_or(Day()).number());
    date.latest = static_cast<std::int32_t>(read.days.latest.value_or(Day()).number());
    date.approximate = read.approximate;
    // A value with a Julian and a Gregorian date is spanned in the
    // Gregorian calendar, as the report does.
    date.calendar = read.calendar == GedcomDate::Calendar::Julian ? CalendarSystem::Julian : CalendarSystem::Gregorian;
    date.text = shown;
    return date;
}

} // namespace spanwright
