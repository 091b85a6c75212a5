#include "reading/age.h"

#include "reading/agetokens.h"
#include "reading/agewords.h"
#include "text/asciitext.h"
#include "languages/languages.h"
#include "text/letters.h"
#include "text/pastedtext.h"
#include "text/romannumerals.h"
#include "text/quotedtext.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>

namespace spanwright {

namespace {

constexpr std::string_view AcceptedAgeForms =
    "accepted forms: 79 years 9 months 29 days, 79y 9m 29d, aged 79, about 40 years, three weeks, "
    "in the 33rd year of his age, 9/29/79 (months/days/years)";

// The forms and the languages read.
const std::string& acceptedAgeForms()
{
    static const std::string forms =
        std::string(AcceptedAgeForms) + "; ages in " + languages::languagesWithExamples(&languages::LanguageTable::ageExample);
    return forms;
}

constexpr size_t UnitCount = 4; // indexed by AgeUnit
using StatedParts = std::array<std::optional<long long>, UnitCount>;

constexpr std::string_view unitName(AgeUnit unit)
{
    constexpr std::array<std::string_view, UnitCount> Names = {"days", "weeks", "months", "years"};
    return Names[static_cast<size_t>(unit)];
}

bool isSpace(char c) { return isBlank(c) || isLineEnd(c); }

// The text as typed (a no-break space a blank, a curly apostrophe a plain
// one, full-width digits digits), in lower case, with the letter Æ/æ spelt
// "ae" ("Æt." for aetatis).
std::string lowered(std::string_view text)
{
    const std::string lower = languages::lowerCased(languages::mayBePasted(text) ? languages::typedForm(text)
                                                                                 : std::string(text));
    constexpr std::string_view SmallAe = "\xC3\xA6";
    if (lower.find(SmallAe) == std::string::npos)
        return lower;
    std::string result;
    for (size_t i = 0; i < lower.size(); ++i) {
        if (lower.compare(i, SmallAe.size(), SmallAe) == 0) {
            result += "ae";
            ++i;
        } else {
            result.push_back(lower[i]);
        }
    }
    return result;
}

Result<AgeReading> refused(std::string problem)
{
    return Problem{ProblemKind::NotRead, std::move(problem)};
}

// "9/19/39": months, days and years with one separator twice. ("27." is a
// number with a full stop.)
bool looksNumeric(std::string_view text, char& separator)
{
    for (char candidate : {'/', '-', '.'}) {
        const size_t first = text.find(candidate);
        if (first == std::string_view::npos || text.back() == candidate)
            continue;
        for (char c : text) {
            if (!isDigit(c) && c != candidate)
                return false;
        }
        separator = candidate;
        return true;
    }
    return false;
}

bool readWhole(std::string_view digits, long long& value)
{
    value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > LargestAgePart)
            return false;
    }
    return true;
}

// The numeric entries of the result list: months 0-11 and days 0-30, as
// the window writes them, so that "79-9-29" (years first) is refused rather
// than read as 79 months, 9 days and 29 years.
Result<AgeReading> readNumericAge(std::string_view original, std::string_view text, char separator)
{
    const std::string notNumeric = quotedExcerpt(original) + " is not months" + separator + "days" + separator
        + "years (" + std::string(AcceptedAgeForms) + ")";
    const size_t first = text.find(separator);
    const size_t second = text.find(separator, first + 1);
    if (second == std::string_view::npos && separator == '.')
        return refused(quotedExcerpt(original) + ": whole numbers only, not a fraction");
    if (second == std::string_view::npos || text.find(separator, second + 1) != std::string_view::npos)
        return refused(notNumeric);
    const std::array<std::string_view, 3> pieces = {
        text.substr(0, first), text.substr(first + 1, second - first - 1), text.substr(second + 1)};
    std::array<long long, 3> parts{};
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].empty())
            return refused(notNumeric);
        if (!readWhole(pieces[i], parts[i]))
            return refused(quotedExcerpt(original) + ": a part is larger than " + std::to_string(LargestAgePart));
    }
    constexpr long long LastEntryMonth = MonthsPerYear - 1;
    if (parts[0] > LastEntryMonth || parts[1] > MostSpanDays)
        return refused(quotedExcerpt(original) + " is not months" + separator + "days" + separator
                       + "years: months run 0 to 11 and days 0 to 30 (for years first write 79y 9m 29d)");
    AgeReading reading;
    reading.age = {parts[2], parts[0], parts[1]};
    reading.least = reading.greatest = reading.age;
    return reading;
}

