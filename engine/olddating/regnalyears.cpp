// The reigns and their first days as C. R. Cheney, Handbook of Dates for
// Students of British History (Royal Historical Society, revised by
// M. Jones, 2000), "Regnal years of rulers of England" tabulates them.
// Where the table's reckoning is irregular this follows it: John's years
// run from Ascension Day (27 May 1199) to the eve of the next Ascension
// Day; Charles II's from his father's death on 30 Jan 1649, though he came
// to the throne on 29 May 1660 (that year was written 12 Charles II);
// William III's from 13 Feb 1689, first with Mary (to 27 Dec 1694), then
// alone; Mary's own years from 6 Jul 1553, and from her marriage on 25 Jul
// 1554 the double years of Philip and Mary, Philip's year beside hers ("1 &
// 2 Philip and Mary" is 25 Jul 1554 to 5 Jul 1555). Henry VI's readeption,
// 9 Oct 1470 to 14 Apr 1471, was written as his 49th year, and Edward IV's
// years ran on through it; Jane's reign is 10 to 19 Jul 1553, from her
// proclamation, as Cheney gives it.
#include "olddating/regnalyears.h"

#include "calendars/easter.h"
#include "calendars/juliancalendar.h"
#include "olddating/latinregnalwords.h"
#include "text/romannumerals.h"

#include <algorithm>
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
    {"Henry VI", "HENRY 6", {1470, 10, 9}, {1471, 4, 14}, false, 49}, // the readeption
    {"Edward V", "EDWARD 5", {1483, 4, 9}, {1483, 6, 25}},
    {"Richard III", "RICHARD 3", {1483, 6, 26}, {1485, 8, 22}},
    {"Henry VII", "HENRY 7", {1485, 8, 22}, {1509, 4, 21}},
    {"Henry VIII", "HENRY 8", {1509, 4, 22}, {1547, 1, 28}},
    {"Edward VI", "EDWARD 6", {1547, 1, 28}, {1553, 7, 6}},
    {"Jane", "JANE", {1553, 7, 10}, {1553, 7, 19}},
    {"Mary I", "MARY", {1553, 7, 6}, {1558, 11, 17}},
    {"Philip and Mary", "PHILIP AND MARY", {1554, 7, 25}, {1558, 11, 17}, false, 1, "MARY"},
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
    {"VICT", "VICTORIA"}, {"VIC", "VICTORIA"}, {"PHILIP", "PHILIP"}, {"PHIL", "PHILIP"}, {"JANE", "JANE"},
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
    return latinRulerName(word);
}

