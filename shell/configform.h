#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QScrollBar;
class VistaButton;
struct GameSettings;

// Changes the settings record: the print footer, the main window's border colour and
// the playing time. The colour reaches the main window while the sliders move; the
// record changes on OK (and partly on Reset); the file is written only at exit.
class ConfigForm : public QDialog
{
    Q_OBJECT
public:
    ConfigForm(GameSettings &settings, std::function<void(const QColor &)> setBorderColour,
               QWidget *parent = nullptr);

    void Combo1_Change();
    void Combo1_Click();
    void HScroll1_Change(int index);
    void ResetKnop_Click();
    void OkKnop_Click();
    void CancelKnop_Click();

    QLineEdit *Text1 = nullptr;
    QLabel *Label1 = nullptr;
    QFrame *Label2 = nullptr; // the black panel behind the sliders
    QScrollBar *HScroll1[3] = {};
    QLabel *Label5[3] = {};
    QFrame *Label3 = nullptr; // shows the chosen colour
    QLabel *Label4 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *Label6 = nullptr;
    VistaButton *ResetKnop = nullptr;
    QLabel *Label10 = nullptr;
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;

private:
    void Form_Load();
    QRect twips(int top, int left, int width, int height) const;
    QLabel *label(const QString &caption, int top, int left);
    QColor sliderColour() const;
    void toonKleur(const QColor &colour);

    GameSettings &m_settings;
    std::function<void(const QColor &)> m_setBorderColour;
};
