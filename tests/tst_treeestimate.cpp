// Tests of the estimate of undated births and deaths: each certain rule and
// each assumption on a small tree that only it bounds, the bounds spread
// across generations, the tree written back, and the census checklist.

#include "censuschecklist.h"
#include "estimatetext.h"
#include "estimatewriter.h"
#include "gedcomrun.h"
#include "programrun.h"
#include "treeestimatefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using namespace spanwright;

namespace {

// A GEDCOM file of the records given, their lines separated by '|'.
QByteArray gedcomOf(const QByteArray& records, const QByteArray& version = "5.5.1")
{
    QByteArray text = "0 HEAD\n1 GEDC\n2 VERS " + version + "\n1 CHAR UTF-8\n" + records;
    text.replace('|', '\n');
    return text + "\n0 TRLR\n";
}

struct Estimated
{
    bool read = false;
    FamilyTree tree;
    TreeEvents events;
    TreeEstimate estimate;
    std::string warnings;

    std::uint32_t indexOf(std::string_view id) const
    {
        for (std::uint32_t p = 0; p < tree.people.size(); ++p)
            if (tree.text(tree.people[p].id) == id)
                return p;
        return NoOne;
    }
    // "I3.birth_latest": a person's bound as the estimate writes it.
    QString bound(const QByteArray& field) const
    {
        const QList<QByteArray> parts = field.split('.');
        const PersonEstimate& bounds = estimate.people[indexOf(parts[0].toStdString())];
        const QByteArray column = parts[1];
        const DayBounds& chosen = column.startsWith("birth_likely") ? bounds.likelyBirth
            : column.startsWith("birth")                           ? bounds.birth
            : column.startsWith("death_likely")                    ? bounds.likelyDeath
                                                                   : bounds.death;
        return QString::fromStdString(boundDayText(column.endsWith("earliest") ? chosen.earliest : chosen.latest));
    }
};

struct Checked
{
    bool read = false;
    TreeCheckSummary summary;
    std::string warnings;
};

Checked check(const QByteArray& gedcom)
{
    Checked result;
    QByteArray copy = gedcom;
    std::FILE* in = fmemopen(copy.data(), size_t(copy.size()), "rb");
    std::ostringstream warnings;
    TreeCheckOptions options;
    options.today = dayOf({2026, 12, 9});
    result.read = checkGedcomTree(in, "test.ged", options, warnings, [](const TreeFinding&) {}, result.summary);
    std::fclose(in);
    result.warnings = warnings.str();
    return result;
}

Estimated estimateOf(const QByteArray& gedcom, const EstimateAssumptions& assumptions = {})
{
    Estimated result;
    QByteArray copy = gedcom;
    std::FILE* in = fmemopen(copy.data(), size_t(copy.size()), "rb");
    std::ostringstream warnings;
    RereadableFile file(in, "test.ged", warnings);
    result.read = readTreeWithEvents(file, "test.ged", warnings, {}, result.tree, result.events);
    std::fclose(in);
    if (result.read)
        result.estimate = estimateTree(result.tree, result.events, assumptions);
    result.warnings = warnings.str();
    return result;
}

// Husband I1, wife I2, children I3 and I4 of F1, with the lines given.
QByteArray family(const QByteArray& husband, const QByteArray& wife, const QByteArray& first,
                  const QByteArray& second = {}, const QByteArray& familyLines = {})
{
    const auto person = [](const char* id, const char* sex, const QByteArray& lines, const char* link) {
        return QByteArray("0 @") + id + "@ INDI|1 SEX " + sex + "|" + link + (lines.isEmpty() ? "" : "|" + lines) + "|";
    };
    return person("I1", "M", husband, "1 FAMS @F1@") + person("I2", "F", wife, "1 FAMS @F1@")
        + person("I3", "F", first, "1 FAMC @F1@") + person("I4", "M", second, "1 FAMC @F1@")
        + "0 @F1@ FAM|1 HUSB @I1@|1 WIFE @I2@|1 CHIL @I3@|1 CHIL @I4@" + (familyLines.isEmpty() ? "" : "|" + familyLines);
}

} // namespace

class TreeEstimateTest : public QObject
{
    Q_OBJECT

private slots:
    void certainRules_data();
    void certainRules();
    void likelyRules_data();
    void likelyRules();
    void propagationAcrossThreeGenerations_data();
    void propagationAcrossThreeGenerations();
    void writeBack_data();
    void writeBack();
    void censusChecklist_data();
    void censusChecklist();
    void command_data();
    void command();
};

