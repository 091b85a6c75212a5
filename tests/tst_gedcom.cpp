// Tests of spanwright-cli gedcom: the GEDCOM date and age grammars, the
// Julian calendar, the stated-age check against a brute-force search, the
// file reader, and whole reports of a hand-made file and of the sample
// files that Debian ships (fetched by the gedcom_samples_fetch test).

#include "agesearch.h"
#include "calendar.h"
#include "exitstatus.h"
#include "gedcomage.h"
#include "gedcomagecheck.h"
#include "gedcomdate.h"
#include "gedcomreport.h"
#include "gedcomrow.h"
#include "juliancalendar.h"

#include <QCalendar>
#include <QDate>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <random>
#include <sstream>

namespace {

long long day(long long year, int month, int dayOfMonth)
{
    return dayNumberOf({year, month, dayOfMonth});
}

// "Y-M-D" of a Gregorian day number, "" for none.
QByteArray dayText(const std::optional<long long>& dayNumber)
{
    if (!dayNumber)
        return {};
    const CalendarDate date = dateOfDayNumber(*dayNumber);
    return QByteArray::number(date.year) + '-' + QByteArray::number(date.month) + '-'
        + QByteArray::number(date.day);
}

struct Report
{
    int status = 0;
    QByteArray out;
    QByteArray warnings;
    GedcomSummary summary;
};

Report report(const QByteArray& input)
{
    Report result;
    QByteArray copy = input; // fmemopen wants a writable buffer
    std::FILE* in = fmemopen(copy.data(), size_t(copy.size()), "rb");
    std::FILE* out = std::tmpfile();
    std::ostringstream warnings;
    result.status = writeGedcomReport(in, out, "test.ged", warnings, result.summary);
    std::rewind(out);
    char block[4096];
    size_t n = 0;
    while ((n = std::fread(block, 1, sizeof block, out)) > 0)
        result.out.append(block, qsizetype(n));
    std::fclose(in);
    std::fclose(out);
    result.warnings = QByteArray::fromStdString(warnings.str());
    return result;
}

Report reportOfFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {-1, {}, {}, {}};
    return report(file.readAll());
}

// The row of an individual by id, without the line end.
QByteArray rowOf(const QByteArray& out, const QByteArray& id)
{
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith(id + ','))
            return line;
    }
    return {};
}

std::optional<std::string_view> optionalText(const QByteArray& text)
{
    if (text == "-")
        return std::nullopt;
    return std::string_view(text.constData(), size_t(text.size()));
}

QByteArray summaryText(const GedcomSummary& s)
{
    return QByteArray::number(s.individuals) + " individuals, " + QByteArray::number(s.agesComputed)
        + " ages; " + QByteArray::number(s.agree) + " agree, " + QByteArray::number(s.disagree)
        + " disagree, " + QByteArray::number(s.cannotCheck) + " cannot check; "
        + QByteArray::number(s.rowsWithErrors) + " errors";
}

// The span between two day numbers by its definition, with the dates and
// month lengths of Qt's calendars rather than the program's: the month
// borrowed is the one before the end month, the begin day no later than its
// last day.
Age independentSpan(long long begin, long long end, const QCalendar& calendar)
{
    constexpr long long JulianDayOfDayZero = 1721426; // 1 January of year 1, Gregorian
    const QCalendar::YearMonthDay b = calendar.partsFromDate(QDate::fromJulianDay(begin + JulianDayOfDayZero));
    const QCalendar::YearMonthDay e = calendar.partsFromDate(QDate::fromJulianDay(end + JulianDayOfDayZero));
    Age age{e.year - b.year, e.month - b.month, e.day - b.day};
    if (age.days < 0) {
        const int borrowed = e.month > 1 ? calendar.daysInMonth(e.month - 1, e.year) : calendar.daysInMonth(12, e.year - 1);
        age.days = e.day + borrowed - std::min(b.day, borrowed);
        --age.months;
    }
    if (age.months < 0) {
        age.months += 12;
        --age.years;
    }
    return age;
}

// Where a birth and a death lie against the stated ages (an age in days
// alone counts the days): -1 too short, 1 too long, 0 one of them.
int independentOrder(long long birth, long long death, const StatedAge& stated, const QCalendar& calendar)
{
    if (birth > death)
        return -1;
    const Age span = independentSpan(birth, death, calendar);
    const auto order = [&](const Age& bound) {
        const long long a = bound.years == 0 && bound.months == 0 ? death - birth : (span.years * 12 + span.months) * 100 + span.days;
        const long long b = bound.years == 0 && bound.months == 0 ? bound.days : (bound.years * 12 + bound.months) * 100 + bound.days;
        return a < b ? -1 : a > b ? 1 : 0;
    };
    if (stated.least && (order(*stated.least) < 0 || (order(*stated.least) == 0 && stated.leastExcluded)))
        return -1;
    if (stated.greatest && (order(*stated.greatest) > 0 || (order(*stated.greatest) == 0 && stated.greatestExcluded)))
        return 1;
    return 0;
}

// The distance of a stated age from the dates, by its definition in
// gedcomagecheck.h: every pair of days, the birth moved one day at a time.
// -1 when the stated age agrees.
long long bruteDistance(long long birthFirst, long long birthLast, long long deathFirst, long long deathLast,
                        const StatedAge& stated, bool julian)
{
    const QCalendar calendar(julian ? QCalendar::System::Julian : QCalendar::System::Gregorian);
    const auto compare = [&](long long birth, long long death) {
        return independentOrder(birth, death, stated, calendar);
    };
    long long best = -1;
    for (long long death = deathFirst; death <= deathLast; ++death) {
        for (long long birth = birthFirst; birth <= std::min(birthLast, death); ++birth) {
            const int order = compare(birth, death);
            if (order == 0)
                return -1;
            const int step = order > 0 ? 1 : -1; // too long: a later birth
            long long moved = birth + step;
            while (compare(moved, death) == order)
                moved += step;
            const long long distance = (moved - birth) * step;
            best = best < 0 ? distance : std::min(best, distance);
        }
    }
    return best;
}

} // namespace

class TestGedcom : public QObject
{
    Q_OBJECT

private slots:
    void dateGrammar_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("earliest");
        QTest::addColumn<QByteArray>("latest"); // "!" and a piece of the reason when refused
        QTest::addColumn<bool>("approximate");
        QTest::addColumn<int>("calendar");

