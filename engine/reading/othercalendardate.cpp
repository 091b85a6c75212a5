// Hebrew and French Republican dates by their month names and codes:
// 15 Nisan 5708, Nisan 15, 5708, 1 Tishri 5620 A.M., 18 Brumaire an VIII,
// 9 thermidor an 2, 3 jour complémentaire an VII, @#DHEBREW@ 15 NSN 5708.
#include "reading/datepieces.h"

#include "text/asciitext.h"
#include "calendars/calendarwords.h"
#include "calendars/hebrewcalendar.h"

#include <array>

namespace spanwright {

namespace datepieces {

namespace {

constexpr size_t MostTokens = 8;
constexpr int AdarI = 6;
constexpr int AdarII = 7;
constexpr long long LastYear = 9999;

struct Token
{
    std::string upper;     // letters in upper case, accents and stops dropped
    std::string_view text; // as written
    bool number = false;   // digits first (with any ending after them)
};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The accented letters of French month names as UTF-8: é, É, è, ô, Ô.
size_t accentedLetter(std::string_view text, size_t at, char& plain)
{
    if (at + 1 >= text.size() || static_cast<unsigned char>(text[at]) != 0xC3)
        return 0;
    switch (static_cast<unsigned char>(text[at + 1])) {
    case 0xA9: case 0x89: case 0xA8: case 0x88:
        plain = 'E';
        return 2;
    case 0xB4: case 0x94:
        plain = 'O';
        return 2;
    default:
        return 0;
    }
}

// Words and numbers, split at blanks and commas; false for other signs.
bool tokenize(std::string_view text, std::array<Token, MostTokens>& tokens, size_t& count)
{
    count = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i]) || text[i] == ',') {
            ++i;
            continue;
        }
        const size_t start = i;
        Token token;
        token.number = isDigit(text[i]);
        while (i < text.size() && !isBlank(text[i]) && text[i] != ',') {
            char plain = 0;
            if (const size_t length = accentedLetter(text, i, plain)) {
                token.upper.push_back(plain);
                i += length;
                continue;
            }
            const char c = text[i];
            if (!isLetter(c) && !isDigit(c) && c != '.' && c != '-' && c != '\'')
                return false;
            if (c != '.')
                token.upper.push_back(upperAscii(c));
            ++i;
        }
        token.text = text.substr(start, i - start);
        if (token.upper.empty())
            continue; // a lone stop
        if (count == MostTokens)
            return false;
        tokens[count++] = std::move(token);
    }
    return true;
}

struct MonthFound
{
    CalendarSystem system = CalendarSystem::Gregorian;
    int month = 0;
    size_t first = 0; // its tokens
    size_t words = 0;
};

bool findMonth(const std::array<Token, MostTokens>& tokens, size_t count, MonthFound& found)
{
    for (size_t i = 0; i < count; ++i) {
        for (size_t words = 2; words >= 1; --words) {
            if (i + words > count)
                continue;
            std::string phrase = tokens[i].upper;
            if (words == 2)
                phrase += " " + tokens[i + 1].upper;
            if (const int month = hebrewMonthOfWords(phrase)) {
                found = {CalendarSystem::Hebrew, month, i, words};
                return true;
            }
            if (const int month = frenchMonthOfWords(phrase)) {
                found = {CalendarSystem::FrenchRepublican, month, i, words};
                return true;
            }
        }
    }
    return false;
}

// I to MMMMCMXCIX, written the usual way (IV, not IIII): 0 for anything else.
long long romanValue(std::string_view upper)
{
    constexpr std::array<std::pair<std::string_view, int>, 13> Numerals = {{
        {"M", 1000}, {"CM", 900}, {"D", 500}, {"CD", 400}, {"C", 100}, {"XC", 90}, {"L", 50},
        {"XL", 40},  {"X", 10},   {"IX", 9},  {"V", 5},    {"IV", 4},  {"I", 1},
    }};
    long long value = 0;
    std::string_view rest = upper;
    for (const auto& [numeral, amount] : Numerals) {
        int repeats = 0;
        while (rest.substr(0, numeral.size()) == numeral) {
            value += amount;
            rest.remove_prefix(numeral.size());
            if (++repeats > 3)
                return 0;
        }
    }
    if (!rest.empty() || value == 0)
        return 0;
    // Written back the same way, or not the usual numeral.
    std::string again;
    long long left = value;
    for (const auto& [numeral, amount] : Numerals) {
        while (left >= amount) {
            again += numeral;
            left -= amount;
        }
    }
    return again == upper ? value : 0;
}

// A day number with an ending allowed: 1st, 2nd, 15th, 1er, 2e, 3eme.
bool dayValue(const Token& token, long long& value)
{
    size_t digits = 0;
    while (digits < token.upper.size() && isDigit(token.upper[digits]))
        ++digits;
    if (digits == 0 || digits > 2)
        return false;
    const std::string_view ending = std::string_view(token.upper).substr(digits);
    constexpr std::array<std::string_view, 9> Endings = {"", "ST", "ND", "RD", "TH", "D", "ER", "E", "EME"};
    bool known = false;
    for (std::string_view allowed : Endings)
        known = known || ending == allowed;
    if (!known)
        return false;
    value = numberValue(std::string_view(token.upper).substr(0, digits));
    return true;
}

DaysRead yearRefusal(const Token& token)
{
    return refusal(std::string(token.text) + " is not a year (1 to " + std::to_string(LastYear) + ")");
}

