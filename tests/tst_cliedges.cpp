// The command line at its edges, run as a user runs it: spreadsheets as
// Windows saves them, long and odd arguments, the examples of the help
// texts, and the batch's and the answers' texts where a slip would go
// unseen.

#include "resultcheck.h"
#include "calendars/calendardate.h"
#include "reading/datereader.h"
#include "programrun.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace spanwright;

namespace {

QByteArray utf16(const QString& text, bool littleEndian, bool byteOrderMark)
{
    QByteArray bytes;
    for (const QChar c : (byteOrderMark ? QChar(0xFEFF) + text : text)) {
        const char low = char(c.unicode() & 0xFF);
        const char high = char(c.unicode() >> 8);
        bytes += littleEndian ? QByteArray{1, low} + high : QByteArray{1, high} + low;
    }
    return bytes;
}

// The words of a help example's command line: blanks part them, single
// quotes hold blanks.
QStringList shellWords(const QString& line)
{
    QStringList words;
    static const QRegularExpression word(QStringLiteral("'([^']*)'|(\\S+)"));
    for (const QRegularExpressionMatch& match : word.globalMatch(line))
        words << (match.capturedStart(1) >= 0 ? match.captured(1) : match.captured(2));
    return words;
}

const QByteArray Bom = "\xEF\xBB\xBF";

QString dayText(long long day)
{
    const CalendarDate date = dateOf(Day(day));
    return QStringLiteral("%1/%2/%3").arg(date.month).arg(date.day).arg(date.year, 4, 10, QChar('0'));
}

} // namespace

Q_DECLARE_METATYPE(DateOrder)
Q_DECLARE_METATYPE(ShortYears::Rule)

class TestCliEdges : public QObject
{
    Q_OBJECT

private slots:
    void encodings_data();
    void encodings();
    void texts_data();
    void texts();
    void messages_data();
    void messages();
    void helpExamples_data();
    void helpExamples();
    void shortYears_data();
    void shortYears();
    void shortYearOptions_data();
    void shortYearOptions();
};

