// Tests of the old ways of dating: Easter by both computus, the feasts and
// the days named from them, English regnal years, Roman days, the Islamic
// and Persian calendars. Easter is checked against published dates and
// against computations written here apart from the engine's (the
// Dionysian table of paschal full moons; Gauss's rule with its two
// exceptions), the Islamic and Persian days against counts of year and
// month lengths from published anchors.

#include "resultcheck.h"
#include "calendarlines.h"
#include "calendars/calendars.h"
#include "convertanswer.h"
#include "reading/datereader.h"
#include "calendars/juliancalendar.h"

#include <QTest>

#include <random>
#include <string>
#include <string_view>

using namespace spanwright;

namespace {

std::string_view view(const QByteArray& text)
{
    return std::string_view(text.constData(), static_cast<size_t>(text.size()));
}

// "J 1335-09-26" or "G 2024-03-31": a day of the Julian or Gregorian
// calendar, as the rows give it.
long long dayOf(const QByteArray& written)
{
    const QList<QByteArray> parts = written.mid(2).split('-');
    const CalendarSystem system = written.startsWith('J') ? CalendarSystem::Julian : CalendarSystem::Gregorian;
    return spanwright::dayOf({system, parts[0].toLongLong(), parts[1].toInt(), parts[2].toInt()}).number();
}

QByteArray row(char calendar, long long year, int month, int day)
{
    return QByteArray(1, calendar) + " " + QByteArray::number(year) + "-" + QByteArray::number(month) + "-"
        + QByteArray::number(day);
}

// The Julian Easter from the Dionysian table: the paschal full moon of the
// year's golden number, then the Sunday after it.
QByteArray dionysianEaster(long long year)
{
    constexpr int FullMoons[19][2] = {{4, 5}, {3, 25}, {4, 13}, {4, 2}, {3, 22}, {4, 10}, {3, 30},
                                      {4, 18}, {4, 7}, {3, 27}, {4, 15}, {4, 4}, {3, 24}, {4, 12},
                                      {4, 1}, {3, 21}, {4, 9}, {3, 29}, {4, 17}};
    const int* moon = FullMoons[year % 19];
    long long day = julianDayOf({year, moon[0], moon[1]}).number() + 1;
    while (weekdayOf(Day(day)) != 6)
        ++day;
    const CalendarDate date = julianDateOf(Day(day));
    return row('J', year, date.month, date.day);
}

// Gauss's rule for the Gregorian Easter, with the exceptions it needs
// (1954, 1981, 2049, 2076).
QByteArray gaussEaster(long long year)
{
    const long long a = year % 19, b = year % 4, c = year % 7, k = year / 100;
    const long long p = (13 + 8 * k) / 25, q = k / 4;
    const long long m = (15 - p + k - q) % 30, n = (4 + k - q) % 7;
    const long long d = (19 * a + m) % 30, e = (2 * b + 4 * c + 6 * d + n) % 7;
    long long marchDay = 22 + d + e;
    if (d == 29 && e == 6)
        marchDay = 31 + 19;
    else if (d == 28 && e == 6 && (11 * m + 11) % 30 < 19)
        marchDay = 31 + 18;
    return marchDay > 31 ? row('G', year, 4, int(marchDay - 31)) : row('G', year, 3, int(marchDay));
}

void addReadingColumns()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("britishSwitch");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("last");
    QTest::addColumn<QByteArray>("because");
}

void readRow(const char* text, const char* first, const char* last = nullptr, bool britishSwitch = false)
{
    QTest::newRow(text) << QByteArray(text) << britishSwitch << QByteArray(first) << QByteArray(last ? last : first)
                        << QByteArray();
}

void refuseRow(const char* text, const char* because)
{
    QTest::newRow(text) << QByteArray(text) << false << QByteArray() << QByteArray() << QByteArray(because);
}

