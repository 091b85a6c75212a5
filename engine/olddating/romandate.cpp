// Days of the Roman calendar in a year, as Latin registers write them:
// "a.d. XIV Kal. Jun. 1750", "die 14 Kal. Jun. 1750", "pridie Nonas Maias
// 1700", "Idibus Martii 1650", "3 Non. Feb. 1720", "prid. Kal. Jan. 1751"
// (31 Dec 1750: the year is that of the Kalends named).
#include "reading/datepieces.h"

#include "calendars/calendars.h"
#include "text/romannumerals.h"
#include "languages/monthnames.h"
#include "olddating/oldwords.h"
#include "calendars/romandays.h"

#include <cctype>

namespace spanwright {

namespace datepieces {

namespace {

struct FixedDayWord
{
    std::string_view word;
    RomanFixedDay fixed;
};

constexpr FixedDayWord FixedDayWords[] = {
    {"KAL", RomanFixedDay::Kalends},     {"KALEND", RomanFixedDay::Kalends},   {"KALENDAS", RomanFixedDay::Kalends},
    {"KALENDIS", RomanFixedDay::Kalends}, {"KALENDARUM", RomanFixedDay::Kalends}, {"KL", RomanFixedDay::Kalends},
    {"CAL", RomanFixedDay::Kalends},     {"CALEND", RomanFixedDay::Kalends},   {"CALENDAS", RomanFixedDay::Kalends},
    {"CALENDIS", RomanFixedDay::Kalends}, {"NON", RomanFixedDay::Nones},        {"NONAS", RomanFixedDay::Nones},
    {"NONIS", RomanFixedDay::Nones},     {"NONARUM", RomanFixedDay::Nones},    {"ID", RomanFixedDay::Ides},
    {"IDUS", RomanFixedDay::Ides},       {"IDIBUS", RomanFixedDay::Ides},      {"IDUUM", RomanFixedDay::Ides},
};

constexpr std::string_view FixedDayNames[] = {"Kalends", "Nones", "Ides"};

bool fixedDayOf(std::string_view upper, RomanFixedDay& fixed)
{
    for (const FixedDayWord& entry : FixedDayWords) {
        if (entry.word == upper) {
            fixed = entry.fixed;
            return true;
        }
    }
    return false;
}

// The month of a Latin month adjective in any case and abbreviation
// (Jun., Iunias, Martii, Maias, Octobris, 9bris is not one): by its first
// three letters, I for J and U for V.
int latinMonthOf(std::string_view upper)
{
    constexpr std::string_view Starts[] = {"IAN", "FEB", "MAR", "APR", "MAI", "IUN",
                                           "IUL", "AUG", "SEP", "OCT", "NOU", "DEC"};
    constexpr size_t Longest = 12;
    if (upper.size() < 3 || upper.size() > Longest)
        return 0;
    std::string start;
    for (char c : upper) {
        if (!std::isalpha(static_cast<unsigned char>(c)))
            return 0;
        start.push_back(c == 'J' ? 'I' : c == 'V' ? 'U' : c);
    }
    for (size_t i = 0; i < std::size(Starts); ++i) {
        if (start.compare(0, 3, Starts[i]) == 0)
            return int(i) + 1;
    }
    return 0;
}

// The count before the fixed day: 14, XIV, xiiij.
int countOf(const OldWord& word)
{
    constexpr int MostCount = 31;
    if (word.number())
        return word.upper.size() <= 2 ? std::stoi(word.upper) : 0;
    std::string lower;
    for (char c : word.upper)
        lower.push_back(char(std::tolower(static_cast<unsigned char>(c))));
    if (!languages::looksRoman(lower))
        return 0;
    const auto value = languages::romanValue(lower);
    return value && *value <= MostCount ? int(*value) : 0;
}

// The words before the fixed day: the count they give (1 for none, 2 for
// pridie), or 0 where they are not one.
int countBefore(const std::vector<OldWord>& words, size_t fixedAt)
{
    size_t at = 0;
    if (at < fixedAt && (words[at].upper == "DIE" || words[at].upper == "AD"))
        ++at;
    else if (at + 1 < fixedAt && words[at].upper == "ANTE" && words[at + 1].upper == "DIEM")
        at += 2;
    if (at == fixedAt)
        return at == 0 ? 1 : 0;
    if (at + 1 != fixedAt)
        return 0;
    if (words[at].upper == "PRIDIE" || words[at].upper == "PRID" || words[at].upper == "PR")
        return 2;
    return countOf(words[at]);
}

} // namespace

std::optional<DaysRead> romanDate(std::string_view text, const CalendarContext& context)
{
    const std::optional<std::vector<OldWord>> read = oldWords(text);
    if (!read || read->size() < 2)
        return std::nullopt;
    const std::vector<OldWord>& words = *read;
    size_t fixedAt = 0;
    RomanFixedDay fixed = RomanFixedDay::Kalends;
    while (fixedAt < words.size() && !fixedDayOf(words[fixedAt].upper, fixed))
        ++fixedAt;
    if (fixedAt + 1 >= words.size() || fixedAt > 3)
        return std::nullopt;
    const int count = countBefore(words, fixedAt);
    const int month = latinMonthOf(words[fixedAt + 1].upper);
    if (count == 0 || month == 0)
        return std::nullopt;
    size_t yearAt = fixedAt + 2;
    if (yearAt < words.size() && words[yearAt].upper == "ANNO")
        ++yearAt;
    if (yearAt < words.size() && words[yearAt].upper == "DOMINI")
        ++yearAt;
    if (yearAt + 1 != words.size() || !words[yearAt].number() || words[yearAt].upper.size() < 3
        || words[yearAt].upper.size() > 4)
        return refusal("a day of the Roman calendar wants its year after the month: "
                       + writtenWords(words, 0, fixedAt + 2) + " 1750");
    const long long year = numberValue(words[yearAt].upper);
    // The calendar of the year's February decides its leap day.
    const DaysRead february = writtenDays({int(year), 2, 1, 0}, context);
    if (!february)
        return february;
    const bool leap = monthLengthIn(february->calendar, 2, year) == 29;
    int dayMonth = 0;
    int day = 0;
    int lastDay = 0;
    const std::string fixedName = std::string(FixedDayNames[size_t(fixed)]) + " of " + std::string(fullMonthName(month));
    if (!romanDay(fixed, month, count, leap, dayMonth, day, lastDay))
        return refusal(writtenWords(words, 0, fixedAt + 2) + " counts back past the fixed day before the "
                       + fixedName);
    const long long dayYear = dayMonth > month ? year - 1 : year;
    DaysRead days = writtenDays({int(dayYear), dayMonth, day, 0}, context);
    if (!days)
        return days;
    if (lastDay != day) {
        // In a leap year a.d. VI Kal. Mart. is two days, 24 and 25 February.
        if (const DaysRead second = writtenDays({int(dayYear), dayMonth, lastDay, 0}, context))
            days->latest = second->latest;
    }
    days->readAs = writtenWords(words, 0, words.size());
    return days;
}

} // namespace datepieces

} // namespace spanwright
