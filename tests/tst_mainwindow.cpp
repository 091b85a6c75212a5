// The main window as the user first meets it: its controls, menus, keys.
#include "app/dateedit.h"
#include "app/frmdatepage.h"
#include "dialogs/frmabout.h"
#include "platform/platform.h"
#include "testsupport.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace spanwright;

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void captionsAreNotClipped();
    void windowFrame();
    void menus_data();
    void menus();

    void accessKeysMoveFocus_data();
    void accessKeysMoveFocus();
    void tabOrderSkipsDisabledButtons();
    void enterRunsCalculate();
    void enterOnAnotherButtonPressesThatButton_data();
    void enterOnAnotherButtonPressesThatButton();
    void escapeEndsTheProgram();
    void closeBoxEndsTheProgram();
    void f1ShowsHelpOnFormats();
    void accessKeysNeverType_data();
    void accessKeysNeverType();
    void keyboardEditMenuOnResultSelection_data();
    void keyboardEditMenuOnResultSelection();
    void fieldsHaveAccessibleNames_data();
    void fieldsHaveAccessibleNames();
    void resultListNeverTakesTypedText();
    void wheelDoesNotChooseAnEntry();

private:
    TemporarySettingsStore settingsStore;
    std::unique_ptr<WatchedPlatform> watched;
    std::unique_ptr<frmDatePage> window;
};

void tst_MainWindow::initTestCase()
{
    QVERIFY(settingsStore.isValid());
}

void tst_MainWindow::init()
{
    watched = std::make_unique<WatchedPlatform>();
    window = std::make_unique<frmDatePage>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void tst_MainWindow::cleanup()
{
    QCOMPARE(std::exchange(modalWindowsLeftOpen, 0), 0);
    window.reset();
    watched.reset();
}

void tst_MainWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry"); // pixels at 96 DPI, in the client area
    QTest::addColumn<bool>("enabled");

    // Twips / 15, rounded.
    QTest::newRow("lblBirth") << "lblBirth" << "QLabel" << "&Birth (Begin) Date"
                              << QRect(16, 8, 89, 17) << true;
    QTest::newRow("txtBirth") << "txtBirth" << "QLineEdit" << "" << QRect(32, 24, 137, 19) << true;
    QTest::newRow("lblDeath") << "lblDeath" << "QLabel" << "&Death (End) Date"
                              << QRect(16, 48, 105, 17) << true;
    QTest::newRow("txtDeath") << "txtDeath" << "QLineEdit" << "" << QRect(32, 64, 137, 19) << true;
    QTest::newRow("cmdCalculate") << "cmdCalculate" << "QPushButton" << "&Calculate"
                                  << QRect(192, 64, 65, 25) << true;
    QTest::newRow("lblDiff") << "lblDiff" << "QLabel" << "Di&fference Date"
                             << QRect(16, 104, 113, 17) << true;
    QTest::newRow("cboAge") << "cboAge" << "QComboBox" << "" << QRect(32, 120, 193, 21) << true;
    QTest::newRow("cmdDone") << "cmdDone" << "QPushButton" << "E&xit" << QRect(192, 24, 65, 25)
                             << true;
    QTest::newRow("cmdClear") << "cmdClear" << "QPushButton" << "Clear All"
                              << QRect(184, 152, 65, 25) << false;
    QTest::newRow("cmdCopy") << "cmdCopy" << "QPushButton" << "C&opy" << QRect(16, 152, 65, 25)
                             << false;
    QTest::newRow("cmdPaste") << "cmdPaste" << "QPushButton" << "&Paste"
                              << QRect(104, 152, 65, 25) << true;
}

void tst_MainWindow::controls()
{
    if (platform::screenDpi() != 96)
        QSKIP("the layout figures are pixels at 96 DPI");
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(bool, enabled);

    auto* widget = window->findChild<QWidget*>(name);
    QVERIFY(widget);
    QVERIFY(widget->inherits(kind.toLatin1()));
    QCOMPARE(widget->isEnabled(), enabled);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), caption);
        // Labels may grow to fit their caption in the font at hand.
        QCOMPARE(label->pos(), geometry.topLeft());
        QVERIFY(label->width() >= geometry.width());
    } else {
        QCOMPARE(widget->geometry(), geometry);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), caption);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        QVERIFY(edit->text().isEmpty());
}

