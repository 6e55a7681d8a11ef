#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QScrollBar;
class Dialogs;
class VistaButton;
struct GameSettings;

// Changes the settings record: the print footer, the main window's border colour and
// the playing time. The colour reaches the main window while the sliders move; the
// record changes on OK (and partly on Reset); the file is written only at exit.
class ConfigForm : public QDialog
{
    Q_OBJECT
public:
    ConfigForm(GameSettings &settings, std::function<void(const QColor &)> setBorderColour, Dialogs &dialogs,
               QWidget *parent = nullptr);

    QLineEdit *footerBox() const { return m_footerBox; }
    QScrollBar *redSlider() const { return m_colourSliders[0]; }
    QFrame *colourSample() const { return m_colourSample; }
    QComboBox *playingTimeBox() const { return m_playingTimeBox; }
    QLabel *minutesLabel() const { return m_minutesLabel; }
    VistaButton *resetButton() const { return m_resetButton; }
    VistaButton *cancelButton() const { return m_cancelButton; }
    VistaButton *okButton() const { return m_okButton; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    QLabel *label(const QString &caption, int left, int top);
    void showMinutes();
    void followSliders();
    QColor sliderColour() const;
    void showColour(const QColor &colour);
    void resetToDefaults();
    void store();

    Dialogs &m_dialogs;
    GameSettings &m_settings;
    std::function<void(const QColor &)> m_setBorderColour;
    QLineEdit *m_footerBox = nullptr;
    QLabel *m_footerLabel = nullptr;
    QFrame *m_sliderPanel = nullptr; // the black panel behind the sliders
    QScrollBar *m_colourSliders[3] = {};
    QLabel *m_colourValueLabels[3] = {};
    QFrame *m_colourSample = nullptr;
    QLabel *m_borderColourLabel = nullptr;
    QComboBox *m_playingTimeBox = nullptr;
    QLabel *m_minutesLabel = nullptr;
    VistaButton *m_resetButton = nullptr;
    QLabel *m_resetLabel = nullptr;
    VistaButton *m_cancelButton = nullptr;
    VistaButton *m_okButton = nullptr;
};
