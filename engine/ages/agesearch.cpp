#include "ages/agesearch.h"

#include "reading/datereader.h"
#include "ages/birthdayarithmetic.h"
#include "ages/daysearch.h"
#include "calendars/juliancalendar.h"

#include <algorithm>

namespace spanwright {

namespace {

// The search rests on one property of the span arithmetic: with one end
// fixed, moving the other date later never lets the span go the other way.
// A later begin date never gives a longer span (equal spans come only from
// begin days clamped to the end of a short month), and a later end date
// always gives a longer one. So the dates that give one age form a single
// run, found by bisection over days, and the days on either side of
// the run are the nearest dates that give another age.
//
// The bisection need not cover the whole calendar. The whole months of a
// span are the months between the two dates' months, less one when a month
// is borrowed for the days. So the dates that give an age of T whole months
// lie in the month T months from the fixed date's month or in the one
// beyond it (seen from the fixed date); every date of the month before those
// two gives fewer whole months, and every date of the month after them more.
// So the bisection over those two months finds both ends of the run, and the
// nearest dates are the days just outside it.

long long monthIndexOf(const CalendarDate& date)
{
    return date.year * MonthsPerYear + (date.month - 1);
}

Day firstDayOfMonth(long long monthIndex, const SpanCalendar& calendar)
{
    const long long year = monthIndex >= 0 ? monthIndex / MonthsPerYear
                                           : (monthIndex - MonthsPerYear + 1) / MonthsPerYear;
    const int month = static_cast<int>(monthIndex - year * MonthsPerYear) + 1;
    return calendar.dayOf({year, month, 1});
}

// The months to bisect, widened by one on each side where a switch lies
// between the Julian and the Gregorian months (at most 13 days apart in the
// switches' centuries), so that the run lies within them either way.
long long marginMonths(const SpanCalendar& calendar)
{
    return calendar.julian() ? 1 : 0;
}

// The days to bisect: the months from firstMonth to lastMonth, within the
// dates [low, high] there are. Where those months lie wholly outside, an
// empty range at the side of the dates that they lie beyond.
struct Window
{
    Day low;
    Day high;
};

Window searchWindow(long long firstMonth, long long lastMonth, Day low, Day high, const SpanCalendar& calendar)
{
    const long long margin = marginMonths(calendar);
    const Day windowLow = std::max(low, firstDayOfMonth(firstMonth - margin, calendar));
    const Day windowHigh = std::min(high, firstDayOfMonth(lastMonth + 1 + margin, calendar) - 1);
    if (windowLow <= windowHigh)
        return {windowLow, windowHigh};
    if (windowHigh < low)
        return {low, low - 1};
    return {high + 1, high};
}

// The span between a day and the fixed day, in calendar; spanFromFixed for
// the end dates after it, else for the begin dates before it. A Gregorian
// fixed date is converted once, as the searches call this at every step.
auto spansToFixed(const SpanCalendar& calendar, Day fixedDay, bool spanFromFixed)
{
    return [&calendar, fixedDay, spanFromFixed, fixed = dateOf(fixedDay)](Day day) {
        if (calendar.julian())
            return spanFromFixed ? calendar.span(fixedDay, day) : calendar.span(day, fixedDay);
        return spanFromFixed ? spanBetween(fixed, dateOf(day)) : spanBetween(dateOf(day), fixed);
    };
}

// The run of days in [low, high] whose span gives an age from least to
// greatest, found within window. direction is 1 where later days give longer
// spans, -1 where they give shorter ones; spanOf gives the span for a day.
template <typename SpanOf>
AgeMatches findRun(const Age& least, const Age& greatest, Day low, Day high, Window window, int direction,
                   SpanOf spanOf)
{
    // The bound the run starts at and the one it ends at, in day order.
    const Age& startBound = direction > 0 ? least : greatest;
    const Age& endBound = direction > 0 ? greatest : least;
    // Below 0 before the bound, 0 at it, above 0 after it.
    const auto order = [&](Day day, const Age& bound) {
        return direction * compareAge(spanOf(day), bound);
    };
    const Day first = firstDayWhere(window.low, window.high, [&](Day day) { return order(day, startBound) >= 0; });
    const Day past = firstDayWhere(first, window.high, [&](Day day) { return order(day, endBound) > 0; });
    const auto nearestAt = [&](Day day) -> std::optional<NearestDate> {
        if (day < low || day > high)
            return std::nullopt;
        return NearestDate{dateOf(day), spanOf(day)};
    };
    AgeMatches matches;
    matches.firstDay = first;
    matches.count = past - first;
    matches.before = nearestAt(first - 1);
    matches.after = nearestAt(past);
    return matches;
}

} // namespace

AgeMatches beginDatesFor(const CalendarDate& end, const Age& age)
{
    return beginDatesWithin(end, age, age);
}

AgeMatches endDatesFor(const CalendarDate& begin, const Age& age)
{
    return endDatesWithin(begin, age, age);
}

AgeMatches beginDatesWithin(const CalendarDate& end, const Age& least, const Age& greatest)
{
    return beginDatesWithin(dayOf(end), least, greatest, SpanCalendar(CalendarSystem::Gregorian));
}

AgeMatches endDatesWithin(const CalendarDate& begin, const Age& least, const Age& greatest)
{
    return endDatesWithin(dayOf(begin), least, greatest, SpanCalendar(CalendarSystem::Gregorian));
}

namespace {

// Begin dates run from the first day a date is written to, to the end date
// itself; the span to end shrinks (or stays) as the begin date moves later.
struct BeginSearch
{
    Day low;
    Day high;
    Window window;
};

BeginSearch beginSearchFor(Day endDay, const CalendarDate& endDate, const Age& least, const Age& greatest,
                           const SpanCalendar& calendar)
{
    const Day low = earliestReadDay();
    const Day high = std::min(endDay, latestReadDay());
    const long long endMonth = monthIndexOf(endDate);
    const Window window = searchWindow(endMonth - wholeMonths(greatest) - 1, endMonth - wholeMonths(least), low,
                                       high, calendar);
    return {low, high, window};
}

} // namespace

AgeMatches beginDatesWithin(Day endDay, const Age& least, const Age& greatest, const SpanCalendar& calendar)
{
    const BeginSearch search = beginSearchFor(endDay, calendar.dateOf(endDay), least, greatest, calendar);
    return findRun(least, greatest, search.low, search.high, search.window, -1,
                   spansToFixed(calendar, endDay, false));
}

AgeMatches endDatesWithin(Day beginDay, const Age& least, const Age& greatest, const SpanCalendar& calendar)
{
    // End dates run from the begin date itself to the last day a date is
    // written to; the span from begin grows as the end date moves later.
    const Day low = std::max(beginDay, earliestReadDay());
    const Day high = latestReadDay();
    const long long beginMonth = monthIndexOf(calendar.dateOf(beginDay));
    const Window window = searchWindow(beginMonth + wholeMonths(least), beginMonth + wholeMonths(greatest) + 1, low,
                                       high, calendar);
    return findRun(least, greatest, low, high, window, 1, spansToFixed(calendar, beginDay, true));
}

namespace {

// The run [first, last] of days cut to [low, high], with the days just
// outside it as the nearest dates; spanOf gives their spans.
template <typename SpanOf>
AgeMatches dayRun(Day first, Day last, Day low, Day high, SpanOf spanOf)
{
    AgeMatches matches;
    // A run wholly outside [low, high] is empty at the side it lies beyond.
    matches.firstDay = std::min(std::max(first, low), high + 1);
    const Day lastDay = std::max(std::min(last, high), low - 1);
    matches.count = std::max(0LL, lastDay - matches.firstDay + 1);
    const Day before = matches.firstDay - 1;
    const Day after = matches.firstDay + matches.count;
    if (before >= low && before <= high)
        matches.before = NearestDate{dateOf(before), spanOf(before)};
    if (after >= low && after <= high)
        matches.after = NearestDate{dateOf(after), spanOf(after)};
    return matches;
}

// The elapsed-days runs, the spans in calendar.
AgeMatches beginDaysElapsed(Day endDay, long long leastDays, long long greatestDays, const SpanCalendar& calendar)
{
    return dayRun(endDay - greatestDays, endDay - leastDays, earliestReadDay(), std::min(endDay, latestReadDay()),
                  [&](Day day) { return calendar.span(day, endDay); });
}

AgeMatches endDaysElapsed(Day beginDay, long long leastDays, long long greatestDays, const SpanCalendar& calendar)
{
    return dayRun(beginDay + leastDays, beginDay + greatestDays, std::max(beginDay, earliestReadDay()),
                  latestReadDay(), [&](Day day) { return calendar.span(beginDay, day); });
}

} // namespace

AgeMatches beginDatesElapsed(const CalendarDate& end, long long leastDays, long long greatestDays)
{
    return beginDaysElapsed(dayOf(end), leastDays, greatestDays, SpanCalendar(CalendarSystem::Gregorian));
}

AgeMatches endDatesElapsed(const CalendarDate& begin, long long leastDays, long long greatestDays)
{
    return endDaysElapsed(dayOf(begin), leastDays, greatestDays, SpanCalendar(CalendarSystem::Gregorian));
}

AgeMatches beginDatesMeant(Day endDay, const AgeReading& reading, const SpanCalendar& calendar)
{
    if (reading.counting == AgeCounting::ElapsedDays)
        return beginDaysElapsed(endDay, reading.least.days, reading.greatest.days, calendar);
    return beginDatesWithin(endDay, reading.least, reading.greatest, calendar);
}

AgeMatches endDatesMeant(Day beginDay, const AgeReading& reading, const SpanCalendar& calendar)
{
    if (reading.counting == AgeCounting::ElapsedDays)
        return endDaysElapsed(beginDay, reading.least.days, reading.greatest.days, calendar);
    return endDatesWithin(beginDay, reading.least, reading.greatest, calendar);
}

AgeMatches beginDatesMeant(const CalendarDate& end, const AgeReading& reading)
{
    return beginDatesMeant(dayOf(end), reading, SpanCalendar(CalendarSystem::Gregorian));
}

AgeMatches endDatesMeant(const CalendarDate& begin, const AgeReading& reading)
{
    return endDatesMeant(dayOf(begin), reading, SpanCalendar(CalendarSystem::Gregorian));
}

namespace {

Day dayIn(CalendarSystem system, const CalendarDate& date)
{
    return system == CalendarSystem::Julian ? julianDayOf(date) : dayOf(date);
}

// The spans to an end day, as spansToFixed counts them: in one calendar,
// that of the end day (SpanCalendar::span), the end date converted once.
// The birthday arithmetic works in it too.
struct SpansToEnd
{
    SpansToEnd(Day endDay, const SpanCalendar& calendar)
        : system(calendar.systemOf(endDay)), endDate(calendar.dateOf(endDay))
    {
    }

