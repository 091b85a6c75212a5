// narrow under born's reading options: --switch, --year-start, --century,
// --pivot, --date-order, --exact and --range, against born for the same
// date and age; a record of another calendar saying how it was read in
// text, CSV and JSON; censuses in the word orders people write, refused in
// another calendar; and narrow --csv from standard input, a pipe and a
// FIFO giving the bytes it gives from the file.

#include "reading/calendarswitches.h"
#include "evidence/censusdays.h"
#include "narrowanswer.h"
#include "narrowcsvjob.h"
#include "narrowrecord.h"
#include "programrun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

using namespace spanwright;

namespace {

// The options of a test row, written as the command line's words: "switch=GB
// start=03-25 century=1900 pivot=1930 dmy exact range".
NarrowOptions optionsOf(const QString& words)
{
    NarrowOptions options;
    for (const QString& word : words.split(' ', Qt::SkipEmptyParts)) {
        const QString value = word.section('=', 1);
        if (word.startsWith("switch="))
            options.reading.calendar.firstGregorianDay = readCalendarSwitch(value.toStdString()).value();
        else if (word == "start=03-25")
            options.reading.calendar.yearBeginsOn25March = true;
        else if (word.startsWith("century="))
            options.reading.shortYears = {ShortYears::Rule::Century, value.toLongLong()};
        else if (word.startsWith("pivot="))
            options.reading.shortYears = {ShortYears::Rule::Pivot, value.toLongLong()};
        else if (word == "dmy")
            options.reading.order = DateOrder::DayFirst;
        else if (word == "exact")
            options.exact = true;
        else if (word == "range")
            options.range = true;
        else
            qFatal("unknown option word %s", qPrintable(word));
    }
    return options;
}

// The same options as arguments of spanwright-cli.
QStringList argumentsOf(const QString& words)
{
    QStringList arguments;
    for (const QString& word : words.split(' ', Qt::SkipEmptyParts)) {
        const QString value = word.section('=', 1);
        if (word.startsWith("switch="))
            arguments << "--switch" << value;
        else if (word.startsWith("start="))
            arguments << "--year-start" << value;
        else if (word.startsWith("century="))
            arguments << "--century" << value;
        else if (word.startsWith("pivot="))
            arguments << "--pivot" << value;
        else if (word == "dmy")
            arguments << "--date-order" << "dmy";
        else
            arguments << "--" + word;
    }
    return arguments;
}

QString firstLine(const QByteArray& out) { return QString::fromUtf8(out.left(out.indexOf('\n'))); }

const QByteArray Census = "Name,When,Age\r\n"
                          "Ann Ward,US 1850 census,30\r\n"
                          "John Hale,10 Feb 1720,4\r\n"
                          "Ann Ward,US 1860 census,40\r\n"
                          "Ann Ward,US 1870 census,30\r\n" // ten years out: a second pass
                          "Mary Cole,1880 census,4\r\n"     // no country: an error row
                          "Ann Ward,US 1880 census,60\r\n";

const QStringList CsvColumns = {"--person", "Name", "--date", "When", "--age", "Age"};

} // namespace

class NarrowOptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void recordUnderOptions_data();
    void recordUnderOptions();
    void windowsAsBornGivesThem_data();
    void windowsAsBornGivesThem();
    void exactAgeNoDateGivesNamesTheNearest_data();
    void exactAgeNoDateGivesNamesTheNearest();
    void calendarInEveryFormat();
    void censusWordOrders_data();
    void censusWordOrders();
    void censusRefused_data();
    void censusRefused();
    void csvRowsUnderOptions_data();
    void csvRowsUnderOptions();
    void csvFromStandardInputAndPipes_data();
    void csvFromStandardInputAndPipes();
    void csvFromAFifo();
    void idleOptionsRefused_data();
    void idleOptionsRefused();
};

