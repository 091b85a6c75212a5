#include "age.h"

#include "asciitext.h"
#include "quotedtext.h"

#include <array>
#include <cmath>

namespace {

enum class Part { Years, Months, Days };

struct UnitWord
{
    std::string_view word;
    Part part;
};

// Unit words after lower-casing; "(s)" and a final period are taken off first.
constexpr std::array<UnitWord, 19> UnitWords = {{
    {"y", Part::Years},   {"yr", Part::Years},    {"yrs", Part::Years},    {"year", Part::Years},
    {"years", Part::Years},
    {"m", Part::Months},  {"mo", Part::Months},   {"mos", Part::Months},   {"mon", Part::Months},
    {"mth", Part::Months}, {"mths", Part::Months}, {"month", Part::Months}, {"months", Part::Months},
    {"d", Part::Days},    {"ds", Part::Days},     {"dy", Part::Days},      {"dys", Part::Days},
    {"day", Part::Days},  {"days", Part::Days},
}};

constexpr std::array<std::string_view, 2> AgePrefixes = {"aged", "age"};
constexpr std::string_view PluralMark = "(s)";

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
// An age pasted from a text may carry line ends; they part words as blanks do.
bool isSpace(char c) { return isBlank(c) || isLineEnd(c); }

// The text in lower case, with each no-break space (U+00A0 in UTF-8) made
// a plain blank, as word processors put one between a number and its unit.
std::string lowered(std::string_view text)
{
    constexpr std::string_view NoBreakSpace = "\xC2\xA0";
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, NoBreakSpace.size()) == NoBreakSpace) {
            result.push_back(' ');
            ++i;
        } else {
            result.push_back(lowerAscii(text[i]));
        }
    }
    return result;
}

AgeReading refused(std::string problem)
{
    AgeReading reading;
    reading.problem = std::move(problem);
    return reading;
}

// A run of digits as a whole number; false when it is larger than an age part
// may be.
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

// Tells the kind of a number that is not a plain run of digits at pos (a
// sign, a decimal point) for the refusal, or "" when there is none.
std::string_view notWholeReason(std::string_view text, size_t pos, size_t end)
{
    if (pos > 0 && (text[pos - 1] == '-' || text[pos - 1] == '+'))
        return "a sign";
    if (end + 1 < text.size() && (text[end] == '.' || text[end] == ',') && isDigit(text[end + 1]))
        return "a fraction";
    return {};
}

// "9/19/39": months, days and years with one separator twice.
bool looksNumeric(std::string_view text, char& separator)
{
    for (char candidate : {'/', '-', '.'}) {
        const size_t first = text.find(candidate);
        if (first == std::string_view::npos)
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

AgeReading readNumericAge(std::string_view text, char separator)
{
    const std::string notNumeric = quotedExcerpt(text) + " is not months" + separator + "days" + separator + "years";
    const size_t first = text.find(separator);
    const size_t second = text.find(separator, first + 1);
    if (second == std::string_view::npos && separator == '.')
        return refused(quotedExcerpt(text) + ": whole numbers only, not a fraction");
    if (second == std::string_view::npos || text.find(separator, second + 1) != std::string_view::npos)
        return refused(notNumeric);
    const std::array<std::string_view, 3> pieces = {
        text.substr(0, first), text.substr(first + 1, second - first - 1), text.substr(second + 1)};
    std::array<long long, 3> parts{};
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].empty())
            return refused(notNumeric);
        if (!readWhole(pieces[i], parts[i]))
            return refused(quotedExcerpt(text) + ": a part is larger than " + std::to_string(LargestAgePart));
    }
    AgeReading reading;
    reading.ok = true;
    reading.age = {parts[2], parts[0], parts[1]};
    return reading;
}

// The part a unit word names; false when it names none.
bool unitPart(std::string word, Part& part)
{
    if (word.size() > PluralMark.size() && word.compare(word.size() - PluralMark.size(), PluralMark.size(), PluralMark) == 0)
        word.resize(word.size() - PluralMark.size());
    if (!word.empty() && word.back() == '.')
        word.pop_back();
    for (const UnitWord& unit : UnitWords) {
        if (unit.word == word) {
            part = unit.part;
            return true;
        }
    }
    return false;
}

std::string_view partName(Part part)
{
    switch (part) {
    case Part::Years: return "years";
    case Part::Months: return "months";
    case Part::Days: return "days";
    }
    return {};
}

} // namespace

AgeReading readAgeText(std::string_view original)
{
    const std::string lower = lowered(trimmed(original, isSpace));
    std::string_view text = lower;
    for (std::string_view prefix : AgePrefixes) {
        if (text.substr(0, prefix.size()) == prefix && text.size() > prefix.size()
            && (isSpace(text[prefix.size()]) || text[prefix.size()] == ':')) {
            text = trimmed(text.substr(prefix.size() + 1), isSpace);
            break;
        }
    }
    if (text.empty())
        return refused(quotedExcerpt(original) + ": no age given");

    char separator = 0;
    if (looksNumeric(text, separator))
        return readNumericAge(text, separator);

    std::array<bool, 3> seen{};
    AgeReading reading;
    long long* parts[] = {&reading.age.years, &reading.age.months, &reading.age.days};
    size_t pos = 0;
    int numbers = 0;
    bool bareNumber = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (isSpace(c) || c == ',') {
            ++pos;
            continue;
        }
        if (text.substr(pos, 4) == "and " && numbers > 0) {
            pos += 4;
            continue;
        }
        if (!isDigit(c)) {
            if (c == '-' || c == '+')
                return refused(quotedExcerpt(original) + ": whole numbers only, without a sign");
            return refused(quotedExcerpt(original) + ": expected a number at " + quotedExcerpt(text.substr(pos)));
        }
        size_t end = pos;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        const std::string_view reason = notWholeReason(text, pos, end);
        if (!reason.empty())
            return refused(quotedExcerpt(original) + ": whole numbers only, not " + std::string(reason));
        long long value = 0;
        if (!readWhole(text.substr(pos, end - pos), value))
            return refused(quotedExcerpt(original) + ": a number larger than " + std::to_string(LargestAgePart));
        ++numbers;

        size_t wordStart = end;
        while (wordStart < text.size() && isSpace(text[wordStart]))
            ++wordStart;
        size_t wordEnd = wordStart;
        while (wordEnd < text.size() && (isLetter(text[wordEnd]) || text[wordEnd] == '(' || text[wordEnd] == ')' || text[wordEnd] == '.'))
            ++wordEnd;
        if (wordEnd == wordStart) {
            bareNumber = true;
            reading.age.years = value;
            pos = end;
            continue;
        }
        Part part;
        const std::string_view word = text.substr(wordStart, wordEnd - wordStart);
        if (!unitPart(std::string(word), part))
            return refused(quotedExcerpt(original) + ": " + quotedExcerpt(word) + " is not years, months or days");
        const size_t index = static_cast<size_t>(part);
        if (seen[index])
            return refused(quotedExcerpt(original) + ": " + std::string(partName(part)) + " given twice");
        seen[index] = true;
        *parts[index] = value;
        pos = wordEnd;
    }
    // A lone number, as in "aged 79", counts in years.
    if (bareNumber && numbers > 1)
        return refused(quotedExcerpt(original) + ": a number without a unit (years, months or days)");
    reading.ok = true;
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
