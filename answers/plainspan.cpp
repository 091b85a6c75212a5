#include "plainspan.h"

#include "calendars/calendardate.h"
#include "spans/span.h"

#include <cstdint>
#include <cstring>

namespace spanwright {

namespace {

// The steps of a plain row, one call: a call for each, twice a row for the
// days, cost as much as some of the steps themselves.
#if defined(__GNUC__)
#define PLAIN_STEP inline __attribute__((always_inline))
#define PLAIN_RARE __attribute__((noinline))
#else
#define PLAIN_STEP inline
#define PLAIN_RARE
#endif

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

PLAIN_STEP bool before(const PlainDay& a, const PlainDay& b)
{
    if (a.year != b.year)
        return a.year < b.year;
    if (a.month != b.month)
        return a.month < b.month;
    return a.day < b.day;
}

// Every month has 28 days: only a later day asks for the month's length.
constexpr int DaysOfEveryMonth = 28;

PLAIN_STEP bool dayExists(const PlainDay& day)
{
    return day.year >= FirstCalendarYear && day.month >= 1 && day.month <= MonthsPerYear && day.day >= 1
        && (day.day <= DaysOfEveryMonth || day.day <= daysInMonth(day.month, day.year));
}

// The digit at text[i], or a value of 10 or more for any other byte.
unsigned digitValue(std::string_view text, size_t i)
{
    return unsigned(static_cast<unsigned char>(text[i])) - '0';
}

// YYYY-MM-DD, the ISO form that batches hold most, read at fixed places.
// Written out, where a loop or an array was left so: every row passes
// here twice.
PLAIN_STEP bool readIsoDay(std::string_view text, PlainDay& day)
{
    constexpr size_t IsoLength = 10;
    if (text.size() != IsoLength)
        return false;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // The first eight bytes, YYYY-MM-, checked in one word: a byte
    // exclusive-or what it should be is 0 for a dash and 0 to 9 for a
    // digit, the only values whose high bits stay clear, for a digit even
    // with 6 added. (Where a byte carries into the next, it is refused
    // already.)
    std::uint64_t head;
    std::memcpy(&head, text.data(), sizeof head);
    head ^= 0x2D30302D30303030u;
    if (((head | (head + 0x0006060006060606u)) & 0xFFF0F0FFF0F0F0F0u) != 0)
        return false;
    // The year's four digits, a byte each, made two numbers of two digits
    // in place (no byte passes 99), then one.
    std::uint32_t year = std::uint32_t(head);
    year = year * 10 + (year >> 8);
    const unsigned d0 = digitValue(text, 8), d1 = digitValue(text, 9);
    if ((d0 > 9) | (d1 > 9))
        return false;
    day.year = int((year & 0xFFu) * 100 + ((year >> 16) & 0xFFu));
    day.month = int(((head >> 40) & 0xFu) * 10 + ((head >> 48) & 0xFu));
    day.day = int(d0 * 10 + d1);
    return true;
#else
    if (text[4] != '-' || text[7] != '-')
        return false;
    const unsigned y0 = digitValue(text, 0), y1 = digitValue(text, 1), y2 = digitValue(text, 2),
                   y3 = digitValue(text, 3), m0 = digitValue(text, 5), m1 = digitValue(text, 6);
    if ((y0 > 9) | (y1 > 9) | (y2 > 9) | (y3 > 9) | (m0 > 9) | (m1 > 9))
        return false;
    const unsigned d0 = digitValue(text, 8), d1 = digitValue(text, 9);
    if ((d0 > 9) | (d1 > 9))
        return false;
    day.year = int(y0 * 1000 + y1 * 100 + y2 * 10 + y3);
    day.month = int(m0 * 10 + m1);
    day.day = int(d0 * 10 + d1);
    return true;
#endif
}

// One or two digits at text[i], i moved past them; false where there are
// none. i + 1 is within text: the caller reads no further than the place
// its shortest text allows.
PLAIN_STEP bool takeShortNumber(std::string_view text, size_t& i, unsigned& value)
{
    value = digitValue(text, i);
    if (value > 9)
        return false;
    const unsigned next = digitValue(text, ++i);
    if (next <= 9) {
        value = value * 10 + next;
        ++i;
    }
    return true;
}

// The year that ends text, of yearDigits digits (3 or 4, within text);
// false where one of them is not a digit.
PLAIN_STEP bool readYearAtEnd(std::string_view text, size_t yearDigits, unsigned& year)
{
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // The last four bytes in one word, checked as readIsoDay checks its
    // own; of a year of three digits, the byte before (its separator)
    // stands for a leading 0.
    std::uint32_t tail;
    std::memcpy(&tail, text.data() + text.size() - sizeof tail, sizeof tail);
    tail ^= 0x30303030u;
    if (yearDigits < sizeof tail)
        tail &= 0xFFFFFF00u;
    if (((tail | (tail + 0x06060606u)) & 0xF0F0F0F0u) != 0)
        return false;
    tail = tail * 10 + (tail >> 8);
    year = (tail & 0xFFu) * 100 + ((tail >> 16) & 0xFFu);
#else
    const size_t at = text.size() - yearDigits;
    const unsigned y0 = digitValue(text, at), y1 = digitValue(text, at + 1), y2 = digitValue(text, at + 2);
    const unsigned y3 = yearDigits == MostPlainDigits ? digitValue(text, at + 3) : 0;
    if ((y0 > 9) | (y1 > 9) | (y2 > 9) | (y3 > 9))
        return false;
    year = yearDigits == MostPlainDigits ? y0 * 1000 + y1 * 100 + y2 * 10 + y3 : y0 * 100 + y1 * 10 + y2;
#endif
    return true;
}

// 5/17/1990 or 17.5.1990 (in the order given, month or day first): a number
// of one or two digits, a separator, another, the same separator and a
// year of three or four digits, read at the places these leave. False for
// any other text, which the general reading below then takes.
PLAIN_STEP bool readNumericDay(std::string_view text, DateOrder order, PlainDay& day)
{
    constexpr size_t Shortest = 7; // 1/1/100
    constexpr size_t Longest = 10; // 12/31/1990
    const size_t size = text.size();
    if (order == DateOrder::YearFirst || size < Shortest || size > Longest)
        return false;
    // Both numbers and their separators end by the sixth byte, and the
    // year starts by the seventh: within the shortest text, so that no
    // place before the year needs a check of the length.
    size_t i = 0;
    unsigned first = 0;
    unsigned second = 0;
    if (!takeShortNumber(text, i, first))
        return false;
    const char separator = text[i++];
    if (!isSeparator(separator) || !takeShortNumber(text, i, second) || text[i++] != separator)
        return false;
    const size_t yearDigits = size - i;
    if (yearDigits < LeastYearDigits || yearDigits > MostPlainDigits)
        return false;
    unsigned year = 0;
    if (!readYearAtEnd(text, yearDigits, year))
        return false;
    const bool monthFirst = order == DateOrder::MonthFirst;
    day = {int(year), int(monthFirst ? first : second), int(monthFirst ? second : first)};
    return dayExists(day);
}

// The numbers and separators of a plain date in any other layout
// (1990/5/17, 5-17-1990), read as the date reader reads them.
PLAIN_RARE bool readOtherPlainDay(std::string_view text, DateOrder order, PlainDay& day)
{
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

// The commonest layouts first, inlined where the batch's row is written;
// the others out of line, so that their arrays cost these nothing.
PLAIN_STEP bool readAnyPlainDay(std::string_view text, DateOrder order, PlainDay& day)
{
    if (readIsoDay(text, day))
        return dayExists(day);
    if (readNumericDay(text, order, day))
        return true;
    return readOtherPlainDay(text, order, day);
}

} // namespace

bool readPlainDay(std::string_view text, DateOrder order, PlainDay& day)
{
    return readAnyPlainDay(text, order, day);
}

namespace {

PLAIN_STEP bool spanOf(const PlainDay& begin, const PlainDay& end, PlainSpan& span)
{
    if (before(end, begin))
        return false;
    const YearsMonthsDays elapsed = spanBetween({begin.year, begin.month, begin.day}, {end.year, end.month, end.day});
    span = {int(elapsed.years), int(elapsed.months), int(elapsed.days)};
    return true;
}

// A count in digits, written once and copied where it stands.
struct Digits
{
    static constexpr size_t Room = 8; // copied whole, whatever the length
    char text[Room] = {};
    size_t length;