void NarrowOptionsTest::recordUnderOptions_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("calendar");
    QTest::newRow("dual year, Julian day and month")
        << "11 Feb 1731/32: 34" << "" << "2/22/1697 through 2/21/1698 (365 dates)"
        << "11 Feb 1731/32 (Julian) = 22 Feb 1732 (Gregorian)";
    QTest::newRow("plain date Gregorian without --switch")
        << "10 Feb 1720: 30" << "" << "2/11/1689 through 2/10/1690 (365 dates)" << "";
    QTest::newRow("--switch GB: a Julian-era date")
        << "10 Feb 1720: 30" << "switch=GB" << "2/21/1689 through 2/20/1690 (365 dates)"
        << "10 Feb 1720 (Julian) = 21 Feb 1720 (Gregorian)";
    QTest::newRow("--switch GB after the switch") << "10 Feb 1780: 30" << "switch=GB"
                                                  << "2/11/1749 through 2/10/1750 (365 dates)" << "";
    // A year across the switch: the earliest birth reckoned from its first
    // day, in that day's Julian calendar.
    QTest::newRow("--switch GB: a year across the switch")
        << "1752: 60" << "switch=GB" << "1/12/1691 through 12/31/1692 (720 dates)"
        << "1 Jan 1752 (Julian) to 31 Dec 1752 (Gregorian) = 12 Jan 1752 to 31 Dec 1752 (Gregorian)";
    QTest::newRow("--year-start 03-25") << "10 Feb 1720: 30" << "switch=GB start=03-25"
                                        << "2/21/1690 through 2/20/1691 (365 dates)"
                                        << "10 Feb 1720/21 (Julian) = 21 Feb 1721 (Gregorian)";
    QTest::newRow("--century 1900") << "3/3/50: 20" << "century=1900" << "3/4/1929 through 3/3/1930 (365 dates)"
                                    << "";
    QTest::newRow("--pivot 1930") << "3/3/20: 5" << "pivot=1930" << "3/4/2014 through 3/3/2015 (365 dates)" << "";
    QTest::newRow("--date-order dmy") << "4/6/1871: 39" << "dmy" << "5/6/1831 through 4/6/1832 (366 dates)" << "";
    QTest::newRow("--exact") << "6/4/1871: aged 39" << "exact" << "6/4/1832" << "";
    QTest::newRow("--exact --range") << "6/4/1871: aged 39" << "exact range" << "6/4/1832 through 6/4/1832 (1 date)"
                                     << "";
    QTest::newRow("--exact leaves a range its bounds")
        << "6/4/1871: 20-29" << "exact" << "6/5/1841 through 6/4/1851 (3652 dates)" << "";
    QTest::newRow("--exact keeps the 1841 rounding")
        << "England 1841 census: 30" << "exact" << "6/7/1806 through 6/6/1811 (1826 dates)" << "";
    QTest::newRow("--exact leaves a census age one of completed years")
        << "US 1880 census: 47" << "exact" << "6/2/1832 through 6/1/1833 (365 dates)" << "";
    QTest::newRow("about keeps the 1841 rounding")
        << "England 1841 census: about 30" << "" << "about: 6/7/1806 through 6/6/1811 (1826 dates)" << "";
    QTest::newRow("about keeps the age at the next birthday")
        << "Canada 1851 census: about 34" << "" << "about: 1/13/1818 through 1/12/1819 (365 dates)" << "";
    QTest::newRow("an approximate date marks the window about")
        << "abt 1851: 30" << "" << "about: 1/2/1820 through 12/31/1821 (730 dates)" << "";
    QTest::newRow("an open Old Style date: its bound in both calendars")
        << "after 31 Dec 1700 O.S.: 30" << "" << "on or after 1/12/1670"
        << "after 31 Dec 1700 (Julian) = after 11 Jan 1701 (Gregorian)";
}

void NarrowOptionsTest::recordUnderOptions()
{
    QFETCH(QString, record);
    QFETCH(QString, options);
    QFETCH(QString, window);
    QFETCH(QString, calendar);
    const NarrowOptions read = optionsOf(options);
    const NarrowReading narrowed = readNarrowRecord(record.toStdString(), read);
    QVERIFY2(narrowed.ok(), narrowed ? "" : narrowed.problem().problem.message.c_str());
    QCOMPARE(QString::fromStdString(birthWindowText(narrowed->window, read.reading.order, read.range)), window);
    QCOMPARE(QString::fromStdString(narrowed->calendar), calendar);
    // The record's line says it too, after its window.
    const NarrowAnswer answer = answerNarrowQuestion({record.toStdString()}, read);
    const QString text = QString::fromStdString(narrowAnswerText(answer, read));
    QCOMPARE(text.section('\n', 0, 0), window);
    QVERIFY2(text.section('\n', 1, 1).endsWith(calendar.isEmpty() ? window : window + "; date: " + calendar),
             qPrintable(text));
}

