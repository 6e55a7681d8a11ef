#pragma once

#include "game/puzzlelist.h"
#include "shell/appcontext.h"

#include <QDialog>

#include <array>

class HelpPanel;
class ProgressStrip;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QTreeView;
class VistaButton;
struct GameSettings;

// The puzzle editor "Lijst bewerken": the database file's rows in a list, five boxes
// and six buttons to add, change, delete, print and save them, a help panel and a
// printer chooser. It works on its own copy of the list, loaded when it opens; the
// file changes only through "Opslaan".
class EditForm : public QDialog
{
    Q_OBJECT
public:
    // 'settings' gives the footer text of printed pages at the moment of printing.
    EditForm(const AppContext &context, const GameSettings &settings, QWidget *parent = nullptr);

    void Knop_Click(int Index);
    void ListView1_ItemClick(const QModelIndex &Item);
    void Text0_Click();
    void Text1_Click(int Index);
    void HelpHelp_Click();
    void Combo1_Click();
    void Combo1_Change();

    const PuzzleList &list() const { return m_list; }
    // The list position of the printer last chosen, as decimal text.
    QString PrinterIndex() const { return m_printerIndex; }
    // True while "Opslaan" runs: list operations, printing and closing wait for it.
    bool isSaving() const { return m_saving; }

    QMenuBar *MenuBar = nullptr;
    QMenu *Help = nullptr;
    QAction *HelpHelp = nullptr;
    QTreeView *ListView1 = nullptr;
    HelpPanel *HelpPic = nullptr;
    ProgressStrip *Bar = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *Label0 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text0 = nullptr;
    std::array<QLineEdit *, 4> Text1{}; // Text1(1) to Text1(4) at indexes 0 to 3
    std::array<VistaButton *, 6> Knop{};

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    void Form_Load();
    void buildButtons(QWidget *client);
    void buildBoxes(QWidget *client);
    void ItemToevoegen();
    void ItemWijzigen();
    void ItemVerwijderen();
    void LijstAfdrukken();
    void Opslaan();
    bool anyBoxEmpty() const;
    void blankDescriptionsToHyphen();
    PuzzleEntry boxesEntry() const;
    int selectedRow() const;
    void showCount();
    void updateButtons();
    QRect twips(int top, int left, int width, int height) const;

    AppContext m_context;
    const GameSettings &m_settings;
    PuzzleList m_list;
    QString m_printerIndex;
    bool m_saving = false;
};
