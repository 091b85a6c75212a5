// Tests of spanwright-cli gedcom: the GEDCOM date and age grammars, the
// Julian calendar, the stated-age check against a brute-force search, the
// file reader, and whole reports of a hand-made file and of the sample
// files that Debian ships (fetched by the gedcom_samples_fetch test).

#include "resultcheck.h"
#include "ages/agesearch.h"
#include "calendars/calendardate.h"
#include "calendars/frenchcalendar.h"
#include "gedcomage.h"
#include "gedcomagecheck.h"
#include "gedcomdate.h"
#include "gedcomdatereadings.h"
#include "gedcomrun.h"
#include "gedcomrow.h"
#include "gedzip.h"
#include "calendars/hebrewcalendar.h"
#include "calendars/juliancalendar.h"
#include "spans/span.h"

#include <QCalendar>
#include <QDate>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <random>
#include <sstream>

using namespace spanwright;

namespace {

long long day(long long year, int month, int dayOfMonth)
{
    return dayOf({year, month, dayOfMonth}).number();
}

// "Y-M-D" of a Gregorian day number, "" for none.
QByteArray dayText(const std::optional<Day>& day)
{
    if (!day)
        return {};
    const CalendarDate date = dateOf(*day);
    return QByteArray::number(date.year) + '-' + QByteArray::number(date.month) + '-'
        + QByteArray::number(date.day);
}

using Report = GedcomReportRun;

Report report(const QByteArray& input) { return runReport(input); }

Report reportOfFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {-1, {}, {}, {}};
    return report(file.readAll());
}

// The column of the birth dates from all stated ages, which
// tst_statedages checks; rowOf leaves it out.
constexpr int StatedAgesColumn = 8;

// The line without the field at column (a CSV field, perhaps quoted).
QByteArray withoutColumn(const QByteArray& line, int column)
{
    int field = 0;
    qsizetype start = 0;
    bool quoted = false;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] == '"')
            quoted = !quoted;
        if (i < line.size() && (quoted || line[i] != ','))
            continue;
        if (field == column)
            return line.left(start > 0 ? start - 1 : 0) + line.mid(start > 0 ? i : i + 1);
        ++field;
        start = i + 1;
    }
    return line;
}

