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

    // The widest text a result can be in that font: the worded span of the
    // oldest age, 100 years, with the widest count of months (0 to 11) and of
    // days (0 to 30) in that font, as 100 Year(s), 11 month(s), 30 day(s).
    static QString widestResult(const QFont& font);
    // The width that the field's text may take without being scrolled, in
    // the list's place and size: the edit field less the line edit's own
    // margins and the text cursor at its end.
    int textRoom() const;
    // Narrows an outline font, where needed, so that every result fits the
    // field whole, its ends inside the margins, with the focus or without.
    void fitFontToResults();

protected:
    void wheelEvent(QWheelEvent* event) override;
};
