// Narrowing a birth date from records that state ages: the census days,
// the 1841 rule, the record age forms, the windows against a scan of every
// candidate birth day, and the records a conflicting set leaves out.

#include "evidence/birthnarrowing.h"
#include "evidence/censusdays.h"
#include "narrowanswer.h"
#include "narrowrecord.h"
#include "narrowsvg.h"
#include "evidence/recordages.h"

#include "ages/agesearch.h"
#include "calendars/calendardate.h"

#include <QTest>

#include <random>
#include <string>

using namespace spanwright;

namespace {

std::string text(Day day) { return calendarDateText(dateOf(day)); }

// Every birth day b from which some event day in [eventFirst, eventLast]
// gives an age of the record (the span's parts, or the days that passed):
// the first and last such day, by trying every day.
std::optional<BirthWindow> scannedWindow(long long eventFirst, long long eventLast, const RecordAge& age,
                                         long long scanFrom)
{
    std::optional<BirthWindow> window;
    for (long long birth = scanFrom; birth <= eventLast; ++birth) {
        bool gives = false;
        for (long long event = std::max(birth, eventFirst); event <= eventLast && !gives; ++event) {
            const Age spanAge = spanBetween(dateOf(Day(birth)), dateOf(Day(event)));
            if (age.reading.counting == AgeCounting::ElapsedDays) {
                const long long days = event - birth;
                gives = days >= age.reading.least.days && (age.openAbove || days <= age.reading.greatest.days);
            } else {
                gives = compareAge(spanAge, age.reading.least) >= 0
                    && (age.openAbove || compareAge(spanAge, age.reading.greatest) <= 0);
            }
        }
        if (!gives)
            continue;
        if (!window) {
            window = BirthWindow{};
            window->days.earliest = Day(birth);
        }
        window->days.latest = Day(birth);
    }
    return window;
}

} // namespace

class NarrowTest : public QObject
{
    Q_OBJECT

private slots:
    void censusDay_data();
    void censusDay();
    void unknownCensus_data();
    void unknownCensus();
    void britishRoundedAges_data();
    void britishRoundedAges();
    void recordAgeForms_data();
    void recordAgeForms();
    void refusedRecords_data();
    void refusedRecords();
    void windowsMatchAScanOfEveryBirthDay_data();
    void windowsMatchAScanOfEveryBirthDay();
    void narrowedWindowIsTheCommonDays();
    void conflictingSetLeavesOutTheOddRecord_data();
    void conflictingSetLeavesOutTheOddRecord();
    void largestSetsMatchAScanOfEveryDay();
    void answerText();
    void pictureDrawsTheLeftOutRecordApart();
};

void NarrowTest::censusDay_data()
{
    QTest::addColumn<QString>("census");
    QTest::addColumn<QString>("day");
    QTest::addColumn<bool>("ruled"); // its ages follow a rule of its own: the next birthday, 1841's rounding
    // As the sources of the manual page give them.
    const char* us[][2] = {{"1790", "8/2/1790"},   {"1800", "8/4/1800"},   {"1810", "8/6/1810"},
                           {"1820", "8/7/1820"},   {"1830", "6/1/1830"},   {"1840", "6/1/1840"},
                           {"1850", "6/1/1850"},   {"1860", "6/1/1860"},   {"1870", "6/1/1870"},
                           {"1880", "6/1/1880"},   {"1890", "6/2/1890"},   {"1900", "6/1/1900"},
                           {"1910", "4/15/1910"},  {"1920", "1/1/1920"},   {"1930", "4/1/1930"},
                           {"1940", "4/1/1940"},   {"1950", "4/1/1950"}};
    for (const auto& row : us)
        QTest::addRow("US %s", row[0]) << QString("US %1 census").arg(row[0]) << QString(row[1]) << false;
    const char* britain[][2] = {{"1841", "6/6/1841"}, {"1851", "3/30/1851"}, {"1861", "4/7/1861"},
                                {"1871", "4/2/1871"}, {"1881", "4/3/1881"},  {"1891", "4/5/1891"},
                                {"1901", "3/31/1901"}, {"1911", "4/2/1911"}, {"1921", "6/19/1921"}};
    for (const char* country : {"England", "Wales", "Scotland"}) {
        for (const auto& row : britain)
            QTest::addRow("%s %s", country, row[0]) << QString("%1 %2 census").arg(country, row[0]) << QString(row[1])
                                                    << (QByteArray(row[0]) == "1841");
    }
    QTest::newRow("Ireland 1901") << "Ireland 1901 census" << "3/31/1901" << false;
    QTest::newRow("Ireland 1911") << "Ireland 1911 census" << "4/2/1911" << false;
    const char* canada[][2] = {{"1851", "1/12/1852"}, {"1861", "1/14/1861"}, {"1871", "4/2/1871"},
                               {"1881", "4/4/1881"},  {"1891", "4/6/1891"},  {"1901", "3/31/1901"},
                               {"1911", "6/1/1911"},  {"1921", "6/1/1921"}};
    for (const auto& row : canada)
        QTest::addRow("Canada %s", row[0]) << QString("Canada %1 census").arg(row[0]) << QString(row[1])
                                           << (QByteArray(row[0]) == "1851" || QByteArray(row[0]) == "1861");
    QTest::newRow("any case") << "united states 1880 CENSUS" << "6/1/1880" << false;
    QTest::newRow("USA") << "USA 1920 census" << "1/1/1920" << false;
}