void tst_MainWindow::captionsAreNotClipped()
{
    for (auto* label : window->findChildren<QLabel*>())
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
    for (auto* button : window->findChildren<QPushButton*>()) {
        const int textWidth = button->fontMetrics().horizontalAdvance(button->text().remove('&'));
        QVERIFY2(textWidth + 8 <= button->width(), qPrintable(button->objectName()));
    }
    // The longest result of an everyday span fits the result list's field.
    const QLineEdit* resultField = window->cboAge->lineEdit();
    QVERIFY(resultField->fontMetrics().horizontalAdvance("99 Year(s), 11 month(s), 30 day(s)")
            <= resultField->width());
}

void tst_MainWindow::windowFrame()
{
    if (platform::screenDpi() != 96)
        QSKIP("the layout figures are pixels at 96 DPI");
    QCOMPARE(window->windowTitle(), QStringLiteral("Spanwright '95"));
    auto* client = window->findChild<QWidget*>("clientArea");
    QVERIFY(client);
    QCOMPARE(client->size(), QSize(273, 189));
    QCOMPARE(client->y(), window->menuBar->height());
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(client->palette().color(QPalette::Window), QColor(192, 192, 192));
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(QApplication::focusWidget(), window->txtBirth);
    const QLine line(window->Lin1->geometry().topLeft(), window->Lin1->geometry().topRight());
    QCOMPARE(line.x1(), 16);
    QCOMPARE(line.x2(), 232);
    QVERIFY(qAbs(window->Lin1->geometry().center().y() - 96) <= 1);
}

void tst_MainWindow::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items"); // caption|shortcut|enabled, "-" for a separator

    QTest::newRow("Edit") << "&Edit"
                          << QStringList{"C&opy|Ctrl+C|0", "&Paste|Ctrl+V|1", "Clear &All||0", "-",
                                         "E&xit||1"};
    QTest::newRow("Help") << "&Help"
                          << QStringList{"&About||1", "Help on &Formats|F1|1",
                                         "&Tips && Tricks||1"};
}

void tst_MainWindow::menus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);

    QMenu* found = nullptr;
    for (QAction* action : window->menuBar->actions()) {
        if (action->text() == menu)
            found = action->menu();
    }
    QVERIFY(found);
    const QList<QAction*> actions = found->actions();
    QCOMPARE(actions.size(), items.size());
    for (int i = 0; i < items.size(); ++i) {
        if (items[i] == "-") {
            QVERIFY(actions[i]->isSeparator());
            continue;
        }
        const QStringList expected = items[i].split('|');
        QCOMPARE(actions[i]->text(), expected[0]);
        QCOMPARE(actions[i]->shortcut().toString(), expected[1]);
        QCOMPARE(actions[i]->isEnabled(), expected[2] == "1");
    }
    QCOMPARE(window->menuBar->actions().size(), 2);
}

void tst_MainWindow::accessKeysMoveFocus_data()
{
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("target");
    QTest::newRow("Alt+D") << 'D' << "txtDeath";
    QTest::newRow("Alt+F") << 'F' << "cboAge";
    QTest::newRow("Alt+B") << 'B' << "txtBirth";
}

void tst_MainWindow::accessKeysMoveFocus()
{
    QFETCH(char, key);
    QFETCH(QString, target);

    window->txtBirth->setText("5/17/1990");
    window->cmdPaste->setFocus(); // start away from every field
    QTest::keyClick(window.get(), Qt::Key(key), Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), target);
}