void checkReading()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, britishSwitch);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, last);
    QFETCH(QByteArray, because);
    DateReadOptions options;
    if (britishSwitch)
        options.calendar.firstGregorianDay = spanwright::dayOf({1752, 9, 14});
    const DateResult reading = readDate(view(text), options);
    if (!because.isEmpty()) {
        QVERIFY(!reading.ok());
        QVERIFY2(reading.problem().message.find(view(because)) != std::string::npos, reading.problem().message.c_str());
        return;
    }
    QVERIFY2(reading.ok(), whyNot(reading));
    QCOMPARE(reading->days.earliest->number(), dayOf(first));
    QCOMPARE(reading->days.latest->number(), dayOf(last));
    QCOMPARE(reading->calendar, first.startsWith('J') ? CalendarSystem::Julian : CalendarSystem::Gregorian);
    QVERIFY(!reading->readAs.empty());
}

// A day of the tabular Islamic calendar found by counting whole years and
// months from 1 Muharram 1 (16 Jul 622, Julian), the leap years by their
// place in the thirty-year cycle.
QByteArray islamicText(long long dayNumber)
{
    static const char* const Months[] = {"Muharram", "Safar", "Rabi al-Awwal", "Rabi al-Thani",
                                         "Jumada al-Awwal", "Jumada al-Thani", "Rajab", "Shaban",
                                         "Ramadan", "Shawwal", "Dhu al-Qadah", "Dhu al-Hijjah"};
    const auto leap = [](long long year) {
        const long long place = (year - 1) % 30 + 1;
        for (long long leapPlace : {2, 5, 7, 10, 13, 16, 18, 21, 24, 26, 29})
            if (place == leapPlace)
                return true;
        return false;
    };
    long long left = dayNumber - julianDayOf({622, 7, 16}).number();
    long long year = 1;
    while (left >= (leap(year) ? 355 : 354))
        left -= leap(year++) ? 355 : 354;
    int month = 0;
    for (;; ++month) {
        const int length = month % 2 == 0 || (month == 11 && leap(year)) ? 30 : 29;
        if (left < length)
            break;
        left -= length;
    }
    return QByteArray::number(left + 1) + " " + Months[month] + " " + QByteArray::number(year) + " AH";
}

// A Persian day counted in years of 365 and 366 days from 1 Farvardin
// 1304, 21 Mar 1925, the leap years by their place in the 33-year cycle.
QByteArray persianText(long long dayNumber)
{
    static const char* const Months[] = {"Farvardin", "Ordibehesht", "Khordad", "Tir", "Mordad", "Shahrivar",
                                         "Mehr", "Aban", "Azar", "Dey", "Bahman", "Esfand"};
    const auto leap = [](long long year) {
        for (long long place : {1, 5, 9, 13, 17, 22, 26, 30})
            if (year % 33 == place)
                return true;
        return false;
    };
    long long year = 1304;
    long long nowruz = spanwright::dayOf({1925, 3, 21}).number();
    while (dayNumber < nowruz)
        nowruz -= leap(--year) ? 366 : 365;
    while (dayNumber >= nowruz + (leap(year) ? 366 : 365))
        nowruz += leap(year++) ? 366 : 365;
    long long left = dayNumber - nowruz;
    int month = 0;
    while (left >= (month < 6 ? 31 : 30))
        left -= month++ < 6 ? 31 : 30;
    return QByteArray::number(left + 1) + " " + Months[month] + " " + QByteArray::number(year) + " AP";
}

} // namespace

