#include "reading/datepieces.h"

#include "text/asciitext.h"
#include "calendars/calendardate.h"
#include "languages/monthnames.h"

namespace spanwright {

namespace datepieces {

namespace {

constexpr long long MonthsPerYear = 12;
constexpr long long LastMonth = 12;

static_assert(LastWrittenYear <= LastCalendarYear, "the reader's years lie in the calendar");

bool isWrittenYear(long long year) { return year >= FirstCalendarYear && year <= LastWrittenYear; }

std::string yearNote(long long year)
{
    if (year > LastWrittenYear)
        return std::to_string(year) + " has more than four digits, too many for a year (a bare number such as "
                                      "a spreadsheet's date serial is not a date)";
    return "the year " + std::to_string(year) + " is not from " + std::to_string(FirstCalendarYear) + " to "
        + std::to_string(LastWrittenYear);
}

} // namespace

DateRefusal refusal(std::string reason)
{
    DateRefusal refused;
    refused.message = std::move(reason);
    return refused;
}

bool isNumber(std::string_view text)
{
    if (text.empty() || text.size() > MostDigits)
        return false;
    for (char c : text) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

long long numberValue(std::string_view digits)
{
    long long value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

DaysRead yearDays(long long year)
{
    if (!isWrittenYear(year))
        return refusal(yearNote(year));
    Days days;
    days.earliest = dayOf({year, 1, 1});
    days.latest = dayOf({year, int(LastMonth), daysInMonth(int(LastMonth), year)});
    days.written.year = year;
    return days;
}

DaysRead monthDays(long long year, long long month)
{
    if (month < 1 || month > MonthsPerYear)
        return refusal(std::to_string(month) + " is not a month (1 to 12)");
    if (!isWrittenYear(year))
        return refusal(yearNote(year));
    Days days;
    days.earliest = dayOf({year, int(month), 1});
    days.latest = dayOf({year, int(month), daysInMonth(int(month), year)});
    days.written.year = year;
    days.written.month = int(month);
    return days;
}

DaysRead dayDays(long long year, long long month, long long day)
{
    // Checked without monthDays: this runs for every row of a batch.
    constexpr long long LongestMonth = 31;
    if (month < 1 || month > MonthsPerYear)
        return refusal(std::to_string(month) + " is not a month (1 to 12)");
    if (!isWrittenYear(year))
        return refusal(yearNote(year));
    if (day < 1 || day > LongestMonth)
        return refusal(std::to_string(day) + " is not a day (1 to 31)");
    const int length = daysInMonth(int(month), year);
    if (day > length)
        return refusal("day " + std::to_string(day) + " is not in " + std::string(fullMonthName(int(month)))
                       + " " + std::to_string(year) + " (1 to " + std::to_string(length) + ")");
    Days days;
    days.earliest = dayOf({year, int(month), int(day)});
    days.latest = days.earliest;
    days.written = {int(year), int(month), int(day), 0};
    return days;
}

std::optional<long long> dualYear(long long year, std::string_view tail)
{
    if (!isNumber(tail) || tail.size() > std::to_string(year).size())
        return std::nullopt;
    long long unit = 1;
    for (size_t i = 0; i < tail.size(); ++i)
        unit *= 10;
    long long later = year - year % unit + numberValue(tail);
    if (later <= year)
        later += unit;
    if (later != year + 1)
        return std::nullopt;
    return later;
}

} // namespace datepieces

} // namespace spanwright
