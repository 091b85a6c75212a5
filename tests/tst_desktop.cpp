// The real program on a desktop with a window manager (on the X server of
// desktop_session.sh), driven through the X server's keyboard and mouse:
// where its window opens and is saved under openbox, fluxbox and icewm and
// under Wayland (weston), access keys, the Edit menu opened by keyboard, the
// viewer's place, the format error dialog's icon, the oldest ages' results
// whole in the result field, the exit with a stale store lock and the label
// colours under a dark scheme. Field texts are read
// through the clipboard (with xclip), by the program's own Copy.

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
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "textink.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Generous, for a loaded machine: every wait ends as soon as its condition holds.
constexpr int WaitMs = 20000;
constexpr int TwipsPerPixel = 15; // the session's X server runs at 96 dpi
constexpr double LeastContrast = 4.5;
// The line edit's own margin beside its text.
constexpr int LineEditMargin = 2;
const QString MainCaption = QStringLiteral("Spanwright '95");
const QString ViewerCaption = QStringLiteral("Help on Formats");
const QString Birth = QStringLiteral("5/10/1950");
const QString Death = QStringLiteral("3/1/1990");
const QString Worded = QStringLiteral("39 Year(s), 9 month(s), 19 day(s)");
const QString Sentinel = QStringLiteral("(nothing copied)");
const QString ErrorCaption = QStringLiteral("Format Error");
const QString Openbox = QStringLiteral("openbox");
const QString Fluxbox = QStringLiteral("fluxbox");
const QString IceWM = QStringLiteral("icewm");
// An expected left edge: the frame's right edge on the screen's.
constexpr int AgainstRightEdge = -1000000;

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

// Whether the condition came to hold within the time, looked at every 50 ms
// (at least once) while the test's own events are handled.
template <typename Condition>
bool cameTrue(Condition condition, int timeoutMs = WaitMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() >= timeoutMs)
            return false;
        QTest::qWait(50);
    }
    return true;
}

// The id of the visible window with that caption, or "" after the wait.
QString windowNamed(const QString& caption, int timeoutMs = WaitMs)
{
    QString found;
    cameTrue(
        [&] {
            found = run(QStringLiteral("xdotool"),
                        {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                         QStringLiteral("--name"), anchored(caption)});
            return !found.isEmpty();
        },
        timeoutMs);
    return found.section(QLatin1Char('\n'), 0, 0);
}

// The window that has the keyboard: keys sent now go to it.
QString focusedWindow()
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
}

// Waits until the window has the keyboard.
bool keyboardOn(const QString& window)
{
    return cameTrue([&window] { return focusedWindow() == window; });
}

// Asks the window manager to activate the window and waits until the
// window has the keyboard (the request alone does not wait for that).
bool activated(const QString& window)
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    return keyboardOn(window);
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

// Shown on the screen in a frame of the window manager's.
bool framed(const QString& window)
{
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window})
               .contains(QLatin1String("Map State: IsViewable"))
        && !frameOf(window).isNull();
}

// Whether the window manager frames a window mapped now and gives it the
// keyboard when asked, as it must the program's. A window manager names
// itself on the root window before it has finished starting, and a window
// mapped in that time can stay unmapped for good (seen under openbox) or
// lose the keyboard again (fluxbox): a probe that is not framed in time is
// given up for a new one. The probe is a program of its own (xev), so that
// this test's clipboard keeps no time of a window's of its own.
bool managesNewWindows()
{
    constexpr int ProbeFramedMs = 2000;
    const QString caption = QStringLiteral("window manager probe");
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < WaitMs) {
        QProcess probe;
        probe.setStandardOutputFile(QProcess::nullDevice());
        probe.start(QStringLiteral("xev"), {QStringLiteral("-name"), caption});
        const QString window = windowNamed(caption, ProbeFramedMs);
        const bool managed = !window.isEmpty()
                          && cameTrue([&window] { return framed(window); }, ProbeFramedMs)
                          && activated(window);
        probe.kill();
        probe.waitForFinished(WaitMs);
        if (managed)
            return true;
        qInfo("the window manager has not framed a new window yet: a new probe");
    }
    return false;
}

// The X server's window manager, one at a time, started on demand.
class WindowManagers
{
public:
    ~WindowManagers() { stop(); }

