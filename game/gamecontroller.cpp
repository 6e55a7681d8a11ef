#include "game/gamecontroller.h"

#include "game/clock.h"
#include "game/clocktexts.h"
#include "game/folders.h"
#include "game/puzzlefile.h"
#include "game/scorefile.h"
#include "game/shownfield.h"
#include "game/textwriter.h"

namespace {

constexpr qint32 pointsForFind = 20;
constexpr qint32 priceOfNext = 40;

const QString puzzleFileName = QStringLiteral("Puzzel.lib");
const QString scoreFileName = QStringLiteral("Scorelijst.lib");

} // namespace

GameController::GameController(RandomSource &random, const Clock &clock, const Folders &folders, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_folders(folders)
    , m_builder(random)
{
    m_puzzles.setHeaders({QStringLiteral("Woord"), QStringLiteral("Oplossing1"), QStringLiteral("Oplossing2"),
                          QStringLiteral("Oplossing3"), QStringLiteral("Oplossing4")});
}

GameController::Data GameController::readData(const Folders &folders)
{
    Data data;
    data.puzzles = PuzzleFile::read(folders.dataFile(puzzleFileName));
    ScoreFile::load(folders.dataFile(scoreFileName), data.scores);
    data.settingsRead = loadSettings(folders.settingsFile(), data.settings);
    return data;
}

bool GameController::takeData(Data data)
{
    m_puzzles.setEntries(std::move(data.puzzles));
    m_itemCount = m_puzzles.count();
    m_score = 0;
    m_playerName.clear();
    m_scoreList = std::move(data.scores);
    m_settings = data.settings;
    return data.settingsRead;
}

bool GameController::loadData()
{
    return takeData(readData(m_folders));
}

QString GameController::saveData()
{
    QStringList problems;
    if (const QString reason = ScoreFile::save(m_folders.dataFile(scoreFileName), m_scoreList); !reason.isEmpty())
        problems << saveFailureText(QStringLiteral("De scorelijst kon niet worden bewaard: "), reason);
    if (const QString reason = saveSettings(m_folders.settingsFile(), m_settings); !reason.isEmpty())
        problems << saveFailureText(QStringLiteral("De instellingen konden niet worden bewaard: "), reason);
    return problems.join(QStringLiteral("\n\n"));
}

bool GameController::canStart() const
{
    return m_itemCount >= 3 && m_puzzles.count() >= 3;
}

void GameController::start(const QString &playerName)
{
    // A name the score file cannot hold would come back changed after the game.
    if (playerName.trimmed().isEmpty() || !ScoreFile::nameRefusal(playerName).isEmpty() || !canStart())
        return;
    m_playerName = playerName;
    if (!m_builder.drawKeywords(m_puzzles, m_itemCount, m_round))
        return;
    m_found = {};
    m_phase = Phase::Running;
    m_deadlineMs = m_clock.monotonicMs() + 1000 * qint64(playingTimeForGame(m_settings.speeltijd));
    emit gameStarted(m_playerName);
    // Until the first second has passed the clock shows zero, as it always has.
    emit clockChanged(QStringLiteral("00:00"));
    setScore(0);
    showNewRound(true);
}

void GameController::showNewRound(bool firstOfGame)
{
    const RoundView view = m_builder.layOut(m_round);
    m_roundOnBoard = true;
    emit roundShown(view, firstOfGame);
}

void GameController::setScore(qint32 score)
{
    m_score = score;
    emit scoreChanged(m_score);
}

void GameController::submitAnswer(const QString &text)
{
    // Answers count only while a game runs, and not once the round is complete.
    if (!isRunning() || !m_roundOnBoard || (m_found[0] && m_found[1] && m_found[2]))
        return;
    // Two keywords with the same text are both found by one answer.
    const QString typed = text.toLower();
    for (int row = 0; row < 3; ++row) {
        if (m_found[row] || typed != keywordInCapitals(m_round.keywords[row]).toLower())
            continue;
        m_found[row] = true;
        setScore(m_score + pointsForFind);
        emit keywordFound(row);
    }
    if (m_found[0] && m_found[1] && m_found[2])
        emit roundCompleted();
}

void GameController::continueWithNextRound()
{
    if (!isRunning() || !(m_found[0] && m_found[1] && m_found[2]))
        return;
    if (!m_builder.drawKeywords(m_puzzles, m_itemCount, m_round))
        return;
    m_found = {};
    showNewRound(false);
}

void GameController::revealNext()
{
    if (!isRunning())
        return;
    for (int row = 0; row < 3; ++row) {
        if (!m_found[row]) {
            emit keywordRevealed(keywordInCapitals(m_round.keywords[row]));
            setScore(m_score - priceOfNext);
            return;
        }
    }
}

qint32 GameController::secondsLeft() const
{
    if (!isRunning())
        return 0;
    const qint64 left = m_deadlineMs - m_clock.monotonicMs();
    return left <= 0 ? 0 : qint32((left + 999) / 1000);
}

int GameController::msToNextSecond() const
{
    const qint64 left = m_deadlineMs - m_clock.monotonicMs();
    if (left <= 0)
        return 0;
    const int part = int(left % 1000);
    return part == 0 ? 1000 : part;
}

void GameController::updateClock()
{
    if (!isRunning())
        return;
    const qint32 left = secondsLeft();
    emit clockChanged(clockText(left));
    if (left == 0)
        endGame();
}

void GameController::endGame()
{
    m_phase = Phase::Ended;
    m_lastGameScore = ScoreEntry::ofGame(m_score, m_playerName);
    const QString reason = ScoreFile::add(m_folders.dataFile(scoreFileName), m_scoreList, m_lastGameScore);
    if (!reason.isEmpty())
        emit scoreNotSaved(saveFailureText(QStringLiteral("De score van dit spel kon niet worden bewaard: "), reason));
    emit gameEnded(m_score);
}

QString GameController::solutionText() const
{
    const Round &r = m_round;
    const auto shown = [](const QString &field) { return ShownField::shortened(field, ShownField::inMessage); };
    QString text;
    for (int n = 0; n < 3; ++n) {
        text += shown(r.keywords[n]) + QStringLiteral(" = ") + shown(r.descriptions[n][0]) + QStringLiteral(", ")
            + shown(r.descriptions[n][1]) + QStringLiteral(", ") + shown(r.descriptions[n][2]) + QStringLiteral(", ")
            + shown(r.descriptions[n][3]) + QStringLiteral("\r\n");
    }
    return text + QStringLiteral("\r\nMatrix : ") + r.orderText + QStringLiteral("\r\nRandom : ")
        + QString::number(r.orderNumber);
}
