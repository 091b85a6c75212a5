// The reigns and their first days as C. R. Cheney, Handbook of Dates for
// Students of British History (Royal Historical Society, revised by
// M. Jones, 2000), "Regnal years of rulers of England" tabulates them.
// Where the table's reckoning is irregular this follows it: John's years
// run from Ascension Day (27 May 1199) to the eve of the next Ascension
// Day; Charles II's from his father's death on 30 Jan 1649, though he came
// to the throne on 29 May 1660 (that year was written 12 Charles II);
// William III's from 13 Feb 1689, first with Mary (to 27 Dec 1694), then
// alone; Mary's own years from 6 Jul 1553 (the double years of Philip and
// Mary, from 25 Jul 1554, are not read). Henry VI's readeption of 1470-71
// and Jane's nine days are not read either: records date by them rarely,
// and Cheney counts them apart.
#include "regnalyears.h"

#include "easter.h"
#include "juliancalendar.h"
#include "languages/romannumerals.h"

#include <cctype>

namespace spanwright {

namespace {

constexpr Reign Reigns[] = {
    {"William I", "WILLIAM 1", {1066, 12, 25}, {1087, 9, 9}},
    {"William II", "WILLIAM 2", {1087, 9, 26}, {1100, 8, 2}},
    {"Henry I", "HENRY 1", {1100, 8, 5}, {1135, 12, 1}},
    {"Stephen", "STEPHEN", {1135, 12, 26}, {1154, 10, 25}},
    {"Henry II", "HENRY 2", {1154, 12, 19}, {1189, 7, 6}},
    {"Richard I", "RICHARD 1", {1189, 9, 3}, {1199, 4, 6}},
    {"John", "JOHN", {1199, 5, 27}, {1216, 10, 19}, true},
    {"Henry III", "HENRY 3", {1216, 10, 28}, {1272, 11, 16}},
    {"Edward I", "EDWARD 1", {1272, 11, 20}, {1307, 7, 7}},
    {"Edward II", "EDWARD 2", {1307, 7, 8}, {1327, 1, 20}},
    {"Edward III", "EDWARD 3", {1327, 1, 25}, {1377, 6, 21}},
    {"Richard II", "RICHARD 2", {1377, 6, 22}, {1399, 9, 29}},
    {"Henry IV", "HENRY 4", {1399, 9, 30}, {1413, 3, 20}},
    {"Henry V", "HENRY 5", {1413, 3, 21}, {1422, 8, 31}},
    {"Henry VI", "HENRY 6", {1422, 9, 1}, {1461, 3, 4}},
    {"Edward IV", "EDWARD 4", {1461, 3, 4}, {1483, 4, 9}},
    {"Edward V", "EDWARD 5", {1483, 4, 9}, {1483, 6, 25}},
    {"Richard III", "RICHARD 3", {1483, 6, 26}, {1485, 8, 22}},
    {"Henry VII", "HENRY 7", {1485, 8, 22}, {1509, 4, 21}},
    {"Henry VIII", "HENRY 8", {1509, 4, 22}, {1547, 1, 28}},
    {"Edward VI", "EDWARD 6", {1547, 1, 28}, {1553, 7, 6}},
    {"Mary I", "MARY", {1553, 7, 6}, {1558, 11, 17}},
    {"Elizabeth I", "ELIZABETH 1", {1558, 11, 17}, {1603, 3, 24}},
    {"James I", "JAMES 1", {1603, 3, 24}, {1625, 3, 27}},
    {"Charles I", "CHARLES 1", {1625, 3, 27}, {1649, 1, 30}},
    {"Charles II", "CHARLES 2", {1649, 1, 30}, {1685, 2, 6}},
    {"James II", "JAMES 2", {1685, 2, 6}, {1688, 12, 11}},
    {"William and Mary", "WILLIAM AND MARY", {1689, 2, 13}, {1694, 12, 27}},
    {"William III", "WILLIAM 3", {1689, 2, 13}, {1702, 3, 8}},
    {"Anne", "ANNE", {1702, 3, 8}, {1714, 8, 1}},
    {"George I", "GEORGE 1", {1714, 8, 1}, {1727, 6, 11}},
    {"George II", "GEORGE 2", {1727, 6, 11}, {1760, 10, 25}},
    {"George III", "GEORGE 3", {1760, 10, 25}, {1820, 1, 29}},
    {"George IV", "GEORGE 4", {1820, 1, 29}, {1830, 6, 26}},
    {"William IV", "WILLIAM 4", {1830, 6, 26}, {1837, 6, 20}},
    {"Victoria", "VICTORIA", {1837, 6, 20}, {1901, 1, 22}},
    {"Edward VII", "EDWARD 7", {1901, 1, 22}, {1910, 5, 6}},
    {"George V", "GEORGE 5", {1910, 5, 6}, {1936, 1, 20}},
    {"Edward VIII", "EDWARD 8", {1936, 1, 20}, {1936, 12, 11}},
    {"George VI", "GEORGE 6", {1936, 12, 11}, {1952, 2, 6}},
    {"Elizabeth II", "ELIZABETH 2", {1952, 2, 6}, {2022, 9, 8}},
};

// The names and their abbreviations in statutes and calendars of rolls.
struct RulerWord
{
    std::string_view word;
    std::string_view name;
};

constexpr RulerWord RulerWords[] = {
    {"WILLIAM", "WILLIAM"}, {"WILL", "WILLIAM"}, {"WM", "WILLIAM"}, {"GUL", "WILLIAM"},
    {"HENRY", "HENRY"}, {"HEN", "HENRY"}, {"HENR", "HENRY"}, {"HY", "HENRY"}, {"STEPHEN", "STEPHEN"},
    {"STEPH", "STEPHEN"}, {"RICHARD", "RICHARD"}, {"RIC", "RICHARD"}, {"RICH", "RICHARD"}, {"JOHN", "JOHN"},
    {"JOH", "JOHN"}, {"EDWARD", "EDWARD"}, {"EDW", "EDWARD"}, {"ED", "EDWARD"}, {"MARY", "MARY"},
    {"ELIZABETH", "ELIZABETH"}, {"ELIZ", "ELIZABETH"}, {"ELIZAB", "ELIZABETH"}, {"JAMES", "JAMES"},
    {"JAC", "JAMES"}, {"JAS", "JAMES"}, {"CHARLES", "CHARLES"}, {"CAR", "CHARLES"}, {"CHAS", "CHARLES"},
    {"ANNE", "ANNE"}, {"ANN", "ANNE"}, {"GEORGE", "GEORGE"}, {"GEO", "GEORGE"}, {"VICTORIA", "VICTORIA"},
    {"VICT", "VICTORIA"}, {"VIC", "VICTORIA"},
};

// Words between a regnal year's number and the ruler's name.
constexpr std::string_view Fillers[] = {"YEAR", "OF", "THE", "REIGN", "OUR", "SOVEREIGN", "LORD", "LADY",
                                        "KING", "QUEEN", "REGNI", "REGIS", "REGINAE", "REX", "REGINA"};

bool isFiller(std::string_view word)
{
    for (std::string_view filler : Fillers) {
        if (filler == word)
            return true;
    }
    return false;
}

std::string_view rulerOf(std::string_view word)
{
    for (const RulerWord& entry : RulerWords) {
        if (entry.word == word)
            return entry.name;
    }
    return {};
}

// A king's numeral: III, 3, third.
int rulerNumeral(std::string_view upper)
{
    constexpr int MostNumeral = 8;
    std::string lower;
    for (char c : upper)
        lower.push_back(char(std::tolower(static_cast<unsigned char>(c))));
    int value = ordinalOf(upper);
    if (value == 0 && languages::looksRoman(lower)) {
        if (const auto roman = languages::romanValue(lower))
            value = int(*roman);
    }
    return value >= 1 && value <= MostNumeral ? value : 0;
}

// A regnal year's number: 9, 9th, ix, ninth.
int yearNumber(std::string_view upper)
{
    constexpr int MostYears = 99;
    size_t digits = 0;
    while (digits < upper.size() && std::isdigit(static_cast<unsigned char>(upper[digits])))
        ++digits;
    if (digits > 0 && digits <= 2) {
        const std::string_view ending = upper.substr(digits);
        const bool known = ending.empty() || ending == "ST" || ending == "ND" || ending == "RD" || ending == "TH"
            || ending == "D";
        return known ? std::stoi(std::string(upper.substr(0, digits))) : 0;
    }
    const int ordinal = ordinalOf(upper);
    if (ordinal > 0)
        return ordinal;
    std::string lower;
    for (char c : upper)
        lower.push_back(char(std::tolower(static_cast<unsigned char>(c))));
    if (languages::looksRoman(lower)) {
        if (const auto roman = languages::romanValue(lower); roman && *roman <= MostYears)
            return int(*roman);
    }
    return 0;
}

const Reign* reignOfKey(std::string_view key)
{
    for (const Reign& reign : Reigns) {
        if (reign.key == key)
            return &reign;
    }
    return nullptr;
}

// The ruler's name and numeral from at to the end: the reign, or why none.
std::optional<RegnalYear> rulerAt(const std::vector<OldWord>& words, size_t at)
{
    // "William and Mary", "W. & M." (the initials only together).
    const auto isWilliam = [](std::string_view word) { return word == "W" || rulerOf(word) == "WILLIAM"; };
    const auto isMary = [](std::string_view word) { return word == "M" || rulerOf(word) == "MARY"; };
    std::string key;
    if (at + 2 < words.size() && isWilliam(words[at].upper)
        && (words[at + 1].upper == "AND" || words[at + 1].upper == "&") && isMary(words[at + 2].upper)) {
        key = "WILLIAM AND MARY";
        at += 3;
    } else if (const std::string_view name = rulerOf(words[at].upper); !name.empty()) {
        key = std::string(name);
        ++at;
    } else {
        return std::nullopt;
    }
    if (at < words.size() && words[at].upper == "THE")
        ++at;
    int numeral = 0;
    if (at < words.size() && (numeral = rulerNumeral(words[at].upper)) > 0)
        ++at;
    if (at != words.size())
        return std::nullopt;
    RegnalYear regnal;
    regnal.reign = reignOfKey(numeral > 0 ? key + " " + std::to_string(numeral) : key);
    if (!regnal.reign && numeral == 0 && reignOfKey(key + " 1"))
        regnal.problem = "\"" + writtenWords(words, at - 1, at) + "\" names no one ruler: write which one (I, II...)";
    else if (!regnal.reign && numeral == 1 && reignOfKey(key))
        regnal.reign = reignOfKey(key); // Mary I
    else if (!regnal.reign)
        regnal.problem = "there was no such English ruler";
    return regnal;
}

long long anniversary(const Reign& reign, long long yearsOn)
{
    const long long year = reign.first.year + yearsOn;
    if (reign.fromAscension)
        return easterDayNumber(year, CalendarSystem::Julian) + 39;
    // A reign begun before England's change keeps its anniversary in the
    // Julian count, as George II's did.
    const bool julian = julianDayNumberOf(reign.first) < englishGregorianStart();
    return julian ? julianDayNumberOf({year, reign.first.month, reign.first.day})
                  : dayNumberOf({year, reign.first.month, reign.first.day});
}

long long reignLastDay(const Reign& reign)
{
    const bool julian = julianDayNumberOf(reign.last) < englishGregorianStart();
    return julian ? julianDayNumberOf(reign.last) : dayNumberOf(reign.last);
}

} // namespace

long long englishGregorianStart()
{
    return dayNumberOf({1752, 9, 14});
}

std::optional<long long> englishDay(long long year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1)
        return std::nullopt;
    if (day <= julianMonthLength(month, year)) {
        const long long julian = julianDayNumberOf({year, month, day});
        if (julian < englishGregorianStart())
            return julian;
    }
    if (day > daysInMonth(month, year))
        return std::nullopt;
    const long long gregorian = dayNumberOf({year, month, day});
    return gregorian >= englishGregorianStart() ? std::optional<long long>(gregorian) : std::nullopt;
}

