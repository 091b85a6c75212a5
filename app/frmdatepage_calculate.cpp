// The Calculate command: reads both dates and fills the result list.
#include "frmdatepage.h"

#include "dateedit.h"
#include "dialogs/frmerror.h"
#include "platform/platform.h"

#include "datetext.h"
#include "spans/resultentries.h"
#include "windowspan.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace spanwright;

void frmDatePage::ParseDateText(const QString& text)
{
    DateFields date;
    if (readDateText(text.toStdString(), date)) {
        Months = date.Months;
        Days = date.Days;
        Years = date.Years;
        Max_Days = date.Max_Days;
        return;
    }
    platform::beep();
    frmError dialog(this);
    platform::showModal(dialog);
    Months = 0;
}

void frmDatePage::calculate()
{
    if (!cmdCalculate->isEnabled())
        return;
    if (txtBirth->text().isEmpty()) {
        txtBirth->setFocus();
        return;
    }
    if (txtDeath->text().isEmpty()) {
        txtDeath->setFocus();
        return;
    }

    cboAge->clear();
    cboAge->clearEditText();
    setClearEnabled(true);
    setCopyEnabled(true);

    // The end date is read first; a date that is not understood is emptied
    // for the user to type again.
    ParseDateText(txtDeath->text());
    if (Months == 0) {
        txtDeath->setFocus();
        txtDeath->setText(QString());
        return;
    }
    const DateFields end{Months, Days, Years, Max_Days};

    ParseDateText(txtBirth->text());
    if (Months == 0) {
        txtBirth->setFocus();
        txtBirth->setText(QString());
        return;
    }
    const DateFields begin{Months, Days, Years, Max_Days};

    if (endsBefore(end, begin)) {
        platform::messageBox(this, tr("Error - Death Date Before Birth date"), tr("Date Error"),
                             platform::MessageIcon::None);
        txtDeath->setFocus();
        return;
    }

    const Span span = elapsedSpan(begin, end);
    Days = span.Days;
    Months = span.Months;
    Years = span.Years;
    ResultEntries entries;
    entries.composeCounts(span.Years, span.Months, span.Days);
    Months_Str = entries.months();
    Days_Str = entries.days();
    Years_Str = entries.years();
    for (int position = 1; position <= NotationCount; ++position) {
        const std::string_view entry = entries.entry(position);
        cboAge->addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
    }

    // A notation outside the list (only a hand-edited setting gives one)
    // shows the worded entry.
    const int shown = Diff_Index >= 1 && Diff_Index <= cboAge->count() ? Diff_Index : WordedEntry;
    cboAge->setCurrentIndex(shown - 1);

    cmdCalculate->setEnabled(false);
    cboAge->setFocus();
    // However Calculate was run: the whole entry selected, ready for Ctrl+C,
    // with the caret at its start so that the years stay in view.
    const int length = static_cast<int>(cboAge->currentText().size());
    cboAge->lineEdit()->setSelection(length, -length);
}
