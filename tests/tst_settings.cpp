// Tests of what the main window remembers between runs: the result notation
// and its place on the screen, read when it is created and written when it
// closes, whatever state the settings store is in.

#include "app/dateedit.h"
#include "app/frmdatepage.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>
#include <memory>

using namespace spanwright;

using Step = std::function<void(frmDatePage&)>;
Q_DECLARE_METATYPE(Step)

namespace {

const QString Section = QStringLiteral("Startup/");
const QStringList Entries = {QStringLiteral("9/19/39"), QStringLiteral("9-19-39"),
                             QStringLiteral("9.19.39"),
                             QStringLiteral("39 Year(s), 9 month(s), 19 day(s)")};
const QString HugeNumber = QStringLiteral("1") + QString(400, QLatin1Char('0'));
// An expected coordinate that puts the window against the screen's far edge.
constexpr int FarEdge = -1000000;

// The program's store, where the test has put it.
std::unique_ptr<QSettings> store()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Spanwright"), QStringLiteral("Spanwright"));
}

// Writes a value; a null value removes the key.
void setStored(const QString& key, const QString& value)
{
    const auto settings = store();
    if (value.isNull())
        settings->remove(Section + key);
    else
        settings->setValue(Section + key, value);
    settings->sync();
}

QString stored(const QString& key)
{
    return store()->value(Section + key).toString();
}

int pixels(double twips)
{
    return int(std::lround(twips * platform::screenDpi() / 1440.0));
}

QString twipsText(int pixels)
{
    return QString::number(std::lround(pixels * 1440.0 / platform::screenDpi()));
}