void TreeEstimateTest::certainRules_data()
{
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("expected");

    // Each row is bounded by its rule alone: with it gone, the bound is open.
    QTest::newRow("born before the christening")
        << family({}, {}, "1 CHR|2 DATE 4 APR 1850") << QByteArray("I3.birth_latest") << "4/4/1850";
    QTest::newRow("born before a census, alive at it")
        << family({}, {}, "1 CENS|2 DATE 1851") << QByteArray("I3.birth_latest") << "12/31/1851";
    QTest::newRow("alive at a census") << family({}, {}, "1 CENS|2 DATE 1851") << QByteArray("I3.death_earliest")
                                       << "1/1/1851";
    QTest::newRow("died before the probate")
        << family({}, {}, "1 PROB|2 DATE 3 MAY 1890") << QByteArray("I3.death_latest") << "5/3/1890";
    QTest::newRow("not alive at the probate")
        << family({}, {}, "1 PROB|2 DATE 3 MAY 1890") << QByteArray("I3.death_earliest") << "";
    // A record's change date, a NO (it did not happen) and a generic EVEN
    // are not the person's events.
    QTest::newRow("the record's change is no event")
        << family({}, {}, "1 CHAN|2 DATE 4 APR 1850|1 NO CHR|2 DATE 1851|1 EVEN|2 DATE 1852")
        << QByteArray("I3.birth_latest") << "";
    QTest::newRow("died before the burial")
        << family({}, {}, "1 BURI|2 DATE 10 JAN 1880") << QByteArray("I3.death_latest") << "1/10/1880";
    QTest::newRow("born before the marriage")
        << family({}, {}, {}, {}, "1 MARR|2 DATE 1845") << QByteArray("I2.birth_latest") << "12/31/1845";
    QTest::newRow("alive at the marriage")
        << family({}, {}, {}, {}, "1 MARR|2 DATE 1845") << QByteArray("I1.death_earliest") << "1/1/1845";
    QTest::newRow("born after the father")
        << family("1 BIRT|2 DATE 1 JAN 1800", {}, {}) << QByteArray("I3.birth_earliest") << "1/2/1800";
    QTest::newRow("mother alive at the birth")
        << family({}, "1 DEAT|2 DATE 5 MAY 1850", {}) << QByteArray("I3.birth_latest") << "5/5/1850";
    // 306 days: ten months can last no longer (March to December).
    QTest::newRow("father alive ten months before")
        << family("1 DEAT|2 DATE 5 MAY 1850", {}, {}) << QByteArray("I4.birth_latest") << "3/7/1851";
    QTest::newRow("mother alive at a child's birth")
        << family({}, {}, "1 BIRT|2 DATE 1 JUN 1850") << QByteArray("I2.death_earliest") << "6/1/1850";
    QTest::newRow("father alive ten months before a child's birth")
        << family({}, {}, "1 BIRT|2 DATE 1 JUN 1850") << QByteArray("I1.death_earliest") << "7/30/1849";
    QTest::newRow("parent born before the child")
        << family({}, {}, "1 BIRT|2 DATE 1 JUN 1850") << QByteArray("I2.birth_latest") << "5/31/1850";
    QTest::newRow("born before the death")
        << family({}, {}, "1 DEAT|2 DATE 2 FEB 1900") << QByteArray("I3.birth_latest") << "2/2/1900";
    QTest::newRow("BEF as the check reads it")
        << family({}, {}, "1 BIRT|2 DATE BEF 1850") << QByteArray("I3.birth_latest") << "12/31/1849";
    QTest::newRow("an about date bounds nothing for certain")
        << family({}, {}, "1 CHR|2 DATE ABT 1850") << QByteArray("I3.birth_latest") << "";
    // Born after the mother's death: the bound that would leave no day is
    // refused, so that the contradiction does not spread through the tree.
    QTest::newRow("a contradiction stays where it is")
        << family({}, "1 DEAT|2 DATE 1 JAN 1840", "1 BIRT|2 DATE 1 JAN 1850") << QByteArray("I3.birth_latest")
        << "1/1/1850";
    QTest::newRow("an adopted child is not bound by the mother")
        << QByteArray("0 @I1@ INDI|1 SEX F|1 DEAT|2 DATE 1840|1 FAMS @F1@|0 @I2@ INDI|1 FAMC @F1@|2 PEDI adopted|"
                      "0 @F1@ FAM|1 WIFE @I1@|1 CHIL @I2@")
        << QByteArray("I2.birth_latest") << "";
}

