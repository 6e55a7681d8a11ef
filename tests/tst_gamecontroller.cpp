#include "game/gamecontroller.h"
#include "game/scorefile.h"
#include "support/fakes.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QByteArray s_scoreHeader("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n");

QByteArray puzzleFile(const QStringList &rows)
{
    QByteArray bytes("Brovelt Software 2019\r\n----------\r\n");
    for (const QString &row : rows)
        bytes += row.toLatin1() + "\r\n";
    return bytes;
}

} // namespace

// The rules alone, driven through the intent methods and watched through the signals.
class TestGameController : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void clockFollowsTheDeadline_data();
    void clockFollowsTheDeadline();
    void answers_data();
    void answers();
    void everyFindScoresOnceAndFoundKeywordsScoreNothing();
    void nextAlwaysGivesWhatItCharges();
    void roundCompletesThenNextRoundOnlyWhileRunning();
    void gameEndStoresTheScoreBesideOnesWrittenMeanwhile();
    void startRefusedWithoutNameOrPuzzles();

private:
    void startGame(const QString &name = QStringLiteral("Anna"));

    TestContext *m_test = nullptr;
    GameController *m_game = nullptr;
};

void TestGameController::init()
{
    m_test = new TestContext;
    m_test->clock.step = 0;
    m_test->writeData("Puzzel.lib", puzzleFile({"appel,fruit,boom,rood,taart", "Fiets,wiel,trappen,zadel,bel",
                                                 "rode kool,groente,paars,stamppot,blad"}));
    m_game = new GameController(m_test->random, m_test->clock, m_test->folders);
    m_game->loadData();
}

void TestGameController::cleanup()
{
    delete m_game;
    delete m_test;
}

void TestGameController::startGame(const QString &name)
{
    // Rows 1, 2, 3 in that order and order 1 (reading order).
    m_test->random.values = {0.0, 0.34, 0.67, 0.0};
    m_game->start(name);
}

void TestGameController::clockFollowsTheDeadline_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("afterOneSecond");
    QTest::newRow("60") << 60 << 60 << "00:59 ";
    QTest::newRow("900") << 900 << 900 << "14:59 ";
    QTest::newRow("0 gives 600") << 0 << 600 << "09:59 ";
}

void TestGameController::clockFollowsTheDeadline()
{
    QFETCH(int, setting);
    QFETCH(int, seconds);
    QFETCH(QString, afterOneSecond);
    m_game->settings().speeltijd = setting;
    QSignalSpy clock(m_game, &GameController::clockChanged);
    QSignalSpy ended(m_game, &GameController::gameEnded);
    startGame();
    QCOMPARE(clock.takeFirst().at(0).toString(), QStringLiteral("00:00"));

    // Ticks that come late or not at all change nothing: the time left is measured.
    m_test->clock.advance(1000);
    m_game->updateClock();
    QCOMPARE(clock.takeFirst().at(0).toString(), afterOneSecond);
    m_test->clock.advance(1000LL * (seconds - 2) + 999);
    QCOMPARE(m_game->secondsLeft(), 1);
    QCOMPARE(m_game->msToNextSecond(), 1);
    m_game->updateClock(); // one tick for a minute of busy interface
    QVERIFY(m_game->isRunning());
    m_test->clock.advance(1);
    m_game->updateClock();
    QCOMPARE(clock.takeLast().at(0).toString(), QStringLiteral("00:00 "));
    QCOMPARE(m_game->phase(), GameController::Phase::Ended);
    QCOMPARE(ended.size(), 1);
    m_game->updateClock();
    QCOMPARE(ended.size(), 1);
}

void TestGameController::answers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("foundRow"); // -1: nothing found
    QTest::newRow("capitals") << "APPEL" << 0;
    QTest::newRow("trailing blank") << "appel " << -1;
    QTest::newRow("blank inside keyword") << "rode kool" << 2;
    QTest::newRow("without the blank") << "rodekool" << -1;
}

void TestGameController::answers()
{
    QFETCH(QString, typed);
    QFETCH(int, foundRow);
    // Before the first game an answer counts for nothing.
    QSignalSpy found(m_game, &GameController::keywordFound);
    m_game->submitAnswer(QStringLiteral("appel"));
    QVERIFY(found.isEmpty());

    startGame();
    m_game->submitAnswer(typed);
    QCOMPARE(m_game->score(), foundRow >= 0 ? 20 : 0);
    QCOMPARE(found.isEmpty() ? -1 : found.takeFirst().at(0).toInt(), foundRow);
    QVERIFY(found.isEmpty());
}

