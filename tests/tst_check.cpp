// Tests of spanwright-cli check: each rule on a small family that breaks it
// for certain, one that breaks it only through a partial date, and one that
// does not; the links between people and families; and the command as a
// user runs it (options, formats, statuses).

#include "familytreereader.h"
#include "programrun.h"
#include "treecheckfile.h"
#include "treefindingtext.h"

#include <QDate>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <minizip/zip.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

using namespace spanwright;

namespace {

// 9 December 2026, the day the tests call today.
const Day Today = dayOf({2026, 12, 9});

// A family whose dates break no rule: father I1, mother I2, children I3
// and I4 of family F1. Overrides "I2.BIRT=1833; I3.BIRT=" change a date or,
// when empty, remove the event; I1.AGE is the age stated at I1's death.
QByteArray family(const QByteArray& overrides)
{
    QMap<QByteArray, QByteArray> dates = {
        {"I1.BIRT", "1 JAN 1820"}, {"I1.DEAT", "1 JAN 1890"}, {"I2.BIRT", "1 JAN 1825"},
        {"I2.DEAT", "1 JAN 1895"}, {"I3.BIRT", "1 MAR 1850"}, {"I4.BIRT", "1 MAR 1853"},
        {"F1.MARR", "1 JUN 1848"},
    };
    for (const QByteArray& item : overrides.split(';')) {
        const qsizetype equals = item.indexOf('=');
        if (equals > 0)
            dates[item.left(equals).trimmed()] = item.mid(equals + 1).trimmed();
    }
    const auto event = [&](const QByteArray& record, const QByteArray& tag) {
        const QByteArray date = dates.value(record + '.' + tag);
        QByteArray lines = date.isEmpty() ? QByteArray() : "1 " + tag + "\n2 DATE " + date + '\n';
        const QByteArray age = dates.value(record + ".AGE");
        // The age goes under the death, or the burial where there is none.
        const bool ageHere = tag == "DEAT" || (tag == "BURI" && dates.value(record + ".DEAT").isEmpty());
        if (ageHere && !date.isEmpty() && !age.isEmpty())
            lines += "2 AGE " + age + '\n';
        return lines;
    };
    QByteArray text = "0 HEAD\n1 CHAR UTF-8\n";
    const QByteArray sexes[] = {"M", "F", "M", "F"};
    for (int i = 1; i <= 4; ++i) {
        const QByteArray id = "I" + QByteArray::number(i);
        text += "0 @" + id + "@ INDI\n1 SEX " + sexes[i - 1] + '\n';
        for (const char* tag : {"BIRT", "CHR", "BAPM", "DEAT", "BURI"})
            text += event(id, tag);
    }
    text += "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I4@\n" + event("F1", "MARR");
    return text + "0 TRLR\n";
}

struct Checked
{
    bool read = false;
    std::vector<TreeFinding> findings;
    TreeCheckSummary summary;
    std::string warnings;
};

Checked check(const QByteArray& input, const TreeCheckOptions& options = {})
{
    TreeCheckOptions withToday = options;
    withToday.today = Today;
    Checked result;
    QByteArray copy = input; // fmemopen wants a writable buffer
    std::FILE* in = fmemopen(copy.data(), size_t(copy.size()), "rb");
    std::ostringstream warnings;
    result.read = checkGedcomTree(in, "test.ged", withToday, warnings,
                                  [&](const TreeFinding& finding) { result.findings.push_back(finding); },
                                  result.summary);
    std::fclose(in);
    result.warnings = warnings.str();
    return result;
}

QByteArray csvOf(const std::vector<TreeFinding>& findings)
{
    std::string out;
    for (const TreeFinding& finding : findings)
        appendFindingCsv(out, finding);
    return QByteArray::fromStdString(out);
}

} // namespace

