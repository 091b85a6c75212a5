// The real program on a desktop with a window manager (run by
// desktop_session.sh), driven through the X server's keyboard and mouse:
// where its window opens and is saved, access keys, the Edit menu opened by
// keyboard, the viewer's place, the exit with a stale store lock and the
// label colours under a dark scheme. Field texts are read through the
// clipboard, by the program's own Copy.

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLibraryInfo>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// Generous, for a loaded machine: every wait ends as soon as its condition holds.
constexpr int WaitMs = 20000;
constexpr int TwipsPerPixel = 15; // the session's X server runs at 96 dpi
constexpr double LeastContrast = 4.5;
const QString MainCaption = QStringLiteral("Spanwright '95");
const QString ViewerCaption = QStringLiteral("Help on Formats");
const QString Birth = QStringLiteral("5/10/1950");
const QString Death = QStringLiteral("3/1/1990");
const QString Worded = QStringLiteral("39 Year(s), 9 month(s), 19 day(s)");
const QString Sentinel = QStringLiteral("(nothing copied)");

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(WaitMs);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// Keys as xdotool names them, blank-separated, typed where the focus is.
void keys(const QString& names)
{
    run(QStringLiteral("xdotool"),
        QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")}
            + names.split(QLatin1Char(' ')));
}

void type(const QString& text)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"),
                                    QStringLiteral("40"), text});
}

// A POSIX regular expression that matches exactly the text.
QString anchored(const QString& text)
{
    QString pattern = QStringLiteral("^");
    for (const QChar c : text) {
        if (QStringLiteral(".[]()*+?{}|^$\\").contains(c))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern + QLatin1Char('$');
}

// The id of the visible window with that caption, or "" after the wait.
QString windowNamed(const QString& caption, int timeoutMs = WaitMs)
{
    QElapsedTimer waited;
    waited.start();
    do {
        const QString found = run(QStringLiteral("xdotool"),
                                  {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                   QStringLiteral("--name"), anchored(caption)});
        if (!found.isEmpty())
            return found.section(QLatin1Char('\n'), 0, 0);
        QTest::qWait(50);
    } while (waited.elapsed() < timeoutMs);
    return QString();
}

// The window's client area and, around it, its outer frame with the title
// bar; the frame is null until the window manager has framed the window.
struct Placement
{
    QRect client;
    QRect frame;
};

Placement placementOf(const QString& window)
{
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    const auto number = [&info](const char* label) {
        const QRegularExpression pattern(QLatin1String(label) + QStringLiteral(":\\s*(-?\\d+)"));
        return pattern.match(info).captured(1).toInt();
    };
    const QRect client(number("Absolute upper-left X"), number("Absolute upper-left Y"),
                       number("Width"), number("Height"));
    const QRegularExpressionMatch extents =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"))
            .match(run(QStringLiteral("xprop"),
                       {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")}));
    if (!extents.hasMatch())
        return {client, QRect()};
    const auto side = [&extents](int index) { return extents.captured(index).toInt(); };
    return {client, client.adjusted(-side(1), -side(3), side(2), side(4))};
}

QRect frameOf(const QString& window)
{
    return placementOf(window).frame;
}

// Drags with the left button from the point by the offset, in steps, as a
// hand does: the window manager moves a window only on motion after the press.
void dragBy(const QPoint& from, const QPoint& offset)
{
    constexpr int Steps = 6;
    const auto moveTo = [](const QPoint& point) {
        run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(point.x()),
                                        QString::number(point.y())});
    };
    moveTo(from);
    run(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int step = 1; step <= Steps; ++step)
        moveTo(from + offset * step / Steps);
    run(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
}

QString clipboard()
{
    return QGuiApplication::clipboard()->text();
}

double contrast(QRgb first, QRgb second)
{
    const auto luminance = [](QRgb colour) {
        const auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour))
             + 0.0722 * channel(qBlue(colour));
    };
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The strongest contrast of any pixel with the most frequent colour, the
// background: that of the text, when there is text.
double textContrast(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) & RGB_MASK];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    double strongest = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        strongest = std::max(strongest, contrast(it.key(), background));
    return strongest;
}

