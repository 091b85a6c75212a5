// Tests of the ages a family's events state of the husband and the wife
// (1 MARR / 2 HUSB / 3 AGE 23y), taken with the person's own stated ages:
// the gedcom report's born_from_stated_ages column and the check's rules
// stated_ages_conflict and birth_outside_stated_ages, on records as
// genealogy programs write them.

#include "calendars/calendardate.h"
#include "gedcomrun.h"

#include <QTest>

#include <unistd.h>

#include <csignal>
#include <string>
#include <thread>

using namespace spanwright;

namespace {

// GEDCOM lines written "1 MARR|2 DATE 12 JUN 1840", one per "|".
QByteArray lines(const QByteArray& text)
{
    QByteArray result;
    for (const QByteArray& line : text.split('|')) {
        if (!line.trimmed().isEmpty())
            result += line.trimmed() + '\n';
    }
    return result;
}

enum Layout : int {
    PeopleFirst = 0,
    FamilyFirst = 1,     // the FAM record before the people
    NoHusbandLine = 2,   // the family names its husband only by his FAMS
    NoTrailer = 4,       // the file ends inside the family record
};

// John (I1, the husband) and Mary (I2, the wife), each with their own
// events, in the family F1 with its events.
QByteArray tree(const QByteArray& husband, const QByteArray& wife, const QByteArray& family, int layout = PeopleFirst)
{
    const QByteArray people = "0 @I1@ INDI\n1 NAME John /Hall/\n1 SEX M\n" + lines(husband) + "1 FAMS @F1@\n"
        + "0 @I2@ INDI\n1 NAME Mary /Hall/\n1 SEX F\n" + lines(wife) + "1 FAMS @F1@\n";
    const QByteArray familyRecord = "0 @F1@ FAM\n" + QByteArray(layout & NoHusbandLine ? "" : "1 HUSB @I1@\n")
        + "1 WIFE @I2@\n" + lines(family);
    const QByteArray records = layout & FamilyFirst ? familyRecord + people : people + familyRecord;
    return "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n" + records + (layout & NoTrailer ? "" : "0 TRLR\n");
}

const char* const Marriage = "1 MARR|2 DATE 12 JUN 1840|2 HUSB|3 AGE 23y|2 WIFE|3 AGE 19y";

QByteArray findingsText(const std::vector<TreeFinding>& found, TreeRule rule)
{
    QByteArray text;
    for (const TreeFinding& finding : found) {
        if (finding.rule != rule)
            continue;
        text += QByteArray(finding.certainty == Certainty::Certain ? "certain " : "possible ")
            + finding.individual.c_str() + ": " + finding.detail.c_str() + '\n';
    }
    return text;
}

TreeCheckOptions stated(std::initializer_list<TreeRule> rules)
{
    TreeCheckOptions options;
    options.enabled.fill(false);
    for (TreeRule rule : rules)
        options.enabled[size_t(rule)] = true;
    return options;
}

} // namespace

