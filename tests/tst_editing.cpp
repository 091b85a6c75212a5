// Tests of the main window's date fields and result list as the user edits
// them and moves between them, and of the Copy, Paste and Clear All commands.

#include "app/dateedit.h"
#include "app/frmdatepage.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

using namespace spanwright;

using Step = std::function<void(frmDatePage&)>;
Q_DECLARE_METATYPE(Step)

namespace {

const QString Birth = QStringLiteral("5/10/1950");
const QString Death = QStringLiteral("3/1/1990");
const QStringList Entries = {QStringLiteral("9/19/39"), QStringLiteral("9-19-39"),
                             QStringLiteral("9.19.39"),
                             QStringLiteral("39 Year(s), 9 month(s), 19 day(s)")};

QString clipboard() { return QGuiApplication::clipboard()->text(); }
void setClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }

// A key typed where the focus is.
void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
}

// Both dates typed and Calculate clicked: the result list shows a new result.
void calculated(frmDatePage& w)
{
    w.txtBirth->clear();
    w.txtDeath->clear();
    w.txtBirth->setText(Birth);
    w.txtDeath->setText(Death);
    QTest::mouseClick(w.cmdCalculate, Qt::LeftButton);
}

// A date field entered with the mouse, then part of it selected.
Step select(DateEdit* frmDatePage::*field, int start, int length)
{
    return [=](frmDatePage& w) {
        (w.*field)->setFocus(Qt::MouseFocusReason);
        (w.*field)->setSelection(start, length);
    };
}

const Step selectInResult = [](frmDatePage& w) {
    w.cboAge->setFocus(Qt::MouseFocusReason);
    w.cboAge->lineEdit()->setSelection(0, 2);
};

} // namespace

// A shown, active main window w, with the platform watched.
#define OPEN_WINDOW(w)                                                                             \
    WatchedPlatform watched;                                                                       \
    frmDatePage w;                                                                                 \
    w.show();                                                                                      \
    QVERIFY(QTest::qWaitForWindowActive(&w))

// The Copy button and menu item are always switched together.
#define COMPARE_COPY_ENABLED(w, enabled)                                                           \
    do {                                                                                           \
        QCOMPARE((w).cmdCopy->isEnabled(), enabled);                                               \
        QCOMPARE((w).mnuEditItem[0]->isEnabled(), enabled);                                        \
    } while (false)

class EditingTest : public QObject
{
    Q_OBJECT

    // Windows read the remembered result notation: start from none.
    TemporarySettingsStore settingsStore;

private slots:
    void initTestCase() { QVERIFY(settingsStore.isValid()); }

    // After a calculation Calculate waits for a date to change.
    void textChangeEnablesCalculate_data()
    {
        QTest::addColumn<Step>("change");
        QTest::addColumn<bool>("enabled");
        const auto typeAtEnd = [](DateEdit* frmDatePage::*field, Qt::Key k) {
            return Step([=](frmDatePage& w) {
                (w.*field)->setFocus(Qt::TabFocusReason);
                key(Qt::Key_End);
                key(k);
            });
        };
        QTest::newRow("erased in begin") << typeAtEnd(&frmDatePage::txtBirth, Qt::Key_Backspace) << true;
        QTest::newRow("typed in end") << typeAtEnd(&frmDatePage::txtDeath, Qt::Key_0) << true;
        QTest::newRow("begin emptied") << Step([](frmDatePage& w) {
            w.txtBirth->setFocus(Qt::TabFocusReason);
            key(Qt::Key_Delete);
        }) << false;
        QTest::newRow("Edit menu Paste into begin") << Step([](frmDatePage& w) {
            select(&frmDatePage::txtBirth, 0, 1)(w);
            setClipboard(QStringLiteral("6"));
            w.mnuEditItem[1]->trigger();
        }) << true;
        QTest::newRow("Clear All") << Step([](frmDatePage& w) { w.mnuEditItem[2]->trigger(); }) << false;
        const auto ctrlT = [](bool clearFirst, const QString& endBefore) {
            return Step([=](frmDatePage& w) {
                if (clearFirst)
                    w.cmdClear->click();
                if (!endBefore.isNull()) {
                    w.txtDeath->setText(endBefore);
                    QTest::mouseClick(w.cmdCalculate, Qt::LeftButton);
                }
                QVERIFY(!w.cmdCalculate->isEnabled());
                w.txtDeath->setFocus(Qt::MouseFocusReason);
                key(Qt::Key_T, Qt::ControlModifier);
                QCOMPARE(w.txtDeath->text(), QStringLiteral("3/7/1997"));
            });
        };
        QTest::newRow("Ctrl+T in end") << ctrlT(false, QString()) << true;
        QTest::newRow("Ctrl+T, end today already") << ctrlT(false, QStringLiteral("3/7/1997")) << true;
        QTest::newRow("Ctrl+T, no begin") << ctrlT(true, QString()) << false;
        QTest::newRow("typed in result") << Step([](frmDatePage&) { key(Qt::Key_X); }) << false;
        QTest::newRow("result entry chosen") << Step([](frmDatePage&) { key(Qt::Key_Up); }) << false;
    }

