// The CSV reader as a library, on files as spreadsheet programs write them,
// handed over whole and in pieces of every small size: a piece may end
// anywhere, inside a byte order mark, between CR and LF, after a quote.

#include "csvreader.h"

#include <QTest>

#include <string>

using namespace spanwright;

Q_DECLARE_METATYPE(CsvReader::Outcome)

namespace {

// The rows read, one text each: fields joined by "|", an empty line as
// "(empty line)".
struct Reading
{
    QStringList rows;
    CsvReader::Outcome outcome;
    bool byteOrderMark;
    QByteArray lineBreak;
    QString reason;
};

// With plain, the rows without quotes go to a handler of their own, which
// the batch copies whole: such a row must read as the full reading reads
// it, and its line must be its fields and delimiters exactly.
Reading readInPieces(const QByteArray& input, char delimiter, qsizetype pieceSize, bool plain = false)
{
    CsvReader reader(delimiter);
    Reading reading;
    const CsvReader::RowHandler onRow = [&reading](const CsvReader::Row& row) {
        QStringList fields;
        for (const std::string& field : row.fields)
            fields << QString::fromStdString(field);
        reading.rows << (row.emptyLine ? QStringLiteral("(empty line)") : fields.join('|'));
        return true;
    };
    const CsvReader::PlainRowHandler onPlainRow = [&reading, delimiter](const CsvReader::PlainRow& row) {
        QStringList fields;
        for (std::string_view field : row.fields)
            fields << QString::fromUtf8(field.data(), qsizetype(field.size()));
        const QString line = QString::fromUtf8(row.line.data(), qsizetype(row.line.size()));
        reading.rows << (line == fields.join(QChar(delimiter)) ? fields.join('|') : "(line " + line + ")");
        return true;
    };
    reading.outcome = CsvReader::Outcome::Done;
    for (qsizetype start = 0; start < input.size() && reading.outcome == CsvReader::Outcome::Done; start += pieceSize)
        reading.outcome = reader.feed(std::string_view(input.constData() + start, std::min(pieceSize, input.size() - start)), onRow,
                                      plain ? &onPlainRow : nullptr);
    if (reading.outcome == CsvReader::Outcome::Done)
        reading.outcome = reader.finish(onRow);
    reading.byteOrderMark = reader.hadByteOrderMark();
    reading.lineBreak = QByteArray(reader.lineBreak().data(), qsizetype(reader.lineBreak().size()));
    if (reading.outcome == CsvReader::Outcome::Malformed)
        reading.reason = QString::fromStdString(reader.malformedReason());
    return reading;
}

} // namespace

class TestCsvReader : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void longestField_data();
    void longestField();
    void stops();
};

void TestCsvReader::reads_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<bool>("byteOrderMark");
    QTest::addColumn<QString>("malformed"); // the reason, where it is

    const auto row = [](const char* name, const QByteArray& input, const QStringList& rows,
                        const QByteArray& lineBreak = "\n", char delimiter = ',', bool byteOrderMark = false,
                        const QString& malformed = {}) {
        QTest::newRow(name) << input << delimiter << rows << lineBreak << byteOrderMark << malformed;
    };
    // Excel on Windows: CR LF, and a quoted last field.
    row("CR LF, the last field quoted", "Name,Died,Age\r\n8/3/1904,\"Ward, Ann\"\r\n3/1/1990,\"Ward \"\"Jr.\"\"\"\r\n",
        {"Name|Died|Age", "8/3/1904|Ward, Ann", "3/1/1990|Ward \"Jr.\""}, "\r\n");
    row("CR LF, the header's last field quoted", "\"Name\",\"Died\"\r\nAnn,1904\r\n", {"Name|Died", "Ann|1904"}, "\r\n");
    row("CR LF, every field quoted, no last line break", "\"a\",\"b\"\r\n\"1\",\"2\"", {"a|b", "1|2"}, "\r\n");
    // LibreOffice and Excel keep an empty last column: a trailing delimiter.
    row("a trailing empty header column", "Born,Died,\nx,y,\n", {"Born|Died|", "x|y|"});
    row("a trailing empty header column, CR LF", "Born,Died,\r\nx,y,z\r\n", {"Born|Died|", "x|y|z"}, "\r\n");
    row("a trailing empty column at the very end", "Born,\n1,", {"Born|", "1|"});
    row("only empty fields", ",,\n", {"||"});
    row("a line break inside quotes", "Name,Note\nAnn,\"born at sea,\r\nburied at Dover\"\n",
        {"Name|Note", "Ann|born at sea,\r\nburied at Dover"});
    row("empty lines kept", "a,b\n\n1,2\r\n\r\n", {"a|b", "(empty line)", "1|2", "(empty line)"});
    row("a lone CR ends a row", "a,b\r1,2\r", {"a|b", "1|2"}, "\r\n");
    row("an empty quoted field", "a,\"\",c\n", {"a||c"});
    row("blanks kept as written", " Born , Died \n", {" Born | Died "});
    row("a UTF-8 byte order mark taken off", "\xEF\xBB\xBF" "Décès,Né\n1,2\n", {"Décès|Né", "1|2"}, "\n", ',', true);
    row("the start of a byte order mark is text", "\xEF\xBB", {"\xEF\xBB"});
    row("semicolons", "Naissance;Décès\r\n\"1;2\";3\r\n", {"Naissance|Décès", "1;2|3"}, "\r\n", ';');
    row("tabs, commas are text", "Name\tBorn\nWard, Ann\t1824\n", {"Name|Born", "Ward, Ann|1824"}, "\n", '\t');
    row("a quote inside an unquoted field", "a,b\n5\" stone,1\n", {"a|b"}, "\n", ',', false,
        "row 2 has a quote out of place (a quoted field must be quoted as a whole, with quotes inside it doubled)");
    row("text after a closing quote", "a,b\n\"x\"y,1\n", {"a|b"}, "\n", ',', false,
        "row 2 has a quote out of place (a quoted field must be quoted as a whole, with quotes inside it doubled)");
    row("a quote left open", "a,b\n1,\"2\n3,4\n", {"a|b"}, "\n", ',', false, "the quoted field of row 2 is never closed");
    // Plain rows among others, cut by pieces of every size: a row is plain
    // only when it is whole in one piece.
    row("plain rows between quoted ones", "a,b\n1,2\n\"3\",4\n5,6\n,\n7,8", {"a|b", "1|2", "3|4", "5|6", "|", "7|8"});
    row("a plain row after a CR LF", "a,b\r\n1,2\r\n3,4\n", {"a|b", "1|2", "3|4"}, "\r\n");
}

