#pragma once

#include "calendars/calendarsystem.h"
#include "gedcomdate.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The dated events of a family tree and the links between its people and
// families, held compactly: a tree must be held whole to link families, so
// each person costs a fixed number of bytes and the texts share one store.

// A place in the tree's text store, which holds at most 4 GiB.
struct TreeText
{
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

// A text the tree keeps once however often it is added (shareText), by
// its number among those: half a TreeText, for the records a tree holds
// millions of.
struct SharedTreeText
{
    std::uint32_t index = UINT32_MAX; // UINT32_MAX: the empty text
};

// An event's date as the days it allows (see GedcomDate), with its text:
// 16 bytes, a million people hold four each.
struct TreeDate
{
    TreeDate() : present(false), hasEarliest(false), hasLatest(false), approximate(false) {}

    // Day numbers of the calendar's years fit in 32 bits.
    std::int32_t earliest = 0;
    std::int32_t latest = 0;
    bool present : 1; // the event has a date that could be read
    bool hasEarliest : 1;
    bool hasLatest : 1;
    bool approximate : 1;
    // Julian where every date of the value is, else Gregorian (a value of
    // other calendars is spanned in the Gregorian one, as the report does).
    CalendarSystem calendar = CalendarSystem::Gregorian;
    SharedTreeText text;

    GedcomDate gedcomDate() const;
    // The days, the ends a date leaves open left out.
    DayRange days() const;
};

struct TreePerson
{
    enum class Sex : std::uint8_t { Unknown, Male, Female };

    TreeText id;
    TreeDate birth;
    TreeDate christening; // the first dated CHR or BAPM
    bool baptism = false; // that was a BAPM
    TreeDate death;
    TreeDate burial;
    Sex sex = Sex::Unknown;
};

constexpr std::uint32_t NoOne = UINT32_MAX;

// A child linked to a parent by adoption, fostering or as a stepchild
// (PEDI, _FREL, _MREL), not by birth.
enum ChildBond : std::uint8_t { NotBornToFather = 1, NotBornToMother = 2 };

struct TreeFamily
{
    TreeText id;
    std::uint32_t husband = NoOne; // index into people
    std::uint32_t wife = NoOne;
    TreeDate marriage;
    // The children are children[firstChild, firstChild + childCount) of
    // the tree, in the order the file names them.
    std::uint32_t firstChild = 0;
    std::uint32_t childCount = 0;
};

// An age that an event states of a person, with the event's tag and date
// (see statedages.h): the person's own events', and those the events of a
// family state of its husband or wife.
struct TreeStatedAge
{
    std::uint32_t person = 0;
    std::uint32_t family = UINT32_MAX; // the family whose event it is, if any
    SharedTreeText tag;
    SharedTreeText date;
    SharedTreeText age;
    SharedTreeText place; // the event's PLAC, whose last part may name a census's country
};

// A deque, not a vector: a million people state some millions of ages,
// which a vector would copy whole at each doubling and hold twice over
// while it did.
using TreeStatedAges = std::deque<TreeStatedAge>;

class FamilyTree
{
public:
    std::vector<TreePerson> people;
    std::vector<TreeFamily> families;
    std::vector<std::uint32_t> children; // person indices, by family
    // Beside each of children: the ChildBond bits of the link.
    std::vector<std::uint8_t> childBonds;
    // By person, each person's own in the file's order, then those of the
    // families they are a spouse in.
    TreeStatedAges statedAges;
    // The record a file without TRLR ends in, which may be cut short.
    std::uint32_t cutPerson = UINT32_MAX;
    std::uint32_t cutFamily = UINT32_MAX;

    std::string_view text(TreeText ref) const { return std::string_view(texts_).substr(ref.offset, ref.size); }
    std::string_view text(SharedTreeText ref) const
    {
        return ref.index == UINT32_MAX ? std::string_view() : text(sharedTexts_[ref.index]);
    }
    // Throws std::length_error where the store would pass 4 GiB.
    TreeText addText(std::string_view text);
    // The same, a text added before given again rather than stored twice:
    // dates, tags, ages and places repeat throughout a tree.
    SharedTreeText shareText(std::string_view text);
    // The families a person is a child in: parentFamilies[firstParentFamily[i] ...).
    std::vector<std::uint32_t> parentFamilyStart; // people.size() + 1 entries
    std::vector<std::uint32_t> parentFamilies;

    // Bytes held, for the benchmark's per-person figure.
    std::size_t bytesHeld() const;

private:
    void growShared();

    std::string texts_;
    std::vector<TreeText> sharedTexts_; // by SharedTreeText::index
    // Those indices by their texts' hash, open addressing, a power of two
    // long; UINT32_MAX marks a free slot.
    std::vector<std::uint32_t> shared_;
};

// Reads a date value (its days from readGedcomDate); a value that is not a
// date (refused, or with no days) leaves the event undated. shown is the
// text kept for the findings.
TreeDate treeDateOf(std::string_view value, SharedTreeText shown, const DateReadOptions& calendar = {});
// The same of a value already read.
TreeDate treeDateOf(const Result<GedcomDate>& read, SharedTreeText shown);

} // namespace spanwright