void NarrowTest::censusDay()
{
    QFETCH(QString, census);
    QFETCH(QString, day);
    const Result<std::optional<CensusReading>> reading = readCensusName(census.toStdString());
    QVERIFY2(reading.ok(), reading ? "" : reading.problem().message.c_str());
    QVERIFY(*reading);
    QCOMPARE(QString::fromStdString(calendarDateText((*reading)->census.day)), day);
    // An infant of 0 days on the census day was born on it.
    const NarrowReading record = readNarrowRecord(census.toStdString() + ": 0 days");
    QVERIFY2(record.ok(), record ? "" : record.problem().problem.message.c_str());
    QCOMPARE(QString::fromStdString(birthWindowText(record->window)), day);
    // An age of 30 is taken as written unless the census had a rule.
    QFETCH(bool, ruled);
    const NarrowReading thirty = readNarrowRecord(census.toStdString() + ": 30");
    QVERIFY2(thirty.ok(), thirty ? "" : thirty.problem().problem.message.c_str());
    QCOMPARE(!thirty->note.empty(), ruled);
}

void NarrowTest::unknownCensus_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("named");
    QTest::newRow("no US census in 1895") << "US 1895 census" << "1790";
    QTest::newRow("no Irish census of 1891 survives here") << "Ireland 1891 census" << "1901, 1911";
    QTest::newRow("unknown country") << "France 1851 census" << "US, England";
}

void NarrowTest::unknownCensus()
{
    QFETCH(QString, when);
    QFETCH(QString, named);
    const NarrowReading record = readNarrowRecord(when.toStdString() + ": 30");
    QVERIFY(!record.ok());
    const std::string& problem = record.problem().problem.message;
    QVERIFY2(problem.find(named.toStdString()) != std::string::npos, problem.c_str());
}

