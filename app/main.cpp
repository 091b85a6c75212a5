#include "app/frmdatepage.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spanwright"));
    QApplication::setApplicationVersion(QStringLiteral(SPANWRIGHT_VERSION));

    frmDatePage window;
    window.show();
    return QApplication::exec();
}