void NarrowOptionsTest::windowsAsBornGivesThem_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("options");
    QTest::newRow("exact years") << "6/4/1871" << "Aged 39" << "exact";
    QTest::newRow("exact years and months") << "4/30/1901" << "34 years 1 month" << "exact";
    QTest::newRow("exact across February") << "3/1/1900" << "1 month" << "exact range";
    QTest::newRow("exact weeks") << "1/15/1850" << "3 weeks" << "exact";
    QTest::newRow("exact in her 80th year") << "8/3/1904" << "in her 80th year" << "exact";
    QTest::newRow("exact about") << "5/2/1891" << "about 34" << "exact";
    QTest::newRow("exact, a month of days") << "June 1871" << "39" << "exact";
    QTest::newRow("exact under the switch") << "10 Feb 1720" << "30 years 2 months" << "exact switch=GB";
    QTest::newRow("exact dual year") << "11 Feb 1731/32" << "34 years 2 months" << "exact range";
    QTest::newRow("precise to its unit, one date") << "8/3/1904" << "79y 9m 29d" << "range";
    QTest::newRow("day first, short year") << "4/6/71" << "39" << "dmy century=1800 exact";
}

void NarrowOptionsTest::windowsAsBornGivesThem()
{
    QFETCH(QString, date);
    QFETCH(QString, age);
    QFETCH(QString, options);
    const QStringList arguments = argumentsOf(options);
    const Run born = runProgram(QStringList{"born", date, age} + arguments);
    QCOMPARE(born.status, 0);
    const Run narrow = runProgram(QStringList{"narrow", date + ": " + age} + arguments);
    QCOMPARE(narrow.status, 0);
    QCOMPARE(firstLine(narrow.out), firstLine(born.out));
    // born's calendar line, under its answer, is the record line's end.
    const QString bornLines = QString::fromUtf8(born.out);
    if (bornLines.count('\n') > 1) {
        const QString calendar = bornLines.section('\n', 1, 1).section(": ", 1);
        QVERIFY2(QString::fromUtf8(narrow.out).section('\n', 1, 1).endsWith("; date: " + calendar),
                 narrow.out.constData());
    }
}

void NarrowOptionsTest::exactAgeNoDateGivesNamesTheNearest_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("age");
    QTest::newRow("a month before the 31st") << "3/31/1900" << "1 month";
    QTest::newRow("years and a month") << "3/31/1901" << "34 years 1 month";
    QTest::newRow("months before the 31st") << "5/31/1900" << "3 months";
}

// born says no date gives the age and names the nearest; narrow leaves the
// record out (status 1) with the same words on its line.
void NarrowOptionsTest::exactAgeNoDateGivesNamesTheNearest()
{
    QFETCH(QString, date);
    QFETCH(QString, age);
    const Run born = runProgram({"born", date, age, "--exact"});
    QCOMPARE(born.status, 1);
    const Run narrow = runProgram({"narrow", date + ": " + age, "--exact"});
    QCOMPARE(narrow.status, 1);
    const QByteArray bornSays = born.err.mid(QByteArray("spanwright-cli: ").size());
    QVERIFY2(narrow.out.contains("left out:\n  1. ") && narrow.out.endsWith(": " + bornSays),
             narrow.out.constData());
}

void NarrowOptionsTest::calendarInEveryFormat()
{
    const QStringList records = {"narrow", "11 Feb 1731/32: 34", "US 1880 census: 55"};
    const Run csv = runProgram(records + QStringList{"--format", "csv"});
    QCOMPARE(csv.status, 1);
    const QList<QByteArray> rows = csv.out.split('\n');
    // The columns there were, and calendar after them.
    QCOMPARE(rows[0], "part,records,when,age,earliest,latest,dates,about,left_out,calendar");
    for (const QByteArray& row : rows.mid(1, rows.size() - 2))
        QCOMPARE(row.count(','), 9);
    QVERIFY2(csv.out.contains("\nrecord,1,2/22/1732,34 years,2/22/1697,2/21/1698,365,,,"
                              "11 Feb 1731/32 (Julian) = 22 Feb 1732 (Gregorian)\n"),
             csv.out.constData());
    QVERIFY(csv.out.contains("\nrecord,2,US 1880 census (6/1/1880),55 years,6/2/1824,6/1/1825,365,,,\n"));
    const Run json = runProgram(records + QStringList{"--format", "json"});
    QVERIFY2(json.out.contains("\"note\":\"\",\"window\":{\"earliest\":\"2/22/1697\",\"latest\":\"2/21/1698\","
                               "\"dates\":365,\"about\":false,\"text\":\"2/22/1697 through 2/21/1698 (365 dates)\"},"
                               "\"calendar\":\"11 Feb 1731/32 (Julian) = 22 Feb 1732 (Gregorian)\"}"),
             json.out.constData());
    QVERIFY(json.out.contains("\"calendar\":\"\"}]}"));
    const Run text = runProgram(records);
    QVERIFY2(text.out.contains("  1. 2/22/1732: 34 years: 2/22/1697 through 2/21/1698 (365 dates); date: "
                               "11 Feb 1731/32 (Julian) = 22 Feb 1732 (Gregorian)\n"),
             text.out.constData());
}