// Reads the tokens of a worded age, front to back. Its steps return why
// the tokens are not an age, the reason alone, which the reader puts after
// the text it quotes; nothing where they pass.
using AgeProblem = std::optional<std::string>;

class AgeParser
{
public:
    AgeParser(const std::vector<AgeToken>& tokens, languages::LanguageMask language)
        : tokens_(tokens), language_(language)
    {
    }

    // The age is put in reading.
    AgeProblem parse(AgeReading& reading)
    {
        AgeProblem problem;
        if (acceptOnePhraseOf(languages::lexicon().yearOfAgePhrases()) && atNumber()) {
            problem = readLatinYearOfAge(reading);
        } else {
            pos_ = 0;
            skipPrefix();
            reading.about = acceptAbout();
            if (acceptWord("in"))
                problem = readYearOfAge(reading);
            else
                problem = readParts(reading);
        }
        if (problem_)
            return problem_;
        if (problem)
            return problem;
        if (!acceptPhrase({"of", "age"}) && !acceptWord("old"))
            acceptOnePhraseOf(languages::lexicon().agePhrasesAfter());
        // "45 ans ou environ", "60 años poco más o menos".
        if (acceptOnePhraseOf(languages::lexicon().aboutPhrases()))
            reading.about = true;
        accept(AgeTokenKind::Stop);
        if (pos_ < tokens_.size())
            return "not understood at " + quotedExcerpt(tokens_[pos_].text);
        return std::nullopt;
    }

private:
    const AgeToken* peek(size_t ahead = 0) const
    {
        return pos_ + ahead < tokens_.size() ? &tokens_[pos_ + ahead] : nullptr;
    }

    bool isWord(std::string_view word, size_t ahead = 0) const
    {
        const AgeToken* token = peek(ahead);
        return token && token->kind == AgeTokenKind::Word && token->word == word;
    }

    bool accept(AgeTokenKind kind)
    {
        const AgeToken* token = peek();
        if (!token || token->kind != kind)
            return false;
        ++pos_;
        return true;
    }

    bool acceptWord(std::string_view word)
    {
        if (!isWord(word))
            return false;
        ++pos_;
        return true;
    }

    // The words in order, each perhaps with a stop after it; all or none.
    bool acceptPhrase(std::initializer_list<std::string_view> words)
    {
        const size_t start = pos_;
        for (std::string_view word : words) {
            if (!acceptWord(word)) {
                pos_ = start;
                return false;
            }
            accept(AgeTokenKind::Stop);
        }
        return true;
    }

    // One of the phrases (longest first), each word perhaps with a stop.
    bool acceptOnePhraseOf(const std::vector<std::vector<std::string>>& phrases)
    {
        // Every phrase begins with a word: a number or a sign ends the search
        // at once, so a bare "45" is not tried against every language.
        const AgeToken* next = peek();
        if (!next || next->kind != AgeTokenKind::Word)
            return false;
        for (const auto& phrase : phrases) {
            const size_t start = pos_;
            bool all = true;
            for (const std::string& word : phrase) {
                if (!acceptWord(word)) {
                    all = false;
                    break;
                }
                accept(AgeTokenKind::Stop);
            }
            if (all)
                return true;
            pos_ = start;
        }
        return false;
    }

