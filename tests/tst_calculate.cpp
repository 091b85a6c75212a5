// The Calculate command in the real window: results, failures and states.
#include "app/dateedit.h"
#include "app/frmdatepage.h"
#include "dialogs/frmerror.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace spanwright;

class tst_Calculate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void result_data();
    void result();
    void shownEntryFollowsChoice_data();
    void shownEntryFollowsChoice();
    void failures_data();
    void failures();
    void emptyFieldsChangeNothing();
    void orderMessageHasNoIcon();
    void rejectedDateThroughTheRealDialog();
    void enterAgainDoesNothing();
    void secondCalculationReplacesTheList();
    void hugeTextIsRejectedQuickly();
    void resultIsSelectedForCopy_data();
    void resultIsSelectedForCopy();

private:
    void enterDates(const QString& birth, const QString& death);
    QStringList entries() const;

    TemporarySettingsStore settingsStore;
    std::unique_ptr<WatchedPlatform> watched;
    std::unique_ptr<frmDatePage> window;
};

void tst_Calculate::initTestCase()
{
    QVERIFY(settingsStore.isValid());
}

void tst_Calculate::init()
{
    watched = std::make_unique<WatchedPlatform>();
    watched->answerModal = [](QDialog&) {}; // OK at once
    window = std::make_unique<frmDatePage>();
    window->Diff_Index = 4;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void tst_Calculate::cleanup()
{
    QCOMPARE(std::exchange(modalWindowsLeftOpen, 0), 0);
    window.reset();
    watched.reset();
}

void tst_Calculate::enterDates(const QString& birth, const QString& death)
{
    window->txtBirth->setText(birth);
    window->txtDeath->setText(death);
}

QStringList tst_Calculate::entries() const
{
    QStringList list;
    for (int i = 0; i < window->cboAge->count(); ++i)
        list << window->cboAge->itemText(i);
    return list;
}

void tst_Calculate::result_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("death");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("39 years") << "5/10/1950" << "3/1/1990"
                              << QStringList{"9/19/39", "9-19-39", "9.19.39",
                                             "39 Year(s), 9 month(s), 19 day(s)"};
    QTest::newRow("equal dates") << "Jan 5, 1990" << "1.5.1990"
                                 << QStringList{"0/0/0", "0-0-0", "0.0.0",
                                                "0 Year(s), 0 month(s), 0 day(s)"};
    QTest::newRow("fraction of a day") << "5/5.5/1990" << "5/10/1990"
                                       << QStringList{"0/4.5/0", "0-4.5-0", "0.4.5.0",
                                                      "0 Year(s), 0 month(s), 4.5 day(s)"};
    QTest::newRow("half a day") << "5/9.5/1990" << "5/10/1990"
                                << QStringList{"0/0.5/0", "0-0.5-0", "0.0.5.0",
                                               "0 Year(s), 0 month(s), 0.5 day(s)"};
    QTest::newRow("one of each") << "2/29/1992" << "3/30/1993"
                                 << QStringList{"1/1/1", "1-1-1", "1.1.1",
                                                "1 Year(s), 1 month(s), 1 day(s)"};
}

void tst_Calculate::result()
{
    QFETCH(QString, birth);
    QFETCH(QString, death);
    QFETCH(QStringList, expected);

    enterDates(birth, death);
    window->cmdCalculate->click();
    QCOMPARE(entries(), expected);
    QCOMPARE(window->cboAge->currentText(), expected.last());
    QVERIFY(!window->cmdCalculate->isEnabled());
    QVERIFY(window->cmdCopy->isEnabled() && window->mnuEditItem[0]->isEnabled());
    QVERIFY(window->cmdClear->isEnabled() && window->mnuEditItem[2]->isEnabled());
    QCOMPARE(QApplication::focusWidget(), window->cboAge);
    QCOMPARE(watched->beeps, 0);
    QVERIFY(watched->modalCaptions.isEmpty());
    // The shared fields hold the span and its stripped texts.
    QCOMPARE(QString::fromStdString(window->Years_Str + "/" + window->Months_Str + "/"
                                    + window->Days_Str),
             QStringLiteral("%1/%2/%3").arg(window->Years).arg(window->Months).arg(window->Days));
}

void tst_Calculate::shownEntryFollowsChoice_data()
{
    QTest::addColumn<int>("diffIndex");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1") << 1 << "9/19/39";
    QTest::newRow("2") << 2 << "9-19-39";
    QTest::newRow("3") << 3 << "9.19.39";
    QTest::newRow("4") << 4 << "39 Year(s), 9 month(s), 19 day(s)";
    QTest::newRow("0 shows the worded entry") << 0 << "39 Year(s), 9 month(s), 19 day(s)";
    QTest::newRow("9 shows the worded entry") << 9 << "39 Year(s), 9 month(s), 19 day(s)";
}

