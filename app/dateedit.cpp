#include "dateedit.h"

#include <QFocusEvent>

#include <limits>

DateEdit::DateEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // Dates may be as long as the user likes; the reader copes with any text.
    setMaxLength(std::numeric_limits<int>::max());
    // A text set from elsewhere leaves the caret at its end, nothing selected.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!hasFocus())
            keepSelection();
    });
}

QString DateEdit::keptSelectedText() const
{
    if (hasFocus())
        return selectedText();
    return text().mid(keptStart, keptLength);
}

void DateEdit::replaceKeptSelection(const QString& replacement)
{
    // Through the selection rather than setText, so that undo still works.
    if (!hasFocus())
        setSelection(keptStart, keptLength);
    insert(replacement);
}

void DateEdit::focusOutEvent(QFocusEvent* event)
{
    lostWithWindow = event->reason() == Qt::ActiveWindowFocusReason;
    if (event->reason() == Qt::MenuBarFocusReason) {
        // The menu bar takes the focus only while the user picks an item, and
        // the item acts on this field's selection: keep it, as for a popup.
        QFocusEvent popupFocusOut(QEvent::FocusOut, Qt::PopupFocusReason);
        QLineEdit::focusOutEvent(&popupFocusOut);
        return;
    }
    keepSelection();
    QLineEdit::focusOutEvent(event);
}

void DateEdit::keepSelection()
{
    if (hasSelectedText()) {
        keptStart = selectionStart();
        keptLength = selectedText().size();
    } else {
        keptStart = cursorPosition();
        keptLength = 0;
    }
}
