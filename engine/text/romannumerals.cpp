#include "text/romannumerals.h"

#include <array>

namespace spanwright {

namespace languages {

namespace {

constexpr std::string_view RomanLetters = "ivxlcdm";
constexpr size_t MostRepeats = 4; // "iiij", "xxxx", "cccc", "mmmm"

// One decimal place of a numeral: its one, five and ten letters ("i v x").
struct Place
{
    char one;
    char five;
    char ten;
    long long unit;
};

// Reads one place at pos (nine: one+ten, four: one+five, else five? one{0,4}).
long long readPlace(std::string_view word, size_t& pos, const Place& place)
{
    const auto at = [&](size_t i) { return i < word.size() ? word[i] : '\0'; };
    if (place.five != 0 && at(pos) == place.one && at(pos + 1) == place.ten) {
        pos += 2;
        return 9 * place.unit;
    }
    if (place.five != 0 && at(pos) == place.one && at(pos + 1) == place.five) {
        pos += 2;
        return 4 * place.unit;
    }
    long long value = 0;
    if (place.five != 0 && at(pos) == place.five) {
        value = 5 * place.unit;
        ++pos;
    }
    size_t repeats = 0;
    while (at(pos) == place.one && repeats < MostRepeats) {
        value += place.unit;
        ++pos;
        ++repeats;
    }
    return value;
}

} // namespace

namespace {

long long letterValue(char letter)
{
    switch (letter) {
    case 'i': case 'j': return 1;
    case 'v': return 5;
    case 'x': return 10;
    case 'l': return 50;
    case 'c': return 100;
    case 'd': return 500;
    case 'm': return 1000;
    default: return 0;
    }
}

// A smaller letter before a larger one only as numerals write it (iv, ix,
// xl, xc, cd, cm): "mil" and "Mid" are words, not numerals written wrong.
bool inNumeralOrder(std::string_view lower)
{
    constexpr long long Ten = 10;
    for (size_t i = 0; i + 1 < lower.size(); ++i) {
        const long long here = letterValue(lower[i]);
        const long long next = letterValue(lower[i + 1]);
        const bool subtracts = (here == 1 || here == Ten || here == Ten * Ten) && next <= here * Ten;
        if (here < next && !subtracts)
            return false;
    }
    return true;
}

// Only the numerals' letters, and j only last.
bool hasRomanLetters(std::string_view lower)
{
    if (lower.empty())
        return false;
    for (size_t i = 0; i < lower.size(); ++i) {
        const bool finalJ = lower[i] == 'j' && i + 1 == lower.size() && i > 0;
        if (!finalJ && RomanLetters.find(lower[i]) == std::string_view::npos)
            return false;
    }
    return true;
}

} // namespace

bool looksRoman(std::string_view lower) { return hasRomanLetters(lower) && inNumeralOrder(lower); }

std::optional<long long> romanValue(std::string_view lower)
{
    // The places read below hold the numerals' order.
    if (!hasRomanLetters(lower))
        return std::nullopt;
    // The scribe's final j is an i: "xxij" is "xxii", "vj" "vi", "xxxj" "xxxi".
    const bool finalJ = lower.back() == 'j';
    constexpr std::array<Place, 4> Places = {{
        {'m', 0, 0, 1000}, {'c', 'd', 'm', 100}, {'x', 'l', 'c', 10}, {'i', 'v', 'x', 1}}};
    size_t pos = 0;
    long long value = 0;
    std::array<char, 32> spelled{};
    if (lower.size() >= spelled.size())
        return std::nullopt;
    for (size_t i = 0; i < lower.size(); ++i)
        spelled[i] = (finalJ && i + 1 == lower.size()) ? 'i' : lower[i];
    const std::string_view word(spelled.data(), lower.size());
    for (const Place& place : Places)
        value += readPlace(word, pos, place);
    if (pos != word.size() || value == 0)
        return std::nullopt;
    return value;
}

} // namespace languages

} // namespace spanwright
