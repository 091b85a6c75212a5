#include "resultlist.h"

#include "fieldedit.h"

#include <QWheelEvent>

ResultList::ResultList(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setLineEdit(new FieldEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // QComboBox chooses the entry that matches the typed text once an edit
    // ends (Enter, leaving the field); its field reports that through these
    // two signals, which nothing else here listens to.
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
}

void ResultList::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}