void NarrowOptionsTest::censusWordOrders_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("read");
    QTest::newRow("country year census") << "US 1880 census" << "US 1880 census (6/1/1880)";
    QTest::newRow("year country census") << "1880 US census" << "US 1880 census (6/1/1880)";
    QTest::newRow("country census year") << "US census 1880" << "US 1880 census (6/1/1880)";
    QTest::newRow("census of the country") << "1880 census of the US" << "US 1880 census (6/1/1880)";
    QTest::newRow("census of, no the") << "1851 census of England" << "England 1851 census (3/30/1851)";
    QTest::newRow("country in parentheses") << "1851 census (England)" << "England 1851 census (3/30/1851)";
    QTest::newRow("United States") << "United States 1880 census" << "US 1880 census (6/1/1880)";
    QTest::newRow("a register's Federal Census") << "1880 United States Federal Census" << "US 1880 census (6/1/1880)";
    QTest::newRow("USA") << "USA 1880 census" << "US 1880 census (6/1/1880)";
    QTest::newRow("U.S.") << "U.S. 1880 census" << "US 1880 census (6/1/1880)";
    QTest::newRow("U.S.A. census year") << "U.S.A. census 1910" << "US 1910 census (4/15/1910)";
    QTest::newRow("England and Wales") << "England and Wales 1851 census" << "England and Wales 1851 census (3/30/1851)";
    QTest::newRow("England & Wales 1841") << "1841 England & Wales census" << "England and Wales 1841 census (6/6/1841)";
    QTest::newRow("marked N.S.") << "US 1880 census N.S." << "US 1880 census (6/1/1880)";
    QTest::newRow("a sentence's full stop") << "1851 Census of England and Wales."
                                            << "England and Wales 1851 census (3/30/1851)";
}

void NarrowOptionsTest::censusWordOrders()
{
    QFETCH(QString, when);
    QFETCH(QString, read);
    const NarrowReading record = narrowRecordOf(when.toStdString(), "30");
    QVERIFY2(record.ok(), record ? "" : record.problem().problem.message.c_str());
    QCOMPARE(QString::fromStdString(record->when), read);
    // The 1841 rule goes with the census, whatever the order of its words.
    QCOMPARE(record->note.empty(), !read.contains("1841"));
}

void NarrowOptionsTest::censusRefused_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QStringList>("said");
    const QStringList julian = {"marked Julian", "taken on 1 Jun 1880 in the Gregorian calendar"};
    QTest::newRow("a day beside the year") << "1 June 1880 census" << ""
                                           << QStringList{"names a day as well as a year"};
    QTest::newRow("(O.S.)") << "US 1880 census (O.S.)" << "" << julian + QStringList{"(O.S.)"};
    QTest::newRow("O.S.") << "US 1880 census O.S." << "" << julian;
    QTest::newRow("Old Style") << "US 1880 census, Old Style" << "" << julian;
    QTest::newRow("Julian before") << "Julian US 1880 census" << "" << julian;
    QTest::newRow("GEDCOM Julian escape") << "@#DJULIAN@ US 1880 census" << "" << julian + QStringList{"@#DJULIAN@"};
    QTest::newRow("GEDCOM Hebrew escape") << "@#DHEBREW@ England 1851 census" << ""
                                          << QStringList{"marked Hebrew", "taken on 30 Mar 1851"};
    QTest::newRow("HEBREW keyword") << "HEBREW US 1880 census" << "" << QStringList{"marked Hebrew"};
    QTest::newRow("French Republican escape") << "@#DFRENCH R@ US 1880 census" << ""
                                              << QStringList{"marked French Republican"};
    QTest::newRow("FRENCH_R keyword") << "FRENCH_R US 1880 census" << "" << QStringList{"marked French Republican"};
    QTest::newRow("two marks") << "JULIAN US 1880 census (O.S.)" << "" << QStringList{"two calendar marks"};
    QTest::newRow("--switch RU puts it in Julian days")
        << "US 1880 census" << "switch=RU"
        << QStringList{"taken on 1 Jun 1880 in the Gregorian calendar", "dates before 14 Feb 1918 Julian",
                       "--switch GB or US", "1 Jun 1880 N.S."};
    QTest::newRow("--switch GR, a Canadian census")
        << "Canada 1851 census" << "switch=GR" << QStringList{"taken on 12 Jan 1852", "before 1 Mar 1923"};
    QTest::newRow("no country") << "1880 census" << ""
                                << QStringList{"names no country", "US, England, Wales, Scotland, Ireland and Canada"};
    QTest::newRow("no year") << "US census" << "" << QStringList{"names no year"};
    QTest::newRow("unknown year, new word order") << "1895 US census" << ""
                                                  << QStringList{"not known", "1790, 1800"};
}