// A king's numeral: III, 3, third.
int rulerNumeral(std::string_view upper)
{
    constexpr int MostNumeral = 8;
    std::string lower;
    for (char c : upper)
        lower.push_back(char(std::tolower(static_cast<unsigned char>(c))));
    int value = ordinalOf(upper);
    if (value == 0)
        value = latinRulerOrdinal(upper);
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

// The rulers named together: "William and Mary", "W. & M.", "Philip and
// Mary", "P. & M." (the initials only together).
struct JointRulers
{
    std::string_view first;
    std::string_view initial;
    std::string_view key;
};

constexpr JointRulers Joint[] = {{"WILLIAM", "W", "WILLIAM AND MARY"}, {"PHILIP", "P", "PHILIP AND MARY"}};

// The joint rulers' key that the words at name, and how many they took.
std::string_view jointRulersAt(const std::vector<OldWord>& words, size_t at, size_t end, size_t& taken)
{
    const auto isMary = [](std::string_view word) { return word == "M" || word == "MAR" || rulerOf(word) == "MARY"; };
    if (at + 2 >= end || !(words[at + 1].upper == "AND" || words[at + 1].upper == "&" || words[at + 1].upper == "ET")
        || !isMary(words[at + 2].upper))
        return {};
    for (const JointRulers& joint : Joint) {
        if (words[at].upper == joint.initial || rulerOf(words[at].upper) == joint.first) {
            taken = 3;
            return joint.key;
        }
    }
    return {};
}

// A name with no numeral in Latin: Latin went out of the records in 1733
// (the Proceedings in Courts of Justice Act 1730), so the one ruler of the
// name before then is meant ("Elizabethe" is Elizabeth I).
const Reign* latinRulerOfName(const std::string& key)
{
    constexpr long long LastLatinYear = 1733;
    const Reign* found = nullptr;
    for (int numeral = 1; const Reign* reign = reignOfKey(key + " " + std::to_string(numeral)); ++numeral) {
        if (reign->first.year < LastLatinYear) {
            if (found)
                return nullptr;
            found = reign;
        }
    }
    return found;
}

// Words after a ruler's name and numeral: "regis", "post conquestum".
size_t afterRuler(const std::vector<OldWord>& words, size_t at, size_t end)
{
    while (at < end) {
        if (isLatinRegnalFiller(words[at].upper))
            ++at;
        else if (at + 1 < end && words[at].upper == "POST" && words[at + 1].upper == "CONQUESTUM")
            at += 2;
        else
            break;
    }
    return at;
}

Problem notRegnal(std::string reason)
{
    return Problem{ProblemKind::NotRead, std::move(reason)};
}

// The ruler's name and numeral from at to end: the reign, or why none;
// nothing where the words name no ruler. latin says the phrase is Latin
// ("anno regni ..."), whose names without a numeral are read as of their
// time.
std::optional<Result<RegnalYear>> rulerAt(const std::vector<OldWord>& words, size_t at, size_t end, bool latin)
{
    std::string key;
    size_t taken = 0;
    if (const std::string_view joint = jointRulersAt(words, at, end, taken); !joint.empty()) {
        key = std::string(joint);
        at += taken;
    } else if (const std::string_view name = at < end ? rulerOf(words[at].upper) : ""; !name.empty()) {
        latin = latin || !latinRulerName(words[at].upper).empty();
        key = std::string(name);
        ++at;
    } else {
        return std::nullopt;
    }
    if (at < end && words[at].upper == "THE")
        ++at;
    int numeral = 0;
    if (at < end && (numeral = rulerNumeral(words[at].upper)) > 0)
        ++at;
    const size_t nameEnd = at;
    if (afterRuler(words, at, end) != end)
        return std::nullopt;
    RegnalYear regnal;
    regnal.reign = reignOfKey(numeral > 0 ? key + " " + std::to_string(numeral) : key);
    if (!regnal.reign && numeral == 0 && latin)
        regnal.reign = latinRulerOfName(key);
    if (regnal.reign)
        return regnal;
    if (numeral == 0 && reignOfKey(key + " 1"))
        return notRegnal("\"" + writtenWords(words, nameEnd - 1, nameEnd)
                         + "\" names no one ruler: write which one (I, II...)");
    if (numeral == 1 && reignOfKey(key)) {
        regnal.reign = reignOfKey(key); // Mary I
        return regnal;
    }
    return notRegnal("there was no such English ruler");
}

Day anniversary(const Reign& reign, long long yearsOn)
{
    const long long year = reign.first.year + yearsOn;
    if (reign.fromAscension)
        return easterSunday(year, CalendarSystem::Julian) + 39;
    // A reign begun before England's change keeps its anniversary in the
    // Julian count, as George II's did.
    const bool julian = julianDayOf(reign.first) < englishGregorianStart();
    return julian ? julianDayOf({year, reign.first.month, reign.first.day})
                  : dayOf({year, reign.first.month, reign.first.day});
}

Day reignLastDay(const Reign& reign)
{
    const bool julian = julianDayOf(reign.last) < englishGregorianStart();
    return julian ? julianDayOf(reign.last) : dayOf(reign.last);
}

int lastYearOf(const Reign& reign)
{
    int last = reign.firstYearNumber;
    while (anniversary(reign, last - reign.firstYearNumber + 1) <= reignLastDay(reign))
        ++last;
    return last;
}

bool hasYear(const Reign& reign, int year)
{
    return year >= reign.firstYearNumber && year <= lastYearOf(reign);
}

// A regnal year's number from at: 9, 9th, ix, ninth, nono, tertio decimo;
// the words it took, 0 for none.
size_t takeYearNumber(const std::vector<OldWord>& words, size_t at, int& year)
{
    size_t taken = 0;
    const int latin = latinYearOrdinal(words, at, taken);
    if (taken == 2) {
        year = latin;
        return taken;
    }
    if (at < words.size() && (year = yearNumber(words[at].upper)) > 0)
        return 1;
    year = latin;
    return taken;
}

// One year, or two joined ("1 & 2", "primo et secundo"), from at; the
// words they took, 0 for none.
size_t takeYears(const std::vector<OldWord>& words, size_t at, int& year, int& alongside)
{
    alongside = 0;
    const size_t taken = takeYearNumber(words, at, year);
    const size_t join = at + taken;
    if (taken == 0 || join + 1 >= words.size()
        || !(words[join].upper == "&" || words[join].upper == "AND" || words[join].upper == "ET"))
        return taken;
    int second = 0;
    const size_t more = takeYearNumber(words, join + 1, second);
    if (more == 0)
        return taken;
    alongside = second;
    return taken + 1 + more;
}

// Why the year is none of its ruler's; nothing when it is one. Moves the
// reign to the one of the name that had the year (Henry VI's readeption).
std::optional<Problem> yearProblem(RegnalYear& regnal)
{
    for (const Reign& reign : Reigns) {
        if (reign.key == regnal.reign->key && hasYear(reign, regnal.year)) {
            regnal.reign = &reign;
            break;
        }
    }
    const Reign& reign = *regnal.reign;
    if (!hasYear(reign, regnal.year)) {
        std::string problem = std::string(reign.name) + " reigned into regnal year " + std::to_string(lastYearOf(reign))
            + " only";
        for (const Reign& again : Reigns) {
            if (again.key == reign.key && &again != &reign)
                problem += ", and again in regnal year " + std::to_string(again.firstYearNumber);
        }
        return notRegnal(std::move(problem));
    }
    if (!reign.withYearsOf.empty() && regnal.alongsideYear == 0)
        return notRegnal(std::string(reign.name) + "'s years are written two together, the king's and the queen's: "
                         "\"1 & 2 " + std::string(reign.name) + "\"");
    if (reign.withYearsOf.empty() && regnal.alongsideYear != 0)
        return notRegnal("only Philip and Mary's years are written two together, not " + std::string(reign.name)
                         + "'s");
    if (regnal.alongsideYear != 0) {
        const auto [first, last] = regnalYearDays(regnal);
        if (first > last)
            return notRegnal("Philip's year " + std::to_string(regnal.year) + " and Mary's year "
                             + std::to_string(regnal.alongsideYear) + " have no day in common");
    }
    return std::nullopt;
}

std::optional<Result<RegnalYear>> withYears(std::optional<Result<RegnalYear>> regnal, int year, int alongside)
{
    if (!regnal || !*regnal)
        return regnal;
    RegnalYear& named = **regnal;
    named.year = year;
    named.alongsideYear = alongside;
    if (std::optional<Problem> problem = yearProblem(named))
        return Result<RegnalYear>(std::move(*problem));
    return regnal;
}

// The Latin order, the year last: "anno regni regis Edwardi tertii nono",
// "a.r.r. Henrici octavi tertio" (anno regni regis); at is past "anno".
std::optional<Result<RegnalYear>> latinYearLast(const std::vector<OldWord>& words, size_t first, size_t at)
{
    const bool regni = at > first && at < words.size()
        && (words[at].upper == "REGNI" || words[at].upper == "REGNORUM");
    const bool abbreviated = at < words.size() && (words[at].upper == "ARR" || words[at].upper == "AR");
    if (!regni && !abbreviated)
        return std::nullopt;
    at += abbreviated ? 1 : 0;
    while (at < words.size() && isLatinRegnalFiller(words[at].upper))
        ++at;
    for (size_t yearAt = at + 1; yearAt < words.size(); ++yearAt) {
        int year = 0;
        int alongside = 0;
        if (takeYears(words, yearAt, year, alongside) != words.size() - yearAt)
            continue;
        if (std::optional<Result<RegnalYear>> regnal = rulerAt(words, at, yearAt, true))
            return withYears(std::move(regnal), year, alongside);
    }
    return std::nullopt;
}

} // namespace

