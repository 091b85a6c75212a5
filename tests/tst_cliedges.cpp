// The command line at its edges, run as a user runs it: spreadsheets as
// Windows saves them, long and odd arguments, the examples of the help
// texts, and the batch's and the answers' texts where a slip would go
// unseen.

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    QByteArray out;
    QByteArray err;
    int status = -1;
};

Run runProgram(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(SPANWRIGHT_CLI_PATH), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.readAllStandardOutput(), process.readAllStandardError(),
            process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

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

} // namespace

class TestCliEdges : public QObject
{
    Q_OBJECT

private slots:
    void encodings_data();
    void encodings();
    void texts_data();
    void texts();
    void helpExamples_data();
    void helpExamples();
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
    row("an age of 1 year reached by no date", {"born", "1/1/0001", "1y"}, "", "", 1,
        "spanwright-cli: no date lies 1 year before 1/1/0001; nearest: no date earlier, 1/1/0001 gives 0 Year(s), "
        "0 month(s), 0 day(s)\n");
    row("an age of 1 year 1 month reached by no date", {"born", "5/1/0001", "1 year 1 month"}, "", "", 1,
        "spanwright-cli: no date lies 1 year 1 month before 5/1/0001; nearest: no date earlier, 1/1/0001 gives "
        "0 Year(s), 4 month(s), 0 day(s)\n");

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
    row("a month day first in the no-match message", {"born", "--date-order", "dmy", "Oct 0001", "1 year"}, "", "", 1,
        "spanwright-cli: no date lies 1 year before October 0001; nearest: no date earlier, 1/1/0001 gives 0 Year(s), "
        "9 month(s), 30 day(s)\n");
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

QTEST_GUILESS_MAIN(TestCliEdges)
#include "tst_cliedges.moc"