    // The longer of the English prefix and the other languages' phrases
    // ("âgé de", "im Alter von", "oud"): "age de 45 ans" is French.
    void skipPrefix()
    {
        // Longer phrases first: "aetatis" before "aetat", "aged" before "age".
        static const std::initializer_list<std::string_view> Prefixes[] = {
            {"at", "the", "age", "of"}, {"at", "age"}, {"aetatis", "suae"}, {"aetatis"}, {"aetat"},
            {"aet"}, {"ae"}, {"aged"}, {"age"}};
        const size_t start = pos_;
        for (const auto& prefix : Prefixes) {
            if (acceptPhrase(prefix))
                break;
        }
        const size_t afterEnglish = pos_;
        pos_ = start;
        if (!acceptOnePhraseOf(languages::lexicon().agePhrasesBefore()) || pos_ < afterEnglish)
            pos_ = afterEnglish;
        accept(AgeTokenKind::Colon);
    }

    bool acceptAbout()
    {
        for (std::string_view word : {"about", "abt", "circa", "ca", "c"}) {
            if (acceptPhrase({word}))
                return true;
        }
        return acceptOnePhraseOf(languages::lexicon().aboutPhrases());
    }

    // "and" between parts: "2 años y 6 meses", "annorum 2 et mensium 6".
    bool acceptConjunction()
    {
        const AgeToken* token = peek();
        if (!token || token->kind != AgeTokenKind::Word
            || (token->word != "and" && !languages::lexicon().isConjunction(token->word)))
            return false;
        ++pos_;
        return true;
    }

    // Whether a part begins here: a number, or a unit written before its
    // number ("mensium 6"). Latin "et" before one is "and", not Danish one.
    bool atPart()
    {
        if (atNumber())
            return true;
        const AgeToken* lead = peek();
        if (!lead || lead->kind != AgeTokenKind::Word || !languages::lexicon().isLeadingUnit(lead->word))
            return false;
        ++pos_;
        const bool numberFollows = atNumber();
        --pos_;
        return numberFollows;
    }

    bool acceptOneOf(std::initializer_list<std::string_view> words)
    {
        for (std::string_view word : words) {
            if (acceptWord(word))
                return true;
        }
        return false;
    }

    std::optional<long long> wordValue(std::optional<long long> (*lookUp)(std::string_view), size_t ahead = 0) const
    {
        const AgeToken* token = peek(ahead);
        if (!token || token->kind != AgeTokenKind::Word)
            return std::nullopt;
        return lookUp(token->word);
    }

    // "sixty-two", "sixty two", "four", "one hundred and two".
    std::optional<long long> readNumberWords()
    {
        constexpr long long Hundred = 100;
        constexpr long long LargestDigit = 9;
        std::optional<long long> value = readTensAndUnits(smallNumberWord);
        if (value && *value >= 1 && *value <= LargestDigit && acceptWord("hundred")) {
            *value *= Hundred;
            const size_t afterHundred = pos_;
            acceptWord("and");
            if (const auto rest = readTensAndUnits(smallNumberWord))
                *value += *rest;
            else
                pos_ = afterHundred;
        }
        return value;
    }

    // Tens, then perhaps a unit after a hyphen or a blank; or a word below
    // twenty. units looks up the last word (cardinal or ordinal).
    std::optional<long long> readTensAndUnits(std::optional<long long> (*units)(std::string_view))
    {
        constexpr long long LargestDigit = 9;
        if (const auto tens = wordValue(tensWord)) {
            const size_t afterTens = ++pos_;
            accept(AgeTokenKind::Hyphen);
            const auto unit = wordValue(units);
            if (unit && *unit >= 1 && *unit <= LargestDigit) {
                ++pos_;
                return *tens + *unit;
            }
            pos_ = afterTens;
            // A tens word alone is a cardinal; "twentieth" is looked up below.
            if (units == smallNumberWord)
                return tens;
            --pos_;
        }
        if (units != smallNumberWord) {
            if (const auto tens = wordValue(tensOrdinalWord)) {
                ++pos_;
                return tens;
            }
        }
        if (const auto value = wordValue(units)) {
            ++pos_;
            return value;
        }
        return std::nullopt;
    }

    std::optional<long long> readCardinal()
    {
        const AgeToken* token = peek();
        if (token && token->kind == AgeTokenKind::Number) {
            ++pos_;
            return token->value;
        }
        if (const auto english = readNumberWords())
            return english;
        if (const auto words = readLanguageNumber())
            return words;
        return readRomanAge();
    }

