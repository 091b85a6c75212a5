#include "gedcomage.h"

#include "asciitext.h"

namespace {

// The ages the GEDCOM keywords stand for.
constexpr long long ChildYears = 8;
constexpr long long InfantYears = 1;

bool inDaysAlone(const Age& age)
{
    return age.years == 0 && age.months == 0;
}

StatedAge under(long long years)
{
    StatedAge stated;
    stated.ok = true;
    stated.least = Age{};
    stated.greatest = Age{years, 0, 0};
    stated.greatestExcluded = true;
    return stated;
}

} // namespace

StatedAge readStatedAge(std::string_view original)
{
    std::string_view text = trimmed(original);
    if (equalsIgnoringCase(text, "CHILD"))
        return under(ChildYears);
    if (equalsIgnoringCase(text, "INFANT"))
        return under(InfantYears);
    StatedAge stated;
    if (equalsIgnoringCase(text, "STILLBORN")) {
        stated.ok = true;
        stated.least = stated.greatest = Age{};
        return stated;
    }
    const char bound = text.empty() ? '\0' : text.front();
    if (bound == '<' || bound == '>')
        text = trimmed(text.substr(1));
    const AgeReading reading = readAgeText(text);
    if (!reading.ok) {
        stated.problem = reading.problem;
        return stated;
    }
    stated.ok = true;
    if (bound == '<') {
        stated.least = Age{};
        stated.greatest = reading.age;
        stated.greatestExcluded = true;
    } else if (bound == '>') {
        stated.least = reading.age;
        stated.leastExcluded = true;
    } else {
        stated.least = stated.greatest = reading.age;
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

int compareWithStatedAge(const Span& span, long long elapsedDays, const StatedAge& stated)
{
    const auto compare = [&](const Age& bound) {
        if (inDaysAlone(bound))
            return elapsedDays < bound.days ? -1 : elapsedDays > bound.days ? 1 : 0;
        return compareAge(ageOf(span), bound);
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