void NarrowTest::britishRoundedAges_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("noted");
    // Census night 6 June 1841: "30" is 30 to 34 completed years.
    QTest::newRow("30 is 30 to 34") << "England 1841 census: 30" << "6/7/1806 through 6/6/1811 (1826 dates)" << true;
    QTest::newRow("15 is 15 to 19") << "Scotland 1841 census: 15" << "6/7/1821 through 6/6/1826 (1826 dates)" << true;
    QTest::newRow("a child's 12 is 12") << "Wales 1841 census: 12" << "6/7/1828 through 6/6/1829 (365 dates)" << false;
    QTest::newRow("an age not rounded is as written")
        << "England 1841 census: 37" << "6/7/1803 through 6/6/1804 (366 dates)" << false;
    QTest::newRow("months are not rounded") << "England 1841 census: 6 months"
                                            << "11/7/1840 through 12/6/1840 (30 dates)" << false;
    QTest::newRow("1851 is not rounded") << "England 1851 census: 30" << "3/31/1820 through 3/30/1821 (365 dates)"
                                         << false;
    QTest::newRow("Canada 1851 asked the next birthday")
        << "Canada 1851 census: 30" << "1/13/1822 through 1/12/1823 (365 dates)" << true;
    // "in his 30th year" is the next birthday's age itself: 29 completed.
    QTest::newRow("Canada: the year of life is not shifted again")
        << "Canada 1851 census: in his 30th year" << "1/13/1822 through 1/12/1823 (365 dates)" << false;
    QTest::newRow("Canada: a range is at the next birthday too")
        << "Canada 1851 census: 20-29" << "1/13/1823 through 1/12/1833 (3653 dates)" << true;
    QTest::newRow("Canada: 0 is under a year, and says so")
        << "Canada 1851 census: 0" << "1/13/1851 through 1/12/1852 (365 dates)" << true;
    QTest::newRow("US twelfths are an infant's months")
        << "US 1880 census: 3/12" << "2/2/1880 through 3/1/1880 (29 dates)" << true;
    QTest::newRow("a visit day") << "US 1850 census (7 Nov 1850): 7" << "11/8/1842 through 11/7/1843 (365 dates)"
                                 << false;
    QTest::newRow("a visit day keeps its census's rule")
        << "England 1841 census (8 Jun 1841): 30" << "6/9/1806 through 6/8/1811 (1826 dates)" << true;
}

void NarrowTest::britishRoundedAges()
{
    QFETCH(QString, record);
    QFETCH(QString, window);
    QFETCH(bool, noted);
    const NarrowReading read = readNarrowRecord(record.toStdString());
    QVERIFY2(read.ok(), read ? "" : read.problem().problem.message.c_str());
    QCOMPARE(QString::fromStdString(birthWindowText(read->window)), window);
    QCOMPARE(!read->note.empty(), noted);
}

