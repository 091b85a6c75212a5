// The floor of start-up cost for a Qt Widgets program of Spanwright's shape:
// a dialog with a menu bar (two menus of a few actions), two line edits, an
// editable combo box and five push buttons, shown at start. Nothing else: no
// settings, no help texts, no icons, no fonts of its own. measure.sh compares
// Spanwright's time to a visible window and its peak memory with this one's.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QDialog dialog;
    // A title no other window has, for measure.sh to wait for.
    dialog.setWindowTitle(QStringLiteral("Bare Dialog Startup Floor"));

    auto* menuBar = new QMenuBar(&dialog);
    QMenu* edit = menuBar->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("C&opy"));
    edit->addAction(QStringLiteral("&Paste"));
    edit->addAction(QStringLiteral("Clear &All"));
    edit->addSeparator();
    QObject::connect(edit->addAction(QStringLiteral("E&xit")), &QAction::triggered, &dialog,
                     &QDialog::reject);
    QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"));
    help->addAction(QStringLiteral("Help on &Formats"));
    help->addAction(QStringLiteral("&Tips && Tricks"));

    auto* layout = new QVBoxLayout(&dialog);
    layout->setMenuBar(menuBar);
    layout->addWidget(new QLineEdit(&dialog));
    layout->addWidget(new QLineEdit(&dialog));
    auto* combo = new QComboBox(&dialog);
    combo->setEditable(true);
    layout->addWidget(combo);
    for (const char* caption : {"&Calculate", "E&xit", "Clear All", "C&opy", "&Paste"})
        layout->addWidget(new QPushButton(QString::fromLatin1(caption), &dialog));

    dialog.show();
    return QApplication::exec();
}
