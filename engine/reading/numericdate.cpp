// Numeric dates: 5/17/1990 in the chosen order, ISO 1990-05-17 always, and a
// time of day after them (a spreadsheet's date-time cell).
#include "reading/datepieces.h"
#include "text/letters.h"

#include "text/asciitext.h"
#include "calendars/calendardate.h"

#include <array>

namespace spanwright {

namespace datepieces {

namespace {

constexpr size_t MostPieces = 4; // day, month, year and a dual year's tail
constexpr size_t IsoYearDigits = 3;
constexpr size_t ShortYearDigits = 2; // 3/3/50: a year whose century is not written
constexpr int HoursPerDay = 24;
constexpr int HoursPerHalfDay = 12;
constexpr int MinutesPerHour = 60;
constexpr int LastSecond = 60; // a leap second

bool isDateSeparator(char c) { return c == '/' || c == '-' || c == '.'; }

// Reads a number of one or two digits ("5", "05") at the start of text.
bool takeTwoDigits(std::string_view& text, int& value, bool exactlyTwo)
{
    size_t length = 0;
    while (length < text.size() && length < 2 && isDigit(text[length]))
        ++length;
    if (length == 0 || (exactlyTwo && length != 2))
        return false;
    value = int(numberValue(text.substr(0, length)));
    text.remove_prefix(length);
    return true;
}

bool takePrefix(std::string_view& text, std::string_view prefix)
{
    if (text.size() < prefix.size() || !equalsIgnoringCase(text.substr(0, prefix.size()), prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

// H:MM, H:MM:SS or H:MM:SS.fff, then on a 12-hour clock AM or PM (after a
// blank or not), or after an ISO "T" the zone: Z, +hh:mm, -hhmm.
bool isTimeOfDay(std::string_view text, bool afterT)
{
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!takeTwoDigits(text, hour, false) || !takePrefix(text, ":") || !takeTwoDigits(text, minute, true))
        return false;
    if (takePrefix(text, ":")) {
        if (!takeTwoDigits(text, second, true))
            return false;
        if (takePrefix(text, ".") || takePrefix(text, ",")) {
            if (text.empty() || !isDigit(text.front()))
                return false;
            while (!text.empty() && isDigit(text.front()))
                text.remove_prefix(1);
        }
    }
    if (minute >= MinutesPerHour || second > LastSecond)
        return false;
    if (afterT) {
        int zoneHour = 0;
        int zoneMinute = 0;
        if (takePrefix(text, "Z"))
            return text.empty() && hour < HoursPerDay;
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
            text.remove_prefix(1);
            if (!takeTwoDigits(text, zoneHour, true))
                return false;
            takePrefix(text, ":");
            if (!text.empty() && !takeTwoDigits(text, zoneMinute, true))
                return false;
        }
        return text.empty() && hour < HoursPerDay && zoneHour < HoursPerDay && zoneMinute < MinutesPerHour;
    }
    text = trimmed(text);
    if (text.empty())
        return hour < HoursPerDay;
    const bool twelveHour = takePrefix(text, "AM") || takePrefix(text, "PM") || takePrefix(text, "A.M.")
        || takePrefix(text, "P.M.");
    return twelveHour && text.empty() && hour >= 1 && hour <= HoursPerHalfDay;
}

struct Pieces
{
    std::array<std::string_view, MostPieces> piece;
    size_t count = 0;
};

// Day, month and year in the order given; a fourth piece is the year's dual
// tail where the year comes last.
DaysRead fieldsInOrder(const Pieces& pieces, DateOrder order, std::string_view date, const CalendarContext& context)
{
    const auto& p = pieces.piece;
    std::string_view year;
    std::string_view month;
    std::string_view day;
    switch (order) {
    case DateOrder::MonthFirst:
        month = p[0], day = p[1], year = p[2];
        break;
    case DateOrder::DayFirst:
        day = p[0], month = p[1], year = p[2];
        break;
    case DateOrder::YearFirst:
        year = p[0], month = p[1], day = p[2];
        break;
    }
    if (pieces.count == MostPieces && order == DateOrder::YearFirst)
        return refusal("it has four numbers");
    // Checked as numbers first: a month or day of ten digits is no int.
    constexpr long long LongestMonth = 31;
    const long long monthValue = numberValue(month);
    const long long dayValue = numberValue(day);
    if (monthValue < 1 || monthValue > 12)
        return refusal(std::to_string(monthValue) + " is not a month (1 to 12)");
    if (dayValue < 1 || dayValue > LongestMonth)
        return refusal(std::to_string(dayValue) + " is not a day (1 to 31)");
    long long yearValue = numberValue(year);
    if (year.size() <= ShortYearDigits) {
        const std::optional<long long> fullYear = context.shortYears.yearOf(yearValue);
        if (!fullYear) {
            DateRefusal refused = refusal("the year " + std::string(year)
                                          + (year.size() == 1 ? " has one digit" : " has two digits")
                                          + ", and its century is not said");
            refused.shortYear = true;
            return refused;
        }
        yearValue = *fullYear;
    }
    long long dualFirstYear = 0;
    if (pieces.count == MostPieces) {
        const auto later = dualYear(yearValue, p[3]);
        if (!later)
            return refusal(std::string(year) + date[year.data() + year.size() - date.data()]
                           + std::string(p[3]) + " is not a dual year (the second part names the year after "
                           + std::string(year) + ")");
        dualFirstYear = yearValue;
        yearValue = *later;
    }
    if (context.plain() && dualFirstYear == 0)
        return dayDays(yearValue, monthValue, dayValue);
    return writtenDays({int(yearValue), int(monthValue), int(dayValue), int(dualFirstYear)}, context);
}

} // namespace

DaysRead numericDate(std::string_view text, DateOrder order, const CalendarContext& context)
{
    size_t end = 0;
    while (end < text.size() && (isDigit(text[end]) || isDateSeparator(text[end])))
        ++end;
    const std::string_view date = text.substr(0, end);
    std::string_view rest = text.substr(end);
    if (!rest.empty()) {
        const bool afterT = rest.front() == 'T' || rest.front() == 't';
        const bool afterBlank = isBlank(rest.front());
        if (!(afterT || afterBlank) || !isTimeOfDay(afterT ? rest.substr(1) : trimmed(rest), afterT))
            return refusal(languages::quotedForMessage(afterBlank ? trimmed(rest) : rest) + " after "
                           + std::string(date) + " is not understood");
    }

    // One pass over the date: its numbers, and the one separator between them.
    char separator = 0;
    Pieces pieces;
    size_t start = 0;
    for (size_t i = 0; i <= date.size(); ++i) {
        if (i < date.size() && isDigit(date[i]))
            continue;
        const std::string_view piece = date.substr(start, i - start);
        if (piece.empty())
            return refusal("a number is missing in " + std::string(date));
        if (piece.size() > MostDigits)
            return refusal(std::string(piece) + " is too long a number");
        if (pieces.count == MostPieces)
            return refusal(std::string(date) + " has too many numbers");
        pieces.piece[pieces.count++] = piece;
        if (i == date.size())
            break;
        if (separator == 0)
            separator = date[i];
        else if (date[i] != separator)
            return refusal(std::string(date) + " mixes the separators " + separator + " and " + date[i]);
        start = i + 1;
    }
    if (pieces.count < MostPieces - 1)
        return refusal(std::string(date) + " has no year");
    if (pieces.count == MostPieces && separator == '.')
        return refusal(std::string(date) + " has four numbers");

    // ISO 8601 whatever the order: a year of three digits or more, first.
    if (separator == '-' && pieces.piece[0].size() >= IsoYearDigits) {
        if (pieces.count == MostPieces)
            return refusal(std::string(date) + " has four numbers");
        return fieldsInOrder(pieces, DateOrder::YearFirst, date, context);
    }
    DaysRead days = fieldsInOrder(pieces, order, date, context);
    if (days)
        return days;
    DateRefusal refused = days.problem();
    // Said where another order reads it, so that a day-first file is never
    // taken for a month-first one without a word.
    for (DateOrder other : {DateOrder::DayFirst, DateOrder::MonthFirst, DateOrder::YearFirst}) {
        if (other != order && fieldsInOrder(pieces, other, date, context)) {
            refused.readsInOrder = other;
            refused.message += other == DateOrder::DayFirst ? "; it reads as a date day first"
                : other == DateOrder::MonthFirst        ? "; it reads as a date month first"
                                                        : "; it reads as a date year first";
            break;
        }
    }
    return refused;
}

bool plainNumericDate(std::string_view text, DateOrder order, Day& readDay, WrittenDate* written,
                      const ShortYears& shortYears)
{
    constexpr size_t Numbers = 3;
    long long values[Numbers];
    size_t lengths[Numbers];
    char separator = 0;
    size_t i = 0;
    for (size_t number = 0; number < Numbers; ++number) {
        const size_t start = i;
        long long value = 0;
        while (i < text.size() && isDigit(text[i]) && i - start < MostDigits)
            value = value * 10 + (text[i++] - '0');
        if (i == start)
            return false;
        values[number] = value;
        lengths[number] = i - start;
        if (number + 1 == Numbers)
            break;
        if (i == text.size() || !isDateSeparator(text[i]) || (separator != 0 && text[i] != separator))
            return false;
        separator = text[i++];
    }
    if (i != text.size())
        return false;
    if (separator == '-' && lengths[0] >= IsoYearDigits)
        order = DateOrder::YearFirst;
    long long year = values[2];
    long long month = values[0];
    long long day = values[1];
    if (order == DateOrder::DayFirst) {
        day = values[0];
        month = values[1];
    } else if (order == DateOrder::YearFirst) {
        year = values[0];
        month = values[1];
        day = values[2];
    }
    if (lengths[order == DateOrder::YearFirst ? 0 : 2] <= ShortYearDigits) {
        const std::optional<long long> fullYear = shortYears.yearOf(year);
        if (!fullYear)
            return false; // numericDate says why
        year = *fullYear;
    }
    constexpr long long LastMonth = 12;
    if (month < 1 || month > LastMonth || year < FirstCalendarYear || year > LastWrittenYear || day < 1
        || day > daysInMonth(int(month), year))
        return false;
    readDay = dayOf({year, int(month), int(day)});
    if (written)
        *written = {int(year), int(month), int(day), 0};
    return true;
}

} // namespace datepieces

} // namespace spanwright
