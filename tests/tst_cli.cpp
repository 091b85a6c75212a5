// Runs the command-line program as a user does: arguments and standard input
// in, standard output, standard error and the exit status out.

#include "programrun.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("errContains");
        const auto row = [](const char* name, const QStringList& arguments, const char* out, int status,
                            const char* err = "") {
            QTest::newRow(name) << arguments << QByteArray(out) << status << QByteArray(err);
        };
        row("span worded by default", {"span", "5/10/1950", "3/1/1990"}, "39 Year(s), 9 month(s), 19 day(s)\n", 0);
        row("span month names", {"span", "May 10, 1950", "Mar 1, 1990", "-n", "1"}, "9/19/39\n", 0);
        row("span all four", {"span", "5/10/1950", "3/1/1990", "--notation", "all"},
            "9/19/39\n9-19-39\n9.19.39\n39 Year(s), 9 month(s), 19 day(s)\n", 0);
        row("span fraction of a day", {"span", "5/5.5/1990", "5/10/1990", "-n", "3"}, "", 2,
            "\"5/5.5/1990\" is not a date: 5/5.5/1990 mixes the separators / and . (accepted forms: 5/17/1990");
        row("span begin not a date", {"span", "13/1/1990", "3/1/1990"}, "", 2,
            "begin date \"13/1/1990\" is not a date: 13 is not a month (1 to 12); it reads as a date day first: "
            "give --date-order dmy\n");
        row("span end read first", {"span", "x", "y"}, "", 2, "end date \"y\"");
        row("span end before begin", {"span", "3/2/1990", "3/1/1990"}, "", 1, "Error - Death Date Before Birth date");
        row("span unknown notation", {"span", "1/1/1990", "1/2/1990", "-n", "5"}, "", 2, "--notation");
        row("born several dates", {"born", "3/1/1990", "1 month(s), 1 day(s)", "--each"},
            "1/28/1990\n1/29/1990\n1/30/1990\n1/31/1990\n", 0);
        row("born as a range", {"born", "3/1/1990", "1m 1d", "--range"}, "1/28/1990 through 1/31/1990 (4 dates)\n", 0);
        // --language settles a word two languages read as different months, on every command reading dates.
        row("span listopada refused", {"span", "5. listopada 1850", "1 Jan 1900"}, "", 2,
            "\"listopada\" names two months: month 11 in Polish and Slovenian or month 10 in Croatian");
        row("span listopada Croatian", {"span", "5. listopada 1850", "5. studenoga 1850", "--language", "hr"},
            "0 Year(s), 1 month(s), 0 day(s)\n", 0);
        row("days prosinec Slovene", {"days", "3. prosinec 1850", "3. svečan 1850", "--language", "sl"}, "31\n", 0);
        row("born prosinca Croatian", {"born", "3. prosinca 1850", "1 mjesec", "--language", "hr", "--range"},
            "10/4/1850 through 11/3/1850 (31 dates)\n", 0);
        row("language unknown", {"span", "1/1/1850", "1/1/1900", "--language", "tr"}, "", 2,
            "\"tr\" is none of the languages read (en, la, de");
        row("narrow listopad Polish", {"narrow", "5 listopada 1850: 0 days", "--language", "pl"},
            "11/5/1850\n1. 11/5/1850: 0 days: 11/5/1850\n", 0);
        // A dual year only where the year began on 25 March: England's, not Russia's or Sweden's.
        row("convert under Russia's switch", {"convert", "28 Jan 1724", "--switch", "RU", "--to", "julian"},
            "julian: 28 Jan 1724\n", 0);
        row("convert under Sweden's switch", {"convert", "28 Jan 1724", "--switch", "SE", "--to", "julian"},
            "julian: 28 Jan 1724\n", 0);
        row("convert under Britain's switch", {"convert", "28 Jan 1724", "--switch", "GB", "--to", "julian"},
            "julian: 28 Jan 1723/24\n", 0);
        row("convert with years from 25 March", {"convert", "28 Jan 1724", "--switch", "RU", "--year-start", "03-25",
            "--to", "julian"}, "julian: 28 Jan 1724/25\n", 0);
        row("born tombstone", {"born", "August 3, 1904", "aged 79 years, 9 months, 29 days"}, "10/5/1824\n", 0);
        row("born small year", {"born", "3/1/0090", "1y 0m 0d"}, "3/1/0089\n", 0);
        row("born bad age", {"born", "3/1/1990", "39.5 years"}, "", 2, "whole numbers only");
        row("born not a calendar day", {"born", "3/0/1990", "1y"}, "", 2, "0 is not a day (1 to 31)");
        row("died unreachable age", {"died", "1/31/1990", "1 month 0 days"}, "", 1,
            "nearest: 2/28/1990 gives 0 Year(s), 0 month(s), 28 day(s), 3/1/1990 gives 0 Year(s), 1 month(s), 1 day(s)");
        row("died", {"died", "5/10/1950", "9/19/39"}, "3/1/1990\n", 0);
        row("days", {"days", "1/1/1900", "1/1/2000"}, "36524\n", 0);
        row("no command", {}, "", 2, "subcommand");

        // The reading layer: every form, whole or refused.
        const char* spanOf1950 = "39 Year(s), 9 month(s), 19 day(s)\n";
        row("span ISO", {"span", "1950-05-10", "1990-03-01"}, spanOf1950, 0);
        row("span worded", {"span", "the 10th day of May 1950", "Mar. 1st, 1990"}, spanOf1950, 0);
        row("span day first", {"span", "10/5/1950", "1/3/1990", "--date-order", "dmy"}, spanOf1950, 0);
        row("span year first", {"span", "1950/5/10", "1990.3.1", "--date-order", "ymd"}, spanOf1950, 0);
        row("span ISO whatever the order", {"span", "1950-05-10", "1/3/1990", "--date-order", "dmy"}, spanOf1950, 0);
        row("span spreadsheet date-time", {"span", "1/1/1900", "5/17/1990 0:00"}, "90 Year(s), 4 month(s), 16 day(s)\n", 0);
        row("span dual year", {"span", "1/26/1728/9", "2/6/1730"},
            "1 Year(s), 0 month(s), 0 day(s)\nbegin: 26 Jan 1728/29 (Julian) = 6 Feb 1729 (Gregorian)\n", 0);
        row("span year alone", {"span", "1850", "3/1/1900"},
            "at least 49 Year(s), 2 month(s), 1 day(s), at most 50 Year(s), 2 month(s), 0 day(s)\n", 0);
        row("span about", {"span", "abt 5/10/1950", "3/1/1990", "-n", "1"}, "about: 9/19/39\n", 0);
        row("span open side", {"span", "bef 1850", "1900"}, "at least 50 Year(s), 0 month(s), 1 day(s)\n", 0);
        row("span overlapping years", {"span", "1850", "1850", "-n", "1"}, "at least 0/0/0, at most 11/30/0\n", 0);
        row("span inexact end before begin", {"span", "1900", "1850"}, "", 1, "Error - Death Date Before Birth date");
        row("span letter O", {"span", "12/25/2O20", "1/1/2021"}, "", 2, "\"O20\" after 12/25/2 is not understood");
        row("span run-on text", {"span", "5/17/1990x", "1/1/2021"}, "", 2, "\"x\" after 5/17/1990 is not understood");
        row("span day-first refused", {"span", "17/05/1990", "1/1/2000"}, "", 2, "give --date-order dmy");
        row("span unknown date order", {"span", "1/1/1990", "1/2/1990", "--date-order", "dym"}, "", 2, "--date-order");
        row("days ISO", {"days", "1900-01-01", "2000-01-01"}, "36524\n", 0);
        row("days month", {"days", "1/1/1900", "May 1900"}, "at least 120, at most 150\n", 0);
        row("days about", {"days", "c. 1/1/1900", "1/11/1900"}, "about: 10\n", 0);
        row("days open", {"days", "bef 1900", "aft 1950"}, "at least 18628\n", 0);
        row("days without bound", {"days", "aft 1900", "aft 1950"}, "", 1, "without bound");
        row("days day first", {"days", "31/12/1899", "1/1/1900", "--date-order", "dmy"}, "1\n", 0);
        row("days day 0", {"days", "5/0/1990", "1/1/2000"}, "", 2, "0 is not a day (1 to 31)");

        // Ages as carved: each precise to its smallest stated unit.
        row("born aged 39 is a year of dates", {"born", "6/4/1871", "Aged 39"}, "6/5/1831 through 6/4/1832 (366 dates)\n", 0);
        row("born aged 39 exact", {"born", "6/4/1871", "Aged 39", "--exact"}, "6/4/1832\n", 0);
        row("born one date as a range", {"born", "6/4/1871", "Aged 39", "-x", "--range"},
            "6/4/1832 through 6/4/1832 (1 date)\n", 0);
        row("born months: any days", {"born", "6/4/1871", "11 Years 2 Months"}, "3/5/1860 through 4/4/1860 (31 dates)\n", 0);
        row("born stone with apostrophes", {"born", "6/4/1871", "Aged 61 Y's, 4 M's & 2 days"}, "2/2/1810\n", 0);
        row("born stops", {"born", "6/4/1871", "64 Ys. 2 Mo. 9 Ds."}, "3/26/1807\n", 0);
        row("born Latin", {"born", "6/4/1871", "\xC3\x86t. 58."}, "6/5/1812 through 6/4/1813 (365 dates)\n", 0);
        row("born about is marked", {"born", "6/4/1871", "Aged about 40 Years."},
            "about: 6/5/1830 through 6/4/1831 (365 dates)\n", 0);
        row("born about date is marked", {"born", "abt 6/4/1871", "48 years and 3 days"}, "about: 6/1/1823\n", 0);
        row("born Nth year", {"born", "6/4/1871", "in ye 33d year of her Age"}, "6/5/1838 through 6/4/1839 (365 dates)\n", 0);
        row("born weeks count days", {"born", "3/15/1990", "three weeks"}, "2/16/1990 through 2/22/1990 (7 dates)\n", 0);
        row("born days count days", {"born", "3/15/1990", "45d"}, "1/29/1990\n", 0);
        row("born month of death", {"born", "June 1871", "aged 39 years 0 months 0 days"},
            "6/1/1832 through 6/30/1832 (30 dates)\n", 0);
        row("born ISO death date", {"born", "1871-06-04", "39y 0m 0d"}, "6/4/1832\n", 0);
        row("born day-first death date", {"born", "4/6/1871", "39y 0m 0d", "--date-order", "dmy"}, "4/6/1832\n", 0);
        row("born years first refused", {"born", "6/4/1871", "79-9-29"}, "", 2, "months run 0 to 11");
        row("born open date refused", {"born", "before 1871", "39"}, "", 2, "open on one side");
        row("born run-on age refused", {"born", "6/4/1871", "39 years x"}, "", 2, "not understood at \"x\"");
        row("born bare number after years refused", {"born", "6/4/1871", "3 years 4"}, "", 2, "a number without a unit");
        row("born no date in the calendar", {"born", "1/10/9999 BC", "3 weeks"}, "", 1,
            "no date lies 3 weeks before 1/10/9999 BC");
        row("died aged 39", {"died", "6/5/1831", "aged 39"}, "6/5/1870 through 6/4/1871 (365 dates)\n", 0);
        row("died each date", {"died", "1/31/1990", "2 days", "--each"}, "2/2/1990\n", 0);
        row("died each about", {"died", "1/31/1990", "about 2 days", "--each"}, "about: 2/2/1990\n", 0);

        // Answers print their dates in the order the dates were read.
        row("born day first prints day first", {"born", "--date-order", "dmy", "10/05/1990", "3 days"}, "7/5/1990\n", 0);
        row("born day first range", {"born", "1/3/1990", "1m 1d", "-r", "--date-order", "dmy"},
            "28/1/1990 through 31/1/1990 (4 dates)\n", 0);
        row("born year first prints ISO", {"born", "1990/3/1", "1m 1d", "--date-order", "ymd"},
            "1990-01-28 through 1990-01-31 (4 dates)\n", 0);
        row("born year first small year", {"born", "1990-03-01", "1989y 0m 0d", "--date-order", "ymd"}, "0001-03-01\n", 0);
        row("died day first each", {"died", "30/1/1990", "2 days", "--each", "--date-order", "dmy"}, "1/2/1990\n", 0);
        row("died day first no match", {"died", "31/1/1990", "1 month 0 days", "--date-order", "dmy"}, "", 1,
            "0 day(s) after 31/1/1990; nearest: 28/2/1990 gives 0 Year(s), 0 month(s), 28 day(s), 1/3/1990 gives "
            "0 Year(s), 1 month(s), 1 day(s)");
        row("died year first no match", {"died", "1990-01-31", "1 month 0 days", "--date-order", "ymd"}, "", 1,
            "0 day(s) after 1990-01-31; nearest: 1990-02-28 gives");
        row("born day first about no match", {"born", "abt 10/1/9999 BC", "3 weeks", "--date-order", "dmy"}, "", 1,
            "no date lies 3 weeks before about 10/1/9999 BC");
        row("born day first between no match", {"born", "between 10/1/9999 BC and 12/1/9999 BC", "3 weeks", "--date-order", "dmy"},
            "", 1, "no date lies 3 weeks before between 10/1/9999 BC and 12/1/9999 BC");
    }

    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, out);
        QFETCH(int, status);
        QFETCH(QByteArray, errContains);
        const Run run = runProgram(arguments);
        QCOMPARE(run.out, out);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(errContains), run.err.constData());
    }

    void batch_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<int>("status");
        const auto row = [](const char* name, const QStringList& arguments, const char* input, const char* out,
                            int status) {
            QTest::newRow(name) << (QStringList{"batch"} + arguments) << QByteArray(input) << QByteArray(out)
                                << status;
        };
        row("spans by header names", {"--begin", "born", "--end", "died"},
            "name,born,died\nA,5/10/1950,3/1/1990\n",
            "name,born,died,years,months,days,span,error\nA,5/10/1950,3/1/1990,39,9,19,\"39 Year(s), 9 month(s), 19 day(s)\",\n",
            0);
        row("positions and a notation", {"-b", "1", "-e", "2", "-n", "2"}, "b,e\n1/1/1990,1/2/1990\n",
            "b,e,years,months,days,span,error\n1/1/1990,1/2/1990,0,0,1,0-1-0,\n", 0);
        row("quoting, CR LF, BOM and empty lines kept", {"--begin", "2", "--end", "3"},
            "\xEF\xBB\xBF" "who,b,e\r\n\"Smith, \"\"J\"\"\", 1/1/1990,1/2/1990\r\n\r\nB,1/2/1990,1/1/1990\r\n",
            "\xEF\xBB\xBF" "who,b,e,years,months,days,span,error\r\n\"Smith, \"\"J\"\"\", 1/1/1990,1/2/1990,0,0,1,\"0 Year(s), 0 month(s), 1 day(s)\",\r\n"
            "\r\nB,1/2/1990,1/1/1990,,,,,Error - Death Date Before Birth date\r\n",
            1);
        row("errors go on to the next row", {"--begin", "b", "--end", "e"}, "b,e\nnope,1/1/1990\nshort\n1/1/1990,1/1/1991",
            "b,e,years,months,days,span,error\nnope,1/1/1990,,,,,\"the begin date \"\"nope\"\" is not a date: \"\"nope\"\" is not "
            "understood (accepted forms: 5/17/1990 (or in the chosen date order), 1990-05-17, 17 May 1990, May 17, 1990, May 1850, "
            "1850, 1728/9, about 1850, before 1850, after 1850, between 1850 and 1860, 1850-1860; month names and "
            "fillers in English, Latin, German, French, Dutch, Spanish, Italian, Portuguese, Danish, Norwegian, "
            "Swedish, Polish, Czech, Russian, Hungarian, Finnish, Croatian, Slovenian, Slovak, Ukrainian, Romanian, "
            "Catalan, Lithuanian, Latvian, Estonian and Icelandic (die vij Junii MDCCL, 12. März 1850, le 3 mars 1750))\"\n"
            "short,,,,,,\"the row has 1 field(s), 2 needed\"\n1/1/1990,1/1/1991,1,0,0,\"1 Year(s), 0 month(s), 0 day(s)\",\n",
            1);
        row("language in the batch", {"--begin", "b", "--end", "e", "--language", "sl", "-n", "1"},
            "b,e\n3. prosinca 1850,3. listopada 1850\n",
            "b,e,years,months,days,span,error\n3. prosinca 1850,3. listopada 1850,0,10,0,10/0/0,\n", 0);
        row("birth dates", {"--end", "d", "--age", "a"}, "d,a\n3/1/1990,1m 1d\n1/31/1990,1 day\n",
            "d,a,born_earliest,born_latest,born_count,error\n3/1/1990,1m 1d,1/28/1990,1/31/1990,4,\n"
            "1/31/1990,1 day,1/30/1990,1/30/1990,1,\n",
            0);
        row("no birth date gives the age", {"--end", "d", "--age", "a"}, "d,a\n3/15/1990,0y 0m 45d\n",
            "d,a,born_earliest,born_latest,born_count,error\n3/15/1990,0y 0m 45d,,,0,\"no date lies exactly 0 Year(s), 0 month(s), 45 day(s) "
            "before 3/15/1990; nearest: 2/15/1990 gives 0 Year(s), 1 month(s), 0 day(s), 2/16/1990 gives 0 Year(s), 0 month(s), 27 day(s) (a span has at most 30 days; more are counted as months)\"\n",
            1);
        row("end dates", {"--begin", "1", "--age", "2"}, "b,a\n1/31/1990,0/1/0\n",
            "b,a,died_earliest,died_latest,died_count,error\n1/31/1990,0/1/0,2/1/1990,2/1/1990,1,\n", 0);
        // Julian records' ages in Julian years, their dates Gregorian.
        row("birth dates from a Julian death", {"--end", "1", "--age", "2"},
            "d,a\n1/26/1728/9,39 years\n28 Jan 1800 O.S.,1 month\n",
            "d,a,born_earliest,born_latest,born_count,error\n1/26/1728/9,39 years,2/6/1689,2/5/1690,365,\n"
            "28 Jan 1800 O.S.,1 month,12/10/1799,1/8/1800,30,\n",
            0);
        row("end dates from a Julian birth", {"--begin", "1", "--age", "2"}, "b,a\n29 Feb 1700 O.S.,1 year\n",
            "b,a,died_earliest,died_latest,died_count,error\n29 Feb 1700 O.S.,1 year,3/12/1701,3/11/1702,365,\n", 0);
        row("quoted line break kept", {"-b", "2", "-e", "3"}, "n,b,e\n\"two\nlines\",1/1/1990,1/1/1990\n",
            "n,b,e,years,months,days,span,error\n\"two\nlines\",1/1/1990,1/1/1990,0,0,0,\"0 Year(s), 0 month(s), 0 day(s)\",\n", 0);
        row("a row longer than the header keeps its fields", {"-b", "1", "-e", "2"}, "b,e\n1/1/1990,1/2/1990,x\n",
            "b,e,years,months,days,span,error\n1/1/1990,1/2/1990,x,0,0,1,\"0 Year(s), 0 month(s), 1 day(s)\",\n", 0);
        row("header only", {"-b", "1", "-e", "2"}, "b,e\n", "b,e,years,months,days,span,error\n", 0);
        row("unclosed quote stops the run", {"-b", "1", "-e", "2"}, "b,e\n1/1/1990,1/2/1990\n\"1/1/1990,1/2/1990\n1/1/1990,1/2/1990\n",
            "b,e,years,months,days,span,error\n1/1/1990,1/2/1990,0,0,1,\"0 Year(s), 0 month(s), 1 day(s)\",\n", 2);
        row("quote inside a field stops the run", {"-b", "1", "-e", "2"}, "b,e\n\"1/1/1990\"x,1/2/1990\n",
            "b,e,years,months,days,span,error\n", 2);
        row("unknown column", {"--begin", "x", "--end", "2"}, "a,b\n", "", 2);
        row("position beyond the header", {"--begin", "1", "--end", "3"}, "a,b\n1/1/1990,1/2/1990\n", "", 2);
        row("no header row", {"--begin", "1", "--end", "2"}, "", "", 2);
        row("byte order mark only", {"--begin", "1", "--end", "2"}, "\xEF\xBB\xBF", "", 2);
        row("three columns given", {"--begin", "1", "--end", "2", "--age", "3"}, "a,b,c\n", "", 2);

        row("semicolons, day first, header in any case", {"-d", ";", "-b", " BORN ", "-e", "died", "--date-order", "dmy"},
            "Name;Born;Died\r\n\"A;B\";10/5/1950;1/3/1990\r\n",
            "Name;Born;Died;years;months;days;span;error\r\n\"A;B\";10/5/1950;1/3/1990;39;9;19;39 Year(s), 9 month(s), 19 day(s);\r\n",
            0);
        row("tabs", {"-d", "tab", "-b", "1", "-e", "2"}, "b\te\n1990-05-17\t2000-01-01\n",
            "b\te\tyears\tmonths\tdays\tspan\terror\n1990-05-17\t2000-01-01\t9\t7\t15\t9 Year(s), 7 month(s), 15 day(s)\t\n", 0);
        row("tabs written \\t", {"-d", "\\t", "-b", "1", "-e", "2"}, "b\te\n1990-05-17\t2000-01-01\n",
            "b\te\tyears\tmonths\tdays\tspan\terror\n1990-05-17\t2000-01-01\t9\t7\t15\t9 Year(s), 7 month(s), 15 day(s)\t\n", 0);
        row("-o - is standard output", {"-o", "-", "-b", "1", "-e", "2"}, "b,e\n1990-05-17,2000-01-01\n",
            "b,e,years,months,days,span,error\n1990-05-17,2000-01-01,9,7,15,\"9 Year(s), 7 month(s), 15 day(s)\",\n", 0);
        row("a comma is a plain character between semicolons", {"-d", ";", "-b", "1", "-e", "2"}, "b;e\nMay 10, 1950;1/3/1990\n",
            "b;e;years;months;days;span;error\nMay 10, 1950;1/3/1990;39;7;24;39 Year(s), 7 month(s), 24 day(s);\n", 0);
        row("spreadsheet date-time cells", {"-b", "1", "-e", "2"}, "b,e\n1/1/1900 0:00,5/17/1990 12:00:00 AM\n",
            "b,e,years,months,days,span,error\n1/1/1900 0:00,5/17/1990 12:00:00 AM,90,4,16,\"90 Year(s), 4 month(s), 16 day(s)\",\n", 0);
        row("inexact dates give the bounds", {"-b", "1", "-e", "2"}, "b,e\n1850,3/1/1900\n",
            "b,e,years,months,days,span,error\n1850,3/1/1900,,,,\"at least 49 Year(s), 2 month(s), 1 day(s), at most 50 Year(s), "
            "2 month(s), 0 day(s)\",\n", 0);
        row("birth dates with a date order", {"-e", "1", "-a", "2", "--date-order", "dmy"}, "d,a\n1/3/1990,1m 1d\n",
            "d,a,born_earliest,born_latest,born_count,error\n1/3/1990,1m 1d,28/1/1990,31/1/1990,4,\n", 0);
        // --exact as born and died take it: every unstated unit of the age 0.
        row("exact birth dates", {"-e", "1", "-a", "2", "--exact"}, "d,a\n6/4/1871,Aged 39\n6/4/1871,11 Years 2 Months\n",
            "d,a,born_earliest,born_latest,born_count,error\n6/4/1871,Aged 39,6/4/1832,6/4/1832,1,\n"
            "6/4/1871,11 Years 2 Months,4/4/1860,4/4/1860,1,\n", 0);
        row("exact end dates", {"-b", "1", "-a", "2", "-x"}, "b,a\n6/5/1831,aged 39\n3/15/1990,45d\n",
            "b,a,died_earliest,died_latest,died_count,error\n6/5/1831,aged 39,6/5/1870,6/5/1870,1,\n"
            "3/15/1990,45d,,,0,\"no date lies exactly 0 Year(s), 0 month(s), 45 day(s) after 3/15/1990; nearest: 4/14/1990 gives "
            "0 Year(s), 0 month(s), 30 day(s), 4/15/1990 gives 0 Year(s), 1 month(s), 0 day(s) (a span has at most 30 days; more "
            "are counted as months)\"\n", 1);
        row("end dates year first", {"-b", "1", "-a", "2", "--date-order", "ymd"}, "b,a\n1990/1/31,0/1/0\n1990-01-31,1 month 0 days\n",
            "b,a,died_earliest,died_latest,died_count,error\n1990/1/31,0/1/0,1990-02-01,1990-02-01,1,\n"
            "1990-01-31,1 month 0 days,,,0,\"no date lies exactly 0 Year(s), 1 month(s), 0 day(s) after 1990-01-31; nearest: "
            "1990-02-28 gives 0 Year(s), 0 month(s), 28 day(s), 1990-03-01 gives 0 Year(s), 1 month(s), 1 day(s)\"\n", 1);
        row("birth dates with semicolons", {"-e", "1", "-a", "2", "-d", ";"}, "d;a\n3/15/1990;0y 0m 45d\n",
            "d;a;born_earliest;born_latest;born_count;error\n3/15/1990;0y 0m 45d;;;0;\"no date lies exactly 0 Year(s), 0 month(s), "
            "45 day(s) before 3/15/1990; nearest: 2/15/1990 gives 0 Year(s), 1 month(s), 0 day(s), 2/16/1990 gives 0 Year(s), "
            "0 month(s), 27 day(s) (a span has at most 30 days; more are counted as months)\"\n", 1);
        row("unknown delimiter", {"-d", "|", "-b", "1", "-e", "2"}, "b|e\n", "", 2);
        // Carved ages in a batch: the earliest and latest birth dates they allow.
        row("birth dates of carved ages", {"--end", "d", "--age", "a"},
            "d,a\n6/4/1871,Aged 39\n6/4/1871,\"Aged 61 Y's, 4 M's & 2 days\"\nJune 1871,45d\n6/4/1871,79-9-29\n",
            "d,a,born_earliest,born_latest,born_count,error\n6/4/1871,Aged 39,6/5/1831,6/4/1832,366,\n"
            "6/4/1871,\"Aged 61 Y's, 4 M's & 2 days\",2/2/1810,2/2/1810,1,\n"
            "June 1871,45d,4/17/1871,5/16/1871,30,\n"
            "6/4/1871,79-9-29,,,,\"the age \"\"79-9-29\"\" is not months-days-years: months run 0 to 11 and days 0 to 30 (for years first write 79y 9m 29d)\"\n",
            1);
    }

    // What a batch says beside its rows.
    void batchMessages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("err");
        const auto row = [](const char* name, const QStringList& arguments, const char* input, int status,
                            const char* err) {
            QTest::newRow(name) << (QStringList{"batch"} + arguments) << QByteArray(input) << status << QByteArray(err);
        };
        row("a day-first column", {"-b", "born", "-e", "2"}, "born,died\n5/1/1990,6/1/1990\n17/5/1990,1/1/2000\n", 1,
            "the --begin column born holds dates that read day first, not month first: give --date-order dmy\n");
        row("a month-first column read day first", {"-e", "1", "-a", "2", "--date-order", "dmy"}, "d,a\n5/17/1990,1y\n", 1,
            "the --end column 1 holds dates that read month first, not day first: give --date-order mdy\n");
        row("the header's names listed", {"-b", "x", "-e", "2"}, "a,\"B c\"\n", 2,
            "--begin x: the header has no such column (it has 2: \"a\", \"B c\")\n");
        row("a name of two columns", {"-b", "born", "-e", "2"}, "Born,BORN \n", 2,
            "--begin born: the header has several columns of that name (2: \"Born\", \"BORN \")\n");
        row("no note where every date reads", {"-b", "1", "-e", "2"}, "b,e\n1/1/1990,x\n", 1, "");
        row("exact ages without an age column", {"-b", "1", "-e", "2", "--exact"}, "b,e\n1/1/1990,1/2/1990\n", 2,
            "--exact reads the ages of an --age column; spans from --begin and --end have none\n");
    }
    void batchMessages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QByteArray, err);
        const Run run = runProgram(arguments, input);
        QCOMPARE(run.status, status);
        if (err.isEmpty())
            QCOMPARE(run.err, QByteArray());
        else
            QVERIFY2(run.err.endsWith(err), run.err.constData());
    }

    // -o writes the rows to a file, and never over the input.
    void batchOutputFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString input = dir.filePath("people.csv");
        const QByteArray rows = "b,e\n1/1/1990,1/2/1990\n";
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(rows);
        file.close();
        const QString output = dir.filePath("spans.csv");

        Run run = runProgram({"batch", input, "-b", "1", "-e", "2", "-o", output});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QByteArray());
        QFile written(output);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("b,e,years,months,days,span,error\n1/1/1990,1/2/1990,0,0,1,"
                                               "\"0 Year(s), 0 month(s), 1 day(s)\",\n"));

        // The input by another name, and through a link.
        const QString link = dir.filePath("link.csv");
        QVERIFY(QFile::link(input, link));
        for (const QString& sameFile : {dir.path() + "/./people.csv", link}) {
            run = runProgram({"batch", input, "-b", "1", "-e", "2", "-o", sameFile});
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.contains("is the input"), run.err.constData());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), rows);
            file.close();
        }
    }

    void batch()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, out);
        QFETCH(int, status);
        const Run run = runProgram(arguments, input);
        QCOMPARE(run.out, out);
        QCOMPARE(run.status, status);
    }

    // An answer that cannot be written is a failure, not a success.
    void outputThatCannotBeWritten_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("span") << QStringList{"span", "1/1/1990", "1/2/1990"};
        QTest::newRow("born") << QStringList{"born", "3/1/1990", "1m 1d"};
        QTest::newRow("batch") << QStringList{"batch", "-b", "1", "-e", "2"};
    }

    void outputThatCannotBeWritten()
    {
        QFETCH(QStringList, arguments);
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(SPANWRIGHT_CLI_PATH), arguments);
        QVERIFY(process.waitForStarted());
        process.write("b,e\n1/1/1990,1/2/1990\n");
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().contains("cannot write the output"));
    }

    void batchFileThatCannotBeRead()
    {
        const Run run = runProgram({"batch", "/nonexistent/file.csv", "-b", "1", "-e", "2"});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains("/nonexistent/file.csv"));
    }

    // Rows larger than the reader's chunks and many rows come through whole.
    void batchLargeInput()
    {
        constexpr int Rows = 20000;
        QByteArray input = "b,e,note\n";
        QByteArray expected = "b,e,note,years,months,days,span,error\n";
        const QByteArray longNote(100000, 'x');
        for (int i = 0; i < Rows; ++i) {
            const QByteArray note = i == Rows / 2 ? longNote : QByteArray::number(i);
            input += "1/1/1900,1/1/2000," + note + "\n";
            expected += "1/1/1900,1/1/2000," + note + ",100,0,0,\"100 Year(s), 0 month(s), 0 day(s)\",\n";
        }
        const Run run = runProgram({"batch", "-b", "b", "-e", "e"}, input);
        QCOMPARE(run.status, 0);
        QVERIFY(run.out == expected);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