        const int gregorian = int(GedcomDate::Calendar::Gregorian);
        const int julian = int(GedcomDate::Calendar::Julian);
        const int mixed = int(GedcomDate::Calendar::Mixed);
        QTest::newRow("day") << QByteArray("5 MAY 1900") << QByteArray("1900-5-5") << QByteArray("1900-5-5") << false << gregorian;
        QTest::newRow("lower case, blanks") << QByteArray("  5  may  1900 ") << QByteArray("1900-5-5") << QByteArray("1900-5-5") << false << gregorian;
        QTest::newRow("month") << QByteArray("FEB 1900") << QByteArray("1900-2-1") << QByteArray("1900-2-28") << false << gregorian;
        QTest::newRow("leap month") << QByteArray("FEB 2000") << QByteArray("2000-2-1") << QByteArray("2000-2-29") << false << gregorian;
        QTest::newRow("year") << QByteArray("1850") << QByteArray("1850-1-1") << QByteArray("1850-12-31") << false << gregorian;
        QTest::newRow("ABT") << QByteArray("ABT 1850") << QByteArray("1850-1-1") << QByteArray("1850-12-31") << true << gregorian;
        QTest::newRow("CAL") << QByteArray("CAL MAR 1850") << QByteArray("1850-3-1") << QByteArray("1850-3-31") << true << gregorian;
        QTest::newRow("EST") << QByteArray("EST 2 MAR 1850") << QByteArray("1850-3-2") << QByteArray("1850-3-2") << true << gregorian;
        QTest::newRow("BEF leaves the date out") << QByteArray("BEF 1900") << QByteArray() << QByteArray("1899-12-31") << false << gregorian;
        QTest::newRow("AFT leaves the date out") << QByteArray("AFT MAR 1900") << QByteArray("1900-4-1") << QByteArray() << false << gregorian;
        QTest::newRow("TO takes it in") << QByteArray("TO 1900") << QByteArray() << QByteArray("1900-12-31") << false << gregorian;
        QTest::newRow("FROM takes it in") << QByteArray("FROM 1900") << QByteArray("1900-1-1") << QByteArray() << false << gregorian;
        QTest::newRow("BET") << QByteArray("BET 1899 AND MAR 1905") << QByteArray("1899-1-1") << QByteArray("1905-3-31") << false << gregorian;
        QTest::newRow("FROM TO") << QByteArray("FROM 5 MAY 1800 TO 1802") << QByteArray("1800-5-5") << QByteArray("1802-12-31") << false << gregorian;
        QTest::newRow("INT") << QByteArray("INT 5 MAY 1900 (from a letter)") << QByteArray("1900-5-5") << QByteArray("1900-5-5") << false << gregorian;
        QTest::newRow("dual year") << QByteArray("11 FEB 1731/32") << QByteArray("1732-2-11") << QByteArray("1732-2-11") << false << gregorian;
        QTest::newRow("dual century") << QByteArray("1699/00") << QByteArray("1700-1-1") << QByteArray("1700-12-31") << false << gregorian;
        QTest::newRow("Gregorian escape") << QByteArray("@#DGREGORIAN@ 1 JAN 1700") << QByteArray("1700-1-1") << QByteArray("1700-1-1") << false << gregorian;
        // Julian dates as Gregorian day numbers: ten days behind until the
        // Julian leap day of 1700, eleven after it.
        QTest::newRow("Julian") << QByteArray("@#DJULIAN@ 1 JAN 1700") << QByteArray("1700-1-11") << QByteArray("1700-1-11") << false << julian;
        QTest::newRow("Julian leap day") << QByteArray("@#DJULIAN@ 29 FEB 1700") << QByteArray("1700-3-11") << QByteArray("1700-3-11") << false << julian;
        QTest::newRow("Julian reform") << QByteArray("@#DJULIAN@ 4 OCT 1582") << QByteArray("1582-10-14") << QByteArray("1582-10-14") << false << julian;
        QTest::newRow("mixed range") << QByteArray("BET @#DJULIAN@ 1700 AND 1710") << QByteArray("1700-1-11") << QByteArray("1710-12-31") << false << mixed;
        QTest::newRow("weekday form") << QByteArray("Tuesday, 9th November 1841") << QByteArray("1841-11-9") << QByteArray("1841-11-9") << false << gregorian;
        QTest::newRow("ordinals") << QByteArray("1st JAN 1900") << QByteArray("1900-1-1") << QByteArray("1900-1-1") << false << gregorian;