void TreeEstimateTest::certainRules()
{
    QFETCH(QByteArray, records);
    QFETCH(QByteArray, field);
    QFETCH(QString, expected);
    const Estimated estimated = estimateOf(gedcomOf(records));
    QVERIFY2(estimated.read, estimated.warnings.c_str());
    QCOMPARE(estimated.bound(field), expected);
}

void TreeEstimateTest::likelyRules_data()
{
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("reason");

    const QByteArray fatherBorn = "1 BIRT|2 DATE 1 JAN 1800";
    // 14 years of 365 days: the least they can last.
    QTest::newRow("mother at least 14")
        << family({}, fatherBorn, {}) << QByteArray("I3.birth_likely_earliest") << "12/29/1813"
        << "mother aged 14-50 at a birth";
    // Younger than 81 years of 366 days.
    QTest::newRow("father at most 80")
        << family(fatherBorn, {}, {}) << QByteArray("I3.birth_likely_latest") << "3/2/1881"
        << "father aged 16-80 at a birth";
    QTest::newRow("a life of at most 105 years")
        << family({}, {}, fatherBorn) << QByteArray("I3.death_likely_latest") << "3/22/1905"
        << "a life of at most 105 years";
    QTest::newRow("first marriage at most 60")
        << family({}, {}, {}, {}, "1 MARR|2 DATE 1 JUN 1840") << QByteArray("I1.birth_likely_earliest")
        << "4/17/1779" << "first marriage at 14-60";
    QTest::newRow("marriage at least 14")
        << family({}, {}, {}, {}, "1 MARR|2 DATE 1 JUN 1840") << QByteArray("I2.birth_likely_latest")
        << "6/5/1826" << "first marriage at 14-60";
    // Nine months are at least 273 days (February to October).
    QTest::newRow("siblings 9 months apart, in the tree's order")
        << QByteArray("0 @I1@ INDI|1 BIRT|2 DATE 1 JAN 1850|1 FAMC @F1@|0 @I2@ INDI|1 FAMC @F1@|"
                      "0 @I3@ INDI|1 BIRT|2 DATE 1 JAN 1860|1 FAMC @F1@|0 @I4@ INDI|1 BIRT|2 DATE 1 JAN 1862|1 FAMC @F1@|"
                      "0 @F1@ FAM|1 CHIL @I1@|1 CHIL @I2@|1 CHIL @I3@|1 CHIL @I4@")
        << QByteArray("I2.birth_likely_earliest") << "10/1/1850" << "siblings born in the tree's order";
    // Two dated births of three, and two of four, are too few to show an order.
    QTest::newRow("too few dated siblings to show an order")
        << QByteArray("0 @I1@ INDI|1 BIRT|2 DATE 1 JAN 1850|1 FAMC @F1@|0 @I2@ INDI|1 FAMC @F1@|"
                      "0 @I3@ INDI|1 BIRT|2 DATE 1 JAN 1860|1 FAMC @F1@|0 @F1@ FAM|1 CHIL @I1@|1 CHIL @I2@|1 CHIL @I3@")
        << QByteArray("I2.birth_likely_earliest") << "" << "";
    QTest::newRow("siblings out of order give no order")
        << QByteArray("0 @I1@ INDI|1 BIRT|2 DATE 1 JAN 1860|1 FAMC @F1@|0 @I2@ INDI|1 BIRT|2 DATE 1 JAN 1850|"
                      "1 FAMC @F1@|0 @I5@ INDI|1 BIRT|2 DATE 1 JAN 1855|1 FAMC @F1@|0 @I3@ INDI|1 FAMC @F1@|"
                      "0 @F1@ FAM|1 CHIL @I1@|1 CHIL @I2@|1 CHIL @I5@|1 CHIL @I3@")
        << QByteArray("I3.birth_likely_earliest") << "" << "";
    // An adopted child in the list is no sibling by birth.
    QTest::newRow("an adopted child between siblings")
        << QByteArray("0 @I1@ INDI|1 BIRT|2 DATE 1 JAN 1850|1 FAMC @F1@|0 @I2@ INDI|1 BIRT|2 DATE 1 MAR 1850|"
                      "1 FAMC @F1@|2 PEDI adopted|0 @I3@ INDI|1 FAMC @F1@|0 @I4@ INDI|1 BIRT|2 DATE 1 JAN 1860|"
                      "1 FAMC @F1@|0 @I5@ INDI|1 BIRT|2 DATE 1 JAN 1862|1 FAMC @F1@|"
                      "0 @F1@ FAM|1 CHIL @I1@|1 CHIL @I2@|1 CHIL @I3@|1 CHIL @I4@|1 CHIL @I5@")
        << QByteArray("I3.birth_likely_earliest") << "10/1/1850" << "siblings born in the tree's order";
    QTest::newRow("an about birth within 2 years")
        << family({}, {}, "1 BIRT|2 DATE ABT 1850") << QByteArray("I3.birth_likely_earliest") << "12/31/1847"
        << "an about date within 2 years";
    // 1841 in England: an age of 30 stands for 30 to 34 on 6 June 1841.
    QTest::newRow("the stated ages, by the census's rule")
        << family({}, {}, "1 CENS|2 DATE 6 JUN 1841|2 PLAC Leeds, England|2 AGE 30")
        << QByteArray("I3.birth_likely_earliest") << "6/7/1806" << "the stated ages";
}

