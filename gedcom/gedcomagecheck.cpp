#include "gedcomagecheck.h"

#include "ages/agesearch.h"
#include "ages/daysearch.h"

#include <algorithm>

namespace spanwright {

namespace {

constexpr long long DaysPerYearAtMost = 366;

// The days the two dates allow, clamped to the calendar and to each other: a
// birth after the last death day or a death before the first birth day is
// no pair.
struct Days
{
    Day birthFirst;
    Day birthLast;
    Day deathFirst;
    Day deathLast;
};

Days daysOf(const GedcomDate& birth, const GedcomDate& death, const GedcomSpanCalendar& calendar)
{
    // An open side reaches to the calendar's end, or no further than the
    // date itself where that lies beyond (AFT the calendar's last day).
    const Day calendarFirst = calendar.firstDay();
    const Day calendarLast = calendar.lastDay();
    const auto first = [&](const GedcomDate& date) {
        return date.days.earliest.value_or(std::min(calendarFirst, date.days.latest.value_or(calendarFirst)));
    };
    const auto last = [&](const GedcomDate& date) {
        return date.days.latest.value_or(std::max(calendarLast, date.days.earliest.value_or(calendarLast)));
    };
    Days days{first(birth), last(birth), first(death), last(death)};
    days.birthLast = std::min(days.birthLast, days.deathLast);
    days.deathFirst = std::max(days.deathFirst, days.birthFirst);
    return days;
}

// Where the span from birth to death lies against the stated ages; a birth
// after the death is shorter than any age. Never shorter as the death moves
// later, never longer as the birth does.
struct Comparison
{
    const StatedAge& stated;
    const GedcomSpanCalendar& calendar;

    int operator()(Day birth, Day death) const
    {
        if (birth > death)
            return -1;
        return compareWithStatedAge(calendar.span(birth, death), death - birth, stated);
    }
};

// Days the birth must move later for the stated age at death, from birthLast.
long long daysLater(const Comparison& compare, Day birthLast, Day death)
{
    // The day after the death gives no age at all, so the search ends there.
    const Day reached = firstDayNear(birthLast + 1, death + 1, [&](Day birth) {
        return compare(birth, death) <= 0;
    });
    return reached - birthLast;
}

// Days the birth must move earlier for the stated age at death, from
// birthFirst; none when no day of the calendar is early enough.
std::optional<long long> daysEarlier(const Comparison& compare, Day birthFirst, Day death)
{
    const Day reached = lastDayNear(compare.calendar.firstDay(), birthFirst - 1, [&](Day birth) {
        return compare(birth, death) >= 0;
    });
    if (reached < compare.calendar.firstDay())
        return std::nullopt;
    return birthFirst - reached;
}

AgeCheck disagrees(long long days)
{
    return {AgeCheck::Outcome::Disagrees, days};
}

} // namespace

bool deathBeforeBirth(const GedcomDate& birth, const GedcomDate& death)
{
    return birth.days.earliest && death.days.latest && *death.days.latest < *birth.days.earliest;
}

AgeBounds ageBounds(const GedcomDate& birth, const GedcomDate& death, const GedcomSpanCalendar& calendar)
{
    const Days days = daysOf(birth, death, calendar);
    AgeBounds bounds;
    // The span never grows as the birth moves later or the death earlier.
    if (days.birthLast <= days.deathFirst)
        bounds.least = calendar.span(days.birthLast, days.deathFirst);
    if (birth.days.earliest && death.days.latest)
        bounds.greatest = calendar.span(days.birthFirst, days.deathLast);
    return bounds;
}

AgeCheck checkStatedAge(const GedcomDate& birth, const GedcomDate& death, const StatedAge& stated,
                        const GedcomSpanCalendar& calendar)
{
    const Days days = daysOf(birth, death, calendar);
    const Comparison compare{stated, calendar};
    const bool openEnded = birth.days.openBefore() || death.days.openAfter();

    // Even the shortest span the dates allow is too long: the birth must
    // move later, at the earliest death.
    if (compare(days.birthLast, days.deathFirst) > 0)
        return disagrees(daysLater(compare, days.birthLast, days.deathFirst));
    if (openEnded)
        return {AgeCheck::Outcome::OpenEnded, 0};

    // Even the longest span the dates allow is too short: the birth must move
    // earlier, at the latest death.
    if (compare(days.birthFirst, days.deathLast) < 0) {
        const std::optional<long long> earlier = daysEarlier(compare, days.birthFirst, days.deathLast);
        return earlier ? disagrees(*earlier) : AgeCheck{AgeCheck::Outcome::Unreachable, 0};
    }

    // Between: the death days at which the earliest birth is not too short
    // begin at firstLong; those at which the latest birth is not too long end
    // at lastShort. Death days outside [firstLong, lastShort] give spans
    // wholly too short or too long over the birth days.
    const Day firstLong = firstDayWhere(days.deathFirst, days.deathLast, [&](Day death) {
        return compare(days.birthFirst, death) >= 0;
    });
    const Day lastShort = firstDayWhere(days.deathFirst, days.deathLast, [&](Day death) {
        return compare(days.birthLast, death) > 0;
    }) - 1;
    if (firstLong <= lastShort) {
        // At each of these death days the birth days run from too long to
        // too short; the stated age is met unless it falls between two days.
        for (Day death = firstLong; death <= lastShort; ++death) {
            const Day birth = firstDayWhere(days.birthFirst, days.birthLast, [&](Day day) {
                return compare(day, death) <= 0;
            });
            if (compare(birth, death) == 0)
                return {};
        }
        return disagrees(1);
    }
    // lastShort is the day before firstLong: there the spans are all too
    // short, from firstLong on all too long; the nearest are on these two.
    long long least = daysLater(compare, days.birthLast, firstLong);
    if (const std::optional<long long> earlier = daysEarlier(compare, days.birthFirst, lastShort))
        least = std::min(least, *earlier);
    return disagrees(least);
}

BirthDays birthDaysFor(Day deathDay, const StatedAge& stated, const GedcomSpanCalendar& calendar)
{
    BirthDays days;
    // The engine's search starts at year 1; a death date near it (or B.C.)
    // is searched here.
    const bool afterYearOne = deathDay - firstCalendarDay() > DaysPerYearAtMost * (stated.least ? stated.least->years + 1 : 0);
    if (!calendar.julian() && stated.exact() && (stated.least->years != 0 || stated.least->months != 0)
        && afterYearOne) {
        const AgeMatches matches = beginDatesFor(dateOf(deathDay), *stated.least);
        days.first = matches.firstDay;
        days.count = matches.count;
        return days;
    }
    const Comparison compare{stated, calendar};
    const Day first = firstDayWhere(calendar.firstDay(), deathDay + 1, [&](Day birth) {
        return compare(birth, deathDay) <= 0;
    });
    const Day last = lastDayNear(calendar.firstDay(), deathDay, [&](Day birth) {
        return compare(birth, deathDay) >= 0;
    });
    days.first = first;
    days.count = std::max(0LL, last - first + 1);
    days.fromCalendarStart = !stated.greatest && days.count > 0;
    return days;
}

} // namespace spanwright
