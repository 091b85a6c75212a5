#include "evidence/recordages.h"

#include "text/asciitext.h"
#include "text/quotedtext.h"

#include <array>
#include <optional>

namespace spanwright {

namespace {

constexpr long long FullAgeYears = 21; // "of full age", "over 21"
constexpr long long HalfYearMonths = 6;

constexpr std::string_view RecordAgeForms =
    "accepted forms: every age the age reader takes (34, 79 years 9 months, in her 80th year), "
    "20-29, 20 to 29, between 20 and 30, under 10, 10 and under 16, 30 & under 40, 45 and upwards, over 30, "
    "34 1/2, minor, infant, child, stillborn, of full age";

std::string normalised(std::string_view text)
{
    std::string result;
    bool blank = false;
    for (char c : trimmed(text, [](char c) { return isBlank(c) || isLineEnd(c); })) {
        if (isBlank(c) || isLineEnd(c)) {
            blank = true;
            continue;
        }
        if (blank && !result.empty())
            result.push_back(' ');
        blank = false;
        result.push_back(lowerAscii(c));
    }
    return result;
}

Problem refused(std::string_view text, std::string why)
{
    return Problem{ProblemKind::NotRead, quotedExcerpt(trimmed(text)) + " is not an age: " + why};
}

Age yearsOnly(long long years) { return Age{years, 0, 0}; }

// Every span from least years (0 months, 0 days) to greatest years, 11
// months, 30 days.
RecordAge yearsBetween(long long least, long long greatest)
{
    RecordAge age;
    age.reading.smallestUnit = AgeUnit::Years;
    age.reading.least = yearsOnly(least);
    age.reading.greatest = Age{greatest, MonthsPerYear - 1, MostSpanDays};
    age.reading.age = age.reading.least;
    return age;
}

RecordAge yearsOrMore(long long least)
{
    RecordAge age = yearsBetween(least, least);
    age.openAbove = true;
    return age;
}

bool startsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

// Splits "X<separator>Y" at the first separator.
bool splitAt(std::string_view text, std::string_view separator, std::string_view& first, std::string_view& second)
{
    const size_t at = text.find(separator);
    if (at == std::string_view::npos || at == 0)
        return false;
    first = trimmed(text.substr(0, at));
    second = trimmed(text.substr(at + separator.size()));
    return !first.empty() && !second.empty();
}

// The unit word a reading is precise to, for a bare number before it ("20
// to 29 months": the 20 is months too).
std::string_view unitWord(const AgeReading& reading)
{
    switch (reading.smallestUnit) {
    case AgeUnit::Days:
        return "days";
    case AgeUnit::Weeks:
        return "weeks";
    case AgeUnit::Months:
        return "months";
    case AgeUnit::Years:
        break;
    }
    return "years";
}

// The age of a range from lower to upper, both included: the least of the
// one, the greatest of the other.
Result<RecordAge> rangeOf(std::string_view text, std::string_view lowerText, std::string_view upperText)
{
    const Result<AgeReading> upperRead = readAgeText(upperText);
    if (!upperRead)
        return refused(text, "its upper end " + upperRead.problem().message);
    const AgeReading& upper = *upperRead;
    const Result<AgeReading> lowerRead =
        readAgeText(allDigits(lowerText) ? std::string(lowerText) + " " + std::string(unitWord(upper)) : std::string(lowerText));
    if (!lowerRead)
        return refused(text, "its lower end " + lowerRead.problem().message);
    const AgeReading& lower = *lowerRead;
    if (lower.counting != upper.counting)
        return refused(text, "one end counts days or weeks alone and the other years or months");
    if (compareAge(lower.least, upper.greatest) > 0)
        return refused(text, "its lower end is above its upper end");
    RecordAge age;
    age.reading = lower;
    age.reading.greatest = upper.greatest;
    age.reading.about = lower.about || upper.about;
    return age;
}

// The ages below bound: from least (0 unless given) to the age just below.
Result<RecordAge> underOf(std::string_view text, std::string_view boundText, const AgeReading* least)
{
    const Result<AgeReading> boundRead = readAgeText(boundText);
    if (!boundRead)
        return refused(text, "its bound " + boundRead.problem().message);
    const AgeReading& bound = *boundRead;
    RecordAge age;
    age.reading = bound;
    if (bound.counting == AgeCounting::ElapsedDays) {
        if (bound.least.days == 0)
            return refused(text, "no one is under 0 days");
        age.reading.least = Age{};
        age.reading.greatest = Age{0, 0, bound.least.days - 1};
    } else {
        Age below;
        if (!ageJustBelow(bound.age, below))
            return refused(text, "no one is under 0 years");
        age.reading.least = Age{};
        age.reading.greatest = below;
        age.reading.smallestUnit = AgeUnit::Days;
    }
    if (least) {
        if (least->counting != bound.counting)
            return refused(text, "one end counts days or weeks alone and the other years or months");
        age.reading.least = least->least;
        if (compareAge(age.reading.least, age.reading.greatest) > 0)
            return refused(text, "its lower end is not under its bound");
    }
    age.reading.age = age.reading.least;
    return age;
}

// "34 1/2": the half year passed, 34 years 6 months to 34 years 11 months
// 30 days, as a completed-years age has passed its birthday.
std::optional<RecordAge> halfYearOf(std::string_view words)
{
    for (std::string_view half : {" 1/2", "\xC2\xBD", " \xC2\xBD", " and a half"}) {
        if (words.size() <= half.size() || words.substr(words.size() - half.size()) != half)
            continue;
        const std::string_view years = words.substr(0, words.size() - half.size());
        if (!allDigits(years) || years.size() > 3)
            return std::nullopt;
        long long value = 0;
        for (char digit : years)
            value = value * 10 + (digit - '0');
        RecordAge age = yearsBetween(value, value);
        age.reading.least.months = HalfYearMonths;
        age.reading.age = age.reading.least;
        age.reading.smallestUnit = AgeUnit::Months;
        return age;
    }
    return std::nullopt;
}

// Born on the record's day: 0 days.
RecordAge stillborn()
{
    RecordAge age;
    age.reading = *readAgeText("0 days");
    age.ageReaderForm = true;
    return age;
}

// The words of a record's age as one form: "&" for "and", and the "of"
// of "of 30 and under 40" left out.
std::string plainWords(std::string words)
{
    for (size_t at = words.find(" & "); at != std::string::npos; at = words.find(" & "))
        words.replace(at, 3, " and ");
    if (startsWith(words, "of ") && words.size() > 3 && isDigit(words[3]))
        words.erase(0, 3);
    return words;
}

Result<RecordAge> upwardsOf(std::string_view text, std::string_view leastText)
{
    const Result<AgeReading> least = readAgeText(leastText);
    if (!least)
        return refused(text, "its lower end " + least.problem().message);
    RecordAge age;
    age.reading = *least;
    age.openAbove = true;
    return age;
}

} // namespace

bool ageJustBelow(const Age& age, Age& below)
{
    if (age.days > 0) {
        below = Age{age.years, age.months, age.days - 1};
        return true;
    }
    const long long months = wholeMonths(age);
    if (months == 0)
        return false;
    below = Age{(months - 1) / MonthsPerYear, (months - 1) % MonthsPerYear, MostSpanDays};
    return true;
}

Result<RecordAge> readRecordAge(std::string_view text, std::string_view language)
{
    const Result<AgeReading> read = readAgeText(text, language);
    if (read) {
        const AgeReading& plain = *read;
        RecordAge age;
        age.reading = plain;
        age.ageReaderForm = true;
        age.plainYears = plain.smallestUnit == AgeUnit::Years && plain.counting == AgeCounting::SpanParts
            && compareAge(plain.least, Age{plain.least.years, 0, 0}) == 0
            && normalised(text).find("year of") == std::string::npos;
        return age;
    }
    std::string words = normalised(text);
    // "in her 80th year", as stones shorten "in the 80th year of her age".
    constexpr std::string_view YearEnd = " year";
    if (startsWith(words, "in ") && words.size() > YearEnd.size()
        && std::string_view(words).substr(words.size() - YearEnd.size()) == YearEnd) {
        Result<RecordAge> age = readRecordAge(words + " of age", language);
        if (age)
            return age;
    }
    if (startsWith(words, "aged "))
        words.erase(0, std::string_view("aged ").size());
    words = plainWords(std::move(words));
    if (words == "minor" || words == "a minor")
        return yearsBetween(0, FullAgeYears - 1);
    if (words == "infant" || words == "an infant")
        return yearsBetween(0, InfantUnderYears - 1);
    if (words == "child" || words == "a child")
        return yearsBetween(0, ChildUnderYears - 1);
    if (words == "stillborn")
        return stillborn();
    if (words == "of full age" || words == "full age")
        return yearsOrMore(FullAgeYears);
    if (const std::optional<RecordAge> half = halfYearOf(words))
        return *half;

    std::string_view first;
    std::string_view second;
    const std::string_view all = words;
    for (std::string_view upwards : {" and upwards", " and upward", " and over", " or more", " or over"}) {
        if (all.size() > upwards.size() && all.substr(all.size() - upwards.size()) == upwards)
            return upwardsOf(text, trimmed(all.substr(0, all.size() - upwards.size())));
    }
    for (std::string_view over : {"over ", "above ", "upwards of "}) {
        if (startsWith(all, over))
            return upwardsOf(text, trimmed(all.substr(over.size())));
    }
    if (startsWith(all, "under "))
        return underOf(text, trimmed(all.substr(std::string_view("under ").size())), nullptr);
    if (splitAt(all, " and under ", first, second)) {
        const Result<AgeReading> least = readAgeText(first);
        if (!least)
            return refused(text, "its lower end " + least.problem().message);
        return underOf(text, second, &*least);
    }
    if (startsWith(all, "between ") && splitAt(all.substr(std::string_view("between ").size()), " and ", first, second))
        return rangeOf(text, first, second);
    for (std::string_view separator : {" to ", "\xE2\x80\x93", "-"}) {
        if (splitAt(all, separator, first, second))
            return rangeOf(text, first, second);
    }
    return refused(text, "it is not understood (" + std::string(RecordAgeForms) + ")");
}

std::string recordAgeText(const RecordAge& age)
{
    const AgeReading& reading = age.reading;
    if (age.openAbove) {
        AgeReading least = reading;
        least.age = reading.least;
        return ageReadingText(least) + " or more";
    }
    if (age.ageReaderForm)
        return ageReadingText(reading);
    const auto part = [](const Age& value, AgeCounting counting) {
        if (counting == AgeCounting::ElapsedDays)
            return std::to_string(value.days) + " days";
        std::string text = std::to_string(value.years) + " years";
        if (value.months != 0 || value.days != 0)
            text += " " + std::to_string(value.months) + " months";
        if (value.days != 0)
            text += " " + std::to_string(value.days) + " days";
        return text;
    };
    const std::string about = reading.about ? "about " : "";
    // Years from a whole year to the last day before another: "20 to 29 years".
    const Age& greatest = reading.greatest;
    if (reading.counting == AgeCounting::SpanParts && reading.least.months == 0 && reading.least.days == 0
        && greatest.months == MonthsPerYear - 1 && greatest.days == MostSpanDays) {
        if (reading.least.years == greatest.years)
            return about + std::to_string(greatest.years) + " years";
        return about + std::to_string(reading.least.years) + " to " + std::to_string(greatest.years) + " years";
    }
    return about + part(reading.least, reading.counting) + " to " + part(greatest, reading.counting);
}

} // namespace spanwright