void NarrowOptionsTest::censusRefused()
{
    QFETCH(QString, when);
    QFETCH(QString, options);
    QFETCH(QStringList, said);
    const NarrowReading record = narrowRecordOf(when.toStdString(), "34", optionsOf(options));
    QVERIFY(!record.ok());
    const QString problem = QString::fromStdString(record.problem().problem.message);
    QVERIFY2(problem.startsWith("the census \"" + when + "\""), qPrintable(problem));
    for (const QString& part : said)
        QVERIFY2(problem.contains(part), qPrintable(problem));
}

void NarrowOptionsTest::csvRowsUnderOptions_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("hale");
    QTest::newRow("plain dates Gregorian") << "" << "John Hale,1,2/11/1715,2/10/1716,365,,";
    QTest::newRow("--switch GB") << "switch=GB" << "John Hale,1,2/22/1715,2/21/1716,365,,";
    QTest::newRow("--switch GB --year-start 03-25") << "switch=GB start=03-25" << "John Hale,1,2/22/1716,2/21/1717,366,,";
    QTest::newRow("--exact") << "exact" << "John Hale,1,2/10/1716,2/10/1716,1,,";
}

void NarrowOptionsTest::csvRowsUnderOptions()
{
    QFETCH(QString, options);
    QFETCH(QString, hale);
    NarrowCsvSettings settings;
    settings.personColumn = "Name";
    settings.dateColumn = "When";
    settings.ageColumn = "Age";
    settings.options = optionsOf(options);
    NarrowCsvJob job(settings);
    do
        job.feed(std::string_view(Census.constData(), Census.size()));
    while (job.endPass());
    std::string out;
    QCOMPARE(job.write([&out](std::string_view text) { out.append(text); }), Outcome::NoAnswer);
    QVERIFY2(QString::fromStdString(out).contains("\r\n" + hale + "\r\n"), out.c_str());
    // The command line gives the same rows.
    QTemporaryDir dir;
    QFile file(dir.filePath("census.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Census) == Census.size());
    file.close();
    const Run run = runProgram(QStringList{"narrow", "--csv", file.fileName()} + CsvColumns + argumentsOf(options));
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QByteArray::fromStdString(out));
}

void NarrowOptionsTest::csvFromStandardInputAndPipes_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("a conflict") << Census << QStringList{};
    QTest::newRow("one pass") << QByteArray("Name,When,Age\nAnn,US 1850 census,30\nAnn,US 1860 census,40\n")
                              << QStringList{};
    QTest::newRow("semicolons, switch") << QByteArray(Census).replace(',', ';')
                                        << QStringList{"-d", ";", "--switch", "GB"};
    QTest::newRow("tabs, written \\t") << QByteArray(Census).replace(',', '\t') << QStringList{"-d", "\\t"};
    QTest::newRow("tabs, written tab") << QByteArray(Census).replace(',', '\t') << QStringList{"-d", "tab"};
    QByteArray many = "Name,When,Age\n";
    for (int row = 0; row < 20000; ++row)
        many += "P" + QByteArray::number(row % 701) + ",US " + QByteArray::number(1850 + 10 * (row % 3))
            + " census," + QByteArray::number(30 + 10 * (row % 3) + (row % 7 == 0 ? 5 : 0)) + "\n";
    QTest::newRow("more than a read's chunk, conflicts") << many << QStringList{};
}

