// The batch job without files or options: whatever the pieces its input
// arrives in, and whether its rows are worked out on this thread or on
// worker threads, it writes the same output byte for byte, as every front
// end must.

#include "batchjob.h"
#include "batchpipeline.h"
#include "reading/datereader.h"

#include <optional>

#include <QTest>

#include <string>

using namespace spanwright;

namespace {

struct JobRun
{
    std::string out;
    Outcome outcome = Outcome::Answered;
    std::string problem;
};

JobRun runJob(const BatchSettings& settings, const std::string& input, size_t chunkSize, bool pipeline)
{
    JobRun run;
    BatchJob::StageMaker stages;
    if (pipeline) {
        stages = [](BatchRowStage::RowWriterMaker makeRowWriter, BatchRowStage::Sink sink) {
            return std::make_unique<BatchPipeline>(std::move(makeRowWriter), std::move(sink));
        };
    }
    BatchJob job(settings, [&run](std::string_view text) { run.out.append(text); }, stages);
    for (size_t start = 0; start < input.size(); start += chunkSize) {
        if (!job.feed(std::string_view(input).substr(start, chunkSize)))
            break;
    }
    run.outcome = job.finish();
    run.problem = job.problem();
    return run;
}

BatchSettings spans(const char* begin, const char* end, char delimiter = ',')
{
    BatchSettings settings;
    settings.firstColumn = begin;
    settings.secondColumn = end;
    settings.delimiter = delimiter;
    return settings;
}

std::string manyRows()
{
    constexpr int Rows = 10000; // more than one block of the pipeline
    std::string rows = "b,e\r\n";
    for (int i = 0; i < Rows; ++i)
        rows += i % 97 == 0 ? "x,1/1/1990\r\n" : std::to_string(1 + i % 12) + "/1/1900," + std::to_string(1000 + i) + "\r\n";
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(BatchSettings)
Q_DECLARE_METATYPE(spanwright::Outcome)

class TestBatchJob : public QObject
{
    Q_OBJECT

private slots:
    void sameOutput_data()
    {
        QTest::addColumn<BatchSettings>("settings");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<Outcome>("outcome");
        const auto row = [](const char* name, const BatchSettings& settings, const std::string& input,
                            const std::optional<std::string>& out, Outcome outcome) {
            // No output: only the same output in every piece size is held.
            const QByteArray expected = out ? QByteArray::fromStdString(*out) : QByteArray();
            QTest::newRow(name) << settings << QByteArray::fromStdString(input) << expected << outcome;
        };
        row("spans", spans("born", "died"), "name,born,died\nA,5/10/1950,3/1/1990\n",
            "name,born,died,years,months,days,span,error\nA,5/10/1950,3/1/1990,39,9,19,\"39 Year(s), 9 month(s), 19 day(s)\",\n", Outcome::Answered);
        row("byte order mark, CR LF, empty line, no final break", spans("1", "2"),
            "\xEF\xBB\xBF" "b,e\r\n\r\n1/1/1990,1/2/1990",
            "\xEF\xBB\xBF" "b,e,years,months,days,span,error\r\n\r\n1/1/1990,1/2/1990,0,0,1,\"0 Year(s), 0 month(s), 1 day(s)\",\r\n", Outcome::Answered);
        // Rows read without quotes after a header ended by CR LF: the
        // header's line break on every row, a longer row's results after
        // its extra field.
        row("the header's CR LF after plain rows", spans("b", "e"), "b,e\r\n1/1/1990,1/2/1990\n1990-01-01,1990-01-03,x\n",
            "b,e,years,months,days,span,error\r\n1/1/1990,1/2/1990,0,0,1,\"0 Year(s), 0 month(s), 1 day(s)\",\r\n"
            "1990-01-01,1990-01-03,x,0,0,2,\"0 Year(s), 0 month(s), 2 day(s)\",\r\n", Outcome::Answered);
        row("a byte order mark's start is text", spans("1", "1"), "\xEF\xBB", "\xEF\xBB,years,months,days,span,error\n", Outcome::Answered);
        row("semicolons", spans("1", "2", ';'), "b;e\n\"1/1/1990\";1990-01-02\n",
            "b;e;years;months;days;span;error\n1/1/1990;1990-01-02;0;0;1;0 Year(s), 0 month(s), 1 day(s);\n", Outcome::Answered);
        row("quoted fields across pieces", spans("2", "3"), "n,b,e\n\"a \"\"b\"\"\nc\",1/1/1990,1/1/1991\n",
            "n,b,e,years,months,days,span,error\n\"a \"\"b\"\"\nc\",1/1/1990,1/1/1991,1,0,0,\"1 Year(s), 0 month(s), 0 day(s)\",\n", Outcome::Answered);
        row("rows with errors", spans("1", "2"), "b,e\nx,1/1/1990\n",
            "b,e,years,months,days,span,error\nx,1/1/1990,,,,,\"the begin date \"\"x\"\" is not a date: it names no month ("
                + acceptedDateForms() + ")\"\n",
            Outcome::NoAnswer);
        row("a quote out of place keeps the rows before it", spans("1", "2"), "b,e\n1/1/1990,1/2/1990\n\"x\"y,1\n",
            "b,e,years,months,days,span,error\n1/1/1990,1/2/1990,0,0,1,\"0 Year(s), 0 month(s), 1 day(s)\",\n", Outcome::NotRead);
        row("no such column", spans("x", "2"), "a,b\n1,2\n", "", Outcome::NotRead);
        row("no header", spans("1", "2"), "", "", Outcome::NotRead);
        row("many rows", spans("b", "e"), manyRows(), std::nullopt, Outcome::NoAnswer);
        // Numeric days take a short way past the date reader: its borrowed
        // months (February of a leap year, December of the year before),
        // its order check and what it leaves to the reader (a short year).
        const std::string numericDays = "b,e\n2000-01-15,2000-03-01\n2001-01-15,2001-03-01\n12/20/1999,1/5/2000\n"
                                        "1/31/2001,3/1/2001\n2000-01-02,2000-01-01\n0999-12-31,1000-01-01\n1/1/50,1/1/1990\n"
                                        "2001-02-29,2001-03-01\n12/31/50,1/1/1990\n5/17-1990,1/1/2000\n";
        const std::string numericAnswers = "2000-01-15,2000-03-01,0,1,15,\"0 Year(s), 1 month(s), 15 day(s)\",\n"
                                           "2001-01-15,2001-03-01,0,1,14,\"0 Year(s), 1 month(s), 14 day(s)\",\n"
                                           "12/20/1999,1/5/2000,0,0,16,\"0 Year(s), 0 month(s), 16 day(s)\",\n"
                                           "1/31/2001,3/1/2001,0,1,1,\"0 Year(s), 1 month(s), 1 day(s)\",\n"
                                           "2000-01-02,2000-01-01,,,,,Error - Death Date Before Birth date\n"
                                           "0999-12-31,1000-01-01,0,0,1,\"0 Year(s), 0 month(s), 1 day(s)\",\n"
                                           "1/1/50,1/1/1990,,,,,\"the begin date \"\"1/1/50\"\" is not a date: the year 50 has "
                                           "two digits, and its century is not said: give --century 1900 or --pivot 1930, or "
                                           "write the year whole (0050 for the year 50)\"\n"
                                           "2001-02-29,2001-03-01,,,,,\"the begin date \"\"2001-02-29\"\" is not a date: "
                                           "day 29 is not in February 2001 (1 to 28) ("
                                         + acceptedDateForms() + ")\"\n"
                                           "12/31/50,1/1/1990,,,,,\"the begin date \"\"12/31/50\"\" is not a date: the year 50 "
                                           "has two digits, and its century is not said: give --century 1900 or --pivot 1930, "
                                           "or write the year whole (0050 for the year 50)\"\n"
                                           "5/17-1990,1/1/2000,,,,,\"the begin date \"\"5/17-1990\"\" is not a date: 5/17-1990 "
                                           "mixes the separators / and - ("
                                         + acceptedDateForms() + ")\"\n";
        row("numeric days", spans("b", "e"), numericDays, "b,e,years,months,days,span,error\n" + numericAnswers,
            Outcome::NoAnswer);
        BatchSettings dotted = spans("b", "e");
        dotted.notation = Notation::Dot;
        row("numeric days, dotted", dotted, "b,e\n2000-01-15,2000-03-01\n12/20/1999,1/5/2000\n",
            "b,e,years,months,days,span,error\n2000-01-15,2000-03-01,0,1,15,1.15.0,\n12/20/1999,1/5/2000,0,0,16,0.16.0,\n",
            Outcome::Answered);
        BatchSettings dayFirst = spans("b", "e");
        dayFirst.dateOrder = DateOrder::DayFirst;
        row("numeric days, day first", dayFirst, "b,e\n12/20/1999,5/1/2000\n20/12/1999,5/1/2000\n",
            "b,e,years,months,days,span,error\n12/20/1999,5/1/2000,,,,,\"the begin date \"\"12/20/1999\"\" is not a date: "
            "20 is not a month (1 to 12); it reads as a date month first: give --date-order mdy\"\n"
            "20/12/1999,5/1/2000,0,0,16,\"0 Year(s), 0 month(s), 16 day(s)\",\n",
            Outcome::NoAnswer);
    }
    void sameOutput()
    {
        QFETCH(BatchSettings, settings);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, out);
        QFETCH(Outcome, outcome);
        const std::string text = input.toStdString();
        const JobRun whole = runJob(settings, text, text.size() + 1, false);
        QCOMPARE(whole.outcome, outcome);
        if (!out.isNull())
            QCOMPARE(QByteArray::fromStdString(whole.out), out);
        QCOMPARE(whole.problem.empty(), outcome != Outcome::NotRead);
        for (size_t chunkSize : {size_t(1), size_t(2), size_t(7), size_t(4096)}) {
            for (bool pipeline : {false, true}) {
                const JobRun pieces = runJob(settings, text, chunkSize, pipeline);
                QVERIFY2(pieces.out == whole.out, qPrintable(QString("chunks of %1, pipeline %2").arg(chunkSize).arg(pipeline)));
                QCOMPARE(pieces.outcome, whole.outcome);
                QCOMPARE(pieces.problem, whole.problem);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestBatchJob)

#include "tst_batchjob.moc"
