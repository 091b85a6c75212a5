// The date separator rule of the platform layer, with real locales' data.
#include "platform/textrules.h"

#include <QLocale>
#include <QtTest>

class tst_Platform : public QObject
{
    Q_OBJECT

private slots:
    void dateSeparator_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("separator");
        const auto shortFormat = [](const char* name) {
            return QLocale(QLatin1String(name)).dateFormat(QLocale::ShortFormat);
        };
        QTest::newRow("en_US") << shortFormat("en_US") << "/";
        QTest::newRow("de_DE") << shortFormat("de_DE") << ".";
        QTest::newRow("sv_SE") << shortFormat("sv_SE") << "-";
        QTest::newRow("nl_NL") << shortFormat("nl_NL") << "-";
        QTest::newRow("ja_JP") << shortFormat("ja_JP") << "/";
        QTest::newRow("quoted separator") << "d'-'M'-'yy" << "-";
        QTest::newRow("no separator") << "yyyyMMdd" << "/";
        QTest::newRow("empty") << "" << "/";
    }

    void dateSeparator()
    {
        QFETCH(QString, format);
        QFETCH(QString, separator);
        QCOMPARE(textrules::dateSeparatorOf(format), separator);
    }
};

QTEST_APPLESS_MAIN(tst_Platform)
#include "tst_platform.moc"
