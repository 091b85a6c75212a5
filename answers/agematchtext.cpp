#include "agematchtext.h"

#include "dateprinting.h"
#include "resultentries.h"

namespace {

std::string nearestText(const std::optional<NearestDate>& nearest, std::string_view side, DateOrder order)
{
    if (!nearest)
        return "no date " + std::string(side);
    return calendarDateTextIn(nearest->date, order) + " gives " + wordedSpan(nearest->span);
}

} // namespace

std::string wordedAge(const Age& age)
{
    return wordedSpan(Span{double(age.years), double(age.months), double(age.days)});
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
    return "no date lies " + ageReadingText(reading) + " " + std::string(relation) + " " + std::string(fixedDate)
        + "; nearest: " + nearestText(matches.before, "earlier", order) + ", "
        + nearestText(matches.after, "later", order);
}
