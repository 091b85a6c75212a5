// Worded dates as registers and stones write them, in every language of the
// tables in languages/: 17 May 1990, May 17, 1990, Nov. 12 1875, 4-Mar-1885,
// the 12th Day of June 1741, 12. März 1850, le 1er août 1900, 3 de marzo de
// 1850, die vij Junii MDCCL, Anno Domini 1750 die 3 Martii, 12 7bris 1765.
#include "reading/datepieces.h"

#include "text/asciitext.h"
#include "reading/datetokens.h"
#include "languages/languages.h"
#include "text/letters.h"
#include "text/romannumerals.h"

#include <algorithm>
#include <array>
#include <new>

namespace spanwright {

namespace datepieces {

namespace {

using languages::Gap;

constexpr size_t MonthYearDigits = 3; // "May 90", "AD 90": no year alone

// The layouts of a worded date, and the fillers each place in one may hold
// (place 0 is before the first item, place 1 after it, and so on).
enum class Layout { DayMonthYear, MonthDayYear, MonthYear, Year, YearDayMonth, YearMonthDay };

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
    case Layout::YearMonthDay:
        return {Gap::BeforeYear, Gap::AfterYear, Gap::MonthToDay, Gap::AfterDay};
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

// A number of the date and what follows it.
struct Number
{
    std::string_view written; // "12", "xxij"
    long long value = 0;
    size_t digits = 0; // of the value, for the rule on short years
    bool ordinal = false;
    bool roman = false; // written as a Roman numeral
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


// The items of a worded date in the order written (its months and numbers),
// and the fillers before, between and after them. A date has three items at
// most; one more is kept for the message. The store is left uninitialised:
// clearing it took a third of the time.
class DateItems
{
public:
    static constexpr size_t MostItems = 4;

    size_t size() const { return count_; }
    bool full() const { return count_ == MostItems; }
    const Item& operator[](size_t k) const { return items()[k]; }
    const Item* begin() const { return items(); }
    const Item* end() const { return items() + count_; }
    bool isMonth(size_t k) const { return k < count_ && items()[k].month; }
    bool isNumberAt(size_t k) const { return k < count_ && !items()[k].month; }
    bool hasPhrase(size_t place) const { return (placesWithPhrases_ >> place) & 1u; }
    bool hasPhrases() const { return placesWithPhrases_ != 0; }
    const Phrase& phrase(size_t place) const { return phrases_[place]; }

    // The fillers of a place as one phrase in lookup form ("day of", "ad").
    const languages::FillerReading* fillerAt(size_t place) const
    {
        if (!hasPhrase(place))
            return nullptr;
        const Phrase& phrase = phrases_[place];
        return languages::lexicon().filler(std::string_view(phraseKeys_ + phrase.keyStart, phrase.keyLength));
    }

    // False when the store is full.
    bool pushMonth(int month)
    {
        if (full())
            return false;
        Item& item = *new (&store()[count_++]) Item();
        item.month = true;
        item.monthNumber = month;
        return true;
    }
    bool push(const Item& item)
    {
        if (full())
            return false;
        new (&store()[count_++]) Item(item);
        return true;
    }
    // An item built in its place in the store (copying it in stalled the
    // reader), counted once kept.
    Item& emplace() { return *new (&store()[count_]) Item(); }
    void keep() { ++count_; }

    // A filler word at the current place; false when the fillers have too
    // many words.
    bool addFiller(size_t begin, size_t end, std::string_view key)
    {
        Phrase& phrase = phrases_[count_];
        if (!hasPhrase(count_)) {
            placesWithPhrases_ |= 1u << count_;
            phrase.begin = begin;
            phrase.keyStart = phraseKeysUsed_;
        } else if (phraseKeysUsed_ < PhraseBytes) {
            phraseKeys_[phraseKeysUsed_++] = ' ';
        }
        if (phraseKeysUsed_ + key.size() > PhraseBytes)
            return false;
        std::copy(key.begin(), key.end(), phraseKeys_ + phraseKeysUsed_);
        phraseKeysUsed_ += key.size();
        phrase.keyLength = phraseKeysUsed_ - phrase.keyStart;
        phrase.end = end;
        return true;
    }

private:
    Item* store() { return reinterpret_cast<Item*>(itemBytes_); }
    const Item* items() const { return reinterpret_cast<const Item*>(itemBytes_); }