class TestOldDating : public QObject
{
    Q_OBJECT

private slots:
    // Easter as "Easter YEAR O.S." and "N.S." read it: published dates, the
    // extremes and the years Gauss's rule needs its exceptions for, then
    // a sample of years against the independent rules.
    void easter_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");
        const auto published = [](const char* text, const char* day) {
            QTest::newRow(text) << QByteArray(text) << QByteArray(day);
        };
        published("Easter 1066 O.S.", "J 1066-4-16");
        published("Easter 1700 O.S.", "J 1700-3-31");
        published("Easter 2010 O.S.", "J 2010-3-22"); // Orthodox 4 Apr 2010
        published("Easter 2024 O.S.", "J 2024-4-22"); // Orthodox 5 May 2024
        published("Easter 1583 N.S.", "G 1583-4-10");
        published("Easter 1818 N.S.", "G 1818-3-22");
        published("Easter 1943 N.S.", "G 1943-4-25");
        published("Easter 2038 N.S.", "G 2038-4-25");
        published("Easter 1954 N.S.", "G 1954-4-18");
        published("Easter 1981 N.S.", "G 1981-4-19");
        published("Easter 2049 N.S.", "G 2049-4-18");
        published("Easter 2076 N.S.", "G 2076-4-19");
        published("Easter 2000 N.S.", "G 2000-4-23");
        published("Easter 2024 N.S.", "G 2024-3-31");
        for (long long year = 500; year <= 2100; year += 37) {
            const QByteArray text = "Easter " + QByteArray::number(year) + " O.S.";
            QTest::newRow(text.constData()) << text << dionysianEaster(year);
        }
        for (long long year = 1583; year <= 2100; year += 11) {
            const QByteArray text = "Easter " + QByteArray::number(year) + " N.S.";
            QTest::newRow(text.constData()) << text << gaussEaster(year);
        }
        for (long long year : {1954, 1981, 2049, 2076, 1818, 2285}) {
            const QByteArray text = "Gauss " + QByteArray::number(year);
            QTest::newRow(text.constData()) << "Easter " + QByteArray::number(year) + " N.S." << gaussEaster(year);
        }
    }
    void easter()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        const DateResult reading = readDate(view(text));
        QVERIFY2(reading.ok(), whyNot(reading));
        QCOMPARE(reading->days.earliest->number(), dayOf(expected));
        QCOMPARE(weekdayOf(*reading->days.earliest), 6);
    }

    // The feasts and the days named from them, in English, Latin and German:
    // the church year of 2024 as published calendars print it, older years
    // in the calendar of their day.
    void feasts_data()
    {
        addReadingColumns();
        readRow("Septuagesima 2024", "G 2024-1-28");
        readRow("Shrove Tuesday 2024", "G 2024-2-13");
        readRow("Aschermittwoch 2024", "G 2024-2-14");
        readRow("Sonntag Invocavit 2024", "G 2024-2-18");
        readRow("Dominica Reminiscere 2024", "G 2024-2-25");
        readRow("Oculi 2024", "G 2024-3-3");
        readRow("Mothering Sunday 2024", "G 2024-3-10");
        readRow("Judica 2024", "G 2024-3-17");
        readRow("Palm Sunday 2024", "G 2024-3-24");
        readRow("Gründonnerstag 2024", "G 2024-3-28");
        readRow("Good Friday 2024", "G 2024-3-29");
        readRow("Easter Monday 2024", "G 2024-4-1");
        readRow("Quasimodogeniti 2024", "G 2024-4-7");
        readRow("the Sunday after Easter 2024", "G 2024-4-7");
        readRow("Misericordias Domini 2024", "G 2024-4-14");
        readRow("Cantate 2024", "G 2024-4-28");
        readRow("Rogation Sunday 2024", "G 2024-5-5");
        readRow("Ascension Day 2024", "G 2024-5-9");
        readRow("Exaudi 2024", "G 2024-5-12");
        readRow("Whitsunday 2024", "G 2024-5-19");
        readRow("Pfingstmontag 2024", "G 2024-5-20");
        readRow("Trinity Sunday 2024", "G 2024-5-26");
        readRow("Corpus Christi 2024", "G 2024-5-30");
        readRow("Dominica 3 post Trinitatis 2024", "G 2024-6-16");
        readRow("1. Sonntag nach Trinitatis 2024", "G 2024-6-2");
        readRow("the second Sunday after Epiphany 2024", "G 2024-1-14");
        readRow("Advent Sunday 2024", "G 2024-12-1");
        readRow("the Tuesday before Michaelmas 2024", "G 2024-9-24");
        readRow("feria tertia ante festum Michaelis 2024", "G 2024-9-24");
        readRow("the morrow of St Martin 2024", "G 2024-11-12");
        readRow("in crastino Martini 2024", "G 2024-11-12");
        readRow("the eve of St John 2024", "G 2024-6-23");
        readRow("the octave of Easter 2024", "G 2024-4-7");
        readRow("die Martis proxima ante festum Sancti Michaelis 1335", "J 1335-9-26");
        readRow("die Lune proxima post festum Sancti Martini 1400", "J 1400-11-15");
        readRow("dies Dominica proxima post festum Pasche 1400", "J 1400-4-25");
        readRow("die Jovis proximo post festum Pasche 1400", "J 1400-4-22");
        readRow("in vigilia Sancti Johannis Baptiste 1400", "J 1400-6-23");
        readRow("Lady Day 1720 O.S.", "J 1720-3-25");
        readRow("Candlemas 1719/20", "J 1720-2-2");
        readRow("St Matthias 1720 O.S.", "J 1720-2-25"); // a leap year
        readRow("St Matthias 1721 O.S.", "J 1721-2-24");
        readRow("Easter 1066", "J 1066-4-16");          // before 1583: Julian
        readRow("Easter 1700", "J 1700-3-31", nullptr, true); // the British switch
        readRow("Easter 1753", "G 1753-4-22", nullptr, true);
        readRow("Tuesday before Michaelmas 9 Edward III", "J 1335-9-26");
        readRow("the morrow of St Martin 3 Henry VIII", "J 1511-11-12");
        readRow("Ascension Day 2 John", "J 1200-5-18");
        refuseRow("Easter 1500 N.S.", "the Gregorian calendar began");
        refuseRow("the morrow of St Martin", "morrow of Martinmas wants its year");
        refuseRow("Lady Day 1720/21", "a dual year names a day from 1 January to 24 March");
        refuseRow("@#DHEBREW@ Easter 1720", "names no Hebrew month");
    }
    void feasts() { checkReading(); }

    // Regnal years at reigns' first and last days, and days within them.
    void regnalYears_data()
    {
        addReadingColumns();
        readRow("1 William I", "J 1066-12-25", "J 1067-12-24");
        readRow("1 John", "J 1199-5-27", "J 1200-5-17");          // Ascension Day to Ascension Day
        readRow("18 John", "J 1216-5-19", "J 1216-10-19");
        readRow("9 Edward III", "J 1335-1-25", "J 1336-1-24");
        readRow("51 Edward III", "J 1377-1-25", "J 1377-6-21");
        readRow("1 Edward V", "J 1483-4-9", "J 1483-6-25");
        readRow("38 Hen. VIII", "J 1546-4-22", "J 1547-1-28");
        readRow("20 Eliz. I", "J 1577-11-17", "J 1578-11-16");
        readRow("12 Charles II", "J 1660-1-30", "J 1661-1-29");  // counted from 1649
        readRow("6 W. & M.", "J 1694-2-13", "J 1694-12-27");
        readRow("26 George II", "J 1752-6-11", "G 1753-6-21");   // across the change
        readRow("27 George II", "G 1753-6-22", "G 1754-6-21");
        readRow("in the fourth year of the reign of George III", "G 1763-10-25", "G 1764-10-24");
        readRow("60 George III", "G 1819-10-25", "G 1820-1-29");
        readRow("1 Victoria", "G 1837-6-20", "G 1838-6-19");
        readRow("64 Victoria", "G 1900-6-20", "G 1901-1-22");
        readRow("1 Edward VIII", "G 1936-1-20", "G 1936-12-11");
        readRow("71 Elizabeth II", "G 2022-2-6", "G 2022-9-8");
        readRow("12 March 5 Victoria", "G 1842-3-12");
        readRow("1 May 3 Henry VIII", "J 1511-5-1");
        readRow("1 April 1 Henry VIII", "J 1510-4-1");
        // As deeds and court rolls write them in Latin.
        readRow("anno regni regis Edwardi tertii nono", "J 1335-1-25", "J 1336-1-24");
        readRow("anno regni regis Edwardi tertii post conquestum tricesimo primo", "J 1357-1-25", "J 1358-1-24");
        readRow("anno regni Georgii tertii quarto", "G 1763-10-25", "G 1764-10-24");
        readRow("anno regni domine nostre Elizabethe regine vicesimo", "J 1577-11-17", "J 1578-11-16");
        readRow("a.r.r. Henrici octavi tertio", "J 1511-4-22", "J 1512-4-21");
        readRow("anno tertio decimo regni regis Ricardi secundi", "J 1389-6-22", "J 1390-6-21");
        readRow("anno regni regis Henrici sexti undevicesimo", "J 1440-9-1", "J 1441-8-31");
        readRow("die Martis proxima ante festum Sancti Michaelis anno regni regis Edwardi tertii nono", "J 1335-9-26");
        // The reigns Cheney counts apart.
        readRow("1 Jane", "J 1553-7-10", "J 1553-7-19");
        readRow("1 & 2 Philip and Mary", "J 1554-7-25", "J 1555-7-5");
        readRow("1 & 3 Philip and Mary", "J 1555-7-6", "J 1555-7-24");
        readRow("4 & 5 P. & M.", "J 1557-7-25", "J 1558-7-5");
        readRow("5 & 6 Phil. & Mar.", "J 1558-7-25", "J 1558-11-17");
        readRow("anno regnorum Philippi et Marie primo et secundo", "J 1554-7-25", "J 1555-7-5");
        readRow("2 Mary", "J 1554-7-6", "J 1555-7-5");
        readRow("49 Henry VI", "J 1470-10-9", "J 1471-4-14");
        readRow("the morrow of Martinmas 49 Henry VI", "J 1470-11-12");
        refuseRow("anno regni regis Edwardi nono", "names no one ruler");
        refuseRow("45 Henry VI", "reigned into regnal year 39 only, and again in regnal year 49");
        refuseRow("2 Philip and Mary", "written two together");
        refuseRow("1 & 4 Philip and Mary", "have no day in common");
        refuseRow("6 & 7 Victoria", "only Philip and Mary's years");
        refuseRow("3 Henry", "names no one ruler");
        refuseRow("52 Edward III", "reigned into regnal year 51 only");
        refuseRow("1 August 1 Edward V", "does not fall in 1 Edward V");
        refuseRow("9 Edward III O.S.", "leave out the calendar mark");
    }
    void regnalYears() { checkReading(); }

    // Roman days, inclusively counted, of every month, plain dates being
    // Gregorian as ever.
    void romanDays_data()
    {
        addReadingColumns();
        readRow("a.d. IV Non. Jan. 1750", "G 1750-1-2");
        readRow("Idibus Ianuariis 1750", "G 1750-1-13");
        readRow("3 Non. Feb. 1720", "G 1720-2-3");
        readRow("VI Kal. Mar. 1721", "G 1721-2-24");
        readRow("VI Kal. Mar. 1720", "G 1720-2-24", "G 1720-2-25"); // the bissextile day
        readRow("VII Kal. Mar. 1720", "G 1720-2-23");
        readRow("prid. Kal. Mar. 1720", "G 1720-2-29");
        readRow("a.d. VI Non. Mart. 1650", "G 1650-3-2");
        readRow("Idibus Martii 1650", "G 1650-3-15");
        readRow("pridie Idus Apriles 1700", "G 1700-4-12");
        readRow("pridie Nonas Maias 1700", "G 1700-5-6");
        readRow("die 14 Kal. Jun. 1750", "G 1750-5-19");
        readRow("a.d. XIV Kal. Jun. 1750 O.S.", "J 1750-5-19");
        readRow("a.d. VIII Id. Jun. 1750", "G 1750-6-6");
        readRow("Nonis Iuliis 1750", "G 1750-7-7");
        readRow("a.d. XVII Kal. Aug. 1750", "G 1750-7-16");
        readRow("a.d. XIX Kal. Sept. 1750", "G 1750-8-14");
        readRow("a.d. III Id. Sept. 1750", "G 1750-9-11");
        readRow("Kal. Oct. 1750", "G 1750-10-1");
        readRow("a.d. V Non. Oct. 1750", "G 1750-10-3");
        readRow("a.d. IV Id. Nov. 1750", "G 1750-11-10");
        readRow("a.d. XIX Kal. Jan. 1751", "G 1750-12-14");
        readRow("prid. Kal. Jan. 1751", "G 1750-12-31");
        refuseRow("a.d. XX Kal. Sept. 1750", "counts back past");
        refuseRow("a.d. VI Non. Feb. 1750", "counts back past");
        refuseRow("a.d. IX Id. Mar. 1750", "counts back past");
        refuseRow("die 14 Kal. Jun.", "wants its year");
    }
    void romanDays() { checkReading(); }

    // Islamic and Persian days on random days, both ways: the text of the
    // independent count read back to its day, and the day converted to it.
    void hijriDays_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<long long>("day");
        QTest::addColumn<QByteArray>("to");
        std::mt19937 random(38);
        std::uniform_int_distribution<long long> islamicDays(julianDayOf({622, 7, 16}).number(), spanwright::dayOf({2200, 1, 1}).number());
        std::uniform_int_distribution<long long> persianDays(spanwright::dayOf({1799, 3, 21}).number(), spanwright::dayOf({2255, 3, 20}).number());
        for (int i = 0; i < 30; ++i) {
            const long long islamic = islamicDays(random);
            QTest::newRow(islamicText(islamic).constData()) << islamicText(islamic) << islamic << QByteArray("islamic");
            const long long persian = persianDays(random);
            QTest::newRow(persianText(persian).constData()) << persianText(persian) << persian << QByteArray("persian");
        }
        // Published Nowruz days.
        for (const auto& [year, march] : {std::pair{1304, 21}, {1354, 21}, {1375, 20}, {1395, 20}, {1396, 21},
                                          {1399, 20}, {1400, 21}, {1403, 20}, {1404, 21}}) {
            const QByteArray text = "1 Farvardin " + QByteArray::number(year) + " AP";
            QTest::newRow(text.constData()) << text << spanwright::dayOf({year + 621, 3, march}).number() << QByteArray("persian");
        }
        QTest::newRow("the civil epoch") << QByteArray("1 Muharram 1 AH") << julianDayOf({622, 7, 16}).number()
                                         << QByteArray("islamic");
    }
    void hijriDays()
    {
        QFETCH(QByteArray, text);
        QFETCH(long long, day);
        QFETCH(QByteArray, to);
        const DateResult reading = readDate(view(text));
        QVERIFY2(reading.ok(), whyNot(reading));
        QCOMPARE(reading->days.earliest->number(), day);
        const CalendarDate date = dateOf(Day(day));
        const std::string iso = std::to_string(date.year) + (date.month < 10 ? "-0" : "-") + std::to_string(date.month)
            + (date.day < 10 ? "-0" : "-") + std::to_string(date.day);
        const Result<ConvertAnswer> converted = convertDate(iso, {}, view(to));
        QVERIFY2(converted.ok(), whyNot(converted));
        QCOMPARE(converted->lines.size(), size_t(1));
        QCOMPARE(QByteArray::fromStdString(converted->lines[0]),
                 to + ": " + text + (to == "islamic" ? " (tabular)" : ""));
    }

    // Days the Islamic and Persian years have not: the 30th of the last
    // month of a common year, a year beyond the leap rule's.
    void hijriRefusals_data()
    {
        addReadingColumns();
        refuseRow("30 Dhu al-Hijjah 27 AH", "has 29 days");
        readRow("30 Dhu al-Hijjah 29 AH", "J 650-9-3");
        refuseRow("30 Esfand 1404", "has 29 days");
        refuseRow("1 Farvardin 1634", "Persian years are read from 1178 to 1633");
        refuseRow("12 Ramadan 1250 AH O.S.", "contradicts the calendar mark");
    }
    void hijriRefusals() { checkReading(); }

    // The Ottoman Rumi calendar at its published days: its first, the 1911
    // calendar page's 7 Nisan 1327 (20 April 1911), the 1917 change, the
    // Republic's proclamation.
    void rumiDays_data()
    {
        addReadingColumns();
        readRow("1 Mart 1256 Rumi", "J 1840-3-1");
        readRow("7 Nisan 1327 R.", "J 1911-4-7");
        readRow("5 Kânunusani 1300", "J 1885-1-5");
        readRow("15 Şubat 1332", "J 1917-2-15");
        readRow("1 Mart 1333 Rumi", "G 1917-3-1");
        readRow("29 Teşrin-i Evvel 1339", "G 1923-10-29");
        refuseRow("16 Şubat 1332", "were left out");
        refuseRow("5 Kanunusani 1334", "the sources disagree");
        refuseRow("1 Mayis 1342", "in use from 1256 to 1341");
    }
    void rumiDays() { checkReading(); }

    void rumiLines_data()
    {
        QTest::addColumn<QByteArray>("iso");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("its first day") << QByteArray("1840-03-13") << QByteArray("rumi: 1 Mart 1256");
        QTest::newRow("the last Julian day") << QByteArray("1917-02-28") << QByteArray("rumi: 15 Subat 1332");
        QTest::newRow("the first Gregorian day") << QByteArray("1917-03-01") << QByteArray("rumi: 1 Mart 1333");
        QTest::newRow("January after the change")
            << QByteArray("1918-01-05")
            << QByteArray("rumi: 5 Kanunusani 1333 or 1334 (the sources disagree whether the year began on 1 March "
                          "or on 1 January)");
        QTest::newRow("its last day") << QByteArray("1925-12-31") << QByteArray("rumi: 31 Kanunuevvel 1341");
        QTest::newRow("after it") << QByteArray("1926-01-01") << QByteArray();
        QTest::newRow("before it") << QByteArray("1840-03-12") << QByteArray();
    }
    void rumiLines()
    {
        QFETCH(QByteArray, iso);
        QFETCH(QByteArray, line);
        const Result<ConvertAnswer> converted = convertDate(view(iso), {}, "rumi");
        QCOMPARE(!converted ? QByteArray() : QByteArray::fromStdString(converted->lines.at(0)), line);
    }

    // How such a date was read, as the answers' calendar lines say it.
    void readAs_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("feast in a regnal year")
            << QByteArray("the Tuesday before Michaelmas, 9 Edward III")
            << QByteArray("begin: Tuesday before Michaelmas 9 Edward III = 26 Sep 1335 (Julian) = 4 Oct 1335 (Gregorian)");
        QTest::newRow("a regnal year") << QByteArray("9 Edw. III")
                                       << QByteArray("begin: 9 Edward III = 25 Jan 1335 to 24 Jan 1336 (Julian) = "
                                                     "2 Feb 1335 to 1 Feb 1336 (Gregorian)");
        QTest::newRow("a Latin queen without her number")
            << QByteArray("anno regni domine nostre Elizabethe regine vicesimo")
            << QByteArray("begin: 20 Elizabeth I = 17 Nov 1577 to 16 Nov 1578 (Julian) = "
                          "27 Nov 1577 to 26 Nov 1578 (Gregorian)");
        QTest::newRow("double years") << QByteArray("1 & 2 P. & M.")
                                      << QByteArray("begin: 1 & 2 Philip and Mary = 25 Jul 1554 to 5 Jul 1555 "
                                                    "(Julian) = 4 Aug 1554 to 15 Jul 1555 (Gregorian)");
        QTest::newRow("St John named") << QByteArray("the eve of St John 2024")
                                       << QByteArray("begin: eve of St John the Baptist 2024 = 23 Jun 2024 (Gregorian)");
        QTest::newRow("Islamic") << QByteArray("12 Ramadan 1250 A.H.")
                                 << QByteArray("begin: 12 Ramadan 1250 AH (Islamic, tabular) = 12 Jan 1835 (Gregorian)");
        QTest::newRow("between two") << QByteArray("between Easter 1700 and 1 Oct 1700")
                                     << QByteArray("begin: Easter 1700 to 1 Oct 1700 = 11 Apr 1700 to 1 Oct 1700 "
                                                   "(Gregorian)");
        QTest::newRow("Roman") << QByteArray("prid. Kal. Jan. 1751")
                               << QByteArray("begin: prid. Kal. Jan. 1751 = 31 Dec 1750 (Gregorian)");
    }
    void readAs()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, line);
        const DateResult reading = readDate(view(text));
        QVERIFY2(reading.ok(), whyNot(reading));
        QCOMPARE(QByteArray::fromStdString(calendarLine("begin", *reading)), line);
    }
};

QTEST_APPLESS_MAIN(TestOldDating)
#include "tst_olddating.moc"
