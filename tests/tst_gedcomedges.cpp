// GEDCOM files at the edges: from pipes and standard input, damaged or cut
// short, with links and ids that the rules must not take at face value, and
// the bounds of the line reader.
#include "resultcheck.h"
#include "calendars/calendardate.h"
#include "gedcomdate.h"
#include "gedcomlinereader.h"
#include "gedcomrun.h"
#include "programrun.h"
#include "gedzip.h"
#include "treecheckfile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <minizip/zip.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <thread>

using namespace spanwright;

namespace {

const Day Today = dayOf({2026, 12, 9});

using Report = GedcomReportRun;

Report report(const QByteArray& input) { return runReport(input); }

QByteArray rowOf(const QByteArray& out, const QByteArray& id)
{
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith(id + ','))
            return line;
    }
    return {};
}

struct Checked
{
    bool read = false;
    QByteArray findings; // "rule certainty individual; ..."
    TreeCheckSummary summary;
    QByteArray warnings;
};

Checked check(QByteArray input)
{
    TreeCheckOptions options;
    options.today = Today;
    Checked result;
    std::FILE* in = fmemopen(input.data(), size_t(input.size()), "rb");
    std::ostringstream warnings;
    result.read = checkGedcomTree(in, "test.ged", options, warnings, [&](const TreeFinding& finding) {
        result.findings += (result.findings.isEmpty() ? "" : "; ") + QByteArray::fromStdString(std::string(treeRuleName(finding.rule)))
            + ' ' + QByteArray::fromStdString(std::string(certaintyName(finding.certainty))) + ' '
            + QByteArray::fromStdString(finding.individual);
    }, result.summary);
    std::fclose(in);
    result.warnings = QByteArray::fromStdString(warnings.str());
    return result;
}

QByteArray problemsOf(const FamilyTreeProblems& p)
{
    return "not gedcom " + QByteArray::number(p.linesNotGedcom) + ", jumps " + QByteArray::number(p.levelJumps)
        + (p.mayBeCut ? ", cut" : "") + ", dates " + QByteArray::number(p.unreadableDates) + ", ids "
        + QByteArray::number(p.duplicateIds);
}

const QByteArray Tree = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ann /Lee/\n1 BIRT\n2 DATE 1 JAN 1900\n"
                        "1 DEAT\n2 DATE 1 JAN 1950\n2 AGE 50y\n0 TRLR\n";

QByteArray zipOf(const QByteArray& entryName, const QByteArray& content, int method = Z_DEFLATED)
{
    QTemporaryDir dir;
    const QByteArray path = dir.filePath("a.gdz").toLocal8Bit();
    zipFile archive = zipOpen64(path.constData(), APPEND_STATUS_CREATE);
    zipOpenNewFileInZip64(archive, entryName.constData(), nullptr, nullptr, 0, nullptr, 0, nullptr, method,
                          method == 0 ? 0 : Z_DEFAULT_COMPRESSION, 0);
    zipWriteInFileInZip(archive, content.constData(), unsigned(content.size()));
    zipCloseFileInZip(archive);
    zipClose(archive, nullptr);
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A tree of count people, each born in 1880.
QByteArray largeTree(int count)
{
    QByteArray tree = "0 HEAD\n1 CHAR UTF-8\n";
    for (int i = 1; i <= count; ++i) {
        tree += "0 @I" + QByteArray::number(i) + "@ INDI\n1 NAME P" + QByteArray::number(i * 7919 % 100003)
            + " /Q/\n1 BIRT\n2 DATE " + QByteArray::number(1 + i % 28) + " MAR 1880\n1 DEAT\n2 DATE 1 JAN 1950\n";
    }
    return tree + "0 TRLR\n";
}

} // namespace

