#include "reading/agewords.h"

#include "languages/languages.h"

#include <array>

namespace spanwright {

namespace {

constexpr std::array<std::string_view, 20> SmallNumbers = {
    "zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten",
    "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};

// Twenty first; "forty" and the old "fourty".
constexpr std::array<std::string_view, 8> Tens = {
    "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};

constexpr std::array<std::string_view, 20> SmallOrdinals = {
    "", "first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth", "ninth", "tenth",
    "eleventh", "twelfth", "thirteenth", "fourteenth", "fifteenth", "sixteenth", "seventeenth",
    "eighteenth", "nineteenth"};

constexpr std::array<std::string_view, 8> TensOrdinals = {
    "twentieth", "thirtieth", "fortieth", "fiftieth", "sixtieth", "seventieth", "eightieth", "ninetieth"};

constexpr long long FirstTens = 20;
constexpr long long TensStep = 10;

template <size_t Count>
std::optional<long long> indexIn(const std::array<std::string_view, Count>& words, std::string_view word)
{
    for (size_t i = 0; i < Count; ++i) {
        if (!word.empty() && words[i] == word)
            return static_cast<long long>(i);
    }
    return std::nullopt;
}

std::optional<long long> tensAt(std::optional<long long> index)
{
    if (!index)
        return std::nullopt;
    return FirstTens + *index * TensStep;
}

} // namespace

std::optional<AgeUnit> unitOfWord(std::string_view word)
{
    // Every language's unit words, English among them, from languages/.
    const auto* readings = languages::lexicon().ageUnit(word);
    if (!readings || readings->ambiguous())
        return std::nullopt;
    return readings->readings.front().value;
}

std::optional<long long> smallNumberWord(std::string_view word) { return indexIn(SmallNumbers, word); }
std::optional<long long> tensWord(std::string_view word)
{
    if (word == "fourty")
        return tensAt(2);
    return tensAt(indexIn(Tens, word));
}
std::optional<long long> smallOrdinalWord(std::string_view word) { return indexIn(SmallOrdinals, word); }
std::optional<long long> tensOrdinalWord(std::string_view word) { return tensAt(indexIn(TensOrdinals, word)); }

bool isOrdinalEnding(std::string_view word)
{
    return word == "st" || word == "nd" || word == "rd" || word == "th" || word == "d";
}

} // namespace spanwright