void TestGameController::everyFindScoresOnceAndFoundKeywordsScoreNothing()
{
    m_test->writeData("Puzzel.lib", puzzleFile({"kat,a,b,c,d", "kat,e,f,g,h", "hond,i,j,k,l"}));
    m_game->loadData();
    QSignalSpy scores(m_game, &GameController::scoreChanged);
    startGame();
    // One answer finds both equal keywords; entered again it finds nothing more.
    m_game->submitAnswer(QStringLiteral("KAT"));
    m_game->submitAnswer(QStringLiteral("kat"));
    QCOMPARE(m_game->score(), 40);
    QVERIFY(m_game->isFound(0) && m_game->isFound(1) && !m_game->isFound(2));
    QCOMPARE(scores.size(), 3); // 0 at the start, then one per find
}

void TestGameController::nextAlwaysGivesWhatItCharges()
{
    QSignalSpy revealed(m_game, &GameController::keywordRevealed);
    m_game->revealNext(); // no game: nothing given, nothing charged
    QVERIFY(revealed.isEmpty());
    startGame();
    m_game->revealNext();
    m_game->submitAnswer(revealed.last().at(0).toString());
    m_game->revealNext();
    QCOMPARE(revealed.size(), 2);
    QCOMPARE(revealed.at(0).at(0).toString(), QStringLiteral("APPEL"));
    QCOMPARE(revealed.at(1).at(0).toString(), QStringLiteral("FIETS"));
    QCOMPARE(m_game->score(), -40 + 20 - 40);
}

void TestGameController::roundCompletesThenNextRoundOnlyWhileRunning()
{
    m_game->settings().speeltijd = 60;
    QSignalSpy completed(m_game, &GameController::roundCompleted);
    QSignalSpy rounds(m_game, &GameController::roundShown);
    startGame();
    QCOMPARE(rounds.takeFirst().at(1).toBool(), true);
    for (const char *word : {"appel", "fiets", "rode kool"})
        m_game->submitAnswer(QString::fromLatin1(word));
    QCOMPARE(completed.size(), 1);
    m_game->submitAnswer(QStringLiteral("appel")); // nothing more to find in a complete round
    QCOMPARE(m_game->score(), 60);

    m_test->random.values = {0.0, 0.34, 0.67, 0.0};
    m_game->continueWithNextRound();
    QCOMPARE(rounds.size(), 1);
    QCOMPARE(rounds.takeFirst().at(1).toBool(), false);
    QVERIFY(!m_game->isFound(0));

    // The clock ends the game while the next-round message is open: the last round stays.
    for (const char *word : {"appel", "fiets", "rode kool"})
        m_game->submitAnswer(QString::fromLatin1(word));
    m_test->clock.advance(60000);
    m_game->updateClock();
    m_game->continueWithNextRound();
    QVERIFY(rounds.isEmpty());
}

void TestGameController::gameEndStoresTheScoreBesideOnesWrittenMeanwhile()
{
    m_game->settings().speeltijd = 60;
    startGame(QStringLiteral(" Bea"));
    m_game->revealNext();
    // Another copy of the game finished first and wrote its line.
    m_test->writeData("Scorelijst.lib", s_scoreHeader + "\"0020 - Anna\"\r\n");
    QStringList atEnd;
    connect(m_game, &GameController::gameEnded, this, [&] { atEnd = m_game->scoreList().texts(); });
    m_test->clock.advance(60000);
    m_game->updateClock();
    QCOMPARE(atEnd, QStringList({"-040 -  Bea", "0020 - Anna"}));
    QCOMPARE(m_test->readData("Scorelijst.lib"), s_scoreHeader + "\"-040 -  Bea\"\r\n\"0020 - Anna\"\r\n");
}

void TestGameController::startRefusedWithoutNameOrPuzzles()
{
    QSignalSpy started(m_game, &GameController::gameStarted);
    m_game->start(QStringLiteral("   "));
    QVERIFY(started.isEmpty());
    m_test->writeData("Puzzel.lib", puzzleFile({"appel,a,b,c,d", "peer,e,f,g,h"}));
    m_game->loadData();
    QVERIFY(!m_game->canStart());
    m_game->start(QStringLiteral("Anna"));
    QVERIFY(started.isEmpty());
    QCOMPARE(m_game->phase(), GameController::Phase::Idle);
}

QTEST_MAIN(TestGameController)
#include "tst_gamecontroller.moc"
