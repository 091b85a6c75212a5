// Tests of text pasted from web pages, word processors and spreadsheets
// (no-break spaces, dashes, curly quotes, full-width digits), of messages
// that stay valid UTF-8 and name what cannot be seen, and of the forms
// genealogists write that were once refused. QtTest is the runner.

#include "resultcheck.h"
#include "reading/age.h"
#include "calendars/calendardate.h"
#include "reading/datereader.h"
#include "text/quotedtext.h"

#include <QProcess>
#include <QTest>

#include <string>
#include <string_view>

using namespace spanwright;

namespace {

std::string_view view(const QByteArray& text) { return {text.constData(), size_t(text.size())}; }

QByteArray isoText(std::optional<Day> day)
{
    if (!day)
        return "open";
    const CalendarDate date = dateOf(*day);
    return QByteArray::fromStdString(std::to_string(date.year) + "-" + std::to_string(date.month) + "-"
                                     + std::to_string(date.day));
}

bool isValidUtf8(const std::string& text)
{
    const QByteArray bytes = QByteArray::fromStdString(text);
    return QString::fromUtf8(bytes).toUtf8() == bytes && !QString::fromUtf8(bytes).contains(QChar(0xFFFD));
}

} // namespace

class TestPasted : public QObject
{
    Q_OBJECT

private slots:
    void dates_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("earliest");
        QTest::addColumn<QByteArray>("latest");
        const auto row = [](const char* name, const char* text, const char* earliest, const char* latest) {
            QTest::newRow(name) << QByteArray(text) << QByteArray(earliest) << QByteArray(latest);
        };
        row("no-break space", "12\u00A0März\u00A01850", "1850-3-12", "1850-3-12");
        row("narrow no-break space", "12.\u202FMärz 1850", "1850-3-12", "1850-3-12");
        row("en dash range", "1750\u20131755", "1750-1-1", "1755-12-31");
        row("em dash range", "1750\u20141755", "1750-1-1", "1755-12-31");
        row("dashes in a date", "4\u2013Mar\u20131885", "1885-3-4", "1885-3-4");
        row("full-width digits", "\uFF15/\uFF11\uFF17/\uFF11\uFF19\uFF19\uFF10", "1990-5-17", "1990-5-17");
        row("full-width ISO", "\uFF11\uFF19\uFF19\uFF10-\uFF10\uFF15-\uFF11\uFF17", "1990-5-17", "1990-5-17");
        // The forms of stones and transcribers once refused.
        row("decade", "1750s", "1750-1-1", "1759-12-31");
        row("decade with apostrophe", "1750's", "1750-1-1", "1759-12-31");
        row("year of our Lord", "the 3rd day of March in the year of our Lord 1750", "1750-3-3", "1750-3-3");
        row("stops after day and year", "Oct. 3. 1802.", "1802-10-3", "1802-10-3");
        row("bracketed month ending", "Nov[ember] 3, 1802", "1802-11-3", "1802-11-3");
        row("bracketed filler", "[ye] 3d of March 1750", "1750-3-3", "1750-3-3");
        row("curly apostrophe decade", "1750\u2019s", "1750-1-1", "1759-12-31");
    }
    void dates()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, earliest);
        QFETCH(QByteArray, latest);
        const DateResult reading = readDate(view(text));
        QVERIFY2(reading.ok(), whyNot(reading));
        QCOMPARE(isoText(reading->days.earliest), earliest);
        QCOMPARE(isoText(reading->days.latest), latest);
    }

    void ages_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("months");
        QTest::addColumn<bool>("toTheYear");
        QTest::newRow("curly Y's") << QByteArray("Aged 61 Y\u2019s, 4 M\u2019s") << 61 << 4 << false;
        QTest::newRow("left quote") << QByteArray("61 Y\u2018s") << 61 << 0 << true;
        QTest::newRow("no-break space") << QByteArray("45\u00A0years") << 45 << 0 << true;
        QTest::newRow("full-width") << QByteArray("\uFF14\uFF15 years") << 45 << 0 << true;
        QTest::newRow("in his 40th year") << QByteArray("in his 40th year") << 39 << 0 << true;
        QTest::newRow("in her 2nd year") << QByteArray("in her 2nd year") << 1 << 0 << true;
        QTest::newRow("ordinal without ending") << QByteArray("in the 45 year of his age") << 44 << 0 << true;
    }
    void ages()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, years);
        QFETCH(int, months);
        QFETCH(bool, toTheYear);
        const Result<AgeReading> reading = readAgeText(view(text));
        QVERIFY2(reading.ok(), whyNot(reading));
        QCOMPARE(int(reading->age.years), years);
        QCOMPARE(int(reading->age.months), months);
        QCOMPARE(reading->smallestUnit == AgeUnit::Years, toTheYear);
    }

    // Refusals quote whole characters, name the ones that do not show, and
    // write a byte that is not UTF-8 as its value: the message is valid
    // UTF-8 for a terminal, a spreadsheet, Python's csv reader.
    void messages_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("isAge");
        QTest::addColumn<QByteArray>("because");
        const auto row = [](const char* name, const QByteArray& text, bool isAge, const char* because) {
            QTest::newRow(name) << text << isAge << QByteArray(because);
        };
        row("zero width space", "5/17/1990\u200B", false, "U+200B ZERO WIDTH SPACE after 5/17/1990");
        row("soft hyphen in a word", "12 M\u00E4rz\u00AD 1850", false, "U+00AD SOFT HYPHEN in");
        row("byte of an en dash", "1750\xE2", false, "0xE2 (not UTF-8)");
        row("Windows-1252 letter", "12 M\xE4rz 1850", false, "0xE4 (not UTF-8)");
        row("whole character", "12 M\u00E4rz 1850 \u2020", false, "\"\u2020\" in");
        row("invisible in an age", "45\u200B years", true, "U+200B ZERO WIDTH SPACE");
        row("byte in an age", "45 ye\xE2rs", true, "\\xE2");
        row("long text cut inside a character", QByteArray(39, 'x') + "\u00E4\u00E4", false, "...");
    }
    void messages()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, isAge);
        QFETCH(QByteArray, because);
        const std::string problem
            = isAge ? std::string(whyNot(readAgeText(view(text)))) : std::string(whyNot(readDate(view(text))));
        QVERIFY(!problem.empty());
        QVERIFY2(isValidUtf8(problem), problem.c_str());
        QVERIFY2(QByteArray::fromStdString(problem).contains(because), problem.c_str());
    }

    void excerpts()
    {
        // Cut before a character it would split, never inside it.
        const std::string cut = quotedExcerpt(std::string(39, 'x') + "\u00E4" + std::string(10, 'y'));
        QVERIFY2(isValidUtf8(cut), cut.c_str());
        QCOMPARE(QByteArray::fromStdString(cut), QByteArray("\"" + QByteArray(39, 'x') + "...\""));
    }

    // Through the installed program's batch: the languages and pasted text
    // read, the error column valid UTF-8 and naming what does not show.
    void batchErrorColumn()
    {
        QProcess cli;
        cli.start(SPANWRIGHT_CLI_PATH, {"batch", "-", "--begin", "b", "--end", "e"});
        QVERIFY(cli.waitForStarted());
        cli.write("b,e\n12. M\u00E4rz 1850,die vij Junii MDCCCC\n1750\u20131755,1900\n5/17/1990\u200B,2000\n");
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished());
        const QByteArray out = cli.readAllStandardOutput();
        const QList<QByteArray> rows = out.split('\n');
        QVERIFY2(rows.size() >= 4, out.constData());
        QVERIFY2(rows[1].startsWith("12. M\u00E4rz 1850,die vij Junii MDCCCC,50,2,26,"), rows[1].constData());
        QVERIFY2(rows[2].endsWith(","), rows[2].constData());
        QVERIFY2(rows[3].contains("U+200B ZERO WIDTH SPACE"), rows[3].constData());
        QVERIFY(isValidUtf8(out.toStdString()));
    }

    // A decade whose first year ends in 00 may be a century: refused.
    void centuryOrDecadeRefused()
    {
        const DateResult reading = readDate("1800s");
        QVERIFY(!reading.ok());
        QVERIFY2(reading.problem().message.find("the decade 1800-1809 or the century 1800-1899") != std::string::npos,
                 reading.problem().message.c_str());
        QVERIFY(!readDate("1755s").ok());
        QVERIFY(!readAgeText("in the 45 year").ok());
    }
};

QTEST_APPLESS_MAIN(TestPasted)
#include "tst_pasted.moc"
