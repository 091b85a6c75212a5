// Copy, Paste, Clear All and Exit, as buttons and in the Edit menu, and the
// Help menu.
#include "frmdatepage.h"

#include "abouttext.h"
#include "dateedit.h"
#include "dialogs/frmabout.h"
#include "platform/platform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace spanwright;

namespace {

// The line edit behind the focus: a date field or the result list's field.
QLineEdit* focusedLineEdit()
{
    QWidget* focused = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focused))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(focused);
}

} // namespace

// The buttons take the focus when pressed, so they act on the field that
// was left last.
void frmDatePage::copyButtonClicked()
{
    platform::clearClipboard();
    if (Last_Focus == BirthField)
        platform::setClipboardText(txtBirth->keptSelectedText());
    else if (Last_Focus == DeathField)
        platform::setClipboardText(txtDeath->keptSelectedText());
    else if (Last_Focus == DiffField)
        platform::setClipboardText(cboAge->currentText());
}

void frmDatePage::pasteButtonClicked()
{
    const QString pasted = platform::clipboardText();
    if (Last_Focus == BirthField)
        txtBirth->replaceKeptSelection(pasted);
    else if (Last_Focus == DeathField)
        txtDeath->replaceKeptSelection(pasted);
    else if (Last_Focus == DiffField)
        cboAge->setEditText(pasted);
}

void frmDatePage::clearAll()
{
    setClearEnabled(false);
    setCopyEnabled(false);
    cboAge->clear();
    cboAge->clearEditText();
    txtBirth->setText(QString());
    txtDeath->setText(QString());
    txtBirth->setFocus();
}

// The menu items leave the focus where it is and act on that control.
void frmDatePage::editMenuItemChosen(int index)
{
    switch (index) {
    case EditCopy: {
        platform::clearClipboard();
        if (const QLineEdit* edit = focusedLineEdit(); edit && edit->hasSelectedText())
            platform::setClipboardText(edit->selectedText());
        break;
    }
    case EditPaste:
        if (QLineEdit* edit = focusedLineEdit())
            edit->insert(platform::clipboardText());
        break;
    case EditClearAll:
        clearAll();
        break;
    case EditExit:
        close();
        break;
    default:
        break;
    }
}

bool frmDatePage::editShortcutEvent(QEvent* event)
{
    // The fields would copy and paste by themselves; the Edit menu's Copy and
    // Paste do it instead, and only while they are enabled.
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    QAction* action = nullptr;
    if (keyEvent->matches(QKeySequence::Copy))
        action = mnuEditItem[EditCopy];
    else if (keyEvent->matches(QKeySequence::Paste))
        action = mnuEditItem[EditPaste];
    if (!action)
        return false;
    event->accept();
    if (event->type() == QEvent::KeyPress && action->isEnabled())
        action->trigger();
    return true;
}

void frmDatePage::helpMenuItemChosen(int index)
{
    switch (index) {
    case 0:
        frmAbout::showText(this, aboutText(), tr("About Spanwright"));
        break;
    case 1:
        frmAbout::showFormatsHelp(this);
        break;
    case 2:
        frmAbout::showFile(this, QStringLiteral("Tips.txt"), tr("Tips And Tricks"));
        break;
    default:
        break;
    }
}
