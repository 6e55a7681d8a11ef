#pragma once

#include "game/gamesettings.h"
#include "game/gamestate.h"
#include "game/puzzlelist.h"
#include "game/scorelijst.h"

class Bord;

// The main window's handlers: answers and scoring, the game clock and the end of a
// game, and the main menu. Speaks to the board only through Bord, so every rule runs
// without a window.
class GameController
{
public:
    explicit GameController(Bord &bord);

    // Start-up's data steps: the puzzle list, the score list and the settings. Returns
    // whether the settings file was read (only then may its border colour be shown).
    bool laadGegevens();

    // Handlers, named after the control and the event they answer.
    void MenuKnop_Click(int index);
    void Tools2_click(int index);
    void Text1_KeyDown(int keyCode);
    void Text1_Click();
    void NextKnop_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void InfoLabel_DblClick();
    void MiniPic_Click();
    void Pic_MouseMove(double x, double y);
    // Asked before the main window closes; true when the player confirmed (both files
    // are then written), false to keep the window open with nothing changed.
    bool Form_Unload();

    // Starts a game for the current player: draws the round, resets score and clock.
    // False when the puzzle list cannot make a round.
    bool StartPuzzel();

    GameState &state() { return m_state; }
    const GameState &state() const { return m_state; }
    GameSettings &settings() { return m_settings; }
    Scorelijst &scorelijst() { return m_scorelijst; }
    PuzzleList &puzzels() { return m_puzzels; }
    bool wipeBusy() const { return m_wipeBusy; }

    static constexpr int EnterKey = 13;

private:
    bool gevonden(int n) const { return m_gevonden[n - 1]; }
    void setGevonden(int n, bool found);
    void toonRonde();
    void maakSlotsGrijs(int inset);
    void kleurWipe(int n);
    void volgendeRonde();
    void eindeSpel();
    void startMenu();
    bool running() const { return m_state.fase == GameState::Fase::Running; }

    Bord &m_bord;
    GameState m_state;
    GameSettings m_settings;
    Scorelijst m_scorelijst;
    PuzzleList m_puzzels;
    std::array<bool, 3> m_gevonden{};
    bool m_wipeBusy = false;
    bool m_rondeOpBord = false;   // no round exists before the first game
    quint64 m_rondeNummer = 0;    // tells a wipe that its round has been replaced
};
