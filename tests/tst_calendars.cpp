// Tests of the calendars wherever dates are read: Old Style dual years and
// marks, the GEDCOM escapes outside GEDCOM, Hebrew, French Republican and
// Quaker dates, the switch and the year start, spans across calendars,
// convert, and dual years in GEDCOM files. Reference days are checked two
// independent ways: the Gregorian day that published sources give for the
// event, and the weekday on which those sources say it fell.

#include "resultcheck.h"
#include "calendars/calendardate.h"
#include "calendars/calendars.h"
#include "reading/calendarswitches.h"
#include "convertanswer.h"
#include "reading/datereader.h"
#include "gedcomdate.h"
#include "gedcomrow.h"
#include "calendars/juliancalendar.h"
#include "programrun.h"
#include "spans/resultentries.h"
#include "spancalculation.h"

#include <QProcess>
#include <QTest>

#include <string>
#include <string_view>

using namespace spanwright;

namespace {

std::string_view view(const QByteArray& text)
{
    return std::string_view(text.constData(), static_cast<size_t>(text.size()));
}

QByteArray isoOf(long long dayNumber)
{
    const CalendarDate date = dateOf(Day(dayNumber));
    return QByteArray::fromStdString(std::to_string(date.year) + "-" + (date.month < 10 ? "0" : "")
                                     + std::to_string(date.month) + "-" + (date.day < 10 ? "0" : "")
                                     + std::to_string(date.day));
}

// The reading options of a row: a --switch and a --year-start as the
// command line takes them ("" for none).
DateReadOptions optionsOf(const QByteArray& switchName, bool yearStart)
{
    DateReadOptions options;
    if (!switchName.isEmpty())
        options.calendar.firstGregorianDay = readCalendarSwitch(view(switchName)).value();
    options.calendar.yearBeginsOn25March = yearStart;
    return options;
}

const char* const CalendarNames[] = {"Gregorian", "Julian", "Hebrew", "French Republican", "Swedish"};

} // namespace

