#include "gedcomdateparts.h"

#include "text/asciitext.h"

#include <array>

namespace spanwright {

using datepieces::DateToken;
using datepieces::DateTokenizer;
using datepieces::DateTokenKind;
using datepieces::DateTokenMarks;

namespace {

constexpr std::array<std::string_view, 4> OrdinalSuffixes = {"ST", "ND", "RD", "TH"};
// Most parts of a date: a range with a calendar, weekday and era on both.
constexpr size_t UsualPartCount = 8;

bool isOrdinalSuffix(std::string_view written)
{
    for (std::string_view suffix : OrdinalSuffixes) {
        if (equalsIgnoringCase(written, suffix))
            return true;
    }
    return false;
}

// At most nine digits (a day or a year; larger is refused by the caller's
// range check).
std::optional<long long> numberOf(std::string_view digits)
{
    constexpr size_t MostDigits = 9;
    constexpr long long Ten = 10;
    if (digits.size() > MostDigits)
        return std::nullopt;
    long long value = 0;
    for (char c : digits)
        value = value * Ten + (c - '0');
    return value;
}

// A number without the ordinal point the worded dates' tokens take on
// ("12. März"): in GEDCOM, "12." is no day.
bool isNumberAlone(const DateToken& token)
{
    return token.kind == DateTokenKind::Number && token.end == token.partEnd;
}

std::optional<long long> dayOfToken(const DateToken& token, std::string_view text)
{
    if (!isNumberAlone(token) || token.tailSeparator != 0)
        return std::nullopt;
    const std::string_view ending = token.ending(text);
    if (!ending.empty() && !isOrdinalSuffix(ending))
        return std::nullopt;
    return numberOf(token.digits(text));
}

// Two days, each with its suffix: "8/9TH", "8TH/9", "8TH/9TH" (the part's
// tokens read again: such parts are rare).
std::optional<WrittenDays> suffixedDaysOfPart(std::string_view written)
{
    constexpr size_t MostTokens = 3;
    DateTokenizer tokenizer(written, DateTokenMarks::Gedcom);
    std::array<DateToken, MostTokens + 1> tokens;
    size_t count = 0;
    while (count < tokens.size() && tokenizer.next(tokens[count]))
        ++count;
    const DateToken& first = tokens[0];
    if (count == 2 && isNumberAlone(first) && first.tailSeparator == '/' && tokens[1].kind == DateTokenKind::Word
        && isOrdinalSuffix(written.substr(tokens[1].begin, tokens[1].end - tokens[1].begin))) {
        const std::optional<long long> day = numberOf(first.digits(written));
        const std::optional<long long> lastDay = numberOf(first.tail(written));
        if (day && lastDay)
            return WrittenDays{*day, *lastDay, true};
    }
    if (count == MostTokens && tokens[1].kind == DateTokenKind::Sign && written[tokens[1].begin] == '/') {
        const std::optional<long long> day = dayOfToken(first, written);
        const std::optional<long long> lastDay = dayOfToken(tokens[2], written);
        if (day && lastDay)
            return WrittenDays{*day, *lastDay, true};
    }
    return std::nullopt;
}

} // namespace

long long powerOfTen(size_t digits)
{
    constexpr long long Ten = 10;
    long long power = 1;
    for (size_t i = 0; i < digits; ++i)
        power *= Ten;
    return power;
}

GedcomValueParts gedcomDateParts(std::string_view text)
{
    GedcomValueParts value;
    value.parts.reserve(UsualPartCount);
    DateTokenizer tokenizer(text, DateTokenMarks::Gedcom);
    DateToken token;
    bool afterEscape = false;
    while (tokenizer.next(token)) {
        if (!value.parts.empty() && !afterEscape && value.parts.back().end == token.begin) {
            value.parts.back().end = token.end;
            ++value.parts.back().tokenCount;
        } else {
            GedcomDatePart part;
            part.begin = token.begin;
            part.end = token.end;
            part.tokenCount = 1;
            part.first = token;
            part.first.key = {};
            value.parts.push_back(part);
        }
        afterEscape = token.kind == DateTokenKind::CalendarEscape;
        if (token.kind == DateTokenKind::Phrase)
            value.phrase = token.begin;
    }
    return value;
}

void dropPhrase(GedcomValueParts& value)
{
    if (value.phrase == std::string_view::npos)
        return;
    // The phrase runs to the end of the value: it is the last part's last token.
    GedcomDatePart& last = value.parts.back();
    if (last.begin == value.phrase) {
        value.parts.pop_back();
    } else {
        last.end = value.phrase;
        --last.tokenCount;
    }
    value.phrase = std::string_view::npos;
}

bool isPlainNumber(const GedcomDatePart& part)
{
    const DateToken& number = part.first;
    return part.tokenCount == 1 && isNumberAlone(number) && number.tailSeparator == 0
        && number.digitsEnd == number.partEnd;
}

std::optional<WrittenYear> yearOfPart(const GedcomDatePart& part, std::string_view text)
{
    const DateToken& number = part.first;
    if (part.tokenCount != 1 || !isNumberAlone(number) || !number.ending(text).empty())
        return std::nullopt;
    const std::optional<long long> year = numberOf(number.digits(text));
    if (!year)
        return std::nullopt;
    WrittenYear written{*year, number.digitsEnd - number.begin, false};
    if (number.tailSeparator == 0)
        return written;
    // The later year, or as many of its last digits.
    const std::string_view tail = number.tail(text);
    const std::optional<long long> later = numberOf(tail);
    if (tail.size() > written.digits || !later || *later != (written.year + 1) % powerOfTen(tail.size()))
        return std::nullopt;
    written.year += 1;
    written.dual = true;
    return written;
}

std::optional<WrittenDays> daysOfPart(const GedcomDatePart& part, std::string_view text)
{
    const DateToken& number = part.first;
    if (part.tokenCount == 1 && isNumberAlone(number) && number.tailSeparator == '/') {
        const std::optional<long long> day = numberOf(number.digits(text));
        const std::optional<long long> lastDay = numberOf(number.tail(text));
        if (!day || !lastDay)
            return std::nullopt;
        return WrittenDays{*day, *lastDay, true};
    }
    if (part.tokenCount == 1) {
        const std::optional<long long> day = dayOfToken(number, text);
        if (!day)
            return std::nullopt;
        return WrittenDays{*day, *day, false};
    }
    return suffixedDaysOfPart(part.in(text));
}

} // namespace spanwright