class TestCheck : public QObject
{
    Q_OBJECT

private slots:
    void rules_data()
    {
        QTest::addColumn<QByteArray>("overrides");
        QTest::addColumn<QByteArray>("rule");
        QTest::addColumn<QByteArray>("certainty"); // "" for no finding
        QTest::addColumn<QByteArray>("individual");
        QTest::addColumn<QByteArray>("family");
        const auto row = [](const char* name, const char* overrides, const char* rule, const char* certainty,
                            const char* individual = "", const char* family = "") {
            QTest::newRow(name) << QByteArray(overrides) << QByteArray(rule) << QByteArray(certainty)
                                << QByteArray(individual) << QByteArray(family);
        };
        row("death before birth", "I1.DEAT=31 DEC 1819", "death_before_birth", "certain", "I1");
        row("death in the birth year", "I1.BIRT=1820; I1.DEAT=MAR 1820", "death_before_birth", "possible", "I1");
        row("death on the birth day", "I1.DEAT=1 JAN 1820", "death_before_birth", "");
        row("death before, open", "I1.DEAT=BEF 1 JAN 1820", "death_before_birth", "certain", "I1");
        row("death after, at its bound", "I1.BIRT=2 JAN 1811; I1.DEAT=AFT 1810", "death_before_birth", "possible", "I1");
        row("birth open beyond its bound", "I1.BIRT=AFT 1880", "death_before_birth", "");

        row("christening before birth", "I3.CHR=28 FEB 1850", "baptism_before_birth", "certain", "I3");
        row("christening in the birth month", "I3.BIRT=MAR 1850; I3.CHR=15 MAR 1850", "baptism_before_birth", "possible", "I3");
        row("christening on the birth day", "I3.BAPM=1 MAR 1850", "baptism_before_birth", "");
        row("baptism before birth", "I3.BAPM=1 FEB 1850", "baptism_before_birth", "certain", "I3");

        row("burial before death", "I1.BURI=31 DEC 1889", "burial_before_death", "certain", "I1");
        row("burial about before death", "I1.BURI=ABT 31 DEC 1889", "burial_before_death", "possible", "I1");
        row("burial on the death day", "I1.BURI=1 JAN 1890", "burial_before_death", "");
        row("burial before birth, no death", "I1.DEAT=; I1.BURI=1819", "burial_before_death", "certain", "I1");

        row("born after mother died", "I2.DEAT=28 FEB 1850; I4.BIRT=", "birth_after_mother_death", "certain", "I3", "F1");
        row("born in the year mother died", "I2.DEAT=1850; I4.BIRT=", "birth_after_mother_death", "possible", "I3", "F1");
        row("mother died in childbirth", "I2.DEAT=1 MAR 1850; I4.BIRT=", "birth_after_mother_death", "");
        row("christened after mother died", "I3.BIRT=; I3.CHR=5 MAR 1850; I2.DEAT=1 MAR 1850; I4.BIRT=",
            "birth_after_mother_death", "possible", "I3", "F1");

        row("born 295 days after father died", "I1.DEAT=10 MAY 1849; I4.BIRT=", "birth_after_father_death", "certain", "I3", "F1");
        row("born in the month father died", "I1.DEAT=MAY 1849; I4.BIRT=", "birth_after_father_death", "possible", "I3", "F1");
        row("born 294 days after father died", "I1.DEAT=11 MAY 1849; I4.BIRT=", "birth_after_father_death", "");

        row("mother born after the child", "I2.BIRT=2 MAR 1850", "unborn_parent", "certain", "I3", "F1");
        row("mother born in the child's year", "I2.BIRT=1850", "unborn_parent", "possible", "I3", "F1");
        row("mother born the child's day", "I2.BIRT=1 MAR 1850", "unborn_parent", "");

        row("married before the bride's birth", "I2.BIRT=2 JUN 1848", "marriage_before_birth", "certain", "I2", "F1");
        row("married in the bride's birth month", "I2.BIRT=JUN 1848", "marriage_before_birth", "possible", "I2", "F1");
        row("married on the bride's birth day", "I2.BIRT=1 JUN 1848", "marriage_before_birth", "");

        row("married after the groom's death", "I1.DEAT=31 MAY 1848", "marriage_after_death", "certain", "I1", "F1");
        row("married in the groom's death year", "I1.DEAT=1848", "marriage_after_death", "possible", "I1", "F1");
        row("married the day the groom died", "I1.DEAT=1 JUN 1848", "marriage_after_death", "");

        row("death tomorrow", "I4.DEAT=10 DEC 2026", "future_date", "certain", "I4");
        row("death this month", "I4.DEAT=DEC 2026", "future_date", "possible", "I4");
        row("death today", "I4.DEAT=9 DEC 2026", "future_date", "");
        row("death after a past day", "I4.DEAT=AFT 2020", "future_date", "");
        row("marriage in the future", "F1.MARR=2027", "future_date", "certain", "", "F1");

        row("stated age too short", "I1.AGE=69y", "stated_age", "certain", "I1");
        row("stated age on one reading", "I1.BIRT=1820; I1.AGE=70y", "stated_age", "possible", "I1");
        row("stated age about", "I1.DEAT=ABT 1 JAN 1890; I1.AGE=69y", "stated_age", "possible", "I1");
        row("stated age agrees", "I1.AGE=70y", "stated_age", "");
        row("stated age short of the christening's", "I1.BIRT=; I1.CHR=1 JAN 1820; I1.AGE=69y", "stated_age", "certain",
            "I1");
        row("stated age beyond the christening's", "I1.BIRT=; I1.CHR=1 JAN 1820; I1.AGE=71y", "stated_age", "possible",
            "I1");
        row("stated age at the burial", "I1.DEAT=; I1.BURI=1 JAN 1890; I1.AGE=69y 11m", "stated_age", "possible", "I1");

        row("died aged 90 and a day", "I1.DEAT=2 JAN 1910", "old_age", "certain", "I1");
        row("died in the 91st year's first", "I1.DEAT=1910", "old_age", "possible", "I1");
        row("died aged 90", "I1.DEAT=1 JAN 1910", "old_age", "");

        row("mother a day short of 17", "I2.BIRT=2 MAR 1833", "young_mother", "certain", "I2", "F1");
        row("mother born that year", "I2.BIRT=1833", "young_mother", "possible", "I2", "F1");
        row("mother aged 17", "I2.BIRT=1 MAR 1833", "young_mother", "");
        row("mother young at the christening", "I2.BIRT=2 MAR 1833; I3.BIRT=; I3.CHR=1 MAR 1850", "young_mother",
            "certain", "I2", "F1");

        row("mother 48 and a day", "I2.BIRT=28 FEB 1802; I4.BIRT=", "old_mother", "certain", "I2", "F1");
        row("mother born in 1802", "I2.BIRT=1802; I4.BIRT=", "old_mother", "possible", "I2", "F1");
        row("mother aged 48", "I2.BIRT=1 MAR 1802; I4.BIRT=", "old_mother", "");
        row("mother old at the christening", "I2.BIRT=28 FEB 1802; I3.BIRT=; I3.CHR=1 MAR 1850; I4.BIRT=", "old_mother",
            "possible", "I2", "F1");

        row("father a day short of 18", "I1.BIRT=2 MAR 1832", "young_father", "certain", "I1", "F1");
        row("father born in 1832", "I1.BIRT=1832", "young_father", "possible", "I1", "F1");
        row("father aged 18", "I1.BIRT=1 MAR 1832", "young_father", "");

        row("father 65 and a day", "I1.BIRT=28 FEB 1785; I4.BIRT=", "old_father", "certain", "I1", "F1");
        row("father born in 1785", "I1.BIRT=1785; I4.BIRT=", "old_father", "possible", "I1", "F1");
        row("father aged 65", "I1.BIRT=1 MAR 1785; I4.BIRT=", "old_father", "");

        row("bride a day short of 17", "I2.BIRT=2 JUN 1831", "early_marriage", "certain", "I2", "F1");
        row("bride born in 1831", "I2.BIRT=1831", "early_marriage", "possible", "I2", "F1");
        row("bride aged 17", "I2.BIRT=1 JUN 1831", "early_marriage", "");

        row("groom 50 and a day", "I1.BIRT=31 MAY 1798", "late_marriage", "certain", "I1", "F1");
        row("groom born in 1798", "I1.BIRT=1798", "late_marriage", "possible", "I1", "F1");
        row("groom aged 50", "I1.BIRT=1 JUN 1798", "late_marriage", "");

        row("children 92 days apart", "I4.BIRT=1 JUN 1850", "child_spacing", "certain", "I4", "F1");
        row("children born the same year", "I4.BIRT=1850", "child_spacing", "possible", "I3", "F1");
        row("children 10 days apart", "I4.BIRT=11 MAR 1850", "child_spacing", "");
        row("children 260 days apart", "I4.BIRT=16 NOV 1850", "child_spacing", "");
        row("children 259 days apart", "I4.BIRT=15 NOV 1850", "child_spacing", "certain", "I4", "F1");
        row("later child listed first", "I3.BIRT=1 JUN 1853; I4.BIRT=1 MAR 1853", "child_spacing", "certain", "I3", "F1");
    }

