#include "frmdatepage.h"

#include "dateedit.h"
#include "resultlist.h"
#include "platform/fonts.h"
#include "platform/look.h"
#include "platform/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace spanwright;

namespace {

// A label at its place, at least as wide and high as its caption needs.
QLabel* addLabel(QWidget* client, const QString& name, const QString& caption,
                 const QRect& area)
{
    auto* label = new QLabel(caption, client);
    label->setObjectName(name);
    label->setGeometry(twips::grownTo(area, label->sizeHint()));
    return label;
}

// A control with its name and place.
template <typename Control>
Control* placed(Control* control, const QString& name, const QRect& area)
{
    control->setObjectName(name);
    control->setGeometry(area);
    return control;
}

QPushButton* addButton(QWidget* client, const QString& name, const QString& caption, QRect area)
{
    return placed(new QPushButton(caption, client), name, area);
}

} // namespace

frmDatePage::frmDatePage(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDatePage"));
    setWindowTitle(tr("Spanwright '95"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowIcon(look::windowIcon(QStringLiteral("wristwatch")));
    setFont(fonts::controls());
    // Dark text on the grey whatever the desktop's colour scheme.
    setPalette(look::classicPalette());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twips::toPixels(4095), twips::toPixels(2835));
    client->setAutoFillBackground(true);

    createMenus();
    createControls(client);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    loadSettings();
    txtBirth->setFocus();
}

void frmDatePage::createMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));

    mnuEdit = menuBar->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditItem[EditCopy] = mnuEdit->addAction(tr("C&opy"));
    mnuEditItem[EditCopy]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditItem[EditPaste] = mnuEdit->addAction(tr("&Paste"));
    mnuEditItem[EditPaste]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuEditItem[EditClearAll] = mnuEdit->addAction(tr("Clear &All"));
    mnuEditItem[EditSeparator] = mnuEdit->addSeparator();
    mnuEditItem[EditExit] = mnuEdit->addAction(tr("E&xit"));
    for (int index = 0; index < int(mnuEditItem.size()); ++index) {
        mnuEditItem[index]->setObjectName(QStringLiteral("mnuEditItem%1").arg(index));
        connect(mnuEditItem[index], &QAction::triggered, this,
                [this, index] { editMenuItemChosen(index); });
    }

    mnuHelp = menuBar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpItem[0] = mnuHelp->addAction(tr("&About"));
    mnuHelpItem[1] = mnuHelp->addAction(tr("Help on &Formats"));
    mnuHelpItem[1]->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpItem[2] = mnuHelp->addAction(tr("&Tips && Tricks"));
    for (int index = 0; index < int(mnuHelpItem.size()); ++index) {
        mnuHelpItem[index]->setObjectName(QStringLiteral("mnuHelpItem%1").arg(index));
        connect(mnuHelpItem[index], &QAction::triggered, this,
                [this, index] { helpMenuItemChosen(index); });
    }
}