    alignas(Item) unsigned char itemBytes_[sizeof(Item) * MostItems];
    size_t count_ = 0;
    std::array<Phrase, MostItems + 1> phrases_;
    unsigned placesWithPhrases_ = 0; // bit n: phrases_[n] holds one
    char phraseKeys_[PhraseBytes];
    size_t phraseKeysUsed_ = 0;
};

constexpr std::string_view TooManyItems = "it has too many words and numbers";

// The grammar's steps say whether the text passes them, and why not in
// problem: a reason returned as a string by each cost a fifth of the time.
bool refuse(std::string& problem, std::string reason)
{
    problem = std::move(reason);
    return false;
}

// The month a month word names: the only reading, or the chosen
// language's; refused naming both where the tables differ and no language
// chosen tells.
bool monthOfWord(std::string_view word, const languages::Readings<int>& readings, unsigned language, int& month,
                 std::string& problem)
{
    const languages::Reading<int>* meant = readings.meant(language);
    if (!meant)
        return refuse(problem, twoMonthsNote(word, readings) + " (choose the language)");
    month = meant->value;
    return true;
}

// A word's key without its diacritics ("agé" is "age"), where it has any:
// the tables hold both forms of their own spellings, and a writer may leave
// out some accents and keep others.
std::string_view foldedKey(std::string_view key, std::string& folded)
{
    if (std::all_of(key.begin(), key.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return {};
    folded = languages::withoutDiacritics(key);
    return folded;
}

// A Roman numeral as an item: a day, a year, or a month between them ("3. X. 1850").
bool takeRoman(std::string_view word, long long value, DateItems& items, std::string& problem)
{
    Item item;
    item.number.written = word;
    item.number.value = value;
    item.number.digits = digitCount(value);
    item.number.roman = true;
    if (word.back() == '.')
        item.number.written.remove_suffix(1);
    if (!items.push(item))
        return refuse(problem, std::string(TooManyItems));
    return true;
}

// A month, a filler or a Roman numeral.
bool takeWord(std::string_view text, const DateToken& token, unsigned language, DateItems& items, std::string& problem)
{
    const languages::Lexicon& lexicon = languages::lexicon();
    const std::string_view word = text.substr(token.begin, token.end - token.begin);
    std::string_view key = token.key;
    if (key.empty())
        return refuse(problem, quoted(word) + " is not understood");
    const auto* month = lexicon.month(key);
    bool filler = !month && lexicon.isFillerWord(key);
    std::string folded;
    if (!month && !filler) {
        const std::string_view withoutAccents = foldedKey(key, folded);
        if (!withoutAccents.empty()) {
            month = lexicon.month(withoutAccents);
            filler = !month && lexicon.isFillerWord(withoutAccents);
            if (month || filler)
                key = withoutAccents;
        }
    }
    if (month) {
        int monthNumber = 0;
        if (!monthOfWord(word, *month, language, monthNumber, problem))
            return false;
        if (word.find('.') != std::string_view::npos && word.find('.') != word.size() - 1)
            return refuse(problem, quoted(word) + " is not understood");
        if (!items.pushMonth(monthNumber))
            return refuse(problem, std::string(TooManyItems));
    } else if (filler) {
        if (!items.addFiller(token.begin, token.end, key))
            return refuse(problem, "it has too many words");
    } else if (const auto roman = languages::romanValue(key)) {
        return takeRoman(word, *roman, items, problem);
    } else if (lexicon.number(key)) {
        return refuse(problem, quoted(word) + " is a number in words: write the day and the year in figures");
    } else if (languages::looksRoman(key)) {
        return refuse(problem, quoted(word) + " is not a Roman numeral (xxij, iiij and MDCCL are)");
    } else {
        return refuse(problem, quoted(word) + " is not understood");
    }
    return true;
}

// "7bris", "10ber": a month by its number.
bool takeNumberedMonth(std::string_view text, const DateToken& token, unsigned language, DateItems& items,
                       std::string& problem)
{
    if (items.full())
        return refuse(problem, std::string(TooManyItems));
    int month = 0;
    if (!monthOfWord(text.substr(token.begin, token.end - token.begin), *languages::lexicon().month(token.key),
                     language, month, problem))
        return false;
    items.pushMonth(month);
    return true;
}

// Whether the ending after a day's digits is English or one of the languages'.
bool endingFits(std::string_view text, const DateToken& token, long long day, std::string& problem)
{
    const std::string_view written = text.substr(token.begin, token.partEnd - token.begin);
    if (isEnglishEnding(token.key)) {
        if (!isRightOrdinalEnding(day, token.key))
            return refuse(problem, quoted(written) + " has the wrong ending (the endings are 1st, 2nd or 2d, "
                                                     "3rd or 3d, 4th, 11th, 12th, 13th, 21st, 22nd, 23rd)");
    } else if (!languages::lexicon().isDayEnding(token.key, day)) {
        return refuse(problem, quoted(written) + " is not understood");
    }
    return true;
}

// A number, with its ending or its tail.
bool takeNumber(std::string_view text, const DateToken& token, DateItems& items, std::string& problem)
{
    if (items.full())
        return refuse(problem, std::string(TooManyItems));
    Item& item = items.emplace();
    Number& number = item.number;
    number.written = token.digits(text);
    if (!isNumber(number.written))
        return refuse(problem, std::string(number.written) + " is too long a number");
    number.value = numberValue(number.written);
    number.digits = number.written.size();
    if (!token.ending(text).empty()) {
        if (!endingFits(text, token, number.value, problem))
            return false;
        number.ordinal = true;
    }
    number.tailSeparator = token.tailSeparator;
    number.tail = token.tail(text);
    items.keep();
    return true;
}

// Signs: a comma or a colon after a word or number, a hyphen between a
// number and a month ("4-Mar-1885"), a final full stop; any other is
// refused. lastWasSign says whether a comma, colon or hyphen came last.
bool takeSign(std::string_view text, size_t i, const DateItems& items, bool& lastWasSign, std::string& problem)
{
    const char c = text[i];
    const bool betweenWords = !lastWasSign && items.size() > 0;
    if ((c == ',' || c == ':') && betweenWords) {
        lastWasSign = true;
        return true;
    }
    if (c == '.' && betweenWords && trimmed(text.substr(i + 1)).empty())
        return true;
    // A hyphen after a blank and before digits is a minus sign, and a year
    // after one is read in no single way: astronomers' -5 is 6 BC, others
    // write it for 5 BC.
    if (c == '-' && i > 0 && isBlank(text[i - 1]) && i + 1 < text.size() && isDigit(text[i + 1])) {
        size_t end = i + 1;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        return refuse(problem, quoted(text.substr(i, end - i))
            + " is a year with a minus sign, which is read in no single way (astronomers' year -5 is "
              "6 BC, others mean 5 BC): write the year with BC");
    }
    if (c == '-' && betweenWords && i + 1 < text.size()
        && (languages::letterLength(text, i + 1) > 0 || isDigit(text[i + 1]))) {
        lastWasSign = true;
        return true;
    }
    return refuse(problem, languages::characterForMessage(text, i) + " in " + languages::excerptForMessage(text)
                               + " is not understood");
}

// The text's items and fillers; false with why it cannot be read into them.
// Flattened, the tokenizer and the steps inlined into one loop: the reader
// runs for every date of a file, and called apart they made it slower.
[[gnu::flatten]] bool readItems(std::string_view text, unsigned language, DateItems& items, std::string& problem)
{
    DateTokenizer tokenizer(text);
    bool lastWasSign = true; // nothing before the first word
    DateToken token;
    while (tokenizer.next(token)) {
        bool taken = true;
        switch (token.kind) {
        case DateTokenKind::Word: taken = takeWord(text, token, language, items, problem); break;
        case DateTokenKind::NumberedMonth: taken = takeNumberedMonth(text, token, language, items, problem); break;
        case DateTokenKind::Number: taken = takeNumber(text, token, items, problem); break;
        case DateTokenKind::Sign: taken = takeSign(text, token.begin, items, lastWasSign, problem); break;
        case DateTokenKind::End:
        case DateTokenKind::CalendarEscape: // a GEDCOM date's, never a worded date's
        case DateTokenKind::Phrase: break;
        }
        if (!taken)
            return false;
        if (token.kind != DateTokenKind::Sign)
            lastWasSign = false;
    }
    return true;
}

// Which item is the day, the month and the year.
struct DateShape
{
    const Number* day = nullptr;
    const Number* year = nullptr;
    int month = 0;
    Layout layout = Layout::MonthYear;
};

bool hasYearMark(const DateItems& items)
{
    for (size_t place = 0; place <= items.size(); ++place) {
        const languages::FillerReading* filler = items.fillerAt(place);
        if (filler && filler->yearMark)
            return true;
    }
    return false;
}

// Why the items make no date of the known layouts.
std::string unknownShape(const DateItems& items)
{
    size_t months = 0;
    for (const Item& item : items)
        months += item.month ? 1 : 0;
    if (months == 0)
        return "it names no month";
    if (months > 1)
        return "it names two months";
    return items.size() < 3 ? "it has no year" : "it has too many numbers";
}

// Day month year, month day year, month year, a year, or (in Latin
// registers) year day month; false when the items are none of them. This
// step and the two after it are inlined into the reader, which runs for
// every date of a file: called apart they made it slower.
[[gnu::always_inline]] inline bool shapeOf(const DateItems& items, const CalendarContext& context, DateShape& shape, std::string& problem)
{
    const bool yearFirst = items.size() == 3 && items.isNumberAt(0) && items.isNumberAt(2)
        && items[0].number.digits >= MonthYearDigits && items[2].number.digits < MonthYearDigits;
    if (items.size() == 3 && items.isNumberAt(0) && items.isMonth(1) && items.isNumberAt(2) && !yearFirst) {
        shape = {&items[0].number, &items[2].number, items[1].monthNumber, Layout::DayMonthYear};
    } else if (items.size() == 3 && items.isMonth(0) && items.isNumberAt(1) && items.isNumberAt(2)) {
        shape = {&items[1].number, &items[2].number, items[0].monthNumber, Layout::MonthDayYear};
    } else if (items.size() == 3 && items.isNumberAt(0) && items.isNumberAt(1) && items.isMonth(2)
               && (items.hasPhrase(0) || items.hasPhrase(1)) && items[0].number.digits >= MonthYearDigits) {
        // "Anno Domini 1750 die 3 Martii".
        shape = {&items[1].number, &items[0].number, items[2].monthNumber, Layout::YearDayMonth};
    } else if (yearFirst && items.isMonth(1)) {
        // Hungarian and Lithuanian write the year first: "1850. március 3.", "1850 m. kovo 3 d.".
        shape = {&items[2].number, &items[0].number, items[1].monthNumber, Layout::YearMonthDay};
    } else if (items.size() == 3 && items.isNumberAt(0) && items.isNumberAt(1) && items.isNumberAt(2)
               && items[1].number.roman && !items[0].number.roman && !items[2].number.roman
               && items[1].number.value <= languages::MonthsPerYear) {
        // A month in Roman numerals between the day and the year: "3. X. 1850".
        shape = {&items[0].number, &items[2].number, int(items[1].number.value), Layout::DayMonthYear};
    } else if (items.size() == 2 && items.isMonth(0) && items.isNumberAt(1)) {
        shape = {nullptr, &items[1].number, items[0].monthNumber, Layout::MonthYear};
        if (shape.year->digits < MonthYearDigits && !context.beforeChrist)
            return refuse(problem, std::string(shape.year->written) + " after the month is neither a day with its year "
                                                      "nor a year of three digits or more");
    } else if (items.size() == 1 && items.isNumberAt(0) && hasYearMark(items)) {
        // "1850 AD", "A.D. 1850", "anno 1850": a year alone, as 1850 is.
        shape = {nullptr, &items[0].number, 0, Layout::Year};
        if (shape.year->digits < MonthYearDigits && !context.beforeChrist)
            return refuse(problem, std::string(shape.year->written) + " is no year (a year alone has three digits or more)");
    } else {
        return refuse(problem, unknownShape(items));
    }
    return true;
}

// Each place's fillers must fit it, and "AD" stands once, before the year or
// after it.
[[gnu::always_inline]] inline bool fillersFit(std::string_view text, const DateItems& items, Layout layout, std::string& problem)
{
    if (!items.hasPhrases())
        return true;
    const std::array<unsigned, MostPlaces> gaps = gapsOf(layout);
    bool yearMarked = false;
    for (size_t place = 0; place <= items.size(); ++place) {
        if (!items.hasPhrase(place))
            continue;
        const Phrase& phrase = items.phrase(place);
        const languages::FillerReading* filler = items.fillerAt(place);
        const bool fits = filler && place < MostPlaces && (filler->gaps & gaps[place]) != 0;
        if (!fits || (filler->yearMark && yearMarked))
            return refuse(problem, quoted(text.substr(phrase.begin, phrase.end - phrase.begin))
                + " is out of place (as in the 12th day of June 1741, the 12 May 1850, 12th of May 1850, "
                  "Oct the 9th, 12 May 1850 AD, AD 1850, 3 de marzo de 1850, Anno 1750 die 3 Martii)");
        yearMarked = yearMarked || filler->yearMark;
    }
    return true;
}

// A day written twice, Julian then Gregorian, as registers under both
// calendars write it ("dnia 3/15 marca 1870"): one day when the two agree,
// read as the Julian date marked; refused when they are not the same day.
DaysRead doubleDay(const Number& day, const DateShape& shape, const CalendarContext& context)
{
    const std::string written = std::string(day.written) + "/" + std::string(day.tail);
    if (!isNumber(day.tail) || context.mark)
        return refusal(written + " is not a day");
    const long long year = shape.year->value;
    const long long gregorianDay = numberValue(day.tail);
    const DaysRead julian = daysInCalendar({int(year), shape.month, int(day.value), 0}, CalendarSystem::Julian,
                                           CalendarSource::Marked);
    const DaysRead gregorian = dayDays(year, shape.month, gregorianDay);
    if (!julian || !gregorian)
        return refusal(written + " is not a day: " + (julian ? gregorian : julian).problem().message);
    if (julian->earliest != gregorian->earliest)
        return refusal(written + " is not one day written in the Julian and the Gregorian calendar (the Julian day "
                       + std::to_string(day.value) + " is another Gregorian day)");
    return julian;
}

// The days of a date whose items are placed.
[[gnu::always_inline]] inline DaysRead daysOf(const DateShape& shape, const CalendarContext& context)
{
    const Number* day = shape.day;
    if (day && day->tailSeparator == '/' && shape.year->tailSeparator == 0 && !day->ordinal)
        return doubleDay(*day, shape, context);
    if (day && day->tailSeparator != 0)
        return refusal(std::string(day->written) + day->tailSeparator + std::string(day->tail) + " is not a day");
    YearValue yearValue;
    std::string reason;
    if (!yearOf(*shape.year, day != nullptr, yearValue, reason))
        return refusal(std::move(reason));
    if (context.plain() && yearValue.dualFirstYear == 0) {
        if (shape.layout == Layout::Year)
            return yearDays(yearValue.year);
        if (!day)
            return monthDays(yearValue.year, shape.month);
        return dayDays(yearValue.year, shape.month, day->value);
    }
    constexpr long long LongestMonth = 31;
    const long long dayValue = day ? day->value : 0;
    if (day && (dayValue < 1 || dayValue > LongestMonth))
        return refusal(std::to_string(dayValue) + " is not a day (1 to 31)");
    return writtenDays({int(yearValue.year), shape.layout == Layout::Year ? 0 : shape.month, int(dayValue),
                        int(yearValue.dualFirstYear)},
                       context);
}

} // namespace

DaysRead wordedDate(std::string_view text, const CalendarContext& context)
{
    DateItems items;
    DateShape shape;
    std::string problem;
    if (!readItems(text, context.language, items, problem) || !shapeOf(items, context, shape, problem)
        || !fillersFit(text, items, shape.layout, problem))
        return refusal(std::move(problem));
    return daysOf(shape, context);
}

} // namespace datepieces

} // namespace spanwright
