#include "abouttext.h"

#include <QStringList>

QString aboutText()
{
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(SPANWRIGHT_VERSION_MAJOR)
                                .arg(SPANWRIGHT_VERSION_MINOR)
                                .arg(SPANWRIGHT_VERSION_PATCH);
    const QString credits = QStringLiteral("            ");
    return QStringList{
               QStringLiteral("Spanwright '95+/NT Version ") + version,
               QString(),
               QStringLiteral("This Spanwright was disigned by ")
                   + QStringLiteral("Geneaologists, who wanted to subtract two dates and ")
                   + QStringLiteral("get an age..."),
               QString(),
               QStringLiteral("Spanwright Desgined by:"),
               credits + QStringLiteral("The Spanwright team"),
               credits + QStringLiteral("with the help of family historians"),
               credits + QStringLiteral("who counted the years by hand."),
           }
        .join(QStringLiteral("\r\n"));
}
