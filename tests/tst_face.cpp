// The face of the windows' texts: MS Sans Serif from Wine's fonts at the
// one scale its bitmaps are made for, an outline face elsewhere, and every
// worded result whole in the result field, in the face chosen.
#include "app/dateedit.h"
#include "app/frmdatepage.h"
#include "app/resultlist.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmerror.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "testsupport.h"
#include "textink.h"

#include "resultentries.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {

// The line edit's own margin beside its text and the cursor after it.
constexpr int LineEditMargin = 2;
constexpr int CursorWidth = 1;

bool wineFaceInstalled()
{
    return !QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                   QStringLiteral("wine/fonts/ms_sans_serif.ttf"))
                .isEmpty();
}

// Whether this test's screen is one the bitmap face is drawn on.
bool bitmapScreen()
{
    return wineFaceInstalled()
        && fonts::bitmapServes(fonts::ClassicSansPixels, platform::screenDpi(),
                               platform::screenPixelRatio());
}

bool isClassicBitmap(const QFont& font)
{
    const QFontInfo face(font);
    return face.family() == fonts::ClassicSans && face.pixelSize() == fonts::ClassicSansPixels
        && !QFontDatabase::isSmoothlyScalable(face.family(), face.styleName());
}

// What Qt's line edit needs to show a text unscrolled: its rounded width
// and the cursor after it.
int roomNeeded(const QFont& font, const QString& text)
{
    return qRound(QFontMetricsF(font).horizontalAdvance(text)) + CursorWidth;
}

} // namespace

class tst_Face : public QObject
{
    Q_OBJECT

    std::unique_ptr<WatchedPlatform> watched;
    std::unique_ptr<TemporarySettingsStore> store;

private slots:
    void initTestCase()
    {
        // The cursor drawn all the time, not blinking, so that each picture
        // of a focused field shows it.
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

    void classicSansPixels_data()
    {
        QTest::addColumn<double>("dotsPerInch");
        QTest::addColumn<int>("pixels");
        QTest::newRow("96 dpi, the face's own") << 96.0 << 13;
        QTest::newRow("97 dpi, still 13") << 97.0 << 13;
        QTest::newRow("100 dpi") << 100.0 << 14;
        QTest::newRow("120 dpi, large fonts") << 120.0 << 16;
        QTest::newRow("144 dpi") << 144.0 << 20;
        QTest::newRow("192 dpi, twice") << 192.0 << 26;
        QTest::newRow("72 dpi") << 72.0 << 10;
    }

    void classicSansPixels()
    {
        QFETCH(double, dotsPerInch);
        QFETCH(int, pixels);
        QCOMPARE(fonts::classicSansPixelsAt(dotsPerInch), pixels);
    }

    void bitmapServes_data()
    {
        QTest::addColumn<int>("facePixels");
        QTest::addColumn<double>("dotsPerInch");
        QTest::addColumn<double>("pixelRatio");
        QTest::addColumn<bool>("serves");
        QTest::newRow("13 px at 96 dpi") << 13 << 96.0 << 1.0 << true;
        QTest::newRow("13 px at 120 dpi: too small") << 13 << 120.0 << 1.0 << false;
        QTest::newRow("16 px at 120 dpi") << 16 << 120.0 << 1.0 << true;
        QTest::newRow("13 px at 192 dpi") << 13 << 192.0 << 1.0 << false;
        QTest::newRow("13 px, scaled twice: blurred") << 13 << 96.0 << 2.0 << false;
        QTest::newRow("13 px, scaled by a quarter") << 13 << 96.0 << 1.25 << false;
        QTest::newRow("26 px at 96 dpi, scaled twice") << 26 << 96.0 << 2.0 << false;
        QTest::newRow("13 px at 72 dpi: too large") << 13 << 72.0 << 1.0 << false;
    }

    void bitmapServes()
    {
        QFETCH(int, facePixels);
        QFETCH(double, dotsPerInch);
        QFETCH(double, pixelRatio);
        QFETCH(bool, serves);
        QCOMPARE(fonts::bitmapServes(facePixels, dotsPerInch, pixelRatio), serves);
    }

    // The face the controls get at each scale: Wine's bitmap face only at
    // its own, an outline face at 8.25 points elsewhere, never MS Sans Serif
    // taken at a size it does not have.
    void chosenFace_data()
    {
        QTest::addColumn<double>("dotsPerInch");
        QTest::addColumn<double>("pixelRatio");
        QTest::addColumn<bool>("bitmap");
        QTest::newRow("96 dpi") << 96.0 << 1.0 << true;
        QTest::newRow("120 dpi") << 120.0 << 1.0 << false;
        QTest::newRow("192 dpi") << 192.0 << 1.0 << false;
        QTest::newRow("96 dpi scaled twice") << 96.0 << 2.0 << false;
        QTest::newRow("96 dpi scaled by a half") << 96.0 << 1.5 << false;
    }

    void chosenFace()
    {
        QFETCH(double, dotsPerInch);
        QFETCH(double, pixelRatio);
        QFETCH(bool, bitmap);
        if (bitmap && !wineFaceInstalled())
            QSKIP("Wine's fonts (fonts-wine) are not installed");
        const QFont font = fonts::controlsAt(dotsPerInch, pixelRatio);
        QCOMPARE(isClassicBitmap(font), bitmap);
        if (!bitmap) {
            const QFontInfo face(font);
            QVERIFY2(face.family() != fonts::ClassicSans
                         || QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()),
                     qPrintable(face.family()));
            QCOMPARE(font.pointSizeF(), fonts::ControlPoints);
        }
    }

