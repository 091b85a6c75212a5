#pragma once

// Helpers shared by the window tests: a platform whose modal windows,
// beep, date and program end can be watched and answered, and a way to
// close the real modal windows from a timer.

#include "platform/platform.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QPointer>
#include <QSettings>
#include <QTimer>

#include <functional>

// Installs platform hooks for the lifetime of the object. Modal windows are
// shown for real unless answerModal is set; every one is recorded by caption.
class WatchedPlatform
{
public:
    WatchedPlatform()
    {
        hooks.beep = [this] { ++beeps; };
        hooks.endProgram = [this] { ++programEnds; };
        hooks.showModal = [this](QDialog& dialog) {
            modalCaptions << dialog.windowTitle();
            if (answerModal)
                answerModal(dialog);
            else
                dialog.exec();
        };
        hooks.today = [this] { return today; };
        hooks.localeDateSeparator = [this] { return dateSeparator; };
        hooks.programDirectory = [this] { return programDirectory; };
        platform::setHooks(&hooks);
    }
    ~WatchedPlatform() { platform::setHooks(nullptr); }
    WatchedPlatform(const WatchedPlatform&) = delete;
    WatchedPlatform& operator=(const WatchedPlatform&) = delete;

    int beeps = 0;
    int programEnds = 0;
    QStringList modalCaptions;
    // When set, called instead of running the modal window; the window is
    // closed as soon as it returns.
    std::function<void(QDialog&)> answerModal;
    QDate today = QDate(1997, 3, 7);
    QString dateSeparator = QStringLiteral("/");
    QString programDirectory = QCoreApplication::applicationDirPath();

private:
    platform::Hooks hooks;
};

// How many modal windows a test left open, closed by whenModalShows after a
// while so that the test does not hang; a test's cleanup checks it is 0.
inline int modalWindowsLeftOpen = 0;

// Runs action on the next modal window that becomes active, from a timer,
// while the code under test waits inside that window's loop. Chains of
// windows are answered by calling it again from inside the action.
inline void whenModalShows(std::function<void(QWidget*)> action, int timeoutMs = 5000)
{
    auto* timer = new QTimer;
    auto* elapsed = new int(0);
    QWidget* const before = QApplication::activeModalWidget();
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, before, action, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        *elapsed += timer->interval();
        if (modal && modal != before && modal->isVisible() && modal->isActiveWindow()) {
            timer->stop();
            timer->deleteLater();
            delete elapsed;
            action(modal);
            // A failed check inside the action may leave the window open:
            // close it after a while rather than hang the test.
            QPointer<QWidget> left(modal);
            QTimer::singleShot(3000, [left] {
                if (left && left->isVisible()) {
                    ++modalWindowsLeftOpen;
                    qWarning("closing a modal window the test left open: %s",
                             qPrintable(left->windowTitle()));
                    left->close();
                }
            });
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete elapsed;
            ++modalWindowsLeftOpen;
            qWarning("no modal window showed up");
        }
    });
    timer->start(20);
}

// Points the settings store at an empty temporary directory for the
// lifetime of the object, so that windows closed by one test (which save
// their settings) do not hand their notation or position to the next.
class TemporarySettingsStore
{
public:
    TemporarySettingsStore()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory.path());
    }
    bool isValid() const { return directory.isValid(); }
    QString path() const { return directory.path(); }

private:
    QTemporaryDir directory;
};

template <typename T>
T* childNamed(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}