void TreeEstimateTest::likelyRules()
{
    QFETCH(QByteArray, records);
    QFETCH(QByteArray, field);
    QFETCH(QString, expected);
    QFETCH(QString, reason);
    const Estimated estimated = estimateOf(gedcomOf(records));
    QVERIFY2(estimated.read, estimated.warnings.c_str());
    QCOMPARE(estimated.bound(field), expected);
    const PersonEstimate& person = estimated.estimate.people[estimated.indexOf(field.split('.')[0].toStdString())];
    const QString reasons =
        QString::fromStdString(reasonsText(person.certainReasons, person.likelyReasons, EstimateAssumptions{}));
    QVERIFY2(reasons.contains(reason), qPrintable(reasons));
}

void TreeEstimateTest::propagationAcrossThreeGenerations_data()
{
    QTest::addColumn<QByteArray>("records");
    // The grandmother I1 born 1 January 1800, the grandchild I4 on 1
    // January 1870; between them I2 and I3 undated. The families in both
    // orders: the bounds must spread up and down whichever comes first.
    const QByteArray people = "0 @I1@ INDI|1 SEX F|1 BIRT|2 DATE 1 JAN 1800|1 FAMS @F1@|"
                              "0 @I2@ INDI|1 SEX F|1 FAMC @F1@|1 FAMS @F2@|"
                              "0 @I3@ INDI|1 SEX F|1 FAMC @F2@|1 FAMS @F3@|"
                              "0 @I4@ INDI|1 SEX M|1 BIRT|2 DATE 1 JAN 1870|1 FAMC @F3@|";
    const QByteArray f1 = "0 @F1@ FAM|1 WIFE @I1@|1 CHIL @I2@|";
    const QByteArray f2 = "0 @F2@ FAM|1 WIFE @I2@|1 CHIL @I3@|";
    const QByteArray f3 = "0 @F3@ FAM|1 WIFE @I3@|1 CHIL @I4@";
    QTest::newRow("eldest family first") << people + f1 + f2 + f3;
    QTest::newRow("youngest family first") << people + f3 + "|" + f2 + f1.chopped(1);
}

void TreeEstimateTest::propagationAcrossThreeGenerations()
{
    QFETCH(QByteArray, records);
    const Estimated estimated = estimateOf(gedcomOf(records));
    QVERIFY2(estimated.read, estimated.warnings.c_str());
    // Certain: each generation born after the one before, each mother
    // alive at the next birth.
    QCOMPARE(estimated.bound("I3.birth_earliest"), QString("1/3/1800"));
    QCOMPARE(estimated.bound("I2.birth_latest"), QString("12/30/1869"));
    QCOMPARE(estimated.bound("I2.death_earliest"), QString("1/3/1800"));
    // Likely: two mothers of at least 14, from both ends.
    QCOMPARE(estimated.bound("I3.birth_likely_earliest"), QString("12/26/1827"));
    QCOMPARE(estimated.bound("I2.birth_likely_latest"), QString("1/8/1842"));
    QVERIFY(estimated.estimate.settled);
}

