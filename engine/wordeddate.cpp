// Worded dates as registers and stones write them: 17 May 1990, May 17, 1990,
// Nov. 12 1875, 4-Mar-1885, the 12th Day of June 1741, Oct the 9th: AD. 1769.
#include "datepieces.h"

#include "asciitext.h"
#include "monthnames.h"

#include <algorithm>
#include <array>
#include <new>

namespace datepieces {

namespace {

constexpr size_t MonthYearDigits = 3; // "May 90", "AD 90": no year alone
constexpr size_t LongestWord = 16;

// Words that carry nothing but the carver's style, each read only in its
// place: "the 12th day of June 1741", "Oct the 9th: AD. 1769".
enum class Filler : unsigned char { The, Day, Of, Anno, Domini, AnnoDomini };

struct FillerWord
{
    std::string_view word;
    Filler filler;
};

constexpr std::array<FillerWord, 7> FillerWords = {{
    {"THE", Filler::The},
    {"YE", Filler::The},
    {"DAY", Filler::Day},
    {"OF", Filler::Of},
    {"AD", Filler::AnnoDomini},
    {"ANNO", Filler::Anno},
    {"DOMINI", Filler::Domini},
}};

// The fillers between two items of a date (or before the first, after the
// last) as one phrase; Day and Anno wait for the word that completes them.
enum class Phrase : unsigned char { None, The, Day, Of, DayOf, Anno, AnnoDomini, Wrong };

Phrase joined(Phrase phrase, Filler next)
{
    switch (phrase) {
    case Phrase::None:
        switch (next) {
        case Filler::The:
            return Phrase::The;
        case Filler::Day:
            return Phrase::Day;
        case Filler::Of:
            return Phrase::Of;
        case Filler::Anno:
            return Phrase::Anno;
        case Filler::AnnoDomini:
            return Phrase::AnnoDomini;
        case Filler::Domini:
            return Phrase::Wrong;
        }
        return Phrase::Wrong;
    case Phrase::Day:
        return next == Filler::Of ? Phrase::DayOf : Phrase::Wrong;
    case Phrase::Anno:
        return next == Filler::Domini ? Phrase::AnnoDomini : Phrase::Wrong;
    default:
        return Phrase::Wrong;
    }
}

// The layouts of a worded date, and the phrase each place in one may hold
// (place 0 is before the first item, place 1 after it, and so on).
enum class Layout { DayMonthYear, MonthDayYear, MonthYear, Year };

size_t placeBeforeYear(Layout layout)
{
    return layout == Layout::Year ? 0 : layout == Layout::MonthYear ? 1 : 2;
}

bool fits(Layout layout, size_t place, Phrase phrase)
{
    if (phrase == Phrase::AnnoDomini)
        return place == placeBeforeYear(layout) || place == placeBeforeYear(layout) + 1;
    if (layout == Layout::DayMonthYear)
        return (place == 0 && phrase == Phrase::The)
            || (place == 1 && (phrase == Phrase::Of || phrase == Phrase::DayOf));
    return layout == Layout::MonthDayYear && place == 1 && phrase == Phrase::The;
}

constexpr std::array<std::string_view, 5> OrdinalEndings = {"ST", "ND", "RD", "TH", "D"};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool isOneOf(std::string_view upper, const std::string_view* begin, const std::string_view* end)
{
    for (const std::string_view* word = begin; word != end; ++word) {
        if (*word == upper)
            return true;
    }
    return false;
}

// Whether a day number takes this ending: 1st 2nd 3rd 4th, 11th 12th 13th,
// 21st 22nd 23rd, and the old 2d, 3d, 22d, 23d.
bool isRightOrdinalEnding(std::string_view digits, std::string_view ending)
{
    constexpr int Ten = 10;
    const int lastTwo = int(numberValue(digits.substr(digits.size() > 2 ? digits.size() - 2 : 0)));
    const int last = lastTwo % Ten;
    if (lastTwo / Ten == 1 || last == 0 || last > 3) // the teens take "th"
        return ending == "TH";
    if (last == 1)
        return ending == "ST";
    if (last == 2)
        return ending == "ND" || ending == "D";
    return ending == "RD" || ending == "D";
}

// A number of the date and what follows it.
struct Number
{
    std::string_view digits;
    bool ordinal = false;
    char tailSeparator = 0; // '/' or '-' before a dual year's tail (or a range's end)
    std::string_view tail;
};

struct Item
{
    bool month = false;
    int monthNumber = 0;
    Number number;
};

// The year a number gives, in earliest (with a dual year's earlier year in
// latest), or why it gives none.
Days yearOf(const Number& year, bool afterDayAndMonth)
{
    if (year.ordinal)
        return refusal(std::string(year.digits) + " is a year, not an ordinal day");
    long long value = numberValue(year.digits);
    Days result;
    if (year.tailSeparator != 0) {
        const auto later = dualYear(value, year.tail);
        const std::string written = std::string(year.digits) + year.tailSeparator + std::string(year.tail);
        if (!later)
            return refusal(written + " is not a dual year (the second part names the year after "
                           + std::string(year.digits) + ")");
        if (year.tailSeparator == '-' && !afterDayAndMonth)
            return refusal(written + " is a dual year only after a day and a month (1728/9 is one anywhere)");
        result.latest = value;
        value = *later;
    }
    result.ok = true;
    result.earliest = value;
    return result;
}

} // namespace

Days wordedDate(std::string_view text, const CalendarContext& context)
{
    // A date has three items at most; one more is kept for the message. The
    // store is left uninitialised: clearing it took a third of the time.
    constexpr size_t MostItems = 4;
    alignas(Item) unsigned char itemBytes[sizeof(Item) * MostItems];
    Item* const itemStore = reinterpret_cast<Item*>(itemBytes);
    size_t itemCount = 0;
    // The fillers before each item, and after the last, with their text.
    std::array<Phrase, MostItems + 1> phrases{};
    std::array<std::string_view, MostItems + 1> phraseTexts{};
    const auto push = [&](const Item& item) {
        if (itemCount == MostItems)
            return false;
        new (&itemStore[itemCount++]) Item(item);
        return true;
    };
    size_t i = 0;
    bool lastWasSign = true; // nothing before the first word
    while (i < text.size()) {
        const char c = text[i];
        if (isBlank(c)) {
            ++i;
            continue;
        }
        if (isLetter(c)) {
            // A word, with its stops: "Nov.", "A.D.".
            const size_t start = i;
            char letters[LongestWord];
            size_t count = 0;
            while (i < text.size() && (isLetter(text[i]) || text[i] == '.')) {
                if (text[i] != '.') {
                    if (count == LongestWord)
                        return refusal("\"" + std::string(text.substr(start, i - start)) + "...\" is not understood");
                    letters[count++] = upperAscii(text[i]);
                }
                ++i;
            }
            const std::string_view upper(letters, count);
            const std::string_view word = text.substr(start, i - start);
            if (const int month = monthOfName(upper)) {
                if (word.find('.') != std::string_view::npos && word.find('.') != word.size() - 1)
                    return refusal("\"" + std::string(word) + "\" is not understood");
                Item item;
                item.month = true;
                item.monthNumber = month;
                if (!push(item))
                    return refusal("it has too many words and numbers");
            } else {
                const FillerWord* filler = nullptr;
                for (const FillerWord& entry : FillerWords) {
                    if (entry.word == upper)
                        filler = &entry;
                }
                if (!filler)
                    return refusal("\"" + std::string(word) + "\" is not understood");
                Phrase& phrase = phrases[itemCount];
                std::string_view& phraseText = phraseTexts[itemCount];
                phrase = joined(phrase, filler->filler);
                phraseText = phraseText.empty() ? word
                                                : text.substr(size_t(phraseText.data() - text.data()),
                                                              size_t(word.data() + word.size() - phraseText.data()));
            }
            lastWasSign = false;
            continue;
        }
        if (isDigit(c)) {
            const size_t start = i;
            while (i < text.size() && isDigit(text[i]))
                ++i;
            Number number;
            number.digits = text.substr(start, i - start);
            char ending[LongestWord];
            size_t count = 0;
            while (i < text.size() && isLetter(text[i]) && count < LongestWord)
                ending[count++] = upperAscii(text[i++]);
            if (count > 0) {
                const std::string_view endingText(ending, count);
                const std::string written(text.substr(start, i - start));
                if (!isOneOf(endingText, OrdinalEndings.data(), OrdinalEndings.data() + OrdinalEndings.size()))
                    return refusal("\"" + written + "\" is not understood");
                if (!isRightOrdinalEnding(number.digits, endingText))
                    return refusal("\"" + written + "\" has the wrong ending (the endings are 1st, 2nd or 2d, "
                                                     "3rd or 3d, 4th, 11th, 12th, 13th, 21st, 22nd, 23rd)");
                number.ordinal = true;
            }
            if (!isNumber(number.digits))
                return refusal(std::string(number.digits) + " is too long a number");
            // A dual year's tail, or a year range's end: digits right after
            // a slash or a hyphen.
            if (count == 0 && i + 1 < text.size() && (text[i] == '/' || text[i] == '-') && isDigit(text[i + 1])) {
                number.tailSeparator = text[i];
                const size_t tailStart = ++i;
                while (i < text.size() && isDigit(text[i]))
                    ++i;
                number.tail = text.substr(tailStart, i - tailStart);
            }
            Item item;
            item.number = number;
            if (!push(item))
                return refusal("it has too many words and numbers");
            lastWasSign = false;
            continue;
        }
        // Signs: a comma or a colon after a word or number, a hyphen between
        // a number and a month ("4-Mar-1885"), a final full stop.
        const bool betweenWords = !lastWasSign && itemCount > 0;
        if ((c == ',' || c == ':') && betweenWords) {
            lastWasSign = true;
            ++i;
            continue;
        }
        if (c == '.' && betweenWords && trimmed(text.substr(i + 1)).empty()) {
            ++i;
            continue;
        }
        if (c == '-' && betweenWords && i + 1 < text.size() && (isLetter(text[i + 1]) || isDigit(text[i + 1]))) {
            lastWasSign = true;
            ++i;
            continue;
        }
        return refusal("\"" + std::string(1, c) + "\" in " + std::string(text) + " is not understood");
    }

    // Day month year, month day year, or month year.
    struct Items
    {
        const Item* data;
        size_t count;
        size_t size() const { return count; }
        const Item& operator[](size_t k) const { return data[k]; }
        const Item* begin() const { return data; }
        const Item* end() const { return data + count; }
    } items{itemStore, itemCount};
    const auto isMonth = [&](size_t k) { return k < items.size() && items[k].month; };
    const auto isNumberAt = [&](size_t k) { return k < items.size() && !items[k].month; };
    const Number* day = nullptr;
    const Number* year = nullptr;
    int month = 0;
    Layout layout = Layout::MonthYear;
    if (items.size() == 3 && isNumberAt(0) && isMonth(1) && isNumberAt(2)) {
        day = &items[0].number, month = items[1].monthNumber, year = &items[2].number;
        layout = Layout::DayMonthYear;
    } else if (items.size() == 3 && isMonth(0) && isNumberAt(1) && isNumberAt(2)) {
        month = items[0].monthNumber, day = &items[1].number, year = &items[2].number;
        layout = Layout::MonthDayYear;
    } else if (items.size() == 2 && isMonth(0) && isNumberAt(1)) {
        month = items[0].monthNumber, year = &items[1].number;
        layout = Layout::MonthYear;
        if (year->digits.size() < MonthYearDigits && !context.beforeChrist)
            return refusal(std::string(year->digits) + " after the month is neither a day with its year "
                                                       "nor a year of three digits or more");
    } else if (items.size() == 1 && isNumberAt(0)
               && std::find(phrases.begin(), phrases.end(), Phrase::AnnoDomini) != phrases.end()) {
        // "1850 AD", "A.D. 1850": a year alone, as 1850 is.
        year = &items[0].number;
        layout = Layout::Year;
        if (year->digits.size() < MonthYearDigits && !context.beforeChrist)
            return refusal(std::string(year->digits) + " is no year (a year alone has three digits or more)");
    } else {
        size_t months = 0;
        for (const Item& item : items)
            months += item.month ? 1 : 0;
        if (months == 0)
            return refusal("it names no month");
        if (months > 1)
            return refusal("it names two months");
        return refusal(items.size() < 3 ? "it has no year" : "it has too many numbers");
    }
    bool yearMarked = false; // "AD" once, before the year or after it
    for (size_t place = 0; place <= items.size(); ++place) {
        const Phrase phrase = phrases[place];
        if (phrase == Phrase::None)
            continue;
        if (!fits(layout, place, phrase) || (phrase == Phrase::AnnoDomini && yearMarked))
            return refusal("\"" + std::string(phraseTexts[place]) + "\" is out of place (as in the 12th day "
                           "of June 1741, the 12 May 1850, 12th of May 1850, Oct the 9th, 12 May 1850 AD, AD 1850)");
        yearMarked = yearMarked || phrase == Phrase::AnnoDomini;
    }
    if (day && day->tailSeparator != 0)
        return refusal(std::string(day->digits) + day->tailSeparator + std::string(day->tail)
                       + " is not a day");
    const Days yearValue = yearOf(*year, day != nullptr);
    if (!yearValue.ok)
        return yearValue;
    if (context.plain() && yearValue.latest == 0) {
        if (layout == Layout::Year)
            return yearDays(yearValue.earliest);
        if (!day)
            return monthDays(yearValue.earliest, month);
        return dayDays(yearValue.earliest, month, numberValue(day->digits));
    }
    constexpr long long LongestMonth = 31;
    const long long dayValue = day ? numberValue(day->digits) : 0;
    if (day && (dayValue < 1 || dayValue > LongestMonth))
        return refusal(std::to_string(dayValue) + " is not a day (1 to 31)");
    return writtenDays({yearValue.earliest, layout == Layout::Year ? 0 : month, int(dayValue), yearValue.latest},
                       context);
}

} // namespace datepieces