void TestCliEdges::encodings_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("err");

    const QStringList tabs{"batch", "-d", "tab", "-b", "Naissance", "-e", "Décès"};
    const QString sheet = QStringLiteral("Nom\tNaissance\tDécès\r\nLefèvre\t3/5/1850\t4/6/1900\r\n");
    const QByteArray result = QStringLiteral("Nom\tNaissance\tDécès\tyears\tmonths\tdays\tspan\terror\r\n"
                                             "Lefèvre\t3/5/1850\t4/6/1900\t50\t1\t1\t50 Year(s), 1 month(s), 1 day(s)\t\r\n")
                                  .toUtf8();
    const auto row = [](const char* name, const QStringList& arguments, const QByteArray& input, const QByteArray& out,
                        int status, const QByteArray& err) {
        QTest::newRow(name) << arguments << input << out << status << err;
    };
    row("UTF-8", tabs, sheet.toUtf8(), result, 0, "");
    row("UTF-8 with a byte order mark", tabs, Bom + sheet.toUtf8(), Bom + result, 0, "");
    row("Unicode Text (UTF-16LE with a byte order mark)", tabs, utf16(sheet, true, true), Bom + result, 0,
        "spanwright-cli: read standard input as UTF-16LE (--encoding NAME reads it otherwise)\n");
    row("UTF-16BE without a byte order mark", tabs, utf16(sheet, false, false), result, 0,
        "spanwright-cli: read standard input as UTF-16BE (--encoding NAME reads it otherwise)\n");
    row("Windows-1252, the header named", tabs, sheet.toLatin1(), result, 0,
        "spanwright-cli: read standard input as Windows-1252 (--encoding NAME reads it otherwise)\n");
    row("a stray Windows-1252 byte in UTF-8", tabs, sheet.toUtf8() + "M\xFCller\t3/5/1850\t4/6/1900\r\n",
        result + QStringLiteral("Müller\t3/5/1850\t4/6/1900\t50\t1\t1\t50 Year(s), 1 month(s), 1 day(s)\t\r\n").toUtf8(),
        0, "spanwright-cli: 1 byte of standard input is not UTF-8, read as Windows-1252\n");
    row("--encoding through iconv", tabs + QStringList{"--encoding", "ISO-8859-15"}, sheet.toLatin1(), result, 0, "");
    row("--encoding UTF-8 on Windows-1252", tabs + QStringList{"--encoding", "UTF-8"}, sheet.toLatin1(), "", 2,
        "spanwright-cli: standard input: byte 16 is not UTF-8 text (give another --encoding)\n");
    row("--encoding unknown", tabs + QStringList{"--encoding", "EBCDIC-XYZ"}, sheet.toUtf8(), "", 2,
        "spanwright-cli: --encoding EBCDIC-XYZ: no such encoding is known (iconv --list names those that are)\n");

    // narrow --csv reads its input as the batch does.
    const QStringList census{"narrow", "--csv", "-", "-d", "tab", "--person", "Nom", "--date", "Recensement",
                             "--age", "Âge"};
    const QString records = QStringLiteral("Nom\tRecensement\tÂge\r\nLefèvre\tUS 1880 census\t34\r\n");
    const QByteArray births = QStringLiteral("person\trecords\tearliest\tlatest\tdates\tconflict\terror\r\n"
                                             "Lefèvre\t1\t6/2/1845\t6/1/1846\t365\t\t\r\n")
                                  .toUtf8();
    row("narrow --csv, UTF-8", census, records.toUtf8(), births, 0, "");
    row("narrow --csv, Unicode Text", census, utf16(records, true, true), Bom + births, 0,
        "spanwright-cli: read standard input as UTF-16LE (--encoding NAME reads it otherwise)\n");
    row("narrow --csv, Windows-1252, the header named", census, records.toLatin1(), births, 0,
        "spanwright-cli: read standard input as Windows-1252 (--encoding NAME reads it otherwise)\n");
    row("narrow --csv --encoding through iconv", census + QStringList{"--encoding", "ISO-8859-15"},
        records.toLatin1(), births, 0, "");
    row("narrow --csv --encoding UTF-8 on Windows-1252", census + QStringList{"--encoding", "UTF-8"},
        records.toLatin1(), "", 2, "spanwright-cli: standard input: byte 17 is not UTF-8 text (give another --encoding)\n");
}

void TestCliEdges::encodings()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, out);
    QFETCH(int, status);
    QFETCH(QByteArray, err);
    const Run run = runProgram(arguments, input);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, err);
    QCOMPARE(run.status, status);
}

