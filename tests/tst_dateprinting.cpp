// The printing of dates as a library: single days in each date order, and
// dates as read written back for messages, whose months, years and ranges
// read alike in every order and must stay as they were written.

#include "resultcheck.h"
#include "dateprinting.h"

#include <QTest>

using namespace spanwright;

Q_DECLARE_METATYPE(DateOrder)

class TestDatePrinting : public QObject
{
    Q_OBJECT

private slots:
    void days_data();
    void days();
    void readings_data();
    void readings();
};

void TestDatePrinting::days_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("monthFirst");
    QTest::addColumn<QString>("dayFirst");
    QTest::addColumn<QString>("yearFirst");
    QTest::newRow("a register date") << 1874 << 7 << 1 << "7/1/1874" << "1/7/1874" << "1874-07-01";
    QTest::newRow("October, the 10th") << 1990 << 10 << 10 << "10/10/1990" << "10/10/1990" << "1990-10-10";
    QTest::newRow("October the 5th") << 1990 << 10 << 5 << "10/5/1990" << "5/10/1990" << "1990-10-05";
    QTest::newRow("December the 31st") << 1899 << 12 << 31 << "12/31/1899" << "31/12/1899" << "1899-12-31";
    QTest::newRow("September the 9th") << 1809 << 9 << 9 << "9/9/1809" << "9/9/1809" << "1809-09-09";
    QTest::newRow("the year 50") << 50 << 3 << 3 << "3/3/0050" << "3/3/0050" << "0050-03-03";
    QTest::newRow("the first day") << 1 << 1 << 1 << "1/1/0001" << "1/1/0001" << "0001-01-01";
    QTest::newRow("the last day") << 9999 << 12 << 31 << "12/31/9999" << "31/12/9999" << "9999-12-31";
}

void TestDatePrinting::days()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, monthFirst);
    QFETCH(QString, dayFirst);
    QFETCH(QString, yearFirst);
    const CalendarDate date{year, month, day};
    QCOMPARE(QString::fromStdString(calendarDateTextIn(date, DateOrder::MonthFirst)), monthFirst);
    QCOMPARE(QString::fromStdString(calendarDateTextIn(date, DateOrder::DayFirst)), dayFirst);
    QCOMPARE(QString::fromStdString(calendarDateTextIn(date, DateOrder::YearFirst)), yearFirst);
    // Read back in its order, each is the same day.
    for (const auto& [text, order] : {std::pair{dayFirst, DateOrder::DayFirst}, std::pair{yearFirst, DateOrder::YearFirst}}) {
        const DateResult reading = readDate(text.toStdString(), order);
        QVERIFY2(reading && reading->exact(), qPrintable(text));
        QVERIFY(dateOf(*reading->days.earliest) == date);
    }
}

void TestDatePrinting::readings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<DateOrder>("order");
    QTest::addColumn<QString>("written");
    const DateOrder dmy = DateOrder::DayFirst;
    const DateOrder ymd = DateOrder::YearFirst;
    const DateOrder mdy = DateOrder::MonthFirst;
    QTest::newRow("a month, day first") << "May 1850" << dmy << "May 1850";
    QTest::newRow("a month, year first") << "May 1850" << ymd << "May 1850";
    QTest::newRow("from a day to a month, day first") << "bet 17/5/1850 and Jun 1850" << dmy << "between 17/5/1850 and June 1850";
    QTest::newRow("about a month, day first") << "abt Oct 1850" << dmy << "about October 1850";
    QTest::newRow("a year, day first") << "1850" << dmy << "1850";
    QTest::newRow("years, day first") << "1850-1855" << dmy << "1850-1855";
    QTest::newRow("between months, day first") << "bet May 1850 and Jun 1850" << dmy << "between May 1850 and June 1850";
    QTest::newRow("a day, day first") << "17/5/1990" << dmy << "17/5/1990";
    QTest::newRow("a day, year first") << "17 May 1990" << ymd << "1990-05-17";
    QTest::newRow("a day, month first") << "17 May 1990" << mdy << "5/17/1990";
    QTest::newRow("about a day, day first") << "abt 3/10/1802" << dmy << "about 3/10/1802";
    QTest::newRow("before a day, day first") << "bef 3/10/1802" << dmy << "before 3/10/1802";
    QTest::newRow("after a day, year first") << "aft 3 Oct 1802" << ymd << "after 1802-10-03";
    // A range written back in its shortest words: a side on the first of a
    // month is that month, as month first.
    QTest::newRow("between days, day first") << "bet 3/10/1802 and 17/10/1802" << dmy
                                             << "between 3/10/1802 and 17/10/1802";
    QTest::newRow("between the 1st and a day, day first") << "bet 1/10/1802 and 17/10/1802" << dmy
                                                          << "between October 1802 and 17/10/1802";
    QTest::newRow("between the 1st and a day, month first") << "bet 10/1/1802 and 10/17/1802" << mdy
                                                            << "between October 1802 and 10/17/1802";
}

void TestDatePrinting::readings()
{
    QFETCH(QString, text);
    QFETCH(DateOrder, order);
    QFETCH(QString, written);
    const DateResult reading = readDate(text.toStdString(), order);
    QVERIFY2(reading.ok(), whyNot(reading));
    QCOMPARE(QString::fromStdString(dateReadingTextIn(*reading, order)), written);
    // What is written reads as the same days.
    const DateResult again = readDate(written.toStdString(), order);
    QVERIFY(again && again->days == reading->days);
    QCOMPARE(again->approximate, reading->approximate);
}

QTEST_APPLESS_MAIN(TestDatePrinting)
#include "tst_dateprinting.moc"
