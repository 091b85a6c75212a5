#pragma once

#include <QComboBox>

// The result list: an editable drop-down list that holds only the entries
// the program puts there. The user may type in its field, but an entry is
// chosen only by a click in the list or by the arrow keys: typing never adds
// or chooses one, and the mouse wheel does not move through them.
class ResultList : public QComboBox
{
    Q_OBJECT

public:
    explicit ResultList(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
