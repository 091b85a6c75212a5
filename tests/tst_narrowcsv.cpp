// narrow --csv without files: one row per person in the order of first
// appearance, every row counted in a person's records or in an error row,
// and the rows a conflicting person's largest sets leave out, whatever the
// pieces the input arrives in.

#include "narrowcsvjob.h"

#include <QTest>

#include <string>

using namespace spanwright;

namespace {

struct JobRun
{
    std::string out;
    Outcome outcome = Outcome::Answered;
    int passes = 0;
    std::string problem;
};

JobRun runJob(const std::string& input, size_t chunkSize, std::string person = "Name")
{
    NarrowCsvSettings settings;
    settings.personColumn = std::move(person);
    settings.dateColumn = "When";
    settings.ageColumn = "Age";
    NarrowCsvJob job(settings);
    JobRun run;
    do {
        ++run.passes;
        for (size_t start = 0; start < input.size(); start += chunkSize) {
            if (!job.feed(std::string_view(input).substr(start, chunkSize)))
                break;
        }
    } while (job.endPass());
    run.outcome = job.write([&run](std::string_view text) { run.out.append(text); });
    run.problem = job.problem();
    return run;
}

const std::string Census = "Name,When,Age\r\n"
                           "Ann Ward,US 1850 census,30\r\n"   // row 2
                           "John Hale,US 1860 census,4\r\n"   // row 3
                           "Ann Ward,US 1860 census,40\r\n"   // row 4
                           ",US 1870 census,5\r\n"            // row 5: no person
                           "Ann Ward,US 1870 census,30\r\n"   // row 6: ten years out
                           "John Hale,US 1895 census,4\r\n"   // row 7: no such census
                           "\"Ward, Ann\",6/1/1880,of full age\r\n"
                           "Ann Ward,US 1880 census,60\r\n"
                           // An approximate record and an exact one: the
                           // window is the census's, marked about.
                           "Mary Lee,abt 1850,30\r\n"
                           "Mary Lee,US 1860 census,40\r\n";

} // namespace

class NarrowCsvTest : public QObject
{
    Q_OBJECT

private slots:
    void everyRowAccountedFor_data();
    void everyRowAccountedFor();
    void agreeingPeopleNeedOnePass();
    void missingColumnIsNamed();
};

void NarrowCsvTest::everyRowAccountedFor_data()
{
    QTest::addColumn<int>("chunkSize");
    QTest::newRow("byte by byte") << 1;
    QTest::newRow("seven bytes") << 7;
    QTest::newRow("whole file") << 4096;
}

void NarrowCsvTest::everyRowAccountedFor()
{
    QFETCH(int, chunkSize);
    const JobRun run = runJob(Census, static_cast<size_t>(chunkSize));
    QCOMPARE(run.outcome, Outcome::NoAnswer);
    // Ann Ward's records conflict: her largest sets come from the windows
    // read, not from a second reading.
    QCOMPARE(run.passes, 1);
    QCOMPARE(run.out,
             std::string("person,records,earliest,latest,dates,conflict,error\r\n"
                         "Ann Ward,4,6/2/1819,6/1/1820,366,row 6,\r\n"
                         "John Hale,1,6/2/1855,6/1/1856,366,,\r\n"
                         "John Hale,0,,,,,\"row 7: the census \"\"US 1895 census\"\" is not known: the US censuses "
                         "known are those of 1790, 1800, 1810, 1820, 1830, 1840, 1850, 1860, 1870, 1880, 1890, 1900, "
                         "1910, 1920, 1930, 1940, 1950\"\r\n"
                         "\"Ward, Ann\",1,,6/1/1859,,,\r\n"
                         "Mary Lee,2,about 6/2/1819,about 6/1/1820,366,,\r\n"
                         ",0,,,,,row 5: no person\r\n"));
}

void NarrowCsvTest::agreeingPeopleNeedOnePass()
{
    std::string rows = "Name,When,Age\n";
    constexpr int People = 600; // more than the first size of the name index holds
    for (int census = 1850; census <= 1880; census += 10) {
        for (int person = 0; person < People; ++person)
            rows += "P" + std::to_string(person) + ",US " + std::to_string(census) + " census,"
                + std::to_string(census - 1850 + 20 + person % 7) + "\n";
    }
    const JobRun run = runJob(rows, 1000);
    QCOMPARE(run.outcome, Outcome::Answered);
    QCOMPARE(run.passes, 1);
    // One row per person, in the order of first appearance, each with its
    // four records.
    int lines = 0;
    for (size_t line = run.out.find('\n') + 1; line < run.out.size(); line = run.out.find('\n', line) + 1) {
        const std::string expected = "P" + std::to_string(lines) + ",4,";
        QCOMPARE(run.out.substr(line, expected.size()), expected);
        ++lines;
    }
    QCOMPARE(lines, People);
}

void NarrowCsvTest::missingColumnIsNamed()
{
    const JobRun run = runJob(Census, 64, "Person");
    QCOMPARE(run.outcome, Outcome::NotRead);
    QVERIFY2(run.problem.find("--person Person: the header has no such column") != std::string::npos,
             run.problem.c_str());
}

QTEST_GUILESS_MAIN(NarrowCsvTest)
#include "tst_narrowcsv.moc"
