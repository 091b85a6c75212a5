#pragma once

#include "familytree.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace spanwright {

// Every dated event of each person in a tree, with its place, which the
// tree the check reads does not keep: the estimate bounds a birth by every
// event of the person's, and the census checklist finds a person's country
// and censuses from them.
// What an event's tag tells of the life, as bits (see isOwnEvent...).
enum EventKind : std::uint8_t {
    OwnEventKind = 1,
    LivingEventKind = 2,
    AfterDeathEventKind = 4,
    BirthEventKind = 8, // BIRT
    DeathEventKind = 16, // DEAT
};
std::uint8_t eventKindOf(std::string_view tag);

struct PersonEvent
{
    std::uint32_t person = 0; // index into FamilyTree::people
    std::string_view tag;     // "CENS", "RESI", "PROB"...: into TreeEvents' store
    std::uint8_t kind = 0;    // eventKindOf(tag)
    TreeDate date;
    std::string_view place; // the PLAC value, empty where none
};

class TreeEvents
{
public:
    // By person, each person's in the file's order.
    std::vector<PersonEvent> events;
    // Each person's NAME as read (the surname's slashes taken out).
    std::vector<std::string> names;
    // The events of person: events[first[person], first[person + 1]).
    std::vector<std::uint32_t> first;

    // The text kept once however often it comes (tags and places repeat).
    std::string_view keep(std::string_view text);

private:
    std::deque<std::string> store_; // its strings stay put, and so do the views
    std::unordered_set<std::string_view> kept_; // into store_
};

// Reads the INDI records of a GEDCOM file from its start, in the order that
// readFamilyTree numbers the people: the level 1 events of each with the
// first DATE (read as the check reads it) and PLAC under them, and the
// first NAME. people is the tree's count; false when the file's INDI
// records are not that many (it changed between the readings).
bool readTreeEvents(std::FILE* in, std::size_t people, const DateReadOptions& calendar, TreeEvents& events);

// Whether an event's tag is one of the person's own, which the estimate
// takes them to be born by: GEDCOM's individual events and attributes and
// the LDS ordinances.
bool isOwnEvent(std::string_view tag);
// Whether an event's tag says the person was alive at it: the estimate's
// "died on or after their last own event" counts only these, since a
// burial, a probate or an ordinance done for the dead may follow the death.
bool isLivingEvent(std::string_view tag);
// Whether it follows the death: BURI, CREM and PROB.
bool isAfterDeathEvent(std::string_view tag);

} // namespace spanwright
