#pragma once

#include "reading/datereadoptions.h"

#include <optional>
#include <string>
#include <string_view>

namespace spanwright {

// The calculated columns of one report row, from the texts of the birth
// date, the death date and the stated age (each absent when the record has
// none). ageElsewhere, when not empty, says why the stated age is not the
// age at the death date (it is stated under another event); it is then
// neither checked nor used for the birth dates.
struct GedcomRow
{
    enum class Check { NoStatedAge, Agrees, Disagrees, CannotCheck };

    std::string ageAtDeath;
    std::string statedAgeCheck;
    std::string bornFromStatedAge;
    std::string error; // reasons, joined by "; "
    std::string warning; // doubts about dates that were read, joined by "; "
    Check check = Check::NoStatedAge;
};

// calendar says how plain dates are read (the switch). Where the death is
// a burial (no DEAT date), its stated age is at a death on or before the
// burial: the check weighs it so, and the birth dates from it are those on
// or before the latest.
enum class DeathEvent { Death, Burial };
GedcomRow calculateGedcomRow(std::optional<std::string_view> birth, std::optional<std::string_view> death,
                             std::optional<std::string_view> statedAge, std::string_view ageElsewhere = {},
                             const DateReadOptions& calendar = {}, DeathEvent deathEvent = DeathEvent::Death);

} // namespace spanwright
