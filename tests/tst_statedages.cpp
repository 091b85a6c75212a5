// Tests of the ages a person's events state, taken together: the gedcom
// report's born_from_stated_ages column and the check's rules
// stated_ages_conflict and birth_outside_stated_ages, on small records as
// genealogy programs write them (census and residence ages, a death age,
// ages in the GEDCOM age forms).

#include "gedcomrun.h"

#include <QTest>

namespace {

// One INDI record I1 from events "TAG DATE=AGE; TAG DATE": each a level 1
// event with its DATE and, after "=", its AGE.
QByteArray person(const QByteArray& events)
{
    QByteArray text = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Mary /Hall/\n";
    for (const QByteArray& item : events.split(';')) {
        const QByteArray event = item.trimmed();
        if (event.isEmpty())
            continue;
        const qsizetype space = event.indexOf(' ');
        const qsizetype equals = event.indexOf('=');
        text += "1 " + event.left(space) + '\n';
        const QByteArray date = event.mid(space + 1, equals < 0 ? -1 : equals - space - 1).trimmed();
        if (!date.isEmpty())
            text += "2 DATE " + date + '\n';
        if (equals >= 0)
            text += "2 AGE " + event.mid(equals + 1).trimmed() + '\n';
    }
    return text + "0 TRLR\n";
}

// The born_from_stated_ages column of I1.
QByteArray statedAgesColumn(const QByteArray& gedcom)
{
    return reportField(reportOf(gedcom), "I1", "born_from_stated_ages");
}

std::vector<TreeFinding> findings(const QByteArray& gedcom, const TreeCheckOptions& options = {})
{
    return findingsOf(gedcom, options);
}

const char* const AgreeingCensuses = "CENS 30 MAR 1851=34; CENS 7 APR 1861=44; DEAT 12 JAN 1896=79y";

} // namespace

class TestStatedAges : public QObject
{
    Q_OBJECT

private slots:
    void reportColumn_data()
    {
        QTest::addColumn<QByteArray>("events");
        QTest::addColumn<QByteArray>("expected");
        // 34 on 30 March 1851 is a birth from 31 March 1816; 44 on 7 April
        // 1861 from 8 April 1816; 79 on 12 January 1896 to 12 January 1817.
        QTest::newRow("agreeing censuses and death") << QByteArray(AgreeingCensuses)
                                                     << QByteArray("4/8/1816 through 1/12/1817");
        QTest::newRow("a census of another age left out")
            << QByteArray("CENS 30 MAR 1851=20; RESI 7 APR 1861=44; DEAT 12 JAN 1896=79")
            << QByteArray("conflict: CENS 1851 left out");
        QTest::newRow("two records that disagree: either left out")
            << QByteArray("CENS 30 MAR 1851=20; CENS 7 APR 1861=44")
            << QByteArray("conflict: CENS 1851 left out or CENS 1861 left out");
        QTest::newRow("tombstone age in days") << QByteArray("BURI 3 AUG 1904=79y 9m 29d")
                                               << QByteArray("10/5/1824 through 10/5/1824");
        QTest::newRow("a partial census date") << QByteArray("CENS 1851=34")
                                               << QByteArray("1/2/1816 through 12/31/1817");
        QTest::newRow("more than 70 years") << QByteArray("DEAT 1 JAN 1900=> 70y")
                                            << QByteArray("on or before 12/31/1829");
        QTest::newRow("infant") << QByteArray("BURI 5 MAY 1850=INFANT")
                                << QByteArray("5/6/1849 through 5/5/1850");
        QTest::newRow("days alone count days") << QByteArray("DEAT 15 FEB 1901=45d")
                                               << QByteArray("1/1/1901 through 1/1/1901");
        QTest::newRow("weeks") << QByteArray("DEAT 11 FEB 1901=5w") << QByteArray("1/1/1901 through 1/7/1901");
        QTest::newRow("occupation and emigration")
            << QByteArray("OCCU 1 JUN 1860=30; EMIG 1 JUN 1870=40")
            << QByteArray("6/2/1829 through 6/1/1830");
        QTest::newRow("an age without a date") << QByteArray("CENS=34") << QByteArray("");
        QTest::newRow("an age phrase") << QByteArray("DEAT 1 JAN 1900=(about seventy)") << QByteArray("");
        QTest::newRow("no stated age") << QByteArray("BIRT 1 JAN 1820; DEAT 1 JAN 1900") << QByteArray("");
    }