    PLAIN_STEP explicit Digits(int count)
    {
        // Months and days, and most years, have one or two digits: those
        // without a loop.
        if (count < 10) {
            text[0] = char('0' + count);
            length = 1;
            return;
        }
        if (count < 100) {
            text[0] = char('0' + count / 10);
            text[1] = char('0' + count % 10);
            length = 2;
            return;
        }
        // Spans between years of four digits count up to four; a longer
        // count would be cut, and cannot come.
        length = count < 1000 ? 3 : count < 10000 ? 4 : Room;
        for (size_t i = length; i > 0; --i) {
            text[i - 1] = char('0' + count % 10);
            count /= 10;
        }
    }
    PLAIN_STEP char* writeAt(char* out) const
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

// The result fields at out, as appendPlainSpanFields describes them; the
// end of what it wrote.
PLAIN_STEP char* writePlainSpanFields(char* out, const PlainSpan& span, Notation notation, char delimiter)
{
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
    return out;
}

// A row's line at out, in copies of 16 bytes, the last of them ending
// where the line ends: a call of memcpy for some twenty bytes costs more
// than the copy.
PLAIN_STEP void copyLine(char* out, std::string_view line)
{
    constexpr size_t Piece = 16;
    constexpr size_t MostPieces = 4; // longer lines take memcpy
    const size_t size = line.size();
    if (size < Piece || size > Piece * MostPieces) {
        std::memcpy(out, line.data(), size);
        return;
    }
    size_t i = 0;
    for (; i + Piece <= size; i += Piece)
        std::memcpy(out + i, line.data() + i, Piece);
    if (i < size)
        std::memcpy(out + size - Piece, line.data() + size - Piece, Piece);
}

} // namespace

bool plainSpanOf(const PlainDay& begin, const PlainDay& end, PlainSpan& span)
{
    return spanOf(begin, end, span);
}

void appendPlainSpanFields(TextBuffer& row, const PlainSpan& span, Notation notation, char delimiter)
{
    char* const start = row.tail(MostPlainSpanFieldsBytes);
    row.extend(size_t(writePlainSpanFields(start, span, notation, delimiter) - start));
}

bool appendPlainSpanRow(TextBuffer& out, const PlainSpanRow& row, const PlainRowFormat& format)
{
    PlainDay first;
    PlainDay last;
    PlainSpan span;
    if (!readAnyPlainDay(row.begin, format.order, first) || !readAnyPlainDay(row.end, format.order, last)
        || !spanOf(first, last, span))
        return false;
    const std::string_view lineBreak = format.lineBreak;
    char* const start = out.tail(row.line.size() + MostPlainSpanFieldsBytes + lineBreak.size());
    copyLine(start, row.line);
    char* end = writePlainSpanFields(start + row.line.size(), span, format.notation, format.delimiter);
    *end++ = lineBreak.front();
    if (lineBreak.size() > 1)
        *end++ = lineBreak.back(); // CR LF
    out.extend(size_t(end - start));
    return true;
}

} // namespace spanwright
