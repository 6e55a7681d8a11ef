#pragma once

#include "game/bord.h"
#include "game/gamecontroller.h"

#include <QImage>
#include <QWidget>

#include <array>

class PaintPanel;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class VistaButton;

// The program's full-screen main window: the board with its twelve slots, keyword
// rows and answer box, and the button bar. Lays itself out in twips from the screen
// size and forwards every event to the GameController.
class Main : public QWidget, public Bord
{
    Q_OBJECT
public:
    explicit Main(QWidget *parent = nullptr);
    ~Main() override;

    // Lays the window out for a screen of 'screen' pixels at 'dpi' and loads the data files.
    void Form_Load(const QSize &screen, double dpi);

    GameController &controller() { return m_controller; }
    void setBorderColour(const QColor &colour);
    int kleurSchema() const { return m_schema; }

    // Controls by their names, for the side windows and the tests.
    PaintPanel *Pic = nullptr;
    std::array<PaintPanel *, 12> KnopLabel{};
    std::array<QLabel *, 12> TekstLabel{};
    std::array<QLabel *, 3> WoordLabel{};
    std::array<QLabel *, 3> Img20{};
    PaintPanel *InvoerPic = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *NaamLabel = nullptr;
    VistaButton *NextKnop = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *InfoLabel = nullptr;
    QLabel *TijdLabel = nullptr;
    QLabel *MiniPic = nullptr;
    QLabel *BackImage = nullptr;
    PaintPanel *PicKnoppen = nullptr;
    std::array<VistaButton *, 7> MenuKnop{};
    QLabel *RondeLabel = nullptr;
    QLabel *KlokLabel = nullptr;
    QLabel *CoorLabel = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QMenu *Tools = nullptr;

signals:
    // The player confirmed leaving: the program ends.
    void beeindigd();

public:
    // Bord
    QString antwoord() const override;
    void setAntwoord(const QString &text) override;
    void focusAntwoord() override;
    void setAntwoordEnabled(bool enabled) override;
    void setNextEnabled(bool enabled) override;
    void setMenuEnabled(bool enabled) override;
    void setWoordZichtbaar(int n, bool visible) override;
    void toonRonde(const RondeBeeld &beeld) override;
    void vulSlot(int slot, const QRect &rect, const QColor &colour) override;
    void setScoreTekst(const QString &text) override;
    void setKlokTekst(const QString &text) override;
    void setTijdTekst(const QString &text) override;
    void setNaamTekst(const QString &text) override;
    void setCoorTekst(const QString &text) override;
    void setSpelklok(bool running) override;
    void minimaliseer() override;
    void toonScoreForm() override;
    void toonEditForm() override;
    void toonToolsMenu() override;
    void toonAboutForm() override;
    void toonConfigForm() override;
    void toonWoordenForm() override;
    void toonSpreekwoordForm() override;
    void sluit() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int px(double twips, bool vertical = false) const;
    QLabel *label(QWidget *parent, const QString &text, const QFont &font, const QColor &colour, QPoint at);
    void maakGrid();
    void maakKnoppenbalk();
    void paintRowMarkers();
    static void toonTekst(QLabel *label, const QString &text);

    // The board's own colour, shown wherever nothing is drawn on it.
    static inline const QColor s_board{30, 30, 40};

    GameController m_controller;
    double m_dpi = 96.0;
    int m_schema = 1;
    bool m_closing = false;
    QImage m_picture1;
    QImage m_blur;
};
