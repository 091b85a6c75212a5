#include "fieldedit.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <limits>

FieldEdit::FieldEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // Texts may be as long as the user likes; the date reader copes with any.
    setMaxLength(std::numeric_limits<int>::max());
}

bool FieldEdit::isAccessKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier)
        && !event->text().isEmpty() && event->text().at(0).isPrint();
}

void FieldEdit::keyPressEvent(QKeyEvent* event)
{
    if (isAccessKey(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FieldEdit::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::MenuBarFocusReason) {
        // The line edit keeps its selection only for a popup: tell it so.
        QFocusEvent popupFocusOut(QEvent::FocusOut, Qt::PopupFocusReason);
        QLineEdit::focusOutEvent(&popupFocusOut);
        return;
    }
    QLineEdit::focusOutEvent(event);
}
