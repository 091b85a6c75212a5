#include "age.h"

#include "agetokens.h"
#include "agewords.h"
#include "asciitext.h"
#include "quotedtext.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>

namespace {

constexpr std::string_view AcceptedAgeForms =
    "accepted forms: 79 years 9 months 29 days, 79y 9m 29d, aged 79, about 40 years, three weeks, "
    "in the 33rd year of his age, 9/29/79 (months/days/years)";

constexpr size_t UnitCount = 4; // indexed by AgeUnit
using StatedParts = std::array<std::optional<long long>, UnitCount>;

constexpr std::string_view unitName(AgeUnit unit)
{
    constexpr std::array<std::string_view, UnitCount> Names = {"days", "weeks", "months", "years"};
    return Names[static_cast<size_t>(unit)];
}

bool isSpace(char c) { return isBlank(c) || isLineEnd(c); }

// The text in lower case, each no-break space (U+00A0) a plain blank, as
// word processors put one between a number and its unit; the letter Æ/æ
// spelt "ae" ("Æt." for aetatis) and the typographic apostrophe U+2019 a
// plain one.
std::string lowered(std::string_view text)
{
    struct Replacement
    {
        std::string_view from;
        std::string_view to;
    };
    constexpr std::array<Replacement, 4> Replacements = {{
        {"\xC2\xA0", " "}, {"\xC3\x86", "ae"}, {"\xC3\xA6", "ae"}, {"\xE2\x80\x99", "'"}}};
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const Replacement& replacement : Replacements) {
            if (text.substr(i, replacement.from.size()) == replacement.from) {
                result += replacement.to;
                i += replacement.from.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            result.push_back(lowerAscii(text[i++]));
    }
    return result;
}

AgeReading refused(std::string problem)
{
    AgeReading reading;
    reading.problem = std::move(problem);
    return reading;
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
AgeReading readNumericAge(std::string_view original, std::string_view text, char separator)
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
    reading.ok = true;
    reading.age = {parts[2], parts[0], parts[1]};
    reading.least = reading.greatest = reading.age;
    return reading;
}

// Reads the tokens of a worded age, front to back.
class AgeParser
{
public:
    explicit AgeParser(const std::vector<AgeToken>& tokens) : tokens_(tokens) {}

    // "" when the tokens are an age, which is then in reading; else why not.
    std::string parse(AgeReading& reading)
    {
        skipPrefix();
        reading.about = acceptAbout();
        std::string problem;
        if (acceptWord("in"))
            problem = readYearOfAge(reading);
        else
            problem = readParts(reading);
        if (!problem.empty())
            return problem;
        if (!acceptPhrase({"of", "age"}))
            acceptWord("old");
        accept(AgeTokenKind::Stop);
        if (pos_ < tokens_.size())
            return "not understood at " + quotedExcerpt(tokens_[pos_].text);
        return {};
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

    void skipPrefix()
    {
        // Longer phrases first: "aetatis" before "aetat", "aged" before "age".
        static const std::initializer_list<std::string_view> Prefixes[] = {
            {"at", "the", "age", "of"}, {"at", "age"}, {"aetatis", "suae"}, {"aetatis"}, {"aetat"},
            {"aet"}, {"ae"}, {"aged"}, {"age"}};
        for (const auto& prefix : Prefixes) {
            if (acceptPhrase(prefix)) {
                accept(AgeTokenKind::Colon);
                return;
            }
        }
    }

    bool acceptAbout()
    {
        for (std::string_view word : {"about", "abt", "circa", "ca", "c"}) {
            if (acceptPhrase({word}))
                return true;
        }
        return false;
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
        return readNumberWords();
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
        const AgeToken* token = peek();
        std::optional<AgeUnit> unit;
        if (token && token->kind == AgeTokenKind::Word)
            unit = unitOfWord(token->word);
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
        return token
            && (token->kind == AgeTokenKind::Number || wordValue(smallNumberWord) || wordValue(tensWord));
    }

    // "in ye 33d year of her age": the Nth year is N - 1 completed years.
    std::string readYearOfAge(AgeReading& reading)
    {
        acceptOneOf({"ye", "the", "his", "her", "their"});
        const std::optional<long long> ordinal = readOrdinal();
        const AgeToken* year = peek();
        if (!ordinal || !year || year->kind != AgeTokenKind::Word || unitOfWord(year->word) != AgeUnit::Years)
            return "expected the year of age, as in \"in the 33rd year of his age\"";
        ++pos_;
        accept(AgeTokenKind::Stop);
        if (!acceptWord("of"))
            return "expected \"of\" after the year, as in \"in the 33rd year of his age\"";
        acceptOneOf({"his", "her", "ye", "the", "their"});
        if (!acceptWord("age"))
            return "expected \"age\", as in \"in the 33rd year of his age\"";
        if (*ordinal < 1)
            return "there is no 0th year of an age";
        StatedParts parts;
        parts[static_cast<size_t>(AgeUnit::Years)] = *ordinal - 1;
        return meaningOf(parts, reading);
    }

    std::string readParts(AgeReading& reading)
    {
        StatedParts parts;
        size_t count = 0;
        std::optional<long long> bareNumber;
        std::optional<AgeUnit> unitBeforeBare;
        std::optional<AgeUnit> lastUnit;
        while (pos_ < tokens_.size()) {
            const size_t beforeSeparator = pos_;
            if (count > 0 && (accept(AgeTokenKind::Comma) || accept(AgeTokenKind::Ampersand) || acceptWord("and"))) {
                if (!acceptWord("and")) // ", and"
                    accept(AgeTokenKind::Comma);
                if (!atNumber()) {
                    pos_ = beforeSeparator;
                    break;
                }
            }
            const std::optional<long long> value = readCardinal();
            if (!value)
                break;
            if (bareNumber)
                return "a number without a unit (years, months, weeks or days)";
            ++count;
            const std::optional<AgeUnit> unit = readUnit();
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

    // The age and the ages meant, from the parts stated.
    static std::string meaningOf(const StatedParts& parts, AgeReading& reading)
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
        return {};
    }

    const std::vector<AgeToken>& tokens_;
    size_t pos_ = 0;
};

} // namespace

AgeReading readAgeText(std::string_view original)
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

    const AgeTokens tokens = ageTokensOf(text);
    if (!tokens.problem.empty())
        return refused(quotedExcerpt(original) + ": " + tokens.problem);
    AgeReading reading;
    AgeParser parser(tokens.tokens);
    const std::string problem = parser.parse(reading);
    if (!problem.empty())
        return refused(quotedExcerpt(original) + ": " + problem + " (" + std::string(AcceptedAgeForms) + ")");
    reading.ok = true;
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

Age ageOf(const Span& span)
{
    return {static_cast<long long>(span.Years), static_cast<long long>(span.Months),
            static_cast<long long>(span.Days)};
}
