#pragma once

#include "evidence/birthnarrowing.h"
#include "reading/datereadoptions.h"
#include "gedcomage.h"
#include "gedcomdatereadings.h"
#include "evidence/recordages.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The ages a person's events state (AGE beside the DATE of a census, a
// residence, a death...), each a record that allows a window of birth days;
// together they narrow the birth as the narrow command does.
struct StatedAgeEvent
{
    std::string tag;  // "CENS", "DEAT", "MARR"...
    std::string date; // the event's DATE value
    std::string age;  // the AGE value; empty where the event has an AGE only as a phrase or none
    std::string place; // the PLAC value: its last part names a census's country
    // The values of further AGE lines under one HUSB or WIFE, which are not
    // weighed, joined by ", ".
    std::string laterAges;
};

// DEAT or BURI: the events whose age the stated_age rule and the report's
// stated_age columns weigh on their own.
bool isEndingTag(std::string_view tag);

// The AGE value of an event as the narrowing takes it: by the GEDCOM age
// grammars (readStatedAge), else as a record states it (readRecordAge:
// "of full age", "minor", "20-29", as registers write them); nothing for a
// phrase, and a NotRead problem saying what was wrong when there is neither
// age nor phrase.
Result<std::optional<RecordAge>> recordAgeOfValue(std::string_view value, std::string_view language = {});

struct StatedAgeNarrowing
{
    // The events whose date and age could be read, by their names
    // ("CENS 1851"), in the order given; windows[i] is that of names[i].
    std::vector<std::string> names;
    std::vector<BirthWindow> windows;
    std::vector<size_t> eventIndices; // into the events given, of each window
    Narrowing narrowing; // meaningful when names is not empty
    // The events with an AGE that are not weighed, and why: "CENS 1851 (AGE
    // 1y 45d: no span of years, months and days is that age)", "CENS (AGE
    // 34: the event has no date)", an age phrase, a date phrase, a second
    // AGE of one spouse.
    struct LeftOut
    {
        std::string tag;
        std::string text;
    };
    std::vector<LeftOut> notWeighed;
};

// calendar says how plain dates are read (the switch), as for the rest of
// the file. A CENS whose date is a census's day or year, with a PLAC in
// that census's country, is read by that census's rule (censusrules.h), at
// its day. A burial's age is at the death: on deathDate (the DEAT's DATE)
// where given, else on or before the burial.
StatedAgeNarrowing narrowStatedAges(const std::vector<StatedAgeEvent>& events, const DateReadOptions& calendar = {},
                                    std::string_view deathDate = {});
// The same, the dates read through dates (and by its options): a tree's
// many events share few date texts.
StatedAgeNarrowing narrowStatedAges(const std::vector<StatedAgeEvent>& events, GedcomDateReadings& dates,
                                    std::string_view deathDate = {});

// A window as the report writes birth dates: "3/31/1816 through 3/30/1817",
// "on or before ...", "on or after ...".
std::string birthWindowText(const BirthWindow& window);

// The report's text: empty without a usable stated age, the window where
// the ages agree, otherwise "conflict: CENS 1851 left out", each of the
// largest agreeing sets giving one choice ("... or DEAT 1890 left out").
std::string statedAgesText(const StatedAgeNarrowing& narrowed);

// "CENS 1851 and RESI 1861": the events of the indices.
std::string eventNames(const StatedAgeNarrowing& narrowed, const std::vector<size_t>& indices);

} // namespace spanwright
