#include "treerules.h"

#include <algorithm>

namespace spanwright {

namespace {

// Nothing on an approximate date is certain.
Certainty capped(Certainty certainty, const GedcomDate& a, const GedcomDate& b)
{
    if (certainty == Certainty::Certain && (a.approximate || b.approximate))
        return Certainty::Possible;
    return certainty;
}

Certainty certainty(bool certain, bool possible)
{
    return certain ? Certainty::Certain : possible ? Certainty::Possible : Certainty::None;
}

// Some reading puts the event on or after the birth.
bool eventCanFollow(const GedcomDate& birth, const GedcomDate& event)
{
    return !birth.days.earliest || !event.days.latest || *event.days.latest >= *birth.days.earliest;
}

} // namespace

GedcomDate closedAtBound(const GedcomDate& date)
{
    GedcomDate closed = date;
    if (!closed.days.earliest)
        closed.days.earliest = closed.days.latest;
    if (!closed.days.latest)
        closed.days.latest = closed.days.earliest;
    return closed;
}

GedcomSpanCalendar spanCalendarOf(const GedcomDate& a, const GedcomDate& b)
{
    const auto side = [](const GedcomDate& date) {
        return date.calendar == GedcomDate::Calendar::Julian ? CalendarSystem::Julian : CalendarSystem::Gregorian;
    };
    return GedcomSpanCalendar(spanCalendarFor(side(a), side(b)));
}

Certainty laterByMoreThan(const GedcomDate& later, const GedcomDate& earlier, long long days)
{
    if (!later.hasDays() || !earlier.hasDays())
        return Certainty::None;
    const bool certain
        = later.days.earliest && earlier.days.latest && *later.days.earliest - *earlier.days.latest > days;
    const GedcomDate l = closedAtBound(later);
    const GedcomDate e = closedAtBound(earlier);
    return capped(certainty(certain, *l.days.latest - *e.days.earliest > days), later, earlier);
}

Certainty apartBetween(const GedcomDate& a, const GedcomDate& b, long long least, long long most)
{
    if (!a.hasDays() || !b.hasDays())
        return Certainty::None;
    // The distances the readings give run without a gap from the nearest
    // to the farthest.
    const auto nearest = [](const GedcomDate& x, const GedcomDate& y) {
        return std::max({0LL, *x.days.earliest - *y.days.latest, *y.days.earliest - *x.days.latest});
    };
    const auto farthest = [](const GedcomDate& x, const GedcomDate& y) {
        return std::max(*x.days.latest - *y.days.earliest, *y.days.latest - *x.days.earliest);
    };
    const bool bounded = a.days.earliest && a.days.latest && b.days.earliest && b.days.latest;
    const bool certain = bounded && nearest(a, b) > least && farthest(a, b) < most;
    const GedcomDate ca = closedAtBound(a);
    const GedcomDate cb = closedAtBound(b);
    return capped(certainty(certain, nearest(ca, cb) < most && farthest(ca, cb) > least), a, b);
}

Certainty youngerThan(const GedcomDate& birth, const GedcomDate& event, const Age& threshold,
                      const GedcomSpanCalendar& calendar)
{
    if (!birth.hasDays() || !event.hasDays() || !eventCanFollow(birth, event))
        return Certainty::None;
    const AgeBounds all = ageBounds(birth, event, calendar);
    const bool certain = all.greatest && compareAge(*all.greatest, threshold) < 0;
    const GedcomDate b = closedAtBound(birth);
    const GedcomDate e = closedAtBound(event);
    const bool possible = eventCanFollow(b, e) && compareAge(ageBounds(b, e, calendar).least, threshold) < 0;
    return capped(certainty(certain, possible), birth, event);
}

Certainty olderThan(const GedcomDate& birth, const GedcomDate& event, const Age& threshold,
                    const GedcomSpanCalendar& calendar)
{
    if (!birth.hasDays() || !event.hasDays() || !eventCanFollow(birth, event))
        return Certainty::None;
    const bool certain = compareAge(ageBounds(birth, event, calendar).least, threshold) > 0;
    const GedcomDate b = closedAtBound(birth);
    const GedcomDate e = closedAtBound(event);
    bool possible = false;
    if (eventCanFollow(b, e)) {
        const AgeBounds closed = ageBounds(b, e, calendar);
        possible = closed.greatest && compareAge(*closed.greatest, threshold) > 0;
    }
    return capped(certainty(certain, possible), birth, event);
}

Certainty statedAgeContradicted(const GedcomDate& birth, const GedcomDate& death, const StatedAge& stated,
                                const GedcomSpanCalendar& calendar)
{
    if (!birth.hasDays() || !death.hasDays() || !stated.hasAges() || !stated.meetable() || !eventCanFollow(birth, death))
        return Certainty::None;
    const AgeCheck check = checkStatedAge(birth, death, stated, calendar);
    if (check.outcome == AgeCheck::Outcome::Disagrees)
        return capped(Certainty::Certain, birth, death);
    const GedcomDate b = closedAtBound(birth);
    const GedcomDate d = closedAtBound(death);
    if (!eventCanFollow(b, d))
        return Certainty::None;
    const bool open
        = birth.days.openBefore() || birth.days.openAfter() || death.days.openBefore() || death.days.openAfter();
    const AgeCheck closed = open ? checkStatedAge(b, d, stated, calendar) : check;
    if (closed.outcome == AgeCheck::Outcome::Disagrees)
        return Certainty::Possible;
    if (closed.outcome != AgeCheck::Outcome::Agrees)
        return Certainty::None;
    // Some reading gives the stated age; every one does when the shortest
    // and the longest span do.
    const AgeBounds spans = ageBounds(b, d, calendar);
    const long long shortestDays = std::max(0LL, *d.days.earliest - *b.days.latest);
    const long long longestDays = *d.days.latest - *b.days.earliest;
    const bool all = compareWithStatedAge(spans.least, shortestDays, stated) == 0 && spans.greatest
        && compareWithStatedAge(*spans.greatest, longestDays, stated) == 0;
    return all ? Certainty::None : Certainty::Possible;
}

} // namespace spanwright
