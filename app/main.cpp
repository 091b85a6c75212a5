#include "app/frmdatepage.h"
#include "platform/look.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spanwright"));
    look::pinStyle();

    frmDatePage window;
    window.show();
    return QApplication::exec();
}
