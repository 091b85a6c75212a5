// Tests of the date reader of the command line, the web page and the GEDCOM
// report: every form it reads, and every text it must refuse rather than
// misread. QtTest serves only as the runner.

#include "resultcheck.h"
#include "calendar.h"
#include "calendars/calendardate.h"
#include "reading/datereader.h"
#include "languages/monthnames.h"

#include <QTest>

#include <string>
#include <string_view>

using namespace spanwright;

namespace {

std::string_view view(const QByteArray& text)
{
    return std::string_view(text.constData(), static_cast<size_t>(text.size()));
}

constexpr int NoOrder = -1;
constexpr int Mdy = int(DateOrder::MonthFirst);
constexpr int Dmy = int(DateOrder::DayFirst);
constexpr int Ymd = int(DateOrder::YearFirst);

// A text read as the days from earliest to latest ("" for an open side).
void readRow(const char* text, int order, const char* earliest, const char* latest, bool approximate = false)
{
    QTest::newRow(text) << QByteArray(text) << order << QByteArray(earliest) << QByteArray(latest)
                        << approximate << QByteArray() << NoOrder;
}

// A text refused with a reason holding because; hint is the order that
// reads it, or NoOrder.
void refuseRow(const char* text, int order, const char* because, int hint = NoOrder)
{
    QTest::newRow(text) << QByteArray(text) << order << QByteArray() << QByteArray() << false
                        << QByteArray(because) << hint;
}

QByteArray dayText(const std::optional<Day>& day)
{
    return day ? QByteArray::fromStdString(calendarDateText(dateOf(*day))) : QByteArray();
}

} // namespace