    // Runs the window manager of that program name, ready once it names
    // itself on the root window and manages a new window of the test's own;
    // false when it is not installed or did not come up.
    bool use(const QString& program)
    {
        if (program == current)
            return true;
        stop();
        if (QStandardPaths::findExecutable(program).isEmpty())
            return false;
        const QStringList arguments = program == Openbox
                                          ? QStringList{QStringLiteral("--sm-disable")}
                                          : QStringList();
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(program, arguments);
        const bool named = cameTrue([&] {
            return process.state() == QProcess::NotRunning
                || runningName().startsWith(program, Qt::CaseInsensitive);
        });
        if (!named || process.state() == QProcess::NotRunning || !managesNewWindows()) {
            stop();
            return false;
        }
        current = program;
        return true;
    }

private:
    void stop()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(WaitMs)) {
                process.kill();
                process.waitForFinished(WaitMs);
            }
        }
        current.clear();
    }

    // The name of the window manager that has set its check window, "" for none.
    static QString runningName()
    {
        const QString check = run(QStringLiteral("xprop"),
                                  QStringList{QStringLiteral("-root")}
                                      << QStringLiteral("_NET_SUPPORTING_WM_CHECK"));
        const QString window = QRegularExpression(QStringLiteral("window id # (0x[0-9a-f]+)"))
                                   .match(check).captured(1);
        if (window.isEmpty())
            return QString();
        const QString name = run(QStringLiteral("xprop"),
                                 {QStringLiteral("-id"), window, QStringLiteral("_NET_WM_NAME")});
        return QRegularExpression(QStringLiteral("= \"(.*)\"")).match(name).captured(1);
    }

    QProcess process;
    QString current;
};

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