    void rules()
    {
        QFETCH(QByteArray, overrides);
        QFETCH(QByteArray, rule);
        QFETCH(QByteArray, certainty);
        QFETCH(QByteArray, individual);
        QFETCH(QByteArray, family);
        const Checked checked = check(::family(overrides));
        QVERIFY(checked.read);
        QByteArrayList found;
        for (const TreeFinding& finding : checked.findings) {
            if (treeRuleName(finding.rule) == rule.toStdString()) {
                found << QByteArray(certaintyName(finding.certainty).data()) + ' '
                        + QByteArray::fromStdString(finding.individual) + ' '
                        + QByteArray::fromStdString(finding.family);
            }
        }
        const QByteArrayList expected = certainty.isEmpty() ? QByteArrayList()
                                                            : QByteArrayList{certainty + ' ' + individual + ' ' + family};
        QCOMPARE(found, expected);
    }

    // Each rule's severity as the manual page lists them: the dates that
    // cannot be true are errors, the unusual ages warnings.
    void severities_data()
    {
        QTest::addColumn<QByteArray>("rule");
        QTest::addColumn<bool>("error");
        for (const char* rule : {"death_before_birth", "baptism_before_birth", "burial_before_death",
                                 "birth_after_mother_death", "birth_after_father_death", "unborn_parent",
                                 "marriage_before_birth", "marriage_after_death", "future_date"})
            QTest::newRow(rule) << QByteArray(rule) << true;
        for (const char* rule : {"stated_age", "stated_ages_conflict", "birth_outside_stated_ages", "old_age",
                                 "young_mother", "old_mother", "young_father", "old_father", "early_marriage",
                                 "late_marriage", "child_spacing"})
            QTest::newRow(rule) << QByteArray(rule) << false;
    }
    void severities()
    {
        QFETCH(QByteArray, rule);
        QFETCH(bool, error);
        const std::optional<TreeRule> named = treeRuleNamed(rule.toStdString());
        QVERIFY(named);
        QCOMPARE(treeRuleIsError(*named), error);
    }

