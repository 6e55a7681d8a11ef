#pragma once

#include "ui/appcontext.h"

#include <QDialog>

class PictureView;
class QLabel;
class VistaButton;

// The maker's credit with the design month, the version and the program file's size
// and date.
class AboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit AboutForm(const AppContext &context, QWidget *parent = nullptr);

    QLabel *creditLabel() const { return m_creditLabel; }

private:
    void createControls();

    AppContext m_context;
    QLabel *m_pictureBorder = nullptr; // the white square round the picture
    PictureView *m_picture = nullptr;
    QLabel *m_creditLabel = nullptr;
    VistaButton *m_okButton = nullptr;
};
