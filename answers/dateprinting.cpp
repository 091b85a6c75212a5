#include "dateprinting.h"

namespace {

constexpr int TwoDigits = 10; // months and days below this get a leading 0 in ISO dates

std::string twoDigits(int number)
{
    return (number < TwoDigits ? "0" : "") + std::to_string(number);
}

} // namespace

std::string calendarDateTextIn(const CalendarDate& date, DateOrder order)
{
    switch (order) {
    case DateOrder::MonthFirst:
        break;
    case DateOrder::DayFirst:
        return std::to_string(date.day) + '/' + std::to_string(date.month) + '/' + writtenYearText(date.year);
    case DateOrder::YearFirst:
    {
        // A year before AD 1 keeps its era after the date: "0044-03-15 BC".
        const std::string year = writtenYearText(date.year);
        const size_t era = year.find(' ');
        return year.substr(0, era) + '-' + twoDigits(date.month) + '-' + twoDigits(date.day)
            + (era == std::string::npos ? "" : year.substr(era));
    }
    }
    return calendarDateText(date);
}

std::string dateReadingTextIn(const DateReading& reading, DateOrder order)
{
    const std::string written = dateReadingText(reading);
    // Only single days are written with slashes; words and years read the
    // same in every order.
    if (order == DateOrder::MonthFirst || written.find('/') == std::string::npos)
        return written;
    const std::string about = reading.approximate ? "about " : "";
    const auto dayText = [order](long long day) { return calendarDateTextIn(dateOfDayNumber(day), order); };
    if (!reading.earliest)
        return "before " + dayText(*reading.latest + 1);
    if (!reading.latest)
        return "after " + dayText(*reading.earliest - 1);
    if (*reading.earliest == *reading.latest)
        return about + dayText(*reading.earliest);
    return about + "between " + dayText(*reading.earliest) + " and " + dayText(*reading.latest);
}