class TestFamilyAges : public QObject
{
    Q_OBJECT

private slots:
    void reportColumn_data()
    {
        QTest::addColumn<QByteArray>("husband");
        QTest::addColumn<QByteArray>("wife");
        QTest::addColumn<QByteArray>("family");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QByteArray>("expectedHusband");
        QTest::addColumn<QByteArray>("expectedWife");
        // 23 on 12 June 1840: born 13 June 1816 to 12 June 1817; 19: 1820-1821.
        QTest::newRow("both spouses' ages at marriage")
            << QByteArray() << QByteArray() << QByteArray(Marriage) << int(PeopleFirst)
            << QByteArray("6/13/1816 through 6/12/1817") << QByteArray("6/13/1820 through 6/12/1821");
        QTest::newRow("the family before its people")
            << QByteArray() << QByteArray() << QByteArray(Marriage) << int(FamilyFirst)
            << QByteArray("6/13/1816 through 6/12/1817") << QByteArray("6/13/1820 through 6/12/1821");
        // 34 on 30 March 1851: from 31 March 1816, with the marriage's to 12 June 1816... 1817.
        QTest::newRow("a census and the marriage narrow together")
            << QByteArray("1 CENS|2 DATE 30 MAR 1851|2 AGE 34") << QByteArray() << QByteArray(Marriage)
            << int(PeopleFirst) << QByteArray("6/13/1816 through 3/30/1817")
            << QByteArray("6/13/1820 through 6/12/1821");
        QTest::newRow("a divorce age that fits neither")
            << QByteArray("1 CENS|2 DATE 30 MAR 1851|2 AGE 34") << QByteArray()
            << QByteArray(Marriage) + "|1 DIV|2 DATE 1860|2 HUSB|3 AGE 20y" << int(PeopleFirst)
            << QByteArray("conflict: DIV 1860 left out") << QByteArray("6/13/1820 through 6/12/1821");
        QTest::newRow("the date after the ages")
            << QByteArray() << QByteArray() << QByteArray("1 MARR|2 WIFE|3 AGE 19y|2 DATE 12 JUN 1840")
            << int(PeopleFirst) << QByteArray() << QByteArray("6/13/1820 through 6/12/1821");
        QTest::newRow("GEDCOM 7: an age with its phrase, a marriage banns")
            << QByteArray() << QByteArray()
            << QByteArray("1 MARB|2 DATE 1 MAY 1840|2 HUSB|3 AGE 23y|4 PHRASE twenty-three") << int(PeopleFirst)
            << QByteArray("5/2/1816 through 5/1/1817") << QByteArray();
        QTest::newRow("of full age (over 21)")
            << QByteArray() << QByteArray() << QByteArray("1 MARR|2 DATE 12 JUN 1840|2 HUSB|3 AGE > 21y")
            << int(PeopleFirst) << QByteArray("on or before 6/11/1819") << QByteArray();
        // As English marriage registers write them.
        QTest::newRow("of full age and a minor")
            << QByteArray() << QByteArray() << QByteArray("1 MARR|2 DATE 12 JUN 1850|2 HUSB|3 AGE of full age|2 WIFE|3 AGE minor")
            << int(PeopleFirst) << QByteArray("on or before 6/12/1829") << QByteArray("6/13/1829 through 6/12/1850");
        QTest::newRow("an about age is marked")
            << QByteArray() << QByteArray() << QByteArray("1 MARR|2 DATE 12 JUN 1850|2 HUSB|3 AGE abt 30y")
            << int(PeopleFirst) << QByteArray("about: 6/13/1819 through 6/12/1820") << QByteArray();
        QTest::newRow("an age under the event, not a spouse, is no one's")
            << QByteArray() << QByteArray() << QByteArray("1 MARR|2 DATE 12 JUN 1840|2 AGE 23y") << int(PeopleFirst)
            << QByteArray() << QByteArray();
        QTest::newRow("an undated marriage states no window")
            << QByteArray() << QByteArray() << QByteArray("1 MARR|2 PLAC Leeds|2 HUSB|3 AGE 23y")
            << int(PeopleFirst) << QByteArray() << QByteArray();
        QTest::newRow("the first age of a spouse counts")
            << QByteArray() << QByteArray() << QByteArray("1 MARR|2 DATE 12 JUN 1840|2 HUSB|3 AGE 23y|3 AGE 40y")
            << int(PeopleFirst) << QByteArray("6/13/1816 through 6/12/1817") << QByteArray();
        QTest::newRow("an age under the family's own HUSB line is no event's")
            << QByteArray() << QByteArray() << QByteArray("1 HUSB @I1@|2 AGE 23y|1 MARR|2 DATE 12 JUN 1840")
            << int(PeopleFirst) << QByteArray() << QByteArray();
    }

    void reportColumn()
    {
        QFETCH(QByteArray, husband);
        QFETCH(QByteArray, wife);
        QFETCH(QByteArray, family);
        QFETCH(int, layout);
        QFETCH(QByteArray, expectedHusband);
        QFETCH(QByteArray, expectedWife);
        const QByteArray report = reportOf(tree(husband, wife, family, layout));
        QCOMPARE(reportField(report, "I1", "born_from_stated_ages"), expectedHusband);
        QCOMPARE(reportField(report, "I2", "born_from_stated_ages"), expectedWife);
    }

