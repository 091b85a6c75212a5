#include "textrules.h"

namespace textrules {

QString dateSeparatorOf(const QString& shortDateFormat)
{
    for (const QChar c : shortDateFormat) {
        if (!c.isLetter() && c != QLatin1Char('\''))
            return QString(c);
    }
    return QStringLiteral("/");
}

} // namespace textrules