// The clipboard as the X server has it, through xclip: the test's own
// QClipboard would answer from its own copy until it has handled the news
// that the program took the clipboard over.
QString clipboard()
{
    return run(QStringLiteral("xclip"),
               {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")});
}

// Puts the text on the clipboard, held by xclip in the background, and
// waits until the X server gives it out.
bool setClipboard(const QString& text)
{
    QProcess holder;
    holder.setStandardOutputFile(QProcess::nullDevice());
    holder.setStandardErrorFile(QProcess::nullDevice());
    holder.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                           QStringLiteral("-i")});
    holder.write(text.toUtf8());
    holder.closeWriteChannel();
    holder.waitForFinished(WaitMs);
    return cameTrue([&text] { return clipboard() == text; });
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

// One run of the program with a settings store of its own; its window is
// looked for on the X server unless it runs on another display server.
class Program
{
public:
    enum Display { OnX, Elsewhere };

    Program(const QString& configHome, const QStringList& environment = {},
            Display display = OnX)
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
        process.setProcessChannelMode(display == OnX ? QProcess::ForwardedErrorChannel
                                                     : QProcess::SeparateChannels);
        process.start(qEnvironmentVariable("SPANWRIGHT_PROGRAM"), QStringList());
        if (display != OnX)
            return;
        window = windowNamed(MainCaption);
        hasKeyboard = !window.isEmpty() && activated(window);
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

    // Its window is up and has the keyboard.
    bool ready() const { return hasKeyboard; }

    // Presses Esc, once the window has the keyboard back from any window
    // that closed just before, and returns the milliseconds until the
    // program has ended.
    qint64 exit()
    {
        if (!window.isEmpty())
            keyboardOn(window);
        QElapsedTimer timer;
        timer.start();
        keys(QStringLiteral("Escape"));
        process.waitForFinished(WaitMs);
        return timer.elapsed();
    }

    bool ended() const { return process.state() == QProcess::NotRunning; }

    // Waits until the program has written a match of the pattern to its
    // error output.
    bool wroteError(const QRegularExpression& pattern)
    {
        QElapsedTimer waited;
        waited.start();
        while (!errors.contains(pattern) && waited.elapsed() < WaitMs
               && process.state() != QProcess::NotRunning) {
            process.waitForReadyRead(50);
            errors += QString::fromLocal8Bit(process.readAllStandardError());
        }
        errors += QString::fromLocal8Bit(process.readAllStandardError());
        return errors.contains(pattern);
    }

    QProcess process;
    QString window;
    QString errors;

private:
    bool hasKeyboard = false;
};

// Waits until the program has handled every key sent so far: F1 opens the
// viewer, which can only happen after them, and Esc closes it again; the
// keys that follow go where the keyboard was before, once it is back there.
bool keysHandled()
{
    const QString keyboard = focusedWindow();
    keys(QStringLiteral("F1"));
    const QString viewer = windowNamed(ViewerCaption);
    if (viewer.isEmpty() || !keyboardOn(viewer))
        return false;
    keys(QStringLiteral("Escape"));
    return cameTrue([] { return windowNamed(ViewerCaption, 0).isEmpty(); })
        && keyboardOn(keyboard);
}

// The text of the field whose label has that access key, through Copy.
// The field is entered from another one, so that it selects its text and
// enables Copy as it does when the user enters it.
QString fieldText(const QString& accessKey)
{
    const QString elsewhere = accessKey == QLatin1String("b") ? QStringLiteral("d") : QStringLiteral("b");
    if (!setClipboard(Sentinel))
        return QStringLiteral("(clipboard not set)");
    keys(QStringLiteral("alt+%1 alt+%2 ctrl+a ctrl+c").arg(elsewhere, accessKey));
    if (!keysHandled())
        return QStringLiteral("(no answer)");
    const QString copied = clipboard();
    return copied == Sentinel ? QString() : copied;
}


// The result field on the screen, by its place in twips below the menu bar.
QRect resultFieldOnScreen(const QRect& client)
{
    const int menuBar = client.height() - 2835 / TwipsPerPixel;
    return QRect(client.x() + 480 / TwipsPerPixel, client.y() + menuBar + 1800 / TwipsPerPixel,
                 qRound(2892.0 / TwipsPerPixel), 315 / TwipsPerPixel);
}

// What the result field shows: the white of its edit area, and the text's
// columns in it (with the selection and the cursor where they are drawn).
struct ResultPicture
{
    int whiteLeft = -1;
    int whiteRight = -1;
    InkColumns ink;
    bool selected = false; // the selection's navy is in the field
};

// The classic selection colour of the program's palette.
constexpr QRgb SelectionNavy = 0x000080;

// Rows of the field's frame and of the white above the text.
constexpr int FieldEdgeRows = 3;

ResultPicture resultPicture(const QRect& field)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    ResultPicture picture;
    const int row = field.top() + FieldEdgeRows;
    for (int x = field.left(); x <= field.right(); ++x) {
        const bool white = (shot.pixel(x, row) & RGB_MASK) == 0xffffff;
        if (white && picture.whiteLeft < 0)
            picture.whiteLeft = x;
        if (!white && picture.whiteLeft >= 0)
            break;
        if (white)
            picture.whiteRight = x;
    }
    if (picture.whiteLeft < 0)
        return picture;
    const QRect text(QPoint(picture.whiteLeft, row),
                     QPoint(picture.whiteRight, field.bottom() - FieldEdgeRows));
    picture.ink = inkColumns(shot, text);
    for (int y = text.top(); y <= text.bottom() && !picture.selected; ++y)
        for (int x = text.left(); x <= text.right() && !picture.selected; ++x)
            picture.selected = (shot.pixel(x, y) & RGB_MASK) == SelectionNavy;
    return picture;
}