    // Every pair of children within the window, not only those born one
    // after the other, each pair once.
    void spacingPairs_data()
    {
        QTest::addColumn<QByteArrayList>("births"); // of the children I3, I4... in the order F1 names them
        QTest::addColumn<QByteArrayList>("pairs");   // "later earlier certainty"
        QTest::newRow("twins and a child 11 days after the first")
            << QByteArrayList{"1 JAN 1830", "2 JAN 1830", "12 JAN 1830"}
            << QByteArrayList{"I5 I3 certain"};
        QTest::newRow("listed out of order")
            << QByteArrayList{"12 JAN 1830", "2 JAN 1830", "1 JAN 1830"}
            << QByteArrayList{"I3 I5 certain"};
        QTest::newRow("three within the window")
            << QByteArrayList{"1 JAN 1830", "1 MAR 1830", "1 MAY 1830"}
            << QByteArrayList{"I4 I3 certain", "I5 I3 certain", "I5 I4 certain"};
        QTest::newRow("a wide date reaching a later child")
            << QByteArrayList{"BET 1820 AND 1830", "1 JAN 1825", "1 MAR 1831"}
            << QByteArrayList{"I4 I3 possible", "I5 I3 possible"};
        QTest::newRow("each a year apart") << QByteArrayList{"1 JAN 1830", "1 JAN 1831", "1 JAN 1832"}
                                           << QByteArrayList();
    }

    void spacingPairs()
    {
        QFETCH(QByteArrayList, births);
        QFETCH(QByteArrayList, pairs);
        QByteArray text = "0 HEAD\n0 @I1@ INDI\n1 SEX M\n0 @I2@ INDI\n1 SEX F\n";
        QByteArray members = "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n";
        for (qsizetype i = 0; i < births.size(); ++i) {
            const QByteArray id = "I" + QByteArray::number(i + 3);
            text += "0 @" + id + "@ INDI\n1 BIRT\n2 DATE " + births[i] + '\n';
            members += "1 CHIL @" + id + "@\n";
        }
        TreeCheckOptions options;
        options.enabled.fill(false);
        options.enabled[std::size_t(TreeRule::ChildSpacing)] = true;
        const Checked checked = check(text + members + "0 TRLR\n", options);
        QVERIFY(checked.read);
        QByteArrayList found;
        const std::string after = "after the birth of ";
        for (const TreeFinding& finding : checked.findings) {
            const std::size_t at = finding.detail.find(after) + after.size();
            const std::string earlier = finding.detail.substr(at, finding.detail.find(' ', at) - at);
            found << QByteArray::fromStdString(finding.individual + ' ' + earlier + ' ')
                    + certaintyName(finding.certainty).data();
        }
        QCOMPARE(found, pairs);
    }

    void cleanFamily()
    {
        const Checked checked = check(family({}));
        QVERIFY(checked.read);
        QCOMPARE(csvOf(checked.findings), QByteArray());
        QCOMPARE(checked.summary.people, 4);
        QCOMPARE(checked.summary.families, 1);
    }

