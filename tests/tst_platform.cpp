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
        const QList<QRect> one{QRect(0, 0, 1024, 768)};
        const QList<QRect> two{QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};
        // Frame corner, where it opens, the screens, the title bar and frame.
        const auto add = [&](const char* name, QPoint corner, QPoint opens,
                             const QList<QRect>& screens, int titleBar = 21, QSize size = {275, 231}) {
            QTest::newRow(name) << corner << size << titleBar << screens << opens;
        };
        add("on the screen", {100, 100}, {100, 100}, one);
        add("at the far corner", {749, 747}, {749, 747}, one);
        add("above", {100, -300}, {100, 0}, one);
        add("title bar partly above", {100, -1}, {100, 0}, one);
        add("partly left", {-1, 100}, {0, 100}, one);
        add("partly right", {750, 100}, {749, 100}, one);
        add("title bar partly below", {100, 748}, {100, 747}, one);
        add("far up and left", {-5000, -5000}, {0, 0}, one);
        add("wider than the screen", {50, 50}, {0, 50}, one, 21, QSize(1100, 200));
        add("below a top panel", {100, 10}, {100, 30}, {QRect(0, 30, 1024, 738)});
        add("no title bar: the top edge", {100, 767}, {100, 767}, one, 0);
        add("no title bar, below", {100, 768}, {100, 767}, one, 0);
        add("on the second screen", {1500, 900}, {1500, 900}, two);
        add("across both screens", {900, 100}, {900, 100}, two);
        add("below the first, nearest to it", {100, 800}, {100, 747}, two);
        add("below both, nearest to the second", {1000, 1100}, {1024, 1003}, two);
        add("no screens", {-300, -300}, {-300, -300}, {});
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
