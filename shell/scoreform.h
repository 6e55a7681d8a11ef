#pragma once

#include "ui/appcontext.h"

#include <QDialog>

class QFrame;
class QLabel;
class QListWidget;
class ScoreList;
struct ScoreEntry;
class VistaButton;

// The high-score window: the main window's list, highest score first, with Delete and
// Delete All. Each deletion changes the main window's list and is saved at once.
class ScoreForm : public QDialog
{
    Q_OBJECT
public:
    ScoreForm(const AppContext &context, ScoreList &scoreList, QWidget *parent = nullptr);

    // Scrolls the list to the line (the game just played) and chooses it.
    void showLine(const ScoreEntry &entry);
    // After a question; the line the player picked, if any.
    void deleteSelected();
    void deleteAll();

    QListWidget *scoreListBox() const { return m_scoreListBox; }
    QLabel *countLabel() const { return m_countLabel; }
    VistaButton *deleteButton() const { return m_deleteButton; }
    VistaButton *deleteAllButton() const { return m_deleteAllButton; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void selectNothing();
    void saveScores();
    void showCount();

    AppContext m_context;
    ScoreList &m_scores;
    QFrame *m_panel = nullptr;
    QListWidget *m_scoreListBox = nullptr;
    // Where a deleted line stood, while nothing is current: Down then chooses the line that
    // followed it, Up the one before it.
    int m_deletedRow = -1;
    QLabel *m_countLabel = nullptr;
    VistaButton *m_deleteButton = nullptr;
    VistaButton *m_deleteAllButton = nullptr;
    VistaButton *m_okButton = nullptr;
};