void TestCliEdges::texts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("err");
    const auto row = [](const char* name, const QStringList& arguments, const QByteArray& input, const QByteArray& out,
                        int status, const QByteArray& err = {}) {
        QTest::newRow(name) << arguments << input << out << status << err;
    };

    // Long and odd arguments.
    QByteArray wide;
    QByteArray names;
    for (int i = 0; i < 1000; ++i) {
        wide += (i ? "," : "") + QByteArray("col") + QByteArray::number(i);
        if (i < 20)
            names += (i ? ", " : "") + QByteArray("\"col") + QByteArray::number(i) + '"';
    }
    row("1,000 columns, 20 named", {"batch", "-b", "Born", "-e", "col2"}, wide + "\n", "", 2,
        "spanwright-cli: --begin Born: the header has no such column (it has 1000: " + names + " and 980 more)\n");
    // 130,000 bytes: about the most one argument may hold.
    const QString longName = QString(65000, QChar(0x00E9));
    row("a column name of 65,000 characters", {"batch", "-b", longName, "-e", "b"}, "a,b\n", "", 2,
        "spanwright-cli: --begin " + QString(80, QChar(0x00E9)).toUtf8()
            + "... (65000 characters): the header has no such column (it has 2: \"a\", \"b\")\n");
    row("a column name of 80 characters", {"batch", "-b", QString(80, 'x'), "-e", "b"}, "a,b\n", "", 2,
        "spanwright-cli: --begin " + QByteArray(80, 'x') + ": the header has no such column (it has 2: \"a\", \"b\")\n");
    row("an age of 1 year reached by no date", {"born", "1/1/9999 BC", "1y"}, "", "", 1,
        "spanwright-cli: no date lies 1 year before 1/1/9999 BC; nearest: no date earlier, 1/1/9999 BC gives 0 Year(s), "
        "0 month(s), 0 day(s)\n");
    row("an age of 1 year 1 month reached by no date", {"born", "5/1/9999 BC", "1 year 1 month"}, "", "", 1,
        "spanwright-cli: no date lies 1 year 1 month before 5/1/9999 BC; nearest: no date earlier, 1/1/9999 BC gives "
        "0 Year(s), 4 month(s), 0 day(s)\n");

    // --language reaches the tree commands: Croatian "listopada" is October,
    // Polish November; without it the date is refused naming both.
    const QByteArray tree = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 BIRT\n2 DATE 1 JAN 1800\n1 DEAT\n"
                            "2 DATE 5 listopada 1850\n2 AGE 50 lat\n0 TRLR\n";
    const QByteArray reportHeader = "id,name,birth,death,age_at_death,stated_age,stated_age_check,born_from_stated_age,"
                                    "born_from_stated_ages,error\n";
    row("gedcom, a month two languages read", {"gedcom", "-"}, tree,
        reportHeader + "I1,,1 JAN 1800,5 listopada 1850,,50 lat,cannot check: the death date cannot be read,,,\"death: "
                       "\"\"5 listopada 1850\"\": \"\"listopada\"\" names two months: month 11 in Polish and Slovenian "
                       "or month 10 in Croatian\"\n",
        1);
    row("gedcom --language hr", {"gedcom", "-", "--language", "hr"}, tree,
        reportHeader + "I1,,1 JAN 1800,5 listopada 1850,\"50 Year(s), 9 month(s), 4 day(s)\",50 lat,agrees,"
                       "10/6/1799 through 10/5/1800,10/6/1799 through 10/5/1800,\n",
        0);
    row("check --language pl", {"check", "-", "--today", "11/1/1850", "--only", "future_date", "--language", "pl"},
        tree,
        "rule,certainty,severity,individual,family,detail\nfuture_date,certain,error,I1,,\"death (5 listopada 1850) "
        "0 Year(s), 0 month(s), 4 day(s) after today (1 NOV 1850)\"\n",
        1);
    row("estimate --language hr", {"estimate", "-", "--language", "hr"}, tree,
        "id,name,birth,birth_earliest,birth_latest,birth_likely_earliest,birth_likely_latest,death,death_earliest,"
        "death_latest,death_likely_earliest,death_likely_latest,reasons\nI1,,1 JAN 1800,1/1/1800,1/1/1800,1/1/1800,"
        "1/1/1800,5 listopada 1850,10/5/1850,10/5/1850,10/5/1850,10/5/1850,birth date; death date\n",
        0);
    QByteArray born1840 = tree;
    born1840.replace("1 JAN 1800", "5 listopada 1840").replace("5 listopada 1850", "1900");
    row("census --language pl", {"census", "-", "--country", "England", "--language", "pl"}, born1840,
        "id,name,census,census_day,alive,recorded,age\nI1,,England 1841,6/6/1841,certain,no,0\n"
        "I1,,England 1851,3/30/1851,certain,no,10\nI1,,England 1861,4/7/1861,certain,no,20\n"
        "I1,,England 1871,4/2/1871,certain,no,30\nI1,,England 1881,4/3/1881,certain,no,40\n"
        "I1,,England 1891,4/5/1891,certain,no,50\n",
        0);

    // Texts where a slip went unseen: in the batch...
    row("CR LF, the last field quoted", {"batch", "-b", "1", "-e", "2"},
        "Born,Died,Name\r\n1/1/1900,1/1/2000,\"Ward, Ann\"\r\n1/1/1900,1/2/1900,\"Hale\"\r\n",
        "Born,Died,Name,years,months,days,span,error\r\n"
        "1/1/1900,1/1/2000,\"Ward, Ann\",100,0,0,\"100 Year(s), 0 month(s), 0 day(s)\",\r\n"
        "1/1/1900,1/2/1900,Hale,0,0,1,\"0 Year(s), 0 month(s), 1 day(s)\",\r\n",
        0);
    row("a trailing empty header column", {"batch", "-b", "1", "-e", "2"}, "Born,Died,\n1/1/1900,1/1/2000,\n",
        "Born,Died,,years,months,days,span,error\n1/1/1900,1/1/2000,,100,0,0,\"100 Year(s), 0 month(s), 0 day(s)\",\n", 0);
    row("an approximate single day", {"batch", "-b", "1", "-e", "2"}, "b,e\nabt 5/10/1950,3/1/1990\nc. 5/10/1950,3/1/1990\n",
        "b,e,years,months,days,span,error\n"
        "abt 5/10/1950,3/1/1990,,,,\"about: 39 Year(s), 9 month(s), 19 day(s)\",\n"
        "c. 5/10/1950,3/1/1990,,,,\"about: 39 Year(s), 9 month(s), 19 day(s)\",\n",
        0);
    // ...and in the answers.
    row("ISO dates of October", {"born", "--date-order", "ymd", "1990/10/13", "3 days"}, "", "1990-10-10\n", 0);
    row("a month day first in the no-match message", {"born", "--date-order", "dmy", "Oct 9999 BC", "1 year"}, "", "", 1,
        "spanwright-cli: no date lies 1 year before October 9999 BC; nearest: no date earlier, 1/1/9999 BC gives "
        "0 Year(s), 9 month(s), 30 day(s)\n");
    row("a numeric age of 30 days", {"died", "1/1/1900", "11/30/39"}, "", "12/31/1939\n", 0);
    row("a numeric age of 31 days", {"died", "1/1/1900", "11/31/39"}, "", "", 2);
}

