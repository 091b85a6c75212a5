#pragma once

#include <optional>
#include <string>

namespace spanwright {

// Where a dual year (11 Feb 1731/32) can stand. It arose only where the year
// was counted from 25 March while others counted from 1 January, so it
// covers 1 January to 24 March alone; and Britain, whose usage it is, left
// the Julian calendar in 1752, so a later one is Julian only where a mark or
// a switch says the day is.

// Whether a day of the month (day 0: the month, month 0: the year) lies
// between 1 January and 24 March, where a dual year belongs.
bool beforeLadyDay(int month, int day);

// Why a dual year cannot stand on the date (the reason alone, without the
// date), or nothing. laterYear is the year counted from 1 January;
// julianSaid is true where a mark (O.S.) or the switch makes the day Julian
// by itself.
std::optional<std::string> dualYearProblem(long long laterYear, int month, int day, bool julianSaid);

} // namespace spanwright
