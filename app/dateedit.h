#pragma once

#include "fieldedit.h"

// A date field that remembers its selection when it loses the focus to
// another control, so that the Copy and Paste buttons can act on what was
// selected when the user left the field. Opening a menu does not count as
// leaving: the selection stays as it is (FieldEdit).
class DateEdit : public FieldEdit
{
    Q_OBJECT

public:
    explicit DateEdit(QWidget* parent = nullptr);

    // The selection as it is, or as it was when the field was left.
    QString keptSelectedText() const;
    // Replaces that selection (with nothing selected, inserts at the caret).
    void replaceKeptSelection(const QString& replacement);
    // The field lost the focus last because its window did (to a dialog or
    // another program), not to another control.
    bool leftWithWindow() const { return lostWithWindow; }

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void keepSelection();

    int keptStart = 0;
    int keptLength = 0;
    bool lostWithWindow = false;
};