    void reportColumn()
    {
        QFETCH(QByteArray, events);
        QFETCH(QByteArray, expected);
        QCOMPARE(statedAgesColumn(person(events)), expected);
    }

    // "abt 30y" at death is the ages of 30, but a contradiction only possible.
    void aboutStatedAgeAtDeath()
    {
        QByteArray found;
        for (const TreeFinding& finding : findings(person("BIRT 1 JAN 1830; DEAT 1 JAN 1900=abt 30y"))) {
            if (finding.rule == TreeRule::StatedAge)
                found += certaintyName(finding.certainty).data();
        }
        QCOMPARE(found, QByteArray("possible"));
        QCOMPARE(statedAgesColumn(person("DEAT 1 JAN 1900=abt 30y")), QByteArray("about: 1/2/1869 through 1/1/1870"));
    }

    // An age that is left out of the narrowing is named in the row, unless
    // the stated_age columns already tell it (a death's or burial's).
    void leftOutAges_data()
    {
        QTest::addColumn<QByteArray>("events");
        QTest::addColumn<QByteArray>("error");
        const QByteArray prefix = "warning: left out of born_from_stated_ages: ";
        QTest::newRow("days no span has") << QByteArray("CENS 1851=1y 45d; RESI 1861=11")
                                          << prefix + "CENS 1851 (AGE 1y 45d: no span of years, months and days is that age)";
        QTest::newRow("not an age") << QByteArray("CENS 1851=xyz; RESI 1861=11")
                                    << prefix + "CENS 1851 (AGE xyz: not an age)";
        QTest::newRow("two, in file order") << QByteArray("CENS 1851=xyz; RESI 1861=1y 40d")
                                            << prefix + "CENS 1851 (AGE xyz: not an age), RESI 1861 (AGE 1y 40d: no "
                                                        "span of years, months and days is that age)";
        QTest::newRow("a phrase is no age") << QByteArray("CENS 1851=(about ten)") << QByteArray();
        QTest::newRow("a death's age has its own columns") << QByteArray("DEAT 1851=1y 45d") << QByteArray();
    }

    void leftOutAges()
    {
        QFETCH(QByteArray, events);
        QFETCH(QByteArray, error);
        QCOMPARE(reportField(reportOf(person(events)), "I1", "error"), error);
    }

