#include "app/frmdatepage.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spanwright"));

    frmDatePage window;
    window.show();
    return QApplication::exec();
}