    static bool romanAgeAt(const AgeToken& token)
    {
        constexpr long long MostRomanAge = 100;
        if (token.kind != AgeTokenKind::Word || token.word.size() < 2)
            return false;
        const auto value = languages::romanValue(token.word);
        return value && *value <= MostRomanAge;
    }

    // "aetatis lxx": an age in Roman numerals, of two letters or more (a
    // lone "c" is circa, "i" a Slavonic "and") and up to a hundred.
    std::optional<long long> readRomanAge()
    {
        const AgeToken* token = peek();
        if (!token || !romanAgeAt(*token))
            return std::nullopt;
        ++pos_;
        return languages::romanValue(token->word);
    }

    // The longest number word of any language at pos_ ("quatre-vingt-dix",
    // "czterdzieści pięć", "fünfundvierzig"), and where it ends; none when
    // there is none.
    const languages::Readings<int>* languageNumberAt(size_t& end) const
    {
        const languages::Lexicon& lexicon = languages::lexicon();
        const languages::Readings<int>* found = nullptr;
        std::string key;
        std::string joinedKey; // the words written apart, read as one: "zwei und sechzig"
        size_t words = 0;
        constexpr size_t MostApart = 3;
        for (size_t at = pos_; at < tokens_.size() && words < std::max(lexicon.longestNumberWords(), MostApart); ++at) {
            const AgeToken& token = tokens_[at];
            if (token.kind == AgeTokenKind::Hyphen && words > 0)
                continue;
            if (token.kind != AgeTokenKind::Word)
                break;
            if (!key.empty())
                key.push_back(' ');
            key += token.word;
            joinedKey += token.word;
            ++words;
            if (const auto* readings = lexicon.number(key)) {
                found = readings;
                end = at + 1;
            } else if (const auto* joined = words > 1 ? lexicon.number(joinedKey) : nullptr) {
                found = joined;
                end = at + 1;
            }
        }
        return found;
    }

    // A number word, read in the language of the unit after it where two
    // languages read it differently ("tres años" is 3, "tres år" 60).
    std::optional<long long> readLanguageNumber()
    {
        size_t end = pos_;
        const languages::Readings<int>* readings = languageNumberAt(end);
        if (!readings)
            return std::nullopt;
        const size_t start = pos_;
        pos_ = end;
        if (const auto* meant = readings->meant(language_))
            return meant->value;
        languages::LanguageMask unitLanguages = 0;
        const AgeToken* unit = peek();
        if (unit && unit->kind == AgeTokenKind::Word) {
            if (const auto* units = languages::lexicon().ageUnit(unit->word)) {
                for (const auto& reading : units->readings)
                    unitLanguages |= reading.languages;
            }
        }
        const languages::Reading<int>* chosen = nullptr;
        size_t fitting = 0;
        for (const auto& reading : readings->readings) {
            if (reading.languages & unitLanguages) {
                chosen = &reading;
                ++fitting;
            }
        }
        if (fitting == 1)
            return chosen->value;
        std::string both;
        for (const auto& reading : readings->readings)
            both += std::string(both.empty() ? "" : " or ") + std::to_string(reading.value) + " in "
                + languages::lexicon().languageNames(reading.languages);
        problem_ = quotedExcerpt(tokens_[start].text) + " is " + both + ": the unit after it does not tell which";
        return std::nullopt;
    }

    // "33d", "33rd", "thirty-third".
    std::optional<long long> readOrdinal()
    {
        const AgeToken* token = peek();
        const AgeToken* ending = peek(1);
        if (token && token->kind == AgeTokenKind::Number) {
            if (ending && ending->kind == AgeTokenKind::Word && ending->joined && isOrdinalEnding(ending->word)) {
                pos_ += 2;
                return token->value;
            }
            return std::nullopt;
        }
        return readTensAndUnits(smallOrdinalWord);
    }

