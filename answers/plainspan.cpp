#include "plainspan.h"

#include "calendars/calendardate.h"
#include "spans/span.h"

#include <cstring>

namespace spanwright {

namespace {

constexpr size_t MostPlainDigits = 4;
constexpr size_t LeastYearDigits = 3; // fewer is a short year, read by its own rule
constexpr int MonthsPerYear = 12;

bool isSeparator(char c)
{
    return c == '/' || c == '-' || c == '.';
}

// A number of 1 to MostPlainDigits digits at text[i], and its length.
bool takeNumber(std::string_view text, size_t& i, int& value, size_t& length)
{
    const size_t start = i;
    value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - start < MostPlainDigits)
        value = value * 10 + (text[i++] - '0');
    length = i - start;
    return length > 0;
}

bool before(const PlainDay& a, const PlainDay& b)
{
    if (a.year != b.year)
        return a.year < b.year;
    if (a.month != b.month)
        return a.month < b.month;
    return a.day < b.day;
}

inline bool dayExists(const PlainDay& day)
{
    return day.year >= FirstCalendarYear && day.month >= 1 && day.month <= MonthsPerYear && day.day >= 1
        && day.day <= daysInMonth(day.month, day.year);
}

// The digit at text[i], or a value of 10 or more for any other byte.
unsigned digitValue(std::string_view text, size_t i)
{
    return unsigned(static_cast<unsigned char>(text[i])) - '0';
}

// YYYY-MM-DD, the ISO form that batches hold most, read at fixed places.
bool readIsoDay(std::string_view text, PlainDay& day)
{
    constexpr size_t IsoLength = 10;
    if (text.size() != IsoLength || text[4] != '-' || text[7] != '-')
        return false;
    const unsigned digits[] = {digitValue(text, 0), digitValue(text, 1), digitValue(text, 2), digitValue(text, 3),
                               digitValue(text, 5), digitValue(text, 6), digitValue(text, 8), digitValue(text, 9)};
    // Written out, where a loop was left a loop: every row passes here twice.
    const bool allDigits = (digits[0] <= 9) & (digits[1] <= 9) & (digits[2] <= 9) & (digits[3] <= 9)
        & (digits[4] <= 9) & (digits[5] <= 9) & (digits[6] <= 9) & (digits[7] <= 9);
    if (!allDigits)
        return false;
    day.year = int(digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3]);
    day.month = int(digits[4] * 10 + digits[5]);
    day.day = int(digits[6] * 10 + digits[7]);
    return true;
}

// One or two digits at text[i], i moved past them; false where there are
// none.
bool takeShortNumber(std::string_view text, size_t& i, unsigned& value)
{
    if (i == text.size() || digitValue(text, i) > 9)
        return false;
    value = digitValue(text, i++);
    if (i < text.size() && digitValue(text, i) <= 9)
        value = value * 10 + digitValue(text, i++);
    return true;
}

// 5/17/1990 or 17.5.1990 (in the order given, month or day first): a number
// of one or two digits, a separator, another, the same separator and a
// year of three or four digits, read at the places these leave. False for
// any other text, which the general reading below then takes.
bool readNumericDay(std::string_view text, DateOrder order, PlainDay& day)
{
    constexpr size_t Shortest = 7; // 1/1/100
    constexpr size_t Longest = 10; // 12/31/1990
    const size_t size = text.size();
    if (order == DateOrder::YearFirst || size < Shortest || size > Longest)
        return false;
    size_t i = 0;
    unsigned first = 0;
    unsigned second = 0;
    if (!takeShortNumber(text, i, first) || i == size)
        return false;
    const char separator = text[i++];
    if (!isSeparator(separator) || !takeShortNumber(text, i, second) || i == size || text[i++] != separator)
        return false;
    const size_t yearDigits = size - i;
    if (yearDigits < LeastYearDigits || yearDigits > MostPlainDigits)
        return false;
    unsigned year = 0;
    for (; i < size; ++i) {
        if (digitValue(text, i) > 9)
            return false;
        year = year * 10 + digitValue(text, i);
    }
    const bool monthFirst = order == DateOrder::MonthFirst;
    day = {int(year), int(monthFirst ? first : second), int(monthFirst ? second : first)};
    return dayExists(day);
}

} // namespace