void frmDatePage::createControls(QWidget* client)
{
    using twips::rect;

    lblBirth = addLabel(client, QStringLiteral("lblBirth"), tr("&Birth (Begin) Date"),
                        rect(240, 120, 1335, 255));
    txtBirth = placed(new DateEdit(client), QStringLiteral("txtBirth"), rect(480, 360, 2055, 285));
    lblBirth->setBuddy(txtBirth);
    txtBirth->setAccessibleName(tr("Birth (Begin) Date"));

    lblDeath = addLabel(client, QStringLiteral("lblDeath"), tr("&Death (End) Date"),
                        rect(240, 720, 1575, 255));
    txtDeath = placed(new DateEdit(client), QStringLiteral("txtDeath"), rect(480, 960, 2055, 285));
    lblDeath->setBuddy(txtDeath);
    txtDeath->setAccessibleName(tr("Death (End) Date"));

    cmdCalculate = addButton(client, QStringLiteral("cmdCalculate"), tr("&Calculate"),
                             rect(2880, 960, 975, 375));
    cmdCalculate->setDefault(true);

    lblDiff = addLabel(client, QStringLiteral("lblDiff"), tr("Di&fference Date"),
                       rect(240, 1560, 1695, 255));
    auto* resultList = placed(new ResultList(client), QStringLiteral("cboAge"),
                              rect(480, 1800, 2892, 315));
    resultList->fitFontToResults();
    cboAge = resultList;
    lblDiff->setBuddy(cboAge);
    // Screen readers name the field inside the list by itself.
    cboAge->lineEdit()->setAccessibleName(tr("Difference Date"));

    cmdDone = addButton(client, QStringLiteral("cmdDone"), tr("E&xit"), rect(2880, 360, 975, 375));
    cmdClear = addButton(client, QStringLiteral("cmdClear"), tr("Clear All"),
                         rect(2760, 2280, 975, 375));
    cmdCopy = addButton(client, QStringLiteral("cmdCopy"), tr("C&opy"), rect(240, 2280, 975, 375));
    cmdPaste = addButton(client, QStringLiteral("cmdPaste"), tr("&Paste"),
                         rect(1560, 2280, 975, 375));

    Lin1 = new QFrame(client);
    Lin1->setObjectName(QStringLiteral("Lin1"));
    Lin1->setFrameShape(QFrame::HLine);
    Lin1->setFrameShadow(QFrame::Sunken);
    const QPoint lineStart = rect(240, 1440, 0, 0).topLeft();
    const QPoint lineEnd = rect(3480, 1440, 0, 0).topLeft();
    Lin1->setGeometry(lineStart.x(), lineStart.y() - 1, lineEnd.x() - lineStart.x() + 1, 2);

    setTabOrder(txtBirth, txtDeath);
    setTabOrder(txtDeath, cmdCalculate);
    setTabOrder(cmdCalculate, cboAge);
    setTabOrder(cboAge, cmdDone);
    setTabOrder(cmdDone, cmdClear);
    setTabOrder(cmdClear, cmdCopy);
    setTabOrder(cmdCopy, cmdPaste);

    setClearEnabled(false);
    setCopyEnabled(false);

    connect(cmdCalculate, &QPushButton::clicked, this, &frmDatePage::calculate);
    connect(cmdCopy, &QPushButton::clicked, this, &frmDatePage::copyButtonClicked);
    connect(cmdPaste, &QPushButton::clicked, this, &frmDatePage::pasteButtonClicked);
    connect(cmdClear, &QPushButton::clicked, this, &frmDatePage::clearAll);
    connect(cmdDone, &QPushButton::clicked, this, &QWidget::close);

    for (DateEdit* field : {txtBirth, txtDeath}) {
        connect(field, &QLineEdit::textChanged, this, [this, field] { dateFieldChanged(field); });
        field->installEventFilter(this);
    }
    connect(cboAge, &QComboBox::activated, this, &frmDatePage::resultEntryChosen);
    cboAge->installEventFilter(this);
    cboAge->lineEdit()->installEventFilter(this);
    for (QPushButton* button : {cmdCalculate, cmdDone, cmdClear, cmdCopy, cmdPaste})
        button->installEventFilter(this);
}

void frmDatePage::setCopyEnabled(bool enabled)
{
    cmdCopy->setEnabled(enabled);
    mnuEditItem[EditCopy]->setEnabled(enabled);
}

void frmDatePage::setClearEnabled(bool enabled)
{
    cmdClear->setEnabled(enabled);
    mnuEditItem[EditClearAll]->setEnabled(enabled);
}

// Each event goes to the handler of its concern: the focus and Ctrl+T to the
// fields, Ctrl+C and Ctrl+V to the edit commands, access keys to the buttons.
bool frmDatePage::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        return fieldFocusEvent(watched, event);
    case QEvent::KeyPress:
        if (watched == txtDeath && endDateKeyPressed(static_cast<QKeyEvent*>(event)))
            return true;
        return editShortcutEvent(event);
    case QEvent::ShortcutOverride:
        return editShortcutEvent(event);
    case QEvent::Shortcut:
        return accessKeyEvent(watched);
    default:
        return QDialog::eventFilter(watched, event);
    }
}

bool frmDatePage::accessKeyEvent(QObject* watched)
{
    // A button's access key presses it and, as a click does, gives it the
    // focus first: the field being left records itself as the target of the
    // Copy and Paste buttons.
    if (auto* button = qobject_cast<QPushButton*>(watched); button && button->isEnabled())
        button->setFocus(Qt::ShortcutFocusReason);
    return false;
}

void frmDatePage::reject()
{
    // Esc: the Exit button is the cancel button.
    close();
}

void frmDatePage::closeEvent(QCloseEvent* event)
{
    saveSettings();
    event->accept();
    platform::endProgram();
}