        QTest::newRow("wrong weekday") << QByteArray("Monday, 9th November 1841") << QByteArray() << QByteArray("!a Tuesday") << false << 0;
        QTest::newRow("no such day") << QByteArray("29 FEB 1900") << QByteArray() << QByteArray("!has 28 days") << false << 0;
        QTest::newRow("day 0") << QByteArray("0 MAR 1900") << QByteArray() << QByteArray("!has 31 days") << false << 0;
        QTest::newRow("Julian day not Gregorian") << QByteArray("@#DJULIAN@ 30 FEB 1700") << QByteArray() << QByteArray("!has 29 days") << false << 0;
        QTest::newRow("B.C.") << QByteArray("44 B.C.") << QByteArray() << QByteArray("!B.C.") << false << 0;
        QTest::newRow("Hebrew") << QByteArray("@#DHEBREW@ 1 TSH 5600") << QByteArray() << QByteArray("!not supported") << false << 0;
        QTest::newRow("French, with its blank") << QByteArray("@#DFRENCH R@ 1 VEND 10") << QByteArray() << QByteArray("!@#DFRENCH R@") << false << 0;
        QTest::newRow("phrase") << QByteArray("(in the war)") << QByteArray() << QByteArray("!phrase") << false << 0;
        QTest::newRow("unknown month") << QByteArray("5 FOO 1900") << QByteArray() << QByteArray("!\"FOO\" is not a month") << false << 0;
        QTest::newRow("bad dual year") << QByteArray("1731/35") << QByteArray() << QByteArray("!dual year") << false << 0;
        QTest::newRow("year 0") << QByteArray("0") << QByteArray() << QByteArray("!year") << false << 0;
        QTest::newRow("BET without AND") << QByteArray("BET 1900 1910") << QByteArray() << QByteArray("!without AND") << false << 0;
        QTest::newRow("BET backwards") << QByteArray("BET 1910 AND 1900") << QByteArray() << QByteArray("!before the first") << false << 0;
        QTest::newRow("escape before ABT") << QByteArray("@#DJULIAN@ ABT 1700") << QByteArray() << QByteArray("!the calendar escape goes after ABT") << false << 0;
        QTest::newRow("escape before BET") << QByteArray("@#DJULIAN@ BET 1700 AND 1710") << QByteArray() << QByteArray("!goes after BET") << false << 0;
        QTest::newRow("long value, quoted short") << QByteArray("5 MAY " + QByteArray(5000, '9')) << QByteArray() << QByteArray("!is not a year") << false << 0;
        QTest::newRow("too many parts") << QByteArray("1 2 MAR 1900") << QByteArray() << QByteArray("!not a date") << false << 0;
        QTest::newRow("keyword alone") << QByteArray("ABT") << QByteArray() << QByteArray("!missing") << false << 0;
        QTest::newRow("empty") << QByteArray("") << QByteArray() << QByteArray("!no date") << false << 0;
    }

    void dateGrammar()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, earliest);
        QFETCH(QByteArray, latest);
        QFETCH(bool, approximate);
        QFETCH(int, calendar);
        const GedcomDate date = readGedcomDate(text.toStdString());
        if (latest.startsWith('!')) {
            QVERIFY2(!date.ok, text.constData());
            QVERIFY2(QByteArray::fromStdString(date.problem).contains(latest.mid(1)), date.problem.c_str());
            constexpr size_t LongestProblem = 200; // the value is quoted as an excerpt
            QVERIFY2(date.problem.size() <= LongestProblem, date.problem.c_str());
            return;
        }
        QVERIFY2(date.ok, date.problem.c_str());
        QCOMPARE(dayText(date.earliest), earliest);
        QCOMPARE(dayText(date.latest), latest);
        QCOMPARE(date.approximate, approximate);
        QCOMPARE(int(date.calendar), calendar);
    }

    void ageGrammar_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected"); // least, greatest; "(" or ")" when excluded; "!" refused

        QTest::newRow("full") << QByteArray("79y 9m 29d") << QByteArray("79/9/29 79/9/29");
        QTest::newRow("years") << QByteArray("79y") << QByteArray("79/0/0 79/0/0");
        QTest::newRow("months and days") << QByteArray("9m 2d") << QByteArray("0/9/2 0/9/2");
        QTest::newRow("upper case") << QByteArray("79Y 9M") << QByteArray("79/9/0 79/9/0");
        QTest::newRow("less than") << QByteArray("< 1y") << QByteArray("0/0/0 1/0/0)");
        QTest::newRow("less than, no blank") << QByteArray("<1y") << QByteArray("0/0/0 1/0/0)");
        QTest::newRow("more than") << QByteArray("> 70y") << QByteArray("(70/0/0 -");
        QTest::newRow("CHILD") << QByteArray("CHILD") << QByteArray("0/0/0 8/0/0)");
        QTest::newRow("INFANT") << QByteArray("infant") << QByteArray("0/0/0 1/0/0)");
        QTest::newRow("STILLBORN") << QByteArray("STILLBORN") << QByteArray("0/0/0 0/0/0");
        QTest::newRow("worded") << QByteArray("aged 79 years, 9 months, 29 days") << QByteArray("79/9/29 79/9/29");
        QTest::newRow("result entry") << QByteArray("39 Year(s), 9 month(s), 19 day(s)") << QByteArray("39/9/19 39/9/19");
        QTest::newRow("numeric") << QByteArray("9/19/39") << QByteArray("39/9/19 39/9/19");
        QTest::newRow("bare number") << QByteArray("23") << QByteArray("23/0/0 23/0/0");
        QTest::newRow("words") << QByteArray("eighty or so") << QByteArray("!");
        QTest::newRow("four numeric parts") << QByteArray("1.2.3.4") << QByteArray("!");
        QTest::newRow("fraction") << QByteArray("1.5y") << QByteArray("!");
        QTest::newRow("sign") << QByteArray("-5y") << QByteArray("!");
        QTest::newRow("bound alone") << QByteArray("<") << QByteArray("!");
        QTest::newRow("empty") << QByteArray("") << QByteArray("!");
    }

    void ageGrammar()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        const StatedAge stated = readStatedAge(text.toStdString());
        if (expected == "!") {
            QVERIFY(!stated.ok);
            QVERIFY(!stated.problem.empty());
            return;
        }
        QVERIFY2(stated.ok, stated.problem.c_str());
        const auto bound = [](const std::optional<Age>& age) {
            return age ? QByteArray::number(age->years) + '/' + QByteArray::number(age->months) + '/'
                    + QByteArray::number(age->days)
                       : QByteArray("-");
        };
        const QByteArray actual = (stated.leastExcluded ? "(" : "") + bound(stated.least) + ' '
            + bound(stated.greatest) + (stated.greatestExcluded ? ")" : "");
        QCOMPARE(actual, expected);
    }

    void julianCalendar()
    {
        // Every Julian day of four centuries goes to a day number and back,
        // one day after the one before.
        long long previous = julianDayNumberOf({1599, 12, 31});
        for (long long year = 1600; year < 2000; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int d = 1; d <= julianMonthLength(month, year); ++d) {
                    const long long number = julianDayNumberOf({year, month, d});
                    QCOMPARE(number, previous + 1);
                    QVERIFY(julianDateOfDayNumber(number) == CalendarDate({year, month, d}));
                    previous = number;
                }
            }
        }
        QCOMPARE(julianMonthLength(2, 1900), 29);
        QCOMPARE(julianMonthLength(2, 1901), 28);
        // The Julian span borrows a 29-day February in 1700; the Gregorian
        // one 28 days.
        const Span span = elapsedJulianSpan({1700, 1, 15}, {1700, 3, 1});
        QCOMPARE(span.Months, 1.0);
        QCOMPARE(span.Days, 15.0);
    }

    void statedAgeCheck_data()
    {
        QTest::addColumn<QByteArray>("birth"); // "-" for none
        QTest::addColumn<QByteArray>("death");
        QTest::addColumn<QByteArray>("age");
        QTest::addColumn<QByteArray>("check");
        QTest::addColumn<QByteArray>("bornFrom");

        QTest::newRow("agrees") << QByteArray("10 MAY 1950") << QByteArray("1 MAR 1990") << QByteArray("39y 9m 19d") << QByteArray("agrees") << QByteArray("5/10/1950 through 5/10/1950");
        QTest::newRow("birth too early") << QByteArray("1 OCT 1824") << QByteArray("3 AUG 1904") << QByteArray("79y 9m 29d") << QByteArray("disagrees by 4 day(s)") << QByteArray("10/5/1824 through 10/5/1824");
        QTest::newRow("birth too late") << QByteArray("10 OCT 1824") << QByteArray("3 AUG 1904") << QByteArray("79y 9m 29d") << QByteArray("disagrees by 5 day(s)") << QByteArray("10/5/1824 through 10/5/1824");
        QTest::newRow("four birth dates") << QByteArray("30 JAN 1990") << QByteArray("1 MAR 1990") << QByteArray("1m 1d") << QByteArray("agrees") << QByteArray("1/28/1990 through 1/31/1990");
        // No birth gives 1 year 29 days at 1 MAR 1990: 1 FEB 1989 gives
        // 1 year 1 month, 2 FEB 1989 gives 1 year 27 days.
        QTest::newRow("age between two days, from after") << QByteArray("2 FEB 1989") << QByteArray("1 MAR 1990") << QByteArray("1y 0m 29d") << QByteArray("disagrees by 1 day(s)") << QByteArray("none");
        QTest::newRow("age between two days, from before") << QByteArray("1 FEB 1989") << QByteArray("1 MAR 1990") << QByteArray("1y 0m 29d") << QByteArray("disagrees by 1 day(s)") << QByteArray("none");
        // No death in the range gives 1 month from these births: 28 FEB
        // gives less, 1 MAR more; the nearest birth is on the one side or
        // the other.
        QTest::newRow("skipped age, nearer at the later death") << QByteArray("31 JAN 1990") << QByteArray("BET 28 FEB 1990 AND 1 MAR 1990") << QByteArray("1m") << QByteArray("disagrees by 1 day(s)") << QByteArray();
        QTest::newRow("skipped age, nearer at the earlier death") << QByteArray("29 JAN 1990") << QByteArray("BET 28 FEB 1990 AND 1 MAR 1990") << QByteArray("1m") << QByteArray("disagrees by 1 day(s)") << QByteArray();
        QTest::newRow("days alone count days") << QByteArray("31 JAN 1990") << QByteArray("1 MAR 1990") << QByteArray("29d") << QByteArray("agrees") << QByteArray("1/31/1990 through 1/31/1990");
        QTest::newRow("days beyond a month") << QByteArray("1 JAN 1900") << QByteArray("15 FEB 1900") << QByteArray("45d") << QByteArray("agrees") << QByteArray("1/1/1900 through 1/1/1900");
        QTest::newRow("days beside years") << QByteArray("1 JAN 1900") << QByteArray("15 FEB 1901") << QByteArray("1y 45d") << QByteArray("cannot check: no span has more than 30 days beside years or months") << QByteArray("none");
        QTest::newRow("year range agrees") << QByteArray("1850") << QByteArray("1900") << QByteArray("50y 11m 30d") << QByteArray("agrees") << QByteArray();
        QTest::newRow("year range, age too long") << QByteArray("1850") << QByteArray("1900") << QByteArray("51y") << QByteArray("disagrees by 1 day(s)") << QByteArray();
        QTest::newRow("year range, age too short") << QByteArray("1850") << QByteArray("1900") << QByteArray("48y 11m 30d") << QByteArray("disagrees by 2 day(s)") << QByteArray();
        QTest::newRow("death range") << QByteArray("15 MAR 1850") << QByteArray("BET 1900 AND 1901") << QByteArray("50y 9m 16d") << QByteArray("agrees") << QByteArray();
        QTest::newRow("under a year") << QByteArray("1 JAN 1900") << QByteArray("31 DEC 1900") << QByteArray("< 1y") << QByteArray("agrees") << QByteArray("1/1/1900 through 12/31/1900");
        QTest::newRow("a year is not under a year") << QByteArray("1 JAN 1900") << QByteArray("1 JAN 1901") << QByteArray("INFANT") << QByteArray("disagrees by 1 day(s)") << QByteArray("1/2/1900 through 1/1/1901");
        QTest::newRow("more than") << QByteArray("2 JUN 1830") << QByteArray("1 JUN 1900") << QByteArray("> 70y") << QByteArray("disagrees by 2 day(s)") << QByteArray("on or before 5/31/1830");
        QTest::newRow("stillborn") << QByteArray("3 MAR 1900") << QByteArray("4 MAR 1900") << QByteArray("STILLBORN") << QByteArray("disagrees by 1 day(s)") << QByteArray("3/4/1900 through 3/4/1900");
        QTest::newRow("Julian") << QByteArray("@#DJULIAN@ 15 JAN 1700") << QByteArray("@#DJULIAN@ 1 MAR 1700") << QByteArray("1m 15d") << QByteArray("agrees") << QByteArray("1/15/1700 through 1/15/1700 (Julian)");
        // A Julian date beside a Gregorian one: the check and the birth
        // dates in the Gregorian calendar (Julian 1 JAN 1700 is Gregorian
        // 11 JAN 1700, Julian 1 JAN 1701 Gregorian 12 JAN 1701).
        QTest::newRow("Julian death, Gregorian birth") << QByteArray("11 JAN 1700") << QByteArray("@#DJULIAN@ 1 JAN 1701") << QByteArray("1y") << QByteArray("disagrees by 1 day(s)") << QByteArray("1/12/1700 through 1/12/1700 (Gregorian)");
        QTest::newRow("Julian birth, Gregorian death") << QByteArray("@#DJULIAN@ 1 JAN 1700") << QByteArray("1 JAN 1701") << QByteArray("1y") << QByteArray("disagrees by 10 day(s)") << QByteArray("1/1/1700 through 1/1/1700 (Gregorian)");
        QTest::newRow("mixed agrees") << QByteArray("@#DJULIAN@ 22 DEC 1699") << QByteArray("1 JAN 1701") << QByteArray("1y") << QByteArray("agrees") << QByteArray("1/1/1700 through 1/1/1700 (Gregorian)");
        // A date open at the far end sets no greatest age.
        QTest::newRow("open death, long age") << QByteArray("1 JAN 1800") << QByteArray("AFT 1850") << QByteArray("900y 11m 30d") << QByteArray("cannot check: the death date is open-ended") << QByteArray();
        QTest::newRow("open birth, long age") << QByteArray("BEF 1800") << QByteArray("5 JAN 1870") << QByteArray("200y") << QByteArray("cannot check: the birth date is open-ended") << QByteArray("1/5/1670 through 1/5/1670");
        QTest::newRow("open death, short age") << QByteArray("1 JAN 1850") << QByteArray("FROM 1900") << QByteArray("49y") << QByteArray("disagrees by 365 day(s)") << QByteArray();
        QTest::newRow("open birth, short age") << QByteArray("TO 1800") << QByteArray("1 JAN 1850") << QByteArray("49y") << QByteArray("disagrees by 1 day(s)") << QByteArray("1/1/1801 through 1/1/1801");
        QTest::newRow("open towards the other date") << QByteArray("AFT 1850") << QByteArray("1 JAN 1900") << QByteArray("10y") << QByteArray("agrees") << QByteArray("1/1/1890 through 1/1/1890");
        QTest::newRow("no birth") << QByteArray("-") << QByteArray("3 AUG 1904") << QByteArray("79y 9m 29d") << QByteArray("cannot check: no birth date") << QByteArray("10/5/1824 through 10/5/1824");
        QTest::newRow("no death") << QByteArray("1 JAN 1800") << QByteArray("-") << QByteArray("79y") << QByteArray("cannot check: no death date") << QByteArray();
        QTest::newRow("approximate") << QByteArray("ABT 1850") << QByteArray("12 JUN 1900") << QByteArray("50y") << QByteArray("cannot check: the birth date is approximate") << QByteArray("6/12/1850 through 6/12/1850");
        QTest::newRow("unreadable birth") << QByteArray("(unknown)") << QByteArray("12 JUN 1900") << QByteArray("50y") << QByteArray("cannot check: the birth date cannot be read") << QByteArray("6/12/1850 through 6/12/1850");
        QTest::newRow("unreadable age") << QByteArray("1850") << QByteArray("12 JUN 1900") << QByteArray("fifty or so") << QByteArray("cannot check: the stated age cannot be read") << QByteArray();
        QTest::newRow("death before birth") << QByteArray("1900") << QByteArray("1899") << QByteArray("1y") << QByteArray("cannot check: the death date lies before the birth date") << QByteArray();
        QTest::newRow("no stated age") << QByteArray("1850") << QByteArray("1900") << QByteArray("-") << QByteArray() << QByteArray();
    }

    void statedAgeCheck()
    {
        QFETCH(QByteArray, birth);
        QFETCH(QByteArray, death);
        QFETCH(QByteArray, age);
        QFETCH(QByteArray, check);
        QFETCH(QByteArray, bornFrom);
        const GedcomRow row = calculateGedcomRow(optionalText(birth), optionalText(death), optionalText(age));
        QCOMPARE(QByteArray::fromStdString(row.statedAgeCheck), check);
        QCOMPARE(QByteArray::fromStdString(row.bornFromStatedAge), bornFrom);
    }

    // The searches of checkStatedAge against every pair of days, for random
    // dates of up to a few weeks' width, ages near and far, both calendars.
    void checkAgainstBruteForce()
    {
        std::mt19937_64 random(7);
        const auto pick = [&](long long low, long long high) {
            return std::uniform_int_distribution<long long>(low, high)(random);
        };
        for (int i = 0; i < 2000; ++i) {
            const bool julian = pick(0, 3) == 0;
            const GedcomSpanCalendar calendar(julian);
            GedcomDate birth;
            birth.ok = true;
            birth.earliest = day(1899, 11, 1) + pick(0, 120);
            if (pick(0, 2) == 0) { // the end of a month, where ages are skipped
                const CalendarDate date = dateOfDayNumber(*birth.earliest);
                birth.earliest = day(date.year, date.month, monthLength(date.month, double(date.year))) - pick(0, 2);
            }
            birth.latest = *birth.earliest + (pick(0, 2) == 0 ? 0 : pick(0, 20));
            GedcomDate death = birth;
            death.earliest = *birth.earliest + pick(0, 800);
            death.latest = *death.earliest + (pick(0, 2) == 0 ? 0 : pick(0, 20));
            if (julian)
                birth.calendar = death.calendar = GedcomDate::Calendar::Julian;

            // Mostly ages near the span of the dates, where the edges are.
            const Age near = ageOf(calendar.span(*birth.latest, *death.earliest));
            const bool far = pick(0, 9) == 0;
            const Age age{far ? pick(0, 2) : near.years, far ? pick(0, 11) : std::max(0LL, near.months + pick(-1, 1)),
                          pick(0, 1) == 0 ? pick(0, 30) : pick(28, 31)};
            const long long elapsed = *death.earliest - *birth.latest;
            StatedAge stated;
            stated.ok = true;
            switch (pick(0, 4)) {
            case 0:
                stated.least = Age{};
                stated.greatest = age;
                stated.greatestExcluded = true;
                break;
            case 1:
                stated.least = age;
                stated.leastExcluded = true;
                break;
            case 2:
                stated.least = stated.greatest = Age{0, 0, std::max(0LL, elapsed + pick(-40, 40))};
                break;
            default:
                stated.least = stated.greatest = age;
            }
            const AgeCheck check = checkStatedAge(birth, death, stated, calendar);
            const long long expected = bruteDistance(*birth.earliest, *birth.latest, *death.earliest,
                                                     *death.latest, stated, julian);
            const long long actual = check.outcome == AgeCheck::Outcome::Agrees ? -1 : check.days;
            if (actual != expected || check.outcome == AgeCheck::Outcome::Unreachable) {
                QFAIL(qPrintable(QStringLiteral("birth %1..%2 death %3..%4 age %5/%6/%7 (%8): %9 instead of %10")
                                     .arg(QString(dayText(birth.earliest)), QString(dayText(birth.latest)),
                                          QString(dayText(death.earliest)), QString(dayText(death.latest)))
                                     .arg(age.years).arg(age.months).arg(age.days).arg(julian ? "Julian" : "Gregorian")
                                     .arg(actual).arg(expected)));
            }
        }
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("LF") << QByteArray("\n") << QByteArray();
        QTest::newRow("CR LF") << QByteArray("\r\n") << QByteArray();
        QTest::newRow("CR") << QByteArray("\r") << QByteArray();
        QTest::newRow("byte order mark") << QByteArray("\r\n") << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("blank lines") << QByteArray("\n\n") << QByteArray();
    }

    void lineEnds()
    {
        QFETCH(QByteArray, lineEnd);
        QFETCH(QByteArray, start);
        const QByteArray lines[] = {"0 HEAD", "1 CHAR UTF-8", "0 @I1@ INDI", "1 NAME Émile /Dupont/",
                                    "1 BIRT", "2 DATE 5 MAY", "3 CONC  1850", "1 DEAT",
                                    "2 DATE 6 MAY 1851", "2 AGE 1y 1d", "0 TRLR"};
        QByteArray text = start;
        for (const QByteArray& line : lines)
            text += line + lineEnd;
        const Report result = report(text);
        QCOMPARE(result.status, int(ExitSuccess));
        QCOMPARE(rowOf(result.out, "I1"),
                 QByteArray("I1,Émile Dupont,5 MAY 1850,6 MAY 1851,\"1 Year(s), 0 month(s), 1 day(s)\","
                            "1y 1d,agrees,5/5/1850 through 5/5/1850,"));
        QVERIFY(result.warnings.isEmpty());
    }

    void characterSets_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("warned");
        QTest::newRow("ANSEL") << QByteArray("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME \xE2" "Emile /Dupont/\n")
                               << QByteArray("\xEF\xBF\xBD" "Emile Dupont") << true;
        QTest::newRow("ASCII") << QByteArray("0 HEAD\n1 CHAR ASCII\n0 @I1@ INDI\n1 NAME Ann /Lee/\n")
                               << QByteArray("Ann Lee") << false;
        QTest::newRow("UTF-8, broken") << QByteArray("0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ann\xC3 /Lee/\n")
                                       << QByteArray("Ann\xEF\xBF\xBD Lee") << true;
        QTest::newRow("control character") << QByteArray("0 HEAD\n0 @I1@ INDI\n1 NAME Ann\x1B /Lee/\n")
                                           << QByteArray("Ann\xEF\xBF\xBD Lee") << true;
        QTest::newRow("quotes and commas") << QByteArray("0 HEAD\n0 @I1@ INDI\n1 NAME Ann \"Nan\", /Lee/\n")
                                           << QByteArray("\"Ann \"\"Nan\"\", Lee\"") << false;
    }

    void characterSets()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, name);
        QFETCH(bool, warned);
        // Two individuals, one warning.
        const Report result = report(file + file.mid(file.indexOf("0 @I1@")).replace("I1", "I2"));
        QCOMPARE(rowOf(result.out, "I1"), "I1," + name + ",,,,,,,");
        QCOMPARE(result.warnings.count("U+FFFD"), warned ? 1 : 0);
        QCOMPARE(result.summary.individuals, 2);
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("empty") << QByteArray() << QByteArray("not a GEDCOM file");
        QTest::newRow("CSV") << QByteArray("id,name\n1,Ann\n") << QByteArray("not a GEDCOM file");
        QTest::newRow("record first") << QByteArray("0 @I1@ INDI\n0 HEAD\n") << QByteArray("not a GEDCOM file");
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE" "0\0 \0H\0E\0A\0D\0", 14) << QByteArray("UTF-16");
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, reason);
        const Report result = report(file);
        QCOMPARE(result.status, int(ExitUsage));
        QVERIFY(result.out.isEmpty());
        QVERIFY2(result.warnings.contains(reason), result.warnings.constData());
    }

    // Lines that cannot be read go to the row's error, the first few in full;
    // a cut line only where its value is used. The report goes on.
    void damagedRecords_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QByteArray>("error");
        const QByteArray longValue(70000, '1');
        QByteArray manyLines;
        for (int i = 0; i < 1000; ++i)
            manyLines += "nonsense\n";
        QTest::newRow("not a line") << QByteArray("nonsense\n") << QByteArray("line 3: not a GEDCOM line");
        QTest::newRow("level of many digits") << QByteArray("88888888888 NOTE\n") << QByteArray("line 3: not a GEDCOM line");
        QTest::newRow("long note") << "1 NOTE " + longValue + "\n2 CONC " + longValue + "\n" << QByteArray();
        QTest::newRow("long date") << "1 BIRT\n2 DATE " + longValue + "\n"
                                   << QByteArray("\"line 4: longer than 65536 characters, not read; birth: no date given\"");
        QTest::newRow("long continued name") << "1 NAME Ann\n2 CONC " + longValue + "\n"
                                             << QByteArray("\"line 4: longer than 65536 characters, not read\"");
        QTest::newRow("damaged tail") << manyLines
                                      << QByteArray("line 3: not a GEDCOM line; line 4: not a GEDCOM line; line 5: not a GEDCOM line; "
                                                    "and 997 more lines not read");
    }

    void damagedRecords()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QByteArray, error);
        const Report result = report("0 HEAD\n0 @I1@ INDI\n" + lines + "1 DEAT\n2 DATE 1900\n0 @I2@ INDI\n0 TRLR\n");
        const QByteArray row = rowOf(result.out, "I1");
        QCOMPARE(row.mid(row.lastIndexOf(",,,,") + 4), error);
        QCOMPARE(result.status, int(error.isEmpty() ? ExitSuccess : ExitNoAnswer));
        QCOMPARE(rowOf(result.out, "I2"), QByteArray("I2,,,,,,,,"));
    }

    // The stated age is checked against the date of its own event.
    void statedAgeEvents_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QByteArray>("columns"); // death, age at death, stated age, check, birth dates

        QTest::newRow("age before date") << QByteArray("1 DEAT\n2 AGE 50y\n2 DATE 1 JAN 1900\n")
                                         << QByteArray("1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",50y,agrees,1/1/1850 through 1/1/1850");
        QTest::newRow("burial age, death date") << QByteArray("1 DEAT\n2 DATE 1 JAN 1900\n1 BURI\n2 DATE 4 JAN 1900\n2 AGE 50y\n")
                                                << QByteArray("1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",50y (BURI),"
                                                              "\"cannot check: the age is stated under BURI, the date under DEAT\",");
        QTest::newRow("age under an undated DEAT") << QByteArray("1 DEAT\n2 DATE 1 JAN 1900\n1 DEAT\n2 AGE 49y\n")
                                                   << QByteArray("1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",49y,"
                                                                 "cannot check: the age is stated under another DEAT than the date,");
        QTest::newRow("age of the dated DEAT") << QByteArray("1 DEAT\n2 AGE 40y\n1 DEAT\n2 DATE 1 JAN 1900\n2 AGE 50y\n")
                                               << QByteArray("1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",50y,agrees,1/1/1850 through 1/1/1850");
        QTest::newRow("burial date and age") << QByteArray("1 DEAT\n2 AGE 49y\n1 BURI\n2 DATE 1 JAN 1900\n2 AGE 50y\n")
                                             << QByteArray("1 JAN 1900 (BURI),\"50 Year(s), 0 month(s), 0 day(s)\",50y (BURI),agrees,1/1/1850 through 1/1/1850");
    }

    void statedAgeEvents()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QByteArray, columns);
        const Report result = report("0 HEAD\n0 @I1@ INDI\n1 BIRT\n2 DATE 1 JAN 1850\n" + lines + "0 TRLR\n");
        const QByteArray row = rowOf(result.out, "I1");
        QCOMPARE(row, "I1,,1 JAN 1850," + columns + ",");
    }

    // The hand-made file: every date and age form, checked by hand.
    void handMadeFile_data()
    {
        QTest::addColumn<QByteArray>("row");
        const char* const rows[] = {
            "I1,Exact Agrees,10 MAY 1950,1 MAR 1990,\"39 Year(s), 9 month(s), 19 day(s)\",39y 9m 19d,agrees,5/10/1950 through 5/10/1950,",
            "I3,Month Year,MAR 1850,1900,\"at least 49 Year(s), 9 month(s), 1 day(s), at most 50 Year(s), 9 month(s), 30 day(s)\",50y,agrees,,",
            "I4,About Birth,ABT 1850,12 JUN 1900,\"about: at least 49 Year(s), 5 month(s), 12 day(s), at most 50 Year(s), 5 month(s), 11 day(s)\",50,cannot check: the birth date is approximate,6/12/1850 through 6/12/1850,",
            "I5,Calculated Death,2 FEB 1820,CAL 1900,\"about: at least 79 Year(s), 10 month(s), 30 day(s), at most 80 Year(s), 10 month(s), 29 day(s)\",,,,",
            "I6,Estimated Birth,EST 1800,4 JUL 1870,\"about: at least 69 Year(s), 6 month(s), 4 day(s), at most 70 Year(s), 6 month(s), 3 day(s)\",,,,",
            "I7,Before Birth,BEF 1800,5 JAN 1870,\"at least 70 Year(s), 0 month(s), 5 day(s)\",> 70y,cannot check: the birth date is open-ended,on or before 1/4/1800,",
            "I8,After Death,1 JAN 1850,AFT 1900,\"at least 51 Year(s), 0 month(s), 0 day(s)\",< 1y,disagrees by 18263 day(s),,",
            "I9,Between Dates,BET 1 JAN 1800 AND 31 DEC 1801,15 JUN 1880,\"at least 78 Year(s), 5 month(s), 15 day(s), at most 80 Year(s), 5 month(s), 14 day(s)\",79y,agrees,6/15/1801 through 6/15/1801,",
            "I10,From To,FROM 1800 TO 1802,1 JAN 1900,\"at least 97 Year(s), 0 month(s), 1 day(s), at most 100 Year(s), 0 month(s), 0 day(s)\",INFANT,disagrees by 35066 day(s),1/2/1899 through 1/1/1900,",
            "I11,Open Periods,TO 1800,FROM 1900,\"at least 99 Year(s), 0 month(s), 1 day(s)\",,,,",
            "I12,Dual Year,11 FEB 1731/32,11 FEB 1800,\"68 Year(s), 0 month(s), 0 day(s)\",,,,",
            "I13,Julian Year,@#DJULIAN@ 1 JAN 1700,@#DJULIAN@ 1 JAN 1701,\"1 Year(s), 0 month(s), 0 day(s)\",,,,",
            "I14,Julian Leap,@#DJULIAN@ 15 JAN 1700,@#DJULIAN@ 1 MAR 1700,\"0 Year(s), 1 month(s), 15 day(s)\",1m 15d,agrees,1/15/1700 through 1/15/1700 (Julian),",
            "I15,Mixed Calendars,@#DJULIAN@ 1 JAN 1700,@#DGREGORIAN@ 1 JAN 1750,\"49 Year(s), 11 month(s), 21 day(s) (Julian date converted to the Gregorian calendar)\",,,,",
            "I16,Before Christ,44 B.C.,1 JAN 10,,,,,\"birth: \"\"44 B.C.\"\": years B.C. are not supported\"",
            "I18,Date Phrase,1 JAN 1890,(in the war),,,,,\"death: \"\"(in the war)\"\" is a date phrase, not a date\"",
            "I19,Interpreted Date,5 MAY 1850,INT 5 MAY 1900 (from a letter),\"50 Year(s), 0 month(s), 0 day(s)\",,,,",
            "I21,Death Before Birth,1 JAN 1900,1 JAN 1890,,,,,the death date lies before the birth date",
            "I22,Christened Buried,5 MAY 1800 (CHR),10 MAY 1870 (BURI),\"70 Year(s), 0 month(s), 5 day(s)\",70y (BURI),disagrees by 5 day(s),5/10/1800 through 5/10/1800,",
            "I23,Baptised Only,2 APR 1801 (BAPM),1 APR 1851,\"49 Year(s), 11 month(s), 30 day(s)\",,,,",
            "I24,Still Born,3 MAR 1900,3 MAR 1900,\"0 Year(s), 0 month(s), 0 day(s)\",STILLBORN,agrees,3/3/1900 through 3/3/1900,",
            "I25,A Child,1 JAN 1900,1 JUN 1905,\"5 Year(s), 5 month(s), 0 day(s)\",CHILD,agrees,6/2/1897 through 6/1/1905,",
            "I26,Unknown Birth,,1 JUN 1900,,> 70y,cannot check: no birth date,on or before 5/31/1830,",
            "I27,Unreachable Age,2 FEB 1989,1 MAR 1990,\"1 Year(s), 0 month(s), 27 day(s)\",1y 0m 29d,disagrees by 1 day(s),none,",
            "I28,Worded Age,,3 AUG 1904,,\"aged 79 years, 9 months, 29 days\",cannot check: no birth date,10/5/1824 through 10/5/1824,",
            "I30,Weekday Form,\"Tuesday, 9th November 1841\",6 may 1910,\"68 Year(s), 5 month(s), 27 day(s)\",9m,disagrees by 24741 day(s),8/6/1909 through 8/6/1909,",
            "I32,Émile Dupont,5 MAY 1850,5 MAY 1851,\"1 Year(s), 0 month(s), 0 day(s)\",1y 0m 0d,agrees,5/5/1850 through 5/5/1850,line 208: not a GEDCOM line",
            "I33,Nothing Known,,,,,,,",
            "I34,Two Births,29 FEB 1904,28 FEB 1905,\"0 Year(s), 11 month(s), 30 day(s)\",364d,disagrees by 1 day(s),3/1/1904 through 3/1/1904,",
            "I35,Century Dual,1 MAR 1699/00,1 MAR 1701,\"1 Year(s), 0 month(s), 0 day(s)\",,,,",
            "I36,Days Beside Years,1 JAN 1900,15 FEB 1901,\"1 Year(s), 1 month(s), 14 day(s)\",1y 45d,cannot check: no span has more than 30 days beside years or months,none,",
            "I37,Julian Death,11 JAN 1700,@#DJULIAN@ 1 JAN 1701,\"1 Year(s), 0 month(s), 1 day(s) (Julian date converted to the Gregorian calendar)\",1y,disagrees by 1 day(s),1/12/1700 through 1/12/1700 (Gregorian),",
            "I38,Burial Age,1 JAN 1850,1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",50y (BURI),\"cannot check: the age is stated under BURI, the date under DEAT\",,",
        };
        for (const char* row : rows)
            QTest::newRow(QByteArray(row).left(QByteArray(row).indexOf(',')).constData()) << QByteArray(row);
    }

    void handMadeFile()
    {
        QFETCH(QByteArray, row);
        static const Report result = reportOfFile(QStringLiteral(SPANWRIGHT_GEDCOM_DATA "/forms.ged"));
        QCOMPARE(result.status, int(ExitNoAnswer)); // some rows are meant to fail
        QCOMPARE(rowOf(result.out, row.left(row.indexOf(','))), row);
        QCOMPARE(result.out.left(result.out.indexOf('\n')), QByteArray(GedcomReportHeader.data()));
        QCOMPARE(summaryText(result.summary), QByteArray("38 individuals, 29 ages; 7 agree, 8 disagree, 7 cannot check; 8 errors"));
    }

    // The sample files of the Debian packages gramps and libgedcom-perl,
    // five rows of each checked by hand.
    void sampleFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QByteArray>("summary");
        const QString sample = QStringLiteral(SPANWRIGHT_GEDCOM_SAMPLES "/sample.ged");
        const QString royal = QStringLiteral(SPANWRIGHT_GEDCOM_SAMPLES "/royal.ged");
        const QByteArray sampleSummary = "42 individuals, 17 ages; 0 agree, 0 disagree, 0 cannot check; 0 errors";
        const QByteArray royalSummary = "93 individuals, 14 ages; 0 agree, 0 disagree, 0 cannot check; 0 errors";
        const char* const sampleRows[] = {
            "I0,Anna Hansdotter,2 OCT 1864,29 SEP 1945,\"80 Year(s), 11 month(s), 27 day(s)\",,,,",
            "I12,Herman Julius Nielsen,31 AUG 1889,1945,\"at least 55 Year(s), 4 month(s), 1 day(s), at most 56 Year(s), 4 month(s), 0 day(s)\",,,,",
            "I21,Hjalmar Smith,31 JAN 1893,25 SEP 1894,\"1 Year(s), 7 month(s), 25 day(s)\",,,,",
            "I22,Martin Smith,19 NOV 1830,BET 1899 AND 1905,\"at least 68 Year(s), 1 month(s), 13 day(s), at most 75 Year(s), 1 month(s), 12 day(s)\",,,,",
            "I24,Gustaf Smith Sr.,28 NOV 1862,BEF 23 JUL 1930,\"at least 0 Year(s), 0 month(s), 0 day(s), at most 67 Year(s), 7 month(s), 24 day(s)\",,,,",
        };
        const char* const royalRows[] = {
            "I1,Edward_VII Wettin,\"Tuesday, 9th November 1841\",\"Friday, 6th May 1910\",\"68 Year(s), 5 month(s), 27 day(s)\",,,,",
            "I2,\"Alexandra of_Denmark \"\"Alix\"\"\",\"Sunday, 1st December 1844\",\"Friday, 20th November 1925\",\"80 Year(s), 11 month(s), 19 day(s)\",,,,",
            "I6,Bessiewallis Warfield,1896,\"Thursday, 24th April 1986\",\"at least 89 Year(s), 3 month(s), 24 day(s), at most 90 Year(s), 3 month(s), 23 day(s)\",,,,",
            "I28,Mary Windsor,\"Sunday, 25th April 1897\",\"Sunday, 28th March 1965\",\"67 Year(s), 11 month(s), 3 day(s)\",,,,",
            "I29,Henry George Charles Lascelles,1882,1947,\"at least 64 Year(s), 0 month(s), 1 day(s), at most 65 Year(s), 11 month(s), 30 day(s)\",,,,",
        };
        for (const char* row : sampleRows)
            QTest::newRow(("sample " + QByteArray(row).left(QByteArray(row).indexOf(','))).constData()) << sample << QByteArray(row) << sampleSummary;
        for (const char* row : royalRows)
            QTest::newRow(("royal " + QByteArray(row).left(QByteArray(row).indexOf(','))).constData()) << royal << QByteArray(row) << royalSummary;
    }

    void sampleFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, row);
        QFETCH(QByteArray, summary);
        if (!QFile::exists(file))
            QSKIP("The Debian sample files could not be fetched (see the gedcom_samples_fetch test)");
        const Report result = reportOfFile(file);
        QCOMPARE(result.status, int(ExitSuccess));
        QCOMPARE(rowOf(result.out, row.left(row.indexOf(','))), row);
        QCOMPARE(summaryText(result.summary), summary);
    }
};

QTEST_GUILESS_MAIN(TestGedcom)
#include "tst_gedcom.moc"
