// The face of the windows' texts: MS Sans Serif from Wine's fonts at the
// one scale its bitmaps are made for, an outline face elsewhere, and every
// worded result whole in the result field, in the face chosen.
#include "app/dateedit.h"
#include "app/frmdatepage.h"
#include "app/resultlist.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmerror.h"
#include "platform/fonts.h"
#include "testsupport.h"
#include "textink.h"

#include "spans/resultentries.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

using namespace spanwright;

namespace {

// The line edit's own margin beside its text, and the cursor after it.
constexpr int LineEditMargin = 2;
constexpr int CursorWidth = 1;

bool wineFaceInstalled()
{
    return !QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                   QStringLiteral("wine/fonts/ms_sans_serif.ttf")).isEmpty();
}

bool isClassicBitmap(const QFont& font)
{
    const QFontInfo face(font);
    return face.family() == fonts::ClassicSans && face.pixelSize() == fonts::ClassicSansPixels
        && !QFontDatabase::isSmoothlyScalable(face.family(), face.styleName());
}

// The text's columns, selected or not: for the picture the selection is
// drawn as plain text, which moves nothing.
InkColumns inkOf(QLineEdit* field)
{
    const QPalette shown = field->palette();
    QPalette plain = shown;
    plain.setColor(QPalette::Highlight, shown.color(QPalette::Base));
    plain.setColor(QPalette::HighlightedText, shown.color(QPalette::Text));
    field->setPalette(plain);
    const QImage picture = field->grab().toImage();
    field->setPalette(shown);
    return inkColumns(picture, picture.rect());
}

struct Shown
{
    QString text;
    InkColumns ink;
    int lastInside = 0; // the last column inside the field's right margin
};

// The result field after Calculate with those dates, with the focus that
// Calculate gives it or after the focus has moved on.
Shown calculated(const QString& birth, const QString& death, bool focused)
{
    frmDatePage window;
    window.show();
    if (!QTest::qWaitForWindowActive(&window))
        return {};
    QLineEdit* field = window.cboAge->lineEdit();
    window.txtBirth->setText(birth);
    window.txtDeath->setText(death);
    window.cmdCalculate->click();
    if (!focused)
        window.txtBirth->setFocus();
    if (field->hasFocus() != focused)
        return {};
    return {field->text(), inkOf(field),
            qRound((field->width() - LineEditMargin) * field->devicePixelRatioF()) - 1};
}

} // namespace

class tst_Face : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporarySettingsStore> store;
    std::unique_ptr<WatchedPlatform> watched;