class TestGedcomEdges : public QObject
{
    Q_OBJECT

private slots:
    // A tree or an archive from a pipe (fed by a thread, since an archive
    // from one is read whole) or from a file, through the opening the
    // commands use: what the stream gives is the tree, or the reason.
    void streams_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QByteArray>("result"); // the tree, or "!" and the reason
        const QByteArray archive = zipOf("gedcom.ged", Tree);
        QTest::newRow("tree through a pipe") << Tree << true << Tree;
        QTest::newRow("archive through a pipe") << archive << true << Tree;
        QTest::newRow("archive from a file") << archive << false << Tree;
        QTest::newRow("shorter than the zip mark") << QByteArray("0 ") << true << QByteArray("0 ");
        QTest::newRow("empty pipe") << QByteArray() << true << QByteArray();
        QTest::newRow("archive cut short") << archive.left(archive.size() / 2) << true
                                           << QByteArray("!not a readable GEDZIP archive");
        QTest::newRow("archive of another name") << zipOf("GEDCOM.GED", Tree) << true
                                                 << QByteArray("!has no gedcom.ged");
        QByteArray large("PK\x03\x04", 4);
        large.append(QByteArray(qsizetype(MostArchiveBytesFromStream), '\0'));
        QTest::newRow("archive past the bound") << large << true << QByteArray("!larger than 256 MiB");
    }

    void streams()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, pipe);
        QFETCH(QByteArray, result);
        QTemporaryDir dir;
        std::string path = dir.filePath("tree").toStdString();
        std::thread feeder;
        int ends[2] = {-1, -1};
        if (pipe) {
            QCOMPARE(::pipe(ends), 0);
            path = "/dev/fd/" + std::to_string(ends[0]);
            feeder = std::thread([&] {
                for (qsizetype done = 0; done < bytes.size();) {
                    const ssize_t written = ::write(ends[1], bytes.constData() + done, size_t(bytes.size() - done));
                    if (written <= 0)
                        break;
                    done += written;
                }
                ::close(ends[1]);
            });
        } else {
            QFile file(QString::fromStdString(path));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        std::string error;
        std::FILE* in = openGedcomFile(path, error);
        const QByteArray got = in != nullptr ? contentsOf(in) : "!" + QByteArray::fromStdString(error);
        if (in != nullptr)
            std::fclose(in);
        if (pipe) {
            ::close(ends[0]); // a refused archive leaves the feeder writing
            feeder.join();
        }
        if (result.startsWith('!'))
            QVERIFY2(got.startsWith('!') && got.contains(result.mid(1)), got.left(200).constData());
        else
            QCOMPARE(got, result);
    }

    // The commands read standard input as "-", and a pipe named as a file.
    void standardInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("outContains");
        const QByteArray row = "I1,Ann Lee,1 JAN 1900,1 JAN 1950,";
        QTest::newRow("gedcom -") << QStringList{"gedcom", "-"} << Tree << 0 << row;
        QTest::newRow("gedcom /dev/stdin") << QStringList{"gedcom", "/dev/stdin"} << Tree << 0 << row;
        QTest::newRow("gedcom archive -") << QStringList{"gedcom", "-"} << zipOf("gedcom.ged", Tree) << 0 << row;
        QTest::newRow("check -") << QStringList{"check", "-", "--today", "12/9/2026"} << Tree << 0
                                 << QByteArray("rule,certainty");
        QTest::newRow("check, a line not read")
            << QStringList{"check", "-", "--today", "12/9/2026"} << QByteArray(Tree).replace("1 NAME", "NAME")
            << 1 << QByteArray("rule,certainty");
    }

    void standardInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QByteArray, outContains);
        const Run run = runProgram(arguments, input);
        QVERIFY2(run.out.contains(outContains), run.err.constData());
        QCOMPARE(run.status, status);
    }

    // A damaged GEDZIP archive, from a file or a pipe: its checksum is
    // compared though the reading stops at TRLR, and a read error of
    // either of the report's passes is told, status 2.
    void damagedArchives_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("err");
        const QByteArray stored = zipOf("gedcom.ged", Tree, 0);
        QByteArray yearChanged = stored;
        yearChanged.replace("1 JAN 1900", "1 JAN 1990");
        const QByteArray deflated = zipOf("gedcom.ged", largeTree(20000));
        QByteArray corrupt = deflated;
        for (qsizetype at = corrupt.size() / 2; at < corrupt.size() / 2 + 16; ++at)
            corrupt[at] = char(corrupt[at] ^ 0x5A);
        for (const QByteArray command : {"gedcom", "check"}) {
            const auto row = [&](const char* name, const QByteArray& archive, bool pipe, int status,
                                 const QByteArray& err) {
                QTest::newRow(qPrintable(command + ", " + name)) << command << archive << pipe << status << err;
            };
            row("stored, intact", stored, false, 0, "");
            row("deflated, intact, from a pipe", deflated, true, 0, "");
            row("stored, a year changed", yearChanged, false, 2, ": read error\n");
            row("stored, a year changed, from a pipe", yearChanged, true, 2, ": read error\n");
            row("deflated, its stream damaged", corrupt, false, 2, ": read error\n");
            row("deflated, its stream damaged, from a pipe", corrupt, true, 2, ": read error\n");
        }
    }

    void damagedArchives()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, archive);
        QFETCH(bool, pipe);
        QFETCH(int, status);
        QFETCH(QByteArray, err);
        QTemporaryDir dir;
        const QString path = dir.filePath("tree.gdz");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(archive);
        file.close();
        QStringList arguments{QString::fromLatin1(command), pipe ? "-" : path};
        if (command == "check")
            arguments << "--today" << "12/9/2026";
        const Run run = runProgram(arguments, pipe ? archive : QByteArray());
        QCOMPARE(run.status, status);
        if (err.isEmpty())
            QVERIFY2(!run.err.contains("error"), run.err.constData()); // check's summary line alone
        else
            QVERIFY2(run.err.endsWith(err) && run.err.count('\n') == 1, run.err.constData());
    }

    // A read error in the report's first pass over a pipe is told, status 2,
    // rather than the rows read from the short copy it leaves.
    void firstPassReadErrorTold()
    {
        struct FailingPipe
        {
            QByteArray bytes;
            qsizetype served = 0;
        };
        FailingPipe pipe{largeTree(2000).left(30000)};
        const cookie_io_functions_t functions{[](void* cookie, char* buffer, size_t size) -> ssize_t {
                                                  auto* stream = static_cast<FailingPipe*>(cookie);
                                                  if (stream->served == stream->bytes.size()) {
                                                      errno = EIO; // a disk fault after the first bytes
                                                      return -1;
                                                  }
                                                  const size_t count = std::min(size, size_t(stream->bytes.size() - stream->served));
                                                  std::memcpy(buffer, stream->bytes.constData() + stream->served, count);
                                                  stream->served += qsizetype(count);
                                                  return ssize_t(count);
                                              },
                                              nullptr, nullptr, nullptr};
        std::FILE* in = fopencookie(&pipe, "rb", functions);
        QVERIFY(in != nullptr);
        const Report reported = runReport(in);
        std::fclose(in);
        QCOMPARE(reported.status, 2);
        QCOMPARE(reported.warnings, QByteArray("test.ged: read error\n"));
    }

    // Standard input is read from where it stands, as a shell leaves it
    // after a command that read part of it: the second tree of a file, in
    // text or as an archive.
    void standardInputFromItsPosition_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("second"); // after Tree
        QTest::addColumn<QByteArray>("outContains");
        QTest::addColumn<QByteArray>("outLacks");
        QByteArray other = Tree;
        other.replace("Ann /Lee/", "Bea /Cole/").replace("@I1@", "@I7@");
        const QStringList check{"check", "-", "--today", "12/9/2026"};
        QTest::newRow("gedcom -") << QStringList{"gedcom", "-"} << other << QByteArray("I7,Bea Cole,")
                                  << QByteArray("Ann Lee");
        QTest::newRow("gedcom -, an archive") << QStringList{"gedcom", "-"} << zipOf("gedcom.ged", other)
                                              << QByteArray("I7,Bea Cole,") << QByteArray("Ann Lee");
        QTest::newRow("check -") << check << QByteArray(other).replace("1 DEAT\n2 DATE 1 JAN 1950", "1 DEAT\n2 DATE 1 JAN 1890")
                                 << QByteArray("I7") << QByteArray("I1");
    }

    void standardInputFromItsPosition()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, second);
        QFETCH(QByteArray, outContains);
        QFETCH(QByteArray, outLacks);
        QTemporaryDir dir;
        const QString path = dir.filePath("two.ged");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Tree + second);
        file.close();
        // dd reads the first tree's bytes, exactly, from the shared standard input.
        QProcess shell;
        shell.setProgram("/bin/sh");
        shell.setArguments(QStringList{"-c",
                                           "{ dd bs=" + QString::number(Tree.size())
                                               + " count=1 of=/dev/null 2>/dev/null; exec \"$0\" \"$@\"; } < \"$TWO\"",
                                           QStringLiteral(SPANWRIGHT_CLI_PATH)}
                                   + arguments);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TWO", path);
        shell.setProcessEnvironment(environment);
        shell.start();
        QVERIFY(shell.waitForFinished());
        const QByteArray out = shell.readAllStandardOutput();
        QVERIFY2(out.contains(outContains) && !out.contains(outLacks), out.constData());
    }

    // One oldest age for a GEDCOM file's AGE lines and narrow's records:
    // a greater one is refused by both, as a mistake; a value's NUL byte is
    // told as a control character, not as a byte of another encoding.
    void oldestAgeAndControlCharacters_data()
    {
        QTest::addColumn<QByteArray>("age"); // of the death, as the AGE line writes it
        QTest::addColumn<QString>("narrowAge"); // as a record writes it; empty: none to compare
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("warning");
        QTest::newRow("130 years") << QByteArray("130y") << "130" << false << QByteArray("Ann /Lee/") << QByteArray();
        QTest::newRow("131 years") << QByteArray("131y") << "131" << true << QByteArray("Ann /Lee/") << QByteArray();
        QTest::newRow("more than 200 years") << QByteArray("> 200y") << "" << true << QByteArray("Ann /Lee/")
                                             << QByteArray();
        QTest::newRow("47,580 days") << QByteArray("47580d") << "47580 days" << false << QByteArray("Ann /Lee/")
                                     << QByteArray();
        QTest::newRow("47,581 days") << QByteArray("47581d") << "47581 days" << true << QByteArray("Ann /Lee/")
                                     << QByteArray();
        QTest::newRow("a NUL in the name") << QByteArray("130y") << "" << false << QByteArray("Ann\0Lee /Lee/", 14)
                                           << QByteArray(": control characters (a NUL byte...) are shown as U+FFFD\n");
    }

    void oldestAgeAndControlCharacters()
    {
        QFETCH(QByteArray, age);
        QFETCH(QString, narrowAge);
        QFETCH(bool, refused);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, warning);
        const Report reported = report("0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME " + name
                                       + "\n1 BIRT\n2 DATE 1 JAN 1700\n1 DEAT\n2 DATE 1 JAN 1900\n2 AGE " + age
                                       + "\n0 TRLR\n");
        const QByteArray row = rowOf(reported.out, "I1");
        QCOMPARE(row.contains("more than anyone lives (the oldest age taken is 130 years)"), refused);
        QVERIFY2(!row.contains('\0'), row.constData());
        QCOMPARE(reported.warnings.endsWith(warning), true);
        if (warning.isEmpty())
            QVERIFY2(reported.warnings.isEmpty(), reported.warnings.constData());
        if (!narrowAge.isEmpty()) {
            const Run narrow = runProgram({"narrow", "1/1/1900: " + narrowAge});
            QCOMPARE(narrow.err.contains("the oldest age taken is 130 years"), refused);
        }
    }

    // Damaged files: both readers count what they could not read and say
    // so with status 1; a file mostly not GEDCOM is refused by both; a file
    // without TRLR is told as cut, and its last record is marked in the
    // report and is no certain finding of the check.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("body"); // after 0 HEAD
        QTest::addColumn<int>("reportStatus");
        QTest::addColumn<QByteArray>("lastRowError");
        QTest::addColumn<QByteArray>("problems"); // of the check, or "refused"
        QTest::addColumn<QByteArray>("findings");
        QTest::addColumn<QByteArray>("warning");
        const QByteArray person = "0 @I1@ INDI\n1 BIRT\n2 DATE 10 MAY 1850\n1 DEAT\n2 DATE 1 MAR 1900\n";
        QTest::newRow("clean") << person + "2 AGE 49y 9m 19d\n0 TRLR\n" << 0 << QByteArray()
                               << QByteArray("not gedcom 0, jumps 0, dates 0, ids 0") << QByteArray() << QByteArray();
        QTest::newRow("a line not GEDCOM") << "garbage here\n" + person + "0 TRLR\n" << 1 << QByteArray()
                                           << QByteArray("not gedcom 1, jumps 0, dates 0, ids 0") << QByteArray()
                                           << QByteArray("1 line(s) are not GEDCOM lines and were not read (the first is line 2)");
        QTest::newRow("a level jump") << QByteArray(person).replace("2 DATE 10", "3 DATE 10") + "0 TRLR\n" << 1
                                      << QByteArray() << QByteArray("not gedcom 0, jumps 1, dates 0, ids 0")
                                      << QByteArray() << QByteArray("(the first is line 4)");
        QTest::newRow("cut in the age") << person + "2 AGE 4" << 1
                                        << QByteArray("the file ends in this record without TRLR: it may be cut short")
                                        << QByteArray("not gedcom 0, jumps 0, cut, dates 0, ids 0")
                                        << QByteArray("stated_age possible I1") << QByteArray("its last record, I1 (line 2), incomplete");
        QTest::newRow("cut after a family") << person + "2 AGE 4y\n0 @F1@ FAM\n1 HUSB @I1@\n" << 1 << QByteArray()
                                            << QByteArray("not gedcom 0, jumps 0, cut, dates 0, ids 0")
                                            << QByteArray("stated_age certain I1") << QByteArray("F1 (line 8)");
        QTest::newRow("cut in a person's dates")
            << QByteArray("0 @I1@ INDI\n1 BIRT\n2 DATE 1900\n1 DEAT\n2 DATE 1800") << 1
            << QByteArray("the file ends in this record without TRLR: it may be cut short; the death date lies before the birth date")
            << QByteArray("not gedcom 0, jumps 0, cut, dates 0, ids 0") << QByteArray("death_before_birth possible I1")
            << QByteArray("I1 (line 2)");
        QTest::newRow("cut in a family") << QByteArray("0 @I1@ INDI\n1 DEAT\n2 DATE 1800\n0 @F1@ FAM\n1 HUSB @I1@\n1 MARR\n2 DATE 1850\n")
                                         << 1 << QByteArray() << QByteArray("not gedcom 0, jumps 0, cut, dates 0, ids 0")
                                         << QByteArray("marriage_after_death possible I1") << QByteArray("F1 (line 5)");
        QByteArray garbage;
        for (int i = 0; i < 7; ++i)
            garbage += "\x8f\x01 binary\n";
        QTest::newRow("mostly garbage") << person + garbage + "0 TRLR\n" << 2 << QByteArray() << QByteArray("refused")
                                        << QByteArray() << QByteArray("7 of its 13 lines are not GEDCOM lines");
        QTest::newRow("half garbage") << garbage.left(garbage.size() - 10) + person + "0 TRLR\n" << 1 << QByteArray()
                                      << QByteArray("not gedcom 6, jumps 0, dates 0, ids 0") << QByteArray()
                                      << QByteArray("6 line(s) are not GEDCOM");
    }

    void damagedFiles()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, reportStatus);
        QFETCH(QByteArray, lastRowError);
        QFETCH(QByteArray, problems);
        QFETCH(QByteArray, findings);
        QFETCH(QByteArray, warning);
        const QByteArray file = "0 HEAD\n" + body;
        const Report reported = report(file);
        QCOMPARE(reported.status, reportStatus);
        if (reportStatus != 2)
            QVERIFY2(rowOf(reported.out, "I1").endsWith("," + lastRowError), reported.out.constData());
        const Checked checked = check(file);
        QCOMPARE(checked.read, problems != "refused");
        if (checked.read) {
            QCOMPARE(problemsOf(checked.summary.problems), problems);
            QCOMPARE(checked.findings, findings);
        }
        for (const QByteArray& warnings : {reported.warnings, checked.warnings}) {
            if (warning.isEmpty())
                QVERIFY2(warnings.isEmpty(), warnings.constData());
            else
                QVERIFY2(warnings.contains(warning), warnings.constData());
        }
    }

    // The check's gaps: a French Republican date in a mixed range, burials
    // as the last day of life, links not by birth, ids used twice, dates it
    // cannot read. I1 is the husband, I2 the wife, I3 their child.
    void treeRules_data()
    {
        QTest::addColumn<QByteArray>("husband");
        QTest::addColumn<QByteArray>("wife");
        QTest::addColumn<QByteArray>("child");   // the lines of I3 and of the CHIL of F1 after "|"
        QTest::addColumn<QByteArray>("findings");
        QTest::addColumn<QByteArray>("problems");
        QTest::addColumn<QByteArray>("warning");
        const QByteArray born1800 = "1 BIRT\n2 DATE 1800\n";
        const QByteArray born1805 = "1 BIRT\n2 DATE 1805\n";
        const QByteArray none = "not gedcom 0, jumps 0, dates 0, ids 0";
        QTest::newRow("French year in a mixed range")
            << QByteArray("1 BIRT\n2 DATE 1765\n") << QByteArray("1 BIRT\n2 DATE 1770\n1 DEAT\n2 DATE 1 JAN 1794\n")
            << QByteArray("1 BIRT\n2 DATE BET 1790 AND @#DFRENCH R@ 1 VEND 3\n|")
            << QByteArray("late_marriage certain I1; marriage_after_death certain I2; late_marriage certain I2; "
                          "birth_after_mother_death possible I3")
            << none << QByteArray();
        QTest::newRow("mother buried before the birth")
            << born1800 << born1805 + "1 BURI\n2 DATE 1830\n" << QByteArray("1 BIRT\n2 DATE 1832\n|")
            << QByteArray("birth_after_mother_death certain I3") << none << QByteArray();
        QTest::newRow("father buried long before the birth")
            << born1800 + "1 BURI\n2 DATE 1829\n" << born1805 << QByteArray("1 BIRT\n2 DATE 1831\n|")
            << QByteArray("birth_after_father_death certain I3") << none << QByteArray();
        QTest::newRow("a death date before the burial wins")
            << born1800 + "1 DEAT\n2 DATE 1831\n1 BURI\n2 DATE 1829\n" << born1805 << QByteArray("1 BIRT\n2 DATE 1830\n|")
            << QByteArray("burial_before_death certain I1") << none << QByteArray();
        QTest::newRow("married after the burial")
            << born1800 + "1 BURI\n2 DATE 1821\n" << born1805 << QByteArray("|")
            << QByteArray("marriage_after_death certain I1") << none << QByteArray();
        QTest::newRow("adopted by PEDI")
            << born1800 << born1805 << QByteArray("1 BIRT\n2 DATE 1790\n1 FAMC @F1@\n2 PEDI adopted\n|") << QByteArray()
            << none << QByteArray();
        QTest::newRow("foster by PEDI")
            << born1800 << born1805 << QByteArray("1 BIRT\n2 DATE 1790\n1 FAMC @F1@\n2 PEDI Foster\n|") << QByteArray()
            << none << QByteArray();
        for (const char* pedigree : {"stepchild", "SEALING", "Sponsored"})
            QTest::addRow("not by birth: PEDI %s", pedigree)
                << born1800 << born1805
                << QByteArray("1 BIRT\n2 DATE 1790\n1 FAMC @F1@\n2 PEDI ") + pedigree + "\n|" << QByteArray()
                << none << QByteArray();
        QTest::newRow("adopted by both in an ADOP event")
            << born1800 << born1805 << QByteArray("1 BIRT\n2 DATE 1790\n1 ADOP\n2 DATE 1795\n2 FAMC @F1@\n|") << QByteArray()
            << none << QByteArray();
        QTest::newRow("adopted by the husband in an ADOP event")
            << born1800 << born1805 << QByteArray("1 BIRT\n2 DATE 1803\n1 ADOP\n2 FAMC @F1@\n3 ADOP HUSB\n|")
            << QByteArray("unborn_parent certain I3") << none << QByteArray();
        QTest::newRow("by birth stated") << born1800 << born1805
                                         << QByteArray("1 BIRT\n2 DATE 1790\n1 FAMC @F1@\n2 PEDI birth\n|")
                                         << QByteArray("unborn_parent certain I3; unborn_parent certain I3") << none
                                         << QByteArray();
        QTest::newRow("stepchild of the father") << born1800 << born1805
                                                 << QByteArray("1 BIRT\n2 DATE 1803\n|2 _FREL Step\n2 _MREL Natural\n")
                                                 << QByteArray("unborn_parent certain I3") << none << QByteArray();
        QTest::newRow("foster child of the mother") << born1800 << born1805
                                                    << QByteArray("1 BIRT\n2 DATE 1803\n|2 _MREL Foster\n")
                                                    << QByteArray("young_father certain I1") << none << QByteArray();
        const QByteArray twins = "1 BIRT\n2 DATE 1 JAN 1830\n1 FAMC @F1@\n%0 @I4@ INDI\n1 BIRT\n2 DATE 1 MAR 1830\n1 FAMC @F1@\n|";
        QTest::newRow("siblings close together") << born1800 << born1805 << QByteArray(twins).replace("%", "")
                                                 << QByteArray("child_spacing certain I4") << none << QByteArray();
        QTest::newRow("an adopted sibling close to another")
            << born1800 << born1805 << QByteArray(twins).replace("%", "2 PEDI adopted\n") << QByteArray() << none
            << QByteArray();
        QTest::newRow("duplicate id")
            << born1800 << born1805 << QByteArray("1 BIRT\n2 DATE 1830\n|") + "0 @I1@ INDI\n1 BIRT\n2 DATE 1700\n"
            << QByteArray() << QByteArray("not gedcom 0, jumps 0, dates 0, ids 1")
            << QByteArray("line 16: the id @I1@ is that of line 2 as well; links to it go to line 2");
        QTest::newRow("unreadable dates")
            << QByteArray("1 BIRT\n2 DATE 31 FEB 1800\n1 DEAT\n2 DATE ABT\n") << born1805 + "1 DEAT\n2 DATE DECEASED\n"
            << QByteArray("1 BIRT\n2 DATE 1830\n|")
            << QByteArray() << QByteArray("not gedcom 0, jumps 0, dates 2, ids 0")
            << QByteArray("2 date(s) could not be read and were left out of the check (the first, line 5: \"31 FEB 1800\": FEB 1800 has 28 days)");
    }

    // Under --switch a date in the days the switch left out is refused, and
    // counted as a date that cannot be read, as any other.
    void switchGapCounted()
    {
        QByteArray file = "0 HEAD\n0 @I1@ INDI\n1 BIRT\n2 DATE 10 OCT 1582\n1 DEAT\n2 DATE 1 NOV 1582\n0 TRLR\n";
        TreeCheckOptions options;
        options.calendar.calendar.firstGregorianDay = dayOf(CalendarDate{1582, 10, 15});
        std::FILE* in = fmemopen(file.data(), size_t(file.size()), "rb");
        std::ostringstream warnings;
        TreeCheckSummary summary;
        QVERIFY(checkGedcomTree(in, "test.ged", options, warnings, [](const TreeFinding&) {}, summary));
        std::fclose(in);
        QCOMPARE(summary.problems.unreadableDates, 1LL);
        QVERIFY2(warnings.str().find("10 OCT 1582") != std::string::npos, warnings.str().c_str());
    }

    void treeRules()
    {
        QFETCH(QByteArray, husband);
        QFETCH(QByteArray, wife);
        QFETCH(QByteArray, child);
        QFETCH(QByteArray, findings);
        QFETCH(QByteArray, problems);
        QFETCH(QByteArray, warning);
        const qsizetype bar = child.indexOf('|');
        const QByteArray file = "0 HEAD\n0 @I1@ INDI\n1 SEX M\n" + husband + "0 @I2@ INDI\n1 SEX F\n" + wife
            + "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 1825\n1 CHIL @I3@\n" + child.mid(bar + 1)
            + "0 @I3@ INDI\n" + child.left(bar) + "0 TRLR\n";
        const Checked checked = check(file);
        QVERIFY(checked.read);
        QCOMPARE(checked.findings, findings);
        QCOMPARE(problemsOf(checked.summary.problems), problems);
        if (warning.isEmpty())
            QVERIFY2(checked.warnings.isEmpty(), checked.warnings.constData());
        else
            QVERIFY2(checked.warnings.contains(warning), checked.warnings.constData());
    }

    // A two-digit year after a date of another calendar is that calendar's
    // year, not the first date's century.
    void mixedRanges_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QDate>("latest");
        QTest::newRow("French year 3") << QByteArray("BET 1790 AND @#DFRENCH R@ 1 VEND 3") << QDate(1794, 9, 22);
        QTest::newRow("French year 13") << QByteArray("BET 1790 AND @#DFRENCH R@ COMP 13") << QDate(1805, 9, 22);
        QTest::newRow("Gregorian short year") << QByteArray("BET 1790 AND 95") << QDate(1795, 12, 31);
        QTest::newRow("Julian short year") << QByteArray("BET @#DJULIAN@ 1690 AND @#DJULIAN@ 95") << QDate(1696, 1, 10);
    }

    void mixedRanges()
    {
        QFETCH(QByteArray, value);
        QFETCH(QDate, latest);
        const Result<GedcomDate> date = readGedcomDate(value.toStdString());
        QVERIFY2(date.ok(), whyNot(date));
        QCOMPARE(date->days.latest->number(), dayOf({latest.year(), latest.month(), latest.day()}).number());
    }

    // Record tags in lower case are read by both; a line of exactly the
    // longest length is read, one byte more refuses the file; of two BIRT
    // events the report and the check use the same one.
    void recordsBoundsAndBirths_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("reportStatus");
        QTest::addColumn<QByteArray>("row"); // of I2
        QTest::addColumn<QByteArray>("findings");
        const auto note = [](qsizetype length) {
            const QByteArray start = "1 NOTE ";
            return start + QByteArray(length - start.size(), 'x') + '\n';
        };
        const QByteArray deathBefore = "1 BIRT\n2 DATE 1900\n1 DEAT\n2 DATE 1800\n";
        QTest::newRow("lower-case record") << "0 @I2@ indi\n" + deathBefore + "0 trlr\n" << 1
                                           << QByteArray("I2,,1900,1800,,,,,,the death date lies before the birth date")
                                           << QByteArray("death_before_birth certain I2");
        QTest::newRow("lower-case family") << QByteArray("0 @I2@ INDI\n1 SEX F\n1 BIRT\n2 DATE 1900\n0 @F1@ fam\n1 WIFE @I2@\n1 CHIL @I3@\n"
                                                         "0 @I3@ INDI\n1 BIRT\n2 DATE 1890\n0 TRLR\n")
                                           << 0 << QByteArray("I2,,1900,,,,,,,") << QByteArray("unborn_parent certain I3");
        QTest::newRow("line of the longest length")
            << "0 @I2@ INDI\n" + note(qsizetype(GedcomLineReader::LongestReadLine)) + deathBefore + "0 TRLR\n" << 1
            << QByteArray("I2,,1900,1800,,,,,,the death date lies before the birth date")
            << QByteArray("death_before_birth certain I2");
        QTest::newRow("line one byte longer")
            << "0 @I2@ INDI\n" + note(qsizetype(GedcomLineReader::LongestReadLine) + 1) + deathBefore + "0 TRLR\n" << 2
            << QByteArray() << QByteArray("!");
        QTest::newRow("two births, the first later than the death")
            << QByteArray("0 @I2@ INDI\n1 BIRT\n2 DATE 1 JAN 1900\n1 BIRT\n2 DATE 1 JAN 1800\n1 DEAT\n2 DATE 1 JAN 1850\n0 TRLR\n") << 1
            << QByteArray("I2,,1 JAN 1900,1 JAN 1850,,,,,,the death date lies before the birth date")
            << QByteArray("death_before_birth certain I2");
        QTest::newRow("two births, the second later than the death")
            << QByteArray("0 @I2@ INDI\n1 BIRT\n2 DATE 1 JAN 1800\n1 BIRT\n2 DATE 1 JAN 1900\n1 DEAT\n2 DATE 1 JAN 1850\n0 TRLR\n") << 0
            << QByteArray("I2,,1 JAN 1800,1 JAN 1850,\"50 Year(s), 0 month(s), 0 day(s)\",,,,,") << QByteArray();
    }

    void recordsBoundsAndBirths()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, reportStatus);
        QFETCH(QByteArray, row);
        QFETCH(QByteArray, findings);
        const QByteArray file = "0 HEAD\n" + body;
        const Report reported = report(file);
        QCOMPARE(reported.status, reportStatus);
        QCOMPARE(rowOf(reported.out, "I2"), row);
        const Checked checked = check(file);
        QCOMPARE(checked.read, findings != "!");
        if (checked.read)
            QCOMPARE(checked.findings, findings);
    }
};

QTEST_GUILESS_MAIN(TestGedcomEdges)
#include "tst_gedcomedges.moc"
