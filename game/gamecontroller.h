#pragma once

#include "game/gamesettings.h"
#include "game/puzzlelist.h"
#include "game/roundbuilder.h"
#include "game/scorelist.h"

#include <QObject>

#include <array>

class Clock;
class Folders;
class RandomSource;

// The rules of a game: answers and scoring, rounds, the clock and the end of a game.
// The window calls its intent methods with what the player did and shows what the
// signals report; the controller never touches a widget, opens a window or waits.
class GameController : public QObject
{
    Q_OBJECT
public:
    enum class Phase { Idle, Running, Ended };

    GameController(RandomSource &random, const Clock &clock, const Folders &folders, QObject *parent = nullptr);

    // What the game reads at start: the puzzle list, the score list and the settings.
    struct Data {
        QList<PuzzleEntry> puzzles;
        ScoreList scores;
        GameSettings settings;
        // Whether the settings file was read whole (only then may its border colour be shown).
        bool settingsRead = false;
    };
    // Reads the data from the folders. Touches no object, so a window may have it read on
    // another thread while it builds itself.
    static Data readData(const Folders &folders);
    // Takes data read by readData; returns its settingsRead.
    bool takeData(Data data);
    // Reads and takes the data at once.
    bool loadData();
    // Writes the score list and the settings, as the program does when the player leaves.
    // What could not be written, said in Dutch for the player; empty when all was written.
    QString saveData();

    // Whether the puzzle list holds enough items for a round.
    bool canStart() const;
    // Starts a game for 'playerName' (not blank, and one the score file can hold:
    // ScoreFile::nameRefusal): score and clock reset, first round drawn.
    void start(const QString &playerName);
    // Judges a typed answer: every keyword of the round equal to it (letter case aside)
    // and not found yet is found.
    void submitAnswer(const QString &text);
    // Buys the first missing keyword of the round for 40 points.
    void revealNext();
    // After roundCompleted has been shown: draws the next round, unless the game has
    // ended meanwhile (the last round then stays).
    void continueWithNextRound();
    // Brings the clock up to date; ends the game when the time is up.
    void updateClock();

    bool isRunning() const { return m_phase == Phase::Running; }
    Phase phase() const { return m_phase; }
    bool isFound(int row) const { return m_found.at(row); }
    qint32 score() const { return m_score; }
    QString playerName() const { return m_playerName; }
    // Whole seconds left, rounded up, so the clock shows 0 only when time is up.
    qint32 secondsLeft() const;
    // Milliseconds until the clock's text changes next.
    int msToNextSecond() const;
    const Round &round() const { return m_round; }
    int itemCount() const { return m_itemCount; }
    // The current round's keywords with their descriptions and its order, for the
    // double-click on the puzzle count.
    QString solutionText() const;

    GameSettings &settings() { return m_settings; }
    ScoreList &scoreList() { return m_scoreList; }
    // The score line the last game ended with, as the score list holds it.
    const ScoreEntry &lastGameScore() const { return m_lastGameScore; }

signals:
    // A new game began: the first round follows at once.
    void gameStarted(const QString &playerName);
    // A round is on the board; 'firstOfGame' tells the game's first round from a next one.
    void roundShown(const RoundView &view, bool firstOfGame);
    // Keyword 'row' (0..2) of the round was found.
    void keywordFound(int row);
    // All three keywords are found; call continueWithNextRound when the player has seen it.
    void roundCompleted();
    // "Volgende" bought this keyword (in capitals) for the answer box.
    void keywordRevealed(const QString &keyword);
    void scoreChanged(qint32 score);
    // The game clock's text, "mm:ss ".
    void clockChanged(const QString &text);
    // The time is up; the score is already in the score list, and in its file unless
    // scoreNotSaved came just before, saying why not.
    void gameEnded(qint32 score);
    void scoreNotSaved(const QString &message);

private:
    void showNewRound(bool firstOfGame);
    void setScore(qint32 score);
    void endGame();

    const Clock &m_clock;
    const Folders &m_folders;
    RoundBuilder m_builder;
    GameSettings m_settings;
    ScoreList m_scoreList;
    ScoreEntry m_lastGameScore;
    PuzzleList m_puzzles;

    Phase m_phase = Phase::Idle;
    qint32 m_score = 0;
    QString m_playerName;
    int m_itemCount = 0;
    Round m_round;
    bool m_roundOnBoard = false; // no round exists before the first game
    std::array<bool, 3> m_found{};
    qint64 m_deadlineMs = 0;     // on the monotonic clock
};