void NarrowTest::recordAgeForms_data()
{
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("asRead");
    QTest::addColumn<QString>("window"); // at an event on 6/1/1880

    QTest::newRow("a census number") << "34" << "34 years" << "6/2/1845 through 6/1/1846 (365 dates)";
    QTest::newRow("months") << "4 months" << "0 years 4 months" << "1/2/1880 through 2/1/1880 (31 dates)";
    QTest::newRow("in her 80th year") << "in her 80th year" << "79 years" << "6/2/1800 through 6/1/1801 (365 dates)";
    QTest::newRow("about is marked, no wider")
        << "about 34" << "about 34 years" << "about: 6/2/1845 through 6/1/1846 (365 dates)";
    QTest::newRow("range with a hyphen") << "20-29" << "20 to 29 years" << "6/2/1850 through 6/1/1860 (3653 dates)";
    QTest::newRow("range with to") << "20 to 29" << "20 to 29 years" << "6/2/1850 through 6/1/1860 (3653 dates)";
    QTest::newRow("range between") << "between 20 and 30" << "20 to 30 years"
                                   << "6/2/1849 through 6/1/1860 (4018 dates)";
    QTest::newRow("range in months") << "3 to 5 months" << "0 years 3 months to 0 years 5 months 30 days"
                                     << "12/2/1879 through 3/1/1880 (91 dates)";
    QTest::newRow("under 10") << "under 10" << "0 to 9 years"
                              << "6/2/1870 through 6/1/1880 (3653 dates)";
    QTest::newRow("under 21") << "Under 21" << "0 to 20 years"
                              << "6/2/1859 through 6/1/1880 (7671 dates)";
    QTest::newRow("minor") << "minor" << "0 to 20 years" << "6/2/1859 through 6/1/1880 (7671 dates)";
    QTest::newRow("infant") << "infant" << "0 years" << "6/2/1879 through 6/1/1880 (366 dates)";
    QTest::newRow("of full age") << "of full age" << "21 years or more" << "on or before 6/1/1859";
    QTest::newRow("full age") << "Full Age" << "21 years or more" << "on or before 6/1/1859";
    QTest::newRow("over 21") << "over 21" << "21 years or more" << "on or before 6/1/1859";
    QTest::newRow("US bracket under 10") << "under 10" << "0 to 9 years"
                                         << "6/2/1870 through 6/1/1880 (3653 dates)";
    QTest::newRow("US bracket 10 and under 16")
        << "10 and under 16" << "10 to 15 years" << "6/2/1864 through 6/1/1870 (2191 dates)";
    QTest::newRow("US bracket 16 and under 26")
        << "16 and under 26" << "16 to 25 years" << "6/2/1854 through 6/1/1864 (3653 dates)";
    QTest::newRow("US bracket 26 and under 45")
        << "26 and under 45" << "26 to 44 years" << "6/2/1835 through 6/1/1854 (6940 dates)";
    QTest::newRow("US bracket 45 and upwards") << "45 and upwards" << "45 years or more" << "on or before 6/1/1835";
    QTest::newRow("16 and upwards") << "16 and upwards" << "16 years or more" << "on or before 6/1/1864";
    QTest::newRow("under an age in days") << "under 1 year 0 months 15 days" << "0 years to 1 years 0 months 14 days"
                                          << "5/18/1879 through 6/1/1880 (381 dates)";
    QTest::newRow("exact stone age") << "79y 9m 29d" << "79 years 9 months 29 days" << "8/3/1800";
    QTest::newRow("over 30, as over 21") << "over 30" << "30 years or more" << "on or before 6/1/1850";
    QTest::newRow("above 21") << "above 21" << "21 years or more" << "on or before 6/1/1859";
    QTest::newRow("upwards of 21") << "upwards of 21" << "21 years or more" << "on or before 6/1/1859";
    QTest::newRow("US 1830 bracket with of")
        << "of 30 and under 40" << "30 to 39 years" << "6/2/1840 through 6/1/1850 (3652 dates)";
    QTest::newRow("US 1840 bracket with &")
        << "30 & under 40" << "30 to 39 years" << "6/2/1840 through 6/1/1850 (3652 dates)";
    QTest::newRow("16 & upwards") << "16 & upwards" << "16 years or more" << "on or before 6/1/1864";
    // Every word of the table that leaves an age open above, and every
    // about-word.
    for (const char* upwards : {"34 and upwards", "34 and upward", "34 and over", "34 or more", "34 or over",
                                "over 34", "above 34", "upwards of 34"})
        QTest::newRow(upwards) << upwards << "34 years or more" << "on or before 6/1/1846";
    for (const char* about : {"about 34", "abt 34", "circa 34", "ca 34", "c 34"})
        QTest::addRow("about-word: %s", about) << about << "about 34 years"
                                               << "about: 6/2/1845 through 6/1/1846 (365 dates)";
    QTest::newRow("a half year past 34") << "34 1/2" << "34 years 6 months to 34 years 11 months 30 days"
                                         << "6/2/1845 through 12/1/1845 (183 dates)";
    QTest::newRow("GEDCOM's CHILD") << "CHILD" << "0 to 7 years" << "6/2/1872 through 6/1/1880 (2922 dates)";
    QTest::newRow("GEDCOM's STILLBORN") << "STILLBORN" << "0 days" << "6/1/1880";
}

void NarrowTest::recordAgeForms()
{
    QFETCH(QString, age);
    QFETCH(QString, asRead);
    QFETCH(QString, window);
    const NarrowReading record = narrowRecordOf("6/1/1880", age.toStdString());
    QVERIFY2(record.ok(), record ? "" : record.problem().problem.message.c_str());
    QCOMPARE(QString::fromStdString(record->age), asRead);
    QCOMPARE(QString::fromStdString(birthWindowText(record->window)), window);
}