namespace {

struct WrittenBack
{
    bool ok = false;
    QByteArray text;
    std::string why;
};

WrittenBack writeBackOf(const QByteArray& gedcom, const Estimated& estimated)
{
    WrittenBack result;
    QByteArray copy = gedcom;
    std::FILE* in = fmemopen(copy.data(), size_t(copy.size()), "rb");
    std::FILE* out = std::tmpfile();
    EstimatesWritten written;
    const EstimateWriting writing{"Estimated by the test", dayOf({2026, 12, 9}), {}};
    result.ok = writeTreeWithEstimates(in, out, estimated.tree, estimated.estimate, writing, written, result.why);
    result.text = contentsOf(out);
    std::fclose(out);
    std::fclose(in);
    return result;
}

// Whether every line of original is in written, in its order and with its
// own line end.
bool keepsEveryLine(const QByteArray& original, const QByteArray& written)
{
    qsizetype at = 0;
    qsizetype from = 0;
    while (from < original.size()) {
        qsizetype end = original.indexOf('\n', from);
        end = end < 0 ? original.size() : end + 1;
        const QByteArray line = original.mid(from, end - from);
        // A line starts at the start of written or after a line end.
        do {
            at = written.indexOf(line, at);
        } while (at > 0 && written[at - 1] != '\n' && ++at > 0);
        if (at < 0)
            return false;
        at += line.size();
        from = end;
    }
    return true;
}

} // namespace

void TreeEstimateTest::writeBack_data()
{
    QTest::addColumn<QByteArray>("gedcom");
    QTest::addColumn<QByteArray>("added");

    // I2 and I3 are undated; I2's mother I1 died in 1850, I3 was christened.
    const QByteArray records = "0 @I1@ INDI|1 NAME Ann /Roe/|1 SEX F|1 BIRT|2 DATE 3 MAR 1810|1 DEAT|2 DATE 5 MAY 1850|"
                               "1 FAMS @F1@|0 @I2@ INDI|1 NAME Bob /Roe/|1 BIRT|2 PLAC York|1 FAMC @F1@|"
                               "0 @I3@ INDI|1 NAME Cy /Roe/|1 CHR|2 DATE 4 APR 1840|1 DEAT Y|1 FAMC @F1@|"
                               "0 @F1@ FAM|1 WIFE @I1@|1 CHIL @I2@|1 CHIL @I3@";
    // A BIRT without DATE gains one below it; a DEAT Y too.
    QTest::newRow("5.5.1, a NOTE") << gedcomOf(records)
                                   << QByteArray("1 BIRT\n2 DATE BET 28 FEB 1824 AND 5 MAY 1850\n2 NOTE "
                                                 "Estimated by the test from the family");
    QTest::newRow("7.0, a PHRASE") << gedcomOf(records, "7.0")
                                   << QByteArray("1 DEAT Y\n2 DATE BET 4 APR 1840 AND ");
    QTest::newRow("7.0, a PHRASE below the DATE")
        << gedcomOf(records, "7.0") << QByteArray("2 DATE BET 28 FEB 1824 AND 5 MAY 1850\n3 PHRASE Estimated by the test");
    QByteArray crlf = gedcomOf(records);
    crlf.replace("\n", "\r\n");
    QTest::newRow("CR LF line ends kept") << crlf << QByteArray("2 DATE BET 28 FEB 1824 AND 5 MAY 1850\r\n2 NOTE");
    // The person without a BIRT gains one at the end of the record; an
    // open end is BEF (the day after the latest).
    // A second BIRT with a date: the birth is dated, nothing is added.
    QTest::newRow("a later BIRT dated")
        << gedcomOf("0 @I1@ INDI|1 BIRT|2 PLAC York|1 BIRT|2 DATE 1850|1 DEAT|2 DATE 1900")
        << QByteArray("1 BIRT\n2 PLAC York\n1 BIRT\n2 DATE 1850\n1 DEAT\n2 DATE 1900\n0 TRLR");
    QTest::newRow("a new BIRT, BEF")
        << gedcomOf("0 @I1@ INDI|1 BURI|2 DATE 4 APR 1840|0 @I2@ INDI|1 NAME X")
        << QByteArray("1 BIRT\n2 DATE BEF 5 APR 1840\n2 NOTE Estimated by the test from the family (the likely bounds): "
                      "born before own events; died before the burial or probate\n1 DEAT\n2 DATE BEF 5 APR 1840\n");
}