    YearsMonthsDays operator()(Day day) const
    {
        const CalendarDate date = system == CalendarSystem::Julian ? julianDateOf(day) : dateOf(day);
        return spanBetween(date, endDate, system);
    }

    CalendarSystem system;
    CalendarDate endDate;
};

// The day of findRun's bisection for the first day of window where
// turned holds (turned false up to some day, true from it on): guess where
// guess is that day, the first in window to hold with none before it.
template <typename Turned>
Day firstTurnedDay(Day guess, Window window, Turned turned)
{
    if (guess >= window.low && guess <= window.high && turned(guess) && (guess == window.low || !turned(guess - 1)))
        return guess;
    return firstDayWhere(window.low, window.high, turned);
}

// Whether the search's window (beginSearchFor) holds a guessed day, told
// without working out its days where that is sure: in the Gregorian
// calendar they are those of the months from the greatest age's month
// before to the least age's, within [low, high]. A Julian search (a switch
// may move a month's first day) says no, and works the window out.
bool windowSurelyHolds(Day guess, const CalendarDate& guessDate, Day endDay, const CalendarDate& endDate,
                       const AgeReading& reading, const SpanCalendar& calendar)
{
    if (calendar.julian())
        return false;
    const long long endMonth = monthIndexOf(endDate);
    const long long month = monthIndexOf(guessDate);
    return month >= endMonth - wholeMonths(reading.greatest) - 1 && month <= endMonth - wholeMonths(reading.least)
        && guess >= earliestReadDay() && guess <= std::min(endDay, latestReadDay());
}

// The elapsed days' run as dayRun cuts it to [low, high]: first and last.
struct ElapsedRun
{
    Day first;
    Day last;
};

ElapsedRun elapsedBeginDays(Day endDay, const AgeReading& reading)
{
    const Day low = earliestReadDay();
    const Day high = std::min(endDay, latestReadDay());
    return {std::min(std::max(endDay - reading.greatest.days, low), high + 1),
            std::max(std::min(endDay - reading.least.days, high), low - 1)};
}

} // namespace

std::optional<Day> firstBeginDayMeant(Day endDay, const AgeReading& reading, const SpanCalendar& calendar)
{
    if (reading.counting == AgeCounting::ElapsedDays) {
        const ElapsedRun days = elapsedBeginDays(endDay, reading);
        return days.first <= days.last ? std::optional<Day>(days.first) : std::nullopt;
    }
    const SpansToEnd spanOf(endDay, calendar);
    const auto withinGreatest = [&](Day day) { return compareAge(spanOf(day), reading.greatest) <= 0; };
    const CalendarDate guessDate = earliestBeginAtMost(spanOf.endDate, reading.greatest, spanOf.system);
    const Day guess = dayIn(spanOf.system, guessDate);
    // The run is empty where its first day is already short of the least.
    if (windowSurelyHolds(guess, guessDate, endDay, spanOf.endDate, reading, calendar) && withinGreatest(guess)
        && !withinGreatest(guess - 1))
        return compareAge(spanOf(guess), reading.least) < 0 ? std::nullopt : std::optional<Day>(guess);
    const BeginSearch search = beginSearchFor(endDay, spanOf.endDate, reading.least, reading.greatest, calendar);
    const Day first = firstTurnedDay(guess, search.window, withinGreatest);
    if (first > search.window.high || compareAge(spanOf(first), reading.least) < 0)
        return std::nullopt;
    return first;
}

std::optional<Day> lastBeginDayMeant(Day endDay, const AgeReading& reading, const SpanCalendar& calendar)
{
    if (reading.counting == AgeCounting::ElapsedDays) {
        const ElapsedRun days = elapsedBeginDays(endDay, reading);
        return days.first <= days.last ? std::optional<Day>(days.last) : std::nullopt;
    }
    const SpansToEnd spanOf(endDay, calendar);
    const auto withinGreatest = [&](Day day) { return compareAge(spanOf(day), reading.greatest) <= 0; };
    const auto belowLeast = [&](Day day) { return compareAge(spanOf(day), reading.least) < 0; };
    const CalendarDate guessDate = latestBeginAtLeast(spanOf.endDate, reading.least, spanOf.system);
    const Day guess = dayIn(spanOf.system, guessDate);
    // Where the day after guess is the first below the least, the run ends
    // at guess unless it begins after it.
    const auto runEndingAtGuess = [&] {
        return withinGreatest(guess) ? std::optional<Day>(guess) : std::nullopt;
    };
    if (windowSurelyHolds(guess, guessDate, endDay, spanOf.endDate, reading, calendar) && !belowLeast(guess)
        && belowLeast(guess + 1))
        return runEndingAtGuess();
    const Window window =
        beginSearchFor(endDay, spanOf.endDate, reading.least, reading.greatest, calendar).window;
    if (guess >= window.low && guess <= window.high && !belowLeast(guess)
        && (guess == window.high || belowLeast(guess + 1)))
        return runEndingAtGuess();
    const Day first = firstDayWhere(window.low, window.high, withinGreatest);
    const Day past = firstDayWhere(first, window.high, belowLeast);
    return past > first ? std::optional<Day>(past - 1) : std::nullopt;
}

} // namespace spanwright