void NarrowTest::refusedRecords_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("why");
    QTest::newRow("no colon") << "US 1880 census 34" << "has no colon";
    QTest::newRow("unknown census") << "US 1895 census: 34" << "is not known";
    QTest::newRow("an age no one has") << "6/1/1880: 200" << "more than anyone lives";
    QTest::newRow("an age in days no one has") << "6/1/1880: 80000 days" << "more than anyone lives";
    QTest::newRow("not a date") << "6/31/1880: 34" << "not a date";
    QTest::newRow("not an age") << "6/1/1880: thirtyish" << "not an age";
    QTest::newRow("a range backwards") << "6/1/1880: 30-20" << "above its upper end";
    QTest::newRow("under nothing") << "6/1/1880: under 0" << "under 0";
    QTest::newRow("no age") << "6/1/1880:" << "has no age";
    QTest::newRow("no date") << ": 34" << "no date";
    QTest::newRow("a visit before its census") << "US 1850 census (7 Nov 1849): 7" << "not within a year";
    QTest::newRow("a visit the day before its census") << "US 1850 census (31 May 1850): 7" << "not within a year";
    QTest::newRow("a visit a year and a day after its census") << "US 1850 census (2 Jun 1851): 7"
                                                               << "not within a year";
    QTest::newRow("a visit of no one day") << "US 1850 census (Nov 1850): 7" << "not one day";
    QTest::newRow("twelve twelfths are no infant's") << "US 1880 census: 12/12" << "not an age";
}

void NarrowTest::refusedRecords()
{
    QFETCH(QString, record);
    QFETCH(QString, why);
    const NarrowReading read = readNarrowRecord(record.toStdString());
    QVERIFY(!read.ok());
    const std::string& problem = read.problem().problem.message;
    QVERIFY2(problem.find(why.toStdString()) != std::string::npos, problem.c_str());
    QVERIFY(read.problem().problem.kind == ProblemKind::NotRead);
}

void NarrowTest::windowsMatchAScanOfEveryBirthDay_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("age");
    QTest::newRow("one day, years") << "3/1/1900" << "5";
    QTest::newRow("leap day") << "2/29/1904" << "3";
    QTest::newRow("month end, months") << "3/31/1901" << "1 month";
    QTest::newRow("exact months and days") << "3/1/1901" << "1 month 1 day";
    QTest::newRow("a month of days") << "May 1899" << "2 years 3 months";
    QTest::newRow("first event day gives none") << "between 3/31/1901 and 4/2/1901" << "1 month 0 days";
    QTest::newRow("weeks") << "1/15/1900" << "3 weeks";
    QTest::newRow("days") << "2/1/1900" << "45 days";
    QTest::newRow("range") << "12/31/1899" << "2 to 4";
    QTest::newRow("under") << "3/1/1900" << "under 3";
    QTest::newRow("upwards") << "3/1/1900" << "4 and upwards";
    // A least no birth day gives exactly on the event day is still a least.
    QTest::newRow("upwards, a least no day gives exactly") << "3/1/1851" << "1 year 30 days or more";
    QTest::newRow("upwards, over days that give it a day early")
        << "between 2/20/1851 and 3/1/1851" << "1 year 30 days and upwards";
    QTest::newRow("ordinal year") << "3/1/1900" << "in his 5th year";
    QTest::newRow("census 1841 rounding") << "England 1841 census" << "15";
}

void NarrowTest::windowsMatchAScanOfEveryBirthDay()
{
    QFETCH(QString, when);
    QFETCH(QString, age);
    const NarrowReading record = narrowRecordOf(when.toStdString(), age.toStdString());
    QVERIFY2(record.ok(), record ? "" : record.problem().problem.message.c_str());
    // The same ages as read, and the event's days, scanned day by day.
    RecordAge ages = *readRecordAge(age.toStdString());
    long long eventFirst = 0;
    long long eventLast = 0;
    if (const Result<std::optional<CensusReading>> census = readCensusName(when.toStdString()); census && *census) {
        eventFirst = eventLast = dayOf((*census)->census.day).number();
        ages.reading.greatest = Age{ages.reading.least.years + 4, 11, 30}; // the 1841 rule, worked out here
    } else {
        const DateResult date = readDate(when.toStdString());
        eventFirst = date->days.earliest->number();
        eventLast = date->days.latest->number();
    }
    constexpr long long ScanDays = 25 * 366;
    const std::optional<BirthWindow> scanned = scannedWindow(eventFirst, eventLast, ages, eventFirst - ScanDays);
    QVERIFY(scanned);
    const DayRange& days = record->window.days;
    QCOMPARE(days.latest ? text(*days.latest) : std::string(), text(*scanned->days.latest));
    if (ages.openAbove)
        QVERIFY(!days.earliest);
    else
        QCOMPARE(days.earliest ? text(*days.earliest) : std::string(), text(*scanned->days.earliest));
}

