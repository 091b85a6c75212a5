#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The words of a date written the old ways (feasts, regnal years, Roman
// days, Islamic and Persian months), as their readers compare them: split at
// blanks, commas and hyphens, in upper case, stops and a final "'s" dropped
// ("St. Martin's" is ST MARTIN), the German umlauts and ß spelt out
// (Gründonnerstag is GRUENDONNERSTAG), the Turkish letters plain (Şubat is
// SUBAT).
struct OldWord
{
    std::string upper;
    std::string_view text; // as written
    bool number() const;   // digits only
};

// Nothing when the text holds a sign other than letters, digits, the stop,
// the apostrophe, the slash and the ones split at.
std::optional<std::vector<OldWord>> oldWords(std::string_view text);

// The words from first to last (exclusive), joined by one blank.
std::string joinedWords(const std::vector<OldWord>& words, size_t first, size_t last);
// The same as written, from the first word's start to the last one's end.
std::string writtenWords(const std::vector<OldWord>& words, size_t first, size_t last);

// True when words is one of names, written "EASTER|PASCHA|OSTERN".
bool namedBy(std::string_view names, std::string_view words);

// A count written as a number (3, 3rd, 3d) or a word in English, Latin or
// German (third, tertia, dritte), 1 to 31; 0 for none.
int ordinalOf(std::string_view upper);

} // namespace spanwright
