#include "dateedit.h"

#include <QFocusEvent>

DateEdit::DateEdit(QWidget* parent)
    : FieldEdit(parent)
{
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
    // The menu bar takes the focus only while the user picks an item, which
    // acts on the selection as it stands.
    if (event->reason() != Qt::MenuBarFocusReason)
        keepSelection();
    FieldEdit::focusOutEvent(event);
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
