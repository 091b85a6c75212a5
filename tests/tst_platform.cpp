// The platform layer's rules: the date separator, with real locales' data,
// and where a stored window place keeps its title bar on a screen.
#include "platform/frameplacement.h"
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

    void titleBarOnScreen_data()
    {
        QTest::addColumn<QPoint>("corner");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<int>("titleBar");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("opens");
        const QSize frame(275, 231);
        const QList<QRect> one{QRect(0, 0, 1024, 768)};
        const QList<QRect> two{QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};
        QTest::newRow("on the screen") << QPoint(100, 100) << frame << 21 << one << QPoint(100, 100);
        QTest::newRow("at the far corner") << QPoint(749, 747) << frame << 21 << one << QPoint(749, 747);
        QTest::newRow("above") << QPoint(100, -300) << frame << 21 << one << QPoint(100, 0);
        QTest::newRow("title bar partly above") << QPoint(100, -1) << frame << 21 << one << QPoint(100, 0);
        QTest::newRow("partly left") << QPoint(-1, 100) << frame << 21 << one << QPoint(0, 100);
        QTest::newRow("partly right") << QPoint(750, 100) << frame << 21 << one << QPoint(749, 100);
        QTest::newRow("title bar partly below") << QPoint(100, 748) << frame << 21 << one << QPoint(100, 747);
        QTest::newRow("far up and left") << QPoint(-5000, -5000) << frame << 21 << one << QPoint(0, 0);
        QTest::newRow("wider than the screen") << QPoint(50, 50) << QSize(1100, 200) << 21 << one
                                               << QPoint(0, 50);
        QTest::newRow("below a top panel") << QPoint(100, 10) << frame << 21
                                           << QList<QRect>{QRect(0, 30, 1024, 738)} << QPoint(100, 30);
        QTest::newRow("no title bar: the top edge") << QPoint(100, 767) << frame << 0 << one
                                                    << QPoint(100, 767);
        QTest::newRow("no title bar, below") << QPoint(100, 768) << frame << 0 << one << QPoint(100, 767);
        QTest::newRow("on the second screen") << QPoint(1500, 900) << frame << 21 << two
                                              << QPoint(1500, 900);
        QTest::newRow("across both screens") << QPoint(900, 100) << frame << 21 << two
                                             << QPoint(900, 100);
        QTest::newRow("below the first, nearest to it") << QPoint(100, 800) << frame << 21 << two
                                                        << QPoint(100, 747);
        QTest::newRow("below both, nearest to the second") << QPoint(1000, 1100) << frame << 21 << two
                                                           << QPoint(1024, 1003);
        QTest::newRow("no screens") << QPoint(-300, -300) << frame << 21 << QList<QRect>()
                                    << QPoint(-300, -300);
    }

    void titleBarOnScreen()
    {
        QFETCH(QPoint, corner);
        QFETCH(QSize, frame);
        QFETCH(int, titleBar);
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, opens);
        QCOMPARE(FramePlacement::titleBarOnScreen(corner, frame, titleBar, screens), opens);
    }
};

QTEST_APPLESS_MAIN(tst_Platform)
#include "tst_platform.moc"