void tst_MainWindow::tabOrderSkipsDisabledButtons()
{
    const QStringList expected{"txtDeath", "cmdCalculate", "cboAge", "cmdDone", "cmdPaste",
                               "txtBirth"};
    for (const QString& next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    window->cmdCalculate->setEnabled(false);
    QTest::keyClick(window->txtBirth, Qt::Key_Tab);
    QTest::keyClick(window->txtDeath, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->cboAge);
}

void tst_MainWindow::enterRunsCalculate()
{
    // With both fields empty, Calculate sends the focus to the begin date.
    window->txtDeath->setFocus();
    QTest::keyClick(window->txtDeath, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), window->txtBirth);

    QTest::keyClicks(window->txtBirth, "5/10/1950");
    window->txtDeath->setFocus();
    QTest::keyClicks(window->txtDeath, "3/1/1990");
    QTest::keyClick(window->txtDeath, Qt::Key_Return);
    QCOMPARE(window->cboAge->count(), 4);
    QVERIFY(!window->cmdCalculate->isEnabled());
}

void tst_MainWindow::enterOnAnotherButtonPressesThatButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("birthAfter");
    QTest::addColumn<int>("programEnds");
    QTest::newRow("Paste") << "cmdPaste" << "5/10/1950pasted" << 0;
    QTest::newRow("Clear All") << "cmdClear" << "" << 0;
    QTest::newRow("Exit") << "cmdDone" << "5/10/1950" << 1;
}

// Enter on a button other than Calculate runs that button's command, not
// Calculate.
void tst_MainWindow::enterOnAnotherButtonPressesThatButton()
{
    QFETCH(QString, button);
    QFETCH(QString, birthAfter);
    QFETCH(int, programEnds);
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    window->txtDeath->setText("3/1/1990");
    window->txtBirth->setText("5/10/1950");
    window->cmdCalculate->click();
    window->txtDeath->setText("3/1/1991"); // Calculate enabled again
    window->txtBirth->setFocus(Qt::MouseFocusReason);
    window->txtBirth->end(false);
    auto* const pressed = childNamed<QPushButton>(window.get(), button.toLatin1().constData());
    pressed->setFocus(Qt::TabFocusReason);
    QTest::keyClick(pressed, Qt::Key_Return);
    QCOMPARE(window->txtBirth->text(), birthAfter);
    QCOMPARE(watched->programEnds, programEnds);
    QCOMPARE(window->cboAge->currentText().isEmpty(), button == QLatin1String("cmdClear"));
    QVERIFY(window->cmdCalculate->isEnabled()); // not run
}

void tst_MainWindow::escapeEndsTheProgram()
{
    QTest::keyClick(window->txtBirth, Qt::Key_Escape);
    QCOMPARE(watched->programEnds, 1);
    QVERIFY(!window->isVisible());
}

void tst_MainWindow::closeBoxEndsTheProgram()
{
    QVERIFY(window->close());
    QCOMPARE(watched->programEnds, 1);
}

void tst_MainWindow::f1ShowsHelpOnFormats()
{
    QString shownText;
    whenModalShows([&](QWidget* viewer) {
        shownText = childNamed<QPlainTextEdit>(viewer, "txtWindow")->toPlainText();
        QTest::keyClick(viewer, Qt::Key_Escape);
    });
    QTest::keyClick(window->txtBirth, Qt::Key_F1);
    QCOMPARE(watched->modalCaptions, QStringList{"Help on Formats"});
    QVERIFY(shownText.contains("MONTH FIRST"));
    QVERIFY(window->isVisible());
}

void tst_MainWindow::accessKeysNeverType_data()
{
    QTest::addColumn<bool>("withResult");
    QTest::addColumn<QString>("field");
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Alt+C, Calculate disabled") << true << "txtBirth" << Qt::Key_C;
    QTest::newRow("Alt+C in the result") << true << "cboAge" << Qt::Key_C;
    QTest::newRow("Alt+O, Copy disabled") << false << "txtBirth" << Qt::Key_O;
    QTest::newRow("Alt+A, nobody's") << false << "txtDeath" << Qt::Key_A;
    QTest::newRow("Alt+Z, nobody's") << true << "cboAge" << Qt::Key_Z;
}

