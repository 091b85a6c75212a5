#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QString>

// The look that the fixed layouts are drawn for: one style on every desktop,
// the classic grey with dark text, and the window icons.
namespace look {

// The classic light grey behind the controls of the main window and the viewer.
inline const QColor ClassicGrey(192, 192, 192);

// The window frame of the program's dialogs: a caption with a close box and a
// system menu, nothing to resize, maximise or minimise.
constexpr Qt::WindowFlags DialogFrame = Qt::Dialog | Qt::CustomizeWindowHint
                                      | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                      | Qt::WindowCloseButtonHint;

// The style the layouts are measured in, used whatever the desktop sets:
// the layouts place every control in fixed twips, and a desktop style with
// other margins or arrows cuts texts and hides the result list's arrow.
// Fusion ships with Qt itself, so it is there on every system. The classic
// palette goes with it, for every window of the program.
inline const QString PinnedStyle = QStringLiteral("Fusion");
void pinStyle();

// A whole palette of dark text on the classic grey and on white fields, so
// that no text keeps a colour chosen for a dark desktop scheme.
QPalette classicPalette();

// The window icon from its 32 and 16 pixel images in the resources
// (":/icons/NAME-32.xpm" and ":/icons/NAME-16.xpm").
QIcon windowIcon(const QString& name);

} // namespace look
