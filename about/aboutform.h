#pragma once

#include "shell/appcontext.h"

#include <QDialog>

class QLabel;
class VistaButton;

// The maker's credit with the design month, the version and the program file's size
// and date.
class AboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit AboutForm(const AppContext &context, QWidget *parent = nullptr);

    void CancelKnop_Click();

    QLabel *Label2 = nullptr; // the white square round the picture
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    VistaButton *CancelKnop = nullptr;

private:
    AppContext m_context;
    void Form_Load();
    QRect twips(int top, int left, int width, int height) const;
};
