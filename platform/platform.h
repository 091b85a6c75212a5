#pragma once

#include <QDate>
#include <QList>
#include <QStringList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QDialog;
class QRect;
class QWidget;

// The thin layer over the desktop system that the windows use: message boxes,
// beep, clipboard, settings store, files, today's date and the screen.
namespace platform {

// --- Modal windows and sound ---

enum class MessageIcon { None, Exclamation };

// Shows a modal message box with a single OK button and returns once it is closed.
void messageBox(QWidget* parent, const QString& text, const QString& title, MessageIcon icon);

// Runs the dialog modally and returns once the user has closed it.
void showModal(QDialog& dialog);

void beep();

// Ends the program's event loop at once.
void endProgram();

// What main returns once the event loop has ended with the status. Under
// Wayland the process ends here instead, without Qt's teardown of the
// display connection: Qt 6.4's can deadlock there (its event thread waits
// for a read the main thread prepared and never finishes), leaving a process
// without a window that never ends. Nothing is left to write by then: the
// settings are synced as the window closes.
int afterEventLoop(int status);

// --- Clipboard, plain text only ---

void clearClipboard();
void setClipboardText(const QString& text);
// "" when the clipboard holds no text.
QString clipboardText();

// --- Per-user settings store: text values by application, section and key ---

// The values of the keys, read in one go; a key that does not exist reads
// as "", and so does every key of a store that cannot be read as a whole.
QStringList readSettings(const QString& application, const QString& section,
                         const QStringList& keys);
// Writes the (key, value) pairs in one go. Failures to write are silent: a
// store that cannot be written must never keep the program from ending.
void writeSettings(const QString& application, const QString& section,
                   const QList<std::pair<QString, QString>>& values);

// --- Files ---

// The directory that holds the running program.
QString programDirectory();
// The whole content of a file in the platform's 8-bit character set, or
// nothing when it cannot be read (missing, a directory or anything else
// that is not a regular file, no permission).
std::optional<QString> readTextFile(const QString& path);

// --- Date and screen ---

QDate today();
// The date separator of the user's locale, taken from its short date format.
QString localeDateSeparator();

// Logical dots per inch of the primary screen (96 on a standard display).
double screenDpi();
// Device pixels per logical pixel of the primary screen (1 unless the
// desktop or QT_SCALE_FACTOR scales the program up).
double screenPixelRatio();
QRect primaryScreenGeometry();
// The areas of the screens that windows may use (without panels and docks).
QList<QRect> availableScreenAreas();
// Whether the program can tell and set where its windows stand on the
// screen; not under Wayland, where the compositor alone places them.
bool windowPlacesKnown();

// --- Test seam ---

// Tests replace single platform services; a hook left empty keeps the real one.
struct Hooks
{
    std::function<void(QDialog&)> showModal;
    std::function<void()> beep;
    std::function<void()> endProgram;
    std::function<QDate()> today;
    std::function<QString()> localeDateSeparator;
    std::function<QString()> programDirectory;
};

// Installs hooks (nullptr removes them). The hooks object must outlive its use.
void setHooks(const Hooks* hooks);

} // namespace platform
