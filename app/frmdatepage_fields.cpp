// How the date fields and the result list react to editing, the focus and keys.
#include "frmdatepage.h"

#include "dateedit.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace spanwright;

namespace {

// Focus moves that are not the user going to another control: a menu or
// popup opening, or the whole window being activated or deactivated.
bool movesWithinWindow(const QObject* watched, const QFocusEvent* event)
{
    switch (event->reason()) {
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    case Qt::ActiveWindowFocusReason: {
        // Leaving for another window (a dialog, another program) does not
        // leave the field, nor does coming back to it. A date field that was
        // given the focus while the window was inactive is entered, though.
        if (!event->gotFocus())
            return false;
        const auto* field = qobject_cast<const DateEdit*>(watched);
        return field && !field->leftWithWindow();
    }
    default:
        return true;
    }
}

// Today as month/day/year without leading zeros and with a four-digit year,
// joined by the locale's date separator when the date reader accepts it.
QString todayText()
{
    QString separator = platform::localeDateSeparator();
    if (separator != QLatin1String("/") && separator != QLatin1String("-")
        && separator != QLatin1String("."))
        separator = QStringLiteral("/");
    const QDate date = platform::today();
    return QString::number(date.month()) + separator + QString::number(date.day()) + separator
         + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

} // namespace

void frmDatePage::dateFieldChanged(DateEdit* field)
{
    // Never disables Calculate: only a successful calculation does.
    const DateEdit* other = field == txtBirth ? txtDeath : txtBirth;
    if (!field->text().isEmpty() && !other->text().isEmpty())
        cmdCalculate->setEnabled(true);
    // Text typed into the focused field can be copied at once, as it could
    // had the field been entered with that text.
    if (field->hasFocus() && !field->text().isEmpty())
        setCopyEnabled(true);
}

void frmDatePage::dateFieldFocusGained(DateEdit* field)
{
    if (field->text().isEmpty())
        return;
    field->setSelection(0, field->text().size());
    setCopyEnabled(true);
}

void frmDatePage::dateFieldFocusLost(DateEdit* field)
{
    if (cboAge->currentText().isEmpty())
        setCopyEnabled(false);
    Last_Focus = field == txtBirth ? BirthField : DeathField;
}

void frmDatePage::resultListFocusLost()
{
    Last_Focus = DiffField;
}

void frmDatePage::resultEntryChosen(int index)
{
    Diff_Index = index + 1;
}

bool frmDatePage::endDateKeyPressed(QKeyEvent* event)
{
    // Ctrl+T types today's date over the whole field.
    if (event->key() != Qt::Key_T || event->modifiers() != Qt::ControlModifier)
        return false;
    txtDeath->setText(todayText());
    // Also when the field held today's date already (setText is silent then).
    dateFieldChanged(txtDeath);
    return true;
}

bool frmDatePage::fieldFocusEvent(QObject* watched, QEvent* event)
{
    if (!movesWithinWindow(watched, static_cast<QFocusEvent*>(event)))
        return false;
    const bool gained = event->type() == QEvent::FocusIn;
    if (watched == cboAge && !gained) {
        resultListFocusLost();
    } else if (watched == txtBirth || watched == txtDeath) {
        auto* field = static_cast<DateEdit*>(watched);
        if (gained)
            dateFieldFocusGained(field);
        else
            dateFieldFocusLost(field);
    }
    return false;
}
