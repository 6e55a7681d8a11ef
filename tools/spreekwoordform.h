#pragma once

#include "shell/appcontext.h"

#include <QDialog>

class QLabel;
class QListWidget;
class VistaButton;

// Proverbs and sayings from Data/Spreekwoorden.lib; a double click shows the meaning.
class SpreekwoordForm : public QDialog
{
    Q_OBJECT
public:
    explicit SpreekwoordForm(const AppContext &context, QWidget *parent = nullptr);

    void LaadSpreekwoorden();
    void List1_DblClick();
    void OkKnop_Click();

    QListWidget *List1 = nullptr;
    // Never shown: the meaning fields, item i belonging to item i of List1.
    QListWidget *List2 = nullptr;
    QLabel *Label1 = nullptr;
    VistaButton *OkKnop = nullptr;

private:
    AppContext m_context;
    void Form_Load();
    QRect twips(int left, int top, int width, int height) const;
};
