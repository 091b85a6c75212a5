// Tests of the date engine: number reading, date reading, the span arithmetic
// and the result texts. QtTest serves only as the runner.

#include "calendar.h"
#include "datetext.h"
#include "text/leadingnumber.h"
#include "spans/span.h"
#include "spans/resultentries.h"
#include "spans/resulttext.h"
#include "windowspan.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <string_view>

using namespace spanwright;

namespace {

std::string_view view(const QByteArray& text)
{
    return std::string_view(text.constData(), static_cast<size_t>(text.size()));
}

// A proleptic Gregorian calendar of its own, by day numbers (days since
// 1970-01-01), so that the span checks do not lean on the engine's calendar.
struct Civil { long long year; int month; int day; };

long long dayNumber(long long y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Civil civilDate(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

int civilDaysInMonth(long long y, int m)
{
    return m == 12 ? 31 : static_cast<int>(dayNumber(y, m + 1, 1) - dayNumber(y, m, 1));
}

DateFields fieldsOf(const Civil& c)
{
    return {double(c.month), double(c.day), double(c.year), double(civilDaysInMonth(c.year, c.month))};
}

QString dateString(const Civil& c)
{
    return QStringLiteral("%1/%2/%3").arg(c.month).arg(c.day).arg(c.year);
}

bool isWhole(double v)
{
    return std::trunc(v) == v;
}

// Null when the span from begin to end (begin not after end) is in range and
// begin + Years + Months (day clamped) + Days lands on end; else the fault.
const char* spanFault(long long beginNumber, long long endNumber, Span& s)
{
    const Civil b = civilDate(beginNumber);
    const DateFields begin = fieldsOf(b);
    const DateFields end = fieldsOf(civilDate(endNumber));
    if (endsBefore(end, begin))
        return "taken as out of order";
    if (endNumber != beginNumber && !endsBefore(begin, end))
        return "reversed pair taken as in order";
    s = elapsedSpan(begin, end);
    if (!isWhole(s.Years) || !isWhole(s.Months) || !isWhole(s.Days) || s.Years < 0
        || s.Months < 0 || s.Months > 11 || s.Days < 0 || s.Days > 30)
        return "out of range";
    const long long months = b.year * 12 + (b.month - 1) + static_cast<long long>(s.Years) * 12
        + static_cast<long long>(s.Months);
    const long long toYear = months / 12;
    const int toMonth = static_cast<int>(months % 12) + 1;
    const int toDay = std::min(b.day, civilDaysInMonth(toYear, toMonth));
    if (dayNumber(toYear, toMonth, toDay) + static_cast<long long>(s.Days) != endNumber)
        return "does not reach the end date";
    return nullptr;
}

QString faultText(long long beginNumber, long long endNumber, const Span& s, const char* fault)
{
    return QStringLiteral("%1 -> %2 gives %3 %4 %5: %6")
        .arg(dateString(civilDate(beginNumber)), dateString(civilDate(endNumber)))
        .arg(s.Years).arg(s.Months).arg(s.Days).arg(QLatin1String(fault));
}

struct Entries { QByteArray slash, dash, dot, worded; };

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

Entries entriesOf(const ResultEntries& entries)
{
    return {bytes(entries.entry(Notation::Slash)), bytes(entries.entry(Notation::Dash)),
            bytes(entries.entry(Notation::Dot)), bytes(entries.entry(Notation::Worded))};
}

// The result entries as the program shows them.
Entries entriesOf(const Span& s)
{
    ResultEntries entries;
    entries.composeCounts(s.Years, s.Months, s.Days);
    return entriesOf(entries);
}

void numberRow(const char* name, const QByteArray& text, double value, bool tooLarge = false)
{
    QTest::newRow(name) << text << value << tooLarge;
}

void dateRow(const char* name, const QByteArray& text, double m, double d, double y, double max)
{
    QTest::newRow(name) << text << true << m << d << y << max;
}

void rejectRow(const char* name, const QByteArray& text)
{
    QTest::newRow(name) << text << false << 0.0 << 0.0 << 0.0 << 0.0;
}

void spanRow(const char* name, const char* begin, const char* end, double y, double m, double d,
             const char* worded)
{
    QTest::newRow(name) << QByteArray(begin) << QByteArray(end) << y << m << d << QByteArray(worded);
}

// A span by the engine's whole-number rule, in the Gregorian or the Julian
// calendar, with the span written out by hand.
void daySpanRow(const char* name, CalendarSystem calendar, CalendarDate begin, CalendarDate end,
                YearsMonthsDays span)
{
    QTest::newRow(name) << (calendar == CalendarSystem::Julian) << begin.year << (long long)begin.month
                        << (long long)begin.day << end.year << (long long)end.month << (long long)end.day
                        << span.years << span.months << span.days;
}

void entryRow(const char* name, double y, double m, double d, const QByteArray& slash,
              const QByteArray& dash, const QByteArray& dot, const QByteArray& worded)
{
    QTest::newRow(name) << y << m << d << slash << dash << dot << worded;
}

const QByteArray digits400(400, '9');

} // namespace

Q_DECLARE_METATYPE(Span)

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("tooLarge");
        numberRow("whole", "1990", 1990);
        numberRow("leading zeros", "007", 7);
        numberRow("blanks tabs line feeds first", " \t\n 1990", 1990);
        numberRow("blank between digits", "19 90", 1990);
        numberRow("blanks everywhere", " - 1 9 . 5 ", -19.5);
        numberRow("plus sign", "+5", 5);
        numberRow("minus sign", "-5", -5);
        numberRow("fraction", "5.25", 5.25);
        numberRow("point first", ".5", 0.5);
        numberRow("point last", "5.", 5);
        numberRow("second point stops", "1.2.3", 1.2);
        numberRow("stops at slash", "1990/7", 1990);
        numberRow("stops at letter", "12abc", 12);
        numberRow("no exponent", "1E5", 1);
        numberRow("no exponent lower case", "2.5e3", 2.5);
        numberRow("carriage return not skipped", "\r5", 0);
        numberRow("empty", "", 0);
        numberRow("blanks only", "   ", 0);
        numberRow("letters", "abc", 0);
        numberRow("sign only", "-", 0);
        numberRow("point only", ".", 0);
        numberRow("two signs", "+-5", 0);
        numberRow("inf is no number", "inf", 0);
        numberRow("hex is no number", "0x1F", 0);
        numberRow("largest below the limit", QByteArray(299, '9'), 1e299);
        numberRow("at the limit", "1" + QByteArray(300, '0'), 0, true);
        numberRow("negative at the limit", "-1" + QByteArray(300, '0'), 0, true);
        numberRow("limit with a fraction", "1" + QByteArray(300, '0') + ".5", 0, true);
        numberRow("beyond double range", digits400, 0, true);
        numberRow("blanks inside a huge number", "1 " + QByteArray(350, '0'), 0, true);
        numberRow("tiny underflow", "0." + QByteArray(399, '0') + "1", 0);
        numberRow("many fraction digits", "0." + QByteArray(1000, '3'), 1.0 / 3);
    }

