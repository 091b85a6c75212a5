#pragma once

#include "spans/resultentries.h"

#include <QDialog>

#include <array>
#include <string>

class DateEdit;
class QAction;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

// The main window: the begin and end date fields, the Calculate command, the
// result list with the span in four notations, the edit commands and the
// Help menu. A QDialog, because only dialogs give Enter to a default button
// (Calculate) and Esc to a cancel button (Exit).
class frmDatePage : public QDialog
{
    Q_OBJECT

public:
    explicit frmDatePage(QWidget* parent = nullptr);

    // Values shared by the date reader and the Calculate command: after a
    // date is read, its month (0 when rejected), day, year and month length;
    // after a calculation, the elapsed months, days and years.
    double Months = 0;
    double Days = 0;
    double Years = 0;
    double Max_Days = 0;
    // Text forms of the elapsed counts, as the result list shows them.
    std::string Months_Str;
    std::string Days_Str;
    std::string Years_Str;
    // The result list's entries by 1-based position: the three numeric
    // notations, then the worded one, shown when nothing else is chosen.
    static constexpr int WordedEntry = static_cast<int>(spanwright::Notation::Worded);
    // The chosen result notation: the 1-based position of the entry shown.
    int Diff_Index = WordedEntry;
    // The field that last lost the focus: one of the three names below.
    QString Last_Focus;
    static inline const QString BirthField = QStringLiteral("Birth");
    static inline const QString DeathField = QStringLiteral("Death");
    static inline const QString DiffField = QStringLiteral("Diff");

    // Positions of the items of the Edit menu.
    enum EditItem { EditCopy, EditPaste, EditClearAll, EditSeparator, EditExit, EditItems };

    // Reads a date text into Months, Days, Years and Max_Days. A text that is
    // not a date sounds the beep, shows the format error dialog and leaves
    // Months at 0.
    void ParseDateText(const QString& text);

    QMenuBar* menuBar;
    QMenu* mnuEdit;
    std::array<QAction*, EditItems> mnuEditItem;
    QMenu* mnuHelp;
    std::array<QAction*, 3> mnuHelpItem; // About, Help on Formats, Tips & Tricks

    QLabel* lblBirth;
    DateEdit* txtBirth;
    QLabel* lblDeath;
    DateEdit* txtDeath;
    QPushButton* cmdCalculate;
    QLabel* lblDiff;
    QComboBox* cboAge;
    QPushButton* cmdDone;
    QPushButton* cmdClear;
    QPushButton* cmdCopy;
    QPushButton* cmdPaste;
    QFrame* Lin1;

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createControls(QWidget* client);

    // Commands that are a button and a menu item, switched together.
    void setCopyEnabled(bool enabled);
    void setClearEnabled(bool enabled);

    // Calculate.
    void calculate();

    // Date and result fields.
    void dateFieldChanged(DateEdit* field);
    void dateFieldFocusGained(DateEdit* field);
    void dateFieldFocusLost(DateEdit* field);
    void resultListFocusLost();
    void resultEntryChosen(int index);
    bool endDateKeyPressed(QKeyEvent* event);
    bool fieldFocusEvent(QObject* watched, QEvent* event);

    // Edit commands; the keys that run them from a field.
    bool editShortcutEvent(QEvent* event);

    void copyButtonClicked();
    void pasteButtonClicked();
    void clearAll();
    void editMenuItemChosen(int index);
    void helpMenuItemChosen(int index);

    // Buttons pressed by their access keys take the focus first.
    bool accessKeyEvent(QObject* watched);

    // Remembered settings.
    void loadSettings();
    void saveSettings();
};
