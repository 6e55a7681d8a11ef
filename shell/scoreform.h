#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QListWidget;
class Scorelijst;
class VistaButton;

// The high-score window: the main window's list, highest score first, with Delete
// and Delete All. Deletions change the main window's list in memory only.
class ScoreForm : public QDialog
{
    Q_OBJECT
public:
    explicit ScoreForm(Scorelijst &scorelijst, QWidget *parent = nullptr);

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
    void Form_Load();
    QRect twips(int top, int left, int width, int height) const;

    Scorelijst &m_scorelijst;
};
