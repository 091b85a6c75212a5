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
#include <QLineEdit>
#include <QPushButton>

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
    if (Last_Focus == QLatin1String("Birth"))
        platform::setClipboardText(txtBirth->keptSelectedText());
    else if (Last_Focus == QLatin1String("Death"))
        platform::setClipboardText(txtDeath->keptSelectedText());
    else if (Last_Focus == QLatin1String("Diff"))
        platform::setClipboardText(cboAge->currentText());
}

void frmDatePage::pasteButtonClicked()
{
    const QString pasted = platform::clipboardText();
    if (Last_Focus == QLatin1String("Birth"))
        txtBirth->replaceKeptSelection(pasted);
    else if (Last_Focus == QLatin1String("Death"))
        txtDeath->replaceKeptSelection(pasted);
    else if (Last_Focus == QLatin1String("Diff"))
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
    case 0: {
        platform::clearClipboard();
        if (const QLineEdit* edit = focusedLineEdit(); edit && edit->hasSelectedText())
            platform::setClipboardText(edit->selectedText());
        break;
    }
    case 1:
        if (QLineEdit* edit = focusedLineEdit())
            edit->insert(platform::clipboardText());
        break;
    case 2:
        clearAll();
        break;
    case 4:
        close();
        break;
    default:
        break;
    }
}

void frmDatePage::helpMenuItemChosen(int index)
{
    switch (index) {
    case 0:
        frmAbout::showText(this, aboutText(), tr("About Spanwright"));
        break;
    case 1:
        frmAbout::showFile(this, QStringLiteral("Formats.txt"), tr("Help on Formats"));
        break;
    case 2:
        frmAbout::showFile(this, QStringLiteral("Tips.txt"), tr("Tips And Tricks"));
        break;
    default:
        break;
    }
}
