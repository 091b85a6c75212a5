#pragma once

#include "reading/age.h"

#include <optional>
#include <string_view>

namespace spanwright {

// The words of stated ages, in lower case, as carved and transcribed.

// The unit a unit word names in any language of languages/ ("yrs", "ys"
// for "Y's", "yeares", "mos", "Jahre", "ans", "años", "annorum"...), in
// lower case with apostrophes taken out; none for any other word.
std::optional<AgeUnit> unitOfWord(std::string_view word);

// The value of a number word from "zero" to "nineteen".
std::optional<long long> smallNumberWord(std::string_view word);
// The value of a tens word from "twenty" to "ninety".
std::optional<long long> tensWord(std::string_view word);
// The value of an ordinal word from "first" to "nineteenth".
std::optional<long long> smallOrdinalWord(std::string_view word);
// The value of a tens ordinal from "twentieth" to "ninetieth".
std::optional<long long> tensOrdinalWord(std::string_view word);
// Whether a word is the ending of a written ordinal: "st", "nd", "rd",
// "th", and the old "d" ("33d").
bool isOrdinalEnding(std::string_view word);

} // namespace spanwright