// An access key that no enabled control takes changes no field and
// presses nothing.
void tst_MainWindow::accessKeysNeverType()
{
    QFETCH(bool, withResult);
    QFETCH(QString, field);
    QFETCH(Qt::Key, key);
    window->txtDeath->setText("3/1/1990");
    if (withResult) {
        window->txtBirth->setText("5/10/1950");
        window->cmdCalculate->click();
    }
    const QStringList before = {window->txtBirth->text(), window->txtDeath->text(),
                                window->cboAge->currentText()};
    const bool calculateOn = window->cmdCalculate->isEnabled();
    QSignalSpy copied(window->cmdCopy, &QPushButton::clicked);
    QWidget* const target = childNamed<QWidget>(window.get(), field.toLatin1().constData());
    target->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(target, key, Qt::AltModifier);
    QCOMPARE((QStringList{window->txtBirth->text(), window->txtDeath->text(),
                          window->cboAge->currentText()}),
             before);
    QCOMPARE(window->cmdCalculate->isEnabled(), calculateOn);
    QCOMPARE(copied.count(), 0);
    QCOMPARE(QApplication::focusWidget(), target);
}

void tst_MainWindow::keyboardEditMenuOnResultSelection_data()
{
    QTest::addColumn<Qt::Key>("item");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("result");
    const QString shown = QStringLiteral("39 Year(s), 9 month(s), 19 day(s)");
    QTest::newRow("Copy") << Qt::Key_O << shown << shown;
    QTest::newRow("Paste") << Qt::Key_P << "pasted" << "pasted";
}

// Alt+E and an item's key act on the selection of the result list, as the
// mouse does.
void tst_MainWindow::keyboardEditMenuOnResultSelection()
{
    QFETCH(Qt::Key, item);
    QFETCH(QString, clip);
    QFETCH(QString, result);
    window->txtBirth->setText("5/10/1950");
    window->txtDeath->setText("3/1/1990");
    window->cmdCalculate->click();
    QTest::keyClick(window->cboAge, Qt::Key_Home);
    QTest::keyClick(window->cboAge, Qt::Key_End, Qt::ShiftModifier);
    QGuiApplication::clipboard()->setText(item == Qt::Key_P ? clip : QStringLiteral("old"));
    QTest::keyClick(window->cboAge, Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), item);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(QGuiApplication::clipboard()->text(), clip);
    QCOMPARE(window->cboAge->currentText(), result);
}

void tst_MainWindow::fieldsHaveAccessibleNames_data()
{
    QTest::addColumn<std::function<QWidget*(frmDatePage&, frmAbout&)>>("field");
    QTest::addColumn<QString>("name");
    using Field = std::function<QWidget*(frmDatePage&, frmAbout&)>;
    QTest::newRow("begin") << Field([](frmDatePage& w, frmAbout&) { return w.txtBirth; })
                           << "Birth (Begin) Date";
    QTest::newRow("result's own field")
        << Field([](frmDatePage& w, frmAbout&) { return w.cboAge->lineEdit(); })
        << "Difference Date";
    QTest::newRow("viewer's text")
        << Field([](frmDatePage&, frmAbout& viewer) { return viewer.txtWindow; }) << "Text";
}

// What a screen reader announces for each field that takes typing or reading.
void tst_MainWindow::fieldsHaveAccessibleNames()
{
    QFETCH(std::function<QWidget*(frmDatePage&, frmAbout&)>, field);
    QFETCH(QString, name);
    frmAbout viewer;
    QAccessibleInterface* const announced =
        QAccessible::queryAccessibleInterface(field(*window, viewer));
    QVERIFY(announced);
    QCOMPARE(announced->text(QAccessible::Name), name);
}

void tst_MainWindow::resultListNeverTakesTypedText()
{
    window->cboAge->setFocus();
    QTest::keyClicks(window->cboAge, "typed");
    QTest::keyClick(window->cboAge, Qt::Key_Return);
    QCOMPARE(window->cboAge->count(), 0);
}

void tst_MainWindow::wheelDoesNotChooseAnEntry()
{
    window->txtBirth->setText("5/10/1950");
    window->txtDeath->setText("3/1/1990");
    window->cmdCalculate->click();
    const QString shown = window->cboAge->currentText();
    const QPoint centre = window->cboAge->rect().center();
    QWheelEvent wheel(centre, window->cboAge->mapToGlobal(centre), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window->cboAge, &wheel);
    QCOMPARE(window->cboAge->currentText(), shown);
    QCOMPARE(window->Diff_Index, 4);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