void TreeEstimateTest::writeBack()
{
    QFETCH(QByteArray, gedcom);
    QFETCH(QByteArray, added);
    const Estimated estimated = estimateOf(gedcom);
    QVERIFY2(estimated.read, estimated.warnings.c_str());
    const WrittenBack written = writeBackOf(gedcom, estimated);
    QVERIFY2(written.ok, written.why.c_str());
    QVERIFY2(written.text.contains(added), written.text.constData());
    QVERIFY(keepsEveryLine(gedcom, written.text));
    QVERIFY(!written.text.contains("EST BET") && !written.text.contains("EST BEF"));
    // A date the tree has stays as it was, and is not given a second one.
    QCOMPARE(written.text.count("DATE 3 MAR 1810"), gedcom.count("DATE 3 MAR 1810"));
    const qsizetype secondRecord = written.text.indexOf("0 @I2@");
    if (gedcom.contains("DATE 3 MAR 1810")) // I1, born then, gains no second birth
        QCOMPARE(written.text.left(secondRecord).count("1 BIRT"), 1);

    // Read again: every estimate is a date of the tree, and the check and
    // the report read the file.
    const Estimated again = estimateOf(written.text);
    QVERIFY2(again.read, again.warnings.c_str());
    for (std::uint32_t p = 0; p < again.tree.people.size(); ++p) {
        const PersonEstimate& before = estimated.estimate.people[p];
        const TreeDate& birth = again.tree.people[p].birth;
        if (before.likelyBirth.latest == NoLatest && before.likelyBirth.earliest == NoEarliest)
            continue;
        QVERIFY(birth.present);
        QCOMPARE(birth.hasLatest ? birth.latest : NoLatest, before.likelyBirth.latest);
        QCOMPARE(birth.hasEarliest ? birth.earliest : NoEarliest, before.likelyBirth.earliest);
    }
    Checked checked = check(written.text);
    QVERIFY2(checked.read, checked.warnings.c_str());
    QCOMPARE(checked.summary.problems.unreadableDates, 0);
    QVERIFY(runReport(written.text).status != 2);
}

void TreeEstimateTest::censusChecklist_data()
{
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<bool>("missingOnly");
    QTest::addColumn<QStringList>("expected");

    // Born about 1841 in England, there in 1845, emigrated in 1855, in the
    // US census of 1860; the US census of 1880 was taken on 1 June.
    const QByteArray life = "0 @I1@ INDI|1 BIRT|2 DATE ABT 1841|2 PLAC Leeds, Yorkshire, England|"
                            "1 RESI|2 DATE 1845|2 PLAC Leeds, Yorkshire, England|1 IMMI|2 DATE 1855|2 PLAC New York, USA|"
                            "1 CENS|2 DATE 1860|2 PLAC Boston, Suffolk, Massachusetts, USA|1 DEAT|2 DATE ";
    QTest::newRow("died on the census day: possibly in it")
        << life + "1 JUN 1880|2 PLAC Boston, Massachusetts, USA" << false
        << QStringList{"England 1841,possible,no,0-2", "England 1851,certain,no,7-12", "US 1860,certain,yes,16-21",
                       "US 1870,certain,no,26-31", "US 1880,possible,no,36-41"};
    // A US state's postal code names the US.
    QTest::newRow("died the day after: certainly in it")
        << QByteArray(life).replace("New York, USA", "New York, NY") + "2 JUN 1880|2 PLAC Boston, MA" << false
        << QStringList{"England 1841,possible,no,0-2", "England 1851,certain,no,7-12", "US 1860,certain,yes,16-21",
                       "US 1870,certain,no,26-31", "US 1880,certain,no,36-41"};
    QTest::newRow("missing: not recorded, certainly alive")
        << life + "2 JUN 1880|2 PLAC Boston, Massachusetts, USA" << true
        << QStringList{"England 1851,certain,no,7-12", "US 1870,certain,no,26-31", "US 1880,certain,no,36-41"};
    // Last seen in a country without a census of the table: none until the
    // next place.
    QTest::newRow("elsewhere until seen again")
        << QByteArray("0 @I1@ INDI|1 BIRT|2 DATE 1 MAY 1844|2 PLAC Copenhagen, Denmark|"
                      "1 RESI|2 DATE 1875|2 PLAC London, England|1 DEAT|2 DATE 1 MAY 1885|2 PLAC London, England")
        << false << QStringList{"England 1881,certain,no,36"};
}