    // A unit word, perhaps in a transcriber's brackets ("[years]"), perhaps
    // with a stop ("Ys.").
    std::optional<AgeUnit> readUnit()
    {
        const size_t start = pos_;
        const bool bracketed = accept(AgeTokenKind::OpenBracket);
        const AgeToken* link = peek();
        if (!bracketed && link && link->kind == AgeTokenKind::Word && languages::lexicon().isUnitLink(link->word))
            ++pos_; // "45 de ani"
        const AgeToken* token = peek();
        std::optional<AgeUnit> unit;
        if (token && token->kind == AgeTokenKind::Word) {
            const auto* readings = languages::lexicon().ageUnit(token->word);
            if (const auto* meant = readings ? readings->meant(language_) : nullptr)
                unit = meant->value;
        }
        if (!unit) {
            pos_ = start;
            return std::nullopt;
        }
        ++pos_;
        if (bracketed && !accept(AgeTokenKind::CloseBracket)) {
            pos_ = start;
            return std::nullopt;
        }
        accept(AgeTokenKind::Stop);
        return unit;
    }

    bool atNumber() const
    {
        const AgeToken* token = peek();
        size_t end = 0;
        return token
            && (token->kind == AgeTokenKind::Number || wordValue(smallNumberWord) || wordValue(tensWord)
                || languageNumberAt(end) || romanAgeAt(*token));
    }

    // After "anno aetatis suae": the Nth year of the age, N - 1 completed
    // ("anno aetatis suae 45", "anno aetatis 45to").
    AgeProblem readLatinYearOfAge(AgeReading& reading)
    {
        std::optional<long long> year = readCardinal();
        const AgeToken* ending = peek();
        if (year && ending && ending->kind == AgeTokenKind::Word && ending->joined
            && languages::lexicon().isDayEnding(ending->word, *year))
            ++pos_;
        // "im 45. Lebensjahr".
        const size_t beforeAfterWords = pos_;
        accept(AgeTokenKind::Stop);
        if (!acceptOnePhraseOf(languages::lexicon().yearOfAgeAfterPhrases()))
            pos_ = beforeAfterWords;
        if (!year)
            return "expected the year of age, as in \"anno aetatis suae 45\"";
        if (*year < 1)
            return "there is no 0th year of an age";
        StatedParts parts;
        parts[static_cast<size_t>(AgeUnit::Years)] = *year - 1;
        return meaningOf(parts, reading);
    }

    // "in ye 33d year of her age": the Nth year is N - 1 completed years.
    AgeProblem readYearOfAge(AgeReading& reading)
    {
        acceptOneOf({"ye", "the", "his", "her", "their"});
        std::optional<long long> ordinal = readOrdinal();
        // "in the 45 year of his age": a stone's ordinal without its ending,
        // read only with the whole phrase after it.
        const AgeToken* bare = peek();
        const bool withoutEnding = !ordinal && bare && bare->kind == AgeTokenKind::Number;
        if (withoutEnding) {
            ordinal = bare->value;
            ++pos_;
        }
        const AgeToken* year = peek();
        if (!ordinal || !year || year->kind != AgeTokenKind::Word || unitOfWord(year->word) != AgeUnit::Years)
            return "expected the year of age, as in \"in the 33rd year of his age\"";
        ++pos_;
        accept(AgeTokenKind::Stop);
        // "in his 40th year" says the age without "of his age".
        if (acceptWord("of")) {
            acceptOneOf({"his", "her", "ye", "the", "their"});
            if (!acceptWord("age"))
                return "expected \"age\", as in \"in the 33rd year of his age\"";
        } else if (withoutEnding) {
            return "expected \"of his age\" after a year without its ending, as in \"in the 45 year of his age\"";
        }
        if (*ordinal < 1)
            return "there is no 0th year of an age";
        StatedParts parts;
        parts[static_cast<size_t>(AgeUnit::Years)] = *ordinal - 1;
        return meaningOf(parts, reading);
    }