class TestDateReader : public QObject
{
    Q_OBJECT

private slots:
    void monthNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("month");
        QTest::newRow("full") << QByteArray("September") << 9;
        QTest::newRow("upper three") << QByteArray("MAR") << 3;
        QTest::newRow("lower three") << QByteArray("dec") << 12;
        QTest::newRow("Sept") << QByteArray("Sept") << 9;
        QTest::newRow("Febry") << QByteArray("Febry") << 2;
        QTest::newRow("Octr") << QByteArray("Octr") << 10;
        QTest::newRow("Decr") << QByteArray("Decr") << 12;
        QTest::newRow("Janry") << QByteArray("Janry") << 1;
        QTest::newRow("May") << QByteArray("may") << 5;
        QTest::newRow("two letters") << QByteArray("Ma") << 0;
        QTest::newRow("run on") << QByteArray("Mayday") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
    }
    void monthNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, month);
        QCOMPARE(monthOfName(view(name)), month);
    }

    // The whole-number month lengths of the reader are the window's.
    void monthLengths()
    {
        constexpr long long LastYear = 2400; // every rule of the leap years, and more
        for (long long year = 1; year <= LastYear; ++year) {
            for (int month = 1; month <= 12; ++month)
                QCOMPARE(daysInMonth(month, year), monthLength(month, double(year)));
        }
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("order");
        QTest::addColumn<QByteArray>("earliest");
        QTest::addColumn<QByteArray>("latest");
        QTest::addColumn<bool>("approximate");
        QTest::addColumn<QByteArray>("because"); // empty: read
        QTest::addColumn<int>("hint");

        // Numeric dates in each order; ISO whatever the order.
        readRow("5/17/1990", Mdy, "5/17/1990", "5/17/1990");
        readRow("5-17-1990", Mdy, "5/17/1990", "5/17/1990");
        readRow("5.17.1990", Mdy, "5/17/1990", "5/17/1990");
        readRow(" 05/07/1990 ", Mdy, "5/7/1990", "5/7/1990");
        readRow("17/05/1990", Dmy, "5/17/1990", "5/17/1990");
        readRow("1990/5/17", Ymd, "5/17/1990", "5/17/1990");
        readRow("1990-05-17", Mdy, "5/17/1990", "5/17/1990");
        readRow("1990-05-17 ", Dmy, "5/17/1990", "5/17/1990");
        readRow("2/29/2000", Mdy, "2/29/2000", "2/29/2000");
        readRow("1/1/0001", Mdy, "1/1/0001", "1/1/0001");
        readRow("12/31/9999", Mdy, "12/31/9999", "12/31/9999");
        readRow("May 17, 999", Mdy, "5/17/0999", "5/17/0999");
        // A time of day after the date, as spreadsheets write date cells.
        readRow("5/17/1990 0:00", Mdy, "5/17/1990", "5/17/1990");
        readRow("5/17/1990 12:00:00 AM", Mdy, "5/17/1990", "5/17/1990");
        readRow("5/17/1990 11:59 pm", Mdy, "5/17/1990", "5/17/1990");
        readRow("1990-05-17T00:00:00", Mdy, "5/17/1990", "5/17/1990");
        readRow("1990-05-17T23:59:59.123Z", Mdy, "5/17/1990", "5/17/1990");
        readRow("1992-06-30T23:59:60Z", Mdy, "6/30/1992", "6/30/1992"); // a leap second
        readRow("1990-05-17T08:00:00+02:00", Mdy, "5/17/1990", "5/17/1990");
        readRow("1990-05-17 00:00:00", Mdy, "5/17/1990", "5/17/1990");
        // Worded dates.
        readRow("17 May 1990", Mdy, "5/17/1990", "5/17/1990");
        readRow("May 17, 1990", Dmy, "5/17/1990", "5/17/1990");
        readRow("Jan 5, 90", Mdy, "1/5/0090", "1/5/0090");
        readRow("Nov. 12, 1875", Mdy, "11/12/1875", "11/12/1875");
        readRow("DEC. 3, 1866", Mdy, "12/3/1866", "12/3/1866");
        readRow("Feb. 9, 1840.", Mdy, "2/9/1840", "2/9/1840");
        readRow("2 October 1801", Mdy, "10/2/1801", "10/2/1801");
        readRow("14 MAR 1849", Mdy, "3/14/1849", "3/14/1849");
        readRow("Jun. 7 1799", Mdy, "6/7/1799", "6/7/1799");
        readRow("April 16th 1771", Mdy, "4/16/1771", "4/16/1771");
        readRow("the 12th Day of June 1741", Mdy, "6/12/1741", "6/12/1741");
        readRow("Oct the 9th: AD. 1769", Mdy, "10/9/1769", "10/9/1769");
        readRow("4-Mar-1885", Mdy, "3/4/1885", "3/4/1885");
        readRow("Sept 22nd 1800", Mdy, "9/22/1800", "9/22/1800");
        readRow("Febry 3d 1790", Mdy, "2/3/1790", "2/3/1790");
        readRow("Octr. 23d 1799", Mdy, "10/23/1799", "10/23/1799");
        readRow("Decr 1st 1801", Mdy, "12/1/1801", "12/1/1801");
        // Only the right ending for each day.
        readRow("1st May 1800", Mdy, "5/1/1800", "5/1/1800");
        readRow("2nd May 1800", Mdy, "5/2/1800", "5/2/1800");
        readRow("2d May 1800", Mdy, "5/2/1800", "5/2/1800");
        readRow("3rd May 1800", Mdy, "5/3/1800", "5/3/1800");
        readRow("3d May 1800", Mdy, "5/3/1800", "5/3/1800");
        readRow("4th May 1800", Mdy, "5/4/1800", "5/4/1800");
        readRow("11th May 1800", Mdy, "5/11/1800", "5/11/1800");
        readRow("12th May 1800", Mdy, "5/12/1800", "5/12/1800");
        readRow("13th May 1800", Mdy, "5/13/1800", "5/13/1800");
        readRow("21st May 1800", Mdy, "5/21/1800", "5/21/1800");
        readRow("22d May 1800", Mdy, "5/22/1800", "5/22/1800");
        readRow("23rd May 1800", Mdy, "5/23/1800", "5/23/1800");
        readRow("May 31st, 1800", Mdy, "5/31/1800", "5/31/1800");
        readRow("May 10th, 1800", Mdy, "5/10/1800", "5/10/1800");
        readRow("the 2d day of May A.D. 1700", Mdy, "5/2/1700", "5/2/1700");
        readRow("5 June Anno Domini 1750", Mdy, "6/5/1750", "6/5/1750");
        readRow("ye 4th of July 1776", Mdy, "7/4/1776", "7/4/1776");
        // The fillers in their places, once each.
        readRow("the 12 May 1850", Mdy, "5/12/1850", "5/12/1850");
        readRow("12th of May 1850", Mdy, "5/12/1850", "5/12/1850");
        readRow("12 May 1850 A.D.", Mdy, "5/12/1850", "5/12/1850");
        readRow("12 May AD 1850", Mdy, "5/12/1850", "5/12/1850");
        readRow("May the 17th, 1990", Mdy, "5/17/1990", "5/17/1990");
        readRow("May AD 1850", Mdy, "5/1/1850", "5/31/1850");
        readRow("May 1850 Anno Domini", Mdy, "5/1/1850", "5/31/1850");
        // Dual years: the later year.
        // A dual year only arose under the Julian calendar: its days are
        // Julian ones, here as their Gregorian days.
        readRow("1/26/1728/9", Mdy, "2/6/1729", "2/6/1729");
        readRow("Feb 11, 1731/32", Mdy, "2/22/1732", "2/22/1732");
        readRow("11 Feb 1728/1729", Mdy, "2/22/1729", "2/22/1729");
        readRow("11 Feb 1728-29", Mdy, "2/22/1729", "2/22/1729");
        readRow("14 Mar 1456-1457", Mdy, "3/23/1457", "3/23/1457");
        readRow("1728/9", Mdy, "1/12/1729", "1/11/1730");
        readRow("Mar 1699/00", Mdy, "3/12/1700", "4/11/1700");
        // A year alone with its AD.
        readRow("1850 AD", Mdy, "1/1/1850", "12/31/1850");
        readRow("AD 1850", Mdy, "1/1/1850", "12/31/1850");
        readRow("A.D. 1850", Mdy, "1/1/1850", "12/31/1850");
        readRow("Anno Domini 1850.", Mdy, "1/1/1850", "12/31/1850");
        readRow("abt AD 1850", Mdy, "1/1/1850", "12/31/1850", true);
        readRow("AD 1728/9", Mdy, "1/12/1729", "1/11/1730");
        // Inexact dates.
        readRow("1850", Mdy, "1/1/1850", "12/31/1850");
        readRow("May 1850", Mdy, "5/1/1850", "5/31/1850");
        readRow("Feb 1900", Mdy, "2/1/1900", "2/28/1900");
        readRow("abt 1850", Mdy, "1/1/1850", "12/31/1850", true);
        readRow("About May 1850", Mdy, "5/1/1850", "5/31/1850", true);
        readRow("c. 1850", Mdy, "1/1/1850", "12/31/1850", true);
        readRow("c1850", Mdy, "1/1/1850", "12/31/1850", true);
        readRow("ca. 5/17/1990", Mdy, "5/17/1990", "5/17/1990", true);
        readRow("circa 1850", Mdy, "1/1/1850", "12/31/1850", true);
        readRow("est. 1850", Mdy, "1/1/1850", "12/31/1850", true);
        readRow("cal. 1850", Mdy, "1/1/1850", "12/31/1850", true);
        readRow("bef. 1850", Mdy, "", "12/31/1849");
        readRow("before 5/17/1990", Mdy, "", "5/16/1990");
        readRow("aft. 1850", Mdy, "1/1/1851", "");
        readRow("aft. 9999", Mdy, "1/1/10000", "");
        readRow("after May 1850", Mdy, "6/1/1850", "");
        readRow("bet. 1850 and 1855", Mdy, "1/1/1850", "12/31/1855");
        readRow("Between 5/17/1990 & June 1990", Mdy, "5/17/1990", "6/30/1990");
        readRow("1850-1855", Mdy, "1/1/1850", "12/31/1855");
        readRow("1728-1729", Mdy, "1/1/1728", "12/31/1729");

        // Misreadings of the old reading, each refused now.
        refuseRow("12/25/2O20", Mdy, "\"O20\" after 12/25/2 is not understood");
        refuseRow("5/17/1990x", Mdy, "\"x\" after 5/17/1990 is not understood");
        refuseRow("5/17/1990/3", Mdy, "1990/3 is not a dual year");
        refuseRow("5/0/1990", Mdy, "0 is not a day (1 to 31)");
        refuseRow("1//1990", Mdy, "a number is missing");
        refuseRow("5/-1/1990", Mdy, "a number is missing in 5/-1/1990");
        refuseRow("5/5.5/1990", Mdy, "mixes the separators");
        refuseRow("2/30/1990", Mdy, "day 30 is not in February 1990 (1 to 28)");
        refuseRow("2/29/1900", Mdy, "day 29 is not in February 1900");
        refuseRow("5/17/0000", Mdy, "the year 0 is not from 1");
        // A year of five digits or more is a slip or no year at all.
        refuseRow("5/17/19900", Mdy, "19900 has more than four digits, too many for a year");
        refuseRow("5/17/99999", Mdy, "99999 has more than four digits");
        refuseRow("5/17/1000000", Mdy, "1000000 has more than four digits");
        refuseRow("19900-05-17", Mdy, "19900 has more than four digits");
        refuseRow("32980", Mdy, "a bare number such as a spreadsheet's date serial is not a date");
        refuseRow("17 May 19900", Mdy, "19900 has more than four digits");
        refuseRow("May 19900", Mdy, "19900 has more than four digits");
        refuseRow("9999-10000", Mdy, "10000 has more than four digits");
        refuseRow("bet. 1850 and 32980", Mdy, "32980 has more than four digits");
        refuseRow("5/17/12345678901", Mdy, "too long a number");
        // A minus sign before a year is refused, never dropped.
        refuseRow("1 Jan -5", Mdy, "\"-5\" is a year with a minus sign");
        refuseRow("17 May -1990", Dmy, "\"-1990\" is a year with a minus sign");
        refuseRow("May 17, -1990", Mdy, "\"-1990\" is a year with a minus sign");
        refuseRow("May -1990", Mdy, "\"-1990\" is a year with a minus sign");
        // A day-first date under the month-first order, and the other way.
        refuseRow("17/05/1990", Mdy, "17 is not a month (1 to 12); it reads as a date day first", Dmy);
        refuseRow("5/17/1990", Dmy, "17 is not a month (1 to 12); it reads as a date month first", Mdy);
        refuseRow("1990/05/17", Mdy, "1990 is not a month (1 to 12); it reads as a date year first", Ymd);
        refuseRow("13/13/1990", Mdy, "13 is not a month (1 to 12)");
        refuseRow("1990/05/17 0:00", Dmy, "1990 is not a day (1 to 31); it reads as a date year first", Ymd);
        // Times that are not times.
        refuseRow("5/17/1990 25:00", Mdy, "\"25:00\" after 5/17/1990");
        refuseRow("5/17/1990 0:00 AM", Mdy, "after 5/17/1990");
        refuseRow("5/17/1990T0:61", Mdy, "after 5/17/1990");
        refuseRow("5/17", Mdy, "5/17 has no year");
        refuseRow("1990-05", Mdy, "neither two years");
        // Worded texts that are not dates.
        refuseRow("May 5", Mdy, "5 after the month is neither a day with its year");
        refuseRow("May 90", Mdy, "neither a day with its year");
        refuseRow("Smarch 5, 1990", Mdy, "\"Smarch\" is not understood");
        refuseRow("17 May 1990 extra", Mdy, "\"extra\" is not understood");
        refuseRow("May 32, 1990", Mdy, "32 is not a day (1 to 31)");
        refuseRow("Apr 31, 1990", Mdy, "day 31 is not in April 1990 (1 to 30)");
        refuseRow("May 17th, 1990th", Mdy, "1990 is a year, not an ordinal day");
        refuseRow("May 17, 1990.5", Mdy, "\".\" in May 17, 1990.5 is not understood");
        // A GEDCOM phrase and an escape inside a date are no worded date's.
        refuseRow("17 May 1990 (a letter)", Mdy, "\"(\" in 17 May 1990 (a letter) is not understood");
        refuseRow("17 May @#DJULIAN@ 1990", Mdy, "\"@\" in 17 May @#DJULIAN@ 1990 is not understood");
        refuseRow("May June 1990", Mdy, "it names two months");
        refuseRow("5 5 1990", Mdy, "it names no month");
        refuseRow("May 17x, 1990", Mdy, "\"17x\" is not understood");
        refuseRow("1nd May 1800", Mdy, "\"1nd\" has the wrong ending");
        refuseRow("2st May 1800", Mdy, "\"2st\" has the wrong ending");
        refuseRow("3th May 1800", Mdy, "\"3th\" has the wrong ending");
        refuseRow("4st May 1800", Mdy, "\"4st\" has the wrong ending");
        refuseRow("1d May 1800", Mdy, "\"1d\" has the wrong ending");
        refuseRow("4d May 1800", Mdy, "\"4d\" has the wrong ending");
        refuseRow("11st May 1800", Mdy, "\"11st\" has the wrong ending");
        refuseRow("12nd May 1800", Mdy, "\"12nd\" has the wrong ending");
        refuseRow("13rd May 1800", Mdy, "\"13rd\" has the wrong ending");
        refuseRow("13d May 1800", Mdy, "\"13d\" has the wrong ending");
        refuseRow("21th May 1800", Mdy, "\"21th\" has the wrong ending");
        refuseRow("22th May 1800", Mdy, "\"22th\" has the wrong ending");
        refuseRow("May 23th, 1800", Mdy, "\"23th\" has the wrong ending");
        refuseRow("May 30st, 1800", Mdy, "\"30st\" has the wrong ending");
        refuseRow("12 May 1850 the", Mdy, "\"the\" is out of place");
        refuseRow("12 of of May 1850", Mdy, "\"of of\" is out of place");
        refuseRow("day of 12 May 1850", Mdy, "\"day of\" is out of place");
        refuseRow("the the 12 May 1850", Mdy, "\"the the\" is out of place");
        refuseRow("12 day May 1850", Mdy, "\"day\" is out of place");
        refuseRow("12 May of 1850", Mdy, "\"of\" is out of place");
        refuseRow("the May 12 1850", Mdy, "\"the\" is out of place");
        refuseRow("12 the May 1850", Mdy, "\"the\" is out of place");
        refuseRow("May 12 of 1850", Mdy, "\"of\" is out of place");
        refuseRow("AD 12 May 1850", Mdy, "\"AD\" is out of place");
        refuseRow("12 May AD 1850 AD", Mdy, "\"AD\" is out of place");
        refuseRow("12 May A.D. A.D. 1850", Mdy, "\"A.D. A.D.\" is out of place");
        refuseRow("12 May 1850 Anno", Mdy, "\"Anno\" is out of place");
        refuseRow("12 May Domini 1850", Mdy, "\"Domini\" is out of place");
        refuseRow("of May 1850", Mdy, "\"of\" is out of place");
        refuseRow("the May 1850", Mdy, "\"the\" is out of place");
        refuseRow("Mar 1728-29", Mdy, "a dual year only after a day and a month");
        refuseRow("11 Feb 1728-31", Mdy, "1728-31 is not a dual year");
        refuseRow("May 17, 1990 Æ", Mdy, "is not understood");
        // Inexact texts that are not dates.
        refuseRow("AD 90", Mdy, "a year alone has three digits or more");
        refuseRow("AD 1850 AD", Mdy, "\"AD\" is out of place");
        refuseRow("the 1850 AD", Mdy, "\"the\" is out of place");
        refuseRow("AD 1850th", Mdy, "1850 is a year, not an ordinal day");
        refuseRow("1850 AD 1851", Mdy, "it names no month");
        refuseRow("90", Mdy, "a year alone has three digits or more");
        refuseRow("1850-55", Mdy, "a dual year is written 1728/9");
        refuseRow("1855-1850", Mdy, "ends before it begins");
        refuseRow("bet. 1855 and 1850", Mdy, "the second date lies before the first");
        refuseRow("between 1850", Mdy, "two dates joined by \"and\"");
        refuseRow("abt", Mdy, "a date is missing");
        refuseRow("abt.", Mdy, "a date is missing");
        refuseRow("bef 1 Jan 9999 BC", Mdy, "no day of the calendar lies before it");
        refuseRow("aft 99999", Mdy, "99999 has more than four digits");
        refuseRow("", Mdy, "it is empty");
        refuseRow("   ", Mdy, "it is empty");
    }
    void read()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, order);
        QFETCH(QByteArray, earliest);
        QFETCH(QByteArray, latest);
        QFETCH(bool, approximate);
        QFETCH(QByteArray, because);
        QFETCH(int, hint);

        const DateResult reading = readDate(view(text), DateOrder(order));
        if (!because.isEmpty()) {
            QVERIFY2(!reading.ok(), reading ? dateReadingText(*reading).c_str() : "");
            const QByteArray problem = QByteArray::fromStdString(reading.problem().message);
            QVERIFY2(problem.startsWith("\"" + text + "\" is not a date: "), problem.constData());
            QVERIFY2(problem.contains(because), problem.constData());
            QVERIFY2(problem.contains("accepted forms: 5/17/1990") == (hint == NoOrder), problem.constData());
            QCOMPARE(reading.problem().readsInOrder ? int(*reading.problem().readsInOrder) : NoOrder, hint);
            return;
        }
        QVERIFY2(reading.ok(), whyNot(reading));
        QCOMPARE(dayText(reading->days.earliest), earliest);
        QCOMPARE(dayText(reading->days.latest), latest);
        QCOMPARE(reading->approximate, approximate);
        QCOMPARE(reading->exact(), !approximate && !earliest.isEmpty() && earliest == latest);

        // Written back, it reads as the same days, under every order.
        const std::string written = dateReadingText(*reading);
        const DateResult again = readDate(written);
        QVERIFY2(again.ok(), (written + ": " + whyNot(again)).c_str());
        QCOMPARE(again->days.earliest, reading->days.earliest);
        QCOMPARE(again->days.latest, reading->days.latest);
        QCOMPARE(again->approximate, reading->approximate);
    }

    void written_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("day") << QByteArray("1990-05-17") << QByteArray("5/17/1990");
        QTest::newRow("early year") << QByteArray("Jan 5, 90") << QByteArray("1/5/0090");
        QTest::newRow("month") << QByteArray("may 1850") << QByteArray("May 1850");
        QTest::newRow("year") << QByteArray("1850") << QByteArray("1850");
        QTest::newRow("January") << QByteArray("Jan 425") << QByteArray("January 0425");
        QTest::newRow("about December") << QByteArray("abt Dec 1850") << QByteArray("about December 1850");
        QTest::newRow("about") << QByteArray("c. 1850") << QByteArray("about 1850");
        QTest::newRow("before") << QByteArray("bef 1850") << QByteArray("before 1850");
        QTest::newRow("before a day") << QByteArray("bef 5/17/1990") << QByteArray("before 5/17/1990");
        QTest::newRow("after a month") << QByteArray("aft May 1850") << QByteArray("after May 1850");
        QTest::newRow("years") << QByteArray("bet 1850 and 1855") << QByteArray("1850-1855");
        QTest::newRow("about years") << QByteArray("abt 1850-1855") << QByteArray("about 1850-1855");
        QTest::newRow("between") << QByteArray("bet 1850 and May 1855")
                                 << QByteArray("between 1850 and May 1855");
        QTest::newRow("between days") << QByteArray("bet 5/2/1850 and 5/3/1850")
                                      << QByteArray("between 5/2/1850 and 5/3/1850");
        QTest::newRow("early years") << QByteArray("850-900") << QByteArray("0850-0900");
        QTest::newRow("years from before Christ") << QByteArray("bet. 1850BCE and 1855")
                                                  << QByteArray("between 1850 BC and 1855");
        QTest::newRow("years before Christ") << QByteArray("abt bet 44 BC and 40 BC")
                                             << QByteArray("about between 0044 BC and 0040 BC");
    }
    void written()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, written);
        QCOMPARE(QByteArray::fromStdString(dateReadingText(readDate(view(text)).value())), written);
    }
};

QTEST_APPLESS_MAIN(TestDateReader)

#include "tst_datereader.moc"
