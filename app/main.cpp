#include "app/frmdatepage.h"
#include "platform/look.h"
#include "platform/platform.h"

#include <QApplication>

using namespace spanwright;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spanwright"));
    look::pinStyle();
    // Ties the window to its desktop entry (the Wayland app id), so that docks
    // and task bars group it with its launcher and show its icon.
    QApplication::setDesktopFileName(QStringLiteral(SPANWRIGHT_APP_ID));

    frmDatePage window;
    window.show();
    return platform::afterEventLoop(QApplication::exec());
}