void NarrowOptionsTest::csvFromStandardInputAndPipes()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    QFile file(dir.filePath("rows.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(input) == input.size());
    file.close();
    const Run fromFile = runProgram(QStringList{"narrow", "--csv", file.fileName()} + CsvColumns + options);
    QVERIFY2(fromFile.status == 0 || fromFile.status == 1, fromFile.err.constData());
    // QProcess gives standard input through a pipe.
    const Run fromPipe = runProgram(QStringList{"narrow", "--csv", "-"} + CsvColumns + options, input);
    QCOMPARE(fromPipe.err, QByteArray());
    QCOMPARE(fromPipe.status, fromFile.status);
    QCOMPARE(fromPipe.out, fromFile.out);
    // A file given as standard input is read in place, twice if need be.
    QProcess redirected;
    redirected.setStandardInputFile(file.fileName());
    redirected.start(QStringLiteral(SPANWRIGHT_CLI_PATH), QStringList{"narrow", "--csv", "-"} + CsvColumns + options);
    QVERIFY(redirected.waitForFinished());
    QCOMPARE(redirected.exitCode(), fromFile.status);
    QCOMPARE(redirected.readAllStandardOutput(), fromFile.out);
}

void NarrowOptionsTest::csvFromAFifo()
{
    QTemporaryDir dir;
    const QByteArray fifo = dir.filePath("rows.fifo").toLocal8Bit();
    QVERIFY(mkfifo(fifo.constData(), 0600) == 0);
    QFile file(dir.filePath("rows.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Census) == Census.size());
    file.close();
    // The writer blocks until the program opens the FIFO to read it.
    std::thread writer([&fifo] {
        QFile end(QString::fromLocal8Bit(fifo));
        if (end.open(QIODevice::WriteOnly))
            end.write(Census);
    });
    const Run fromFifo = runProgram(QStringList{"narrow", "--csv", QString::fromLocal8Bit(fifo)} + CsvColumns);
    // Where the program never opened it, a reader of our own lets the
    // writer finish (its few bytes fit in the FIFO's buffer).
    const int release = open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    writer.join();
    if (release >= 0)
        close(release);
    const Run fromFile = runProgram(QStringList{"narrow", "--csv", file.fileName()} + CsvColumns);
    QCOMPARE(fromFifo.err, QByteArray());
    QCOMPARE(fromFifo.status, 1);
    QCOMPARE(fromFifo.out, fromFile.out);
    QVERIFY(fromFile.out.contains("Ann Ward,4,"));
    QVERIFY(fromFile.out.contains("Mary Cole,0,,,,,\"row 6: the census \"\"1880 census\"\" names no country"));
}

// An option that would change nothing is refused, not ignored: --range and
// --format have nothing to change in the rows' columns, the rows' options
// nothing in the records' answer.
void NarrowOptionsTest::idleOptionsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("err");
    const QStringList csv = QStringList{"narrow", "--csv", "-"} + CsvColumns;
    const QStringList records{"narrow", "US 1880 census: 34"};
    QTest::newRow("--csv --range") << csv + QStringList{"--range"} << QByteArray("--range is for the records' answer");
    QTest::newRow("--csv --format json") << csv + QStringList{"--format", "json"}
                                         << QByteArray("--format is for the records' answer");
    QTest::newRow("--csv --svg") << csv + QStringList{"--svg", "p.svg"} << QByteArray("--svg is for the records' answer");
    QTest::newRow("-o without --csv") << records + QStringList{"-o", "out.csv"}
                                      << QByteArray("--output is for narrow --csv");
    QTest::newRow("--person without --csv") << records + QStringList{"--person", "Name"}
                                            << QByteArray("--person is for narrow --csv");
    QTest::newRow("-d without --csv") << records + QStringList{"-d", ";"} << QByteArray("--delimiter is for narrow --csv");
    QTest::newRow("--svg -") << records + QStringList{"--svg", "-"} << QByteArray("--svg takes the name of the file");
}

void NarrowOptionsTest::idleOptionsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, err);
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path()); // where a file named "-" or out.csv would be made
    process.start(QStringLiteral(SPANWRIGHT_CLI_PATH), arguments);
    QVERIFY(process.waitForStarted());
    process.write(Census);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 2);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    const QByteArray said = process.readAllStandardError();
    QVERIFY2(said.startsWith("spanwright-cli: " + err) && said.count('\n') == 1, said.constData());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

QTEST_GUILESS_MAIN(NarrowOptionsTest)
#include "tst_narrowoptions.moc"