void TreeEstimateTest::censusChecklist()
{
    QFETCH(QByteArray, records);
    QFETCH(bool, missingOnly);
    QFETCH(QStringList, expected);
    const Estimated estimated = estimateOf(gedcomOf(records));
    QVERIFY2(estimated.read, estimated.warnings.c_str());
    QStringList rows;
    for (const CensusCheck& check :
         spanwright::censusChecklist(estimated.tree, estimated.events, estimated.estimate, {}, missingOnly)) {
        rows << QString::fromStdString(censusName(*check.census)) + (check.certainlyAlive ? ",certain" : ",possible")
                + (check.recorded ? ",yes," : ",no,") + QString::fromStdString(check.age);
    }
    QCOMPARE(rows, expected);
}

void TreeEstimateTest::command_data()
{
    QTest::addColumn<QStringList>("arguments"); // OUT: a file of the test's folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("output"); // in standard output, or in OUT where given

    const QStringList estimate = {"estimate", "-"};
    // The marriage bounds the mother, with 123 years and 105 years of life.
    QTest::newRow("csv") << estimate << 0
                         << QByteArray("I2,,,9/30/1721,12/31/1845,11/17/1783,1/4/1832,,1/1/1845,4/3/1969,1/1/1845,3/24/1937,");
    QTest::newRow("json: an open end is null")
        << estimate + QStringList{"--format", "json"} << 0
        << QByteArray("{\"id\":\"I1\",\"name\":\"\",\"birth\":\"1 JAN 1800\",\"birth_earliest\":\"1/1/1800\"");
    QTest::newRow("an assumption changed") << estimate + QStringList{"--mother-ages", "20-40"} << 0
                                           << QByteArray("mother aged 20-40 at a birth");
    QTest::newRow("an assumption that is no range")
        << estimate + QStringList{"--mother-ages", "50-14"} << 2 << QByteArray();
    QTest::newRow("written back, read by the check")
        << estimate + QStringList{"--gedcom", "OUT", "--today", "12/9/2026"} << 0
        << QByteArray("1 BIRT\n2 DATE BET 17 NOV 1783 AND 4 JAN 1832\n2 NOTE Estimated by spanwright-cli estimate");
    QTest::newRow("census, one country") << QStringList{"census", "-", "--country", "England"} << 0
                                         << QByteArray("I1,,England 1841,6/6/1841,certain,no,40\n");
    QTest::newRow("census, a country without one")
        << QStringList{"census", "-", "--country", "Narnia"} << 2 << QByteArray();
}

void TreeEstimateTest::command()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, output);
    // The father I1 born 1800 and died 1850, the mother I2 married in 1845.
    const QByteArray gedcom = gedcomOf(family("1 BIRT|2 DATE 1 JAN 1800|1 DEAT|2 DATE 1 JAN 1850", {}, {}, {},
                                              "1 MARR|2 DATE 1845"));
    QTemporaryDir folder;
    const QString out = folder.filePath("out.ged");
    arguments.replaceInStrings("OUT", out);
    const Run run = runProgram(arguments, gedcom);
    QCOMPARE(run.status, status);
    if (status != 0) {
        QVERIFY(run.err.startsWith("spanwright-cli "));
        return;
    }
    if (!arguments.contains(out)) {
        QVERIFY2(run.out.contains(output), run.out.constData());
        return;
    }
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    QVERIFY2(text.contains(output), text.constData());
    QVERIFY(keepsEveryLine(gedcom, text));
    const Run checked = runProgram({"check", out, "--today", "12/9/2026"});
    QVERIFY2(checked.status == 0 || checked.status == 1, checked.err.constData());
    QVERIFY2(!checked.err.contains("could not be read"), checked.err.constData());
    QVERIFY2(!checked.out.contains(",certain,"), checked.out.constData());
}

QTEST_GUILESS_MAIN(TreeEstimateTest)
#include "tst_treeestimate.moc"
