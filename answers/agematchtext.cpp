#include "agematchtext.h"

#include "dateprinting.h"
#include "spans/resultentries.h"

#include <algorithm>

namespace spanwright {

namespace {

std::string nearestText(const std::optional<NearestDate>& nearest, std::string_view side, DateOrder order)
{
    if (!nearest)
        return "no date " + std::string(side);
    return calendarDateTextIn(nearest->date, order) + " gives " + wordedSpan(nearest->span);
}

// The words of an age as read with the unit after a 1 in the singular:
// "1 year 1 month", not "1 years 1 months".
std::string withSingularUnits(std::string text)
{
    for (size_t at = text.find("1 "); at != std::string::npos; at = text.find("1 ", at + 1)) {
        if (at > 0 && text[at - 1] != ' ')
            continue; // 11, 21: not a 1 of its own
        const size_t unitEnd = std::min(text.find(' ', at + 2), text.size());
        if (unitEnd > at + 2 && text[unitEnd - 1] == 's')
            text.erase(unitEnd - 1, 1);
    }
    return text;
}

} // namespace

std::string wordedAge(const Age& age)
{
    return wordedSpan(age);
}

std::string matchRangeText(const AgeMatches& matches, DateOrder order)
{
    return datesAnswerText(matches.first(), matches.last(), matches.count, false, true, order);
}

std::string datesAnswerText(const CalendarDate& first, const CalendarDate& last, long long count, bool about,
                            bool asRange, DateOrder order)
{
    std::string text = about ? "about: " : "";
    text += calendarDateTextIn(first, order);
    if (count == 1 && !asRange)
        return text;
    return text + " through " + calendarDateTextIn(last, order) + " (" + std::to_string(count)
        + (count == 1 ? " date)" : " dates)");
}

std::string noMatchText(const Age& age, const AgeMatches& matches, std::string_view relation,
                        std::string_view fixedDate, DateOrder order)
{
    // The days of a span are what is left after whole months: never more
    // than 30, so "45 days" for an infant is reached by no date.
    constexpr long long MostDaysOfASpan = 30;
    std::string text = "no date lies exactly " + wordedAge(age) + " " + std::string(relation) + " "
        + std::string(fixedDate) + "; nearest: " + nearestText(matches.before, "earlier", order) + ", "
        + nearestText(matches.after, "later", order);
    if (age.days > MostDaysOfASpan)
        text += " (a span has at most 30 days; more are counted as months)";
    return text;
}

std::string noMatchTextFor(const AgeReading& reading, const AgeMatches& matches, std::string_view relation,
                           std::string_view fixedDate, DateOrder order)
{
    const bool exactSpan = reading.counting == AgeCounting::SpanParts && compareAge(reading.least, reading.greatest) == 0;
    if (exactSpan)
        return noMatchText(reading.age, matches, relation, fixedDate, order);
    return "no date lies " + withSingularUnits(ageReadingText(reading)) + " " + std::string(relation) + " " + std::string(fixedDate)
        + "; nearest: " + nearestText(matches.before, "earlier", order) + ", "
        + nearestText(matches.after, "later", order);
}

} // namespace spanwright