// One run of the program with a settings store of its own.
class Program
{
public:
    Program(const QString& configHome, const QStringList& environment = {})
    {
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        variables.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        // Sanitized builds: leaks are the offscreen tests' business, and the
        // exit is timed here.
        variables.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        for (const QString& setting : environment)
            variables.insert(setting.section(QLatin1Char('='), 0, 0),
                             setting.section(QLatin1Char('='), 1));
        process.setProcessEnvironment(variables);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(qEnvironmentVariable("SPANWRIGHT_PROGRAM"), QStringList());
        window = windowNamed(MainCaption);
        if (!window.isEmpty())
            run(QStringLiteral("xdotool"),
                {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    }
    ~Program()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(WaitMs);
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Presses Esc and returns the milliseconds until the program has ended.
    qint64 exit()
    {
        QElapsedTimer timer;
        timer.start();
        keys(QStringLiteral("Escape"));
        process.waitForFinished(WaitMs);
        return timer.elapsed();
    }

    bool ended() const { return process.state() == QProcess::NotRunning; }

    QProcess process;
    QString window;
};

// Waits until the program has handled every key sent so far: F1 opens the
// viewer, which can only happen after them, and Esc closes it again.
bool keysHandled()
{
    keys(QStringLiteral("F1"));
    const QString viewer = windowNamed(ViewerCaption);
    keys(QStringLiteral("Escape"));
    QElapsedTimer waited;
    waited.start();
    while (!windowNamed(ViewerCaption, 0).isEmpty() && waited.elapsed() < WaitMs)
        QTest::qWait(50);
    return !viewer.isEmpty();
}

// The text of the field whose label has that access key, through Copy.
// The field is entered from another one, so that it selects its text and
// enables Copy as it does when the user enters it.
QString fieldText(const QString& accessKey)
{
    const QString elsewhere = accessKey == QLatin1String("b") ? QStringLiteral("d") : QStringLiteral("b");
    QGuiApplication::clipboard()->setText(Sentinel);
    keys(QStringLiteral("alt+%1 alt+%2 ctrl+a ctrl+c").arg(elsewhere, accessKey));
    if (!keysHandled())
        return QStringLiteral("(no answer)");
    const QString copied = clipboard();
    return copied == Sentinel ? QString() : copied;
}

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home;

    QString storeFile() const { return home->filePath(QStringLiteral("Spanwright/Spanwright.conf")); }
    QVariant stored(const QString& key) const
    {
        return QSettings(storeFile(), QSettings::IniFormat).value(QStringLiteral("Startup/") + key);
    }
    void store(const QString& key, const QVariant& value)
    {
        QSettings settings(storeFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Startup/") + key, value);
    }

    // Both dates typed, and with calculate, Enter pressed.
    static void enterDates(const QString& birth, bool calculate)
    {
        type(birth);
        keys(QStringLiteral("Tab"));
        type(Death);
        if (calculate)
            keys(QStringLiteral("Return"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(qEnvironmentVariable("SPANWRIGHT_PROGRAM")).isExecutable(),
                 "SPANWRIGHT_PROGRAM names no program");
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    void init() { home = std::make_unique<QTemporaryDir>(); }

    // Runs that move nothing store the very place they read; a dragged
    // window is stored where it was left and opens there again.
    void position_data()
    {
        QTest::addColumn<QPoint>("storedPixels"); // (-1, -1): nothing stored
        QTest::addColumn<QPoint>("drag");
        QTest::addColumn<int>("runs");
        QTest::newRow("three runs that move nothing") << QPoint(200, 200) << QPoint() << 3;
        QTest::newRow("first run, nothing stored") << QPoint(-1, -1) << QPoint() << 1;
        QTest::newRow("dragged, then one run more") << QPoint(100, 100) << QPoint(150, 90) << 2;
    }

    void position()
    {
        QFETCH(QPoint, storedPixels);
        QFETCH(QPoint, drag);
        QFETCH(int, runs);
        QPoint place(0, 0);
        if (storedPixels.x() >= 0) {
            store(QStringLiteral("Left"), storedPixels.x() * TwipsPerPixel);
            store(QStringLiteral("Top"), storedPixels.y() * TwipsPerPixel);
            place = storedPixels;
        }
        for (int number = 0; number < runs; ++number) {
            Program program(home->path());
            QVERIFY(!program.window.isEmpty());
            QTRY_COMPARE_WITH_TIMEOUT(frameOf(program.window).topLeft(), place, WaitMs);
            if (number == 0 && !drag.isNull()) {
                dragBy(place + QPoint(60, 8), drag);
                place += drag;
                QTRY_COMPARE_WITH_TIMEOUT(frameOf(program.window).topLeft(), place, WaitMs);
            }
            program.exit();
            QVERIFY(program.ended());
            QCOMPARE(stored(QStringLiteral("Left")).toString(),
                     QString::number(place.x() * TwipsPerPixel));
            QCOMPARE(stored(QStringLiteral("Top")).toString(),
                     QString::number(place.y() * TwipsPerPixel));
        }
    }

    // Alt with the access key of a disabled button, or with a letter that
    // belongs to nothing, changes no field.
    void accessKeysChangeNoField_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<bool>("calculated");
        QTest::addColumn<QString>("field"); // the access key of its label
        QTest::addColumn<QString>("key");
        QTest::newRow("Calculate disabled, in the begin date") << Birth << true << "b" << "c";
        QTest::newRow("Calculate disabled, in the result") << Birth << true << "f" << "c";
        QTest::newRow("Copy disabled") << QString() << false << "b" << "o";
        QTest::newRow("unassigned A") << Birth << false << "d" << "a";
        QTest::newRow("unassigned Z, in the result") << Birth << true << "f" << "z";
    }

    void accessKeysChangeNoField()
    {
        QFETCH(QString, birth);
        QFETCH(bool, calculated);
        QFETCH(QString, field);
        QFETCH(QString, key);
        Program program(home->path());
        QVERIFY(!program.window.isEmpty());
        enterDates(birth, calculated);
        keys(QStringLiteral("alt+%1 alt+%2").arg(field, key));
        const QStringList texts{fieldText(QStringLiteral("b")), fieldText(QStringLiteral("d")),
                                fieldText(QStringLiteral("f"))};
        QCOMPARE(texts, (QStringList{birth, Death, calculated ? Worded : QString()}));
        program.exit();
    }

    // Home, Shift+End in the result, then Alt+E and the item's key.
    void keyboardEditMenuOnResult_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("clipboardBefore");
        QTest::addColumn<QString>("clipboardAfter");
        QTest::addColumn<QString>("resultAfter");
        QTest::newRow("Copy") << "o" << Sentinel << Worded << Worded;
        QTest::newRow("Paste") << "p" << "pasted" << "pasted" << "pasted";
    }

    void keyboardEditMenuOnResult()
    {
        QFETCH(QString, item);
        QFETCH(QString, clipboardBefore);
        QFETCH(QString, clipboardAfter);
        QFETCH(QString, resultAfter);
        Program program(home->path());
        QVERIFY(!program.window.isEmpty());
        enterDates(Birth, true);
        keys(QStringLiteral("Home shift+End"));
        QGuiApplication::clipboard()->setText(clipboardBefore);
        keys(QStringLiteral("alt+e %1").arg(item));
        QVERIFY(keysHandled());
        QCOMPARE(clipboard(), clipboardAfter);
        QCOMPARE(fieldText(QStringLiteral("f")), resultAfter);
        program.exit();
    }

    // The viewer's outer frame, title bar included, is centred on the screen.
    void viewerFrameCentred()
    {
        Program program(home->path());
        QVERIFY(!program.window.isEmpty());
        keys(QStringLiteral("F1"));
        const QString viewer = windowNamed(ViewerCaption);
        QVERIFY(!viewer.isEmpty());
        const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
        QTRY_VERIFY_WITH_TIMEOUT(
            (frameOf(viewer).center() - screenCentre).manhattanLength() <= 2, WaitMs);
        keys(QStringLiteral("Escape"));
        program.exit();
    }

    // An empty lock file left by a crash: the exit still takes under a
    // second, and the store keeps what it held.
    void exitWithStaleLock()
    {
        store(QStringLiteral("Kept"), QStringLiteral("yes"));
        QFile lock(storeFile() + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        Program program(home->path());
        QVERIFY(!program.window.isEmpty());
        const qint64 milliseconds = program.exit();
        QVERIFY(program.ended());
        qInfo("exit with an empty lock file: %lld ms", milliseconds);
        QVERIFY2(milliseconds < 1000, qPrintable(QString::number(milliseconds)));
        QCOMPARE(stored(QStringLiteral("Kept")).toString(), QStringLiteral("yes"));
        QCOMPARE(stored(QStringLiteral("Output Format")).toString(), QStringLiteral("4"));
    }

    // Under a dark style the labels keep dark text on the grey.
    void labelsReadableUnderDarkStyle()
    {
        const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
        if (!QFileInfo::exists(plugins + QStringLiteral("/styles/adwaita.so")))
            QSKIP("the Adwaita styles (adwaita-qt6) are not installed");
        Program program(home->path(), {QStringLiteral("QT_STYLE_OVERRIDE=Adwaita-Dark")});
        QVERIFY(!program.window.isEmpty());
        QVERIFY(keysHandled()); // painted by now
        const QRect client = placementOf(program.window).client;
        QVERIFY(!client.isEmpty());
        // The labels' places in twips, below the menu bar.
        const int menuBar = client.height() - 2835 / TwipsPerPixel;
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        for (const QRect& label : {QRect(240, 120, 1335, 255), QRect(240, 720, 1575, 255),
                                   QRect(240, 1560, 1695, 255)}) {
            const QRect pixels(client.x() + label.x() / TwipsPerPixel,
                               client.y() + menuBar + label.y() / TwipsPerPixel,
                               label.width() / TwipsPerPixel, label.height() / TwipsPerPixel);
            const double ratio = textContrast(shot.copy(pixels));
            qInfo("label at %d,%d: contrast %.1f:1", pixels.x(), pixels.y(), ratio);
            QVERIFY2(ratio >= LeastContrast, qPrintable(QString::number(ratio)));
        }
        program.exit();
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
