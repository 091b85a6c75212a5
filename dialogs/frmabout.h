#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// Read-only text window with one OK button, for the About text and the help
// texts that lie beside the program. Each use creates a fresh viewer,
// centred on the screen, and destroys it once the user has closed it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Replaces the text with the whole content of the file of that name in
    // the program's directory. When it cannot be read the user is told so and
    // the text stays as it was.
    void OpenFile(const QString& Filename);

    // Replaces the text; CR LF and lone CR line breaks become line breaks.
    void setText(const QString& text);
    QString text() const;

    // Shows a help file, or a composed text, under the caption, modally.
    static void showFile(QWidget* parent, const QString& fileName, const QString& caption);
    static void showText(QWidget* parent, const QString& text, const QString& caption);
    // The help text on the accepted date formats, from the Help menu and
    // from the format error dialog.
    static void showFormatsHelp(QWidget* parent);

    QPushButton* cmdOK;
    QPlainTextEdit* txtWindow;
};
