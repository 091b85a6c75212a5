#include "gedcomage.h"

#include "text/asciitext.h"
#include "ages/oldestage.h"
#include "text/quotedtext.h"
#include "evidence/recordages.h"

namespace spanwright {

namespace {

// The ages the GEDCOM keywords stand for, as narrow's records read them.
constexpr long long ChildYears = ChildUnderYears;
constexpr long long InfantYears = InfantUnderYears;

bool inDaysAlone(const Age& age)
{
    return age.years == 0 && age.months == 0;
}

StatedAge under(long long years)
{
    StatedAge stated;
    stated.least = Age{};
    stated.greatest = Age{years, 0, 0};
    stated.greatestExcluded = true;
    return stated;
}

enum class Unit { Years, Months, Weeks, Days };

// An age as stated, with its smallest stated unit.
struct StatedParts
{
    long long years = 0;
    long long months = 0;
    long long weeks = 0;
    long long days = 0;
    Unit smallest = Unit::Years;
};

// "75y 9m 2w 3d" (parts in this order, each at most once, any case) or a
// bare number of years; false for anything else.
bool readAgeGrammar(std::string_view text, StatedParts& parts)
{
    constexpr std::string_view Units = "ymwd";
    constexpr size_t MostDigits = 8; // LargestAgePart
    size_t nextUnit = 0;
    bool any = false;
    while (!text.empty()) {
        size_t digits = 0;
        long long value = 0;
        while (digits < text.size() && isDigit(text[digits])) {
            if (digits == MostDigits)
                return false;
            value = value * 10 + (text[digits] - '0');
            ++digits;
        }
        if (digits == 0)
            return false;
        if (digits == text.size()) {
            parts.years = value; // a bare number: years; after units, no age of this grammar
            return !any;
        }
        const size_t unit = Units.find(lowerAscii(text[digits]), nextUnit);
        if (unit == std::string_view::npos)
            return false;
        long long* const fields[] = {&parts.years, &parts.months, &parts.weeks, &parts.days};
        *fields[unit] = value;
        parts.smallest = static_cast<Unit>(unit);
        nextUnit = unit + 1;
        any = true;
        text = text.substr(digits + 1);
        if (!text.empty() && !isBlank(text.front()))
            return false;
        text = trimmed(text);
    }
    return any;
}

// The age one smallest unit later: the first age the stated one, rounded
// down, does not cover.
Age nextAge(const Age& age, Unit smallest)
{
    Age next = age;
    switch (smallest) {
    case Unit::Years:
        ++next.years;
        break;
    case Unit::Months:
        ++next.months;
        break;
    case Unit::Weeks:
        next.days += DaysPerWeek;
        break;
    case Unit::Days:
        break;
    }
    return next;
}

} // namespace

Result<StatedAge> readStatedAge(std::string_view original, std::string_view language)
{
    std::string_view text = trimmed(original);
    if (equalsIgnoringCase(text, "CHILD"))
        return under(ChildYears);
    if (equalsIgnoringCase(text, "INFANT"))
        return under(InfantYears);
    StatedAge stated;
    if (equalsIgnoringCase(text, "STILLBORN")) {
        stated.least = stated.greatest = Age{};
        return stated;
    }
    if (!text.empty() && text.front() == '(') {
        stated.phrase = true;
        return stated;
    }
    const char bound = text.empty() ? '\0' : text.front();
    if (bound == '<' || bound == '>')
        text = trimmed(text.substr(1));
    StatedParts parts;
    std::optional<AgeReading> worded;
    if (!readAgeGrammar(text, parts)) {
        const Result<AgeReading> read = readAgeText(text, language);
        if (!read)
            return read.problem();
        worded = *read;
    }
    const Age age = worded ? worded->least : Age{parts.years, parts.months, parts.weeks * DaysPerWeek + parts.days};
    if (pastOldestAge(age))
        return Problem{ProblemKind::NotRead,
                       quotedExcerpt(original) + ": more than anyone lives (the oldest age taken is "
                           + std::to_string(OldestStatedAgeYears) + " years)"};
    stated.about = worded && worded->about;
    if (bound == '<') {
        stated.least = Age{};
        stated.greatest = age;
        stated.greatestExcluded = true;
    } else if (bound == '>') {
        stated.least = age;
        stated.leastExcluded = true;
    } else if (worded) {
        // Other wordings ("aged 39 years", "three weeks") come with the ages
        // they allow, by the same rounding.
        stated.least = worded->least;
        stated.greatest = worded->greatest;
    } else {
        stated.least = age;
        stated.greatest = nextAge(age, parts.smallest);
        stated.greatestExcluded = parts.smallest != Unit::Days;
    }
    return stated;
}

bool StatedAge::meetable() const
{
    for (const std::optional<Age>& bound : {least, greatest}) {
        if (bound && !inDaysAlone(*bound) && bound->days > LongestSpanDays)
            return false;
    }
    return true;
}

int compareWithStatedAge(const YearsMonthsDays& span, long long elapsedDays, const StatedAge& stated)
{
    const auto compare = [&](const Age& bound) {
        if (inDaysAlone(bound))
            return elapsedDays < bound.days ? -1 : elapsedDays > bound.days ? 1 : 0;
        return compareAge(span, bound);
    };
    if (stated.least) {
        const int order = compare(*stated.least);
        if (order < 0 || (order == 0 && stated.leastExcluded))
            return -1;
    }
    if (stated.greatest) {
        const int order = compare(*stated.greatest);
        if (order > 0 || (order == 0 && stated.greatestExcluded))
            return 1;
    }
    return 0;
}

} // namespace spanwright
