#include "olddating/oldwords.h"

#include "text/asciitext.h"

#include <algorithm>

namespace spanwright {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The UTF-8 letters German and Turkish words are written with, spelt out:
// the umlauts as German spells them without (Mariä is MARIAE), the Turkish
// letters as their plain ones (Şubat is SUBAT, Kânunusani KANUNUSANI).
std::string_view spelledOut(std::string_view text, size_t at)
{
    if (at + 1 >= text.size())
        return {};
    const auto lead = static_cast<unsigned char>(text[at]);
    const auto next = static_cast<unsigned char>(text[at + 1]);
    if (lead == 0xC3) {
        switch (next) {
        case 0xA4: case 0x84: return "AE";
        case 0xB6: case 0x96: return "OE";
        case 0xBC: case 0x9C: return "UE";
        case 0x9F: return "SS";
        case 0xA2: case 0x82: return "A";
        case 0xA7: case 0x87: return "C";
        default: return {};
        }
    }
    if (lead == 0xC4 && (next == 0xB1 || next == 0xB0))
        return "I";
    if (lead == 0xC4 && (next == 0x9F || next == 0x9E))
        return "G";
    if (lead == 0xC5 && (next == 0x9F || next == 0x9E))
        return "S";
    return {};
}

bool splitsWords(char c) { return isBlank(c) || c == ',' || c == '-' || c == ';' || c == ':'; }

// English, Latin (masculine and feminine) and German ordinals to 27, the
// most Sundays after Trinity.
struct OrdinalWord
{
    std::string_view word;
    int value;
};

constexpr OrdinalWord OrdinalWords[] = {
    {"FIRST", 1}, {"SECOND", 2}, {"THIRD", 3}, {"FOURTH", 4}, {"FIFTH", 5}, {"SIXTH", 6},
    {"SEVENTH", 7}, {"EIGHTH", 8}, {"NINTH", 9}, {"TENTH", 10}, {"ELEVENTH", 11}, {"TWELFTH", 12},
    {"THIRTEENTH", 13}, {"FOURTEENTH", 14}, {"FIFTEENTH", 15}, {"SIXTEENTH", 16}, {"SEVENTEENTH", 17},
    {"EIGHTEENTH", 18}, {"NINETEENTH", 19}, {"TWENTIETH", 20},
    {"PRIMA", 1}, {"SECUNDA", 2}, {"TERTIA", 3}, {"QUARTA", 4}, {"QUINTA", 5}, {"SEXTA", 6},
    {"SEPTIMA", 7}, {"OCTAVA", 8}, {"NONA", 9}, {"DECIMA", 10},
    {"PRIMO", 1}, {"SECUNDO", 2}, {"TERTIO", 3}, {"QUARTO", 4}, {"QUINTO", 5}, {"SEXTO", 6},
    {"SEPTIMO", 7}, {"OCTAVO", 8}, {"NONO", 9}, {"DECIMO", 10},
    {"ERSTE", 1}, {"ZWEITE", 2}, {"DRITTE", 3}, {"VIERTE", 4}, {"FUENFTE", 5}, {"SECHSTE", 6},
    {"SIEBENTE", 7}, {"SIEBTE", 7}, {"ACHTE", 8}, {"NEUNTE", 9}, {"ZEHNTE", 10}, {"ELFTE", 11},
    {"ZWOELFTE", 12}, {"ERSTER", 1}, {"ZWEITER", 2}, {"DRITTER", 3}, {"VIERTER", 4}, {"FUENFTER", 5},
    {"SECHSTER", 6}, {"SIEBENTER", 7}, {"ACHTER", 8}, {"NEUNTER", 9}, {"ZEHNTER", 10},
    {"ONE", 1}, {"TWO", 2}, {"THREE", 3},
};

} // namespace

bool OldWord::number() const
{
    return !upper.empty() && upper.find_first_not_of("0123456789") == std::string::npos;
}

std::optional<std::vector<OldWord>> oldWords(std::string_view text)
{
    std::vector<OldWord> words;
    size_t i = 0;
    while (i < text.size()) {
        if (splitsWords(text[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        OldWord word;
        while (i < text.size() && !splitsWords(text[i])) {
            if (const std::string_view letters = spelledOut(text, i); !letters.empty()) {
                word.upper += letters;
                i += 2;
                continue;
            }
            const char c = text[i++];
            if (isLetter(c) || isDigit(c) || c == '/' || c == '\'' || c == '&')
                word.upper.push_back(upperAscii(c));
            else if (c != '.')
                return std::nullopt;
        }
        if (word.upper.size() > 2 && word.upper.compare(word.upper.size() - 2, 2, "'S") == 0)
            word.upper.resize(word.upper.size() - 2);
        word.text = text.substr(start, i - start);
        if (!word.upper.empty())
            words.push_back(std::move(word));
    }
    return words;
}

std::string joinedWords(const std::vector<OldWord>& words, size_t first, size_t last)
{
    std::string joined;
    for (size_t i = first; i < last && i < words.size(); ++i)
        joined += (joined.empty() ? "" : " ") + words[i].upper;
    return joined;
}

std::string writtenWords(const std::vector<OldWord>& words, size_t first, size_t last)
{
    if (first >= last || last > words.size())
        return {};
    const char* begin = words[first].text.data();
    const char* end = words[last - 1].text.data() + words[last - 1].text.size();
    return std::string(begin, size_t(end - begin));
}

bool namedBy(std::string_view names, std::string_view words)
{
    size_t start = 0;
    while (start <= names.size()) {
        const size_t end = std::min(names.find('|', start), names.size());
        if (names.substr(start, end - start) == words)
            return true;
        start = end + 1;
    }
    return false;
}

int ordinalOf(std::string_view upper)
{
    constexpr int MostOrdinal = 31;
    size_t digits = 0;
    while (digits < upper.size() && isDigit(upper[digits]))
        ++digits;
    if (digits > 0 && digits <= 2) {
        const std::string_view ending = upper.substr(digits);
        if (ending.empty() || ending == "ST" || ending == "ND" || ending == "RD" || ending == "TH" || ending == "D") {
            const int value = std::stoi(std::string(upper.substr(0, digits)));
            return value <= MostOrdinal ? value : 0;
        }
        return 0;
    }
    for (const OrdinalWord& entry : OrdinalWords) {
        if (entry.word == upper)
            return entry.value;
    }
    return 0;
}

} // namespace spanwright