private slots:
    void initTestCase()
    {
        // The cursor drawn all the time, so that every picture of a focused
        // field holds it.
        QApplication::setCursorFlashTime(0);
    }
    void init()
    {
        store = std::make_unique<TemporarySettingsStore>();
        watched = std::make_unique<WatchedPlatform>();
    }
    void cleanup()
    {
        watched.reset();
        store.reset();
    }

    // The face the controls get at each scale: Wine's bitmap face only at its
    // own size, one of its pixels to one of the screen's; an outline face at
    // 8.25 points elsewhere, never MS Sans Serif at a size it does not have.
    void faceAtScale_data()
    {
        QTest::addColumn<double>("dotsPerInch");
        QTest::addColumn<double>("pixelRatio");
        QTest::addColumn<int>("facePixels"); // a bitmap face of that size
        QTest::addColumn<bool>("serves");
        QTest::newRow("96 dpi") << 96.0 << 1.0 << 13 << true;
        QTest::newRow("97 dpi, still 13 px") << 97.0 << 1.0 << 13 << true;
        QTest::newRow("100 dpi, 14 px") << 100.0 << 1.0 << 13 << false;
        QTest::newRow("120 dpi, 16 px: too small") << 120.0 << 1.0 << 13 << false;
        QTest::newRow("120 dpi, a 16 px face") << 120.0 << 1.0 << 16 << true;
        QTest::newRow("192 dpi") << 192.0 << 1.0 << 13 << false;
        QTest::newRow("72 dpi: too large") << 72.0 << 1.0 << 13 << false;
        QTest::newRow("scaled twice: blurred") << 96.0 << 2.0 << 13 << false;
        QTest::newRow("scaled twice, a 26 px face") << 96.0 << 2.0 << 26 << false;
        QTest::newRow("scaled by a half") << 96.0 << 1.5 << 13 << false;
    }

    void faceAtScale()
    {
        QFETCH(double, dotsPerInch);
        QFETCH(double, pixelRatio);
        QFETCH(int, facePixels);
        QFETCH(bool, serves);
        QCOMPARE(fonts::bitmapServes(facePixels, dotsPerInch, pixelRatio), serves);
        if (facePixels != fonts::ClassicSansPixels)
            return; // Wine's face has 13 pixels only
        if (serves && !wineFaceInstalled())
            QSKIP("Wine's fonts (fonts-wine) are not installed");
        const QFont font = fonts::controlsAt(dotsPerInch, pixelRatio);
        QCOMPARE(isClassicBitmap(font), serves);
        if (!serves) {
            const QFontInfo face(font);
            QVERIFY(QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()));
            QCOMPARE(font.pointSizeF(), fonts::ControlPoints);
        }
    }

    // Every text of the definition's MS Sans Serif is in the face chosen for
    // this screen; the viewer's and the error message's faces are their own.
    void windowFaces_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("face");
        for (const char* name : {"lblBirth", "txtBirth", "lblDeath", "txtDeath", "cmdCalculate",
                                 "lblDiff", "cboAge", "cmdDone", "cmdClear", "cmdCopy",
                                 "cmdPaste"})
            QTest::newRow(name) << "main" << name << "controls";
        QTest::newRow("viewer OK") << "viewer" << "cmdOK" << "bold controls";
        QTest::newRow("viewer text") << "viewer" << "txtWindow" << "fixed pitch";
        QTest::newRow("error OK") << "error" << "cmdOK" << "controls";
        QTest::newRow("error message") << "error" << "Label1" << "serif";
    }

    void windowFaces()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, face);
        std::unique_ptr<QWidget> shown;
        if (window == QLatin1String("main"))
            shown = std::make_unique<frmDatePage>();
        else if (window == QLatin1String("viewer"))
            shown = std::make_unique<frmAbout>();
        else
            shown = std::make_unique<frmError>();
        auto* widget = shown->findChild<QWidget*>(control);
        QVERIFY(widget);
        const QFont font = widget->font();
        if (face == QLatin1String("fixed pitch") || face == QLatin1String("serif")) {
            QCOMPARE(font, face == QLatin1String("serif") ? fonts::serif() : fonts::fixedPitch());
            QVERIFY(QFontInfo(font).family() != fonts::ClassicSans);
            return;
        }
        const bool bitmapScreen = wineFaceInstalled()
            && fonts::bitmapServes(fonts::ClassicSansPixels, widget->logicalDpiY(),
                                   widget->devicePixelRatioF());
        QCOMPARE(isClassicBitmap(font), bitmapScreen);
        QCOMPARE(font.bold(), face == QLatin1String("bold controls"));
        QCOMPARE(QFontInfo(font).bold(), font.bold());
    }

    // No age up to 100 Year(s), 11 month(s), 30 day(s) words wider than the
    // widest result the list reckons with, which fits the field's text
    // area in the list's font.
    void widestResultFits()
    {
        frmDatePage window;
        auto* list = qobject_cast<ResultList*>(window.cboAge);
        QVERIFY(list);
        const QFontMetricsF metrics(list->font());
        const QString widest = ResultList::widestResult(list->font());
        QVERIFY2(widest.startsWith(QLatin1String("100 Year(s), ")), qPrintable(widest));
        if (isClassicBitmap(list->font())) // its digits are all as wide
            QCOMPARE(widest, QStringLiteral("100 Year(s), 11 month(s), 30 day(s)"));
        const double widestAdvance = metrics.horizontalAdvance(widest);
        for (int years = 0; years <= 100; ++years)
            for (int months = 0; months <= 11; ++months)
                for (int days = 0; days <= 30; ++days) {
                    const YearsMonthsDays span{years, months, days};
                    const QString text = QString::fromStdString(wordedSpan(span));
                    if (metrics.horizontalAdvance(text) > widestAdvance)
                        QFAIL(qPrintable(text + QStringLiteral(" is wider")));
                }
        // As the line edit reckons: the rounded width and the cursor after
        // it, within its own margins.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int needed = qRound(widestAdvance) + CursorWidth;
        const int room = list->lineEdit()->width() - 2 * LineEditMargin;
        QVERIFY2(needed <= room,
                 qPrintable(QStringLiteral("%1 px needed, %2 px there").arg(needed).arg(room)));
    }

    // Calculated and drawn: the field shows the whole text, its first column
    // where a short result's beginning with the same digit stands (not
    // scrolled), its last inside the margin (not cut), with the focus that
    // Calculate gives it and without.
    void resultShownWhole_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("death");
        QTest::addColumn<QString>("shown");
        const auto add = [](const char* name, const char* birth, const char* death,
                            const char* shown) { QTest::newRow(name) << birth << death << shown; };
        add("100 years", "1/1/1900", "12/31/2000", "100 Year(s), 11 month(s), 30 day(s)");
        add("99 years", "1/1/1901", "12/31/2000", "99 Year(s), 11 month(s), 30 day(s)");
        add("no time", "1/1/1900", "1/1/1900", "0 Year(s), 0 month(s), 0 day(s)");
        add("an everyday span", "5/10/1950", "3/1/1990", "39 Year(s), 9 month(s), 19 day(s)");
    }

    void resultShownWhole()
    {
        QFETCH(QString, birth);
        QFETCH(QString, death);
        QFETCH(QString, shown);
        for (const bool focused : {true, false}) {
            const Shown result = calculated(birth, death, focused);
            QCOMPARE(result.text, shown);
            const Shown unscrolled =
                calculated(QStringLiteral("1/1/1900"),
                           QStringLiteral("1/1/%1").arg(1900 + shown.at(0).digitValue()), focused);
            QVERIFY(unscrolled.text.startsWith(shown.at(0)));
            QVERIFY(result.ink.found());
            QCOMPARE(result.ink.left, unscrolled.ink.left);
            QVERIFY2(result.ink.right <= result.lastInside,
                     qPrintable(QStringLiteral("focused %1: last column %2, margin at %3")
                                    .arg(focused).arg(result.ink.right).arg(result.lastInside)));
        }
    }

    // An outline face is narrowed only as far as the text needs; one that
    // fits, and a bitmap face, are left as they are.
    void narrowedToFit_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<double>("shortBy"); // the room less the text's width
        QTest::addColumn<bool>("narrowed");
        QFont outline(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
        outline.setPointSizeF(fonts::ControlPoints);
        QTest::newRow("outline, room to spare") << outline << -10.0 << false;
        QTest::newRow("outline, exactly its width") << outline << 0.0 << false;
        QTest::newRow("outline, 6 px short") << outline << 6.0 << true;
        QTest::newRow("outline, 30 px short") << outline << 30.0 << true;
        if (wineFaceInstalled())
            QTest::newRow("bitmap, 30 px short")
                << fonts::controlsAt(fonts::ClassicDpi, 1) << 30.0 << false;
    }

    void narrowedToFit()
    {
        QFETCH(QFont, font);
        QFETCH(double, shortBy);
        QFETCH(bool, narrowed);
        const QString text = ResultList::widestResult(font);
        // That much short, and each pixel less up to it: hinting rounds
        // widths, so some stretches fit a pixel less than their share.
        for (double less = narrowed ? 1 : shortBy; less <= shortBy; ++less) {
            const double width = QFontMetricsF(font).horizontalAdvance(text) - less;
            const QFont result = fonts::narrowedToFit(font, text, width);
            QCOMPARE(result.stretch() != font.stretch(), narrowed);
            QCOMPARE(result.families(), font.families());
            if (!narrowed)
                continue;
            QVERIFY(QFontMetricsF(result).horizontalAdvance(text) <= width);
            QFont wider = result; // no narrower than needed
            wider.setStretch(result.stretch() + 1);
            QVERIFY2(QFontMetricsF(wider).horizontalAdvance(text) > width,
                     qPrintable(QStringLiteral("%1 px short: stretch %2")
                                    .arg(less).arg(result.stretch())));
        }
    }
};

QTEST_MAIN(tst_Face)
#include "tst_face.moc"