class TestCalendars : public QObject
{
    Q_OBJECT

private slots:
    // Events whose day and weekday published sources give, read as their
    // records write them.
    void referenceDays_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("gregorian");
        QTest::addColumn<QByteArray>("weekday");
        QTest::addColumn<QByteArray>("calendar");
        QTest::newRow("Washington born") << QByteArray("11 Feb 1731/32") << QByteArray("1732-02-22")
                                         << QByteArray("Friday") << QByteArray("Julian");
        QTest::newRow("Washington, the dual year short") << QByteArray("Feb. 11, 1731/2, O.S.")
                                                         << QByteArray("1732-02-22") << QByteArray("Friday")
                                                         << QByteArray("Julian");
        QTest::newRow("Franklin born") << QByteArray("6 Jan 1705/06") << QByteArray("1706-01-17")
                                       << QByteArray("Sunday") << QByteArray("Julian");
        QTest::newRow("Franklin, a hyphen") << QByteArray("6 Jan 1705-06") << QByteArray("1706-01-17")
                                            << QByteArray("Sunday") << QByteArray("Julian");
        QTest::newRow("Franklin, numeric") << QByteArray("1/6/1705/6") << QByteArray("1706-01-17")
                                           << QByteArray("Sunday") << QByteArray("Julian");
        QTest::newRow("Rome's last Julian day") << QByteArray("4 Oct 1582 O.S.") << QByteArray("1582-10-14")
                                                << QByteArray("Thursday") << QByteArray("Julian");
        QTest::newRow("Britain's last Julian day") << QByteArray("2 Sep 1752 (Julian)")
                                                   << QByteArray("1752-09-13") << QByteArray("Wednesday")
                                                   << QByteArray("Julian");
        QTest::newRow("October revolution") << QByteArray("25 October 1917 Old Style") << QByteArray("1917-11-07")
                                            << QByteArray("Wednesday") << QByteArray("Julian");
        QTest::newRow("October revolution, escape") << QByteArray("@#DJULIAN@ 25 OCT 1917")
                                                    << QByteArray("1917-11-07") << QByteArray("Wednesday")
                                                    << QByteArray("Julian");
        QTest::newRow("October revolution, escape in lower case") << QByteArray("@#djulian@ 25 oct 1917")
                                                                  << QByteArray("1917-11-07") << QByteArray("Wednesday")
                                                                  << QByteArray("Julian");
        QTest::newRow("October revolution, keyword") << QByteArray("JULIAN 25 OCT 1917")
                                                     << QByteArray("1917-11-07") << QByteArray("Wednesday")
                                                     << QByteArray("Julian");
        QTest::newRow("new style marked") << QByteArray("7 Nov 1917 N.S.") << QByteArray("1917-11-07")
                                          << QByteArray("Wednesday") << QByteArray("Gregorian");
        QTest::newRow("Passover 5708") << QByteArray("15 Nisan 5708") << QByteArray("1948-04-24")
                                       << QByteArray("Saturday") << QByteArray("Hebrew");
        QTest::newRow("Israel declared") << QByteArray("5 Iyar 5708") << QByteArray("1948-05-14")
                                         << QByteArray("Friday") << QByteArray("Hebrew");
        QTest::newRow("Israel declared, code") << QByteArray("@#DHEBREW@ 5 IYR 5708") << QByteArray("1948-05-14")
                                               << QByteArray("Friday") << QByteArray("Hebrew");
        QTest::newRow("Rosh Hashana 5620") << QByteArray("1 Tishri 5620 A.M.") << QByteArray("1859-09-29")
                                           << QByteArray("Thursday") << QByteArray("Hebrew");
        QTest::newRow("Rosh Hashana, Tishrei, month first") << QByteArray("Tishrei 1, 5620")
                                                            << QByteArray("1859-09-29") << QByteArray("Thursday")
                                                            << QByteArray("Hebrew");
        QTest::newRow("18 Brumaire") << QByteArray("18 Brumaire an VIII") << QByteArray("1799-11-09")
                                     << QByteArray("Saturday") << QByteArray("French Republican");
        QTest::newRow("18 Brumaire, no an") << QByteArray("18 Brumaire VIII") << QByteArray("1799-11-09")
                                            << QByteArray("Saturday") << QByteArray("French Republican");
        QTest::newRow("18 Brumaire, code") << QByteArray("@#DFRENCH R@ 18 BRUM 8") << QByteArray("1799-11-09")
                                           << QByteArray("Saturday") << QByteArray("French Republican");
        QTest::newRow("9 Thermidor") << QByteArray("9 thermidor an 2") << QByteArray("1794-07-27")
                                     << QByteArray("Sunday") << QByteArray("French Republican");
        QTest::newRow("le 9 Thermidor") << QByteArray("le 9 thermidor an II") << QByteArray("1794-07-27")
                                        << QByteArray("Sunday") << QByteArray("French Republican");
        QTest::newRow("first day of the Republic") << QByteArray("1er vendémiaire an I") << QByteArray("1792-09-22")
                                                   << QByteArray("Saturday") << QByteArray("French Republican");
        QTest::newRow("Quaker, worded") << QByteArray("3rd day of 11th month 1720") << QByteArray("1721-01-14")
                                        << QByteArray("Tuesday") << QByteArray("Julian");
        QTest::newRow("Quaker, short") << QByteArray("3d 11th mo. 1720") << QByteArray("1721-01-14")
                                       << QByteArray("Tuesday") << QByteArray("Julian");
        QTest::newRow("Quaker, month first") << QByteArray("11th mo. 3, 1720") << QByteArray("1721-01-14")
                                             << QByteArray("Tuesday") << QByteArray("Julian");
        QTest::newRow("Quaker, run together") << QByteArray("3.11mo.1720") << QByteArray("1721-01-14")
                                              << QByteArray("Tuesday") << QByteArray("Julian");
        QTest::newRow("Quaker, bare") << QByteArray("11 mo 3 1720") << QByteArray("1721-01-14")
                                      << QByteArray("Tuesday") << QByteArray("Julian");
        QTest::newRow("Quaker, the 1st month before 25 March") << QByteArray("1st day of 1st month 1720")
                                                               << QByteArray("1721-03-12") << QByteArray("Wednesday")
                                                               << QByteArray("Julian");
        QTest::newRow("Quaker, the 1st month from 25 March") << QByteArray("25th day of 1st month 1720")
                                                             << QByteArray("1720-04-05") << QByteArray("Friday")
                                                             << QByteArray("Julian");
        QTest::newRow("Quaker, the 7th month is September") << QByteArray("10th of 7th mo 1720")
                                                            << QByteArray("1720-09-21") << QByteArray("Saturday")
                                                            << QByteArray("Julian");
        QTest::newRow("Quaker after 1752: January first") << QByteArray("9th day of 11th month 1799")
                                                          << QByteArray("1799-11-09") << QByteArray("Saturday")
                                                          << QByteArray("Gregorian");
    }
    void referenceDays()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, gregorian);
        QFETCH(QByteArray, weekday);
        QFETCH(QByteArray, calendar);
        const DateResult reading = readDate(view(text));
        QVERIFY2(reading.ok(), whyNot(reading));
        QVERIFY(reading->exact());
        QCOMPARE(isoOf(reading->days.earliest->number()), gregorian);
        QCOMPARE(QByteArray(weekdayName(weekdayOf(*reading->days.earliest))), weekday);
        QCOMPARE(QByteArray(CalendarNames[int(reading->calendar)]), calendar);
        // And back: the day in its own calendar is the one written.
        const CalendarDay own = calendarDayOf(reading->calendar, *reading->days.earliest);
        QCOMPARE(dayOf(own).number(), reading->days.earliest->number());
    }

    // The length of French Republican years, as the days from one
    // 1 Vendémiaire to the next: the years 3, 7, 11 and 15 leap as they
    // were kept, from the year 20 the rule the calendar's makers decreed
    // (every fourth year, not the hundredth unless the four hundredth, and
    // not the four thousandth).
    void frenchRepublicanYearLengths_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("days");
        const auto leap = [](int year) {
            if (year < 20)
                return year == 3 || year == 7 || year == 11 || year == 15;
            return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) && year % 4000 != 0;
        };
        QList<int> years;
        for (int year = 1; year <= 40; ++year)
            years << year;
        for (int century : {100, 200, 400, 800, 1200, 2000, 4000, 8000}) {
            for (int year = century - 4; year <= century + 4; ++year)
                years << year;
        }
        for (int year : years)
            QTest::addRow("an %d", year) << year << (leap(year) ? 366 : 365);
    }
    void frenchRepublicanYearLengths()
    {
        QFETCH(int, year);
        QFETCH(int, days);
        const auto newYear = [](int of) {
            const std::string text = "1 vendémiaire an " + std::to_string(of);
            const DateResult reading = readDate(text);
            return reading.ok() && reading->exact() ? reading->days.earliest->number() : 0;
        };
        QVERIFY(newYear(year) != 0 && newYear(year + 1) != 0);
        QCOMPARE(newYear(year + 1) - newYear(year), (long long)days);
        // And the year's own last day: a sixth complementary day in leap years only.
        const DateResult sixth = readDate("6 jour complémentaire an " + std::to_string(year));
        QCOMPARE(sixth.ok(), days == 366);
    }

    // Spans across calendars, under the reading options of the row.
    void spans_data()
    {
        QTest::addColumn<QByteArray>("begin");
        QTest::addColumn<QByteArray>("end");
        QTest::addColumn<QByteArray>("switchName");
        QTest::addColumn<bool>("yearStart");
        QTest::addColumn<QByteArray>("span");
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("Washington") << QByteArray("11 Feb 1731/32") << QByteArray("14 Dec 1799") << QByteArray()
                                    << false << QByteArray("67 Year(s), 9 month(s), 22 day(s)")
                                    << QByteArray("begin: 11 Feb 1731/32 (Julian) = 22 Feb 1732 (Gregorian)");
        QTest::newRow("Franklin") << QByteArray("6 Jan 1705/06") << QByteArray("17 Apr 1790") << QByteArray()
                                  << false << QByteArray("84 Year(s), 3 month(s), 0 day(s)")
                                  << QByteArray("begin: 6 Jan 1705/06 (Julian) = 17 Jan 1706 (Gregorian)");
        // Both Julian: counted in the Julian calendar, where 1700 has a
        // 29 February; converted first, it would be a whole year.
        QTest::newRow("both Julian") << QByteArray("29 Feb 1700 O.S.") << QByteArray("28 Feb 1701 O.S.")
                                     << QByteArray() << false << QByteArray("0 Year(s), 11 month(s), 30 day(s)")
                                     << QByteArray("begin: 29 Feb 1700 (Julian) = 11 Mar 1700 (Gregorian)|"
                                                   "end: 28 Feb 1701 (Julian) = 11 Mar 1701 (Gregorian); the year "
                                                   "counted from 1 January (counted from 25 March, as records "
                                                   "before 1752 often did: 28 Feb 1701/02 (Julian) = 11 Mar 1702 "
                                                   "(Gregorian))");
        QTest::newRow("plain dates stay Gregorian") << QByteArray("1 Jan 1700") << QByteArray("1 Jan 1800")
                                                    << QByteArray() << false
                                                    << QByteArray("100 Year(s), 0 month(s), 0 day(s)") << QByteArray();
        QTest::newRow("GB switch: Julian begin") << QByteArray("1 Jan 1700") << QByteArray("1 Jan 1800")
                                                 << QByteArray("GB") << false
                                                 << QByteArray("99 Year(s), 11 month(s), 21 day(s)")
                                                 << QByteArray("begin: 1 Jan 1700 (Julian) = 11 Jan 1700 (Gregorian)");
        QTest::newRow("GB switch: across the gap") << QByteArray("2 Sep 1752") << QByteArray("14 Sep 1752")
                                                   << QByteArray("US") << false
                                                   << QByteArray("0 Year(s), 0 month(s), 1 day(s)")
                                                   << QByteArray("begin: 2 Sep 1752 (Julian) = 13 Sep 1752 (Gregorian)");
        QTest::newRow("1582 switch") << QByteArray("10/4/1582") << QByteArray("10/15/1582") << QByteArray("1582")
                                     << false << QByteArray("0 Year(s), 0 month(s), 1 day(s)")
                                     << QByteArray("begin: 4 Oct 1582 (Julian) = 14 Oct 1582 (Gregorian)");
        QTest::newRow("year start 25 March") << QByteArray("10 Feb 1720") << QByteArray("21 Feb 1722 N.S.")
                                             << QByteArray("GB") << true
                                             << QByteArray("1 Year(s), 0 month(s), 0 day(s)")
                                             << QByteArray("begin: 10 Feb 1720/21 (Julian) = 21 Feb 1721 (Gregorian)");
        QTest::newRow("year start takes early March") << QByteArray("20 Mar 1720") << QByteArray("31 Mar 1722 N.S.")
                                                      << QByteArray("GB") << true
                                                      << QByteArray("1 Year(s), 0 month(s), 0 day(s)")
                                                      << QByteArray("begin: 20 Mar 1720/21 (Julian) = 31 Mar 1721 (Gregorian)");
        QTest::newRow("year start leaves late March") << QByteArray("26 Mar 1720") << QByteArray("6 Apr 1721 N.S.")
                                                      << QByteArray("GB") << true
                                                      << QByteArray("1 Year(s), 0 month(s), 0 day(s)")
                                                      << QByteArray("begin: 26 Mar 1720 (Julian) = 6 Apr 1720 (Gregorian)");
        QTest::newRow("Hebrew to Gregorian") << QByteArray("15 Nisan 5708") << QByteArray("24 Apr 1949")
                                             << QByteArray() << false << QByteArray("1 Year(s), 0 month(s), 0 day(s)")
                                             << QByteArray("begin: 15 Nisan 5708 (Hebrew) = 24 Apr 1948 (Gregorian)");
        QTest::newRow("about a Julian year, written back") << QByteArray("abt 1700 O.S.") << QByteArray("1/1/1800")
                                                           << QByteArray() << false
                                                           << QByteArray("about: at least 98 Year(s), 11 month(s), 21 day(s), "
                                                                         "at most 99 Year(s), 11 month(s), 21 day(s)")
                                                           << QByteArray("begin: about 1 Jan 1700 to 31 Dec 1700 (Julian) = "
                                                                         "about 11 Jan 1700 to 11 Jan 1701 (Gregorian)");
        QTest::newRow("a month across the switch") << QByteArray("Sep 1752") << QByteArray("1 Oct 1752")
                                                   << QByteArray("GB") << false
                                                   << QByteArray("at least 0 Year(s), 0 month(s), 1 day(s), at most 0 "
                                                                 "Year(s), 0 month(s), 19 day(s)")
                                                   << QByteArray("begin: 1 Sep 1752 (Julian) to 30 Sep 1752 "
                                                                 "(Gregorian) = 12 Sep 1752 to 30 Sep 1752 (Gregorian)");
        // Marked Old Style without a dual year: counted from 1 January, as
        // read, and the count from 25 March said beside it.
        QTest::newRow("Old Style before 25 March, how the year was counted")
            << QByteArray("February 11, 1731 O.S.") << QByteArray("December 14, 1799") << QByteArray() << false
            << QByteArray("68 Year(s), 9 month(s), 22 day(s)")
            << QByteArray("begin: 11 Feb 1731 (Julian) = 22 Feb 1731 (Gregorian); the year counted from 1 January "
                          "(counted from 25 March, as records before 1752 often did: 11 Feb 1731/32 (Julian) = "
                          "22 Feb 1732 (Gregorian))");
        // Legal 1751 ran from 25 March to 31 December: its 24 March is the
        // day before its 25 March, and its 31 December the day before 1752.
        QTest::newRow("legal 1751: 24 to 25 March") << QByteArray("24 Mar 1751") << QByteArray("25 Mar 1751")
                                                    << QByteArray("GB") << true
                                                    << QByteArray("0 Year(s), 0 month(s), 1 day(s)")
                                                    << QByteArray("begin: 24 Mar 1750/51 (Julian) = 4 Apr 1751 "
                                                                  "(Gregorian); the year 1751 as counted from 1 "
                                                                  "January, since the legal year 1751 ran from 25 "
                                                                  "March to 31 December|end: 25 Mar 1751 (Julian) = "
                                                                  "5 Apr 1751 (Gregorian)");
        QTest::newRow("legal 1751: 31 December to 1 January 1752")
            << QByteArray("31 Dec 1751") << QByteArray("1 Jan 1752") << QByteArray("GB") << true
            << QByteArray("0 Year(s), 0 month(s), 1 day(s)")
            << QByteArray("begin: 31 Dec 1751 (Julian) = 11 Jan 1752 (Gregorian)|end: 1 Jan 1752 (Julian) = "
                          "12 Jan 1752 (Gregorian)");
        QTest::newRow("legal 1751 alone: 25 March to 31 December") << QByteArray("1751") << QByteArray("1 Jan 1752")
                                                                   << QByteArray("GB") << true
                                                                   << QByteArray("at least 0 Year(s), 0 month(s), 1 "
                                                                                 "day(s), at most 0 Year(s), 9 "
                                                                                 "month(s), 7 day(s)")
                                                                   << QByteArray("begin: 25 Mar 1751 to 31 Dec 1751 "
                                                                                 "(Julian) = 5 Apr 1751 to 11 Jan "
                                                                                 "1752 (Gregorian)|end: 1 Jan 1752 "
                                                                                 "(Julian) = 12 Jan 1752 "
                                                                                 "(Gregorian)");
        QTest::newRow("Poltava, a Swedish day") << QByteArray("28 Jun 1709") << QByteArray("8 Jul 1709 N.S.")
                                                << QByteArray("SE") << false
                                                << QByteArray("0 Year(s), 0 month(s), 0 day(s)")
                                                << QByteArray("begin: 28 Jun 1709 (Swedish) = 8 Jul 1709 (Gregorian)");
    }
    void spans()
    {
        QFETCH(QByteArray, begin);
        QFETCH(QByteArray, end);
        QFETCH(QByteArray, switchName);
        QFETCH(bool, yearStart);
        QFETCH(QByteArray, span);
        QFETCH(QByteArray, lines);
        const Result<SpanCalculation> calculated
            = calculateSpan(view(begin), view(end), optionsOf(switchName, yearStart));
        QVERIFY2(calculated.ok(), whyNot(calculated));
        const SpanCalculation& calculation = *calculated;
        ResultEntries least;
        least.compose(calculation.span);
        std::string answer(least.entry(Notation::Worded));
        if (!calculation.exact) {
            ResultEntries most;
            most.compose(*calculation.greatest);
            answer = boundsText(answer, std::string(most.entry(Notation::Worded)), calculation.approximate);
        }
        QCOMPARE(QByteArray::fromStdString(answer), span);
        QByteArray written;
        for (const std::string& line : spanCalendarLines(calculation))
            written += (written.isEmpty() ? "" : "|") + QByteArray::fromStdString(line);
        QCOMPARE(written, lines);
    }

    // What is refused, with what was wrong.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("switchName");
        QTest::addColumn<QByteArray>("because");
        QTest::newRow("30 Adar in a common year") << QByteArray("30 Adar 5783") << QByteArray()
                                                  << QByteArray("day 30 is not in Adar 5783");
        QTest::newRow("30 Adar II in a leap year") << QByteArray("30 Adar II 5784") << QByteArray()
                                                     << QByteArray("day 30 is not in Adar II 5784");
        QTest::newRow("Adar alone in a leap year") << QByteArray("14 Adar 5784") << QByteArray()
                                                   << QByteArray("write Adar I or Adar II");
        QTest::newRow("Adar II in a common year") << QByteArray("14 Adar II 5783") << QByteArray()
                                                  << QByteArray("one month of Adar");
        QTest::newRow("29 Feb 1700 New Style") << QByteArray("29 Feb 1700 N.S.") << QByteArray()
                                               << QByteArray("day 29 is not in February 1700 of the Gregorian");
        QTest::newRow("29 Feb 1700 plain") << QByteArray("29 Feb 1700") << QByteArray()
                                           << QByteArray("is not in February 1700");
        QTest::newRow("30 Feb Old Style") << QByteArray("30 Feb 1700 O.S.") << QByteArray()
                                          << QByteArray("day 30 is not in February 1700 of the Julian");
        QTest::newRow("Hebrew marked Old Style") << QByteArray("15 Nisan 5708 O.S.") << QByteArray()
                                                 << QByteArray("Hebrew month, which the mark for the Julian");
        QTest::newRow("French under a Hebrew escape") << QByteArray("@#DHEBREW@ 18 Brumaire 8") << QByteArray()
                                                      << QByteArray("French Republican month, which the mark");
        QTest::newRow("English month under a Hebrew escape") << QByteArray("@#DHEBREW@ 1 JAN 1700") << QByteArray()
                                                             << QByteArray("names no Hebrew month");
        QTest::newRow("two marks") << QByteArray("1 Jan 1700 O.S. (Julian)") << QByteArray()
                                   << QByteArray("two calendar marks");
        QTest::newRow("escape and mark") << QByteArray("@#DJULIAN@ 1 JAN 1700 N.S.") << QByteArray()
                                         << QByteArray("two calendar marks");
        QTest::newRow("dual year marked New Style") << QByteArray("11 Feb 1731/32 N.S.") << QByteArray()
                                                    << QByteArray("dual year is Old Style");
        QTest::newRow("a mark alone") << QByteArray("JULIAN ") << QByteArray() << QByteArray("is not understood");
        QTest::newRow("31 Brumaire") << QByteArray("31 Brumaire an VIII") << QByteArray()
                                     << QByteArray("day 31 is not in Brumaire an VIII of the French");
        QTest::newRow("sixth complementary day of a common year") << QByteArray("6 jour complémentaire an VIII")
                                                                  << QByteArray()
                                                                  << QByteArray("not in jour complémentaire an VIII of the French Republican calendar (1 to 5)");
        QTest::newRow("Roman year written wrong") << QByteArray("18 Brumaire an IIX") << QByteArray()
                                                  << QByteArray("IIX is not a year");
        QTest::newRow("British gap") << QByteArray("8 Sep 1752") << QByteArray("GB")
                                     << QByteArray("8 September 1752 did not exist under the switch: the Julian "
                                                   "calendar ran to 2 September 1752 and the Gregorian began on "
                                                   "14 September 1752");
        QTest::newRow("British gap, numeric") << QByteArray("9/3/1752") << QByteArray("GB")
                                              << QByteArray("did not exist under the switch");
        QTest::newRow("Swedish gap") << QByteArray("20 Feb 1753") << QByteArray("SE")
                                     << QByteArray("ran to 17 February 1753 and the Gregorian began on 1 March 1753");
        QTest::newRow("Russian gap") << QByteArray("1 Feb 1918") << QByteArray("RU")
                                     << QByteArray("ran to 31 January 1918");
        QTest::newRow("Quaker 13th month") << QByteArray("3rd day of 13th month 1720") << QByteArray()
                                           << QByteArray("not one of the 1st to the 12th");
        QTest::newRow("Quaker without a year") << QByteArray("3rd day of 11th month") << QByteArray()
                                               << QByteArray("has no year");
        QTest::newRow("a dual year before Christ") << QByteArray("1731/32 BC") << QByteArray()
                                                   << QByteArray("never one before Christ");
        QTest::newRow("a dual year in June") << QByteArray("10 Jun 1850/51") << QByteArray()
                                             << QByteArray("a dual year belongs only to 1 January to 24 March, and "
                                                           "10 June is not among those days");
        QTest::newRow("a dual year in June, in its years") << QByteArray("11 Jun 1731/32") << QByteArray("GB")
                                                           << QByteArray("11 June is not among those days");
        QTest::newRow("a dual year on Lady Day") << QByteArray("25 Mar 1731/32") << QByteArray()
                                                 << QByteArray("25 March is not among those days");
        QTest::newRow("a dual year after Britain's switch") << QByteArray("10 Feb 1850/51") << QByteArray()
                                                            << QByteArray("a dual year after 1752 is not Britain's");
        QTest::newRow("Swedish 29 Feb 1700, left out") << QByteArray("29 Feb 1700") << QByteArray("SE")
                                                       << QByteArray("day 29 is not in February 1700 of the Swedish "
                                                                     "calendar (1 to 28)");
    }
    void refusals()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, switchName);
        QFETCH(QByteArray, because);
        const DateResult reading = readDate(view(text), optionsOf(switchName, false));
        QVERIFY(!reading.ok());
        QVERIFY2(reading.problem().message.find(view(because)) != std::string::npos, reading.problem().message.c_str());
    }

    // Every entry of the switch table is one day after the other, and the
    // names --switch takes read as documented.
    void switchTable()
    {
        size_t count = 0;
        const CalendarSwitchEntry* entries = calendarSwitchEntries(count);
        QVERIFY(count >= 14);
        for (size_t i = 0; i < count; ++i) {
            const CalendarSwitchEntry& entry = entries[i];
            const long long first = dayOf(
                {CalendarSystem::Gregorian, entry.firstGregorian[0], entry.firstGregorian[1], entry.firstGregorian[2]}).number();
            const long long last = dayOf(
                {CalendarSystem::Julian, entry.lastJulian[0], entry.lastJulian[1], entry.lastJulian[2]}).number();
            QVERIFY2(first == last + 1, entry.codes.data());
            const std::string code(entry.codes.substr(0, entry.codes.find(' ')));
            QCOMPARE(readCalendarSwitch(code).value(), Day(first));
        }
    }
    void switchNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("firstGregorian");
        QTest::addColumn<QByteArray>("because");
        QTest::newRow("GB") << QByteArray("GB") << QByteArray("1752-09-14") << QByteArray();
        QTest::newRow("us, lower case") << QByteArray("us") << QByteArray("1752-09-14") << QByteArray();
        QTest::newRow("1582") << QByteArray("1582") << QByteArray("1582-10-15") << QByteArray();
        QTest::newRow("FR") << QByteArray("FR") << QByteArray("1582-12-20") << QByteArray();
        QTest::newRow("DE") << QByteArray("DE") << QByteArray("1700-03-01") << QByteArray();
        QTest::newRow("SE") << QByteArray("SE") << QByteArray("1753-03-01") << QByteArray();
        QTest::newRow("RU") << QByteArray("RU") << QByteArray("1918-02-14") << QByteArray();
        QTest::newRow("GR") << QByteArray("GR") << QByteArray("1923-03-01") << QByteArray();
        QTest::newRow("a day of its own") << QByteArray("1610-09-02") << QByteArray("1610-09-02") << QByteArray();
        QTest::newRow("not a date") << QByteArray("1752-02-30") << QByteArray() << QByteArray("neither a country");
        QTest::newRow("no country") << QByteArray("XX") << QByteArray() << QByteArray("neither a country");
        QTest::newRow("no day left out") << QByteArray("0250-03-01") << QByteArray()
                                         << QByteArray("leaves no day out");
    }
    void switchNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, firstGregorian);
        QFETCH(QByteArray, because);
        const Result<Day> reading = readCalendarSwitch(view(name));
        if (firstGregorian.isEmpty()) {
            QVERIFY(!reading);
            QVERIFY2(reading.problem().message.find(view(because)) != std::string::npos, reading.problem().message.c_str());
            return;
        }
        QVERIFY2(reading.ok(), whyNot(reading));
        QCOMPARE(isoOf(reading->number()), firstGregorian);
    }

    // The same day in every calendar.
    void convert_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("Washington, Julian with its dual year") << QByteArray("22 Feb 1732") << QByteArray("julian")
                                                               << QByteArray("julian: 11 Feb 1731/32");
        QTest::newRow("no dual year after 24 March") << QByteArray("5 Apr 1732") << QByteArray("julian")
                                                     << QByteArray("julian: 25 Mar 1732");
        QTest::newRow("no dual year from 1752") << QByteArray("12 Jan 1752") << QByteArray("julian")
                                                << QByteArray("julian: 1 Jan 1752");
        QTest::newRow("the century turns") << QByteArray("10 Jan 1700") << QByteArray("julian")
                                           << QByteArray("julian: 31 Dec 1699");
        QTest::newRow("dual year across centuries") << QByteArray("11 Jan 1700") << QByteArray("julian")
                                                    << QByteArray("julian: 1 Jan 1699/1700");
        QTest::newRow("Hebrew from Gregorian") << QByteArray("1948-05-14") << QByteArray("hebrew")
                                               << QByteArray("hebrew: 5 Iyar 5708");
        QTest::newRow("leap year's Adar") << QByteArray("14 Adar II 5784") << QByteArray("gregorian")
                                          << QByteArray("gregorian: 24 Mar 2024");
        QTest::newRow("French Republican") << QByteArray("1799-11-09") << QByteArray("french")
                                           << QByteArray("french: 18 Brumaire an VIII");
        QTest::newRow("weekday") << QByteArray("11 Feb 1731/32") << QByteArray("weekday")
                                 << QByteArray("weekday: Friday");
        QTest::newRow("every calendar but the Republic's out of its use")
            << QByteArray("1948-05-14") << QByteArray()
            << QByteArray("gregorian: 14 May 1948|julian: 1 May 1948|hebrew: 5 Iyar 5708|islamic: 5 Rajab 1367 AH (tabular)|"
                          "persian: 24 Ordibehesht 1327 AP|weekday: Friday");
        QTest::newRow("Julian from Gregorian") << QByteArray("18 Brumaire an VIII") << QByteArray("julian")
                                               << QByteArray("julian: 29 Oct 1799");
        QTest::newRow("a month at both ends") << QByteArray("May 1850") << QByteArray("gregorian")
                                              << QByteArray("gregorian: 1 May 1850 to 31 May 1850");
        QTest::newRow("a month at both ends, weekday") << QByteArray("May 1850") << QByteArray("weekday")
                                                       << QByteArray("weekday: Wednesday to Friday");
        QTest::newRow("complementary day") << QByteArray("1796-09-21") << QByteArray("french")
                                           << QByteArray("french: 5 jour complémentaire an IV");
    }
    void convert()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, to);
        QFETCH(QByteArray, lines);
        const Result<ConvertAnswer> answer = convertDate(view(text), {}, view(to));
        QVERIFY2(answer.ok(), whyNot(answer));
        QByteArray written;
        for (const std::string& line : answer->lines)
            written += (written.isEmpty() ? "" : "|") + QByteArray::fromStdString(line);
        QCOMPARE(written, lines);
    }

    // Every reading written back reads as the same days, marked the same.
    void writtenBack_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("about a Julian year") << QByteArray("ABT JULIAN 1700");
        QTest::newRow("a Julian month") << QByteArray("May 1731 O.S.");
        QTest::newRow("a dual year") << QByteArray("1728/9");
        QTest::newRow("before Christ") << QByteArray("15 Mar 44 BC");
        QTest::newRow("a Hebrew month") << QByteArray("Nisan 5708");
        QTest::newRow("before a Hebrew day") << QByteArray("bef 15 Nisan 5708");
        QTest::newRow("about a French year") << QByteArray("abt @#DFRENCH R@ 8");
    }
    void writtenBack()
    {
        QFETCH(QByteArray, text);
        const DateResult reading = readDate(view(text));
        QVERIFY2(reading.ok(), whyNot(reading));
        const std::string written = dateReadingText(*reading);
        const DateResult again = readDate(written);
        QVERIFY2(again.ok(), whyNot(again));
        QCOMPARE(again->days.earliest, reading->days.earliest);
        QCOMPARE(again->days.latest, reading->days.latest);
        QCOMPARE(again->approximate, reading->approximate);
    }

    // Which calendars a full conversion names: the French Republican one
    // only while it was in use, 22 Sep 1792 to 31 Dec 1805; the Islamic one
    // from its epoch, the Persian one in the years its leap rule is given.
    void convertCalendars_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("names");
        QTest::newRow("the day before the Republic") << QByteArray("21 Sep 1792")
                                                     << QByteArray("gregorian julian hebrew islamic weekday");
        QTest::newRow("its first day") << QByteArray("22 Sep 1792")
                                       << QByteArray("gregorian julian hebrew french islamic weekday");
        QTest::newRow("its last day") << QByteArray("31 Dec 1805")
                                      << QByteArray("gregorian julian hebrew french islamic persian weekday");
        QTest::newRow("the day after") << QByteArray("1 Jan 1806")
                                       << QByteArray("gregorian julian hebrew islamic persian weekday");
        QTest::newRow("the day before the Hijra") << QByteArray("15 Jul 622 O.S.")
                                                  << QByteArray("gregorian julian hebrew weekday");
        QTest::newRow("1 Muharram 1 AH") << QByteArray("16 Jul 622 O.S.")
                                         << QByteArray("gregorian julian hebrew islamic weekday");
        QTest::newRow("the day before Persian 1178") << QByteArray("20 Mar 1799")
                                                     << QByteArray("gregorian julian hebrew french islamic weekday");
        QTest::newRow("1 Farvardin 1178") << QByteArray("21 Mar 1799")
                                          << QByteArray("gregorian julian hebrew french islamic persian weekday");
        QTest::newRow("the last day of Persian 1633") << QByteArray("20 Mar 2255")
                                                      << QByteArray("gregorian julian hebrew islamic persian weekday");
        QTest::newRow("the day after") << QByteArray("21 Mar 2255")
                                       << QByteArray("gregorian julian hebrew islamic weekday");
        QTest::newRow("before the Hebrew epoch") << QByteArray("15 Mar 3800 BC")
                                                 << QByteArray("gregorian julian weekday");
    }
    void convertCalendars()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, names);
        const Result<ConvertAnswer> answer = convertDate(view(text), {});
        QVERIFY2(answer.ok(), whyNot(answer));
        QByteArray written;
        for (const std::string& line : answer->lines)
            written += (written.isEmpty() ? "" : " ") + QByteArray::fromStdString(line.substr(0, line.find(':')));
        QCOMPARE(written, names);
    }

    // GEDCOM dates with a dual year are Julian unless an escape says not.
    void gedcomDualYears_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("earliest");
        QTest::addColumn<bool>("julian");
        QTest::addColumn<bool>("warned");
        QTest::newRow("no escape") << QByteArray("11 FEB 1731/32") << QByteArray("1732-02-22") << true << false;
        QTest::newRow("Julian escape") << QByteArray("@#DJULIAN@ 11 FEB 1731/32") << QByteArray("1732-02-22") << true
                                       << false;
        QTest::newRow("7.0 keyword") << QByteArray("JULIAN 11 FEB 1731/32") << QByteArray("1732-02-22") << true
                                     << false;
        QTest::newRow("Gregorian escape: as written, warned")
            << QByteArray("@#DGREGORIAN@ 11 FEB 1731/32") << QByteArray("1732-02-11") << false << true;
        QTest::newRow("hyphen") << QByteArray("14 FEB 1702-1703") << QByteArray("1703-02-25") << true << false;
        QTest::newRow("year alone") << QByteArray("1611/2") << QByteArray("1612-01-11") << true << false;
        QTest::newRow("lent year") << QByteArray("BET JAN AND FEB 1731/32") << QByteArray("1732-01-12") << true
                                   << false;
        QTest::newRow("plain date stays Gregorian") << QByteArray("11 FEB 1732") << QByteArray("1732-02-11") << false
                                                    << false;
    }
    void gedcomDualYears()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, earliest);
        QFETCH(bool, julian);
        QFETCH(bool, warned);
        const Result<GedcomDate> reading = readGedcomDate(view(text));
        QVERIFY2(reading.ok(), whyNot(reading));
        const GedcomDate& date = *reading;
        QCOMPARE(isoOf(date.days.earliest->number()), earliest);
        QCOMPARE(date.calendar == GedcomDate::Calendar::Julian, julian);
        QCOMPARE(!date.warning.empty(), warned);
    }
    // Plain GEDCOM dates under a switch: Julian before it, the gap refused;
    // escapes and dual years decide for themselves.
    void gedcomSwitch_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("earliest");
        QTest::addColumn<QByteArray>("latest");
        QTest::addColumn<bool>("julian");
        QTest::addColumn<QByteArray>("because");
        QTest::newRow("before the switch") << QByteArray("2 SEP 1752") << QByteArray("1752-09-13")
                                           << QByteArray("1752-09-13") << true << QByteArray();
        QTest::newRow("from the switch") << QByteArray("14 SEP 1752") << QByteArray("1752-09-14")
                                         << QByteArray("1752-09-14") << false << QByteArray();
        QTest::newRow("the gap") << QByteArray("8 SEP 1752") << QByteArray() << QByteArray() << false
                                 << QByteArray("did not exist under the switch");
        QTest::newRow("the month across it") << QByteArray("SEP 1752") << QByteArray("1752-09-12")
                                             << QByteArray("1752-09-30") << false << QByteArray();
        QTest::newRow("a Julian leap day") << QByteArray("29 FEB 1700") << QByteArray("1700-03-11")
                                           << QByteArray("1700-03-11") << true << QByteArray();
        QTest::newRow("the escape decides") << QByteArray("@#DGREGORIAN@ 1 JAN 1700") << QByteArray("1700-01-01")
                                            << QByteArray("1700-01-01") << false << QByteArray();
        QTest::newRow("free text under the switch") << QByteArray("Jan 1, 1700") << QByteArray("1700-01-11")
                                                    << QByteArray("1700-01-11") << true << QByteArray();
        QTest::newRow("a dual year in June") << QByteArray("10 JUN 1731/32") << QByteArray() << QByteArray() << false
                                             << QByteArray("a dual year belongs only to 1 January to 24 March");
        QTest::newRow("a dual year after the switch") << QByteArray("10 FEB 1850/51") << QByteArray() << QByteArray()
                                                      << false << QByteArray("a dual year after 1752");
    }
    void gedcomSwitch()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, earliest);
        QFETCH(QByteArray, latest);
        QFETCH(bool, julian);
        QFETCH(QByteArray, because);
        const Result<GedcomDate> reading = readGedcomDate(view(text), optionsOf("GB", false));
        if (!because.isEmpty()) {
            QVERIFY(!reading.ok());
            const std::string& problem = reading.problem().message;
            QVERIFY2(problem.find(view(because)) != std::string::npos, problem.c_str());
            return;
        }
        QVERIFY2(reading.ok(), whyNot(reading));
        const GedcomDate& date = *reading;
        QCOMPARE(isoOf(date.days.earliest->number()), earliest);
        QCOMPARE(isoOf(date.days.latest->number()), latest);
        QCOMPARE(date.calendar == GedcomDate::Calendar::Julian, julian);
    }

    // Sweden's calendar: every day from 1 March 1700 to 1 March 1712 as
    // Sweden wrote it, walked by its own month lengths (no 29 February 1700,
    // a 30 February 1712) beside the Julian day a day behind it, walked by
    // the Julian ones; the two walks meet again on 1 March 1712.
    void swedishDays()
    {
        const auto length = [](int month, int year, bool swedish) {
            constexpr int Lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            if (month != 2)
                return Lengths[month - 1];
            if (swedish && year == 1712)
                return 30;
            return year % 4 == 0 && !(swedish && year == 1700) ? 29 : 28;
        };
        const auto next = [&](int (&date)[3], bool swedish) {
            if (++date[2] > length(date[1], date[0], swedish)) {
                date[2] = 1;
                if (++date[1] > 12) {
                    date[1] = 1;
                    ++date[0];
                }
            }
        };
        const auto text = [](const int (&date)[3], const char* mark) {
            static const char* const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
            return std::to_string(date[2]) + " " + Months[date[1] - 1] + " " + std::to_string(date[0]) + mark;
        };
        int swedish[3] = {1700, 3, 1};
        int julian[3] = {1700, 2, 29};
        int days = 0;
        for (; swedish[0] != 1712 || swedish[1] != 3; next(swedish, true), next(julian, false), ++days) {
            const DateResult read = readDate(text(swedish, ""), optionsOf("SE", false));
            const DateResult expected = readDate(text(julian, " O.S."));
            QVERIFY2(read.ok(), whyNot(read));
            QVERIFY2(read->days.earliest == expected->days.earliest, text(swedish, "").c_str());
            QCOMPARE(QByteArray(CalendarNames[int(read->calendar)]), QByteArray("Swedish"));
            const CalendarDay back = calendarDayOf(read->calendar, *read->days.earliest);
            QVERIFY2(back.year == swedish[0] && back.month == swedish[1] && back.day == swedish[2],
                     text(swedish, "").c_str());
        }
        QCOMPARE(days, 4384); // 12 years of 365 days, 29 February 1704 and 1708, 29 and 30 February 1712
        QCOMPARE(QByteArray::fromStdString(text(julian, "")), QByteArray("1 Mar 1712"));
        const DateResult after = readDate("1 Mar 1712", optionsOf("SE", false));
        QCOMPARE(after->days.earliest, readDate("1 Mar 1712 O.S.")->days.earliest);
        QCOMPARE(QByteArray(CalendarNames[int(after->calendar)]), QByteArray("Julian"));
    }

    void gedcomRows_data()
    {
        QTest::addColumn<QByteArray>("birth");
        QTest::addColumn<QByteArray>("death");
        QTest::addColumn<QByteArray>("age");
        QTest::addColumn<QByteArray>("warning");
        QTest::newRow("Washington") << QByteArray("11 FEB 1731/32") << QByteArray("14 DEC 1799")
                                    << QByteArray("67 Year(s), 9 month(s), 22 day(s) (Julian date converted to the "
                                                  "Gregorian calendar)")
                                    << QByteArray();
        QTest::newRow("Franklin") << QByteArray("6 JAN 1705/06") << QByteArray("17 APR 1790")
                                  << QByteArray("84 Year(s), 3 month(s), 0 day(s) (Julian date converted to the "
                                                "Gregorian calendar)")
                                  << QByteArray();
        QTest::newRow("Gregorian escape") << QByteArray("@#DGREGORIAN@ 11 FEB 1731/32") << QByteArray("14 DEC 1799")
                                          << QByteArray("67 Year(s), 10 month(s), 3 day(s)")
                                          << QByteArray("birth: a dual year is Old Style");
    }
    void gedcomRows()
    {
        QFETCH(QByteArray, birth);
        QFETCH(QByteArray, death);
        QFETCH(QByteArray, age);
        QFETCH(QByteArray, warning);
        const GedcomRow row = calculateGedcomRow(view(birth), view(death), std::nullopt);
        QCOMPARE(QByteArray::fromStdString(row.ageAtDeath), age);
        QVERIFY(row.error.empty());
        QVERIFY2(QByteArray::fromStdString(row.warning).startsWith(warning), row.warning.c_str());
        QCOMPARE(row.warning.empty(), warning.isEmpty());
    }

    // The installed program: the answer line first, exactly as before, then
    // one line per converted date; bad input refused with status 2.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("span Washington") << QStringList{"span", "11 Feb 1731/32", "14 Dec 1799"} << 0
                                         << QByteArray("67 Year(s), 9 month(s), 22 day(s)\n"
                                                       "begin: 11 Feb 1731/32 (Julian) = 22 Feb 1732 (Gregorian)\n")
                                         << QByteArray();
        QTest::newRow("span plain dates unchanged") << QStringList{"span", "5/10/1950", "3/1/1990"} << 0
                                                    << QByteArray("39 Year(s), 9 month(s), 19 day(s)\n") << QByteArray();
        QTest::newRow("days across the gap") << QStringList{"days", "2 Sep 1752", "14 Sep 1752", "--switch", "GB"}
                                             << 0
                                             << QByteArray("1\nbegin: 2 Sep 1752 (Julian) = 13 Sep 1752 (Gregorian)\n")
                                             << QByteArray();
        QTest::newRow("the gap refused") << QStringList{"span", "8 Sep 1752", "1/1/1800", "--switch", "GB"} << 2
                                         << QByteArray() << QByteArray("did not exist under the switch");
        QTest::newRow("a switch that is not one") << QStringList{"span", "1/1/1700", "1/1/1800", "--switch", "1752"}
                                                  << 2 << QByteArray() << QByteArray("neither a country");
        QTest::newRow("a year start that is not one")
            << QStringList{"span", "1/1/1700", "1/1/1800", "--year-start", "03-24"} << 2 << QByteArray()
            << QByteArray("not a year start");
        QTest::newRow("born from an Old Style death") << QStringList{"born", "14 Dec 1799 O.S.", "1 day"} << 0
                                                      << QByteArray("12/24/1799\nend: 14 Dec 1799 (Julian) = 25 Dec 1799 "
                                                                    "(Gregorian)\nbegin: 13 Dec 1799 (Julian) = "
                                                                    "24 Dec 1799 (Gregorian)\n")
                                                      << QByteArray();
        QTest::newRow("born --each: dates only") << QStringList{"born", "14 Dec 1799 O.S.", "1 day", "--each"} << 0
                                                 << QByteArray("12/24/1799\n") << QByteArray();
        // Ages of Julian records in Julian years, on either side of the
        // days where the calendars drift apart (29 February 1700, 1800 and
        // 1900 Julian), with a switch, an O.S. mark and a dual year.
        const auto julianRow = [](const char* name, QStringList arguments, const char* out) {
            QTest::newRow(name) << arguments << 0 << QByteArray(out) << QByteArray();
        };
        julianRow("born across 1700, a dual year", {"born", "1/26/1728/9", "39 years"},
                  "2/6/1689 through 2/5/1690 (365 dates)\nend: 26 Jan 1728/29 (Julian) = 6 Feb 1729 (Gregorian)\n"
                  "begin: 27 Jan 1688/89 to 26 Jan 1689/90 (Julian) = 6 Feb 1689 to 5 Feb 1690 (Gregorian)\n");
        julianRow("born on 1 Mar 1700 under the switch", {"born", "--switch", "GB", "1 Mar 1700", "1 month", "-x"},
                  "2/11/1700\nend: 1 Mar 1700 (Julian) = 12 Mar 1700 (Gregorian)\n"
                  "begin: 1 Feb 1700 (Julian) = 11 Feb 1700 (Gregorian)\n");
        julianRow("born on 29 Feb 1700 under the switch", {"born", "--switch", "GB", "29 Feb 1700", "1 month", "-x"},
                  "2/8/1700\nend: 29 Feb 1700 (Julian) = 11 Mar 1700 (Gregorian)\n"
                  "begin: 29 Jan 1700 (Julian) = 8 Feb 1700 (Gregorian)\n");
        julianRow("died from 29 Feb 1700 O.S.", {"died", "29 Feb 1700 O.S.", "1 year"},
                  "3/12/1701 through 3/11/1702 (365 dates)\nbegin: 29 Feb 1700 (Julian) = 11 Mar 1700 (Gregorian)\n"
                  "end: 1 Mar 1701 to 28 Feb 1702 (Julian) = 12 Mar 1701 to 11 Mar 1702 (Gregorian)\n");
        julianRow("died on 29 Feb 1800 O.S.", {"died", "29 Jan 1800 O.S.", "1 month", "--exact"},
                  "3/12/1800\nbegin: 29 Jan 1800 (Julian) = 9 Feb 1800 (Gregorian)\n"
                  "end: 29 Feb 1800 (Julian) = 12 Mar 1800 (Gregorian)\n");
        julianRow("died after 1 Mar 1800 O.S.", {"died", "20 Feb 1800 O.S.", "1 year"},
                  "3/4/1801 through 3/3/1802 (365 dates)\nbegin: 20 Feb 1800 (Julian) = 3 Mar 1800 (Gregorian)\n"
                  "end: 20 Feb 1801 to 19 Feb 1802 (Julian) = 4 Mar 1801 to 3 Mar 1802 (Gregorian)\n");
        julianRow("born before 1 Mar 1900 under the switch", {"born", "--switch", "RU", "1 Mar 1900", "1 year"},
                  "3/14/1898 through 3/13/1899 (365 dates)\nend: 1 Mar 1900 (Julian) = 14 Mar 1900 (Gregorian)\n"
                  "begin: 2 Mar 1898 to 1 Mar 1899 (Julian) = 14 Mar 1898 to 13 Mar 1899 (Gregorian)\n");
        julianRow("died after 28 Feb 1900 under the switch", {"died", "--switch", "RU", "28 Feb 1900", "1 month", "-x"},
                  "4/10/1900\nbegin: 28 Feb 1900 (Julian) = 12 Mar 1900 (Gregorian)\n"
                  "end: 28 Mar 1900 (Julian) = 10 Apr 1900 (Gregorian)\n");
        julianRow("died across the switch: Gregorian", {"died", "--switch", "GB", "28 Feb 1752", "1 year", "--range"},
                  "3/10/1753 through 3/9/1754 (365 dates)\nbegin: 28 Feb 1752 (Julian) = 10 Mar 1752 (Gregorian)\n");
        julianRow("span agrees across the switch", {"span", "--switch", "GB", "28 Feb 1752", "10 Mar 1753"},
                  "1 Year(s), 0 month(s), 0 day(s)\nbegin: 28 Feb 1752 (Julian) = 10 Mar 1752 (Gregorian)\n");
        julianRow("narrow: 29 Feb 1700 has 366 birth dates", {"narrow", "--switch", "GB", "29 Feb 1700: 0"},
                  "3/11/1699 through 3/11/1700 (366 dates)\n1. 3/11/1700: 0 years: 3/11/1699 through 3/11/1700 "
                  "(366 dates); date: 29 Feb 1700 (Julian) = 11 Mar 1700 (Gregorian)\n");
        julianRow("narrow: the README's example", {"narrow", "--switch", "GB", "10 Feb 1720: 30", "4 Mar 1750/51: 61"},
                  "3/15/1689 through 2/20/1690 (343 dates)\n1. 2/21/1720: 30 years: 2/21/1689 through 2/20/1690 "
                  "(365 dates); date: 10 Feb 1720 (Julian) = 21 Feb 1720 (Gregorian)\n2. 3/15/1751: 61 years: "
                  "3/15/1689 through 3/14/1690 (365 dates); date: 4 Mar 1750/51 (Julian) = 15 Mar 1751 (Gregorian)\n");
        // An about record first and an exact one: the common window is about.
        julianRow("narrow: an about record marks the window", {"narrow", "--switch", "GB", "abt 10 Feb 1720: 30",
                                                              "10 Feb 1720: 30"},
                  "about: 2/21/1689 through 2/20/1690 (365 dates)\n1. about 2/21/1720: 30 years: about: 2/21/1689 "
                  "through 2/20/1690 (365 dates); date: about 10 Feb 1720 (Julian) = about 21 Feb 1720 (Gregorian)\n"
                  "2. 2/21/1720: 30 years: 2/21/1689 through 2/20/1690 (365 dates); date: 10 Feb 1720 (Julian) = "
                  "21 Feb 1720 (Gregorian)\n");
        // The switch's first Gregorian day is reckoned Gregorian: 30 Jun
        // 1752 to 14 Sep 1752 is 2 months 3 days, from 11 Jul, as 2 Sep is
        // from 30 Jun in Julian days.
        julianRow("died on the switch's first Gregorian day", {"died", "--switch", "GB", "30 Jun 1752",
                                                               "2 months 3 days"},
                  "9/13/1752 through 9/14/1752 (2 dates)\nbegin: 30 Jun 1752 (Julian) = 11 Jul 1752 (Gregorian)\n"
                  "end: 2 Sep 1752 (Julian) to 14 Sep 1752 (Gregorian) = 13 Sep 1752 to 14 Sep 1752 (Gregorian)\n");
        // Ages before AD 1 and to the end of 9999, and days between the
        // window's ends, both ways, as an independent count.
        julianRow("born before Christ", {"born", "1 Jan 5 BC", "10 days"}, "12/22/0006 BC\n");
        julianRow("days to it", {"days", "22 Dec 6 BC", "1 Jan 5 BC"}, "10\n");
        julianRow("died before Christ", {"died", "22 Dec 6 BC", "10 days"}, "1/1/0005 BC\n");
        julianRow("born 30 years before 44 BC", {"born", "1 Jan 44 BC", "30"},
                  "1/2/0075 BC through 1/1/0074 BC (365 dates)\n");
        julianRow("days across the window", {"days", "2 Jan 75 BC", "1 Jan 44 BC"}, "11322\n");
        julianRow("born in BC from AD 5", {"born", "1 Jan 5", "10"}, "1/2/0007 BC through 1/1/0006 BC (365 dates)\n");
        QTest::newRow("no answer after 9999") << QStringList{"died", "1/1/0001", "10000 years"} << 1 << QByteArray()
                                              << QByteArray("no date lies 10000 years after 1/1/0001; nearest: "
                                                            "12/31/9999 gives 9998 Year(s), 11 month(s), 30 day(s), "
                                                            "no date later");
        QTest::newRow("convert --to") << QStringList{"convert", "11 Feb 1731/32", "--to", "gregorian"} << 0
                                      << QByteArray("gregorian: 22 Feb 1732\n") << QByteArray();
        QTest::newRow("convert French out of use") << QStringList{"convert", "1/1/1900", "--to", "french"} << 1
                                                   << QByteArray() << QByteArray("in use from 22 Sep 1792");
        QTest::newRow("convert a bad day") << QStringList{"convert", "30 Adar 5783"} << 2 << QByteArray()
                                           << QByteArray("day 30 is not in Adar 5783");
        QTest::newRow("convert an open date") << QStringList{"convert", "before 1850"} << 2 << QByteArray()
                                              << QByteArray("open on one side");
        QTest::newRow("Poltava under the Swedish switch")
            << QStringList{"convert", "28 Jun 1709", "--switch", "SE"} << 0
            << QByteArray("gregorian: 8 Jul 1709\njulian: 27 Jun 1709\nswedish: 28 Jun 1709\nhebrew: 1 Av 5469\n"
                          "islamic: 29 Rabi al-Thani 1121 AH (tabular)\nweekday: Monday\n")
            << QByteArray();
        QTest::newRow("Sweden's 30 February 1712") << QStringList{"convert", "30 Feb 1712", "--switch", "SE", "--to",
                                                                  "julian"}
                                                   << 0 << QByteArray("julian: 29 Feb 1712\n") << QByteArray();
        QTest::newRow("Quaker 1st month of legal 1751")
            << QStringList{"convert", "12th of 1st month 1751", "--to", "gregorian"} << 0
            << QByteArray("gregorian: 23 Mar 1751\n") << QByteArray();
        QTest::newRow("no legal 10 Feb 1751: read in 1751, said")
            << QStringList{"convert", "10 Feb 1751", "--switch", "GB", "--year-start", "03-25"} << 0
            << QByteArray("gregorian: 21 Feb 1751\njulian: 10 Feb 1750/51\nhebrew: 26 Shevat 5511\n"
                          "islamic: 25 Rabi al-Awwal 1164 AH (tabular)\nweekday: "
                          "Sunday\nnote: the year 1751 as counted from 1 January, since the legal year 1751 ran "
                          "from 25 March to 31 December\n")
            << QByteArray();
        // Lady Day itself begins the legal year; the day before is the old one's last.
        QTest::newRow("year start: 24 March is the legal year's last day")
            << QStringList{"convert", "24 Mar 1720", "--switch", "GB", "--year-start", "03-25"} << 0
            << QByteArray("gregorian: 4 Apr 1721\njulian: 24 Mar 1720/21\nhebrew: 7 Nisan 5481\n"
                          "islamic: 6 Jumada al-Thani 1133 AH (tabular)\nweekday: Friday\n")
            << QByteArray();
        QTest::newRow("year start: 25 March is the legal year's first day")
            << QStringList{"convert", "25 Mar 1720", "--switch", "GB", "--year-start", "03-25"} << 0
            << QByteArray("gregorian: 5 Apr 1720\njulian: 25 Mar 1720\nhebrew: 26 Adar II 5480\n"
                          "islamic: 26 Jumada al-Awwal 1132 AH (tabular)\nweekday: Friday\n")
            << QByteArray();
        QTest::newRow("narrow: a dual year in June refused")
            << QStringList{"narrow", "10 Jun 1850/51: 30"} << 2 << QByteArray()
            << QByteArray("a dual year belongs only to 1 January to 24 March");
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const Run run = runProgram(arguments);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, out);
        QVERIFY2(run.err.contains(err), run.err.constData());
    }
};

QTEST_APPLESS_MAIN(TestCalendars)
#include "tst_calendars.moc"