void TestCliEdges::texts()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, out);
    QFETCH(int, status);
    QFETCH(QByteArray, err);
    const Run run = runProgram(arguments, input);
    QCOMPARE(run.out, out);
    QCOMPARE(run.status, status);
    if (!err.isEmpty())
        QCOMPARE(run.err, err);
}

// Every example of every command's help prints what the help says it
// prints.
// Messages at the edges: an argument that starts with -1 is a date or an
// age, not the -1 flag; an empty -o; today before Christ; half a UTF-16
// character; a NUL in a field; closed standard input; help that cannot be
// written; a huge date. Each is said in a message of a line or two.
void TestCliEdges::messages_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("redirect"); // of the shell that starts the program
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("outContains");
    QTest::addColumn<QByteArray>("errContains");
    const auto row = [](const char* name, const QStringList& arguments, const QString& redirect,
                        const QByteArray& input, int status, const QByteArray& out, const QByteArray& err) {
        QTest::newRow(name) << arguments << redirect << input << status << out << err;
    };
    const QByteArray tree = "0 HEAD\n0 @I1@ INDI\n1 BIRT\n2 DATE 1 JAN 1900\n0 TRLR\n";
    QByteArray utf16Tree;
    for (const char c : QByteArray("0 HEAD\n0 TRLR\n"))
        utf16Tree += QByteArray(1, c) + '\0';
    row("an age that starts with -1", {"died", "1/1/1900", "-10 years"}, "", "", 2, "",
        "the age \"-10 years\": whole numbers only");
    row("a date that starts with -1", {"died", "-17/5/1990", "3"}, "", "", 2, "", "the begin date \"-17/5/1990\"");
    row("-1 is still --each", {"born", "1/1/1900", "30", "-1"}, "", "", 0, "1/2/1869\n1/3/1869\n", "");
    row("-1 among short flags", {"born", "1/1/1900", "30", "-x1"}, "", "", 0, "1/1/1870\n", "");
    row("-n1 of span is not -1", {"span", "1/1/1900", "1/1/2000", "-n1"}, "", "", 0, "0/0/100\n", "");
    row("batch -o ''", {"batch", "-o", "", "-b", "1", "-e", "2"}, "", "a,b\n", 2, "",
        "spanwright-cli: -o takes the name of the file to write (- for standard output)\n");
    row("today before Christ", {"check", "-", "--today", "1 Jan 9999 BC"}, "", tree, 1, "after today (1 JAN 9999 B.C.)",
        "");
    row("half a UTF-16 character at the end", {"gedcom", "-"}, "", utf16Tree + 'A', 1, "id,name",
        "spanwright-cli: -: the file ends inside a UTF-16 character (is it cut short?), shown as U+FFFD\n");
    row("a NUL in a field", {"batch", "-b", "a", "-e", "b"}, "", QByteArray("a,b\n1/1/1900,x\0y\n", 17), 1,
        "\"\"x\\x00y\"\" is not a date: U+0000 (a control character) in x\\x00y is not understood", "");
    row("batch, standard input closed", {"batch", "-b", "a", "-e", "b"}, "<&-", "", 2, "",
        "spanwright-cli: cannot read standard input: Bad file descriptor\n");
    row("narrow --csv -, standard input closed", {"narrow", "--csv", "-", "--person", "1", "--date", "2", "--age", "3"},
        "<&-", "", 2, "", "spanwright-cli: cannot read standard input: Bad file descriptor\n");
    row("gedcom -, standard input closed", {"gedcom", "-"}, "<&-", "", 2, "", "spanwright-cli: -: Bad file descriptor\n");
    row("--help to a full disk", {"--help"}, ">/dev/full", "", 2, "", "cannot write the output: No space left on device");
    row("--version to a full disk", {"--version"}, ">/dev/full", "", 2, "", "cannot write the output");
    row("born --help to a full disk", {"born", "--help"}, ">/dev/full", "", 2, "", "cannot write the output");
    row("a date of 100,000 characters", {"span", QString(100000, 'x'), "1/1/1900"}, "", "", 2, "",
        "is not a date: \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\" is not understood");
}

