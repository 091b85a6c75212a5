#include "fonts.h"

#include <QStringList>

namespace fonts {

namespace {

QFont font(const QStringList& families, QFont::StyleHint hint, double points)
{
    QFont result;
    result.setFamilies(families);
    result.setStyleHint(hint);
    result.setPointSizeF(points);
    return result;
}

} // namespace

QFont controls()
{
    // Arial's metrics (Liberation Sans elsewhere) are as narrow as MS Sans
    // Serif's: wider faces would cut off the worded result.
    return font({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                 QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                 QStringLiteral("Sans Serif")},
                QFont::SansSerif, 8.25);
}

QFont fixedPitch()
{
    QFont result = font({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                                QStringLiteral("Monospace")},
                        QFont::TypeWriter, 9.75);
    result.setFixedPitch(true);
    return result;
}

QFont serif()
{
    return font({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                 QStringLiteral("Serif")}, QFont::Serif, 9.75);
}

} // namespace fonts
