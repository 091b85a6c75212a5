#pragma once

#include <optional>
#include <string_view>

namespace spanwright {

// Roman numerals as scribes wrote them in Latin registers, in lower case:
// "xxij" (a final i written j), "iiij" (four as four strokes), "mdccl".
namespace languages {

// Whether the word has only the letters of Roman numerals (i v x l c d m,
// and a final j), so that a refusal can say it is no numeral.
bool looksRoman(std::string_view lower);

// The value, or none where the word is no numeral ("xxxxx", "vv", "ic").
std::optional<long long> romanValue(std::string_view lower);

} // namespace languages

} // namespace spanwright