void TestCliEdges::messages()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, redirect);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QByteArray, outContains);
    QFETCH(QByteArray, errContains);
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start("/bin/sh", QStringList{"-c", "exec \"$0\" \"$@\" " + redirect, SPANWRIGHT_CLI_PATH} + arguments);
    QVERIFY(process.waitForStarted());
    process.write(input);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished());
    const QByteArray out = process.readAllStandardOutput();
    const QByteArray err = process.readAllStandardError();
    QCOMPARE(process.exitCode(), status);
    QVERIFY2(out.contains(outContains), out.left(500).constData());
    if (errContains.isEmpty())
        QVERIFY2(err.isEmpty() || arguments.first() == "check", err.constData());
    QVERIFY2(err.contains(errContains), err.left(500).constData());
    QVERIFY2(err.size() < 1000, "a message of a line or two");
    QVERIFY(!out.contains('\0') || arguments.first() == "batch"); // a field's own bytes are copied
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void TestCliEdges::helpExamples_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<int>("status");
    for (const char* command : {"span", "days", "born", "died"}) {
        const Run help = runProgram({command, "--help"});
        const QStringList lines = QString::fromUtf8(help.out).split('\n');
        const qsizetype examples = lines.indexOf("Examples:");
        QVERIFY2(examples >= 0, command);
        QStringList arguments;
        QStringList printed;
        const auto add = [&] {
            if (arguments.isEmpty())
                return;
            QString text = printed.join('\n');
            int status = 0;
            static const QRegularExpression statusMark(QStringLiteral("^\\(status (\\d)\\) "));
            const QRegularExpressionMatch mark = statusMark.match(text);
            if (mark.hasMatch()) {
                status = mark.captured(1).toInt();
                text = printed.join(' ').mid(mark.capturedLength()); // a message wrapped
            }
            QTest::newRow(qPrintable(arguments.join(' '))) << arguments << text << status;
        };
        for (const QString& line : lines.mid(examples + 1)) {
            if (line.startsWith("  spanwright-cli ")) {
                add();
                arguments = shellWords(line).mid(1);
                printed.clear();
            } else if (line.startsWith("      ")) {
                printed << line.mid(6);
            }
        }
        add();
    }
}