// A year alone under its escape: @#DHEBREW@ 5708, @#DFRENCH R@ an 8. The
// tokens are count read ones (0 where the text could not be read).
DaysRead markedYearAlone(const std::array<Token, MostTokens>& tokens, size_t count, CalendarSystem mark)
{
    const bool french = mark == CalendarSystem::FrenchRepublican;
    const size_t at = count == 2 && french && tokens[0].upper == "AN" ? 1 : 0;
    if (count == at + 1) {
        const Token& token = tokens[at];
        long long year = token.number ? (isNumber(token.upper) ? numberValue(token.upper) : 0)
                                      : french ? romanValue(token.upper) : 0;
        if (year >= 1 && year <= LastYear)
            return daysInCalendar({int(year), 0, 0, 0}, mark, CalendarSource::Marked);
    }
    return refusal("it names no " + std::string(calendarSystemName(mark)) + " month");
}

// The month of Adar as the Hebrew year has it: one in a common year, Adar I
// and Adar II in a leap year. A refusal where the month written is not one
// of the year's.
std::optional<DaysRead> adarRefusal(long long year, int& monthNumber)
{
    const bool leap = isHebrewLeapYear(year);
    if (monthNumber == AdarUnnumbered && leap)
        return refusal(std::to_string(year) + " is a Hebrew leap year, with two months of Adar: write Adar I "
                                              "or Adar II");
    if ((monthNumber == AdarOfLeapYear || monthNumber == AdarII) && !leap)
        return refusal(std::to_string(year) + " is a common Hebrew year, with one month of Adar: write Adar");
    if (monthNumber == AdarUnnumbered || monthNumber == AdarOfLeapYear)
        monthNumber = AdarI;
    return std::nullopt;
}

// The day written before the month, past "the", a last "of" or "de", and a
// French "le" first ("le 9 thermidor an II"); a refusal for any other word.
std::optional<DaysRead> readDayBeforeMonth(const std::array<Token, MostTokens>& tokens, const MonthFound& month,
                                       bool french, long long& day, bool& dayRead)
{
    for (size_t i = 0; i < month.first; ++i) {
        const Token& token = tokens[i];
        if (token.upper == "THE" || (i + 1 == month.first && (token.upper == "OF" || token.upper == "DE")))
            continue;
        if (french && i == 0 && token.upper == "LE")
            continue;
        if (dayRead || !dayValue(token, day))
            return refusal("\"" + std::string(token.text) + "\" before the month is not understood");
        dayRead = true;
    }
    return std::nullopt;
}

} // namespace

std::optional<DaysRead> otherCalendarDate(std::string_view text, const CalendarContext& context)
{
    const bool marked = context.mark == CalendarSystem::Hebrew || context.mark == CalendarSystem::FrenchRepublican;
    std::array<Token, MostTokens> tokens;
    size_t count = 0;
    MonthFound month;
    if (marked && context.beforeChrist)
        return refusal("a " + std::string(calendarSystemName(*context.mark)) + " date has no year before Christ");
    const bool read = tokenize(text, tokens, count);
    if (!read || !findMonth(tokens, count, month)) {
        if (!marked)
            return std::nullopt;
        return markedYearAlone(tokens, read ? count : 0, *context.mark);
    }
    const std::string calendar(calendarSystemName(month.system));
    const std::string monthWords(text.substr(size_t(tokens[month.first].text.data() - text.data()),
                                             size_t(tokens[month.first + month.words - 1].text.data()
                                                    + tokens[month.first + month.words - 1].text.size()
                                                    - tokens[month.first].text.data())));
    if (context.mark && *context.mark != month.system)
        return refusal("\"" + monthWords + "\" is a " + calendar + " month, which the mark for the "
                       + std::string(calendarSystemName(*context.mark)) + " calendar contradicts");
    if (context.beforeChrist)
        return refusal("a " + calendar + " date has no year before Christ");

    // Before the month a day; after it a day and a year, or a year, with
    // "an" before a French year and A.M. after a Hebrew one.
    const bool french = month.system == CalendarSystem::FrenchRepublican;
    long long day = 0;
    bool dayRead = false;
    if (std::optional<DaysRead> refused = readDayBeforeMonth(tokens, month, french, day, dayRead))
        return refused;
    size_t next = month.first + month.words;
    const size_t last = count;
    size_t yearAt = last;
    if (!dayRead && next + 1 < last && tokens[next].number && dayValue(tokens[next], day)) {
        dayRead = true;
        ++next;
    }
    if (next < last && french && (tokens[next].upper == "AN" || tokens[next].upper == "L'AN"))
        ++next;
    if (next < last)
        yearAt = next++;
    if (next < last && !french && isHebrewYearMark(tokens[next].upper))
        ++next;
    else if (next + 1 < last && !french && isHebrewYearMark(tokens[next].upper + " " + tokens[next + 1].upper))
        next += 2;
    if (next < last)
        return refusal("\"" + std::string(tokens[next].text) + "\" after the " + calendar + " date is not understood");
    if (yearAt == last)
        return refusal("the " + calendar + " date has no year");

    const Token& yearToken = tokens[yearAt];
    long long year = 0;
    if (yearToken.number) {
        if (!isNumber(yearToken.upper))
            return yearRefusal(yearToken);
        year = numberValue(yearToken.upper);
    } else if (french) {
        year = romanValue(yearToken.upper);
    }
    if (year < 1 || year > LastYear)
        return yearRefusal(yearToken);

    int monthNumber = month.month;
    if (month.system == CalendarSystem::Hebrew) {
        if (std::optional<DaysRead> refused = adarRefusal(year, monthNumber))
            return refused;
    }
    if (dayRead && day < 1)
        return refusal("0 is not a day");
    const WrittenDate written{int(year), monthNumber, dayRead ? int(day) : 0, 0};
    return daysInCalendar(written, month.system, marked ? CalendarSource::Marked : CalendarSource::Named);
}

} // namespace datepieces

} // namespace spanwright