void tst_Calculate::shownEntryFollowsChoice()
{
    QFETCH(int, diffIndex);
    QFETCH(QString, shown);
    window->Diff_Index = diffIndex;
    enterDates("5/10/1950", "3/1/1990");
    window->cmdCalculate->click();
    QCOMPARE(window->cboAge->currentText(), shown);
    QCOMPARE(window->cboAge->count(), 4);
}

void tst_Calculate::failures_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("death");
    QTest::addColumn<QStringList>("modals"); // captions, in order
    QTest::addColumn<QString>("birthAfter");
    QTest::addColumn<QString>("deathAfter");
    QTest::addColumn<QString>("focus");

    QTest::newRow("both empty") << "" << "" << QStringList() << "" << "" << "txtBirth";
    QTest::newRow("begin empty") << "" << "3/1/1990" << QStringList() << "" << "3/1/1990"
                                 << "txtBirth";
    QTest::newRow("end empty") << "5/10/1950" << "" << QStringList() << "5/10/1950" << ""
                               << "txtDeath";
    QTest::newRow("end rejected") << "5/10/1950" << "2/29/1990" << QStringList{"Format Error"}
                                  << "5/10/1950" << "" << "txtDeath";
    QTest::newRow("begin rejected") << "13/1/1950" << "3/1/1990" << QStringList{"Format Error"}
                                    << "" << "3/1/1990" << "txtBirth";
    QTest::newRow("both rejected, only the end is read")
        << "nonsense" << "garbage" << QStringList{"Format Error"} << "nonsense" << ""
        << "txtDeath";
    QTest::newRow("blanks are read, not empty") << "5/10/1950" << "   "
                                                << QStringList{"Format Error"} << "5/10/1950"
                                                << "" << "txtDeath";
    QTest::newRow("end before begin") << "5/10/1990" << "5/8/1990" << QStringList{"Date Error"}
                                      << "5/10/1990" << "5/8/1990" << "txtDeath";
    QTest::newRow("years are literal") << "1/1/1900" << "1/1/40" << QStringList{"Date Error"}
                                       << "1/1/1900" << "1/1/40" << "txtDeath";
}

void tst_Calculate::failures()
{
    QFETCH(QString, birth);
    QFETCH(QString, death);
    QFETCH(QStringList, modals);
    QFETCH(QString, birthAfter);
    QFETCH(QString, deathAfter);
    QFETCH(QString, focus);

    // A previous result, then the user edits both dates (Calculate enabled
    // again) and leaves the texts of this row.
    enterDates("1/1/1900", "1/1/1901");
    window->cmdCalculate->click();
    const QStringList before = entries();
    enterDates("1", "1");
    enterDates(birth, death);
    QVERIFY(window->cmdCalculate->isEnabled());

    window->cmdCalculate->click();
    QCOMPARE(watched->modalCaptions, modals);
    QCOMPARE(watched->beeps, modals.contains("Format Error") ? 1 : 0);
    QCOMPARE(window->txtBirth->text(), birthAfter);
    QCOMPARE(window->txtDeath->text(), deathAfter);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    // An empty field stops the command before anything changes; any other
    // failure has emptied the result list and enabled Copy and Clear All.
    const bool stoppedAtOnce = birth.isEmpty() || death.isEmpty();
    QCOMPARE(entries(), stoppedAtOnce ? before : QStringList());
    QCOMPARE(window->cboAge->currentText(), stoppedAtOnce ? before.last() : QString());
    QVERIFY(window->cmdCopy->isEnabled() && window->mnuEditItem[0]->isEnabled());
    QVERIFY(window->cmdClear->isEnabled() && window->mnuEditItem[2]->isEnabled());
    // A failed run leaves Calculate for the user to try again.
    QVERIFY(window->cmdCalculate->isEnabled());
    if (modals.contains("Format Error"))
        QCOMPARE(window->Months, 0.0);
}

void tst_Calculate::emptyFieldsChangeNothing()
{
    window->cmdCalculate->click();
    QCOMPARE(QApplication::focusWidget(), window->txtBirth);
    QVERIFY(!window->cmdCopy->isEnabled() && !window->mnuEditItem[0]->isEnabled());
    QVERIFY(!window->cmdClear->isEnabled() && !window->mnuEditItem[2]->isEnabled());
    QVERIFY(window->cmdCalculate->isEnabled());
}