void TestCsvReader::reads()
{
    QFETCH(QByteArray, input);
    QFETCH(char, delimiter);
    QFETCH(QStringList, rows);
    QFETCH(QByteArray, lineBreak);
    QFETCH(bool, byteOrderMark);
    QFETCH(QString, malformed);

    for (qsizetype pieceSize : {qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(5), qsizetype(8), input.size() + 1})
    for (bool plain : {false, true}) {
        const Reading reading = readInPieces(input, delimiter, pieceSize, plain);
        const QByteArray where = "in pieces of " + QByteArray::number(pieceSize) + (plain ? ", plain rows apart" : "");
        QVERIFY2(reading.rows == rows, where + ": " + reading.rows.join(" / ").toUtf8());
        QVERIFY2(reading.lineBreak == lineBreak, where);
        QVERIFY2(reading.byteOrderMark == byteOrderMark, where);
        QVERIFY2(reading.outcome == (malformed.isEmpty() ? CsvReader::Outcome::Done : CsvReader::Outcome::Malformed), where);
        QVERIFY2(reading.reason == malformed, where + ": " + reading.reason.toUtf8());
    }
}

// A field of more than 16 MiB, a row of more than 32 MiB or of more than
// 65,536 fields ends the reading, so that memory stays bounded whatever the
// input; only a quoted field can be a quote left open, and only its message
// asks. The row is start and unit repeated count times.
void TestCsvReader::longestField_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QString>("reason"); // empty: read whole
    const qsizetype longest = qsizetype(CsvReader::LongestField);
    const qsizetype most = qsizetype(CsvReader::MostFields);
    const QByteArray mebibyteField = QByteArray((1 << 20) - 1, 'x') + ',';
    QTest::newRow("unquoted, 16 MiB") << QByteArray("a,b\n1,") << QByteArray("x") << longest << QString();
    QTest::newRow("unquoted, a byte more") << QByteArray("a,b\n1,") << QByteArray("x") << longest + 1
                                           << "a field of row 2 is longer than 16 MiB, the longest a field may be";
    QTest::newRow("quoted, 16 MiB") << QByteArray("a,b\n1,\"") << QByteArray("x") << longest << QString();
    QTest::newRow("quoted, a byte more")
        << QByteArray("a,b\n1,\"") << QByteArray("x") << longest + 1
        << "the quoted field of row 2 is longer than 16 MiB, the longest a field may be: is its closing quote missing?";
    QTest::newRow("65,536 fields") << QByteArray("a,b\n1") << QByteArray(",") << most - 1 << QString();
    QTest::newRow("a field more") << QByteArray("a,b\n1") << QByteArray(",") << most
                                  << "row 2 has more than 65536 fields, the most a row may have";
    QTest::newRow("32 MiB in fields of 1 MiB") << QByteArray("a,b\n") << mebibyteField << qsizetype(32) << QString();
    QTest::newRow("a byte more") << QByteArray("a,b\nx") << mebibyteField << qsizetype(32)
                                 << "row 2 is longer than 32 MiB, the longest a row may be";
}

void TestCsvReader::longestField()
{
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, unit);
    QFETCH(qsizetype, count);
    QFETCH(QString, reason);
    QByteArray input = start + unit.repeated(count);
    if (start.endsWith('"'))
        input += '"';
    input += "\n";
    const Reading reading = readInPieces(input, ',', CsvReader::DefaultChunkSize);
    QCOMPARE(reading.reason, reason);
    QCOMPARE(reading.rows.size(), reason.isEmpty() ? 2 : 1);
}

// A handler that says stop ends the reading at its row.
void TestCsvReader::stops()
{
    CsvReader reader;
    int rows = 0;
    const CsvReader::RowHandler onRow = [&rows](const CsvReader::Row&) { return ++rows < 2; };
    QCOMPARE(reader.feed("a\nb\nc\n", onRow), CsvReader::Outcome::Stopped);
    QCOMPARE(reader.finish(onRow), CsvReader::Outcome::Stopped);
    QCOMPARE(rows, 2);
    QCOMPARE(reader.rowsRead(), 2ull);
}

QTEST_APPLESS_MAIN(TestCsvReader)
#include "tst_csvreader.moc"