    void checkRules_data()
    {
        QTest::addColumn<QByteArray>("events");
        QTest::addColumn<QByteArray>("expected"); // rule:certainty, "" for none
        QTest::addColumn<QByteArray>("detailPart");
        const QByteArray agreeing(AgreeingCensuses);
        QTest::newRow("conflict, certain")
            << QByteArray("CENS 30 MAR 1851=20; RESI 7 APR 1861=44; DEAT 12 JAN 1896=79")
            << QByteArray("stated_ages_conflict:certain") << QByteArray("CENS 1851 left out");
        QTest::newRow("conflict on an approximate date, possible")
            << QByteArray("CENS ABT 1851=20; RESI 7 APR 1861=44; DEAT 12 JAN 1896=79")
            << QByteArray("stated_ages_conflict:possible") << QByteArray("CENS 1851 left out");
        QTest::newRow("birth certainly outside") << agreeing + "; BIRT 1820"
                                                 << QByteArray("birth_outside_stated_ages:certain")
                                                 << QByteArray("give 4/8/1816 through 1/12/1817");
        QTest::newRow("birth year partly outside") << agreeing + "; BIRT 1816"
                                                   << QByteArray("birth_outside_stated_ages:possible")
                                                   << QByteArray("born 1816");
        QTest::newRow("birth month partly after") << agreeing + "; BIRT JAN 1817"
                                                  << QByteArray("birth_outside_stated_ages:possible")
                                                  << QByteArray("born JAN 1817");
        QTest::newRow("approximate birth outside") << agreeing + "; BIRT ABT 1820"
                                                   << QByteArray("birth_outside_stated_ages:possible")
                                                   << QByteArray("born ABT 1820");
        QTest::newRow("birth inside") << agreeing + "; BIRT 1 JUN 1816" << QByteArray("") << QByteArray("");
        QTest::newRow("christening after the window, birth may be inside")
            << agreeing + "; CHR 1 JUN 1817" << QByteArray("") << QByteArray("");
        QTest::newRow("christening before the window")
            << agreeing + "; CHR 1 JUN 1815" << QByteArray("birth_outside_stated_ages:certain")
            << QByteArray("on or before 1 JUN 1815 (CHR)");
        QTest::newRow("agreeing, no birth") << agreeing << QByteArray("") << QByteArray("");
        // stated_age tells that one; a second record makes it the narrowing's.
        QTest::newRow("a death age alone against the birth")
            << QByteArray("BIRT 1 OCT 1824; DEAT 3 AUG 1904=79y 9m 29d") << QByteArray("") << QByteArray("");
        QTest::newRow("a burial's age the death's date leaves to the narrowing")
            << QByteArray("BIRT 1830; DEAT 1 JAN 1900; BURI 5 JAN 1900=30y")
            << QByteArray("birth_outside_stated_ages:certain") << QByteArray("(BURI 1900)");
        QTest::newRow("a death age beside an age phrase")
            << QByteArray("BIRT 1830; CENS 1851=(about twenty); DEAT 1 JAN 1900=30y") << QByteArray("")
            << QByteArray("");
        QTest::newRow("an about age: possible")
            << QByteArray("CENS 30 MAR 1851=abt 20; RESI 7 APR 1861=44") << QByteArray("stated_ages_conflict:possible")
            << QByteArray("left out");
        QTest::newRow("a death age and a census against the birth")
            << QByteArray("BIRT 1 OCT 1824; CENS 30 MAR 1851=26; DEAT 3 AUG 1904=79y 9m 29d")
            << QByteArray("birth_outside_stated_ages:certain") << QByteArray("(CENS 1851 and DEAT 1904)");
    }

    void checkRules()
    {
        QFETCH(QByteArray, events);
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, detailPart);
        QByteArray found;
        std::string detail;
        for (const TreeFinding& finding : findings(person(events))) {
            if (finding.rule != TreeRule::StatedAgesConflict && finding.rule != TreeRule::BirthOutsideStatedAges)
                continue;
            found += (found.isEmpty() ? "" : " ") + QByteArray(treeRuleName(finding.rule).data())
                + ':' + QByteArray(certaintyName(finding.certainty).data());
            detail = finding.detail;
        }
        QCOMPARE(found, expected);
        QVERIFY2(QByteArray::fromStdString(detail).contains(detailPart), detail.c_str());
    }

    // --only: a rule left out finds nothing; the names are known.
    void rulesChosen()
    {
        TreeCheckOptions options;
        options.enabled.fill(false);
        options.enabled[size_t(TreeRule::BirthOutsideStatedAges)] = true;
        const QByteArray conflicting = person("CENS 30 MAR 1851=20; CENS 7 APR 1861=44; BIRT 1900");
        QVERIFY(findings(conflicting, options).empty());
        const auto outside = findings(person(QByteArray(AgreeingCensuses) + "; BIRT 1820"), options);
        QCOMPARE(outside.size(), size_t(1));
        QCOMPARE(treeRuleNamed("stated_ages_conflict"), std::optional(TreeRule::StatedAgesConflict));
        QCOMPARE(treeRuleNamed("birth_outside_stated_ages"), std::optional(TreeRule::BirthOutsideStatedAges));
        QVERIFY(treeRuleIsError(TreeRule::StatedAgesConflict));
    }
};

QTEST_GUILESS_MAIN(TestStatedAges)
#include "tst_statedages.moc"