    AgeProblem readParts(AgeReading& reading)
    {
        StatedParts parts;
        size_t count = 0;
        std::optional<long long> bareNumber;
        std::optional<AgeUnit> unitBeforeBare;
        std::optional<AgeUnit> lastUnit;
        while (pos_ < tokens_.size()) {
            const size_t beforeSeparator = pos_;
            if (count > 0 && (accept(AgeTokenKind::Comma) || accept(AgeTokenKind::Ampersand) || acceptConjunction())) {
                if (!acceptConjunction()) // ", and"
                    accept(AgeTokenKind::Comma);
                if (!atPart()) {
                    pos_ = beforeSeparator;
                    break;
                }
            }
            // "annorum 45", "d'anni 45": a unit before its number.
            std::optional<AgeUnit> unit;
            const AgeToken* lead = peek();
            if (lead && lead->kind == AgeTokenKind::Word && languages::lexicon().isLeadingUnit(lead->word)) {
                const size_t beforeUnit = pos_;
                unit = readUnit();
                // "annos natus 45", "annorum circiter 60".
                const size_t afterUnit = pos_;
                if (!acceptOnePhraseOf(languages::lexicon().agePhrasesBefore()) || !atNumber())
                    pos_ = afterUnit;
                if (acceptAbout())
                    reading.about = true;
                if (unit && !atNumber()) {
                    pos_ = beforeUnit;
                    unit.reset();
                }
            }
            const AgeToken* numberToken = peek();
            const bool half = numberToken && numberToken->kind == AgeTokenKind::Number && numberToken->half;
            const std::optional<long long> value = readCardinal();
            if (!value)
                break;
            if (bareNumber)
                return "a number without a unit (years, months, weeks or days)";
            ++count;
            if (!unit)
                unit = readUnit();
            if (!unit) {
                bareNumber = value;
                unitBeforeBare = lastUnit;
                continue;
            }
            std::optional<long long>& part = parts[static_cast<size_t>(*unit)];
            if (part)
                return std::string(unitName(*unit)) + " given twice";
            part = value;
            lastUnit = unit;
            if (half && !addHalf(*unit, parts))
                return "a half only of years or months (1½ years, 2½ months)";
        }
        if (count == 0)
            return pos_ < tokens_.size() ? "expected a number at " + quotedExcerpt(tokens_[pos_].text)
                                         : std::string("no age given");
        if (bareNumber) {
            // A lone number is years ("aged 79"); a last one after months is
            // days ("2 years 3 months 12").
            std::optional<long long>& days = parts[static_cast<size_t>(AgeUnit::Days)];
            if (count == 1)
                parts[static_cast<size_t>(AgeUnit::Years)] = bareNumber;
            else if (unitBeforeBare == AgeUnit::Months && !days)
                days = bareNumber;
            else
                return "a number without a unit (years, months, weeks or days)";
        }
        return meaningOf(parts, reading);
    }

    // "1½ Jahr" is a year and six months, "2½ months" two months and fifteen
    // days: the half is stated in the next unit down.
    static bool addHalf(AgeUnit unit, StatedParts& parts)
    {
        constexpr long long HalfYearMonths = MonthsPerYear / 2;
        constexpr long long HalfMonthDays = 15;
        const AgeUnit lower = unit == AgeUnit::Years ? AgeUnit::Months : AgeUnit::Days;
        if (unit != AgeUnit::Years && unit != AgeUnit::Months)
            return false;
        std::optional<long long>& part = parts[static_cast<size_t>(lower)];
        if (part)
            return false;
        part = unit == AgeUnit::Years ? HalfYearMonths : HalfMonthDays;
        return true;
    }