// The field's pictures over a caret's blink taken together: the widest
// extent of the text, with the caret wherever it is drawn. A focused
// field's caret stands at one end of the text here, so the extent changes
// when it blinks: pictures are taken until it has, however long a loaded
// machine holds the blink up. A field without the focus has no caret.
ResultPicture overCaretBlink(const QRect& field, bool focused)
{
    ResultPicture together = resultPicture(field);
    if (!focused)
        return together;
    cameTrue([&] {
        const ResultPicture picture = resultPicture(field);
        if (!picture.ink.found())
            return false;
        if (!together.ink.found()) {
            together = picture;
            return false;
        }
        const bool blinked
            = picture.ink.left != together.ink.left || picture.ink.right != together.ink.right;
        together.ink.left = std::min(together.ink.left, picture.ink.left);
        together.ink.right = std::max(together.ink.right, picture.ink.right);
        return blinked;
    });
    return together;
}
} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home;
    WindowManagers windowManagers;

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

    // Runs that move nothing store the very place they read, whenever the
    // window manager reports the frame; a dragged window is stored where it
    // was left and opens there again; a stored place that would hide the
    // title bar opens moved just enough to show all of it, and is kept so.
    void position_data()
    {
        QTest::addColumn<QString>("windowManager");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QPoint>("storedPixels");
        QTest::addColumn<QPoint>("opens"); // where the frame's corner is
        QTest::addColumn<QPoint>("drag");
        QTest::addColumn<int>("runs");
        const QPoint somewhere(200, 200);
        for (const QString& manager : {Openbox, Fluxbox, IceWM})
            QTest::addRow("%s, three runs that move nothing", qPrintable(manager))
                << manager << true << somewhere << somewhere << QPoint() << 3;
        QTest::newRow("fluxbox, one inch in")
            << Fluxbox << true << QPoint(96, 96) << QPoint(96, 96) << QPoint() << 2;
        QTest::newRow("openbox, first run, nothing stored")
            << Openbox << false << QPoint() << QPoint(0, 0) << QPoint() << 1;
        QTest::newRow("openbox, dragged, then one run more")
            << Openbox << true << QPoint(100, 100) << QPoint(100, 100) << QPoint(150, 90) << 2;
        QTest::newRow("openbox, above the screen")
            << Openbox << true << QPoint(200, -300) << QPoint(200, 0) << QPoint() << 2;
        QTest::newRow("icewm, title bar partly above the screen")
            << IceWM << true << QPoint(300, -12) << QPoint(300, 0) << QPoint() << 1;
        QTest::newRow("fluxbox, beyond the right edge")
            << Fluxbox << true << QPoint(2000, 150) << QPoint(AgainstRightEdge, 150) << QPoint()
            << 2;
    }

    void position()
    {
        QFETCH(QString, windowManager);
        QFETCH(bool, stored);
        QFETCH(QPoint, storedPixels);
        QFETCH(QPoint, opens);
        QFETCH(QPoint, drag);
        QFETCH(int, runs);
        if (!windowManagers.use(windowManager))
            QSKIP(qPrintable(windowManager + QStringLiteral(" is not installed or did not start")));
        if (stored) {
            store(QStringLiteral("Left"), storedPixels.x() * TwipsPerPixel);
            store(QStringLiteral("Top"), storedPixels.y() * TwipsPerPixel);
        }
        QPoint place = opens;
        for (int number = 0; number < runs; ++number) {
            Program program(home->path());
            QVERIFY(program.ready());
            QTRY_VERIFY_WITH_TIMEOUT(!frameOf(program.window).isNull(), WaitMs);
            if (place.x() == AgainstRightEdge)
                place.setX(QGuiApplication::primaryScreen()->geometry().width()
                           - frameOf(program.window).width());
            QTRY_COMPARE_WITH_TIMEOUT(frameOf(program.window).topLeft(), place, WaitMs);
            if (number == 0 && !drag.isNull()) {
                dragBy(place + QPoint(60, 8), drag);
                place += drag;
                QTRY_COMPARE_WITH_TIMEOUT(frameOf(program.window).topLeft(), place, WaitMs);
            }
            program.exit();
            QVERIFY(program.ended());
            QCOMPARE(this->stored(QStringLiteral("Left")).toString(),
                     QString::number(place.x() * TwipsPerPixel));
            QCOMPARE(this->stored(QStringLiteral("Top")).toString(),
                     QString::number(place.y() * TwipsPerPixel));
        }
    }

    // Under Wayland, where no program can tell or set its window's place,
    // the stored place is kept as it was, for the next run under X11; the
    // notation is written as always.
    void waylandKeepsStoredPlace()
    {
        QVERIFY(windowManagers.use(Openbox));
        if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty())
            QSKIP("weston is not installed");
        const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
        if (!QFileInfo::exists(plugins + QStringLiteral("/platforms/libqwayland-generic.so")))
            QSKIP("Qt's Wayland platform (qt6-wayland) is not installed");
        // A compositor in a window of the test's X server.
        const QString socket =
            QStringLiteral("spanwright-test-%1").arg(QCoreApplication::applicationPid());
        QProcess weston;
        weston.setStandardOutputFile(QProcess::nullDevice());
        weston.setStandardErrorFile(QProcess::nullDevice());
        weston.start(QStringLiteral("weston"),
                     {QStringLiteral("--backend=x11-backend.so"),
                      QStringLiteral("--socket=") + socket, QStringLiteral("--width=800"),
                      QStringLiteral("--height=600")});
        const auto stopWeston = qScopeGuard([&weston] {
            weston.terminate();
            weston.waitForFinished(WaitMs);
        });
        const QString socketFile =
            qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + socket;
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socketFile), WaitMs);

        store(QStringLiteral("Left"), QStringLiteral("3000"));
        store(QStringLiteral("Top"), QStringLiteral("4500"));
        store(QStringLiteral("Output Format"), QStringLiteral("0")); // read as 4
        Program program(home->path(),
                        {QStringLiteral("QT_QPA_PLATFORM=wayland"),
                         QStringLiteral("WAYLAND_DISPLAY=") + socket,
                         QStringLiteral("WAYLAND_DEBUG=1")}, // tells when the keyboard is ours
                        Program::Elsewhere);
        // Once the window is up, Esc through the compositor's window, which
        // passes the keys on to the window with the keyboard.
        const QRegularExpression configured(QStringLiteral("xdg_toplevel@\\d+\\.configure\\("));
        QVERIFY2(program.wroteError(configured), qPrintable(program.errors.right(2000)));
        const QString compositor =
            run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--class"),
                                            QStringLiteral("weston")})
                .section(QLatin1Char('\n'), 0, 0);
        QVERIFY(!compositor.isEmpty());
        QVERIFY(activated(compositor));
        const QRegularExpression keyboardOurs(QStringLiteral("wl_keyboard@\\d+\\.enter\\("));
        QVERIFY2(program.wroteError(keyboardOurs), qPrintable(program.errors.right(2000)));
        QVERIFY(keyboardOn(compositor));
        program.exit();
        if (!program.ended()) {
            const bool keyArrived =
                program.wroteError(QRegularExpression(QStringLiteral("wl_keyboard@\\d+\\.key\\(")));
            QFAIL(qPrintable(QStringLiteral("not ended; a key reached it: %1; the keyboard on %2, "
                                            "the compositor %3; last output: %4")
                                 .arg(keyArrived ? QStringLiteral("yes") : QStringLiteral("no"),
                                      focusedWindow(), compositor, program.errors.right(1500))));
        }
        QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(stored(QStringLiteral("Left")).toString(), QStringLiteral("3000"));
        QCOMPARE(stored(QStringLiteral("Top")).toString(), QStringLiteral("4500"));
        QCOMPARE(stored(QStringLiteral("Output Format")).toString(), QStringLiteral("4"));
    }

    // The window manager shows the program's icons, and its own default for
    // the format error dialog, which has none.
    void windowIcons_data()
    {
        QTest::addColumn<QString>("typed");  // into both date fields
        QTest::addColumn<QString>("opening"); // the keys that open the window
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<bool>("hasIcon");
        QTest::newRow("main window") << QString() << QString() << MainCaption << QString() << true;
        QTest::newRow("text viewer") << QString() << "F1" << ViewerCaption << "Escape" << true;
        QTest::newRow("format error dialog")
            << "abc" << "Return" << ErrorCaption << "Return" << false;
    }

    void windowIcons()
    {
        QFETCH(QString, typed);
        QFETCH(QString, opening);
        QFETCH(QString, caption);
        QFETCH(QString, closing);
        QFETCH(bool, hasIcon);
        QVERIFY(windowManagers.use(Openbox));
        Program program(home->path());
        QVERIFY(program.ready());
        if (!typed.isEmpty()) {
            type(typed);
            keys(QStringLiteral("Tab"));
            type(typed);
        }
        if (!opening.isEmpty())
            keys(opening);
        const QString window = windowNamed(caption);
        QVERIFY(!window.isEmpty());
        const QString icon = run(QStringLiteral("xprop"),
                                 {QStringLiteral("-id"), window, QStringLiteral("_NET_WM_ICON")});
        QCOMPARE(!icon.contains(QLatin1String("not found")), hasIcon);
        if (!closing.isEmpty()) {
            QVERIFY(keyboardOn(window));
            keys(closing);
            QTRY_VERIFY_WITH_TIMEOUT(windowNamed(caption, 0).isEmpty(), WaitMs);
        }
        program.exit();
        QVERIFY(program.ended());
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
        QVERIFY(windowManagers.use(Openbox));
        QFETCH(QString, birth);
        QFETCH(bool, calculated);
        QFETCH(QString, field);
        QFETCH(QString, key);
        Program program(home->path());
        QVERIFY(program.ready());
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
        QVERIFY(windowManagers.use(Openbox));
        QFETCH(QString, item);
        QFETCH(QString, clipboardBefore);
        QFETCH(QString, clipboardAfter);
        QFETCH(QString, resultAfter);
        Program program(home->path());
        QVERIFY(program.ready());
        enterDates(Birth, true);
        keys(QStringLiteral("Home shift+End"));
        QVERIFY(setClipboard(clipboardBefore));
        keys(QStringLiteral("alt+e %1").arg(item));
        QVERIFY(keysHandled());
        QCOMPARE(clipboard(), clipboardAfter);
        QCOMPARE(fieldText(QStringLiteral("f")), resultAfter);
        program.exit();
    }

    // The viewer's outer frame, title bar included, is centred on the
    // screen, whenever the window manager reports the frame.
    void viewerFrameCentred_data()
    {
        QTest::addColumn<QString>("windowManager");
        for (const QString& manager : {Openbox, Fluxbox, IceWM})
            QTest::newRow(qPrintable(manager)) << manager;
    }

    void viewerFrameCentred()
    {
        QFETCH(QString, windowManager);
        if (!windowManagers.use(windowManager))
            QSKIP(qPrintable(windowManager + QStringLiteral(" is not installed or did not start")));
        Program program(home->path());
        QVERIFY(program.ready());
        keys(QStringLiteral("F1"));
        const QString viewer = windowNamed(ViewerCaption);
        QVERIFY(!viewer.isEmpty());
        const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
        QTRY_VERIFY_WITH_TIMEOUT(
            (frameOf(viewer).center() - screenCentre).manhattanLength() <= 2, WaitMs);
        QVERIFY(keyboardOn(viewer));
        keys(QStringLiteral("Escape"));
        program.exit();
        QVERIFY(program.ended());
    }

    // The oldest ages' results are shown whole in the result field, in
    // every state the field takes: selected with the caret at the start
    // (right after Calculate), with the caret at the end (chosen from the
    // list), and without the focus. Whole: the first column where that of
    // a short result beginning with the same digit stands in the same
    // state (not scrolled), the last inside the right margin (not cut).
    void resultShownWhole_data()
    {
        QTest::addColumn<QString>("windowManager");
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("worded");
        for (const QString& manager : {Openbox, Fluxbox, IceWM}) {
            QTest::addRow("%s, 100 years", qPrintable(manager))
                << manager << "1/1/1900" << "100 Year(s), 11 month(s), 30 day(s)";
            QTest::addRow("%s, 99 years", qPrintable(manager))
                << manager << "1/1/1901" << "99 Year(s), 11 month(s), 30 day(s)";
        }
    }

    void resultShownWhole()
    {
        QFETCH(QString, windowManager);
        QFETCH(QString, birth);
        QFETCH(QString, worded);
        if (!windowManagers.use(windowManager))
            QSKIP(qPrintable(windowManager + QStringLiteral(" is not installed or did not start")));
        const QString death = QStringLiteral("12/31/2000");
        // The slash notation first: 11/30/100 or 11/30/99, as short as a
        // result is, beginning with the worded result's digit.
        store(QStringLiteral("Output Format"), 1);
        Program program(home->path());
        QVERIFY(program.ready());
        const QRect field = resultFieldOnScreen(placementOf(program.window).client);
        const auto report = [](const char* state, const ResultPicture& picture) {
            qInfo("%s: white %d to %d, text %d to %d", state, picture.whiteLeft,
                  picture.whiteRight, picture.ink.left, picture.ink.right);
            return picture;
        };
        const auto shown = [&](const char* state, bool focused) {
            if (!keysHandled())
                return ResultPicture();
            return report(state, overCaretBlink(field, focused));
        };
        // Right after Calculate, without F1 (the viewer would take the focus
        // and with it the selection): once the selection is drawn.
        const auto selectedShown = [&](const char* state) {
            cameTrue([&field] { return resultPicture(field).selected; });
            return report(state, overCaretBlink(field, true));
        };
        const auto whole = [](const ResultPicture& picture, const ResultPicture& shortOne) {
            return picture.ink.found() && shortOne.ink.found()
            && picture.selected == shortOne.selected
                && picture.ink.left == shortOne.ink.left
                && picture.ink.left >= picture.whiteLeft + LineEditMargin
                && picture.ink.right <= picture.whiteRight - LineEditMargin;
        };

        type(birth);
        keys(QStringLiteral("Tab"));
        type(death);
        keys(QStringLiteral("Return"));
        const ResultPicture shortSelected = selectedShown("short, selected");
        keys(QStringLiteral("Down Down Down"));
        const ResultPicture caretAtEnd = shown("worded, caret at the end", true);
        keys(QStringLiteral("Up Up Up"));
        const ResultPicture shortCaretAtEnd = shown("short, caret at the end", true);
        keys(QStringLiteral("alt+b"));
        const ResultPicture shortUnfocused = shown("short, without the focus", false);
        keys(QStringLiteral("alt+f Down Down Down alt+b"));
        const ResultPicture unfocused = shown("worded, without the focus", false);
        // Calculated again, in the worded notation now chosen.
        keys(QStringLiteral("alt+d"));
        type(death);
        keys(QStringLiteral("Return"));
        const ResultPicture selected = selectedShown("worded, selected");

        QCOMPARE(fieldText(QStringLiteral("f")), worded);
        QVERIFY2(whole(selected, shortSelected), "selected, right after Calculate");
        QVERIFY2(whole(caretAtEnd, shortCaretAtEnd), "with the caret at the end");
        QVERIFY2(whole(unfocused, shortUnfocused), "without the focus");
        program.exit();
    }

    // An empty lock file left by a crash: the exit still takes under a
    // second, and the store keeps what it held.
    void exitWithStaleLock()
    {
        QVERIFY(windowManagers.use(Openbox));
        store(QStringLiteral("Kept"), QStringLiteral("yes"));
        QFile lock(storeFile() + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        Program program(home->path());
        QVERIFY(program.ready());
        const qint64 milliseconds = program.exit();
        QVERIFY(program.ended());
        // Told, not asserted: a held-up exit shows in the store, which Qt
        // leaves unwritten when it gives up on the lock.
        qInfo("exit with an empty lock file: %lld ms", milliseconds);
        QCOMPARE(stored(QStringLiteral("Kept")).toString(), QStringLiteral("yes"));
        QCOMPARE(stored(QStringLiteral("Output Format")).toString(), QStringLiteral("4"));
    }

    // Under a dark style the labels keep dark text on the grey.
    void labelsReadableUnderDarkStyle()
    {
        QVERIFY(windowManagers.use(Openbox));
        const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
        if (!QFileInfo::exists(plugins + QStringLiteral("/styles/adwaita.so")))
            QSKIP("the Adwaita styles (adwaita-qt6) are not installed");
        Program program(home->path(), {QStringLiteral("QT_STYLE_OVERRIDE=Adwaita-Dark")});
        QVERIFY(program.ready());
        const QRect client = placementOf(program.window).client;
        QVERIFY(!client.isEmpty());
        // The labels' places in twips, below the menu bar.
        const int menuBar = client.height() - 2835 / TwipsPerPixel;
        QList<QRect> labels;
        for (const QRect& label : {QRect(240, 120, 1335, 255), QRect(240, 720, 1575, 255),
                                   QRect(240, 1560, 1695, 255)})
            labels << QRect(client.x() + label.x() / TwipsPerPixel,
                            client.y() + menuBar + label.y() / TwipsPerPixel,
                            label.width() / TwipsPerPixel, label.height() / TwipsPerPixel);
        // Painted once every label's place holds more than its background.
        QImage shot;
        const bool painted = cameTrue([&] {
            shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            return std::all_of(labels.cbegin(), labels.cend(), [&shot](const QRect& label) {
                return textContrast(shot.copy(label)) > 1;
            });
        });
        QVERIFY2(painted, "the labels were never drawn");
        for (const QRect& pixels : labels) {
            const double ratio = textContrast(shot.copy(pixels));
            qInfo("label at %d,%d: contrast %.1f:1", pixels.x(), pixels.y(), ratio);
            QVERIFY2(ratio >= LeastContrast, qPrintable(QString::number(ratio)));
        }
        program.exit();
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