void TestCliEdges::helpExamples()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, printed);
    QFETCH(int, status);
    const Run run = runProgram(arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(QString::fromUtf8(status == 0 ? run.out : run.err).trimmed(), printed);
}

// A numeric date's year of one or two digits, the spreadsheets' m/d/yy, is
// refused unless a rule says its century; three digits or more are the
// year written.
void TestCliEdges::shortYears_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<DateOrder>("order");
    QTest::addColumn<ShortYears::Rule>("rule");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("days"); // "refused", or the first day and " about" where approximate

    const DateOrder mdy = DateOrder::MonthFirst;
    const auto refused = ShortYears::Rule::Refused;
    const auto century = ShortYears::Rule::Century;
    const auto pivot = ShortYears::Rule::Pivot;
    const auto row = [](const char* text, DateOrder order, ShortYears::Rule rule, int from, const char* days) {
        QTest::newRow(qPrintable(QStringLiteral("%1 %2 %3").arg(text).arg(int(rule)).arg(from)))
            << QString(text) << order << rule << from << QString(days);
    };
    row("3/3/50", mdy, refused, 0, "refused");
    row("3/3/5", mdy, refused, 0, "refused");
    row("3/3/50 0:00", mdy, refused, 0, "refused");
    row("abt 3/3/50", mdy, refused, 0, "refused");
    row("17/5/90", DateOrder::DayFirst, refused, 0, "refused");
    row("3/3/0050", mdy, refused, 0, "3/3/0050");
    row("3/3/050", mdy, refused, 0, "3/3/0050");
    row("May 3, 50", mdy, refused, 0, "5/3/0050"); // worded: the year written
    row("1990-05-17", mdy, refused, 0, "5/17/1990");
    row("3/3/50", mdy, century, 1900, "3/3/1950");
    row("3/3/5", mdy, century, 1900, "3/3/1905");
    row("3/3/00", mdy, century, 1900, "3/3/1900");
    row("3/3/99", mdy, century, 1800, "3/3/1899");
    row("3/3/50 12:00:00 AM", mdy, century, 1900, "3/3/1950");
    row("abt 3/3/50", mdy, century, 1900, "3/3/1950 about");
    row("5-17-90", mdy, century, 1900, "5/17/1990");
    row("17/5/90", DateOrder::DayFirst, century, 1900, "5/17/1990");
    row("90/5/17", DateOrder::YearFirst, century, 1900, "5/17/1990");
    row("1990/5/17", DateOrder::YearFirst, century, 1900, "5/17/1990"); // its day has two digits
    row("2/29/00", mdy, century, 1900, "refused"); // 1900 was no leap year
    row("3/3/30", mdy, pivot, 1930, "3/3/1930");
    row("3/3/99", mdy, pivot, 1930, "3/3/1999");
    row("3/3/29", mdy, pivot, 1930, "3/3/2029");
    row("2/29/00", mdy, pivot, 1930, "2/29/2000");
    row("bet 1/1/28 and 1/1/29", mdy, pivot, 1930, "1/1/2028");
    row("3/3/0050", mdy, pivot, 1930, "3/3/0050");
}

void TestCliEdges::shortYears()
{
    QFETCH(QString, text);
    QFETCH(DateOrder, order);
    QFETCH(ShortYears::Rule, rule);
    QFETCH(int, from);
    QFETCH(QString, days);
    DateReadOptions options(order);
    options.shortYears = {rule, from};
    const DateResult reading = readDate(text.toStdString(), options);
    if (days == "refused") {
        QVERIFY(!reading.ok());
        // Only a year whose century is not said is refused as one.
        QCOMPARE(reading.problem().shortYear, rule == ShortYears::Rule::Refused);
        return;
    }
    QVERIFY2(reading.ok(), whyNot(reading));
    QCOMPARE(dayText(reading->days.earliest->number()) + (reading->approximate ? " about" : ""), days);
}

