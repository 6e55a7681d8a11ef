#pragma once

#include <QColor>
#include <QRect>
#include <QString>

struct RondeBeeld;

// What the game's rules need of the main window's board. The window implements it
// with widgets; the tests with a recording fake.
class Bord
{
public:
    virtual ~Bord() = default;

    virtual QString antwoord() const = 0;                 // Text1
    virtual void setAntwoord(const QString &text) = 0;
    virtual void focusAntwoord() = 0;
    virtual void setAntwoordEnabled(bool enabled) = 0;
    virtual void setNextEnabled(bool enabled) = 0;        // NextKnop
    virtual void setMenuEnabled(bool enabled) = 0;        // MenuKnop(0..5); Exit stays usable

    // WoordLabel(n) and Img20(n), n = 1..3.
    virtual void setWoordZichtbaar(int n, bool visible) = 0;
    // Puts a new round on the board: board cleared, row markers, tiles, captions.
    virtual void toonRonde(const RondeBeeld &beeld) = 0;
    // A filled rectangle in slot KnopLabel(slot), slot = 1..12, in the slot's pixels.
    virtual void vulSlot(int slot, const QRect &rect, const QColor &colour) = 0;

    virtual void setScoreTekst(const QString &text) = 0;  // RondeLabel
    virtual void setKlokTekst(const QString &text) = 0;   // KlokLabel
    virtual void setTijdTekst(const QString &text) = 0;   // TijdLabel
    virtual void setNaamTekst(const QString &text) = 0;   // NaamLabel
    virtual void setCoorTekst(const QString &text) = 0;   // CoorLabel

    virtual void setSpelklok(bool running) = 0;           // Timer1
    virtual void minimaliseer() = 0;

    // The side windows, each shown modally; they return when closed.
    virtual void toonScoreForm() = 0;
    virtual void toonEditForm() = 0;
    virtual void toonToolsMenu() = 0;
    virtual void toonAboutForm() = 0;
    virtual void toonConfigForm() = 0;
    virtual void toonWoordenForm() = 0;
    virtual void toonSpreekwoordForm() = 0;
    // Closes the main window (which asks first, see GameController::Form_Unload).
    virtual void sluit() = 0;
};