void calculated(frmDatePage& w)
{
    w.txtBirth->setText(QStringLiteral("5/10/1950"));
    w.txtDeath->setText(QStringLiteral("3/1/1990"));
    QTest::mouseClick(w.cmdCalculate, Qt::LeftButton);
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir root;
    int storeCount = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(root.isValid());
        QStandardPaths::setTestModeEnabled(true);
    }

    // Every test starts from a store of its own, empty.
    void init()
    {
        const QString directory = root.filePath(QString::number(++storeCount));
        QVERIFY(QDir().mkpath(directory));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory);
        QVERIFY(!QFile::exists(store()->fileName()));
    }

    void outputFormat_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("index");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("2") << "2" << 2;
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("4") << "4" << 4;
        QTest::newRow("blanks first") << " 3" << 3;
        QTest::newRow("text after") << "2 entries" << 2;
        QTest::newRow("whole, with decimals") << "3.0" << 3;
        QTest::newRow("0") << "0" << 4;
        QTest::newRow("empty") << "" << 4;
        QTest::newRow("no number") << "abc" << 4;
        QTest::newRow("7") << "7" << 4;
        QTest::newRow("fraction") << "2.5" << 4;
        QTest::newRow("negative") << "-2" << 4;
        QTest::newRow("huge") << HugeNumber << 4;
        QTest::newRow("absent") << QString() << 4;
    }

    void outputFormat()
    {
        QFETCH(QString, value);
        QFETCH(int, index);
        setStored(QStringLiteral("Output Format"), value);
        WatchedPlatform watched;
        frmDatePage w;
        QCOMPARE(w.Diff_Index, index);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        calculated(w);
        QCOMPARE(w.cboAge->currentText(), Entries[index - 1]);
        QCOMPARE(w.cboAge->count(), 4);
    }

    // A stored place is kept where the whole title bar (here, with no
    // window manager, the window's top edge) is on the screen, and moved the
    // least distance that puts it there otherwise; a number too large for
    // any screen gives the corner.
    void position_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QPoint>("expected"); // FarEdge: against the screen's far edge
        QTest::newRow("one inch in") << "1440" << "1440" << QPoint(pixels(1440), pixels(1440));
        QTest::newRow("odd place") << "2250" << "1125" << QPoint(pixels(2250), pixels(1125));
        QTest::newRow("absent") << QString() << QString() << QPoint(0, 0);
        QTest::newRow("partly above and left of the screen") << "-1500" << "-750" << QPoint(0, 0);
        QTest::newRow("above the screen") << "1440" << "-9000" << QPoint(pixels(1440), 0);
        QTest::newRow("far left") << "-99999999" << "1440" << QPoint(0, pixels(1440));
        QTest::newRow("far down") << "1440" << "99999999" << QPoint(pixels(1440), FarEdge);
        QTest::newRow("beyond the right edge") << "999999" << "0" << QPoint(FarEdge, 0);
        QTest::newRow("huge left") << HugeNumber << "1440" << QPoint(0, 0);
        QTest::newRow("huge negative top") << "1440" << "-" + HugeNumber << QPoint(0, 0);
    }

    void position()
    {
        QFETCH(QString, left);
        QFETCH(QString, top);
        QFETCH(QPoint, expected);
        setStored(QStringLiteral("Left"), left);
        setStored(QStringLiteral("Top"), top);
        WatchedPlatform watched;
        frmDatePage w;
        // The far edges by the frame as it is: none before the window is
        // shown, the offscreen platform's own after.
        const auto resolved = [&w, expected] {
            const QRect screen = platform::primaryScreenGeometry();
            const QRect frame = w.frameGeometry();
            const int titleBar = std::max(1, w.geometry().top() - frame.top());
            return screen.topLeft()
                 + QPoint(expected.x() == FarEdge ? screen.width() - frame.width() : expected.x(),
                          expected.y() == FarEdge ? screen.height() - titleBar : expected.y());
        };
        QCOMPARE(w.pos(), resolved());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_COMPARE(w.frameGeometry().topLeft(), resolved());
    }

    // Exit, Esc, the Edit menu's Exit and the close box all write the
    // settings and end the program.
    void closing_data()
    {
        QTest::addColumn<Step>("close");
        QTest::newRow("Exit button") << Step([](frmDatePage& w) {
            QTest::mouseClick(w.cmdDone, Qt::LeftButton);
        });
        QTest::newRow("Exit access key") << Step([](frmDatePage& w) {
            QTest::keyClick(w.txtBirth, Qt::Key_X, Qt::AltModifier);
        });
        QTest::newRow("Esc") << Step([](frmDatePage& w) { QTest::keyClick(w.txtBirth, Qt::Key_Escape); });
        QTest::newRow("Edit menu Exit") << Step([](frmDatePage& w) { w.mnuEditItem[4]->trigger(); });
        QTest::newRow("close box") << Step([](frmDatePage& w) { w.close(); });
    }

    void closing()
    {
        QFETCH(Step, close);
        WatchedPlatform watched;
        frmDatePage w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.move(30, 45);
        close(w);
        QTRY_COMPARE(watched.programEnds, 1);
        QVERIFY(!w.isVisible());
        QCOMPARE(stored(QStringLiteral("Output Format")), QStringLiteral("4"));
        QCOMPARE(stored(QStringLiteral("Left")), twipsText(30));
        QCOMPARE(stored(QStringLiteral("Top")), twipsText(45));
    }

    void roundTrip()
    {
        {
            WatchedPlatform watched;
            frmDatePage w;
            w.show();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            calculated(w);
            QTest::keyClick(w.cboAge, Qt::Key_Up);
            QTest::keyClick(w.cboAge, Qt::Key_Up);
            QCOMPARE(w.Diff_Index, 2);
            w.move(150, 75);
            QTest::mouseClick(w.cmdDone, Qt::LeftButton);
            QCOMPARE(watched.programEnds, 1);
        }
        QCOMPARE(stored(QStringLiteral("Output Format")), QStringLiteral("2"));
        QCOMPARE(stored(QStringLiteral("Left")), twipsText(150));
        QCOMPARE(stored(QStringLiteral("Top")), twipsText(75));

        WatchedPlatform watched;
        frmDatePage w;
        // Read once, when the window is made: later changes wait for the next run.
        setStored(QStringLiteral("Output Format"), QStringLiteral("3"));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.Diff_Index, 2);
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(150, 75));
        calculated(w);
        QCOMPARE(w.cboAge->currentText(), Entries[1]);
    }

    void unreadableStore_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(char(i * 37 % 256));
        QTest::newRow("binary") << binary;
        static const char broken[] = "[[Startup\n=\n\"Output Format\n[Startup]\nOutput Format\0=2\n\\\xff";
        QTest::newRow("broken sections") << QByteArray(broken, sizeof broken - 1);
        QTest::newRow("only text") << QByteArray(100000, 'x');
        QTest::newRow("directory instead") << QByteArray();
        // Qt reads the values before the broken section, yet reports the
        // file as broken: nothing of it is trusted.
        QTest::newRow("values, then a broken section")
            << QByteArray("[Startup]\nOutput%20Format=2\nLeft=1500\nTop=1500\n[Startup\n");
    }

    void unreadableStore()
    {
        QFETCH(QByteArray, content);
        const QString fileName = store()->fileName();
        QVERIFY(QDir().mkpath(QFileInfo(fileName).path()));
        if (content.isNull()) {
            QVERIFY(QDir().mkpath(fileName));
        } else {
            QFile file(fileName);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(content), content.size());
        }
        WatchedPlatform watched;
        frmDatePage w;
        QCOMPARE(w.Diff_Index, 4);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.frameGeometry().topLeft(), platform::primaryScreenGeometry().topLeft());
        w.close();
        QCOMPARE(watched.programEnds, 1);
        QVERIFY(!w.isVisible());
    }

    // A lock on the store that its owner left behind does not hold up the
    // exit, and the store keeps what it held.
    void staleLockFile_data()
    {
        QTest::addColumn<QByteArray>("lockContent");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("half written") << QByteArray("4");
    }

    void staleLockFile()
    {
        QFETCH(QByteArray, lockContent);
        setStored(QStringLiteral("Kept"), QStringLiteral("yes"));
        QFile lock(store()->fileName() + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        QCOMPARE(lock.write(lockContent), lockContent.size());
        lock.close();
        WatchedPlatform watched;
        frmDatePage w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.Diff_Index = 2;
        QElapsedTimer exit;
        exit.start();
        QTest::keyClick(w.txtBirth, Qt::Key_Escape);
        QVERIFY2(exit.elapsed() < 1000, qPrintable(QString::number(exit.elapsed())));
        QCOMPARE(watched.programEnds, 1);
        QCOMPARE(stored(QStringLiteral("Output Format")), QStringLiteral("2"));
        QCOMPARE(stored(QStringLiteral("Kept")), QStringLiteral("yes"));
    }

    // A store that cannot be written does not keep the window from closing.
    void unwritableStore_data()
    {
        QTest::addColumn<bool>("fileAsDirectory");
        QTest::newRow("settings directory is a file") << true;
        QTest::newRow("read-only store file") << false;
    }

    void unwritableStore()
    {
        QFETCH(bool, fileAsDirectory);
        if (fileAsDirectory) {
            const QString blocker = root.filePath(QStringLiteral("blocker%1").arg(storeCount));
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker + "/config");
        } else {
            setStored(QStringLiteral("Output Format"), QStringLiteral("3"));
            QFile file(store()->fileName());
            QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
            if (file.open(QIODevice::Append))
                QSKIP("read-only files stay writable for this user (root)");
        }
        WatchedPlatform watched;
        frmDatePage w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::mouseClick(w.cmdDone, Qt::LeftButton);
        QCOMPARE(watched.programEnds, 1);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
