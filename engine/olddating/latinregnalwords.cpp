// The Latin forms are those of the printed calendars of the Close and
// Patent Rolls and of the deeds they copy: the ruler's name in the
// genitive, medieval Latin writing -e for -ae (Marie, Elizabethe), the
// year's ordinal in the ablative after "anno".
#include "olddating/latinregnalwords.h"

namespace spanwright {

namespace {

struct LatinName
{
    std::string_view word;
    std::string_view name;
};

constexpr LatinName LatinNames[] = {
    {"WILLELMI", "WILLIAM"}, {"WILLIELMI", "WILLIAM"}, {"GULIELMI", "WILLIAM"}, {"GUILLELMI", "WILLIAM"},
    {"GUILIELMI", "WILLIAM"}, {"HENRICI", "HENRY"},    {"STEPHANI", "STEPHEN"}, {"RICARDI", "RICHARD"},
    {"RICHARDI", "RICHARD"},  {"JOHANNIS", "JOHN"},   {"IOHANNIS", "JOHN"},    {"EDWARDI", "EDWARD"},
    {"EDUARDI", "EDWARD"},    {"MARIE", "MARY"},      {"MARIAE", "MARY"},      {"ELIZABETHE", "ELIZABETH"},
    {"ELIZABETHAE", "ELIZABETH"}, {"ELIZABETH", "ELIZABETH"}, {"JACOBI", "JAMES"}, {"IACOBI", "JAMES"},
    {"CAROLI", "CHARLES"},    {"ANNE", "ANNE"},       {"ANNAE", "ANNE"},       {"GEORGII", "GEORGE"},
    {"PHILIPPI", "PHILIP"},   {"JANE", "JANE"},
};

struct LatinOrdinal
{
    std::string_view word;
    int value;
};

// A king's in the masculine genitive, a queen's in the feminine.
constexpr LatinOrdinal RulerOrdinals[] = {
    {"PRIMI", 1},  {"SECUNDI", 2}, {"TERTII", 3},   {"QUARTI", 4}, {"QUINTI", 5},    {"SEXTI", 6},
    {"SEPTIMI", 7}, {"OCTAVI", 8}, {"PRIME", 1},    {"PRIMAE", 1}, {"SECUNDE", 2},   {"SECUNDAE", 2},
};

// The year's ordinals in the ablative: units, the teens written whole, tens.
constexpr LatinOrdinal Units[] = {
    {"PRIMO", 1}, {"SECUNDO", 2}, {"TERTIO", 3}, {"QUARTO", 4}, {"QUINTO", 5},
    {"SEXTO", 6}, {"SEPTIMO", 7}, {"OCTAVO", 8}, {"NONO", 9},
};
constexpr LatinOrdinal Whole[] = {{"DECIMO", 10}, {"UNDECIMO", 11}, {"DUODECIMO", 12}};
constexpr LatinOrdinal Tens[] = {
    {"VICESIMO", 20},     {"VIGESIMO", 20},      {"VICESSIMO", 20},  {"TRICESIMO", 30},
    {"TRIGESIMO", 30},    {"TRICESSIMO", 30},    {"QUADRAGESIMO", 40}, {"QUINQUAGESIMO", 50},
    {"SEXAGESIMO", 60},
};

template <size_t N>
int valueIn(const LatinOrdinal (&table)[N], std::string_view upper)
{
    for (const LatinOrdinal& entry : table) {
        if (entry.word == upper)
            return entry.value;
    }
    return 0;
}

// A tens word, or one less or two less than it: "undevicesimo" is 19,
// "duodetricesimo" 28.
int tensValue(std::string_view upper)
{
    if (const int tens = valueIn(Tens, upper))
        return tens;
    for (auto [prefix, less] : {std::pair<std::string_view, int>{"UNDE", 1}, {"DUODE", 2}}) {
        if (upper.substr(0, prefix.size()) == prefix) {
            if (const int tens = valueIn(Tens, upper.substr(prefix.size())))
                return tens - less;
        }
    }
    return 0;
}

constexpr std::string_view Fillers[] = {"REGNI", "REGNORUM", "REGIS", "REGUM", "REGINE", "REGINAE", "DOMINI",
                                        "DOMINE", "DOMINAE", "NOSTRI", "NOSTRE", "NOSTRAE", "SUPREMI"};

} // namespace

std::string_view latinRulerName(std::string_view upper)
{
    for (const LatinName& entry : LatinNames) {
        if (entry.word == upper)
            return entry.name;
    }
    return {};
}

int latinRulerOrdinal(std::string_view upper)
{
    return valueIn(RulerOrdinals, upper);
}

int latinYearOrdinal(const std::vector<OldWord>& words, size_t at, size_t& taken)
{
    taken = 0;
    if (at >= words.size())
        return 0;
    const std::string_view first = words[at].upper;
    const std::string_view second = at + 1 < words.size() ? std::string_view(words[at + 1].upper) : "";
    const int unit = valueIn(Units, first);
    const int tens = tensValue(first);
    int value = 0;
    if (unit > 2 && second == "DECIMO") // "tertio decimo"
        value = unit + 10;
    else if (first == "DECIMO" && valueIn(Units, second) > 2) // "decimo tertio"
        value = 10 + valueIn(Units, second);
    else if (valueIn(Tens, first) > 0 && valueIn(Units, second) > 0) // "vicesimo primo"
        value = tens + valueIn(Units, second);
    if (value > 0) {
        taken = 2;
        return value;
    }
    value = unit > 0 ? unit : valueIn(Whole, first) > 0 ? valueIn(Whole, first) : tens;
    taken = value > 0 ? 1 : 0;
    return value;
}

bool isLatinRegnalFiller(std::string_view upper)
{
    for (std::string_view filler : Fillers) {
        if (filler == upper)
            return true;
    }
    return false;
}

} // namespace spanwright
