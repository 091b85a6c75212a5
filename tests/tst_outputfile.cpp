// -o FILE written whole or not at all: the output file on its own, and the
// batch interrupted by a signal or stopped by a full disk (a file size limit
// stands in for one).

#include "outputfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <csignal>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The program with its standard input and error as pipes; limit, where not
// 0, the largest file it may write, as a full disk stops it.
struct Child
{
    pid_t pid = -1;
    int input = -1;
    int error = -1;
};

Child start(const QStringList& arguments, rlim_t fileSizeLimit = 0)
{
    int in[2];
    int err[2];
    if (pipe(in) != 0 || pipe(err) != 0)
        return {};
    std::vector<std::string> strings{SPANWRIGHT_CLI_PATH};
    for (const QString& argument : arguments)
        strings.push_back(argument.toStdString());
    std::vector<char*> argv;
    for (std::string& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(err[1], STDERR_FILENO);
        close(in[1]);
        close(err[0]);
        if (fileSizeLimit != 0) {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN); // a write past it fails instead
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(err[1]);
    return {pid, in[1], err[0]};
}

void send(const Child& child, const QByteArray& bytes)
{
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t n = write(child.input, bytes.constData() + sent, bytes.size() - sent);
        if (n <= 0)
            return;
        sent += n;
    }
}

// Its status as a shell gives it (128 + the signal that ended it), and what it
// said on standard error.
std::pair<int, QByteArray> finish(const Child& child)
{
    close(child.input);
    QByteArray err;
    char buffer[4096];
    for (ssize_t n; (n = read(child.error, buffer, sizeof buffer)) > 0;)
        err.append(buffer, n);
    close(child.error);
    int status = 0;
    waitpid(child.pid, &status, 0);
    return {WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status), err};
}

QByteArray rows(int count)
{
    QByteArray text = "Name,Born,Died\n";
    for (int i = 0; i < count; ++i)
        text += "Person " + QByteArray::number(i) + ",7/1/1874,1/1/2000\n";
    return text;
}

// Rows for narrow --csv, a person each.
QByteArray censusRows(int count)
{
    QByteArray text = "Name,Census,Age\n";
    for (int i = 0; i < count; ++i)
        text += "Person " + QByteArray::number(i) + ",US 1880 census," + QByteArray::number(i % 90) + "\n";
    return text;
}

} // namespace

class TestOutputFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { std::signal(SIGPIPE, SIG_IGN); } // a program that stops reading
    void written_data();
    void written();
    void uncommittedLeavesOldFile_data();
    void uncommittedLeavesOldFile();
    void batchEndedEarly_data();
    void batchEndedEarly();
};

void TestOutputFile::written_data()
{
    QTest::addColumn<QByteArray>("old"); // "(none)": no old file
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<int>("mode");
    QTest::newRow("a new file") << QByteArray("(none)") << false << 0;
    QTest::newRow("over an old file, its permissions kept") << QByteArray("old rows\n") << false << 0640;
    QTest::newRow("through a link, the link kept") << QByteArray("old rows\n") << true << 0604;
}

void TestOutputFile::written()
{
    QFETCH(QByteArray, old);
    QFETCH(bool, throughLink);
    QFETCH(int, mode);
    QTemporaryDir dir;
    const QString target = dir.filePath("spans.csv");
    const QString path = throughLink ? dir.filePath("link.csv") : target;
    if (old != "(none)") {
        writeFile(target, old);
        QVERIFY(chmod(QFile::encodeName(target).constData(), mode) == 0);
    }
    if (throughLink)
        QVERIFY(QFile::link(target, path));
    {
        OutputFile output(path.toStdString());
        QCOMPARE(readFile(target), old); // untouched while written
        std::fputs("new rows\n", output.stream());
        output.commit();
    }
    QCOMPARE(readFile(target), QByteArray("new rows\n"));
    QCOMPARE(QFileInfo(path).isSymLink(), throughLink);
    QCOMPARE(entries(dir).size(), throughLink ? 2 : 1); // no temporary file left
    struct stat status {};
    QVERIFY(stat(QFile::encodeName(target).constData(), &status) == 0);
    if (mode != 0)
        QCOMPARE(int(status.st_mode & 0777), mode);
    else
        QVERIFY((status.st_mode & 0400) != 0);
}

