#include "ages/birthdayarithmetic.h"

#include "spans/span.h"

#include <algorithm>

namespace spanwright {

namespace {

// A span from B to E counts the months from B's month to E's (k) and the
// days from B's day to E's when B's day is not past E's; when it is, one
// month fewer and the days E's day plus the length of the month before E's
// (borrowed) less B's day, a B day past that month's end counting as its
// last. So the begin dates that give k or k - 1 whole months lie in the
// month k months before E's, and only the two months next to the whole
// months of an age need be looked at.

struct Month
{
    long long year;
    int month;
};

Month monthAt(long long index)
{
    const long long year = index >= 0 ? index / MonthsPerYear : (index - MonthsPerYear + 1) / MonthsPerYear;
    return {year, static_cast<int>(index - year * MonthsPerYear) + 1};
}

long long monthIndexOf(const CalendarDate& date)
{
    return date.year * MonthsPerYear + (date.month - 1);
}

long long lengthOf(const Month& month, CalendarSystem calendar)
{
    return spanMonthLength(calendar, month.month, month.year);
}

CalendarDate dateIn(const Month& month, long long day)
{
    return {month.year, month.month, static_cast<int>(day)};
}

} // namespace

CalendarDate earliestBeginAtMost(const CalendarDate& end, const Age& greatest, CalendarSystem calendar)
{
    const long long endIndex = monthIndexOf(end);
    const long long borrowed = lengthOf(monthAt(endIndex - 1), calendar);
    const long long months = wholeMonths(greatest);
    // A month earlier than the age's months: only a day past end's gives
    // the age's months, with days end.day + borrowed - min(day, borrowed).
    const Month earlier = monthAt(endIndex - months - 1);
    const long long leastClamped = end.day + borrowed - greatest.days;
    if (leastClamped <= borrowed) {
        const long long day = std::max<long long>(end.day + 1, leastClamped);
        if (day <= lengthOf(earlier, calendar))
            return dateIn(earlier, day);
    }
    // The age's month: a day past end's gives fewer months, one not past it
    // end.day - day days.
    const Month same = monthAt(endIndex - months);
    const long long day = std::max<long long>(1, end.day - greatest.days);
    if (day <= lengthOf(same, calendar))
        return dateIn(same, day);
    return dateIn(monthAt(endIndex - months + 1), 1);
}

CalendarDate latestBeginAtLeast(const CalendarDate& end, const Age& least, CalendarSystem calendar)
{
    const long long endIndex = monthIndexOf(end);
    const long long months = wholeMonths(least);
    // The age's month: only a day not past end's gives the age's months.
    const Month same = monthAt(endIndex - months);
    if (end.day - least.days >= 1)
        return dateIn(same, std::min(end.day - least.days, lengthOf(same, calendar)));
    // A month earlier: a day not past end's gives more months; one past it
    // the age's months and end.day + borrowed - min(day, borrowed) days.
    const Month earlier = monthAt(endIndex - months - 1);
    const long long earlierLength = lengthOf(earlier, calendar);
    const long long borrowed = lengthOf(monthAt(endIndex - 1), calendar);
    const long long mostClamped = end.day + borrowed - least.days;
    if (mostClamped >= borrowed)
        return dateIn(earlier, earlierLength);
    return dateIn(earlier, std::min(std::max<long long>(end.day, mostClamped), earlierLength));
}

} // namespace spanwright