std::optional<RegnalYear> readRegnalYear(const std::vector<OldWord>& words, size_t first)
{
    size_t at = first;
    while (at < words.size() && (words[at].upper == "IN" || words[at].upper == "THE" || words[at].upper == "ANNO"))
        ++at;
    if (at >= words.size())
        return std::nullopt;
    const int year = yearNumber(words[at].upper);
    if (year == 0)
        return std::nullopt;
    ++at;
    while (at < words.size() && isFiller(words[at].upper))
        ++at;
    if (at >= words.size())
        return std::nullopt;
    std::optional<RegnalYear> regnal = rulerAt(words, at);
    if (!regnal || !regnal->reign)
        return regnal;
    regnal->year = year;
    if (anniversary(*regnal->reign, year - 1) > reignLastDay(*regnal->reign)) {
        int last = 1;
        while (anniversary(*regnal->reign, last) <= reignLastDay(*regnal->reign))
            ++last;
        regnal->problem = std::string(regnal->reign->name) + " reigned into regnal year " + std::to_string(last)
            + " only";
    }
    return regnal;
}

std::pair<long long, long long> regnalYearDays(const Reign& reign, int year)
{
    const long long firstDay = anniversary(reign, year - 1);
    const long long lastDay = std::min(anniversary(reign, year) - 1, reignLastDay(reign));
    return {firstDay, lastDay};
}

std::string regnalYearText(const RegnalYear& regnal)
{
    return std::to_string(regnal.year) + " " + std::string(regnal.reign->name);
}

} // namespace spanwright
