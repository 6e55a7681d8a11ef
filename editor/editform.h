#pragma once

#include "game/puzzlelist.h"
#include "ui/appcontext.h"

#include <QDialog>

#include <array>

class HelpPanel;
class ProgressStrip;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeView;
class VistaButton;
struct GameSettings;

// The puzzle editor "Lijst bewerken": the database file's rows in a table, five boxes
// and six buttons to add, change, delete, print and save them, a help panel and a
// printer chooser. It works on its own copy of the list, loaded when it opens; the
// file changes only through "Opslaan", and closing with unsaved changes asks first.
class EditForm : public QDialog
{
    Q_OBJECT
public:
    enum Button { AddButton, ChangeButton, DeleteButton, PrintButton, SaveButton, ExitButton, ButtonCount };

    // 'settings' gives the footer text of printed pages at the moment of printing.
    EditForm(const AppContext &context, const GameSettings &settings, QWidget *parent = nullptr);

    // What the buttons do. Each does nothing while its button is disabled (help panel
    // shown, or a save running).
    void addItem();
    void changeItem();
    void deleteItem();
    void printList();
    void saveList();
    void toggleHelp();

    const PuzzleList &list() const { return m_list; }
    // The list position of the printer last chosen, as decimal text.
    QString printerIndex() const { return m_printerIndex; }
    // True while "Opslaan" runs: list operations, printing and closing wait for it.
    bool isSaving() const { return m_saving; }
    // Rows added, changed or deleted since the file was loaded or last saved.
    bool hasUnsavedChanges() const { return m_changed; }
    // The row the boxes were filled from, which "Wijzigen" changes; -1 for none.
    int boxesRow() const { return m_boxesRow; }

    QTreeView *puzzleTable() const { return m_puzzleTable; }
    HelpPanel *helpPanel() const { return m_helpPanel; }
    ProgressStrip *progressStrip() const { return m_progressStrip; }
    QComboBox *printerBox() const { return m_printerBox; }
    QLabel *countLabel() const { return m_countLabel; }
    QLineEdit *keywordBox() const { return m_keywordBox; }
    // Descriptions 1 to 4 at indexes 0 to 3.
    QLineEdit *descriptionBox(int index) const { return m_descriptionBoxes.at(index); }
    VistaButton *button(Button which) const { return m_buttons.at(which); }
    QAction *helpAction() const { return m_helpAction; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    void buildWindow();
    void buildTable(QWidget *client);
    void buildButtons(QWidget *client);
    void buildBoxes(QWidget *client);
    QLabel *addLabel(QWidget *client, const QString &text, int top);
    void makeAccessible();

    bool acts(Button which) const;
    bool anyBoxEmpty() const;
    bool refusedByFile(const PuzzleEntry &entry);
    void blankDescriptionsToHyphen();
    PuzzleEntry boxesEntry() const;
    bool boxesHoldUnappliedText() const;
    bool mayDropBoxText();
    void selectRow(int row);
    bool refusesUnwritableRows();
    void clearBoxes();
    void showRow(int row);
    void followSelection();
    int selectedRow() const;
    void showCount();
    void updateButtons();
    void onPrinterChosen();
    bool writeList();
    bool mayClose();

    AppContext m_context;
    const GameSettings &m_settings;
    PuzzleList m_list;
    QString m_printerIndex;
    bool m_saving = false;
    bool m_changed = false;
    int m_boxesRow = -1;
    bool m_selectingRow = false;
    bool m_askPending = false;

    QAction *m_helpAction = nullptr;
    QTreeView *m_puzzleTable = nullptr;
    HelpPanel *m_helpPanel = nullptr;
    ProgressStrip *m_progressStrip = nullptr;
    QComboBox *m_printerBox = nullptr;
    QLabel *m_countLabel = nullptr;
    QLineEdit *m_keywordBox = nullptr;
    std::array<QLineEdit *, 4> m_descriptionBoxes{};
    std::array<VistaButton *, ButtonCount> m_buttons{};
};