// The options of every command that reads dates, and the refusal's hint.
void TestCliEdges::shortYearOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("err");
    const QByteArray hint = "is not a date: the year 50 has two digits, and its century is not said: give --century 1900 "
                            "or --pivot 1930, or write the year whole (0050 for the year 50)";
    const auto row = [](const char* name, const QStringList& arguments, const QByteArray& input, const QByteArray& out,
                        int status, const QByteArray& err) {
        QTest::newRow(name) << arguments << input << out << status << err;
    };
    row("span", {"span", "3/3/50", "1900-01-01"}, "", "", 2, "spanwright-cli: the begin date \"3/3/50\" " + hint + "\n");
    row("span --century", {"span", "3/3/50", "1/1/2000", "--century", "1900"}, "",
        "49 Year(s), 9 month(s), 29 day(s)\n", 0, "");
    row("days --pivot", {"days", "3/3/50", "3/4/50", "--pivot", "1930"}, "", "1\n", 0, "");
    row("born --pivot", {"born", "3/1/20", "1y 0m 0d", "--exact", "--pivot", "1930"}, "", "3/1/2019\n", 0, "");
    row("died --century", {"died", "3/1/50", "1y 0m 0d", "--century", "1800"}, "", "3/1/1851\n", 0, "");
    row("batch", {"batch", "-b", "1", "-e", "2"}, "b,e\n3/3/50,1/1/2000\n",
        "b,e,years,months,days,span,error\n3/3/50,1/1/2000,,,,,\"the begin date \"\"3/3/50\"\" " + hint + "\"\n", 1, "");
    row("batch --century", {"batch", "-b", "1", "-e", "2", "--century", "1900"}, "b,e\n3/3/50,1/1/2000\n",
        "b,e,years,months,days,span,error\n3/3/50,1/1/2000,49,9,29,\"49 Year(s), 9 month(s), 29 day(s)\",\n", 0, "");
    row("--century not of a century", {"span", "3/3/50", "1/1/2000", "--century", "1950"}, "", "", 2,
        "--century: 1950 is not the first year of a century from 100 to 9900 (1900, say)\n");
    row("--century and --pivot", {"span", "3/3/50", "1/1/2000", "--century", "1900", "--pivot", "1930"}, "", "", 2,
        "--century excludes --pivot\n");
    // The years the options take, at both ends and just beyond.
    row("--century at its first", {"days", "3/3/50", "3/4/50", "--century", "100"}, "", "1\n", 0, "");
    row("--century before its first", {"days", "3/3/50", "3/4/50", "--century", "0"}, "", "", 2,
        "--century: 0 is not the first year of a century from 100 to 9900 (1900, say)\n");
    row("--pivot at its first", {"days", "3/3/50", "3/4/50", "--pivot", "100"}, "", "1\n", 0, "");
    row("--pivot before its first", {"days", "3/3/50", "3/4/50", "--pivot", "99"}, "", "", 2,
        "--pivot: 99 is not a year from 100 to 9900 (1930, say)\n");
    row("--pivot at its last", {"days", "3/3/50", "3/4/50", "--pivot", "9900"}, "", "1\n", 0, "");
    row("--pivot past its last", {"days", "3/3/50", "3/4/50", "--pivot", "9901"}, "", "", 2,
        "--pivot: 9901 is not a year from 100 to 9900 (1930, say)\n");
}

void TestCliEdges::shortYearOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, out);
    QFETCH(int, status);
    QFETCH(QByteArray, err);
    const Run run = runProgram(arguments, input);
    QCOMPARE(run.out, out);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.startsWith(err), run.err.constData());
}

QTEST_GUILESS_MAIN(TestCliEdges)
#include "tst_cliedges.moc"