void TestOutputFile::uncommittedLeavesOldFile_data()
{
    QTest::addColumn<bool>("failedWrite"); // else destroyed uncommitted
    QTest::newRow("destroyed uncommitted") << false;
    QTest::newRow("a write that fails") << true;
}

void TestOutputFile::uncommittedLeavesOldFile()
{
    QFETCH(bool, failedWrite);
    QTemporaryDir dir;
    const QString path = dir.filePath("spans.csv");
    writeFile(path, "old rows\n");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    QString message;
    {
        OutputFile output(path.toStdString());
        QCOMPARE(QString::fromStdString(output.untouchedNote()), path + " is left as it was");
        std::fputs("new rows\n", output.stream());
        if (failedWrite) {
            const rlimit limit{4, saved.rlim_max};
            std::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &limit);
            try {
                output.commit();
            } catch (const OutputFile::Error& error) {
                message = error.what();
            }
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, SIG_DFL);
        }
    }
    if (failedWrite)
        QCOMPARE(message, "cannot write " + path + ": File too large (" + path + " is left as it was)");
    QCOMPARE(readFile(path), QByteArray("old rows\n"));
    QCOMPARE(entries(dir), QStringList{"spans.csv"});
}

void TestOutputFile::batchEndedEarly_data()
{
    QTest::addColumn<bool>("narrow"); // narrow --csv, else batch
    QTest::addColumn<int>("signal"); // 0: a disk that fills up
    QTest::addColumn<bool>("oldFile");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("Ctrl-C") << false << SIGINT << true << 130 << "interrupted: %1 is left as it was";
    QTest::newRow("SIGTERM") << false << SIGTERM << true << 143 << "terminated: %1 is left as it was";
    QTest::newRow("SIGHUP, no old file") << false << SIGHUP << false << 129 << "hung up: %1 is not written";
    QTest::newRow("a full disk") << false << 0 << true << 2 << "cannot write %1: File too large (%1 is left as it was)";
    QTest::newRow("a full disk, no old file")
        << false << 0 << false << 2 << "cannot write %1: File too large (%1 is not written)";
    QTest::newRow("narrow --csv, a full disk")
        << true << 0 << true << 2 << "cannot write %1: File too large (%1 is left as it was)";
    QTest::newRow("narrow --csv, a full disk, no old file")
        << true << 0 << false << 2 << "cannot write %1: File too large (%1 is not written)";
}

void TestOutputFile::batchEndedEarly()
{
    QFETCH(bool, narrow);
    QFETCH(int, signal);
    QFETCH(bool, oldFile);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("out.csv");
    if (oldFile)
        writeFile(path, "old rows\n");
    constexpr rlim_t DiskRoom = 100000;
    // narrow reads a file (a pipe it would copy, against the same limit).
    QTemporaryDir inputDir;
    const QString input = inputDir.filePath("census.csv");
    if (narrow)
        writeFile(input, censusRows(20000)); // more than the disk holds
    const QStringList arguments = narrow
        ? QStringList{"narrow", "--csv", input, "--person", "Name", "--date", "Census", "--age", "Age", "-o", path}
        : QStringList{"batch", "-b", "Born", "-e", "Died", "-o", path};
    const Child child = start(arguments, signal == 0 ? DiskRoom : 0);
    QVERIFY(child.pid > 0);
    if (signal == 0) {
        if (!narrow)
            send(child, rows(20000)); // more than the disk holds
    } else {
        // Rows until it has written some to its temporary file.
        const auto writing = [&dir, oldFile] {
            const QStringList names = entries(dir);
            return names.size() == (oldFile ? 2 : 1) && QFileInfo(dir.filePath(names.first())).size() > 0;
        };
        QElapsedTimer waited;
        waited.start();
        for (send(child, rows(1)); !writing() && waited.elapsed() < 20000;)
            send(child, rows(1000).mid(15));
        QVERIFY(writing());
        kill(child.pid, signal);
    }
    const auto [exitStatus, err] = finish(child);
    QCOMPARE(exitStatus, status);
    QCOMPARE(QString::fromUtf8(err), "spanwright-cli: " + message.arg(path) + "\n");
    QCOMPARE(readFile(path), oldFile ? QByteArray("old rows\n") : QByteArray("(none)"));
    QCOMPARE(entries(dir).size(), oldFile ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestOutputFile)
#include "tst_outputfile.moc"
