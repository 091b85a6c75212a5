// The text viewer, the Help menu and the format error dialog, driven as
// real modal windows.
#include "app/abouttext.h"
#include "app/frmdatepage.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmerror.h"
#include "testsupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace spanwright;

namespace {

QString viewerText(QWidget* viewer)
{
    return childNamed<QPlainTextEdit>(viewer, "txtWindow")->toPlainText();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aboutTextLines();
    void helpMenu_data();
    void helpMenu();
    void unreadableHelpFile_data();
    void unreadableHelpFile();
    void emptyHelpFileGivesNoMessage();
    void endlessLineOpensQuickly();
    void pipeIsNotRead();
    void viewerLayout();
    void viewerIsCentredAtEachOpening();
    void viewerClosesByKey_data();
    void viewerClosesByKey();

    void errorDialogLayout();
    void errorDialogCloses_data();
    void errorDialogCloses();
    void escapeLeavesErrorDialogOpen();
    void errorHelpShowsFormatsThenCloses();
    void errorHelpWithoutFormatsFile();

private:
    TemporarySettingsStore settingsStore;
    std::unique_ptr<WatchedPlatform> watched;
    QTemporaryDir programDir;
};

void tst_Dialogs::initTestCase()
{
    QVERIFY(settingsStore.isValid());
    QVERIFY(programDir.isValid());
}

void tst_Dialogs::init()
{
    watched = std::make_unique<WatchedPlatform>();
    watched->programDirectory = programDir.path();
    writeFile(programDir.filePath("Formats.txt"), "Dates are read month first.\n");
    // Windows and old Mac line breaks, as a help file edited anywhere may have.
    writeFile(programDir.filePath("Tips.txt"), "Press Ctrl+T\r\nfor today.\r\rEnd\n");
}

void tst_Dialogs::cleanup()
{
    QCOMPARE(std::exchange(modalWindowsLeftOpen, 0), 0);
    watched.reset();
    QDir(programDir.path()).removeRecursively();
    QDir().mkpath(programDir.path());
}

void tst_Dialogs::aboutTextLines()
{
    const QStringList lines = aboutText().split("\r\n");
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines[0], QStringLiteral("Spanwright '95+/NT Version 1.0.4"));
    QVERIFY(lines[1].isEmpty());
    QCOMPARE(lines[2], QStringLiteral("This Spanwright was disigned by Geneaologists, who wanted "
                                      "to subtract two dates and get an age..."));
    QVERIFY(lines[3].isEmpty());
    QCOMPARE(lines[4], QStringLiteral("Spanwright Desgined by:"));
    for (int credit = 5; credit < 8; ++credit) {
        QVERIFY(lines[credit].startsWith(QString(12, ' ')));
        QVERIFY(!lines[credit].trimmed().isEmpty());
    }
    QVERIFY(!aboutText().endsWith("\n"));
}

void tst_Dialogs::helpMenu_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("About") << 0 << "About Spanwright" << QString(aboutText()).replace("\r\n", "\n");
    QTest::newRow("Formats") << 1 << "Help on Formats" << "Dates are read month first.\n";
    QTest::newRow("Tips") << 2 << "Tips And Tricks" << "Press Ctrl+T\nfor today.\n\nEnd\n";
}

void tst_Dialogs::helpMenu()
{
    QFETCH(int, item);
    QFETCH(QString, caption);
    QFETCH(QString, text);

    frmDatePage window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QString shownCaption;
    QString shownText;
    whenModalShows([&](QWidget* viewer) {
        shownCaption = viewer->windowTitle();
        shownText = viewerText(viewer);
        QTest::keyClick(viewer, Qt::Key_Return);
    });
    window.mnuHelpItem[item]->trigger();
    QCOMPARE(shownCaption, caption);
    QCOMPARE(shownText, text);
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_Dialogs::unreadableHelpFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("missing") << "missing";
    QTest::newRow("a directory") << "directory";
}