Day englishGregorianStart()
{
    return dayOf({1752, 9, 14});
}

std::optional<Day> englishDay(long long year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1)
        return std::nullopt;
    if (day <= julianMonthLength(month, year)) {
        const Day julian = julianDayOf({year, month, day});
        if (julian < englishGregorianStart())
            return julian;
    }
    if (day > daysInMonth(month, year))
        return std::nullopt;
    const Day gregorian = dayOf({year, month, day});
    return gregorian >= englishGregorianStart() ? std::optional<Day>(gregorian) : std::nullopt;
}

std::optional<Result<RegnalYear>> readRegnalYear(const std::vector<OldWord>& words, size_t first)
{
    size_t at = first;
    while (at < words.size()
           && (words[at].upper == "IN" || words[at].upper == "THE" || words[at].upper == "ANNO"
               || words[at].upper == "ANNIS"))
        ++at;
    if (at >= words.size())
        return std::nullopt;
    int year = 0;
    int alongside = 0;
    const size_t taken = takeYears(words, at, year, alongside);
    if (taken == 0)
        return latinYearLast(words, first, at);
    at += taken;
    while (at < words.size() && (isFiller(words[at].upper) || isLatinRegnalFiller(words[at].upper)))
        ++at;
    if (at >= words.size())
        return std::nullopt;
    return withYears(rulerAt(words, at, words.size(), false), year, alongside);
}

std::pair<Day, Day> regnalYearDays(const RegnalYear& regnal)
{
    const Reign& reign = *regnal.reign;
    const int yearsOn = regnal.year - reign.firstYearNumber;
    Day firstDay = anniversary(reign, yearsOn);
    Day lastDay = std::min(anniversary(reign, yearsOn + 1) - 1, reignLastDay(reign));
    if (const Reign* queen = reign.withYearsOf.empty() ? nullptr : reignOfKey(reign.withYearsOf)) {
        RegnalYear own;
        own.reign = queen;
        own.year = regnal.alongsideYear;
        const auto [queenFirst, queenLast] = regnalYearDays(own);
        firstDay = std::max(firstDay, queenFirst);
        lastDay = std::min(lastDay, queenLast);
    }
    return {firstDay, lastDay};
}

std::string regnalYearText(const RegnalYear& regnal)
{
    const std::string alongside = regnal.alongsideYear ? " & " + std::to_string(regnal.alongsideYear) : "";
    return std::to_string(regnal.year) + alongside + " " + std::string(regnal.reign->name);
}

} // namespace spanwright
