// -o FILE written whole or not at all: the output file on its own, and the
// batch interrupted by a signal or stopped by a full disk (a file size limit
// stands in for one).

#include "outputfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <csignal>
#include <unistd.h>

namespace {

// A umask while the guard lives (a negative one: the test's own).
struct UmaskGuard
{
    explicit UmaskGuard(int mask) : saved(umask(0)) { umask(mask < 0 ? saved : mode_t(mask)); }
    ~UmaskGuard() { umask(saved); }
    mode_t saved;
};

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

// fileSizeSignal: whether a write past the limit sends SIGXFSZ, as it does
// unless the signal is ignored (then the write fails, as on a full disk).
Child start(const QStringList& arguments, rlim_t fileSizeLimit = 0, bool fileSizeSignal = false)
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
            if (!fileSizeSignal)
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
    void temporaryCopies_data();
    void temporaryCopies();
    void archiveReadTwiceWithoutACopy();
};

void TestOutputFile::written_data()
{
    QTest::addColumn<QByteArray>("old"); // "(none)": no old file
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("mask"); // the umask, -1 for the test's own
    QTest::newRow("a new file") << QByteArray("(none)") << false << 0 << -1;
    QTest::newRow("a new file under umask 002") << QByteArray("(none)") << false << 0664 << 002;
    QTest::newRow("a new file under umask 027") << QByteArray("(none)") << false << 0640 << 027;
    QTest::newRow("over an old file, its permissions kept") << QByteArray("old rows\n") << false << 0640 << -1;
    QTest::newRow("over an old file, its set-group-id bit kept") << QByteArray("old rows\n") << false << 02664 << -1;
    QTest::newRow("through a link, the link kept") << QByteArray("old rows\n") << true << 0604 << -1;
}

void TestOutputFile::written()
{
    QFETCH(QByteArray, old);
    QFETCH(bool, throughLink);
    QFETCH(int, mode);
    QFETCH(int, mask);
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
        const UmaskGuard guard(mask);
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
        QCOMPARE(int(status.st_mode & 07777), mode);
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
    QTest::newRow("SIGQUIT") << false << SIGQUIT << true << 131 << "quit: %1 is left as it was";
    QTest::newRow("SIGUSR1") << false << SIGUSR1 << true << 138 << "user signal 1: %1 is left as it was";
    QTest::newRow("SIGALRM") << false << SIGALRM << true << 142 << "alarm clock: %1 is left as it was";
    QTest::newRow("SIGXCPU") << false << SIGXCPU << true << 152 << "CPU time limit exceeded: %1 is left as it was";
    QTest::newRow("SIGXFSZ, no old file") << false << SIGXFSZ << false << 153
                                          << "file size limit exceeded: %1 is not written";
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

void TestOutputFile::temporaryCopies_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("usableTmpdir"); // else TMPDIR names a folder that is not there
    QTest::addColumn<int>("fileSizeLimit"); // 0: none
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err"); // what standard error holds; %1 the TMPDIR
    QByteArray tree = "0 HEAD\n1 CHAR UTF-8\n";
    for (int i = 0; i < 5000; ++i)
        tree += "0 @I" + QByteArray::number(i) + "@ INDI\n1 BIRT\n2 DATE 1 JAN 1900\n1 DEAT\n2 DATE 1 JAN 1950\n";
    tree += "0 @F1@ FAM\n1 HUSB @I1@\n1 MARR\n2 DATE 1 JUN 1925\n2 HUSB\n3 AGE 25y\n0 TRLR\n";
    const QStringList narrow{"narrow", "--csv", "-", "--person", "Name", "--date", "Census", "--age", "Age"};
    const QString limitNote = "spanwright-cli: file size limit exceeded (ulimit -f)";
    QTest::newRow("gedcom from a pipe, past the file size limit")
        << QStringList{"gedcom", "-"} << tree << true << 20000 << 153 << limitNote;
    QTest::newRow("narrow --csv from a pipe, past the file size limit")
        << narrow << censusRows(5000) << true << 20000 << 153 << limitNote;
    QTest::newRow("narrow --csv from a pipe, TMPDIR not there")
        << narrow << censusRows(5) << false << 0 << 2
        << "spanwright-cli: cannot make a temporary copy of standard input in %1 (TMPDIR names the folder)";
    QTest::newRow("gedcom from a pipe, TMPDIR not there")
        << QStringList{"gedcom", "-"} << tree << false << 0 << 1
        << "spanwright-cli: -: cannot make a temporary copy in %1:";
}

// The copies of a pipe are made in TMPDIR, which a message names; a file
// size limit that stops one is told before it ends the program; an archive
// is read twice without a copy.
void TestOutputFile::temporaryCopies()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(bool, usableTmpdir);
    QFETCH(int, fileSizeLimit);
    QFETCH(int, status);
    QFETCH(QString, err);
    QTemporaryDir dir;
    const QString tmpdir = usableTmpdir ? dir.path() : dir.filePath("gone");
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmpdir.toLocal8Bit());
    const Child child = start(arguments, rlim_t(fileSizeLimit), true);
    qputenv("TMPDIR", saved);
    QVERIFY(child.pid > 0);
    send(child, input);
    const auto [exitStatus, said] = finish(child);
    QCOMPARE(exitStatus, status);
    QVERIFY2(said.startsWith(err.arg(tmpdir).toUtf8()), said.constData());
    QCOMPARE(entries(dir), QStringList());
}

// gedcom reads an archive twice by unpacking it again: an unusable TMPDIR
// takes none of its families' ages.
void TestOutputFile::archiveReadTwiceWithoutACopy()
{
    QTemporaryDir dir;
    const QByteArray tree = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 BIRT\n2 DATE 1 JAN 1900\n"
                            "0 @F1@ FAM\n1 HUSB @I1@\n1 MARR\n2 DATE 1 JUN 1925\n2 HUSB\n3 AGE 25y\n0 TRLR\n";
    // An archive of the tree, its entry stored.
    const QString path = dir.filePath("tree.gdz");
    QProcess zip;
    zip.setWorkingDirectory(dir.path());
    writeFile(dir.filePath("gedcom.ged"), tree);
    zip.start("/usr/bin/python3", {"-c", "import zipfile; z = zipfile.ZipFile('tree.gdz', 'w'); "
                                         "z.write('gedcom.ged'); z.close()"});
    QVERIFY(zip.waitForFinished() && zip.exitCode() == 0);
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", dir.filePath("gone").toLocal8Bit());
    QProcess gedcom;
    gedcom.start(SPANWRIGHT_CLI_PATH, {"gedcom", path});
    const bool finished = gedcom.waitForFinished();
    qputenv("TMPDIR", saved);
    QVERIFY(finished);
    QCOMPARE(gedcom.readAllStandardError(), QByteArray());
    QVERIFY(gedcom.readAllStandardOutput().contains(",6/2/1899 through 6/1/1900,")); // the age at the marriage
    QCOMPARE(gedcom.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestOutputFile)
#include "tst_outputfile.moc"
