// Tests of the ages a person's events state, taken together: the gedcom
// report's born_from_stated_ages column and the check's rules
// stated_ages_conflict and birth_outside_stated_ages, on small records as
// genealogy programs write them (census and residence ages, a death age,
// ages in the GEDCOM age forms).

#include "gedcomrun.h"
#include "narrowrecord.h"

#include <QTest>

using namespace spanwright;

namespace {

// One INDI record I1 from events "TAG DATE=AGE|PLACE; TAG DATE": each a
// level 1 event with its DATE, after "=" its AGE and after "|" its PLAC.
QByteArray person(const QByteArray& events)
{
    QByteArray text = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Mary /Hall/\n";
    for (const QByteArray& item : events.split(';')) {
        const QByteArray event = item.trimmed();
        if (event.isEmpty())
            continue;
        const qsizetype equals = event.indexOf('=');
        qsizetype space = event.indexOf(' ');
        if (space < 0 || (equals >= 0 && equals < space)) // "CENS=34": no date
            space = equals < 0 ? event.size() : equals;
        text += "1 " + event.left(space) + '\n';
        const QByteArray date
            = space >= (equals < 0 ? event.size() : equals) ? QByteArray()
                                                            : event.mid(space + 1, equals < 0 ? -1 : equals - space - 1).trimmed();
        if (!date.isEmpty())
            text += "2 DATE " + date + '\n';
        const QList<QByteArray> agePlace = event.mid(equals + 1).split('|');
        if (agePlace.size() > 1)
            text += "2 PLAC " + agePlace[1].trimmed() + '\n';
        if (equals >= 0)
            text += "2 AGE " + agePlace[0].trimmed() + '\n';
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

// Findings of a rule, "rule:certainty ..."; "" for none.
QByteArray ruleFindings(const QByteArray& gedcom, TreeRule rule)
{
    QByteArray found;
    for (const TreeFinding& finding : findings(gedcom)) {
        if (finding.rule == rule)
            found += (found.isEmpty() ? "" : " ") + QByteArray(treeRuleName(rule).data()) + ':'
                + QByteArray(certaintyName(finding.certainty).data());
    }
    return found;
}

// A closed window as the report writes it.
QByteArray windowText(const BirthWindow& window)
{
    if (!window.days.earliest || !window.days.latest)
        return "(open)";
    return QByteArray::fromStdString(calendarDateText(dateOf(*window.days.earliest)) + " through "
                                     + calendarDateText(dateOf(*window.days.latest)));
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
        QTest::newRow("tombstone age in days") << QByteArray("DEAT 3 AUG 1904=79y 9m 29d")
                                               << QByteArray("10/5/1824 through 10/5/1824");
        QTest::newRow("an approximate census date") << QByteArray("CENS ABT 1851=34")
                                                    << QByteArray("about: 1/2/1816 through 12/31/1817");
        QTest::newRow("a partial census date") << QByteArray("CENS 1851=34")
                                               << QByteArray("1/2/1816 through 12/31/1817");
        QTest::newRow("more than 70 years") << QByteArray("DEAT 1 JAN 1900=> 70y")
                                            << QByteArray("on or before 12/31/1829");
        // More than 1 year 29 days is at least 1 year 30 days, which no
        // birth day gives on 1 March 1851 exactly: 2/1/1850 gives 1 year
        // 1 month, 2/2/1850 only 1 year 27 days.
        QTest::newRow("more than an age no day gives exactly") << QByteArray("DEAT 1 MAR 1851=>1y 29d")
                                                               << QByteArray("on or before 2/1/1850");
        QTest::newRow("infant") << QByteArray("DEAT 5 MAY 1850=INFANT")
                                << QByteArray("5/6/1849 through 5/5/1850");
        QTest::newRow("infant at a marriage: under 21") << QByteArray("MARR 12 JUN 1840=infant")
                                                        << QByteArray("6/13/1819 through 6/12/1840");
        QTest::newRow("infant in a marriage licence: under 21") << QByteArray("MARL 12 JUN 1840=infant")
                                                                << QByteArray("6/13/1819 through 6/12/1840");
        QTest::newRow("days alone count days") << QByteArray("DEAT 15 FEB 1901=45d")
                                               << QByteArray("1/1/1901 through 1/1/1901");
        QTest::newRow("weeks") << QByteArray("DEAT 11 FEB 1901=5w") << QByteArray("1/1/1901 through 1/7/1901");
        QTest::newRow("occupation and emigration")
            << QByteArray("OCCU 1 JUN 1860=30; EMIG 1 JUN 1870=40")
            << QByteArray("6/2/1829 through 6/1/1830");
        // 39 on 26 Jan 1728/29 O.S. is a birth from 27 Jan 1688/89 to
        // 26 Jan 1689/90 O.S., Julian birthdays: 6 Feb 1689 to 5 Feb 1690.
        QTest::newRow("a Julian date's age in Julian years")
            << QByteArray("OCCU @#DJULIAN@ 26 JAN 1728/29=39") << QByteArray("2/6/1689 through 2/5/1690");
        QTest::newRow("an age without a date") << QByteArray("CENS=34") << QByteArray("");
        // The death lies on or before the burial: any earlier birth.
        QTest::newRow("a burial's age") << QByteArray("BIRT 8 JAN 1820; BURI 10 JAN 1850=29")
                                        << QByteArray("on or before 1/10/1821");
        QTest::newRow("a census day of another country")
            << QByteArray("CENS 6 JUN 1841=30|Paris, France") << QByteArray("6/7/1810 through 6/6/1811");
        QTest::newRow("not the census's day or year")
            << QByteArray("CENS 7 JUN 1841=30|Leeds, England") << QByteArray("6/8/1810 through 6/7/1811");
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
        QTest::newRow("a phrase is no age") << QByteArray("CENS 1851=(about ten)")
                                            << prefix + "CENS 1851 (AGE (about ten): an age phrase, no age)";
        QTest::newRow("no date") << QByteArray("CENS=34") << prefix + "CENS (AGE 34: the event has no date)";
        QTest::newRow("a date phrase") << QByteArray("RESI (in the spring)=34")
                                       << prefix + "RESI (AGE 34: the date is a date phrase)";
        QTest::newRow("a death's age has its own columns") << QByteArray("DEAT 1851=1y 45d") << QByteArray();
        QTest::newRow("a burial's age has them too") << QByteArray("BURI 1851=1y 45d") << QByteArray();
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
        QTest::newRow("a Julian birth a day after its Julian window")
            << QByteArray("OCCU @#DJULIAN@ 26 JAN 1728/29=39; BIRT @#DJULIAN@ 27 JAN 1689/90")
            << QByteArray("birth_outside_stated_ages:certain") << QByteArray("give 2/6/1689 through 2/5/1690");
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

    // A CENS on a census's day or in its year, in its country, is read by
    // that census's rule as narrow reads it: the report, the check and
    // narrow give one window. before is a birth just before it, inside
    // one in it.
    void censusRules_data()
    {
        QTest::addColumn<QByteArray>("record"); // as narrow takes it
        QTest::addColumn<QByteArray>("event");  // the same as a GEDCOM event
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("inside");
        QTest::newRow("1841 rounded down to five")
            << QByteArray("England 1841 census: 30") << QByteArray("CENS 6 JUN 1841=30|Leeds, Yorkshire, England")
            << QByteArray("6/7/1806 through 6/6/1811") << QByteArray("6 JUN 1806") << QByteArray("10 JAN 1808");
        QTest::newRow("1841 by its year")
            << QByteArray("Scotland 1841 census: 15") << QByteArray("CENS 1841=15|Glasgow, Lanark, Scotland")
            << QByteArray("6/7/1821 through 6/6/1826") << QByteArray("6 JUN 1821") << QByteArray("1 JAN 1826");
        QTest::newRow("completed years on the census day of its year")
            << QByteArray("Wales 1851 census: 34") << QByteArray("CENS 1851=34|Cardiff, Glamorgan, Wales")
            << QByteArray("3/31/1816 through 3/30/1817") << QByteArray("30 MAR 1816") << QByteArray("1 APR 1816");
        QTest::newRow("completed years, US")
            << QByteArray("US 1850 census: 7") << QByteArray("CENS 1 JUN 1850=7|Springfield, Illinois, United States")
            << QByteArray("6/2/1842 through 6/1/1843") << QByteArray("1 JUN 1842") << QByteArray("1 JAN 1843");
        QTest::newRow("Canada 1851 next birthday, taken in 1852")
            << QByteArray("Canada 1851 census: 30") << QByteArray("CENS 1851=30|York, Canada West, Canada")
            << QByteArray("1/13/1822 through 1/12/1823") << QByteArray("12 JAN 1822") << QByteArray("1 JUN 1822");
        QTest::newRow("Canada 1861 year of life")
            << QByteArray("Canada 1861 census: in his 30th year")
            << QByteArray("CENS 14 JAN 1861=in his 30th year|Ontario, Canada") << QByteArray("1/15/1831 through 1/14/1832")
            << QByteArray("14 JAN 1831") << QByteArray("1 JUN 1831");
        QTest::newRow("Canada 1861 range, in the census's month")
            << QByteArray("Canada 1861 census: 20-29") << QByteArray("CENS JAN 1861=20-29|Quebec, Canada")
            << QByteArray("1/15/1832 through 1/14/1842") << QByteArray("14 JAN 1832") << QByteArray("1 JAN 1840");
        QTest::newRow("US 1880 twelfths")
            << QByteArray("US 1880 census: 3/12") << QByteArray("CENS 1880=3/12|Springfield, Sangamon, Illinois, USA")
            << QByteArray("2/2/1880 through 3/1/1880") << QByteArray("1 FEB 1880") << QByteArray("15 FEB 1880");
    }

    void censusRules()
    {
        QFETCH(QByteArray, record);
        QFETCH(QByteArray, event);
        QFETCH(QByteArray, window);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, inside);
        const NarrowReading narrowed = readNarrowRecord(record.toStdString());
        QVERIFY2(narrowed.ok(), narrowed ? "" : narrowed.problem().problem.message.c_str());
        QCOMPARE(windowText(narrowed->window), window);
        QCOMPARE(statedAgesColumn(person(event)), window);
        QCOMPARE(ruleFindings(person(event + "; BIRT " + before), TreeRule::BirthOutsideStatedAges),
                 QByteArray("birth_outside_stated_ages:certain"));
        QCOMPARE(ruleFindings(person(event + "; BIRT " + inside), TreeRule::BirthOutsideStatedAges), QByteArray());
    }

    // A burial's age is at a death on or before it, in every column.
    void burialAge()
    {
        const QByteArray gedcom = person("BIRT 8 JAN 1820; BURI 10 JAN 1850=29");
        const QByteArray report = reportOf(gedcom);
        QCOMPARE(reportField(report, "I1", "stated_age_check"), QByteArray("agrees"));
        QCOMPARE(reportField(report, "I1", "born_from_stated_age"), QByteArray("on or before 1/10/1821"));
        QCOMPARE(ruleFindings(gedcom, TreeRule::BirthOutsideStatedAges), QByteArray());
        const QByteArray older = reportOf(person("BIRT 8 JAN 1820; BURI 10 JAN 1850=31"));
        QVERIFY(reportField(older, "I1", "stated_age_check").startsWith("disagrees by"));
    }

    // The ages a family states: of a husband it links only by his FAMS, as
    // the check links him; a second AGE and a PHRASE alone are named.
    void familyAges()
    {
        const QByteArray gedcom = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 SEX M\n1 BIRT\n2 DATE 1 JAN 1790\n"
                                  "1 FAMS @F1@\n0 @I2@ INDI\n1 SEX F\n1 FAMS @F1@\n0 @F1@ FAM\n1 MARR\n"
                                  "2 DATE 1 JUN 1830\n2 HUSB\n3 AGE 22\n3 AGE 23\n2 WIFE\n3 AGE\n4 PHRASE young\n"
                                  "0 TRLR\n";
        const QByteArray report = reportOf(gedcom);
        QCOMPARE(reportField(report, "I1", "born_from_stated_ages"), QByteArray("6/2/1807 through 6/1/1808"));
        QCOMPARE(reportField(report, "I1", "error"),
                 QByteArray("warning: left out of born_from_stated_ages: MARR 1830 (AGE 23: a second AGE of one "
                            "spouse, not weighed)"));
        QCOMPARE(reportField(report, "I2", "error"),
                 QByteArray("warning: left out of born_from_stated_ages: MARR 1830 (AGE (young): an age phrase, no "
                            "age)"));
        QCOMPARE(ruleFindings(gedcom, TreeRule::BirthOutsideStatedAges), QByteArray("birth_outside_stated_ages:certain"));
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
        // Records that disagree are evidence to weigh; dates that cannot be
        // true are errors.
        QVERIFY(!treeRuleIsError(TreeRule::StatedAgesConflict));
        QVERIFY(!treeRuleIsError(TreeRule::BirthOutsideStatedAges));
        QVERIFY(!treeRuleIsError(TreeRule::StatedAge));
        QVERIFY(treeRuleIsError(TreeRule::DeathBeforeBirth));
    }
};

QTEST_GUILESS_MAIN(TestStatedAges)
#include "tst_statedages.moc"