bool readPlainDay(std::string_view text, DateOrder order, PlainDay& day)
{
    if (readIsoDay(text, day))
        return dayExists(day);
    if (readNumericDay(text, order, day))
        return true;
    int values[3];
    size_t lengths[3];
    size_t i = 0;
    char separator = 0;
    for (int number = 0; number < 3; ++number) {
        if (!takeNumber(text, i, values[number], lengths[number]))
            return false;
        if (number == 2)
            break;
        if (i == text.size() || !isSeparator(text[i]) || (separator != 0 && text[i] != separator))
            return false;
        separator = text[i++];
    }
    if (i != text.size())
        return false;
    if (separator == '-' && lengths[0] >= LeastYearDigits)
        order = DateOrder::YearFirst;
    const int yearAt = order == DateOrder::YearFirst ? 0 : 2;
    const int monthAt = order == DateOrder::MonthFirst ? 0 : 1;
    const int dayAt = order == DateOrder::YearFirst ? 2 : order == DateOrder::DayFirst ? 0 : 1;
    if (lengths[yearAt] < LeastYearDigits)
        return false;
    day = {values[yearAt], values[monthAt], values[dayAt]};
    return dayExists(day);
}

bool plainSpanOf(const PlainDay& begin, const PlainDay& end, PlainSpan& span)
{
    if (before(end, begin))
        return false;
    const YearsMonthsDays elapsed = spanBetween({begin.year, begin.month, begin.day}, {end.year, end.month, end.day});
    span = {int(elapsed.years), int(elapsed.months), int(elapsed.days)};
    return true;
}

namespace {

// A count in digits, written once and copied where it stands.
struct Digits
{
    static constexpr size_t Room = 8; // copied whole, whatever the length
    char text[Room] = {};
    size_t length;

    explicit Digits(int count)
    {
        // Spans between years of four digits count up to four; a longer
        // count would be cut, and cannot come.
        length = count < 10 ? 1 : count < 100 ? 2 : count < 1000 ? 3 : count < 10000 ? 4 : Room;
        for (size_t i = length; i > 0; --i) {
            text[i - 1] = char('0' + count % 10);
            count /= 10;
        }
    }
    char* writeAt(char* out) const
    {
        std::memcpy(out, text, Room); // of fixed length, inlined: the room is there
        return out + length;
    }
};

// A literal's bytes, copied by a copy of fixed length the compiler inlines.
template <size_t Size>
char* writeLiteral(char* out, const char (&text)[Size])
{
    std::memcpy(out, text, Size - 1);
    return out + Size - 1;
}

} // namespace

void appendPlainSpanFields(TextBuffer& row, const PlainSpan& span, Notation notation, char delimiter)
{
    char* const start = row.tail(MostPlainSpanFieldsBytes);
    char* out = start;
    const Digits years(span.years);
    const Digits months(span.months);
    const Digits days(span.days);
    for (const Digits* count : {&years, &months, &days}) {
        *out++ = delimiter;
        out = count->writeAt(out);
    }
    *out++ = delimiter;
    if (notation == Notation::Worded) {
        // Only a comma delimiter is in it.
        const bool quoted = delimiter == ',';
        if (quoted)
            *out++ = '"';
        out = writeLiteral(years.writeAt(out), " Year(s), ");
        out = writeLiteral(months.writeAt(out), " month(s), ");
        out = writeLiteral(days.writeAt(out), " day(s)");
        if (quoted)
            *out++ = '"';
    } else {
        const char separator = notation == Notation::Slash ? '/' : notation == Notation::Dash ? '-' : '.';
        out = months.writeAt(out);
        *out++ = separator;
        out = days.writeAt(out);
        *out++ = separator;
        out = years.writeAt(out);
    }
    *out++ = delimiter; // no error
    row.extend(size_t(out - start));
}

} // namespace spanwright
