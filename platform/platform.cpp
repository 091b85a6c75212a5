#include "platform.h"

#include "textrules.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace platform {

namespace {

const Hooks* installedHooks = nullptr;

// The hook for a service when a test has installed one.
template <typename Member>
const Member* hook(Member Hooks::*member)
{
    if (installedHooks && (installedHooks->*member))
        return &(installedHooks->*member);
    return nullptr;
}

// The program keeps one store, named after the application.
std::unique_ptr<QSettings> openStore(const QString& application)
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       application, application);
}

// How long the exit waits for another program's lock on the store, well
// under the second that a user waits for a window to close.
constexpr int LockWaitMs = 300;

// Whether the store can be written now. A lock file left empty by a program
// that died while taking it names no owner and is held by nobody, yet Qt
// waits half a minute before treating it as stale: remove it. A lock that
// another live program holds for longer than the wait keeps this write out.
bool storeLockFree(const QString& storeFile)
{
    QLockFile lock(storeFile + QStringLiteral(".lock"));
    if (lock.tryLock(LockWaitMs)) {
        lock.unlock();
        return true;
    }
    // No lock can be made at all (no directory yet, no permission): the
    // store's own write fails or succeeds as quickly.
    if (lock.error() != QLockFile::LockFailedError)
        return true;
    qint64 owner = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&owner, &host, &application))
        return false;
    // Removal fails while some process holds the lock for real.
    return lock.removeStaleLockFile() && lock.tryLock(0);
}

} // namespace

void setHooks(const Hooks* hooks)
{
    installedHooks = hooks;
}

void messageBox(QWidget* parent, const QString& text, const QString& title, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, parent);
    showModal(box);
}

void showModal(QDialog& dialog)
{
    if (auto* replacement = hook(&Hooks::showModal))
        (*replacement)(dialog);
    else
        dialog.exec();
    // Give the window below the keyboard back, as the window system does not
    // always do by itself.
    if (QWidget* below = dialog.parentWidget(); below && below->window()->isVisible())
        below->window()->activateWindow();
}

void beep()
{
    if (auto* replacement = hook(&Hooks::beep))
        (*replacement)();
    else
        QApplication::beep();
}

void endProgram()
{
    if (auto* replacement = hook(&Hooks::endProgram))
        (*replacement)();
    else
        QCoreApplication::exit(0);
}

int afterEventLoop(int status)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

void clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

QStringList readSettings(const QString& application, const QString& section,
                         const QStringList& keys)
{
    // One store object for all keys: Qt reports a broken file only to the
    // first object that parses it, later ones see the values it kept.
    const auto store = openStore(application);
    const bool readable = store->status() == QSettings::NoError;
    QStringList values;
    for (const QString& key : keys)
        values << (readable ? store->value(section + QLatin1Char('/') + key).toString() : QString());
    return values;
}

void writeSettings(const QString& application, const QString& section,
                   const QList<std::pair<QString, QString>>& values)
{
    const auto store = openStore(application);
    if (!storeLockFree(store->fileName()))
        return;
    for (const auto& [key, value] : values)
        store->setValue(section + QLatin1Char('/') + key, value);
    store->sync();
}

QString programDirectory()
{
    if (auto* replacement = hook(&Hooks::programDirectory))
        return (*replacement)();
    return QCoreApplication::applicationDirPath();
}

std::optional<QString> readTextFile(const QString& path)
{
    // Only a regular file: a pipe would block and a device never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return QString::fromLocal8Bit(content);
}

QDate today()
{
    if (auto* replacement = hook(&Hooks::today))
        return (*replacement)();
    return QDate::currentDate();
}

QString localeDateSeparator()
{
    if (auto* replacement = hook(&Hooks::localeDateSeparator))
        return (*replacement)();
    return textrules::dateSeparatorOf(QLocale::system().dateFormat(QLocale::ShortFormat));
}

double screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

double screenPixelRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

QRect primaryScreenGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QList<QRect> availableScreenAreas()
{
    QList<QRect> areas;
    const auto screens = QGuiApplication::screens();
    for (const QScreen* screen : screens)
        areas.append(screen->availableGeometry());
    return areas;
}

bool windowPlacesKnown()
{
    // Qt's platforms "wayland" and "wayland-egl".
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace platform