void NarrowTest::narrowedWindowIsTheCommonDays()
{
    // The widow: 1851 census 34, 1861 census 44, married of full
    // age, died at 79, her stone "in her 80th year".
    const NarrowAnswer answer = answerNarrowQuestion({"England 1851 census: 34", "England 1861 census: 44",
                                                      "5/2/1838: of full age", "2/14/1896: 79",
                                                      "2/14/1896: in her 80th year"});
    QCOMPARE(answer.outcome, Outcome::Answered);
    QVERIFY(answer.narrowing.fits);
    QCOMPARE(QString::fromStdString(birthWindowText(answer.narrowing.window)),
             QString("4/8/1816 through 2/14/1817 (313 dates)"));
}

void NarrowTest::conflictingSetLeavesOutTheOddRecord_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("leftOut"); // record numbers, per largest set
    QTest::newRow("a census ten years out")
        << QStringList{"US 1850 census: 30", "US 1860 census: 40", "US 1870 census: 30", "US 1880 census: 60"}
        << "3";
    QTest::newRow("the odd record first")
        << QStringList{"6/1/1900: 70", "US 1850 census: 30", "US 1860 census: 40"} << "1";
    QTest::newRow("two sets as large")
        << QStringList{"US 1850 census: 30", "US 1860 census: 50"} << "1|2";
    // A stonemason's 30-day months: no birth date gives 69y 10m 2d at
    // 1/1/1850, so that record is the one to doubt.
    QTest::newRow("a record no birth date gives")
        << QStringList{"US 1850 census: 30", "1/1/1850: 69y 10m 2d"} << "2";
    QTest::newRow("no birth date gives one, two sets of the others")
        << QStringList{"1/1/1850: 69y 10m 2d", "US 1850 census: 30", "US 1860 census: 50"} << "1 2|1 3";
}

void NarrowTest::conflictingSetLeavesOutTheOddRecord()
{
    QFETCH(QStringList, records);
    QFETCH(QString, leftOut);
    std::vector<std::string> texts;
    for (const QString& record : records)
        texts.push_back(record.toStdString());
    const NarrowAnswer answer = answerNarrowQuestion(texts);
    QCOMPARE(answer.outcome, Outcome::NoAnswer);
    QStringList found;
    for (const AgreeingSet& set : answer.narrowing.largestSets) {
        QStringList numbers;
        for (size_t index : set.leftOut)
            numbers << QString::number(index + 1);
        found << numbers.join(' ');
    }
    QCOMPARE(found.join('|'), leftOut);
    QVERIFY(narrowAnswerText(answer).rfind("no birth date fits every record\n", 0) == 0);
    // Sets as large as each other are numbered among themselves.
    const size_t sets = answer.narrowing.largestSets.size();
    for (size_t set = 1; sets > 1 && set <= sets; ++set) {
        const std::string mark = "(set " + std::to_string(set) + " of " + std::to_string(sets) + " as large)";
        QVERIFY2(narrowAnswerText(answer).find(mark) != std::string::npos, mark.c_str());
    }
    // Every form says a record no birth date gives has none, and why.
    for (size_t index = 0; index < answer.records.size(); ++index) {
        if (answer.records[index].ok()) // the others read, but no birth date gives them
            continue;
        QVERIFY(answer.records[index].problem().noBirthDate());
        const std::string why = answer.records[index].problem().problem.message;
        QVERIFY(narrowAnswerText(answer).find(": " + why + "\n") != std::string::npos);
        QVERIFY(narrowAnswerCsv(answer).find("record," + std::to_string(index + 1) + ",1/1/1850,69 years 10 months 2 "
                                             "days,,,0,,,\n") != std::string::npos);
        QVERIFY(narrowAnswerJson(answer).find("\"earliest\":null,\"latest\":null,\"dates\":0,\"about\":false,"
                                              "\"text\":\"no birth date") != std::string::npos);
    }
}

