// Worded dates as registers and stones write them, in every language of the
// tables in languages/: 17 May 1990, May 17, 1990, Nov. 12 1875, 4-Mar-1885,
// the 12th Day of June 1741, 12. März 1850, le 1er août 1900, 3 de marzo de
// 1850, die vij Junii MDCCL, Anno Domini 1750 die 3 Martii, 12 7bris 1765.
#include "datepieces.h"

#include "asciitext.h"
#include "languages/languages.h"
#include "languages/letters.h"
#include "languages/romannumerals.h"

#include <algorithm>
#include <array>
#include <new>

namespace spanwright {

namespace datepieces {

namespace {

using languages::Gap;

constexpr size_t MonthYearDigits = 3; // "May 90", "AD 90": no year alone
constexpr size_t LongestWord = 32;    // in bytes: "października" has 14

// The layouts of a worded date, and the fillers each place in one may hold
// (place 0 is before the first item, place 1 after it, and so on).
enum class Layout { DayMonthYear, MonthDayYear, MonthYear, Year, YearDayMonth };

constexpr size_t MostPlaces = 4;

std::array<unsigned, MostPlaces> gapsOf(Layout layout)
{
    switch (layout) {
    case Layout::DayMonthYear:
        return {Gap::BeforeDay, Gap::DayToMonth, Gap::MonthToYear | Gap::BeforeYear, Gap::AfterYear};
    case Layout::MonthDayYear:
        return {0, Gap::MonthToDay, Gap::BeforeYear, Gap::AfterYear};
    case Layout::MonthYear:
        return {0, Gap::MonthToYear | Gap::BeforeYear, Gap::AfterYear, 0};
    case Layout::Year:
        return {Gap::BeforeYear, Gap::AfterYear, 0, 0};
    case Layout::YearDayMonth:
        return {Gap::BeforeYear, Gap::BeforeDay | Gap::AfterYear, Gap::DayToMonth, 0};
    }
    return {};
}

constexpr std::array<std::string_view, 5> OrdinalEndings = {"st", "nd", "rd", "th", "d"};

bool isEnglishEnding(std::string_view lower)
{
    return std::find(OrdinalEndings.begin(), OrdinalEndings.end(), lower) != OrdinalEndings.end();
}

// Whether a day number takes this English ending: 1st 2nd 3rd 4th, 11th
// 12th 13th, 21st 22nd 23rd, and the old 2d, 3d, 22d, 23d.
bool isRightOrdinalEnding(long long day, std::string_view ending)
{
    constexpr int Ten = 10;
    constexpr int Hundred = 100;
    const int lastTwo = int(day % Hundred);
    const int last = lastTwo % Ten;
    if (lastTwo / Ten == 1 || last == 0 || last > 3) // the teens take "th"
        return ending == "th";
    if (last == 1)
        return ending == "st";
    if (last == 2)
        return ending == "nd" || ending == "d";
    return ending == "rd" || ending == "d";
}

// The endings other than letters: the Italian "1°", the Iberian "1º".
size_t signEndingLength(std::string_view text, size_t pos)
{
    constexpr std::string_view Degree = "\xC2\xB0";
    constexpr std::string_view Ordinal = "\xC2\xBA";
    const std::string_view rest = text.substr(pos, 2);
    return rest == Degree || rest == Ordinal ? 2 : 0;
}

// A number of the date and what follows it.
struct Number
{
    std::string_view written; // "12", "xxij"
    long long value = 0;
    size_t digits = 0; // of the value, for the rule on short years
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

size_t digitCount(long long value)
{
    size_t count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

// A year as written: the year, and a dual year's earlier year (0 for none).
struct YearValue
{
    long long year = 0;
    long long dualFirstYear = 0;
};

// The year a number gives, or false with why it gives none.
bool yearOf(const Number& year, bool afterDayAndMonth, YearValue& result, std::string& reason)
{
    if (year.ordinal) {
        reason = std::string(year.written) + " is a year, not an ordinal day";
        return false;
    }
    result.year = year.value;
    if (year.tailSeparator != 0) {
        const auto later = dualYear(result.year, year.tail);
        const std::string written = std::string(year.written) + year.tailSeparator + std::string(year.tail);
        if (!later) {
            reason = written + " is not a dual year (the second part names the year after " + std::string(year.written)
                + ")";
            return false;
        }
        if (year.tailSeparator == '-' && !afterDayAndMonth) {
            reason = written + " is a dual year only after a day and a month (1728/9 is one anywhere)";
            return false;
        }
        result.dualFirstYear = result.year;
        result.year = *later;
    }
    return true;
}

std::string quoted(std::string_view text) { return languages::quotedForMessage(text); }

// A month word that two languages read as different months.
std::string twoMonthsNote(std::string_view word, const languages::Readings<int>& readings)
{
    std::string note = quoted(word) + " names two months:";
    for (size_t i = 0; i < readings.readings.size(); ++i) {
        const auto& reading = readings.readings[i];
        note += std::string(i == 0 ? " " : " or ") + "month " + std::to_string(reading.value) + " in "
            + languages::lexicon().languageNames(reading.languages);
    }
    return note;
}

// The fillers between two items (or before the first, after the last):
// where they stand in the text, and their words in lookup form joined by
// blanks, at keyStart in a buffer shared by all places. Left uninitialised
// where no filler stands (clearing them cost a tenth of the time).
struct Phrase
{
    size_t begin;
    size_t end;
    size_t keyStart;
    size_t keyLength;
};
constexpr size_t PhraseBytes = 128;

} // namespace

Days wordedDate(std::string_view text, const CalendarContext& context)
{
    const languages::Lexicon& lexicon = languages::lexicon();
    // A date has three items at most; one more is kept for the message. The
    // store is left uninitialised: clearing it took a third of the time.
    constexpr size_t MostItems = 4;
    alignas(Item) unsigned char itemBytes[sizeof(Item) * MostItems];
    Item* const itemStore = reinterpret_cast<Item*>(itemBytes);
    size_t itemCount = 0;
    std::array<Phrase, MostItems + 1> phrases;
    unsigned placesWithPhrases = 0; // bit n: phrases[n] holds one
    const auto hasPhrase = [&](size_t place) { return (placesWithPhrases >> place) & 1u; };
    char phraseKeys[PhraseBytes];
    size_t phraseKeysUsed = 0;
    const auto push = [&](const Item& item) {
        if (itemCount == MostItems)
            return false;
        new (&itemStore[itemCount++]) Item(item);
        return true;
    };
    // A word in lookup form: lower case, without stops and apostrophes.
    char keyBytes[LongestWord];
    size_t keyLength = 0;
    const auto keyOf = [&](size_t start, size_t end) -> std::string_view {
        keyLength = 0;
        for (size_t pos = start; pos < end;) {
            const char c = text[pos];
            if (c == '.' || c == '\'') {
                ++pos;
                continue;
            }
            if (static_cast<unsigned char>(c) < 0x80) {
                if (keyLength == LongestWord)
                    return {};
                keyBytes[keyLength++] = lowerAscii(c);
                ++pos;
                continue;
            }
            std::string letter;
            pos += languages::appendLowerCase(text, pos, letter);
            if (keyLength + letter.size() > LongestWord)
                return {};
            std::copy(letter.begin(), letter.end(), keyBytes + keyLength);
            keyLength += letter.size();
        }
        return std::string_view(keyBytes, keyLength);
    };
    const auto pushMonth = [&](int month) {
        if (itemCount == MostItems)
            return false;
        Item& item = *new (&itemStore[itemCount++]) Item();
        item.month = true;
        item.monthNumber = month;
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
        if (languages::letterLength(text, i) > 0) {
            // A word, with its stops: "Nov.", "A.D.", "l'an".
            // Its lookup form is made as it is read: lower case, without
            // stops and apostrophes.
            const size_t start = i;
            keyLength = 0;
            bool keyFits = true;
            while (i < text.size()) {
                const char letter = text[i];
                if ((letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z')) {
                    if (keyLength == LongestWord)
                        keyFits = false;
                    else
                        keyBytes[keyLength++] = lowerAscii(letter);
                    ++i;
                } else if (letter == '.' || (letter == '\'' && languages::letterLength(text, i + 1) > 0)) {
                    ++i;
                } else if (const size_t length = languages::letterLength(text, i)) {
                    std::string lower;
                    languages::appendLowerCase(text, i, lower);
                    if (keyLength + lower.size() > LongestWord)
                        keyFits = false;
                    else
                        keyLength += lower.copy(keyBytes + keyLength, lower.size());
                    i += length;
                } else {
                    break;
                }
            }
            const std::string_view word = text.substr(start, i - start);
            const std::string_view key = keyFits ? std::string_view(keyBytes, keyLength) : std::string_view();
            if (key.empty())
                return refusal(quoted(word) + " is not understood");
            if (const auto* month = lexicon.month(key)) {
                if (month->ambiguous())
                    return refusal(twoMonthsNote(word, *month));
                if (word.find('.') != std::string_view::npos && word.find('.') != word.size() - 1)
                    return refusal(quoted(word) + " is not understood");
                if (!pushMonth(month->readings.front().value))
                    return refusal("it has too many words and numbers");
            } else if (lexicon.isFillerWord(key)) {
                Phrase& phrase = phrases[itemCount];
                if (!hasPhrase(itemCount)) {
                    placesWithPhrases |= 1u << itemCount;
                    phrase.begin = start;
                    phrase.keyStart = phraseKeysUsed;
                } else if (phraseKeysUsed < PhraseBytes) {
                    phraseKeys[phraseKeysUsed++] = ' ';
                }
                if (phraseKeysUsed + key.size() > PhraseBytes)
                    return refusal("it has too many words");
                std::copy(key.begin(), key.end(), phraseKeys + phraseKeysUsed);
                phraseKeysUsed += key.size();
                phrase.keyLength = phraseKeysUsed - phrase.keyStart;
                phrase.end = i;
            } else if (const auto roman = languages::romanValue(key)) {
                Item item;
                item.number.written = word;
                item.number.value = *roman;
                item.number.digits = digitCount(*roman);
                if (word.back() == '.')
                    item.number.written.remove_suffix(1);
                if (!push(item))
                    return refusal("it has too many words and numbers");
            } else if (languages::looksRoman(key)) {
                return refusal(quoted(word) + " is not a Roman numeral (xxij, iiij and MDCCL are)");
            } else {
                return refusal(quoted(word) + " is not understood");
            }
            lastWasSign = false;
            continue;
        }
        if (isDigit(c)) {
            const size_t start = i;
            while (i < text.size() && isDigit(text[i]))
                ++i;
            // Built in its place in the store: copying it in stalled the reader.
            if (itemCount == MostItems)
                return refusal("it has too many words and numbers");
            Item& item = *new (&itemStore[itemCount]) Item();
            Number& number = item.number;
            number.written = text.substr(start, i - start);
            const size_t endingStart = i;
            bool asciiEnding = true; // most endings are: "1st", "3d"
            while (i < text.size() && i - endingStart < LongestWord) {
                const char letter = text[i];
                if ((letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z')) {
                    ++i;
                    continue;
                }
                const size_t length = std::max(languages::letterLength(text, i), signEndingLength(text, i));
                if (length == 0)
                    break;
                asciiEnding = false;
                i += length;
            }
            if (i > endingStart && lexicon.mayFollowMonthDigits(text[endingStart])) {
                // "7bris", "10ber": September to December by their numbers.
                const size_t wordEnd = i < text.size() && text[i] == '.' ? i + 1 : i;
                const std::string_view key = keyOf(start, wordEnd);
                if (const auto* month = key.empty() ? nullptr : lexicon.month(key)) {
                    if (month->ambiguous())
                        return refusal(twoMonthsNote(text.substr(start, wordEnd - start), *month));
                    if (!pushMonth(month->readings.front().value))
                        return refusal("it has too many words and numbers");
                    i = wordEnd;
                    lastWasSign = false;
                    continue;
                }
            }
            if (!isNumber(number.written))
                return refusal(std::string(number.written) + " is too long a number");
            number.value = numberValue(number.written);
            number.digits = number.written.size();
            if (i > endingStart) {
                char lowerEnding[LongestWord];
                for (size_t k = endingStart; asciiEnding && k < i; ++k)
                    lowerEnding[k - endingStart] = lowerAscii(text[k]);
                const std::string_view endingKey = asciiEnding ? std::string_view(lowerEnding, i - endingStart)
                                                               : keyOf(endingStart, i);
                const std::string written(text.substr(start, i - start));
                if (isEnglishEnding(endingKey)) {
                    if (!isRightOrdinalEnding(number.value, endingKey))
                        return refusal(quoted(written) + " has the wrong ending (the endings are 1st, 2nd or 2d, "
                                                         "3rd or 3d, 4th, 11th, 12th, 13th, 21st, 22nd, 23rd)");
                } else if (!lexicon.isDayEnding(endingKey, number.value)) {
                    return refusal(quoted(written) + " is not understood");
                }
                number.ordinal = true;
            }
            // A dual year's tail, or a year range's end: digits right after
            // a slash or a hyphen.
            if (!number.ordinal && i + 1 < text.size() && (text[i] == '/' || text[i] == '-') && isDigit(text[i + 1])) {
                number.tailSeparator = text[i];
                const size_t tailStart = ++i;
                while (i < text.size() && isDigit(text[i]))
                    ++i;
                number.tail = text.substr(tailStart, i - tailStart);
            }
            // The ordinal point of German, Scandinavian and Czech days
            // ("12. März"), and a stone's "Oct. 3. 1802.".
            if (i + 1 < text.size() && text[i] == '.' && isBlank(text[i + 1]) && !trimmed(text.substr(i + 1)).empty())
                ++i;
            ++itemCount;
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
        // A hyphen after a blank and before digits is a minus sign, and a
        // year after one is read in no single way: astronomers' -5 is 6 BC,
        // others write it for 5 BC.
        if (c == '-' && i > 0 && isBlank(text[i - 1]) && i + 1 < text.size() && isDigit(text[i + 1])) {
            size_t end = i + 1;
            while (end < text.size() && isDigit(text[end]))
                ++end;
            return refusal(quoted(text.substr(i, end - i))
                           + " is a year with a minus sign, which is read in no single way (astronomers' year -5 is "
                             "6 BC, others mean 5 BC): write the year with BC");
        }
        if (c == '-' && betweenWords && i + 1 < text.size()
            && (languages::letterLength(text, i + 1) > 0 || isDigit(text[i + 1]))) {
            lastWasSign = true;
            ++i;
            continue;
        }
        return refusal(languages::characterForMessage(text, i) + " in " + languages::excerptForMessage(text)
                       + " is not understood");
    }

    // Day month year, month day year, month year, a year, or (in Latin
    // registers) year day month.
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
    // The fillers of a place as one phrase in lookup form ("day of", "ad").
    const auto fillerAt = [&](size_t place) -> const languages::FillerReading* {
        if (!hasPhrase(place))
            return nullptr;
        const Phrase& phrase = phrases[place];
        return lexicon.filler(std::string_view(phraseKeys + phrase.keyStart, phrase.keyLength));
    };
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
    } else if (items.size() == 3 && isNumberAt(0) && isNumberAt(1) && isMonth(2) && (hasPhrase(0) || hasPhrase(1))
               && items[0].number.digits >= MonthYearDigits) {
        // "Anno Domini 1750 die 3 Martii".
        year = &items[0].number, day = &items[1].number, month = items[2].monthNumber;
        layout = Layout::YearDayMonth;
    } else if (items.size() == 2 && isMonth(0) && isNumberAt(1)) {
        month = items[0].monthNumber, year = &items[1].number;
        layout = Layout::MonthYear;
        if (year->digits < MonthYearDigits && !context.beforeChrist)
            return refusal(std::string(year->written) + " after the month is neither a day with its year "
                                                        "nor a year of three digits or more");
    } else if (items.size() == 1 && isNumberAt(0) && [&] {
                   for (size_t place = 0; place <= items.size(); ++place) {
                       const languages::FillerReading* filler = fillerAt(place);
                       if (filler && filler->yearMark)
                           return true;
                   }
                   return false;
               }()) {
        // "1850 AD", "A.D. 1850", "anno 1850": a year alone, as 1850 is.
        year = &items[0].number;
        layout = Layout::Year;
        if (year->digits < MonthYearDigits && !context.beforeChrist)
            return refusal(std::string(year->written) + " is no year (a year alone has three digits or more)");
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
    const std::array<unsigned, MostPlaces> gaps = gapsOf(layout);
    bool yearMarked = false; // "AD" once, before the year or after it
    for (size_t place = 0; place <= items.size(); ++place) {
        if (!hasPhrase(place))
            continue;
        const Phrase& phrase = phrases[place];
        const languages::FillerReading* filler = fillerAt(place);
        const bool fits = filler && place < MostPlaces && (filler->gaps & gaps[place]) != 0;
        if (!fits || (filler->yearMark && yearMarked))
            return refusal(quoted(text.substr(phrase.begin, phrase.end - phrase.begin))
                           + " is out of place (as in the 12th day of June 1741, the 12 May 1850, 12th of May 1850, "
                             "Oct the 9th, 12 May 1850 AD, AD 1850, 3 de marzo de 1850, Anno 1750 die 3 Martii)");
        yearMarked = yearMarked || filler->yearMark;
    }
    if (day && day->tailSeparator != 0)
        return refusal(std::string(day->written) + day->tailSeparator + std::string(day->tail)
                       + " is not a day");
    YearValue yearValue;
    std::string reason;
    if (!yearOf(*year, day != nullptr, yearValue, reason))
        return refusal(std::move(reason));
    if (context.plain() && yearValue.dualFirstYear == 0) {
        if (layout == Layout::Year)
            return yearDays(yearValue.year);
        if (!day)
            return monthDays(yearValue.year, month);
        return dayDays(yearValue.year, month, day->value);
    }
    constexpr long long LongestMonth = 31;
    const long long dayValue = day ? day->value : 0;
    if (day && (dayValue < 1 || dayValue > LongestMonth))
        return refusal(std::to_string(dayValue) + " is not a day (1 to 31)");
    return writtenDays({int(yearValue.year), layout == Layout::Year ? 0 : month, int(dayValue), int(yearValue.dualFirstYear)},
                       context);
}

} // namespace datepieces

} // namespace spanwright
