#include "frmerror.h"

#include "frmabout.h"
#include "platform/fonts.h"
#include "platform/look.h"
#include "platform/platform.h"
#include "platform/twips.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

frmError::frmError(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Format Error"));
    setWindowFlags(look::DialogFrame);
    setFont(fonts::controls());
    // No icon of its own, so that the window manager shows its default or
    // none. A widget without an icon passes on its parent's, the main
    // window's wristwatch, and an image of nothing is drawn as a black
    // square by some window managers: the native window gets no icon.
    create();
    windowHandle()->setIcon(QIcon());

    // Always at the same place on the screen, not relative to the main window.
    const QRect screen = platform::primaryScreenGeometry();
    setFixedSize(twips::toPixels(2505), twips::toPixels(1530));
    setGeometry(QRect(screen.topLeft() + QPoint(twips::toPixels(4590), twips::toPixels(3555)),
                      size()));

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twips::rect(360, 960, 615, 375));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    Label1 = new QLabel(tr("Wrong Date Format!!!"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(fonts::serif());
    // Room for the whole message in whatever serif font the system has.
    Label1->setGeometry(twips::grownTo(twips::rect(240, 240, 2055, 255), Label1->sizeHint()));

    cmdHelp = new QPushButton(tr("&Help"), this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    cmdHelp->setGeometry(twips::rect(1440, 960, 615, 375));
    connect(cmdHelp, &QPushButton::clicked, this, [this] {
        frmAbout::showFormatsHelp(this);
        accept();
    });

    setTabOrder(cmdOK, cmdHelp);
    cmdOK->setFocus();
}

void frmError::keyPressEvent(QKeyEvent* event)
{
    // No cancel button: Esc leaves the dialog open.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
