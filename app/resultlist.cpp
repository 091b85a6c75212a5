#include "resultlist.h"

#include "fieldedit.h"
#include "platform/fonts.h"

#include "spans/resultentries.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWheelEvent>

using namespace spanwright;

namespace {

// The line edit keeps this many pixels clear on each side of its text, and
// scrolls the text once the text and the cursor after it need more room.
constexpr int LineEditMargin = 2;
constexpr int CursorWidth = 1;

// The oldest age the window words, 100 years and up to 11 months and 30
// days: its results are the longest.
constexpr long long OldestYears = 100;
constexpr int MostMonths = 11;
constexpr int MostDays = 30;

// Of the counts from 0 to most, the one that is widest in the font; the
// larger of equally wide ones.
int widestCount(const QFontMetricsF& metrics, int most)
{
    int widest = most;
    for (int count = most - 1; count >= 0; --count)
        if (metrics.horizontalAdvance(QString::number(count))
            > metrics.horizontalAdvance(QString::number(widest)))
            widest = count;
    return widest;
}

} // namespace

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

QString ResultList::widestResult(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const YearsMonthsDays oldest{OldestYears, widestCount(metrics, MostMonths), widestCount(metrics, MostDays)};
    return QString::fromStdString(wordedSpan(oldest));
}

int ResultList::textRoom() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QMargins margins = lineEdit()->textMargins();
    return field.width() - margins.left() - margins.right() - 2 * LineEditMargin - CursorWidth;
}

void ResultList::fitFontToResults()
{
    setFont(fonts::narrowedToFit(font(), widestResult(font()), textRoom()));
}

void ResultList::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}
