#include "dateprinting.h"

namespace spanwright {

namespace {

constexpr int TwoDigits = 10; // months and days below this get a leading 0 in ISO dates

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

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
    if (order == DateOrder::MonthFirst)
        return written;
    // Only single days are written with slashes, M/D/YYYY; words, months and
    // years read the same in every order and stay as they are, also beside
    // a day ("between 17/5/1850 and June 1850").
    std::string text;
    size_t i = 0;
    while (i < written.size()) {
        long long parts[3] = {};
        size_t end = i;
        int count = 0;
        for (; count < 3; ++count) {
            const size_t start = end;
            while (end < written.size() && isDigit(written[end]))
                parts[count] = parts[count] * 10 + (written[end++] - '0');
            if (end == start || (count < 2 && (end == written.size() || written[end] != '/')))
                break;
            if (count < 2)
                ++end; // the slash
        }
        if (count == 3 && (i == 0 || !isDigit(written[i - 1]))) {
            text += calendarDateTextIn(CalendarDate{parts[2], int(parts[0]), int(parts[1])}, order);
            i = end;
        } else {
            text.push_back(written[i++]);
        }
    }
    return text;
}

} // namespace spanwright
