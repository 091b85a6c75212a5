#include "resultlist.h"

#include <QLineEdit>
#include <QWheelEvent>

#include <limits>

ResultList::ResultList(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
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