    void textChangeEnablesCalculate()
    {
        QFETCH(Step, change);
        QFETCH(bool, enabled);
        OPEN_WINDOW(w);
        calculated(w);
        QCOMPARE(w.cboAge->currentText(), Entries[3]);
        QVERIFY(!w.cmdCalculate->isEnabled());
        change(w);
        QCOMPARE(w.cmdCalculate->isEnabled(), enabled);
    }

    void focusGainSelectsWholeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::newRow("mouse") << Death << Qt::MouseFocusReason;
        QTest::newRow("tab") << Death << Qt::TabFocusReason;
        QTest::newRow("by the program") << Death << Qt::OtherFocusReason;
        QTest::newRow("empty field") << QString() << Qt::MouseFocusReason;
    }

    void focusGainSelectsWholeText()
    {
        QFETCH(QString, text);
        QFETCH(Qt::FocusReason, reason);
        OPEN_WINDOW(w);
        w.txtDeath->setText(text);
        w.txtDeath->setCursorPosition(1);
        w.txtDeath->setFocus(reason);
        QCOMPARE(w.txtDeath->selectedText(), text);
        COMPARE_COPY_ENABLED(w, !text.isEmpty());
    }

    void focusLossRecordsField_data()
    {
        QTest::addColumn<bool>("withResult");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("copyEnabled");
        QTest::newRow("begin, no result") << false << "Birth" << false;
        QTest::newRow("end, no result") << false << "Death" << false;
        QTest::newRow("begin, with result") << true << "Birth" << true;
        QTest::newRow("result list, emptied") << true << "Diff" << true;
    }

    void focusLossRecordsField()
    {
        QFETCH(bool, withResult);
        QFETCH(QString, left);
        QFETCH(bool, copyEnabled);
        OPEN_WINDOW(w);
        w.txtBirth->setText(Birth);
        w.txtDeath->setText(Death);
        if (withResult)
            calculated(w);
        QWidget* const field = left == QLatin1String("Birth") ? static_cast<QWidget*>(w.txtBirth)
                             : left == QLatin1String("Death") ? static_cast<QWidget*>(w.txtDeath)
                                                              : w.cboAge;
        // Another field left before, so that the one left last shows.
        (field == w.txtDeath ? w.txtBirth : w.txtDeath)->setFocus(Qt::MouseFocusReason);
        w.cmdDone->setFocus(Qt::TabFocusReason);
        QVERIFY(w.Last_Focus != left);
        field->setFocus(Qt::MouseFocusReason);
        if (field == w.cboAge)
            w.cboAge->clearEditText();
        COMPARE_COPY_ENABLED(w, true);
        w.cmdDone->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.Last_Focus, left);
        COMPARE_COPY_ENABLED(w, copyEnabled);
    }

    // A menu or another window taking the focus for a while neither leaves
    // the field nor enters it again; a field given the focus meanwhile is entered.
    void menusAndWindowsLeaveFieldAlone_data()
    {
        QTest::addColumn<Step>("interruption");
        QTest::addColumn<bool>("movedToEnd");
        const auto closed = [](std::function<void(QWidget*)> meanwhile = {}) {
            whenModalShows([meanwhile](QWidget* modal) {
                if (meanwhile)
                    meanwhile(modal);
                modal->close();
            });
        };
        QTest::newRow("Edit menu") << Step([](frmDatePage&) {
            key(Qt::Key_E, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            key(Qt::Key_Escape);
        }) << false;
        QTest::newRow("About window") << Step([=](frmDatePage& w) {
            closed();
            w.mnuHelpItem[0]->trigger();
        }) << false;
        QTest::newRow("help window by F1") << Step([=](frmDatePage&) {
            closed();
            key(Qt::Key_F1);
        }) << false;
        QTest::newRow("end given the focus meanwhile") << Step([=](frmDatePage& w) {
            closed([&w](QWidget*) { w.txtDeath->setFocus(Qt::OtherFocusReason); });
            w.mnuHelpItem[0]->trigger();
        }) << true;
    }

    void menusAndWindowsLeaveFieldAlone()
    {
        QFETCH(Step, interruption);
        QFETCH(bool, movedToEnd);
        OPEN_WINDOW(w);
        w.txtDeath->setText(Death);
        QTest::keyClicks(w.txtBirth, Birth);
        w.txtBirth->setCursorPosition(3);
        interruption(w);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        DateEdit* const field = movedToEnd ? w.txtDeath : w.txtBirth;
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QCOMPARE(w.Last_Focus, QString());
        QCOMPARE(field->selectedText(), movedToEnd ? Death : QString());
        QCOMPARE(w.txtBirth->cursorPosition(), 3);
    }

    // Only a click in the list or the arrow keys choose the notation shown
    // by the next calculation.
    void resultEntryChoice_data()
    {
        QTest::addColumn<Step>("choice");
        QTest::addColumn<int>("index");
        const auto typed = [](int entry, Step then) {
            return Step([=](frmDatePage& w) {
                w.cboAge->lineEdit()->selectAll();
                QTest::keyClicks(w.cboAge, Entries[entry]);
                then(w);
            });
        };
        QTest::newRow("Up") << Step([](frmDatePage&) { key(Qt::Key_Up); }) << 3;
        QTest::newRow("Up thrice, Down") << Step([](frmDatePage&) {
            for (Qt::Key k : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down})
                key(k);
        }) << 2;
        QTest::newRow("clicked in list") << Step([](frmDatePage& w) {
            w.cboAge->showPopup();
            QAbstractItemView* view = w.cboAge->view();
            QTRY_VERIFY(view->isVisible());
            const QRect item = view->visualRect(view->model()->index(0, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
            QTRY_VERIFY(!view->isVisible());
        }) << 1;
        QTest::newRow("entry typed, list left") << typed(1, [](frmDatePage&) {}) << 4;
        QTest::newRow("entry typed, list opened") << typed(2, [](frmDatePage& w) {
            w.cboAge->showPopup();
            QTRY_VERIFY(w.cboAge->view()->isVisible());
            QTest::keyClick(w.cboAge->view(), Qt::Key_Escape);
            QTRY_VERIFY(!w.cboAge->view()->isVisible());
        }) << 4;
        QTest::newRow("entry typed, Enter") << typed(0, [](frmDatePage&) { key(Qt::Key_Return); }) << 4;
        QTest::newRow("Clear All") << Step([](frmDatePage& w) { w.cmdClear->click(); }) << 4;
    }

    void resultEntryChoice()
    {
        QFETCH(Step, choice);
        QFETCH(int, index);
        OPEN_WINDOW(w);
        calculated(w);
        QCOMPARE(QApplication::focusWidget(), w.cboAge);
        choice(w);
        QCOMPARE(w.Diff_Index, index);
        QVERIFY(!w.cmdCalculate->isEnabled());
        calculated(w);
        QCOMPARE(w.cboAge->currentText(), Entries[index - 1]);
    }

    void enterInResultCalculates()
    {
        OPEN_WINDOW(w);
        calculated(w);
        w.txtBirth->setText(QStringLiteral("5/10/1951"));
        w.cboAge->setFocus(Qt::MouseFocusReason);
        key(Qt::Key_Return);
        QCOMPARE(w.cboAge->currentText(), QStringLiteral("38 Year(s), 9 month(s), 19 day(s)"));
        QVERIFY(!w.cmdCalculate->isEnabled());
    }

    void ctrlTTypesToday_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::newRow("slash") << QDate(1997, 3, 7) << "/" << "3/7/1997";
        QTest::newRow("dash") << QDate(2004, 11, 23) << "-" << "11-23-2004";
        QTest::newRow("period") << QDate(2031, 12, 1) << "." << "12.1.2031";
        QTest::newRow("blank") << QDate(2004, 11, 23) << " " << "11/23/2004";
        QTest::newRow("CJK year sign") << QDate(2004, 11, 23) << QStringLiteral("年") << "11/23/2004";
        QTest::newRow("none") << QDate(2004, 11, 23) << "" << "11/23/2004";
    }

    void ctrlTTypesToday()
    {
        QFETCH(QDate, today);
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        OPEN_WINDOW(w);
        watched.today = today;
        watched.dateSeparator = separator;
        QTest::keyClicks(w.txtBirth, Birth);
        key(Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(w.txtBirth->text(), Birth);
        w.txtDeath->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w.txtDeath, QStringLiteral("long ago"));
        w.txtDeath->setCursorPosition(2);
        key(Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(w.txtDeath->text(), typed);
    }

    // The buttons act on what the field left last held selected.
    void copyAndPasteButtons_data()
    {
        QTest::addColumn<Step>("leave");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("byAccessKey");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("death");
        QTest::addColumn<QString>("result");
        const Step begin = select(&frmDatePage::txtBirth, 2, 2);
        const Step endCaret = select(&frmDatePage::txtDeath, 3, 0);
        const Step endYear = select(&frmDatePage::txtDeath, 4, 4);
        QTest::newRow("copy begin selection") << begin << "cmdCopy" << false << "10" << Birth << Death << Entries[3];
        QTest::newRow("copy end, caret only") << endCaret << "cmdCopy" << false << "" << Birth << Death << Entries[3];
        QTest::newRow("copy result list") << selectInResult << "cmdCopy" << false << Entries[3] << Birth << Death << Entries[3];
        QTest::newRow("copy by access key") << endYear << "cmdCopy" << true << "1990" << Birth << Death << Entries[3];
        QTest::newRow("paste begin selection") << begin << "cmdPaste" << false << "12" << "5/12/1950" << Death << Entries[3];
        QTest::newRow("paste end caret") << endCaret << "cmdPaste" << false << "12" << Birth << "3/112/1990" << Entries[3];
        QTest::newRow("paste by access key") << endYear << "cmdPaste" << true << "12" << Birth << "3/1/12" << Entries[3];
        QTest::newRow("paste result list") << selectInResult << "cmdPaste" << false << "12" << Birth << Death << "12";
    }

    void copyAndPasteButtons()
    {
        QFETCH(Step, leave);
        QFETCH(QString, button);
        QFETCH(bool, byAccessKey);
        QFETCH(QString, clip);
        QFETCH(QString, birth);
        QFETCH(QString, death);
        QFETCH(QString, result);
        OPEN_WINDOW(w);
        calculated(w);
        leave(w);
        setClipboard(QStringLiteral("12"));
        auto* const pressed = childNamed<QPushButton>(&w, button.toLatin1().constData());
        if (byAccessKey)
            key(pressed == w.cmdCopy ? Qt::Key_O : Qt::Key_P, Qt::AltModifier);
        else
            QTest::mouseClick(pressed, Qt::LeftButton);
        QTRY_COMPARE(clipboard(), clip);
        QTRY_COMPARE(w.txtDeath->text(), death);
        QCOMPARE(w.txtBirth->text(), birth);
        QCOMPARE(w.cboAge->currentText(), result);
        QCOMPARE(w.cboAge->count(), 4);
        QCOMPARE(QApplication::focusWidget(), pressed);
        QCOMPARE(w.cmdCalculate->isEnabled(), birth != Birth || death != Death);
    }

    // Leaving a field for the Copy button while there is no result switches
    // Copy off before the click reaches it.
    void copyButtonOffWithoutResult()
    {
        OPEN_WINDOW(w);
        QTest::keyClicks(w.txtBirth, Birth);
        key(Qt::Key_Tab);
        key(Qt::Key_Backtab);
        COMPARE_COPY_ENABLED(w, true);
        setClipboard(QStringLiteral("old"));
        QTest::mouseClick(w.cmdCopy, Qt::LeftButton);
        QCOMPARE(w.Last_Focus, QStringLiteral("Birth"));
        COMPARE_COPY_ENABLED(w, false);
        QCOMPARE(clipboard(), QStringLiteral("old"));
    }

    // Before any field was left the buttons have nothing to act on: Copy
    // empties the clipboard, Paste changes nothing.
    void buttonsWithNoFieldLeft()
    {
        WatchedPlatform watched;
        frmDatePage w;
        w.txtBirth->setText(Birth);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        COMPARE_COPY_ENABLED(w, true);
        setClipboard(QStringLiteral("12"));
        w.cmdPaste->click();
        QCOMPARE(w.txtBirth->text(), Birth);
        QCOMPARE(w.txtDeath->text(), QString());
        QCOMPARE(w.cboAge->currentText(), QString());
        w.cmdCopy->click();
        QCOMPARE(clipboard(), QString());
    }

    // The Edit menu's Copy and Paste act on the focused control's selection;
    // Ctrl+C and Ctrl+V typed in a field run them, not the field's own.
    void editMenuCopyPaste_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("text");
        QTest::newRow("copy begin") << "txtBirth" << 2 << 2 << 0 << true << "old" << "10" << Birth;
        QTest::newRow("copy, nothing selected") << "txtDeath" << 2 << 0 << 0 << true << "old" << "" << Death;
        QTest::newRow("copy result part") << "cboAge" << 0 << 2 << 0 << true << "old" << "39" << Entries[3];
        QTest::newRow("copy from menu") << "txtDeath" << 0 << 3 << 0 << false << "old" << "3/1" << Death;
        QTest::newRow("paste over selection") << "txtBirth" << 2 << 2 << 1 << true << "17" << "17" << "5/17/1950";
        QTest::newRow("paste at caret") << "txtDeath" << 0 << 0 << 1 << true << "1" << "1" << "13/1/1990";
        QTest::newRow("paste nothing") << "txtBirth" << 1 << 3 << 1 << true << "" << "" << "5/1950";
        QTest::newRow("paste in result") << "cboAge" << 0 << 2 << 1 << true << "40" << "40" << "40" + Entries[3].mid(2);
        QTest::newRow("paste from menu") << "cboAge" << 0 << 2 << 1 << false << "40" << "40" << "40" + Entries[3].mid(2);
    }

    void editMenuCopyPaste()
    {
        QFETCH(QString, control);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(int, item);
        QFETCH(bool, byKey);
        QFETCH(QString, clip);
        QFETCH(QString, copied);
        QFETCH(QString, text);
        OPEN_WINDOW(w);
        calculated(w);
        QWidget* const widget = childNamed<QWidget>(&w, control.toLatin1().constData());
        QLineEdit* const edit = widget == w.cboAge ? w.cboAge->lineEdit() : qobject_cast<QLineEdit*>(widget);
        widget->setFocus(Qt::MouseFocusReason);
        edit->setSelection(start, length);
        if (clip.isEmpty())
            QGuiApplication::clipboard()->clear();
        else
            setClipboard(clip);
        QSignalSpy triggered(w.mnuEditItem[item], &QAction::triggered);
        if (byKey)
            key(item == 0 ? Qt::Key_C : Qt::Key_V, Qt::ControlModifier);
        else
            w.mnuEditItem[item]->trigger();
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(clipboard(), copied);
        QCOMPARE(edit->text(), text);
        QCOMPARE(QApplication::focusWidget(), widget);
    }

    // Copy and Clear All start off; Ctrl+C then does nothing, Ctrl+V works.
    void copyKeyWhileCopyIsOff()
    {
        OPEN_WINDOW(w);
        QVERIFY(!w.cmdClear->isEnabled() && !w.mnuEditItem[2]->isEnabled());
        QVERIFY(w.cmdPaste->isEnabled() && w.mnuEditItem[1]->isEnabled());
        QVERIFY(w.cmdDone->isEnabled() && w.mnuEditItem[4]->isEnabled());
        QCOMPARE(w.Last_Focus, QString());
        COMPARE_COPY_ENABLED(w, false);
        setClipboard(QStringLiteral("old"));
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), QStringLiteral("old"));
        key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.txtBirth->text(), QStringLiteral("old"));
    }

    // A date typed into the focused field can be copied right away, in a
    // window that has no result and in one that has.
    void typedDateCanBeCopied_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("withResult");
        QTest::newRow("begin") << "txtBirth" << false;
        QTest::newRow("end") << "txtDeath" << false;
        QTest::newRow("begin, after a result") << "txtBirth" << true;
    }

    void typedDateCanBeCopied()
    {
        QFETCH(QString, field);
        QFETCH(bool, withResult);
        OPEN_WINDOW(w);
        if (withResult) {
            calculated(w);
            w.mnuEditItem[2]->trigger(); // Clear All: Copy off again
        }
        auto* const edit = childNamed<DateEdit>(&w, field.toLatin1().constData());
        edit->setFocus(Qt::MouseFocusReason);
        COMPARE_COPY_ENABLED(w, false);
        QTest::keyClicks(edit, Birth);
        COMPARE_COPY_ENABLED(w, true);
        setClipboard(QStringLiteral("old"));
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), Birth);
    }

    void clearAll_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("calculateOn");
        QTest::newRow("button") << false << false;
        QTest::newRow("menu item, Calculate on") << true << true;
    }

    void clearAll()
    {
        QFETCH(bool, byMenu);
        QFETCH(bool, calculateOn);
        OPEN_WINDOW(w);
        calculated(w);
        key(Qt::Key_Up);
        if (calculateOn) {
            w.txtDeath->setFocus(Qt::MouseFocusReason);
            key(Qt::Key_End);
            key(Qt::Key_Backspace);
            QVERIFY(w.cmdCalculate->isEnabled());
        }
        (byMenu ? static_cast<QWidget*>(w.cmdDone) : w.cmdClear)->setFocus(Qt::MouseFocusReason);
        const QString lastFocus = w.Last_Focus;
        if (byMenu)
            w.mnuEditItem[2]->trigger();
        else
            QTest::mouseClick(w.cmdClear, Qt::LeftButton);
        QVERIFY(!w.cmdClear->isEnabled() && !w.mnuEditItem[2]->isEnabled());
        COMPARE_COPY_ENABLED(w, false);
        QCOMPARE(w.cboAge->count(), 0);
        QCOMPARE(w.cboAge->currentText(), QString());
        QCOMPARE(w.txtBirth->text(), QString());
        QCOMPARE(w.txtDeath->text(), QString());
        QCOMPARE(QApplication::focusWidget(), w.txtBirth);
        QCOMPARE(w.Last_Focus, lastFocus);
        QCOMPARE(w.Diff_Index, 3);
        QCOMPARE(w.cmdCalculate->isEnabled(), calculateOn);
    }
};

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"