    // The age and the ages meant, from the parts stated.
    static AgeProblem meaningOf(const StatedParts& parts, AgeReading& reading)
    {
        const auto partOf = [&](AgeUnit unit) { return parts[static_cast<size_t>(unit)].value_or(0); };
        const long long days = partOf(AgeUnit::Days) + DaysPerWeek * partOf(AgeUnit::Weeks);
        if (days > LargestAgePart)
            return "more days than " + std::to_string(LargestAgePart);
        reading.age = {partOf(AgeUnit::Years), partOf(AgeUnit::Months), days};
        for (size_t unit = 0; unit < UnitCount; ++unit) {
            if (parts[unit]) {
                reading.smallestUnit = static_cast<AgeUnit>(unit);
                break;
            }
        }
        reading.least = reading.greatest = reading.age;
        const bool daysAlone = !parts[static_cast<size_t>(AgeUnit::Years)] && !parts[static_cast<size_t>(AgeUnit::Months)];
        reading.counting = daysAlone ? AgeCounting::ElapsedDays : AgeCounting::SpanParts;
        constexpr long long LastMonthOfYear = MonthsPerYear - 1;
        switch (reading.smallestUnit) {
        case AgeUnit::Years:
            reading.greatest.months = LastMonthOfYear;
            reading.greatest.days = MostSpanDays;
            break;
        case AgeUnit::Months:
            reading.greatest.days = MostSpanDays;
            break;
        case AgeUnit::Weeks:
            reading.greatest.days += DaysPerWeek - 1;
            if (!daysAlone)
                reading.greatest.days = std::max(days, std::min(reading.greatest.days, MostSpanDays));
            break;
        case AgeUnit::Days:
            break;
        }
        return std::nullopt;
    }

    const std::vector<AgeToken>& tokens_;
    languages::LanguageMask language_ = 0;
    size_t pos_ = 0;
    AgeProblem problem_; // a number word two languages read differently
};

} // namespace

Result<AgeReading> readAgeText(std::string_view original, std::string_view language)
{
    const std::string lower = lowered(trimmed(original, isSpace));
    std::string_view text = lower;
    if (text.empty())
        return refused(quotedExcerpt(original) + ": no age given");

    // The numeric entries, perhaps after "aged".
    std::string_view numeric = text;
    for (std::string_view prefix : {"aged", "age"}) {
        if (numeric.substr(0, prefix.size()) == prefix) {
            numeric = trimmed(numeric.substr(prefix.size()), isSpace);
            if (!numeric.empty() && numeric.front() == ':')
                numeric = trimmed(numeric.substr(1), isSpace);
            break;
        }
    }
    char separator = 0;
    if (!numeric.empty() && looksNumeric(numeric, separator))
        return readNumericAge(original, numeric, separator);

    const Result<std::vector<AgeToken>> tokens = ageTokensOf(text);
    if (!tokens)
        return refused(quotedExcerpt(original) + ": " + tokens.problem().message);
    AgeReading reading;
    AgeParser parser(*tokens, language.empty() ? 0 : languages::lexicon().languageOfCode(language));
    if (const AgeProblem problem = parser.parse(reading))
        return refused(quotedExcerpt(original) + ": " + *problem + " (" + acceptedAgeForms() + ")");
    return reading;
}

std::string ageReadingText(const AgeReading& reading)
{
    const Age& age = reading.age;
    std::string text = reading.about ? "about " : "";
    const auto part = [&](long long value, std::string_view unit) {
        text += std::to_string(value) + " " + std::string(unit);
    };
    if (reading.counting == AgeCounting::ElapsedDays) {
        if (reading.smallestUnit == AgeUnit::Weeks)
            part(age.days / DaysPerWeek, "weeks");
        else
            part(age.days, "days");
        return text;
    }
    part(age.years, "years");
    if (reading.smallestUnit == AgeUnit::Years)
        return text;
    text += " ";
    part(age.months, "months");
    if (reading.smallestUnit == AgeUnit::Months)
        return text;
    text += " ";
    if (reading.smallestUnit == AgeUnit::Weeks)
        part(age.days / DaysPerWeek, "weeks");
    else
        part(age.days, "days");
    return text;
}

AgeReading exactReading(AgeReading reading)
{
    reading.least = reading.greatest = reading.age;
    reading.counting = AgeCounting::SpanParts;
    reading.smallestUnit = AgeUnit::Days;
    return reading;
}

long long wholeMonths(const Age& age)
{
    return age.years * MonthsPerYear + age.months;
}

int compareAge(const Age& a, const Age& b)
{
    const long long monthsA = wholeMonths(a);
    const long long monthsB = wholeMonths(b);
    if (monthsA != monthsB)
        return monthsA < monthsB ? -1 : 1;
    if (a.days != b.days)
        return a.days < b.days ? -1 : 1;
    return 0;
}

} // namespace spanwright
