#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The small modal dialog that tells the user a typed date was not understood.
// OK closes it; Help first shows the help text on date formats, then closes
// it. Esc does nothing; the frame's close box acts as OK.
class frmError : public QDialog
{
    Q_OBJECT

public:
    explicit frmError(QWidget* parent = nullptr);

    QPushButton* cmdOK;
    QLabel* Label1;
    QPushButton* cmdHelp;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