    // A pipe cannot be read twice: the report reads a copy, to the same bytes.
    void reportFromPipe()
    {
        const QByteArray gedcom = tree("1 CENS|2 DATE 30 MAR 1851|2 AGE 34", {}, Marriage, PeopleFirst);
        int ends[2];
        QVERIFY(pipe(ends) == 0);
        QVERIFY(write(ends[1], gedcom.constData(), size_t(gedcom.size())) == gedcom.size());
        close(ends[1]);
        std::FILE* in = fdopen(ends[0], "rb");
        const QByteArray report = reportFrom(in);
        std::fclose(in);
        QCOMPARE(report, reportOf(gedcom));
        QCOMPARE(reportField(report, "I1", "born_from_stated_ages"), QByteArray("6/13/1816 through 3/30/1817"));
    }

    // A family the file ends in may be cut short: the rows that weigh its
    // ages say so; a family before it in the file is whole.
    void cutFamilyWarned()
    {
        const QByteArray warning = "warning: born_from_stated_ages weighs ages of the family F1, the record the "
                                   "file ends in, which may be cut short";
        const QByteArray cut = reportOf(tree({}, {}, Marriage, NoTrailer));
        QCOMPARE(reportField(cut, "I1", "error"), warning);
        QCOMPARE(reportField(cut, "I2", "error"), warning);
        const QByteArray whole = reportOf(tree({}, {}, Marriage, FamilyFirst | NoTrailer));
        QCOMPARE(reportField(whole, "I1", "error").contains("F1"), false);
    }

    // An endless stream that is no GEDCOM (cat /dev/zero) is refused after
    // its first over-long line, not copied to the end first.
    void endlessPipeRefusedEarly()
    {
        constexpr size_t MostWritten = size_t(256) << 20;
        int ends[2];
        QVERIFY(pipe(ends) == 0);
        std::signal(SIGPIPE, SIG_IGN);
        size_t written = 0;
        std::thread writer([&] {
            const std::string zeros(1 << 16, '\0');
            while (written < MostWritten) {
                const ssize_t n = write(ends[1], zeros.data(), zeros.size());
                if (n <= 0)
                    break;
                written += size_t(n);
            }
            close(ends[1]);
        });
        std::FILE* in = fdopen(ends[0], "rb");
        std::FILE* out = std::tmpfile();
        std::ostringstream warnings;
        GedcomSummary summary;
        QCOMPARE(writeGedcomReport(in, out, "-", warnings, summary), int(GedcomReportUnreadable));
        std::fclose(in); // the writer's next write fails
        writer.join();
        std::fclose(out);
        QVERIFY2(warnings.str().find("longer than 1 MiB") != std::string::npos, warnings.str().c_str());
        QVERIFY2(written < MostWritten / 16, QByteArray::number(qulonglong(written)).constData());
    }