void tst_Dialogs::unreadableHelpFile()
{
    QFETCH(QString, how);
    QFile::remove(programDir.filePath("Tips.txt"));
    if (how == "directory")
        QVERIFY(QDir(programDir.path()).mkdir("Tips.txt"));

    frmDatePage window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QString message, messageTitle, viewerCaption, shownText = "not shown";
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        message = box->text();
        messageTitle = box->windowTitle();
        icon = box->icon();
        whenModalShows([&](QWidget* viewer) {
            viewerCaption = viewer->windowTitle();
            shownText = viewerText(viewer);
            viewer->close();
        });
        box->button(QMessageBox::Ok)->click();
    });
    window.mnuHelpItem[2]->trigger();
    QCOMPARE(message, QStringLiteral("Error encountered while trying to open file, please retry."));
    QCOMPARE(messageTitle, QStringLiteral("Text Editor"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(viewerCaption, QStringLiteral("Tips And Tricks"));
    QCOMPARE(shownText, QString());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(window.isEnabled());
}

void tst_Dialogs::emptyHelpFileGivesNoMessage()
{
    writeFile(programDir.filePath("Formats.txt"), "");
    frmAbout viewer;
    viewer.OpenFile("Formats.txt");
    QVERIFY(watched->modalCaptions.isEmpty());
    QCOMPARE(viewer.text(), QString());
}

void tst_Dialogs::endlessLineOpensQuickly()
{
    // One line with no blank to wrap at, as in a binary file: wrapping it
    // whole would take the viewer minutes.
    const QByteArray line(300 * 1024, 'x');
    writeFile(programDir.filePath("Formats.txt"), line);
    frmAbout viewer;
    QElapsedTimer timer;
    timer.start();
    viewer.OpenFile("Formats.txt");
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(viewer.text().remove('\n'), QString::fromLatin1(line));

    // A long line of words is shown as it is.
    QByteArray words;
    while (words.size() < 5000)
        words += "month first, ";
    writeFile(programDir.filePath("Formats.txt"), words);
    viewer.OpenFile("Formats.txt");
    QCOMPARE(viewer.text(), QString::fromLatin1(words));
}

void tst_Dialogs::pipeIsNotRead()
{
#ifdef Q_OS_UNIX
    // Opening a pipe for reading would wait for a writer for ever.
    const QByteArray path = QFile::encodeName(programDir.filePath("Formats.txt"));
    QFile::remove(programDir.filePath("Formats.txt"));
    QCOMPARE(mkfifo(path.constData(), 0600), 0);
    watched->answerModal = [](QDialog&) {}; // OK
    frmAbout viewer;
    viewer.OpenFile("Formats.txt");
    QCOMPARE(watched->modalCaptions, QStringList{"Text Editor"});
    QCOMPARE(viewer.text(), QString());
#else
    QSKIP("pipes in the file system are a Unix matter");
#endif
}

void tst_Dialogs::viewerLayout()
{
    if (platform::screenDpi() != 96)
        QSKIP("the figures below are pixels at 96 DPI");
    frmAbout viewer;
    QCOMPARE(viewer.windowTitle(), QStringLiteral("About"));
    QCOMPARE(viewer.size(), QSize(478, 320));
    QCOMPARE(viewer.cmdOK->geometry(), QRect(184, 272, 97, 41));
    QVERIFY(viewer.cmdOK->font().bold());
    QVERIFY(viewer.cmdOK->isDefault());
    QCOMPARE(viewer.txtWindow->geometry(), QRect(0, 0, 478, 257));
    QVERIFY(viewer.txtWindow->isReadOnly());
    QCOMPARE(viewer.txtWindow->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(QFontInfo(viewer.txtWindow->font()).fixedPitch());
    QVERIFY(!viewer.windowIcon().isNull());
    viewer.show();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QCOMPARE(QApplication::focusWidget(), viewer.cmdOK);
    QTest::keyClick(viewer.cmdOK, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), viewer.txtWindow);
    QTest::keyClicks(viewer.txtWindow, "typed");
    QCOMPARE(viewer.text(), QString());
}

void tst_Dialogs::viewerIsCentredAtEachOpening()
{
    const QRect screen = platform::primaryScreenGeometry();
    for (int opening = 0; opening < 2; ++opening) {
        frmAbout viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        const QPoint centre = viewer.frameGeometry().center();
        QVERIFY(qAbs(centre.x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(centre.y() - screen.center().y()) <= 1);
        viewer.move(10, 10); // the user moves it away before closing it
    }
}

void tst_Dialogs::viewerClosesByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("focusInText");
    QTest::newRow("Enter on OK") << int(Qt::Key_Return) << false;
    QTest::newRow("Esc on OK") << int(Qt::Key_Escape) << false;
    QTest::newRow("Esc in the text") << int(Qt::Key_Escape) << true;
}

void tst_Dialogs::viewerClosesByKey()
{
    QFETCH(int, key);
    QFETCH(bool, focusInText);
    bool closed = false;
    whenModalShows([&](QWidget* modal) {
        auto* viewer = static_cast<frmAbout*>(modal);
        QWidget* target = focusInText ? static_cast<QWidget*>(viewer->txtWindow) : viewer->cmdOK;
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        closed = !viewer->isVisible();
    });
    frmAbout::showText(nullptr, "some text", "Caption");
    QVERIFY(closed);
}

void tst_Dialogs::errorDialogLayout()
{
    if (platform::screenDpi() != 96)
        QSKIP("the figures below are pixels at 96 DPI");
    frmError dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Format Error"));
    QCOMPARE(dialog.geometry(), QRect(platform::primaryScreenGeometry().topLeft() + QPoint(306, 237),
                                      QSize(167, 102)));
    QCOMPARE(dialog.cmdOK->text(), QStringLiteral("&OK"));
    QCOMPARE(dialog.cmdOK->geometry(), QRect(24, 64, 41, 25));
    QVERIFY(dialog.cmdOK->isDefault());
    QCOMPARE(dialog.cmdHelp->text(), QStringLiteral("&Help"));
    QCOMPARE(dialog.cmdHelp->geometry(), QRect(96, 64, 41, 25));
    QCOMPARE(dialog.Label1->text(), QStringLiteral("Wrong Date Format!!!"));
    QCOMPARE(dialog.Label1->pos(), QPoint(16, 16));
    QVERIFY(dialog.Label1->width() >= dialog.Label1->sizeHint().width());
    QVERIFY(dialog.Label1->geometry().right() < dialog.width());
    QCOMPARE(QFontInfo(dialog.Label1->font()).styleHint(), QFont::Serif);
}

void tst_Dialogs::errorDialogCloses_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Alt+O") << int(Qt::Key_O) << int(Qt::AltModifier);
    QTest::newRow("Space on OK") << int(Qt::Key_Space) << int(Qt::NoModifier);
}