    // Every text of the definition's MS Sans Serif is in the face chosen
    // for this screen; the viewer's and the error message's faces are their own.
    void windowFaces_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("face"); // controls, bold controls, fixed pitch, serif
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
        if (face == QLatin1String("fixed pitch")) {
            QCOMPARE(font, fonts::fixedPitch());
            QVERIFY(QFontInfo(font).fixedPitch());
            return;
        }
        if (face == QLatin1String("serif")) {
            QCOMPARE(font, fonts::serif());
            QVERIFY(QFontInfo(font).family() != fonts::ClassicSans);
            return;
        }
        QCOMPARE(font.bold(), face == QLatin1String("bold controls"));
        QCOMPARE(isClassicBitmap(font), bitmapScreen());
        QCOMPARE(QFontInfo(font).bold(), font.bold());
    }

    // The room the result list reckons with is that of its line edit, once
    // the window is shown.
    void textRoomIsTheLineEdits()
    {
        frmDatePage window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = qobject_cast<ResultList*>(window.cboAge);
        QVERIFY(list);
        const QLineEdit* field = list->lineEdit();
        const QMargins margins = field->textMargins();
        QCOMPARE(list->textRoom(), field->contentsRect().width() - margins.left()
                                       - margins.right() - 2 * LineEditMargin - CursorWidth);
        QVERIFY(list->textRoom() > 0);
    }

    // No age up to 100 Year(s), 11 month(s), 30 day(s) words wider than
    // the widest result the list reckons with, and that one fits the
    // field's text area in the list's font.
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
                    const QString text =
                        QString::fromStdString(wordedSpan(Span{double(years), double(months),
                                                               double(days)}));
                    if (metrics.horizontalAdvance(text) > widestAdvance)
                        QFAIL(qPrintable(text + QStringLiteral(" is wider")));
                }
        QVERIFY2(roomNeeded(list->font(), widest) <= list->textRoom() + CursorWidth,
                 qPrintable(QStringLiteral("%1 px needed, %2 px there")
                                .arg(roomNeeded(list->font(), widest))
                                .arg(list->textRoom() + CursorWidth)));
        if (bitmapScreen())
            QVERIFY(isClassicBitmap(list->font()));
    }

    // Calculated and drawn: the result field shows the whole text, its
    // first column where a short text's is, its last inside the margin,
    // with the focus (right after Calculate) and without.
    void resultShownWhole_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("death");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("focused");
        const auto add = [](const char* name, const char* birth, const char* death,
                            const char* shown) {
            QTest::addRow("%s, focused", name) << birth << death << shown << true;
            QTest::addRow("%s, not focused", name) << birth << death << shown << false;
        };
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
        QFETCH(bool, focused);
        const Shown result = calculated(birth, death, focused);
        QCOMPARE(result.text, shown);
        QVERIFY(result.ink.found());
        // Where the first column stands when nothing scrolls it: in a short
        // result that begins with the same digit, shown the same way.
        const int firstDigit = shown.at(0).digitValue();
        const Shown unscrolled = calculated(QStringLiteral("1/1/1900"),
                                            QStringLiteral("1/1/%1").arg(1900 + firstDigit),
                                            focused);
        QVERIFY(unscrolled.text.startsWith(shown.at(0)));
        QCOMPARE(result.ink.left, unscrolled.ink.left);
        QVERIFY2(result.ink.right <= result.lastInside,
                 qPrintable(QStringLiteral("last column %1, last inside the margin %2")
                                .arg(result.ink.right).arg(result.lastInside)));
    }

    // The outline face is narrowed only as far as the text needs; a face
    // that fits, and a bitmap face, are left as they are.
    void narrowedToFit_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("narrowed");
        QFont outline({QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
        outline.setPointSizeF(fonts::ControlPoints);
        const double natural = QFontMetricsF(outline).horizontalAdvance(ResultList::widestResult(outline));
        QTest::newRow("outline, room to spare") << outline << natural + 10 << false;
        QTest::newRow("outline, exactly its width") << outline << natural << false;
        QTest::newRow("outline, 6 px short") << outline << natural - 6 << true;
        QTest::newRow("outline, a fifth short") << outline << natural * 0.8 << true;
        if (wineFaceInstalled())
            QTest::newRow("bitmap, too wide")
                << fonts::controlsAt(fonts::ClassicDpi, 1) << 100.0 << false;
    }

    void narrowedToFit()
    {
        QFETCH(QFont, font);
        QFETCH(double, width);
        QFETCH(bool, narrowed);
        const QFont result = fonts::narrowedToFit(font, ResultList::widestResult(font), width);
        QCOMPARE(result.stretch() != font.stretch(), narrowed);
        QCOMPARE(result.family(), font.family());
        QCOMPARE(result.pointSizeF(), font.pointSizeF());
        if (!narrowed)
            return;
        const QString text = ResultList::widestResult(font);
        QVERIFY(QFontMetricsF(result).horizontalAdvance(text) <= width);
        // No narrower than needed: one step wider would not fit.
        QFont wider = result;
        wider.setStretch(result.stretch() + 1);
        QVERIFY(QFontMetricsF(wider).horizontalAdvance(text) > width);
    }

private:
    struct Shown
    {
        QString text;
        InkColumns ink;
        int lastInside; // the last column inside the field's right margin
    };

    // The result field after Calculate with those dates, with the focus
    // that Calculate gives it or after the focus has moved on.
    static Shown calculated(const QString& birth, const QString& death, bool focused)
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
        const double ratio = field->devicePixelRatioF();
        return {field->text(), inkOf(field),
                qRound((field->width() - LineEditMargin) * ratio) - 1};
    }

    // The text's columns, selected or not: for the picture the selection
    // is drawn as plain text (which changes no place of it).
    static InkColumns inkOf(QLineEdit* field)
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
};

QTEST_MAIN(tst_Face)
#include "tst_face.moc"