    void leadingNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, value);
        QFETCH(bool, tooLarge);
        const LeadingNumber n = readLeadingNumber(view(text));
        QCOMPARE(n.tooLarge, tooLarge);
        // Exactly the nearest double: QCOMPARE would allow a little fuzz.
        QVERIFY2(n.value == value, qPrintable(QString::number(n.value, 'g', 17)));
        QVERIFY(leadingNumberValue(view(text)) == value);
    }

    void dateText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("month");
        QTest::addColumn<double>("day");
        QTest::addColumn<double>("year");
        QTest::addColumn<double>("maxDays");
        dateRow("slashes", "5/17/1990", 5, 17, 1990, 31);
        dateRow("dashes", "5-17-1990", 5, 17, 1990, 31);
        dateRow("periods", "5.17.1990", 5, 17, 1990, 31);
        dateRow("periods December", "12.25.1990", 12, 25, 1990, 31);
        dateRow("name", "Jan 5, 1990", 1, 5, 1990, 31);
        dateRow("name lower case", "jan 5, 1990", 1, 5, 1990, 31);
        dateRow("name written out", "JANUARY 5, 1990", 1, 5, 1990, 31);
        dateRow("name September", "September 30, 1990", 9, 30, 1990, 30);
        dateRow("name December", "dec 31, 2000", 12, 31, 2000, 31);
        dateRow("name February leap", "Feb 29, 1992", 2, 29, 1992, 29);
        dateRow("February 28 common", "2/28/1990", 2, 28, 1990, 28);
        dateRow("February 29 leap", "2/29/1992", 2, 29, 1992, 29);
        dateRow("February 29 year 2000", "2/29/2000", 2, 29, 2000, 29);
        dateRow("February non-whole year", "2/28/1992.5", 2, 28, 1992.5, 28);
        dateRow("April 30", "4/30/1990", 4, 30, 1990, 30);
        dateRow("empty day", "1//1990", 1, 0, 1990, 31);
        dateRow("day zero", "5/0/1990", 5, 0, 1990, 31);
        dateRow("negative day", "5/-3/1990", 5, -3, 1990, 31);
        dateRow("fraction day", "5/5.5/1990", 5, 5.5, 1990, 31);
        dateRow("blank before", " 5/17/1990", 5, 17, 1990, 31);
        dateRow("blank after", "5/17/1990 ", 5, 17, 1990, 31);
        dateRow("blanks inside numbers", "5/1 7/19 90", 5, 17, 1990, 31);
        dateRow("line feed before year", "5/17/\n1990", 5, 17, 1990, 31);
        dateRow("two-digit year as written", "5/17/90", 5, 17, 90, 31);
        dateRow("third slash ends year", "5/17/1990/7", 5, 17, 1990, 31);
        dateRow("dash outranks period", "5-17-1990.", 5, 17, 1990, 31);
        rejectRow("empty", "");
        rejectRow("blanks only", "   ");
        rejectRow("no separator", "5171990");
        rejectRow("one separator", "5/17");
        rejectRow("mixed separators", "5/17-1990");
        rejectRow("numbers with blanks", "5 17 1990");
        rejectRow("unknown month name", "Jux 5, 1990");
        rejectRow("name with period", "Jan. 5, 1990");
        rejectRow("name with dash", "Jan-5, 1990");
        rejectRow("name without comma", "Jan 5 1990");
        rejectRow("name comma without blank", "Jan 5,1990");
        rejectRow("name after a blank", " Jan 5, 1990");
        rejectRow("period after name outranks blank", "Jan 5, 1990.");
        rejectRow("slash later outranks period", "5.17.1990/3");
        rejectRow("month 13", "13/1/1990");
        rejectRow("month 0", "0/5/1990");
        rejectRow("month fraction", "1.5/3/1990");
        rejectRow("month 13 day 0", "13/0/1990");
        rejectRow("month fraction empty day", "1.5//1990");
        rejectRow("empty month", "/5/1990");
        rejectRow("day first", "25.12.1990");
        rejectRow("year first", "1990-12-25");
        rejectRow("day 32", "1/32/1990");
        rejectRow("April 31", "4/31/1990");
        rejectRow("April 30.5", "4/30.5/1990");
        rejectRow("February 29 common", "2/29/1990");
        rejectRow("February 29 1900", "2/29/1900");
        rejectRow("February 29 non-whole year", "2/29/1992.5");
        rejectRow("February 30 leap", "2/30/1992");
        rejectRow("name February 29 common", "Feb 29, 1990");
        rejectRow("name April 31", "Apr 31, 1990");
        rejectRow("empty year", "5/17/");
        rejectRow("year 00", "5/17/00");
        rejectRow("year letters", "5/17/abc");
        rejectRow("name year 0", "Jan 5, 0");
        rejectRow("year too large", "1/1/" + digits400);
        rejectRow("negative year too large", "1/1/-" + digits400);
        rejectRow("name year too large", "Jan 5, " + digits400);
        rejectRow("month too large", digits400 + "/1/1990");
        rejectRow("negative day too large", "1/-" + digits400 + "/1990");
    }

    void dateText()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, accepted);
        DateFields fields;
        fields.Months = 7; // left over from an earlier date
        fields.Days = 7;
        fields.Years = 7;
        fields.Max_Days = 7;
        QCOMPARE(readDateText(view(text), fields), accepted);
        QTEST(fields.Months, "month");
        if (!accepted)
            return;
        QTEST(fields.Days, "day");
        QTEST(fields.Years, "year");
        QTEST(fields.Max_Days, "maxDays");
    }

    void order_data()
    {
        QTest::addColumn<QByteArray>("begin");
        QTest::addColumn<QByteArray>("end");
        QTest::addColumn<bool>("before");
        QTest::newRow("day earlier") << QByteArray("5/10/1990") << QByteArray("5/8/1990") << true;
        QTest::newRow("year earlier") << QByteArray("1/1/1990") << QByteArray("6/1/1989") << true;
        QTest::newRow("years as written") << QByteArray("1/1/1900") << QByteArray("1/1/40") << true;
        QTest::newRow("fraction day earlier") << QByteArray("5/5.5/1990") << QByteArray("5/5/1990") << true;
        QTest::newRow("equal") << QByteArray("5/17/1990") << QByteArray("May 17, 1990") << false;
        QTest::newRow("day later") << QByteArray("5/8/1990") << QByteArray("5/10/1990") << false;
        QTest::newRow("month outranks day") << QByteArray("5/31/1990") << QByteArray("6/1/1990") << false;
        QTest::newRow("year outranks month") << QByteArray("12/1/1990") << QByteArray("1/31/1991") << false;
    }

    void order()
    {
        QFETCH(QByteArray, begin);
        QFETCH(QByteArray, end);
        DateFields b, e;
        QVERIFY(readDateText(view(begin), b));
        QVERIFY(readDateText(view(end), e));
        QTEST(endsBefore(e, b), "before");
    }

    void span_data()
    {
        QTest::addColumn<QByteArray>("begin");
        QTest::addColumn<QByteArray>("end");
        QTest::addColumn<double>("years");
        QTest::addColumn<double>("months");
        QTest::addColumn<double>("days");
        QTest::addColumn<QByteArray>("worded");
        spanRow("long span", "5/10/1950", "3/1/1990", 39, 9, 19, "39 Year(s), 9 month(s), 19 day(s)");
        spanRow("names", "May 10, 1950", "Mar 1, 1990", 39, 9, 19, "39 Year(s), 9 month(s), 19 day(s)");
        spanRow("mixed notations", "Jan 5, 1990", "5.17.2000", 10, 4, 12, "10 Year(s), 4 month(s), 12 day(s)");
        spanRow("end of February", "2/28/1990", "3/1/1990", 0, 0, 1, "0 Year(s), 0 month(s), 1 day(s)");
        spanRow("31st over February", "1/31/1990", "3/1/1990", 0, 1, 1, "0 Year(s), 1 month(s), 1 day(s)");
        spanRow("30th over February", "1/30/1990", "3/1/1990", 0, 1, 1, "0 Year(s), 1 month(s), 1 day(s)");
        spanRow("31st over leap February", "1/31/1992", "3/1/1992", 0, 1, 1, "0 Year(s), 1 month(s), 1 day(s)");
        spanRow("28th over leap February", "1/28/1992", "3/1/1992", 0, 1, 2, "0 Year(s), 1 month(s), 2 day(s)");
        spanRow("31st into February", "1/31/1990", "2/1/1990", 0, 0, 1, "0 Year(s), 0 month(s), 1 day(s)");
        spanRow("31st into April", "3/31/1990", "4/1/1990", 0, 0, 1, "0 Year(s), 0 month(s), 1 day(s)");
        spanRow("to end of February", "1/31/1990", "2/28/1990", 0, 0, 28, "0 Year(s), 0 month(s), 28 day(s)");
        spanRow("over new year", "12/31/1989", "1/1/1990", 0, 0, 1, "0 Year(s), 0 month(s), 1 day(s)");
        spanRow("day short of a year", "6/15/1990", "6/14/1991", 0, 11, 30, "0 Year(s), 11 month(s), 30 day(s)");
        spanRow("from leap day", "2/29/1992", "2/28/1993", 0, 11, 30, "0 Year(s), 11 month(s), 30 day(s)");
        spanRow("whole calendar year", "1/1/1990", "12/31/1990", 0, 11, 30, "0 Year(s), 11 month(s), 30 day(s)");
        spanRow("two-digit year", "5/17/90", "5/17/1990", 1900, 0, 0, "1900 Year(s), 0 month(s), 0 day(s)");
        spanRow("equal dates", "5/17/1990", "5/17/1990", 0, 0, 0, "0 Year(s), 0 month(s), 0 day(s)");
        spanRow("fraction day", "5/5.5/1990", "5/10/1990", 0, 0, 4.5, "0 Year(s), 0 month(s), 4.5 day(s)");
    }

    void span()
    {
        QFETCH(QByteArray, begin);
        QFETCH(QByteArray, end);
        DateFields b, e;
        QVERIFY(readDateText(view(begin), b));
        QVERIFY(readDateText(view(end), e));
        QVERIFY(!endsBefore(e, b));
        const Span s = elapsedSpan(b, e);
        QTEST(s.Years, "years");
        QTEST(s.Months, "months");
        QTEST(s.Days, "days");
        QTEST(entriesOf(s).worded, "worded");
    }

    void daySpan_data()
    {
        QTest::addColumn<bool>("julian");
        for (const char* column : {"beginYear", "beginMonth", "beginDay", "endYear", "endMonth", "endDay"})
            QTest::addColumn<long long>(column);
        for (const char* column : {"years", "months", "days"})
            QTest::addColumn<long long>(column);
        const CalendarSystem g = CalendarSystem::Gregorian;
        const CalendarSystem j = CalendarSystem::Julian;
        // The month borrowed is the one before the end month, of every length;
        // a begin day past its end counts as its last.
        daySpanRow("31st over common February", g, {2023, 1, 31}, {2023, 3, 1}, {0, 1, 1});
        daySpanRow("28th over common February", g, {2023, 1, 28}, {2023, 3, 1}, {0, 1, 1});
        daySpanRow("28th over leap February", g, {2024, 1, 28}, {2024, 3, 1}, {0, 1, 2});
        daySpanRow("29th over leap February", g, {2024, 1, 29}, {2024, 3, 1}, {0, 1, 1});
        daySpanRow("31st over a 30-day month", g, {2023, 3, 31}, {2023, 5, 1}, {0, 1, 1});
        daySpanRow("28th over a 30-day month", g, {2023, 3, 28}, {2023, 5, 1}, {0, 1, 3});
        daySpanRow("30th over a 31-day month", g, {2023, 4, 30}, {2023, 6, 1}, {0, 1, 2});
        daySpanRow("31st over a 31-day month", g, {2023, 7, 31}, {2023, 9, 1}, {0, 1, 1});
        daySpanRow("29th over a 31-day month", g, {2023, 7, 29}, {2023, 9, 1}, {0, 1, 3});
        daySpanRow("December borrowed over new year", g, {2022, 11, 30}, {2023, 1, 15}, {0, 1, 16});
        daySpanRow("day over new year", g, {2022, 12, 31}, {2023, 1, 1}, {0, 0, 1});
        daySpanRow("no day borrowed", g, {1990, 5, 10}, {2000, 6, 12}, {10, 1, 2});
        daySpanRow("Washington", g, {1732, 2, 22}, {1799, 12, 14}, {67, 9, 22});
        // 1900 is a common year in the Gregorian calendar, a leap year in the
        // Julian; so is 101 BC (the astronomers' year -100).
        daySpanRow("28th over Gregorian 1900's February", g, {1900, 1, 28}, {1900, 3, 1}, {0, 1, 1});
        daySpanRow("28th over Julian 1900's February", j, {1900, 1, 28}, {1900, 3, 1}, {0, 1, 2});
        daySpanRow("28th over Julian common February", j, {1901, 1, 28}, {1901, 3, 1}, {0, 1, 1});
        daySpanRow("28th over Gregorian 101 BC's February", g, {-100, 1, 28}, {-100, 3, 1}, {0, 1, 1});
        daySpanRow("28th over Julian 101 BC's February", j, {-100, 1, 28}, {-100, 3, 1}, {0, 1, 2});
        daySpanRow("Julian leap day to a day short of a year", j, {1700, 2, 29}, {1701, 2, 28}, {0, 11, 30});
        daySpanRow("Julian leap day to 1 March", j, {1700, 2, 29}, {1701, 3, 1}, {1, 0, 1});
        daySpanRow("Julian 31st over a 30-day month", j, {1700, 8, 31}, {1700, 10, 1}, {0, 1, 1});
    }

    void daySpan()
    {
        QFETCH(bool, julian);
        QFETCH(long long, beginYear);
        QFETCH(long long, beginMonth);
        QFETCH(long long, beginDay);
        QFETCH(long long, endYear);
        QFETCH(long long, endMonth);
        QFETCH(long long, endDay);
        const YearsMonthsDays span = spanBetween({beginYear, int(beginMonth), int(beginDay)},
                                                 {endYear, int(endMonth), int(endDay)},
                                                 julian ? CalendarSystem::Julian : CalendarSystem::Gregorian);
        QTEST(span.years, "years");
        QTEST(span.months, "months");
        QTEST(span.days, "days");
    }

    void spanProperties()
    {
        // The calendar against the test's own, for every month of years 1 to 9999.
        for (int y = 1; y <= 9999; ++y) {
            QVERIFY2(isLeapYear(y) == (civilDaysInMonth(y, 2) == 29), qPrintable(QString::number(y)));
            for (int m = 1; m <= 12; ++m)
                QVERIFY2(monthLength(m, y) == civilDaysInMonth(y, m),
                         qPrintable(QStringLiteral("%1/%2").arg(m).arg(y)));
        }

        // Every pair of dates within windows around month ends and leap days,
        // each date also read from its text.
        const int windows[][2] = {{1899, 1901}, {1991, 1993}, {1999, 2001}};
        long long pairs = 0;
        for (const auto& window : windows) {
            const long long first = dayNumber(window[0], 1, 1);
            const long long last = dayNumber(window[1], 12, 31);
            for (long long b = first; b <= last; ++b) {
                const Civil c = civilDate(b);
                const QByteArray text = dateString(c).toLatin1();
                DateFields read;
                QVERIFY2(readDateText(view(text), read), text.constData());
                QVERIFY2(read.Months == c.month && read.Days == c.day && read.Years == c.year
                             && read.Max_Days == civilDaysInMonth(c.year, c.month),
                         text.constData());
                if (c.day == civilDaysInMonth(c.year, c.month)) {
                    const QByteArray past = dateString({c.year, c.month, c.day + 1}).toLatin1();
                    QVERIFY2(!readDateText(view(past), read), past.constData());
                }
                for (long long e = b; e <= last; ++e, ++pairs) {
                    Span s;
                    if (const char* fault = spanFault(b, e, s))
                        QFAIL(qPrintable(faultText(b, e, s, fault)));
                    // The engine's whole-number rule gives the same span.
                    const Civil ce = civilDate(e);
                    const YearsMonthsDays whole = spanBetween({c.year, c.month, c.day}, {ce.year, ce.month, ce.day});
                    if (whole != YearsMonthsDays{(long long)s.Years, (long long)s.Months, (long long)s.Days})
                        QFAIL(qPrintable(faultText(b, e, s, "the whole-number span differs")));
                }
            }
        }

        // A fixed pseudo-random sample over years 1 to 9999: half the pairs far
        // apart, half within about four years.
        std::mt19937 rng(19900517);
        const long long first = dayNumber(1, 1, 1);
        const long long last = dayNumber(9999, 12, 31);
        std::uniform_int_distribution<long long> anyDay(first, last);
        std::uniform_int_distribution<long long> nearby(0, 1500);
        for (int i = 0; i < 300000; ++i, ++pairs) {
            long long b = anyDay(rng);
            long long e = (i % 2 != 0) ? anyDay(rng) : std::min(last, b + nearby(rng));
            if (e < b)
                std::swap(b, e);
            Span s;
            if (const char* fault = spanFault(b, e, s))
                QFAIL(qPrintable(faultText(b, e, s, fault)));
        }
        qDebug("%lld pairs checked", pairs);
    }

    void countText_data()
    {
        QTest::addColumn<double>("count");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("whole") << 39.0 << QByteArray(" 39");
        QTest::newRow("zero") << 0.0 << QByteArray(" 0");
        QTest::newRow("negative zero") << -0.0 << QByteArray(" 0");
        QTest::newRow("negative") << -2.0 << QByteArray("-2");
        QTest::newRow("half") << 0.5 << QByteArray(" 0.5");
        QTest::newRow("negative half") << -0.5 << QByteArray("-0.5");
        QTest::newRow("fraction") << 4.5 << QByteArray(" 4.5");
        QTest::newRow("binary noise") << 10.3 - 5.1 << QByteArray(" 5.2");
        QTest::newRow("binary noise small") << 0.1 + 0.2 << QByteArray(" 0.3");
        QTest::newRow("15 digits") << 2.0 / 3 << QByteArray(" 0.666666666666667");
        QTest::newRow("rounds up to whole") << 99999999999999.99 << QByteArray(" 100000000000000");
        QTest::newRow("small without exponent") << 1.5e-7 << QByteArray(" 0.00000015");
        QTest::newRow("tiny without exponent") << 1e-20 << QByteArray(" 0.00000000000000000001");
        QTest::newRow("large whole") << 1e15 << QByteArray(" 1000000000000000");
        QTest::newRow("beyond 15 digits") << 123456789012345678.0 << QByteArray(" 123456789012346000");
        QTest::newRow("beyond exact doubles") << 1234567890123456789.0 << QByteArray(" 1234567890123460000");
        QTest::newRow("huge") << 1e299 << (" 1" + QByteArray(299, '0'));
        QTest::newRow("huge negative") << -2.5e299 << ("-25" + QByteArray(298, '0'));
        QTest::newRow("quarter") << 0.25 << QByteArray(" 0.25");
        QTest::newRow("negative quarter") << -0.25 << QByteArray("-0.25");
        QTest::newRow("zero after the point") << 1.05 << QByteArray(" 1.05");
        QTest::newRow("zeros after the point") << 0.007 << QByteArray(" 0.007");
        QTest::newRow("six decimals") << 1.015625 << QByteArray(" 1.015625");
        QTest::newRow("seven decimals") << 1.0078125 << QByteArray(" 1.0078125");
        QTest::newRow("15 digits with a half") << 99999999999999.5 << QByteArray(" 99999999999999.5");
        QTest::newRow("16 digits with a half") << 999999999999999.5 << QByteArray(" 1000000000000000");
        QTest::newRow("noise above a whole") << 5 + std::ldexp(1.0, -50) << QByteArray(" 5");
        QTest::newRow("noise below a fraction") << std::nextafter(0.7, 0.0) << QByteArray(" 0.7");
    }

    void countText()
    {
        QFETCH(double, count);
        QTEST(QByteArray::fromStdString(::countText(count)), "text");
    }

    void entries_data()
    {
        QTest::addColumn<double>("years");
        QTest::addColumn<double>("months");
        QTest::addColumn<double>("days");
        QTest::addColumn<QByteArray>("slash");
        QTest::addColumn<QByteArray>("dash");
        QTest::addColumn<QByteArray>("dot");
        QTest::addColumn<QByteArray>("worded");
        entryRow("all units", 12, 5, 3, "5/3/12", "5-3-12", "5.3.12", "12 Year(s), 5 month(s), 3 day(s)");
        entryRow("days only", 0, 0, 9, "0/9/0", "0-9-0", "0.9.0", "0 Year(s), 0 month(s), 9 day(s)");
        entryRow("negative days", 0, 0, -2, "0/-2/0", "0--2-0", "0.-2.0", "0 Year(s), 0 month(s), -2 day(s)");
        entryRow("two-digit counts", 39, 11, 30, "11/30/39", "11-30-39", "11.30.39",
                 "39 Year(s), 11 month(s), 30 day(s)");
        entryRow("fraction days", 0, 0, 4.5, "0/4.5/0", "0-4.5-0", "0.4.5.0", "0 Year(s), 0 month(s), 4.5 day(s)");
        entryRow("negative fraction", 0, 0, -0.5, "0/-0.5/0", "0--0.5-0", "0.-0.5.0",
                 "0 Year(s), 0 month(s), -0.5 day(s)");
        const QByteArray huge = "1" + QByteArray(299, '0');
        entryRow("huge years", 1e299, 11, 30, "11/30/" + huge, "11-30-" + huge, "11.30." + huge,
                 huge + " Year(s), 11 month(s), 30 day(s)");
        const QByteArray tiny = "0." + QByteArray(19, '0') + "1";
        entryRow("tiny days", 1, 2, 1e-20, "2/" + tiny + "/1", "2-" + tiny + "-1", "2." + tiny + ".1",
                 "1 Year(s), 2 month(s), " + tiny + " day(s)");
    }

    void entries()
    {
        QFETCH(double, years);
        QFETCH(double, months);
        QFETCH(double, days);
        QFETCH(QByteArray, slash);
        ResultEntries entries;
        entries.composeCounts(years, months, days);
        const Entries got = entriesOf(entries);
        QCOMPARE(got.slash, slash);
        QTEST(got.dash, "dash");
        QTEST(got.dot, "dot");
        QTEST(got.worded, "worded");
        // The same entries by their place in the list.
        const QByteArray inListOrder[] = {got.slash, got.dash, got.dot, got.worded};
        for (int position = 1; position <= NotationCount; ++position)
            QCOMPARE(bytes(entries.entry(position)), inListOrder[position - 1]);
        // The counts as the entries show them.
        QCOMPARE(bytes(entries.months()) + '/' + bytes(entries.days()) + '/' + bytes(entries.years()),
                 slash);
    }

    void entriesReused_data()
    {
        QTest::addColumn<Span>("first");
        QTest::addColumn<Span>("second");
        QTest::newRow("long then short") << Span{1e299, 11, 30} << Span{0, 0, 1};
        QTest::newRow("fractions then whole") << Span{123456, 5.25, -0.5} << Span{1, 1, 1};
        QTest::newRow("negative then positive") << Span{0, 0, -2} << Span{0, 0, 2};
        QTest::newRow("short then long") << Span{0, 0, 0} << Span{39, 9, 19};
    }

    void entriesReused()
    {
        QFETCH(Span, first);
        QFETCH(Span, second);
        ResultEntries reused;
        for (int position = 1; position <= NotationCount; ++position)
            QVERIFY(reused.entry(position).empty());
        reused.composeCounts(first.Years, first.Months, first.Days);
        reused.composeCounts(second.Years, second.Months, second.Days);
        const Entries got = entriesOf(reused);
        const Entries fresh = entriesOf(second);
        QCOMPARE(got.slash, fresh.slash);
        QCOMPARE(got.dash, fresh.dash);
        QCOMPARE(got.dot, fresh.dot);
        QCOMPARE(got.worded, fresh.worded);
        QCOMPARE(bytes(reused.months()) + '/' + bytes(reused.days()) + '/' + bytes(reused.years()),
                 fresh.slash);
    }

    void badInput_data()
    {
        const int size = 1000000;
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digits") << QByteArray(size, '7') << false;
        QTest::newRow("blanks") << QByteArray(size, ' ') << false;
        QTest::newRow("slashes") << QByteArray(size, '/') << false;
        QTest::newRow("dashes") << QByteArray(size, '-') << false;
        QTest::newRow("periods") << QByteArray(size, '.') << false;
        QTest::newRow("name then blanks") << "Jan " + QByteArray(size, ' ') << false;
        QTest::newRow("year of digits") << "5/17/" + QByteArray(size, '7') << false;
        QTest::newRow("year of spaced digits") << "5/17/" + QByteArray("1 ").repeated(size / 2) << false;
        QTest::newRow("year underflows to 0") << "5/17/0." + QByteArray(size, '0') + "1" << false;
        QTest::newRow("year of zeros then 7") << "5/17/" + QByteArray(size, '0') + "7" << true;
        QTest::newRow("day of blanks") << "5/" + QByteArray(size, ' ') + "/1990" << true;
        QTest::newRow("name year of digits") << "Jan 5, " + QByteArray(size, '9') << false;
        QTest::newRow("letters after year") << "5/17/1990" + QByteArray(size, 'x') << true;
        QTest::newRow("year of 400 digits") << "5/17/" + digits400 << false;
    }

    void badInput()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, accepted);
        QElapsedTimer timer;
        timer.start();
        DateFields fields;
        const bool read = readDateText(view(text), fields);
        const LeadingNumber n = readLeadingNumber(view(text));
        const qint64 ms = timer.elapsed();
        QCOMPARE(read, accepted);
        QVERIFY(!read || fields.Years > 0);
        QVERIFY(std::isfinite(n.value));
        QVERIFY2(ms < 500, qPrintable(QStringLiteral("%1 ms").arg(ms)));
    }
};

QTEST_APPLESS_MAIN(TestEngine)

#include "tst_engine.moc"
