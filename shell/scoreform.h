#pragma once

#include "shell/appcontext.h"

#include <QDialog>

class QFrame;
class QLabel;
class QListWidget;
class ScoreList;
class VistaButton;

// The high-score window: the main window's list, highest score first, with Delete
// and Delete All. Deletions change the main window's list in memory only.
class ScoreForm : public QDialog
{
    Q_OBJECT
public:
    ScoreForm(const AppContext &context, ScoreList &scoreList, QWidget *parent = nullptr);

    void DeleteKnop_Click();
    void DeleteAllKnop_Click();
    void OkKnop_Click();

    QFrame *Frame1 = nullptr;
    QListWidget *List1 = nullptr;
    QLabel *Label2 = nullptr;
    VistaButton *DeleteKnop = nullptr;
    VistaButton *DeleteAllKnop = nullptr;
    VistaButton *OkKnop = nullptr;

private:
    void saveScores();
    void Form_Load();
    QRect twips(int top, int left, int width, int height) const;

    AppContext m_context;
    ScoreList &m_scorelijst;
};
