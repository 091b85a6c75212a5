#pragma once

#include <QLineEdit>

// The line edit of every field of the main window: the two date fields and
// the result list's field.
// - Alt with a letter is an access key, never text: a key that no enabled
//   control takes (a disabled button's, an unassigned one) types nothing.
// - The menu bar taking the focus (Alt, or Alt with a menu's key) does not
//   count as leaving the field: its selection stays for the Edit menu's
//   Copy and Paste to act on.
class FieldEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit FieldEdit(QWidget* parent = nullptr);

    // True for a key that Alt turns into an access key (AltGr, which some
    // systems send as Ctrl+Alt, still types).
    static bool isAccessKey(const QKeyEvent* event);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