void NarrowTest::largestSetsMatchAScanOfEveryDay()
{
    // Random windows on a short stretch of days: the largest sets are those
    // of the days where the most windows overlap, day by day.
    std::mt19937 random(20261209);
    constexpr int Runs = 300;
    constexpr long long Days = 60;
    for (int run = 0; run < Runs; ++run) {
        std::vector<BirthWindow> windows(2 + random() % 5);
        for (BirthWindow& window : windows) {
            const Day first(random() % Days);
            if (random() % 5 != 0)
                window.days.earliest = first;
            if (random() % 5 != 0)
                window.days.latest = first + random() % 15;
        }
        std::vector<std::vector<size_t>> expected;
        size_t most = 0;
        for (long long dayNumber = -1; dayNumber <= Days + 15; ++dayNumber) {
            std::vector<size_t> set;
            for (size_t index = 0; index < windows.size(); ++index) {
                if (windows[index].days.contains(Day(dayNumber)))
                    set.push_back(index);
            }
            if (set.size() > most) {
                most = set.size();
                expected.clear();
            }
            if (set.size() == most && !set.empty() && (expected.empty() || expected.back() != set))
                expected.push_back(set);
        }
        const Narrowing narrowing = narrowWindows(windows);
        if (most == windows.size()) {
            QVERIFY(narrowing.fits);
            continue;
        }
        QVERIFY(!narrowing.fits);
        std::vector<std::vector<size_t>> found;
        for (const AgreeingSet& set : narrowing.largestSets)
            found.push_back(set.records);
        QCOMPARE(found.size() + narrowing.moreSets, expected.size());
        found.resize(std::min(found.size(), expected.size()));
        expected.resize(found.size());
        QCOMPARE(found, expected);
    }
}

void NarrowTest::answerText()
{
    const NarrowAnswer answer = answerNarrowQuestion({"England 1851 census: 34", "England 1861 census: 44"});
    QCOMPARE(QString::fromStdString(narrowAnswerText(answer)),
             QString("4/8/1816 through 3/30/1817 (357 dates)\n"
                     "1. England 1851 census (3/30/1851): 34 years: 3/31/1816 through 3/30/1817 (365 dates)\n"
                     "2. England 1861 census (4/7/1861): 44 years: 4/8/1816 through 4/7/1817 (365 dates)\n"));
}

void NarrowTest::pictureDrawsTheLeftOutRecordApart()
{
    const NarrowAnswer answer =
        answerNarrowQuestion({"US 1850 census: 30", "US 1860 census: 40", "US 1870 census: 30 & co"});
    QCOMPARE(answer.outcome, Outcome::NotRead); // "&" is no age: refused, not drawn
    const NarrowAnswer conflict =
        answerNarrowQuestion({"US 1850 census: 30", "US 1860 census: 40", "US 1870 census: 30"});
    const QString svg = QString::fromStdString(narrowAnswerSvg(conflict));
    QVERIFY(svg.startsWith("<svg xmlns=\"http://www.w3.org/2000/svg\""));
    QCOMPARE(svg.count("class=\"bar\""), 2);
    QCOMPARE(svg.count("class=\"bar apart\""), 1);
    // The record left out comes after the rule, the agreeing ones before.
    QVERIFY(svg.indexOf("class=\"rule\"") < svg.indexOf("3. US 1870 census"));
    QVERIFY(svg.indexOf("2. US 1860 census") < svg.indexOf("class=\"rule\""));
    // Years on the axis around the windows.
    QVERIFY(svg.contains(">1820</text>"));
    QVERIFY(svg.contains(">1840</text>"));
    const NarrowAnswer fits = answerNarrowQuestion({"US 1850 census: 30", "6/1/1880: over 21"});
    const QString open = QString::fromStdString(narrowAnswerSvg(fits));
    QCOMPARE(open.count("class=\"bar apart\""), 0);
    QCOMPARE(open.count("class=\"open\""), 1); // "over 21" sets no earliest birth
}

QTEST_GUILESS_MAIN(NarrowTest)
#include "tst_narrow.moc"