void tst_Dialogs::errorDialogCloses()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    frmError dialog;
    whenModalShows([&](QWidget* modal) {
        QCOMPARE(QApplication::focusWidget(), static_cast<frmError*>(modal)->cmdOK);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
    });
    QElapsedTimer timer;
    timer.start();
    platform::showModal(dialog);
    QVERIFY(!dialog.isVisible());
    QVERIFY(timer.elapsed() < 3000);
    QVERIFY(watched->modalCaptions.size() == 1); // no viewer in between
}

void tst_Dialogs::escapeLeavesErrorDialogOpen()
{
    frmError dialog;
    bool openAfterEscape = false;
    whenModalShows([&](QWidget* modal) {
        QTest::keyClick(modal, Qt::Key_Escape);
        openAfterEscape = modal->isVisible();
        modal->close(); // the close box acts as OK
    });
    platform::showModal(dialog);
    QVERIFY(openAfterEscape);
    QVERIFY(!dialog.isVisible());
}

void tst_Dialogs::errorHelpShowsFormatsThenCloses()
{
    frmError dialog;
    QString viewerCaption, shownText;
    whenModalShows([&](QWidget* modal) {
        whenModalShows([&](QWidget* viewer) {
            viewerCaption = viewer->windowTitle();
            shownText = viewerText(viewer);
            QTest::keyClick(viewer, Qt::Key_Escape);
        });
        QTest::keyClick(modal, Qt::Key_H, Qt::AltModifier);
    });
    platform::showModal(dialog);
    QCOMPARE(viewerCaption, QStringLiteral("Help on Formats"));
    QCOMPARE(shownText, QStringLiteral("Dates are read month first.\n"));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_Dialogs::errorHelpWithoutFormatsFile()
{
    QFile::remove(programDir.filePath("Formats.txt"));
    frmError dialog;
    whenModalShows([&](QWidget* modal) {
        whenModalShows([&](QWidget* box) {
            whenModalShows([&](QWidget* viewer) { viewer->close(); });
            static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        });
        static_cast<frmError*>(modal)->cmdHelp->click();
    });
    platform::showModal(dialog);
    QCOMPARE(watched->modalCaptions,
             (QStringList{"Format Error", "Text Editor", "Help on Formats"}));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
