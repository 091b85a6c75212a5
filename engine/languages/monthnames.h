#pragma once

#include <string_view>

namespace spanwright {

// Month names in every language of the tables in languages/ (English,
// Latin, German, French...), as dates are written in registers, on stones
// and in files: full names, abbreviations, old forms ("Sept", "Febry",
// "7bris", "Hornung"), in any case and with or without diacritics.

// The 1-based month a name gives, without its abbreviation stop ("Nov" of
// "Nov."), or 0 when it names none (or names two months in two languages).
int monthOfName(std::string_view name);

// "January" to "December" for 1 to 12: the English names the answers are
// written with.
std::string_view fullMonthName(int month);

} // namespace spanwright