    void details_data()
    {
        QTest::addColumn<QByteArray>("overrides");
        QTest::addColumn<QByteArray>("row");
        QTest::newRow("young mother") << QByteArray("I2.BIRT=31 MAY 1834; I3.BIRT=3 JUN 1849; I4.BIRT=")
                                      << QByteArray("young_mother,certain,warning,I2,F1,\"mother aged 15 Year(s), 0 "
                                                    "month(s), 3 day(s) at the birth of I3 (3 JUN 1849)\"");
        QTest::newRow("partial dates") << QByteArray("I2.BIRT=1834; I3.BIRT=MAR 1849; I4.BIRT=")
                                       << QByteArray("young_mother,certain,warning,I2,F1,\"mother aged 14 Year(s), 2 "
                                                     "month(s), 1 day(s) to 15 Year(s), 2 month(s), 30 day(s) at the "
                                                     "birth of I3 (MAR 1849)\"");
        QTest::newRow("father's days") << QByteArray("I1.DEAT=10 MAY 1849")
                                       << QByteArray("birth_after_father_death,certain,error,I3,F1,\"born (1 MAR 1850) 0 "
                                                     "Year(s), 9 month(s), 19 day(s) (295 day(s)) after the death of the "
                                                     "father I1 (10 MAY 1849)\"");
        QTest::newRow("father's days, possibly") << QByteArray("I1.DEAT=MAY 1849")
                                                 << QByteArray("birth_after_father_death,possible,error,I3,F1,\"born (1 MAR "
                                                               "1850) 0 Year(s), 9 month(s), 19 day(s) to 0 Year(s), 10 "
                                                               "month(s), 0 day(s) (295 to 304 day(s)) after the death of "
                                                               "the father I1 (MAY 1849)\"");
        QTest::newRow("open at its bound") << QByteArray("I1.DEAT=AFT 1810; I1.BIRT=2 JAN 1811")
                                           << QByteArray("death_before_birth,possible,error,I1,,\"death (AFT 1810) 0 "
                                                         "Year(s), 0 month(s), 1 day(s) before birth (2 JAN 1811)\"");
        QTest::newRow("stated age") << QByteArray("I1.AGE=69y")
                                    << QByteArray("stated_age,certain,warning,I1,,\"stated age 69y at death (1 JAN 1890), "
                                                  "but aged 70 Year(s), 0 month(s), 0 day(s) from birth (1 JAN 1820)\"");
        QTest::newRow("christening for birth")
            << QByteArray("I1.BIRT=; I1.CHR=1 JAN 1820; I1.DEAT=1 JAN 1911")
            << QByteArray("old_age,certain,warning,I1,,\"aged at least 91 Year(s), 0 month(s), 0 day(s) at death (1 JAN "
                          "1911), born on or before 1 JAN 1820 (CHR)\"");
    }

    void details()
    {
        QFETCH(QByteArray, overrides);
        QFETCH(QByteArray, row);
        const Checked checked = check(family(overrides));
        const QByteArray csv = csvOf(checked.findings);
        QVERIFY2(csv.split('\n').contains(row), csv.constData());
    }

    // The file's character set decides how its texts read in the findings.
    void texts_data()
    {
        QTest::addColumn<QByteArray>("characterSet");
        QTest::addColumn<QByteArray>("death");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("UTF-8") << QByteArray("UTF-8") << QByteArray("INT 31 DEC 1819 (d\xC3\xA9" "c\xC3\xA8s)")
                               << QByteArray("death (INT 31 DEC 1819 (d\xC3\xA9" "c\xC3\xA8s))");
        QTest::newRow("Windows-1252") << QByteArray("ANSI") << QByteArray("INT 31 DEC 1819 (d\xE9" "c\xE8s)")
                                      << QByteArray("death (INT 31 DEC 1819 (d\xC3\xA9" "c\xC3\xA8s))");
        QTest::newRow("ANSEL") << QByteArray("ANSEL") << QByteArray("INT 31 DEC 1819 (d\xE2" "ec\xE1" "es)")
                               << QByteArray("death (INT 31 DEC 1819 (de\xCC\x81" "ce\xCC\x80s))");
        QTest::newRow("not UTF-8") << QByteArray("UTF-8") << QByteArray("INT 31 DEC 1819 (d\xE9" "c\xE8s)")
                                   << QByteArray("death (INT 31 DEC 1819 (d\xEF\xBF\xBD" "c\xEF\xBF\xBDs))");
    }

    void texts()
    {
        QFETCH(QByteArray, characterSet);
        QFETCH(QByteArray, death);
        QFETCH(QByteArray, shown);
        QByteArray text = family("I1.DEAT=" + death);
        text.replace("1 CHAR UTF-8", "1 CHAR " + characterSet);
        TreeCheckOptions options;
        options.enabled.fill(false);
        options.enabled[size_t(TreeRule::DeathBeforeBirth)] = true;
        const QByteArray csv = csvOf(check(text, options).findings);
        QVERIFY2(csv.contains(shown), csv.constData());
    }

