#pragma once

#include <string_view>

// The English month names as dates are written in registers, on stones and
// in files: the full name, the three-letter abbreviation, and the common old
// abbreviations ("Sept", "Febry", "Octr", "Decr"...).

// The 1-based month a name gives, in any case, without its abbreviation stop
// ("Nov" of "Nov."), or 0 when it names none.
int monthOfName(std::string_view name);

// "January" to "December" for 1 to 12.
std::string_view fullMonthName(int month);