void tst_Calculate::orderMessageHasNoIcon()
{
    QMessageBox::Icon icon = QMessageBox::Warning;
    QString text;
    QList<QAbstractButton*> buttons;
    watched->answerModal = [&](QDialog& dialog) {
        auto& box = static_cast<QMessageBox&>(dialog);
        icon = box.icon();
        text = box.text();
        buttons = box.buttons();
    };
    enterDates("1/1/1990", "6/1/1989");
    window->cmdCalculate->click();
    QCOMPARE(text, QStringLiteral("Error - Death Date Before Birth date"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons.size(), 1);
}

void tst_Calculate::rejectedDateThroughTheRealDialog()
{
    watched->answerModal = nullptr;
    bool deathStillHeldText = false;
    whenModalShows([&](QWidget* dialog) {
        QVERIFY(qobject_cast<frmError*>(dialog));
        deathStillHeldText = !window->txtDeath->text().isEmpty();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    enterDates("5/10/1950", "Jan 5 1990");
    QTest::keyClick(window->txtBirth, Qt::Key_Return);
    QVERIFY(deathStillHeldText); // emptied only once the dialog is gone
    QCOMPARE(window->txtDeath->text(), QString());
    QCOMPARE(watched->beeps, 1);
    QTRY_COMPARE(QApplication::focusWidget(), window->txtDeath);
}

void tst_Calculate::enterAgainDoesNothing()
{
    enterDates("5/10/1950", "3/1/1990");
    QTest::keyClick(window->txtDeath, Qt::Key_Return);
    window->cboAge->setCurrentIndex(0);
    window->txtDeath->setFocus();
    QTest::keyClick(window->txtDeath, Qt::Key_Return);
    QCOMPARE(window->cboAge->currentText(), QStringLiteral("9/19/39"));
    QCOMPARE(QApplication::focusWidget(), window->txtDeath);
}

void tst_Calculate::secondCalculationReplacesTheList()
{
    enterDates("5/10/1950", "3/1/1990");
    window->cmdCalculate->click();
    window->txtDeath->setText("3/1/1991"); // editing re-enables Calculate
    QVERIFY(window->cmdCalculate->isEnabled());
    window->cmdCalculate->click();
    QCOMPARE(entries().size(), 4);
    QCOMPARE(entries().last(), QStringLiteral("40 Year(s), 9 month(s), 19 day(s)"));
}

void tst_Calculate::hugeTextIsRejectedQuickly()
{
    const QString megabyteYear = "5/17/" + QString(1 << 20, '9');
    enterDates("5/10/1950", megabyteYear);
    QElapsedTimer timer;
    timer.start();
    window->cmdCalculate->click();
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(watched->modalCaptions, QStringList{"Format Error"});

    enterDates("5/10/1950", QString(1 << 20, '/'));
    window->cmdCalculate->click();
    QCOMPARE(watched->modalCaptions.size(), 2);
}

void tst_Calculate::resultIsSelectedForCopy_data()
{
    QTest::addColumn<std::function<void(frmDatePage&)>>("run");
    QTest::newRow("Enter in the end date")
        << std::function([](frmDatePage& w) { QTest::keyClick(w.txtDeath, Qt::Key_Return); });
    QTest::newRow("Enter in the begin date")
        << std::function([](frmDatePage& w) { QTest::keyClick(w.txtBirth, Qt::Key_Return); });
    QTest::newRow("click")
        << std::function([](frmDatePage& w) { QTest::mouseClick(w.cmdCalculate, Qt::LeftButton); });
    QTest::newRow("access key") << std::function(
        [](frmDatePage& w) { QTest::keyClick(w.txtDeath, Qt::Key_C, Qt::AltModifier); });
}

// However Calculate runs, Ctrl+C right after it copies the whole result,
// and the start of the result is in view.
void tst_Calculate::resultIsSelectedForCopy()
{
    QFETCH(std::function<void(frmDatePage&)>, run);
    enterDates("5/10/1950", "3/1/1990");
    window->txtDeath->setFocus();
    run(*window);
    const QString result = QStringLiteral("39 Year(s), 9 month(s), 19 day(s)");
    QTRY_COMPARE(window->cboAge->currentText(), result);
    QTRY_COMPARE(QApplication::focusWidget(), window->cboAge);
    QCOMPARE(window->cboAge->lineEdit()->selectedText(), result);
    QCOMPARE(window->cboAge->lineEdit()->cursorPosition(), 0);
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    QTest::keyClick(window->cboAge, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), result);
}

QTEST_MAIN(tst_Calculate)
#include "tst_calculate.moc"