// The row of an individual by id, without the line end.
QByteArray rowOf(const QByteArray& out, const QByteArray& id)
{
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith(id + ','))
            return withoutColumn(line, StatedAgesColumn);
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
        // A dual year is Julian (Old Style): its days as Gregorian ones.
        QTest::newRow("dual year") << QByteArray("11 FEB 1731/32") << QByteArray("1732-2-22") << QByteArray("1732-2-22") << false << julian;
        QTest::newRow("dual century") << QByteArray("1699/00") << QByteArray("1700-1-11") << QByteArray("1701-1-11") << false << julian;
        QTest::newRow("Gregorian escape") << QByteArray("@#DGREGORIAN@ 1 JAN 1700") << QByteArray("1700-1-1") << QByteArray("1700-1-1") << false << gregorian;
        // Julian dates as Gregorian day numbers: ten days behind until the
        // Julian leap day of 1700, eleven after it.
        QTest::newRow("Julian") << QByteArray("@#DJULIAN@ 1 JAN 1700") << QByteArray("1700-1-11") << QByteArray("1700-1-11") << false << julian;
        QTest::newRow("Julian leap day") << QByteArray("@#DJULIAN@ 29 FEB 1700") << QByteArray("1700-3-11") << QByteArray("1700-3-11") << false << julian;
        QTest::newRow("Julian reform") << QByteArray("@#DJULIAN@ 4 OCT 1582") << QByteArray("1582-10-14") << QByteArray("1582-10-14") << false << julian;
        QTest::newRow("mixed range") << QByteArray("BET @#DJULIAN@ 1700 AND 1710") << QByteArray("1700-1-11") << QByteArray("1710-12-31") << false << mixed;
        QTest::newRow("weekday form") << QByteArray("Tuesday, 9th November 1841") << QByteArray("1841-11-9") << QByteArray("1841-11-9") << false << gregorian;
        QTest::newRow("ordinals") << QByteArray("1st JAN 1900") << QByteArray("1900-1-1") << QByteArray("1900-1-1") << false << gregorian;

        // Years before Christ: no year 0, so 1 BC is year 0 of the day
        // numbers and AD 1 follows it.
        QTest::newRow("B.C.") << QByteArray("44 B.C.") << QByteArray("-43-1-1") << QByteArray("-43-12-31") << false << gregorian;
        QTest::newRow("BC") << QByteArray("15 MAR 44 BC") << QByteArray("-43-3-15") << QByteArray("-43-3-15") << false << gregorian;
        QTest::newRow("BCE of 7.0") << QByteArray("1 BCE") << QByteArray("0-1-1") << QByteArray("0-12-31") << false << gregorian;
        // The grammar's own eras, where the free-text reader does not help:
        // after INT, and in FROM ... TO.
        QTest::newRow("INT BCE") << QByteArray("INT 15 MAR 44 BCE (the Ides)") << QByteArray("-43-3-15") << QByteArray("-43-3-15") << false << gregorian;
        QTest::newRow("FROM TO BCE") << QByteArray("FROM 10 BCE TO 5 B.C.E.") << QByteArray("-9-1-1") << QByteArray("-4-12-31") << false << gregorian;
        QTest::newRow("AD after") << QByteArray("49 AD") << QByteArray("49-1-1") << QByteArray("49-12-31") << false << gregorian;
        QTest::newRow("A.D. before") << QByteArray("A.D. 1") << QByteArray("1-1-1") << QByteArray("1-12-31") << false << gregorian;
        // Julian 1 January 45 BC, the calendar's first year, is Gregorian
        // 30 December 46 BC.
        QTest::newRow("Julian B.C.") << QByteArray("JULIAN 1 JAN 45 BC") << QByteArray("-45-12-30") << QByteArray("-45-12-30") << false << julian;
        // Dual years as vendors write them: the later year.
        QTest::newRow("dual, one digit") << QByteArray("1611/2") << QByteArray("1612-1-11") << QByteArray("1613-1-10") << false << julian;
        QTest::newRow("dual, four digits") << QByteArray("1698/1699") << QByteArray("1699-1-11") << QByteArray("1700-1-10") << false << julian;
        QTest::newRow("dual with a hyphen") << QByteArray("14 Feb 1702-1703") << QByteArray("1703-2-25") << QByteArray("1703-2-25") << false << julian;
        QTest::newRow("dual, hyphen, two digits") << QByteArray("14 FEB 1702-03") << QByteArray("1703-2-25") << QByteArray("1703-2-25") << false << julian;
        // Keywords with a full stop, SEPT, month names.
        QTest::newRow("ABT.") << QByteArray("ABT. 1880") << QByteArray("1880-1-1") << QByteArray("1880-12-31") << true << gregorian;
        QTest::newRow("AFT.") << QByteArray("AFT. 1939") << QByteArray("1940-1-1") << QByteArray() << false << gregorian;
        QTest::newRow("BET. and a hyphen") << QByteArray("BET. 1802 - 1806") << QByteArray("1802-1-1") << QByteArray("1806-12-31") << false << gregorian;
        QTest::newRow("SEPT") << QByteArray("5 SEPT 1850") << QByteArray("1850-9-5") << QByteArray("1850-9-5") << false << gregorian;
        QTest::newRow("month with a stop") << QByteArray("est. 5 Jan. 1850") << QByteArray("1850-1-5") << QByteArray("1850-1-5") << true << gregorian;
        // Ranges with a part left out, two days.
        QTest::newRow("BET months of one year") << QByteArray("BET JUN AND DEC 1900") << QByteArray("1900-6-1") << QByteArray("1900-12-31") << false << gregorian;
        QTest::newRow("BET short second year") << QByteArray("BET OCT 1671 AND 74") << QByteArray("1671-10-1") << QByteArray("1674-12-31") << false << gregorian;
        QTest::newRow("FROM TO short year") << QByteArray("FROM 1850 TO 5") << QByteArray("1850-1-1") << QByteArray("1855-12-31") << false << gregorian;
        QTest::newRow("two days") << QByteArray("8/9 JUL 1457") << QByteArray("1457-7-8") << QByteArray("1457-7-9") << false << gregorian;
        // GEDCOM 7.0 calendar keywords, also after a keyword.
        QTest::newRow("JULIAN keyword") << QByteArray("JULIAN 2 MAR 1688") << QByteArray("1688-3-12") << QByteArray("1688-3-12") << false << julian;
        QTest::newRow("ABT JULIAN") << QByteArray("ABT JULIAN 1700") << QByteArray("1700-1-11") << QByteArray("1701-1-11") << true << julian;
        QTest::newRow("GREGORIAN keyword") << QByteArray("GREGORIAN 1 JAN 1700") << QByteArray("1700-1-1") << QByteArray("1700-1-1") << false << gregorian;
        // Hebrew and French Republican dates at known days (each checked by
        // its weekday): Rosh Hashanah 5620 on Thursday 29 September 1859;
        // 5462 postponed to Monday 3 October 1701 after a leap year;
        // Passover 5708 on Saturday 24 April 1948; the Republic's first day,
        // Saturday 22 September 1792; 18 Brumaire VIII, Saturday 9 November
        // 1799; the sixth complementary day of the leap year XI.
        const int hebrew = int(GedcomDate::Calendar::Hebrew);
        const int french = int(GedcomDate::Calendar::FrenchRepublican);
        QTest::newRow("Hebrew new year") << QByteArray("@#DHEBREW@ 1 TSH 5620") << QByteArray("1859-9-29") << QByteArray("1859-9-29") << false << hebrew;
        QTest::newRow("Hebrew, issue's form") << QByteArray("@#DHEBREW@ 3 TSH 5620") << QByteArray("1859-10-1") << QByteArray("1859-10-1") << false << hebrew;
        QTest::newRow("Hebrew postponed new year") << QByteArray("HEBREW 1 TSH 5462") << QByteArray("1701-10-3") << QByteArray("1701-10-3") << false << hebrew;
        QTest::newRow("Hebrew Passover") << QByteArray("HEBREW 15 NSN 5708") << QByteArray("1948-4-24") << QByteArray("1948-4-24") << false << hebrew;
        QTest::newRow("Hebrew year") << QByteArray("HEBREW 5620") << QByteArray("1859-9-29") << QByteArray("1860-9-16") << false << hebrew;
        QTest::newRow("Hebrew Adar II") << QByteArray("HEBREW ADS 5619") << QByteArray("1859-3-7") << QByteArray("1859-4-4") << false << hebrew;
        QTest::newRow("French first day") << QByteArray("@#DFRENCH R@ 1 VEND 1") << QByteArray("1792-9-22") << QByteArray("1792-9-22") << false << french;
        QTest::newRow("French, issue's form") << QByteArray("@#DFRENCH R@ 11 BRUM 8") << QByteArray("1799-11-2") << QByteArray("1799-11-2") << false << french;
        QTest::newRow("18 Brumaire") << QByteArray("FRENCH_R 18 BRUM 8") << QByteArray("1799-11-9") << QByteArray("1799-11-9") << false << french;
        QTest::newRow("French leap day") << QByteArray("FRENCH_R 6 COMP 11") << QByteArray("1803-9-23") << QByteArray("1803-9-23") << false << french;
        QTest::newRow("Hebrew beside Gregorian") << QByteArray("BET HEBREW 5620 AND 1861") << QByteArray("1859-9-29") << QByteArray("1861-12-31") << false << mixed;

        QTest::newRow("wrong weekday") << QByteArray("Monday, 9th November 1841") << QByteArray() << QByteArray("!a Tuesday") << false << 0;
        QTest::newRow("no such day") << QByteArray("29 FEB 1900") << QByteArray() << QByteArray("!has 28 days") << false << 0;
        QTest::newRow("day 0") << QByteArray("0 MAR 1900") << QByteArray() << QByteArray("!has 31 days") << false << 0;
        QTest::newRow("Julian day not Gregorian") << QByteArray("@#DJULIAN@ 30 FEB 1700") << QByteArray() << QByteArray("!has 29 days") << false << 0;
        QTest::newRow("extension calendar") << QByteArray("_MAYA 5 1800") << QByteArray() << QByteArray("!\"_MAYA\" is not known") << false << 0;
        QTest::newRow("5.5 calendar gone in 7.0") << QByteArray("@#DROMAN@ 5 1800") << QByteArray() << QByteArray("!\"@#DROMAN@\" is not known") << false << 0;
        QTest::newRow("Adar II in a common year") << QByteArray("HEBREW ADS 5620") << QByteArray() << QByteArray("!ADS is only in a leap year") << false << 0;
        QTest::newRow("short Heshvan") << QByteArray("@#DHEBREW@ 30 CSH 5620") << QByteArray() << QByteArray("!CSH 5620 has 29 days") << false << 0;
        QTest::newRow("Gregorian month in Hebrew") << QByteArray("HEBREW 1 JAN 5620") << QByteArray() << QByteArray("!not a month of the Hebrew calendar") << false << 0;
        QTest::newRow("no sixth complementary day") << QByteArray("FRENCH_R 6 COMP 12") << QByteArray() << QByteArray("!COMP 12 has 5 days") << false << 0;
        QTest::newRow("JULIAN before ABT") << QByteArray("JULIAN ABT 1700") << QByteArray() << QByteArray("!the calendar goes after ABT") << false << 0;
        QTest::newRow("French beyond the calendar") << QByteArray("FRENCH_R 999999") << QByteArray() << QByteArray("!after the year 999999") << false << 0;
        QTest::newRow("no year 0") << QByteArray("0 BC") << QByteArray() << QByteArray("!no year 0") << false << 0;
        QTest::newRow("B.C. Hebrew") << QByteArray("HEBREW 5620 BC") << QByteArray() << QByteArray("!only Gregorian and Julian") << false << 0;
        QTest::newRow("not a dual year") << QByteArray("1702-1704") << QByteArray() << QByteArray("!dual year") << false << 0;
        QTest::newRow("two days apart") << QByteArray("8/10 JUL 1457") << QByteArray() << QByteArray("!consecutive") << false << 0;
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
        // Values both grammars refuse, read as the command line reads dates.
        QTest::newRow("worded, month first") << QByteArray("Jan 12, 1900") << QByteArray("1900-1-12") << QByteArray("1900-1-12") << false << gregorian;
        QTest::newRow("ISO") << QByteArray("1900-01-12") << QByteArray("1900-1-12") << QByteArray("1900-1-12") << false << gregorian;
        QTest::newRow("ABOUT") << QByteArray("ABOUT 1900") << QByteArray("1900-1-1") << QByteArray("1900-12-31") << true << gregorian;
        QTest::newRow("circa") << QByteArray("circa 1900") << QByteArray("1900-1-1") << QByteArray("1900-12-31") << true << gregorian;
        QTest::newRow("Between ... and") << QByteArray("Between 1900 and 1905") << QByteArray("1900-1-1") << QByteArray("1905-12-31") << false << gregorian;
        QTest::newRow("digits alone stay refused") << QByteArray("5/13/1900") << QByteArray() << QByteArray("!not a year") << false << 0;
        QTest::newRow("ISO with a time") << QByteArray("1900-01-12T10:00") << QByteArray("1900-1-12") << QByteArray("1900-1-12") << false << gregorian;
        QTest::newRow("empty") << QByteArray("") << QByteArray() << QByteArray("!no date") << false << 0;
        // The old ways of dating, as values and as phrases.
        QTest::newRow("a feast") << QByteArray("Easter 1700 O.S.") << QByteArray("1700-4-11") << QByteArray("1700-4-11")
                                 << false << julian;
        QTest::newRow("a phrase of a regnal year")
            << QByteArray("(the Tuesday before Michaelmas 9 Edward III)") << QByteArray("1335-10-4")
            << QByteArray("1335-10-4") << false << julian;
        // The tabular day is 12 Jan 1835; a sighted month may begin two days
        // either side of it.
        QTest::newRow("an Islamic date, as sighted") << QByteArray("12 Ramadan 1250 AH") << QByteArray("1835-1-10")
                                                     << QByteArray("1835-1-14") << false << gregorian;
    }

    void dateGrammar()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, earliest);
        QFETCH(QByteArray, latest);
        QFETCH(bool, approximate);
        QFETCH(int, calendar);
        const Result<GedcomDate> reading = readGedcomDate(text.toStdString());
        if (latest.startsWith('!')) {
            QVERIFY2(!reading.ok(), text.constData());
            const std::string& problem = reading.problem().message;
            QVERIFY2(QByteArray::fromStdString(problem).contains(latest.mid(1)), problem.c_str());
            constexpr size_t LongestProblem = 200; // the value is quoted as an excerpt
            QVERIFY2(problem.size() <= LongestProblem, problem.c_str());
            QVERIFY(reading.problem().kind == ProblemKind::NotRead);
            return;
        }
        QVERIFY2(reading.ok(), whyNot(reading));
        const GedcomDate& date = *reading;
        QCOMPARE(dayText(date.days.earliest), earliest);
        QCOMPARE(dayText(date.days.latest), latest);
        QCOMPARE(date.approximate, approximate);
        QCOMPARE(int(date.calendar), calendar);
    }

    void ageGrammar_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected"); // least, greatest; "(" or ")" when excluded; "!" refused

        QTest::newRow("full") << QByteArray("79y 9m 29d") << QByteArray("79/9/29 79/9/29");
        QTest::newRow("years") << QByteArray("79y") << QByteArray("79/0/0 80/0/0)");
        QTest::newRow("months and days") << QByteArray("9m 2d") << QByteArray("0/9/2 0/9/2");
        QTest::newRow("upper case") << QByteArray("79Y 9M") << QByteArray("79/9/0 79/10/0)");
        QTest::newRow("years and no months") << QByteArray("79y 0m") << QByteArray("79/0/0 79/1/0)");
        QTest::newRow("eleven months") << QByteArray("11m") << QByteArray("0/11/0 0/12/0)");
        QTest::newRow("weeks") << QByteArray("5w") << QByteArray("0/0/35 0/0/42)");
        QTest::newRow("years and weeks") << QByteArray("2y 3w") << QByteArray("2/0/21 2/0/28)");
        QTest::newRow("weeks and days") << QByteArray("3w 2d") << QByteArray("0/0/23 0/0/23");
        QTest::newRow("less than weeks") << QByteArray("< 5w") << QByteArray("0/0/0 0/0/35)");
        QTest::newRow("worded years") << QByteArray("aged 79 years") << QByteArray("79/0/0 79/11/30");
        QTest::newRow("worded weeks") << QByteArray("three weeks") << QByteArray("0/0/21 0/0/27");
        QTest::newRow("year of age") << QByteArray("in the 33d year of his age") << QByteArray("32/0/0 32/11/30");
        QTest::newRow("unit twice") << QByteArray("5w 2w") << QByteArray("!");
        QTest::newRow("number without its unit last") << QByteArray("39y 9m 100") << QByteArray("39/9/100 39/9/100"); // read past its end once; other wordings take a last bare number as days
        QTest::newRow("less than") << QByteArray("< 1y") << QByteArray("0/0/0 1/0/0)");
        QTest::newRow("less than, no blank") << QByteArray("<1y") << QByteArray("0/0/0 1/0/0)");
        QTest::newRow("more than") << QByteArray("> 70y") << QByteArray("(70/0/0 -");
        QTest::newRow("CHILD") << QByteArray("CHILD") << QByteArray("0/0/0 8/0/0)");
        QTest::newRow("INFANT") << QByteArray("infant") << QByteArray("0/0/0 1/0/0)");
        QTest::newRow("STILLBORN") << QByteArray("STILLBORN") << QByteArray("0/0/0 0/0/0");
        QTest::newRow("worded") << QByteArray("aged 79 years, 9 months, 29 days") << QByteArray("79/9/29 79/9/29");
        QTest::newRow("result entry") << QByteArray("39 Year(s), 9 month(s), 19 day(s)") << QByteArray("39/9/19 39/9/19");
        QTest::newRow("numeric") << QByteArray("9/19/39") << QByteArray("39/9/19 39/9/19");
        QTest::newRow("bare number") << QByteArray("23") << QByteArray("23/0/0 24/0/0)");
        QTest::newRow("words") << QByteArray("eighty or so") << QByteArray("!");
        QTest::newRow("four numeric parts") << QByteArray("1.2.3.4") << QByteArray("!");
        QTest::newRow("fraction") << QByteArray("1.5y") << QByteArray("!");
        QTest::newRow("sign") << QByteArray("-5y") << QByteArray("!");
        QTest::newRow("bound alone") << QByteArray("<") << QByteArray("!");
        QTest::newRow("empty") << QByteArray("") << QByteArray("!");
        QTest::newRow("phrase") << QByteArray("(about seventy)") << QByteArray("- -");
    }

    void ageGrammar()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        const Result<StatedAge> read = readStatedAge(text.toStdString());
        if (expected == "!") {
            QVERIFY(!read.ok());
            QVERIFY(!read.problem().message.empty());
            return;
        }
        QVERIFY2(read.ok(), whyNot(read));
        const StatedAge& stated = *read;
        // A phrase is read, and states no ages.
        QCOMPARE(stated.phrase, text.startsWith('('));
        QCOMPARE(stated.hasAges(), !stated.phrase);
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
        long long previous = julianDayOf({1599, 12, 31}).number();
        for (long long year = 1600; year < 2000; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int d = 1; d <= julianMonthLength(month, year); ++d) {
                    const long long number = julianDayOf({year, month, d}).number();
                    QCOMPARE(number, previous + 1);
                    QVERIFY(julianDateOf(Day(number)) == CalendarDate({year, month, d}));
                    previous = number;
                }
            }
        }
        QCOMPARE(julianMonthLength(2, 1900), 29);
        QCOMPARE(julianMonthLength(2, 1901), 28);
        // The Julian span borrows a 29-day February in 1700; the Gregorian
        // one 28 days.
        const YearsMonthsDays span = spanBetween({1700, 1, 15}, {1700, 3, 1}, CalendarSystem::Julian);
        QCOMPARE(span.months, 1LL);
        QCOMPARE(span.days, 15LL);
    }

    // The readings kept by text give what reading each text anew gives, and
    // keep one reading per text: an escape or the switch reads the same
    // words as another day.
    void dateReadings_data()
    {
        QTest::addColumn<QByteArray>("texts"); // read in turn, twice over, separated by |
        QTest::addColumn<QByteArray>("switchDay"); // the first Gregorian day, if any
        QTest::addColumn<int>("kept");
        QTest::newRow("an escape is part of the text") << QByteArray("@#DJULIAN@ 1 JAN 1700|1 JAN 1700") << QByteArray() << 2;
        QTest::newRow("blanks around are not") << QByteArray(" 5 MAY 1900 |5 MAY 1900|5  MAY 1900") << QByteArray() << 2;
        QTest::newRow("the switch reads plain dates") << QByteArray("1 JAN 1700|@#DGREGORIAN@ 1 JAN 1700")
                                                      << QByteArray("1752-9-14") << 2;
        QTest::newRow("status words and phrases") << QByteArray("STILLBORN|DECEASED|(in the war)|INT 1850 (about)")
                                                  << QByteArray() << 4;
        QTest::newRow("refused, and open sides") << QByteArray("-13 1497|BEF 1900|AFT 1900|ABT 1850|BET 1840 AND 1850")
                                                 << QByteArray() << 5;
        QTest::newRow("other calendars") << QByteArray("@#DHEBREW@ 1 TSH 5620|@#DFRENCH R@ 18 BRUM 8|1 JAN 1700/01")
                                         << QByteArray("1752-9-14") << 3;
    }

    void dateReadings()
    {
        QFETCH(QByteArray, texts);
        QFETCH(QByteArray, switchDay);
        QFETCH(int, kept);
        DateReadOptions options;
        if (!switchDay.isEmpty()) {
            const QDate day = QDate::fromString(QString::fromLatin1(switchDay), "yyyy-M-d");
            options.calendar.firstGregorianDay = dayOf({day.year(), day.month(), day.day()});
        }
        GedcomDateReadings readings(options);
        for (int round = 0; round < 2; ++round) {
            for (const QByteArray& text : texts.split('|')) {
                const Result<GedcomDate> fresh = readGedcomDate(text.trimmed().toStdString(), options);
                const Result<GedcomDate> kept = readings.read(text.toStdString());
                const auto fields = [](const Result<GedcomDate>& reading) {
                    if (!reading)
                        return QByteArray("refused");
                    const GedcomDate& date = *reading;
                    return QByteArrayList{dayText(date.days.earliest), dayText(date.days.latest),
                                          QByteArray::number(date.approximate), QByteArray::number(int(date.calendar)),
                                          QByteArray::number(int(date.noDate)), QByteArray::number(date.stillborn),
                                          QByteArray::number(date.julianWritten), QByteArray::number(date.hebrewWritten),
                                          QByteArray::number(date.frenchWritten)}
                        .join(' ');
                };
                QCOMPARE(fields(kept), fields(fresh));
            }
        }
        QCOMPARE(int(readings.size()), kept);
    }


    // The Hebrew and French Republican calendars: known days both ways, and
    // every day of many years to a day number and back.
    void otherCalendars_data()
    {
        QTest::addColumn<bool>("hebrew");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QByteArray>("gregorian");
        QTest::newRow("1 Tishri 5620") << true << 5620 << 1 << 1 << QByteArray("1859-9-29");
        QTest::newRow("1 Tishri 5462, postponed") << true << 5462 << 1 << 1 << QByteArray("1701-10-3");
        QTest::newRow("15 Nisan 5708") << true << 5708 << 8 << 15 << QByteArray("1948-4-24");
        QTest::newRow("1 Vendemiaire I") << false << 1 << 1 << 1 << QByteArray("1792-9-22");
        QTest::newRow("18 Brumaire VIII") << false << 8 << 2 << 18 << QByteArray("1799-11-9");
        QTest::newRow("9 Thermidor II") << false << 2 << 11 << 9 << QByteArray("1794-7-27");
        QTest::newRow("11 Nivose XIV, the last day") << false << 14 << 4 << 10 << QByteArray("1805-12-31");
        QTest::newRow("1 Floreal LXXIX, the Commune") << false << 79 << 8 << 1 << QByteArray("1871-4-21");
    }

    void otherCalendars()
    {
        QFETCH(bool, hebrew);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QByteArray, gregorian);
        const CalendarDate date{year, month, day};
        const long long number = hebrew ? hebrewDayOf(date).number() : frenchRepublicanDayOf(date).number();
        QCOMPARE(dayText(Day(number)), gregorian);
        QVERIFY(hebrew ? hebrewDateOf(Day(number)) == date : frenchRepublicanDateOf(Day(number)) == date);
        // Around the known day, a run of years: each day one after the last,
        // each back to its date, years of the lengths the calendar allows.
        const int MonthsPerYear = hebrew ? HebrewMonthsPerYear : FrenchRepublicanMonthsPerYear;
        long long previous = -1;
        for (int y = std::max(1, year - 30); y <= year + 30; ++y) {
            const long long first = hebrew ? hebrewDayOf({y, 1, 1}).number() : frenchRepublicanDayOf({y, 1, 1}).number();
            long long days = 0;
            for (int m = 1; m <= MonthsPerYear; ++m) {
                const int length = hebrew ? hebrewMonthLength(m, y) : frenchRepublicanMonthLength(m, y);
                for (int d = 1; d <= length; ++d, ++days) {
                    const long long n = hebrew ? hebrewDayOf({y, m, d}).number() : frenchRepublicanDayOf({y, m, d}).number();
                    QVERIFY(previous < 0 || n == previous + 1);
                    QVERIFY(hebrew ? hebrewDateOf(Day(n)) == CalendarDate({y, m, d})
                                   : frenchRepublicanDateOf(Day(n)) == CalendarDate({y, m, d}));
                    previous = n;
                }
            }
            QCOMPARE(previous - first + 1, days);
            if (hebrew)
                QVERIFY2((days >= 353 && days <= 355) || (days >= 383 && days <= 385), QByteArray::number(y).constData());
            else
                QCOMPARE(days, isFrenchRepublicanLeapYear(y) ? 366 : 365);
            // A new year never falls on a Sunday, Wednesday or Friday
            // (day number 0 was a Monday).
            if (hebrew)
                QVERIFY(first % 7 != 6 && first % 7 != 2 && first % 7 != 4);
        }
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
        QTest::newRow("skipped age, nearer at the later death") << QByteArray("31 JAN 1990") << QByteArray("BET 28 FEB 1990 AND 1 MAR 1990") << QByteArray("1m 0d") << QByteArray("disagrees by 1 day(s)") << QByteArray();
        QTest::newRow("skipped age, nearer at the earlier death") << QByteArray("29 JAN 1990") << QByteArray("BET 28 FEB 1990 AND 1 MAR 1990") << QByteArray("1m 0d") << QByteArray("disagrees by 1 day(s)") << QByteArray();
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
        QTest::newRow("Julian death, Gregorian birth") << QByteArray("11 JAN 1700") << QByteArray("@#DJULIAN@ 1 JAN 1701") << QByteArray("1y 0m 0d") << QByteArray("disagrees by 1 day(s)") << QByteArray("1/12/1700 through 1/12/1700 (Gregorian)");
        QTest::newRow("Julian birth, Gregorian death") << QByteArray("@#DJULIAN@ 1 JAN 1700") << QByteArray("1 JAN 1701") << QByteArray("1y 0m 0d") << QByteArray("disagrees by 10 day(s)") << QByteArray("1/1/1700 through 1/1/1700 (Gregorian)");
        QTest::newRow("mixed agrees") << QByteArray("@#DJULIAN@ 22 DEC 1699") << QByteArray("1 JAN 1701") << QByteArray("1y 0m 0d") << QByteArray("agrees") << QByteArray("1/1/1700 through 1/1/1700 (Gregorian)");
        // A date open at the far end sets no greatest age.
        QTest::newRow("open death, long age") << QByteArray("1 JAN 1800") << QByteArray("AFT 1850") << QByteArray("129y 11m 30d") << QByteArray("cannot check: the death date is open-ended") << QByteArray();
        QTest::newRow("open birth, long age") << QByteArray("BEF 1800") << QByteArray("5 JAN 1870") << QByteArray("129y 0m 0d") << QByteArray("cannot check: the birth date is open-ended") << QByteArray("1/5/1741 through 1/5/1741");
        QTest::newRow("open death, short age") << QByteArray("1 JAN 1850") << QByteArray("FROM 1900") << QByteArray("49y 0m 0d") << QByteArray("disagrees by 365 day(s)") << QByteArray();
        QTest::newRow("open birth, short age") << QByteArray("TO 1800") << QByteArray("1 JAN 1850") << QByteArray("49y 0m 0d") << QByteArray("disagrees by 1 day(s)") << QByteArray("1/1/1801 through 1/1/1801");
        QTest::newRow("open towards the other date") << QByteArray("AFT 1850") << QByteArray("1 JAN 1900") << QByteArray("10y 0m 0d") << QByteArray("agrees") << QByteArray("1/1/1890 through 1/1/1890");
        QTest::newRow("no birth") << QByteArray("-") << QByteArray("3 AUG 1904") << QByteArray("79y 9m 29d") << QByteArray("cannot check: no birth date") << QByteArray("10/5/1824 through 10/5/1824");
        QTest::newRow("no death") << QByteArray("1 JAN 1800") << QByteArray("-") << QByteArray("79y") << QByteArray("cannot check: no death date") << QByteArray();
        QTest::newRow("approximate death") << QByteArray("1 JAN 1830") << QByteArray("ABT 1900") << QByteArray("70y") << QByteArray("cannot check: the death date is approximate") << QByteArray();
        // More than 1 year 29 days: at least 1 year 30 days, which no birth
        // gives at 1 MAR 1851 exactly; 1 FEB 1850 gives 1 year 1 month.
        QTest::newRow("more than, at the days' limit") << QByteArray("2 FEB 1850") << QByteArray("1 MAR 1851") << QByteArray(">1y 29d") << QByteArray("disagrees by 1 day(s)") << QByteArray("on or before 2/1/1850");
        QTest::newRow("more than, at the days' limit, agrees") << QByteArray("1 FEB 1850") << QByteArray("1 MAR 1851") << QByteArray(">1y 29d") << QByteArray("agrees") << QByteArray("on or before 2/1/1850");
        QTest::newRow("approximate") << QByteArray("ABT 1850") << QByteArray("12 JUN 1900") << QByteArray("50y 0m 0d") << QByteArray("cannot check: the birth date is approximate") << QByteArray("6/12/1850 through 6/12/1850");
        QTest::newRow("unreadable birth") << QByteArray("5 FOO 1850") << QByteArray("12 JUN 1900") << QByteArray("50y 0m 0d") << QByteArray("cannot check: the birth date cannot be read") << QByteArray("6/12/1850 through 6/12/1850");
        QTest::newRow("unreadable age") << QByteArray("1850") << QByteArray("12 JUN 1900") << QByteArray("fifty or so") << QByteArray("cannot check: the stated age cannot be read") << QByteArray();
        QTest::newRow("death before birth") << QByteArray("1900") << QByteArray("1899") << QByteArray("1y") << QByteArray("cannot check: the death date lies before the birth date") << QByteArray();
        // Ages are rounded down: a stated 75 holds for 75 years and 8 months.
        QTest::newRow("rounded down years") << QByteArray("1 JAN 1900") << QByteArray("1 SEP 1975") << QByteArray("75") << QByteArray("agrees") << QByteArray("9/2/1899 through 9/1/1900");
        QTest::newRow("one year too many") << QByteArray("1 JAN 1900") << QByteArray("1 SEP 1975") << QByteArray("76y") << QByteArray("disagrees by 122 day(s)") << QByteArray("9/2/1898 through 9/1/1899");
        QTest::newRow("rounded down months") << QByteArray("1 JAN 1900") << QByteArray("25 FEB 1900") << QByteArray("1m") << QByteArray("agrees") << QByteArray("12/26/1899 through 1/25/1900");
        QTest::newRow("weeks") << QByteArray("1 JAN 1900") << QByteArray("10 FEB 1900") << QByteArray("5w") << QByteArray("agrees") << QByteArray("12/31/1899 through 1/6/1900");
        QTest::newRow("weeks too many") << QByteArray("1 JAN 1900") << QByteArray("10 FEB 1900") << QByteArray("6w") << QByteArray("disagrees by 2 day(s)") << QByteArray("12/24/1899 through 12/30/1899");
        QTest::newRow("years and weeks") << QByteArray("1 JAN 1900") << QByteArray("25 JAN 1902") << QByteArray("2y 3w") << QByteArray("agrees") << QByteArray("12/29/1899 through 1/4/1900");
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
            const GedcomSpanCalendar calendar(julian ? CalendarSystem::Julian : CalendarSystem::Gregorian);
            GedcomDate birth;
            birth.days.earliest = Day(day(1899, 11, 1) + pick(0, 120));
            if (pick(0, 2) == 0) { // the end of a month, where ages are skipped
                const CalendarDate date = dateOf(*birth.days.earliest);
                birth.days.earliest = Day(day(date.year, date.month, daysInMonth(date.month, date.year)) - pick(0, 2));
            }
            birth.days.latest = *birth.days.earliest + (pick(0, 2) == 0 ? 0 : pick(0, 20));
            GedcomDate death = birth;
            death.days.earliest = *birth.days.earliest + pick(0, 800);
            death.days.latest = *death.days.earliest + (pick(0, 2) == 0 ? 0 : pick(0, 20));
            if (julian)
                birth.calendar = death.calendar = GedcomDate::Calendar::Julian;

            // Mostly ages near the span of the dates, where the edges are.
            const Age near = calendar.span(*birth.days.latest, *death.days.earliest);
            const bool far = pick(0, 9) == 0;
            const Age age{far ? pick(0, 2) : near.years, far ? pick(0, 11) : std::max(0LL, near.months + pick(-1, 1)),
                          pick(0, 1) == 0 ? pick(0, 30) : pick(28, 31)};
            const long long elapsed = *death.days.earliest - *birth.days.latest;
            StatedAge stated;
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
            const long long expected = bruteDistance(birth.days.earliest->number(), birth.days.latest->number(),
                                                     death.days.earliest->number(), death.days.latest->number(), stated,
                                                     julian);
            const long long actual = check.outcome == AgeCheck::Outcome::Agrees ? -1 : check.days;
            if (actual != expected || check.outcome == AgeCheck::Outcome::Unreachable) {
                QFAIL(qPrintable(QStringLiteral("birth %1..%2 death %3..%4 age %5/%6/%7 (%8): %9 instead of %10")
                                     .arg(QString(dayText(birth.days.earliest)), QString(dayText(birth.days.latest)),
                                          QString(dayText(death.days.earliest)), QString(dayText(death.days.latest)))
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
        QCOMPARE(result.status, int(GedcomReportClean));
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
        // ANSEL's marks go before their letter, Unicode's after it.
        QTest::newRow("ANSEL acute") << QByteArray("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME \xE2" "Emile /Dupont/\n")
                                     << QByteArray("E\xCC\x81" "mile Dupont") << false;
        QTest::newRow("ANSEL two marks") << QByteArray("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME \xE3\xF2" "a /\xE8u/\n")
                                         << QByteArray("a\xCC\x82\xCC\xA3 u\xCC\x88") << false;
        QTest::newRow("ANSEL letters") << QByteArray("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME \xA5" "sa /\xB1\xB2" "d\xCF/\n")
                                       << QByteArray("\xC3\x86sa \xC5\x82\xC3\xB8" "d\xC3\x9F") << false;
        QTest::newRow("ANSEL mark at the end") << QByteArray("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME Ann\xE2\n")
                                               << QByteArray("Ann\xCC\x81") << false;
        QTest::newRow("ANSEL unassigned") << QByteArray("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME Ann\xD0 /Lee/\n")
                                          << QByteArray("Ann\xEF\xBF\xBD Lee") << true;
        QTest::newRow("ANSI") << QByteArray("0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME Ren\xE9 /M\xFCller/ \x80\n")
                              << QByteArray("Ren\xC3\xA9 M\xC3\xBCller \xE2\x82\xAC") << false;
        QTest::newRow("ANSI unassigned") << QByteArray("0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME Ann\x81\n")
                                         << QByteArray("Ann\xEF\xBF\xBD") << true;
        QTest::newRow("IBMPC") << QByteArray("0 HEAD\n1 CHAR IBMPC\n0 @I1@ INDI\n1 NAME Ren\x82 /M\x81ller/\n")
                               << QByteArray("Ren\xC3\xA9 M\xC3\xBCller") << false;
        QTest::newRow("IBM PC") << QByteArray("0 HEAD\n1 CHAR IBM PC\n0 @I1@ INDI\n1 NAME \x9A" "be\n")
                                << QByteArray("\xC3\x9C" "be") << false;
        QTest::newRow("unknown character set") << QByteArray("0 HEAD\n1 CHAR MACINTOSH\n0 @I1@ INDI\n1 NAME Ren\x8E\n")
                                               << QByteArray("Ren\xEF\xBF\xBD") << true;
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
        QTest::newRow("line of 2 MiB") << "0 HEAD\n1 NOTE " + QByteArray(2 << 20, 'x') + "\n" << QByteArray("line 2 is longer than 1 MiB");
        QTest::newRow("zeros, no line end") << QByteArray(3 << 20, '\0') << QByteArray("line 1 is longer than 1 MiB");
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, reason);
        const Report result = report(file);
        QCOMPARE(result.status, int(GedcomReportUnreadable));
        QVERIFY(result.out.isEmpty());
        QVERIFY2(result.warnings.contains(reason), result.warnings.constData());
    }

    // UTF-16 files, with or without a byte order mark, read as UTF-8; a
    // lone surrogate becomes U+FFFD with one warning.
    void utf16Files_data()
    {
        QTest::addColumn<QByteArray>("encoding"); // for QStringConverter-free conversion
        QTest::addColumn<bool>("byteOrderMark");
        QTest::addColumn<bool>("broken");
        QTest::newRow("little endian, mark") << QByteArray("LE") << true << false;
        QTest::newRow("little endian, no mark") << QByteArray("LE") << false << false;
        QTest::newRow("big endian, mark") << QByteArray("BE") << true << false;
        QTest::newRow("big endian, no mark") << QByteArray("BE") << false << false;
        QTest::newRow("lone surrogate") << QByteArray("LE") << false << true;
    }

    void utf16Files()
    {
        QFETCH(QByteArray, encoding);
        QFETCH(bool, byteOrderMark);
        QFETCH(bool, broken);
        const QString text = QStringLiteral("0 HEAD\r\n1 CHAR UNICODE\r\n0 @I1@ INDI\r\n1 NAME Ren\u00E9 /\u0141\u00F3d\u017A/\r\n"
                                            "1 BIRT\r\n2 DATE 1 JAN 1900\r\n1 DEAT\r\n2 DATE 2 JAN 1900\r\n0 TRLR\r\n");
        QByteArray file;
        const auto put = [&](char16_t unit) {
            const char high = char(unit >> 8), low = char(unit & 0xFF);
            file += encoding == "LE" ? QByteArray(1, low) + high : QByteArray(1, high) + low;
        };
        if (byteOrderMark)
            put(0xFEFF);
        for (QChar c : text) {
            if (broken && c == QChar(0x00E9))
                put(0xD800); // a high surrogate with no low one after it
            else
                put(c.unicode());
        }
        // Read in blocks far smaller than the file, so that characters and
        // line ends are split between blocks.
        const Report result = report(file.repeated(1));
        QCOMPARE(result.status, int(GedcomReportClean));
        const QByteArray name = broken ? "Ren\xEF\xBF\xBD \xC5\x81\xC3\xB3" "d\xC5\xBA" : "Ren\xC3\xA9 \xC5\x81\xC3\xB3" "d\xC5\xBA";
        QCOMPARE(rowOf(result.out, "I1"), "I1," + name + ",1 JAN 1900,2 JAN 1900,\"0 Year(s), 0 month(s), 1 day(s)\",,,,");
        QCOMPARE(result.warnings.count("U+FFFD"), broken ? 1 : 0);
    }

    // A UTF-16 file larger than the reader's blocks: every row is read.
    void longUtf16File()
    {
        QByteArray utf8 = "0 HEAD\n";
        constexpr int People = 5000;
        for (int i = 0; i < People; ++i)
            utf8 += "0 @I" + QByteArray::number(i) + "@ INDI\n1 NAME \xC3\x89mile /Z\xC5\x82oty/\n1 BIRT\n2 DATE 1 JAN 1900\n";
        utf8 += "0 TRLR\n";
        const QString text = QString::fromUtf8(utf8);
        QByteArray file;
        for (QChar c : text)
            file += QByteArray(1, char(c.unicode() & 0xFF)) + char(c.unicode() >> 8);
        const Report result = report(file);
        QCOMPARE(result.summary.individuals, People);
        QCOMPARE(rowOf(result.out, "I4999"), QByteArray("I4999,\xC3\x89mile Z\xC5\x82oty,1 JAN 1900,,,,,,"));
        QVERIFY(result.warnings.isEmpty());
    }

    // GEDZIP: the archive's gedcom.ged, through the same opening as the
    // command line.
    void gedzipFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("result"); // the I1 row, or "!" and the reason
        QTest::newRow("archive") << QStringLiteral("tree.gdz") << QByteArray("I1,Ann Lee,1 JAN 1900,1 JAN 1950,\"50 Year(s), 0 month(s), 0 day(s)\",50,agrees,1/2/1899 through 1/1/1900,");
        QTest::newRow("no gedcom.ged") << QStringLiteral("other.gdz") << QByteArray("!has no gedcom.ged");
        QTest::newRow("plain file") << QStringLiteral("forms.ged") << QByteArray("I1,Exact Agrees,10 MAY 1950,1 MAR 1990,\"39 Year(s), 9 month(s), 19 day(s)\",39y 9m 19d,agrees,5/10/1950 through 5/10/1950,");
        QTest::newRow("missing") << QStringLiteral("missing.gdz") << QByteArray("!No such file");
    }

    void gedzipFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, result);
        std::string error;
        std::FILE* in = openGedcomFile(QStringLiteral(SPANWRIGHT_GEDCOM_DATA "/").toStdString() + file.toStdString(), error);
        if (result.startsWith('!')) {
            QVERIFY(in == nullptr);
            QVERIFY2(QByteArray::fromStdString(error).contains(result.mid(1)), error.c_str());
            return;
        }
        QVERIFY2(in != nullptr, error.c_str());
        QByteArray text;
        char block[4096];
        size_t n = 0;
        while ((n = std::fread(block, 1, sizeof block, in)) > 0)
            text.append(block, qsizetype(n));
        std::fclose(in);
        QCOMPARE(rowOf(report(text).out, "I1"), result);
    }

    // Values that are no date and no error: status words and phrases, and
    // GEDCOM 7's PHRASE under an empty DATE or AGE.
    void noDates_data()
    {
        QTest::addColumn<QByteArray>("lines"); // of I1 after its birth on 1 JAN 1850
        QTest::addColumn<QByteArray>("columns"); // death, age at death, stated age, check, birth dates, error
        QTest::newRow("DECEASED") << QByteArray("1 DEAT\n2 DATE DECEASED\n2 AGE 50y\n")
                                  << QByteArray("DECEASED,,50y,cannot check: the death date is unknown (DECEASED),,");
        QTest::newRow("Dead") << QByteArray("1 DEAT\n2 DATE Dead\n") << QByteArray("Dead,,,,,");
        QTest::newRow("INFANT date") << QByteArray("1 DEAT\n2 DATE INFANT\n") << QByteArray("INFANT,,,,,");
        QTest::newRow("STILLBORN death: age 0") << QByteArray("1 DEAT\n2 DATE STILLBORN\n2 AGE 0d\n")
                                                << QByteArray("STILLBORN,\"0 Year(s), 0 month(s), 0 day(s)\",0d,agrees,,");
        QTest::newRow("date phrase") << QByteArray("1 DEAT\n2 DATE (Soon after the flood)\n")
                                     << QByteArray("(Soon after the flood),a date phrase: cannot compute,,,,");
        QTest::newRow("7.0 empty DATE, PHRASE") << QByteArray("1 DEAT\n2 DATE\n3 PHRASE in the war\n")
                                                << QByteArray("(in the war),a date phrase: cannot compute,,,,");
        QTest::newRow("a later dated DEAT is used") << QByteArray("1 DEAT\n2 DATE\n3 PHRASE in the war\n2 AGE 40y\n1 DEAT\n2 DATE 1 JAN 1900\n2 AGE 50y\n")
                                                    << QByteArray("1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",50y,agrees,1/2/1849 through 1/1/1850,");
        QTest::newRow("7.0 AGE with only a PHRASE") << QByteArray("1 DEAT\n2 DATE 1 JAN 1900\n2 AGE\n3 PHRASE about fifty\n")
                                                    << QByteArray("1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",(about fifty),cannot check: the stated age is a phrase,,");
        QTest::newRow("empty AGE") << QByteArray("1 DEAT\n2 DATE 1 JAN 1900\n2 AGE\n")
                                   << QByteArray("1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",,,,");
    }

    void noDates()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QByteArray, columns);
        const Report result = report("0 HEAD\n0 @I1@ INDI\n1 BIRT\n2 DATE 1 JAN 1850\n" + lines + "0 TRLR\n");
        QCOMPARE(rowOf(result.out, "I1"), "I1,,1 JAN 1850," + columns);
        QCOMPARE(result.status, int(GedcomReportClean));
    }

    // A date that is no date gives way to a later readable one of the same
    // kind, or to the burial's (the christening's) as a missing death
    // (birth) does; where none follows, the word or phrase is kept.
    void noDateGivesWay_data()
    {
        QTest::addColumn<QByteArray>("lines"); // of I1
        QTest::addColumn<QByteArray>("columns"); // birth, death, age at death, stated age, check, birth dates, error
        const QByteArray born = "1 BIRT\n2 DATE 1 JAN 1850\n";
        QTest::newRow("Dead, then a dated burial")
            << born + "1 DEAT\n2 DATE Dead\n1 BURI\n2 DATE 5 JAN 1950\n"
            << QByteArray("1 JAN 1850,5 JAN 1950 (BURI),\"100 Year(s), 0 month(s), 4 day(s)\",,,,");
        QTest::newRow("DECEASED, then a dated DEAT")
            << born + "1 DEAT\n2 DATE DECEASED\n2 AGE 40y\n1 DEAT\n2 DATE 1 JAN 1900\n2 AGE 50y\n"
            << QByteArray("1 JAN 1850,1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",50y,agrees,1/2/1849 through 1/1/1850,");
        QTest::newRow("phrase, then a dated BIRT")
            << QByteArray("1 BIRT\n2 DATE (in spring)\n1 BIRT\n2 DATE 1 MAR 1900\n1 DEAT\n2 DATE 1 MAR 1950\n")
            << QByteArray("1 MAR 1900,1 MAR 1950,\"50 Year(s), 0 month(s), 0 day(s)\",,,,");
        QTest::newRow("phrase, then a christening")
            << QByteArray("1 BIRT\n2 DATE (in spring)\n1 CHR\n2 DATE 1 MAR 1900\n1 DEAT\n2 DATE 1 MAR 1950\n")
            << QByteArray("1 MAR 1900 (CHR),1 MAR 1950,\"50 Year(s), 0 month(s), 0 day(s)\",,,,");
        QTest::newRow("7.0 empty DATE, then a dated burial")
            << born + "1 DEAT\n2 DATE\n3 PHRASE in the war\n1 BURI\n2 DATE 1 JAN 1900\n"
            << QByteArray("1 JAN 1850,1 JAN 1900 (BURI),\"50 Year(s), 0 month(s), 0 day(s)\",,,,");
        QTest::newRow("the first word stays before a phrase")
            << born + "1 DEAT\n2 DATE Dead\n1 DEAT\n2 DATE (in the war)\n1 BURI\n2 DATE INFANT\n"
            << QByteArray("1 JAN 1850,Dead,,,,,");
        QTest::newRow("STILLBORN stays before a dated burial")
            << born + "1 DEAT\n2 DATE STILLBORN\n1 BURI\n2 DATE 5 JAN 1850\n"
            << QByteArray("1 JAN 1850,STILLBORN,\"0 Year(s), 0 month(s), 0 day(s)\",,,,");
        QTest::newRow("a dated DEAT stays before a dated burial")
            << born + "1 DEAT\n2 DATE 1 JAN 1900\n1 BURI\n2 DATE 5 JAN 1900\n"
            << QByteArray("1 JAN 1850,1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",,,,");
        QTest::newRow("an INT date stays")
            << born + "1 DEAT\n2 DATE INT 1 JAN 1900 (new year's day)\n1 DEAT\n2 DATE 5 JAN 1900\n"
            << QByteArray("1 JAN 1850,INT 1 JAN 1900 (new year's day),\"50 Year(s), 0 month(s), 0 day(s)\",,,,");
    }

    void noDateGivesWay()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QByteArray, columns);
        const Report result = report("0 HEAD\n0 @I1@ INDI\n" + lines + "0 TRLR\n");
        QCOMPARE(rowOf(result.out, "I1"), "I1,," + columns);
        QCOMPARE(result.status, int(GedcomReportClean));
    }

    // A record whose id is malformed keeps its own row, with the error.
    void malformedIds_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("row");
        QTest::newRow("no closing @") << QByteArray("0 @I9 INDI") << QByteArray("I9,Kept Apart,1 JAN 1900,,,,,,\"line 4: the record's id \"\"@I9\"\" does not end with @\"");
        QTest::newRow("@ after the blank") << QByteArray("0 @I9 @ INDI") << QByteArray();
    }

    void malformedIds()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, row);
        const Report result = report("0 HEAD\n0 @I1@ INDI\n1 NAME Ann /Lee/\n" + line + "\n1 NAME Kept /Apart/\n1 BIRT\n2 DATE 1 JAN 1900\n0 TRLR\n");
        // The lines after the broken id never go to the record before it.
        QCOMPARE(rowOf(result.out, "I1"), QByteArray("I1,Ann Lee,,,,,,,"));
        QCOMPARE(rowOf(result.out, "I9"), row);
        QCOMPARE(result.status, int(row.isEmpty() ? GedcomReportClean : GedcomReportRowErrors));
    }

    // Rows across calendars and eras: the age and how it was worked out.
    void calendarRows_data()
    {
        QTest::addColumn<QByteArray>("birth");
        QTest::addColumn<QByteArray>("death");
        QTest::addColumn<QByteArray>("ageAtDeath");
        QTest::newRow("B.C. to A.D.") << QByteArray("1 JAN 25 BC") << QByteArray("1 JAN 49 AD") << QByteArray("73 Year(s), 0 month(s), 0 day(s)");
        QTest::newRow("1 BC to AD 1") << QByteArray("1 JUL 1 B.C.") << QByteArray("1 JUL 1") << QByteArray("1 Year(s), 0 month(s), 0 day(s)");
        QTest::newRow("two Hebrew dates, spanned as Gregorian") << QByteArray("@#DHEBREW@ 1 TSH 5620") << QByteArray("HEBREW 1 TSH 5621")
                                                              << QByteArray("0 Year(s), 11 month(s), 19 day(s) (Hebrew date converted to the Gregorian calendar)");
        QTest::newRow("French and Gregorian") << QByteArray("FRENCH_R 1 VEND 1") << QByteArray("22 SEP 1793")
                                              << QByteArray("1 Year(s), 0 month(s), 0 day(s) (French Republican date converted to the Gregorian calendar)");
        QTest::newRow("Julian and Hebrew") << QByteArray("JULIAN 17 SEP 1859") << QByteArray("HEBREW 1 TSH 5620")
                                           << QByteArray("0 Year(s), 0 month(s), 0 day(s) (Julian and Hebrew dates converted to the Gregorian calendar)");
    }

    void calendarRows()
    {
        QFETCH(QByteArray, birth);
        QFETCH(QByteArray, death);
        QFETCH(QByteArray, ageAtDeath);
        const GedcomRow row = calculateGedcomRow(optionalText(birth), optionalText(death), std::nullopt);
        QCOMPARE(QByteArray::fromStdString(row.ageAtDeath), ageAtDeath);
        QVERIFY2(row.error.empty(), row.error.c_str());
    }

    // Lines that cannot be read go to the row's error, the first few in full;
    // a cut line only where its value is used. The report goes on.
    void damagedRecords_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QByteArray>("error");
        const QByteArray longValue(70000, '1');
        // Fewer than half the file's lines, which would refuse it.
        QByteArray manyLines;
        for (int i = 0; i < 1000; ++i)
            manyLines += "nonsense\n";
        for (int i = 0; i < 1000; ++i)
            manyLines += "1 NOTE kept\n";
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
        QCOMPARE(result.status, int(error.isEmpty() ? GedcomReportClean : GedcomReportRowErrors));
        QCOMPARE(rowOf(result.out, "I2"), QByteArray("I2,,,,,,,,"));
    }

    // The stated age is checked against the date of its own event.
    void statedAgeEvents_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QByteArray>("columns"); // death, age at death, stated age, check, birth dates

        QTest::newRow("age before date") << QByteArray("1 DEAT\n2 AGE 50y\n2 DATE 1 JAN 1900\n")
                                         << QByteArray("1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",50y,agrees,1/2/1849 through 1/1/1850");
        QTest::newRow("burial age, death date") << QByteArray("1 DEAT\n2 DATE 1 JAN 1900\n1 BURI\n2 DATE 4 JAN 1900\n2 AGE 50y\n")
                                                << QByteArray("1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",50y (BURI),"
                                                              "\"cannot check: the age is stated under BURI, the date under DEAT\",");
        QTest::newRow("age under an undated DEAT") << QByteArray("1 DEAT\n2 DATE 1 JAN 1900\n1 DEAT\n2 AGE 49y\n")
                                                   << QByteArray("1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",49y,"
                                                                 "cannot check: the age is stated under another DEAT than the date,");
        QTest::newRow("age of the dated DEAT") << QByteArray("1 DEAT\n2 AGE 40y\n1 DEAT\n2 DATE 1 JAN 1900\n2 AGE 50y\n")
                                               << QByteArray("1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",50y,agrees,1/2/1849 through 1/1/1850");
        QTest::newRow("burial date and age") << QByteArray("1 DEAT\n2 AGE 49y\n1 BURI\n2 DATE 1 JAN 1900\n2 AGE 50y\n")
                                             << QByteArray("1 JAN 1900 (BURI),\"50 Year(s), 0 month(s), 0 day(s)\",50y (BURI),agrees,on or before 1/1/1850");
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
            "I4,About Birth,ABT 1850,12 JUN 1900,\"about: at least 49 Year(s), 5 month(s), 12 day(s), at most 50 Year(s), 5 month(s), 11 day(s)\",50,cannot check: the birth date is approximate,6/13/1849 through 6/12/1850,",
            "I5,Calculated Death,2 FEB 1820,CAL 1900,\"about: at least 79 Year(s), 10 month(s), 30 day(s), at most 80 Year(s), 10 month(s), 29 day(s)\",,,,",
            "I6,Estimated Birth,EST 1800,4 JUL 1870,\"about: at least 69 Year(s), 6 month(s), 4 day(s), at most 70 Year(s), 6 month(s), 3 day(s)\",,,,",
            "I7,Before Birth,BEF 1800,5 JAN 1870,\"at least 70 Year(s), 0 month(s), 5 day(s)\",> 70y,cannot check: the birth date is open-ended,on or before 1/4/1800,",
            "I8,After Death,1 JAN 1850,AFT 1900,\"at least 51 Year(s), 0 month(s), 0 day(s)\",< 1y,disagrees by 18263 day(s),,",
            "I9,Between Dates,BET 1 JAN 1800 AND 31 DEC 1801,15 JUN 1880,\"at least 78 Year(s), 5 month(s), 15 day(s), at most 80 Year(s), 5 month(s), 14 day(s)\",79y,agrees,6/16/1800 through 6/15/1801,",
            "I10,From To,FROM 1800 TO 1802,1 JAN 1900,\"at least 97 Year(s), 0 month(s), 1 day(s), at most 100 Year(s), 0 month(s), 0 day(s)\",INFANT,disagrees by 35066 day(s),1/2/1899 through 1/1/1900,",
            "I11,Open Periods,TO 1800,FROM 1900,\"at least 99 Year(s), 0 month(s), 1 day(s)\",,,,",
            "I12,Dual Year,11 FEB 1731/32,11 FEB 1800,\"67 Year(s), 11 month(s), 20 day(s) (Julian date converted to the Gregorian calendar)\",,,,",
            "I13,Julian Year,@#DJULIAN@ 1 JAN 1700,@#DJULIAN@ 1 JAN 1701,\"1 Year(s), 0 month(s), 0 day(s)\",,,,",
            "I14,Julian Leap,@#DJULIAN@ 15 JAN 1700,@#DJULIAN@ 1 MAR 1700,\"0 Year(s), 1 month(s), 15 day(s)\",1m 15d,agrees,1/15/1700 through 1/15/1700 (Julian),",
            "I15,Mixed Calendars,@#DJULIAN@ 1 JAN 1700,@#DGREGORIAN@ 1 JAN 1750,\"49 Year(s), 11 month(s), 21 day(s) (Julian date converted to the Gregorian calendar)\",,,,",
            "I16,Before Christ,44 B.C.,1 JAN 10,\"at least 52 Year(s), 0 month(s), 1 day(s), at most 53 Year(s), 0 month(s), 0 day(s)\",,,,",
            "I18,Date Phrase,1 JAN 1890,(in the war),a date phrase: cannot compute,,,,",
            "I19,Interpreted Date,5 MAY 1850,INT 5 MAY 1900 (from a letter),\"50 Year(s), 0 month(s), 0 day(s)\",,,,",
            "I21,Death Before Birth,1 JAN 1900,1 JAN 1890,,,,,the death date lies before the birth date",
            "I22,Christened Buried,5 MAY 1800 (CHR),10 MAY 1870 (BURI),\"70 Year(s), 0 month(s), 5 day(s)\",70y (BURI),agrees,on or before 5/10/1800,",
            "I23,Baptised Only,2 APR 1801 (BAPM),1 APR 1851,\"49 Year(s), 11 month(s), 30 day(s)\",,,,",
            "I24,Still Born,3 MAR 1900,3 MAR 1900,\"0 Year(s), 0 month(s), 0 day(s)\",STILLBORN,agrees,3/3/1900 through 3/3/1900,",
            "I25,A Child,1 JAN 1900,1 JUN 1905,\"5 Year(s), 5 month(s), 0 day(s)\",CHILD,agrees,6/2/1897 through 6/1/1905,",
            "I26,Unknown Birth,,1 JUN 1900,,> 70y,cannot check: no birth date,on or before 5/31/1830,",
            "I27,Unreachable Age,2 FEB 1989,1 MAR 1990,\"1 Year(s), 0 month(s), 27 day(s)\",1y 0m 29d,disagrees by 1 day(s),none,",
            "I28,Worded Age,,3 AUG 1904,,\"aged 79 years, 9 months, 29 days\",cannot check: no birth date,10/5/1824 through 10/5/1824,",
            "I30,Weekday Form,\"Tuesday, 9th November 1841\",6 may 1910,\"68 Year(s), 5 month(s), 27 day(s)\",9m,disagrees by 24711 day(s),7/7/1909 through 8/6/1909,",
            "I32,Émile Dupont,5 MAY 1850,5 MAY 1851,\"1 Year(s), 0 month(s), 0 day(s)\",1y 0m 0d,agrees,5/5/1850 through 5/5/1850,line 208: not a GEDCOM line",
            "I33,Nothing Known,,,,,,,",
            "I34,Two Births,29 FEB 1904,28 FEB 1905,\"0 Year(s), 11 month(s), 30 day(s)\",364d,disagrees by 1 day(s),3/1/1904 through 3/1/1904,",
            "I35,Century Dual,1 MAR 1699/00,1 MAR 1701,\"0 Year(s), 11 month(s), 17 day(s) (Julian date converted to the Gregorian calendar)\",,,,",
            "I36,Days Beside Years,1 JAN 1900,15 FEB 1901,\"1 Year(s), 1 month(s), 14 day(s)\",1y 45d,cannot check: no span has more than 30 days beside years or months,none,",
            "I37,Julian Death,11 JAN 1700,@#DJULIAN@ 1 JAN 1701,\"1 Year(s), 0 month(s), 1 day(s) (Julian date converted to the Gregorian calendar)\",1y,agrees,1/13/1699 through 1/12/1700 (Gregorian),",
            "I38,Burial Age,1 JAN 1850,1 JAN 1900,\"50 Year(s), 0 month(s), 0 day(s)\",50y (BURI),\"cannot check: the age is stated under BURI, the date under DEAT\",,",
        };
        for (const char* row : rows)
            QTest::newRow(QByteArray(row).left(QByteArray(row).indexOf(',')).constData()) << QByteArray(row);
    }

    void handMadeFile()
    {
        QFETCH(QByteArray, row);
        static const Report result = reportOfFile(QStringLiteral(SPANWRIGHT_GEDCOM_DATA "/forms.ged"));
        QCOMPARE(result.status, int(GedcomReportRowErrors)); // some rows are meant to fail
        QCOMPARE(rowOf(result.out, row.left(row.indexOf(','))), row);
        QCOMPARE(result.out.left(result.out.indexOf('\n')), QByteArray(GedcomReportHeader.data()));
        QCOMPARE(summaryText(result.summary), QByteArray("38 individuals, 31 ages; 9 agree, 6 disagree, 7 cannot check; 5 errors"));
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
        QCOMPARE(result.status, int(GedcomReportClean));
        QCOMPARE(rowOf(result.out, row.left(row.indexOf(','))), row);
        QCOMPARE(summaryText(result.summary), summary);
    }
};

QTEST_GUILESS_MAIN(TestGedcom)
#include "tst_gedcom.moc"