    // How the people and families are linked when the file states a link
    // on one side only, twice, or to nobody.
    void links_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QByteArray>("expected"); // husband wife : children : families of I3
        const QByteArray people = "0 @I1@ INDI\n1 SEX M\n0 @I2@ INDI\n1 SEX F\n0 @I3@ INDI\n";
        QTest::newRow("family side") << people + "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n"
                                     << QByteArray("I1 I2 : I3 : F1");
        QTest::newRow("people side") << QByteArray("0 @I1@ INDI\n1 SEX M\n1 FAMS @F1@\n0 @I2@ INDI\n1 SEX F\n1 FAMS "
                                                   "@F1@\n0 @I3@ INDI\n1 FAMC @F1@\n0 @F1@ FAM\n")
                                     << QByteArray("I1 I2 : I3 : F1");
        QTest::newRow("both sides once") << people + "0 @F1@ FAM\n1 CHIL @I3@\n1 CHIL @I3@\n0 @I4@ INDI\n1 FAMC @F1@\n"
                                         << QByteArray("- - : I3 I4 : F1");
        QTest::newRow("the family's spouse first")
            << QByteArray("0 @I1@ INDI\n1 SEX M\n1 FAMS @F1@\n0 @I2@ INDI\n1 SEX M\n0 @F1@ FAM\n1 HUSB @I2@\n")
            << QByteArray("I2 - :  : ");
        QTest::newRow("unknown sex fills no role")
            << QByteArray("0 @I1@ INDI\n1 FAMS @F1@\n0 @F1@ FAM\n0 @I3@ INDI\n") << QByteArray("- - :  : ");
        QTest::newRow("missing records") << people + "0 @F1@ FAM\n1 HUSB @I9@\n1 CHIL @I3@\n0 @I3X@ INDI\n1 FAMC @F7@\n"
                                         << QByteArray("- - : I3 : F1");
        QTest::newRow("two families") << people + "0 @F2@ FAM\n1 CHIL @I3@\n0 @F1@ FAM\n1 WIFE @I2@\n1 CHIL @I3@\n"
                                      << QByteArray("- I2 : I3 : F2 F1");
        QTest::newRow("two husbands, the first") << people + "0 @F1@ FAM\n1 HUSB @I1@\n1 HUSB @I3@\n"
                                                 << QByteArray("I1 - :  : ");
        // A pair stated on both sides keeps the place of its first statement.
        QTest::newRow("the family's order, then the children's own")
            << QByteArray("0 @I1@ INDI\n0 @I2@ INDI\n0 @I3@ INDI\n1 FAMC @F1@\n0 @I4@ INDI\n1 FAMC @F1@\n0 @I5@ "
                          "INDI\n1 FAMC @F1@\n0 @F1@ FAM\n1 CHIL @I4@\n1 CHIL @I3@\n")
            << QByteArray("- - : I4 I3 I5 : F1");
        QTest::newRow("pointer with blanks") << people + "0 @F1@ FAM\n1 HUSB  @I1@ \n"
                                             << QByteArray("I1 - :  : ");
    }

    void links()
    {
        QFETCH(QByteArray, records);
        QFETCH(QByteArray, expected);
        QByteArray text = "0 HEAD\n" + records + "0 TRLR\n";
        std::FILE* in = fmemopen(text.data(), size_t(text.size()), "rb");
        FamilyTree tree;
        std::ostringstream warnings;
        QVERIFY(readFamilyTree(in, "links.ged", warnings, tree));
        std::fclose(in);
        const auto idOf = [&](std::uint32_t person) {
            return person == NoOne ? QByteArray("-") : QByteArray(tree.text(tree.people[person].id).data(),
                                                                   qsizetype(tree.text(tree.people[person].id).size()));
        };
        const auto f1 = std::find_if(tree.families.begin(), tree.families.end(),
                                     [&](const TreeFamily& f) { return tree.text(f.id) == "F1"; });
        QVERIFY(f1 != tree.families.end());
        const TreeFamily& first = *f1;
        QByteArrayList children;
        for (std::uint32_t i = 0; i < first.childCount; ++i)
            children << idOf(tree.children[first.firstChild + i]);
        QByteArrayList parents;
        const std::uint32_t third = 2; // the third person's families as a child, where there is one
        if (tree.people.size() > third) {
            for (std::uint32_t i = tree.parentFamilyStart[third]; i < tree.parentFamilyStart[third + 1]; ++i)
                parents << QByteArray::fromStdString(std::string(tree.text(tree.families[tree.parentFamilies[i]].id)));
        }
        QCOMPARE(idOf(first.husband) + ' ' + idOf(first.wife) + " : " + children.join(' ') + " : " + parents.join(' '),
                 expected);
    }

    void thresholds_data()
    {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<QByteArray>("overrides");
        QTest::addColumn<QByteArray>("rule");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QByteArray>("problem");
        QTest::newRow("younger limit") << QByteArray("young_mother=16") << QByteArray("I2.BIRT=2 MAR 1833")
                                       << QByteArray("young_mother") << false << QByteArray();
        QTest::newRow("limit with months") << QByteArray("young_mother=16y 11m 28d") << QByteArray("I2.BIRT=2 MAR 1833")
                                           << QByteArray("young_mother") << true << QByteArray();
        QTest::newRow("father's days") << QByteArray("father_death_days=295") << QByteArray("I1.DEAT=10 MAY 1849; I4.BIRT=")
                                       << QByteArray("birth_after_father_death") << false << QByteArray();
        QTest::newRow("spacing") << QByteArray("child_spacing_max_days=92") << QByteArray("I4.BIRT=1 JUN 1850")
                                 << QByteArray("child_spacing") << false << QByteArray();
        QTest::newRow("old age") << QByteArray("old_age=69") << QByteArray() << QByteArray("old_age") << true
                                 << QByteArray();
        QTest::newRow("unknown") << QByteArray("old_aged=1") << QByteArray() << QByteArray() << false
                                 << QByteArray("no rule has the threshold \"old_aged\"");
        QTest::newRow("days not a number") << QByteArray("father_death_days=ten") << QByteArray() << QByteArray()
                                           << false << QByteArray("is not a whole number of days");
        QTest::newRow("negative days") << QByteArray("child_spacing_min_days=-1") << QByteArray() << QByteArray()
                                       << false << QByteArray("is not a whole number of days");
        QTest::newRow("not an age") << QByteArray("old_age=very") << QByteArray() << QByteArray() << false
                                    << QByteArray("neither a number of years nor an age");
    }

    void thresholds()
    {
        QFETCH(QByteArray, setting);
        QFETCH(QByteArray, overrides);
        QFETCH(QByteArray, rule);
        QFETCH(bool, found);
        QFETCH(QByteArray, problem);
        TreeCheckOptions options;
        const qsizetype equals = setting.indexOf('=');
        const std::optional<Problem> refusal = setTreeThreshold(options.thresholds, setting.left(equals).toStdString(),
                                                                setting.mid(equals + 1).toStdString());
        const QByteArray message = refusal ? QByteArray::fromStdString(refusal->message) : QByteArray();
        QVERIFY2(refusal.has_value() == !problem.isEmpty() && message.contains(problem), message.constData());
        if (!problem.isEmpty())
            return;
        bool any = false;
        for (const TreeFinding& finding : check(family(overrides), options).findings)
            any = any || treeRuleName(finding.rule) == rule.toStdString();
        QCOMPARE(any, found);
    }

    void command_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("tree"); // overrides, or "-" for a file that is not GEDCOM
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("errContains");
        const QByteArray header = "rule,certainty,severity,individual,family,detail\n";
        const QByteArray death = "death_before_birth,certain,error,I1,,\"death (31 DEC 1819) 0 Year(s), 0 month(s), 1 "
                                 "day(s) before birth (1 JAN 1820)\"\n";
        QTest::newRow("clean") << QStringList() << QByteArray() << 0 << header
                               << QByteArray("4 people, 1 families, 0 findings");
        QTest::newRow("findings") << QStringList{"--only", "death_before_birth"} << QByteArray("I1.DEAT=31 DEC 1819") << 1
                                  << header + death << QByteArray("death_before_birth: 1 certain, 0 possible");
        QTest::newRow("only two rules") << QStringList{"--only", "old_mother,unborn_parent"}
                                        << QByteArray("I1.DEAT=31 DEC 1819; I2.BIRT=1802; I4.BIRT=") << 1
                                        << header + "old_mother,possible,warning,I2,F1,\"mother aged 47 Year(s), 2 "
                                                    "month(s), 1 day(s) to 48 Year(s), 2 month(s), 0 day(s) at the birth "
                                                    "of I3 (1 MAR 1850)\"\n"
                                        << QByteArray("1 findings");
        QTest::newRow("json") << QStringList{"--format", "json", "--only", "death_before_birth"}
                              << QByteArray("I1.DEAT=31 DEC 1819") << 1
                              << QByteArray("[\n{\"rule\":\"death_before_birth\",\"certainty\":\"certain\",\"severity\":"
                                            "\"error\",\"individual\":\"I1\",\"family\":\"\",\"detail\":\"death (31 DEC "
                                            "1819) 0 Year(s), 0 month(s), 1 day(s) before birth (1 JAN 1820)\"}\n]\n")
                              << QByteArray();
        QTest::newRow("json, none") << QStringList{"--format", "json"} << QByteArray() << 0 << QByteArray("[]\n")
                                    << QByteArray();
        QTest::newRow("today moved back") << QStringList{"--today", "1/1/1890", "--only", "future_date"}
                                          << QByteArray() << 1
                                          << header + "future_date,certain,error,I2,,\"death (1 JAN 1895) 5 Year(s), 0 "
                                                      "month(s), 0 day(s) after today (1 JAN 1890)\"\n"
                                          << QByteArray("future_date: 1 certain");
        QTest::newRow("threshold") << QStringList{"--rule", "old_age=69", "--rule", "old_mother=47", "--only",
                                                  "old_age"}
                                   << QByteArray("I2.DEAT=1 JAN 1894") << 1
                                   << header + "old_age,certain,warning,I1,,\"aged 70 Year(s), 0 month(s), 0 day(s) at "
                                               "death (1 JAN 1890), born 1 JAN 1820\"\n"
                                   << QByteArray();
        QTest::newRow("not GEDCOM") << QStringList() << QByteArray("-") << 2 << QByteArray()
                                    << QByteArray("is not a GEDCOM file");
        QTest::newRow("unknown rule") << QStringList{"--only", "young_mothers"} << QByteArray() << 2 << QByteArray()
                                      << QByteArray("no rule \"young_mothers\"");
        QTest::newRow("threshold without value") << QStringList{"--rule", "old_age"} << QByteArray() << 2
                                                 << QByteArray() << QByteArray("NAME=VALUE");
        QTest::newRow("spacing minimum above maximum")
            << QStringList{"--rule", "child_spacing_min_days=300", "--rule", "child_spacing_max_days=100"} << QByteArray()
            << 2 << QByteArray() << QByteArray("child_spacing_min_days=300 is above child_spacing_max_days=100");
        QTest::newRow("spacing minimum above the default maximum")
            << QStringList{"--rule", "child_spacing_min_days=261"} << QByteArray() << 2 << QByteArray()
            << QByteArray("is above child_spacing_max_days=260");
        QTest::newRow("spacing limits equal") << QStringList{"--rule", "child_spacing_min_days=100", "--rule",
                                                             "child_spacing_max_days=100"}
                                              << QByteArray() << 0 << header << QByteArray("0 findings");
        QTest::newRow("bad today") << QStringList{"--today", "12/32/2026"} << QByteArray() << 2 << QByteArray()
                                   << QByteArray("--today date");
        QTest::newRow("unknown format") << QStringList{"--format", "xml"} << QByteArray() << 2 << QByteArray()
                                        << QByteArray("--format");
    }

    void command()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, tree);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, errContains);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("tree.ged");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(tree == "-" ? QByteArray("just some text\n") : family(tree));
        file.close();
        QStringList all{"check", path};
        if (!arguments.contains("--today"))
            all << "--today" << "12/9/2026";
        const Run run = runProgram(all + arguments);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, out);
        QVERIFY2(run.err.contains(errContains), run.err.constData());
    }

    // A GEDZIP archive is checked as its gedcom.ged.
    void archive()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray path = dir.filePath("tree.gdz").toLocal8Bit();
        const QByteArray tree = family("I1.DEAT=31 DEC 1819");
        zipFile archive = zipOpen64(path.constData(), APPEND_STATUS_CREATE);
        QVERIFY(archive != nullptr);
        QCOMPARE(zipOpenNewFileInZip64(archive, "gedcom.ged", nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                       Z_DEFAULT_COMPRESSION, 0),
                 ZIP_OK);
        QCOMPARE(zipWriteInFileInZip(archive, tree.constData(), unsigned(tree.size())), ZIP_OK);
        QCOMPARE(zipCloseFileInZip(archive), ZIP_OK);
        QCOMPARE(zipClose(archive, nullptr), ZIP_OK);
        const Run run = runProgram({"check", QString::fromLocal8Bit(path), "--today", "12/9/2026", "--only",
                                    "death_before_birth"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains("\ndeath_before_birth,certain,error,I1,,"), run.out.constData());
    }

    // The sample trees Debian ships (fetched by the gedcom_samples_fetch
    // test): the findings by rule, certain then possible.
    void samples_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("counts");
        QTest::newRow("royal.ged") << QStringLiteral(SPANWRIGHT_GEDCOM_SAMPLES "/royal.ged")
                                   << QByteArray("old_age 0 1; late_marriage 2 0; child_spacing 0 1");
        QTest::newRow("sample.ged") << QStringLiteral(SPANWRIGHT_GEDCOM_SAMPLES "/sample.ged")
                                    << QByteArray("early_marriage 0 2; child_spacing 0 1");
    }

    void samples()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, counts);
        QFile sample(file);
        if (!sample.open(QIODevice::ReadOnly))
            QSKIP("The Debian sample files could not be fetched (see the gedcom_samples_fetch test)");
        const Checked checked = check(sample.readAll());
        QVERIFY(checked.read);
        QByteArrayList found;
        for (std::size_t rule = 0; rule < TreeRuleCount; ++rule) {
            const auto& byCertainty = checked.summary.findings[rule];
            if (byCertainty[0] + byCertainty[1] > 0)
                found << QByteArray(treeRuleName(TreeRule(rule)).data()) + ' ' + QByteArray::number(byCertainty[1])
                        + ' ' + QByteArray::number(byCertainty[0]);
        }
        QCOMPARE(found.join("; "), counts);
    }

    void missingFile()
    {
        const Run run = runProgram({"check", "/nonexistent/tree.ged"});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains("/nonexistent/tree.ged"));
    }

    // The system's date stands for today without --today: nothing dated
    // this year's last day is in the future before it.
    void systemToday()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("tree.ged");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const int year = QDate::currentDate().year();
        file.write(family("I4.DEAT=" + QByteArray::number(year + 1)));
        file.close();
        const Run run = runProgram({"check", path, "--only", "future_date"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains("future_date,certain,error,I4,"), run.out.constData());
    }
};

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"
