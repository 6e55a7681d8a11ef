#pragma once

#include "shell/appcontext.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QRadioButton;
class VistaButton;
class WoordenLijstModel;

// Looks words up in Data/Nederlands.lib: those that begin with, end with or contain a
// term. The list is read anew at every search and shown while it is read.
class WoordenForm : public QDialog
{
    Q_OBJECT
public:
    explicit WoordenForm(const AppContext &context, QWidget *parent = nullptr);

    void StartKnop_Click();
    // One search; index 0, 1 or 2 as the option buttons.
    void LaadDatabase(qint16 index);
    void CancelKnop_Click();
    void Text1_Click();

    QListView *List1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label1 = nullptr;
    QRadioButton *Option1[3] = {};
    QFrame *Shape1 = nullptr;
    VistaButton *StartKnop = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    VistaButton *CancelKnop = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppContext m_context;
    void Form_Load();
    QRect twips(int left, int top, int width, int height) const;
    void toonLijst();

    WoordenLijstModel *m_woorden = nullptr;
};