    void checkRules_data()
    {
        QTest::addColumn<QByteArray>("husband");
        QTest::addColumn<QByteArray>("family");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QByteArray>("conflict");
        QTest::addColumn<QByteArray>("birthOutside");
        QTest::newRow("a census against the marriage")
            << QByteArray("1 CENS|2 DATE 30 MAR 1851|2 AGE 20") << QByteArray(Marriage) << int(FamilyFirst)
            << QByteArray("certain I1: no birth date fits every stated age (CENS 1851 and MARR 1840): CENS 1851 "
                          "left out, the others giving 6/13/1816 through 6/12/1817; or MARR 1840 left out, the "
                          "others giving 3/31/1830 through 3/30/1831\n")
            << QByteArray();
        QTest::newRow("a birth the marriage age rules out")
            << QByteArray("1 BIRT|2 DATE 2 FEB 1820") << QByteArray(Marriage) << int(PeopleFirst) << QByteArray()
            << QByteArray("certain I1: born 2 FEB 1820, but the stated ages (MARR 1840) give 6/13/1816 through "
                          "6/12/1817\n");
        QTest::newRow("a birth the ages allow")
            << QByteArray("1 BIRT|2 DATE 2 FEB 1817|1 CENS|2 DATE 30 MAR 1851|2 AGE 34") << QByteArray(Marriage)
            << int(PeopleFirst) << QByteArray() << QByteArray();
        QTest::newRow("the husband named by his FAMS alone")
            << QByteArray("1 BIRT|2 DATE 2 FEB 1820") << QByteArray(Marriage) << int(NoHusbandLine)
            << QByteArray()
            << QByteArray("certain I1: born 2 FEB 1820, but the stated ages (MARR 1840) give 6/13/1816 through "
                          "6/12/1817\n");
        QTest::newRow("a family the file may have cut short: possible")
            << QByteArray("1 BIRT|2 DATE 2 FEB 1820") << QByteArray(Marriage) << int(NoTrailer) << QByteArray()
            << QByteArray("possible I1: born 2 FEB 1820, but the stated ages (MARR 1840) give 6/13/1816 through "
                          "6/12/1817\n");
        QTest::newRow("ages of several marriages")
            << QByteArray("1 BIRT|2 DATE 1816")
            << QByteArray(Marriage) + "|1 MARR|2 DATE 3 MAR 1870|2 HUSB|3 AGE 60y" << int(PeopleFirst)
            << QByteArray("certain I1: no birth date fits every stated age (MARR 1840 and MARR 1870): MARR 1840 "
                          "left out, the others giving 3/4/1809 through 3/3/1810; or MARR 1870 left out, the "
                          "others giving 6/13/1816 through 6/12/1817\n")
            << QByteArray();
    }

    void checkRules()
    {
        QFETCH(QByteArray, husband);
        QFETCH(QByteArray, family);
        QFETCH(int, layout);
        QFETCH(QByteArray, conflict);
        QFETCH(QByteArray, birthOutside);
        const std::vector<TreeFinding> found = findingsOf(
            tree(husband, {}, family, layout), stated({TreeRule::StatedAgesConflict, TreeRule::BirthOutsideStatedAges}));
        QCOMPARE(findingsText(found, TreeRule::StatedAgesConflict), conflict);
        QCOMPARE(findingsText(found, TreeRule::BirthOutsideStatedAges), birthOutside);
    }

    // Under a switch the ages' dates are read as the birth is: Old Style
    // dates of 1729 and 1750, 21 years apart, agree.
    void switchReadsEveryDate()
    {
        const QByteArray gedcom = tree("1 BIRT|2 DATE 5 JUN 1729|1 CENS|2 DATE 12 JUN 1750|2 AGE 21y", {},
                                       "1 MARR|2 DATE 12 JUN 1750|2 HUSB|3 AGE 21y");
        TreeCheckOptions options = stated({TreeRule::StatedAgesConflict, TreeRule::BirthOutsideStatedAges});
        options.calendar.calendar.firstGregorianDay = dayOf(CalendarDate{1752, 9, 14});
        QCOMPARE(findingsOf(gedcom, options).size(), size_t(0));
    }

    // Each person's own ages and their families' are weighed together, and
    // the findings come in the order of the people, whatever the order of
    // the records that state the ages.
    void findingsInPeopleOrder()
    {
        const QByteArray census = "1 CENS|2 DATE 30 MAR 1851|2 AGE 20";
        const QByteArray gedcom = tree(census, census, Marriage, PeopleFirst);
        const std::vector<TreeFinding> found = findingsOf(gedcom, stated({TreeRule::StatedAgesConflict}));
        QCOMPARE(found.size(), size_t(2));
        QCOMPARE(found[0].individual, std::string("I1"));
        QCOMPARE(found[1].individual, std::string("I2"));
    }
};

QTEST_GUILESS_MAIN(TestFamilyAges)
#include "tst_familyages.moc"
