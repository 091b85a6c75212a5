#include "look.h"

#include <QApplication>
#include <QStyle>

namespace look {

namespace {

// Dark enough on the grey for a ratio of 4.5 to 1, yet lighter than the
// black of enabled captions, so that a disabled button still looks disabled.
const QColor DisabledText(76, 76, 76);
const QColor Highlight(0, 0, 128); // classic navy selection

} // namespace

void pinStyle()
{
    QApplication::setStyle(PinnedStyle);
    // The whole program in the one palette: menus, message boxes and the
    // format error dialog too, not only the windows that set it themselves.
    QApplication::setPalette(classicPalette());
}

QPalette classicPalette()
{
    QPalette palette(Qt::black, ClassicGrey, Qt::white, Qt::darkGray, Qt::gray, Qt::black,
                     Qt::white, Qt::white, ClassicGrey);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, Highlight);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::PlaceholderText, DisabledText);
        palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        palette.setColor(group, QPalette::ToolTipText, Qt::black);
        palette.setColor(group, QPalette::Link, Highlight);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, DisabledText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, ClassicGrey);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, DisabledText);
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, ClassicGrey);
    return palette;
}

QIcon windowIcon(const QString& name)
{
    QIcon icon;
    for (const char* size : {"32", "16"})
        icon.addFile(QStringLiteral(":/icons/%1-%2.xpm").arg(name, QLatin1String(size)));
    return icon;
}

} // namespace look
