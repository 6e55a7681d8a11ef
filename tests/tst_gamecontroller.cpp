#include "game/gamecontroller.h"
#include "support/fakes.h"

#include <QSignalSpy>
#include <QTest>

namespace {

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
    void init()
    {
        m_test = new TestContext;
        m_test->clock.step = 0;
        m_test->writeData("Puzzel.lib", puzzleFile({"appel,fruit,boom,rood,taart", "Fiets,wiel,trappen,zadel,bel",
                                                     "rode kool,groente,paars,stamppot,blad"}));
        m_game = new GameController(m_test->random, m_test->clock, m_test->folders);
        m_game->loadData();
    }
    void cleanup()
    {
        delete m_game;
        delete m_test;
    }
    void clockFollowsTheDeadline_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("afterOneSecond");
        QTest::newRow("60") << 60 << "00:59 ";
        QTest::newRow("0 gives 600") << 0 << "09:59 ";
    }
    void clockFollowsTheDeadline()
    {
        QFETCH(int, setting);
        QFETCH(QString, afterOneSecond);
        const int seconds = setting ? setting : 600;
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
    }
    // Answers and Volgende ("next") in turn: the score, and the keywords Volgende showed. One
    // answer finds every equal keyword; entered again it finds nothing more. Volgende always
    // gives what it charges for, the next keyword not found yet.
    void answers_data()
    {
        QTest::addColumn<QStringList>("puzzles"); // empty: those of init()
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("score");
        QTest::addColumn<QStringList>("revealed");
        for (const auto &[answer, score] : {std::pair{"APPEL", 20}, {"appel ", 0}, {"rode kool", 20}, {"rodekool", 0}})
            QTest::newRow(answer) << QStringList() << QStringList{answer} << score << QStringList();
        QTest::newRow("equal keywords, found once") << QStringList{"kat,a,b,c,d", "kat,e,f,g,h", "hond,i,j,k,l"}
                                                    << QStringList{"KAT", "kat"} << 40 << QStringList();
        QTest::newRow("Volgende") << QStringList() << QStringList{"next", "appel", "next"} << -40 + 20 - 40
                                  << QStringList{"APPEL", "FIETS"};
    }
    void answers()
    {
        QFETCH(QStringList, puzzles);
        QFETCH(QStringList, steps);
        QFETCH(int, score);
        QFETCH(QStringList, revealed);
        if (!puzzles.isEmpty()) {
            m_test->writeData("Puzzel.lib", puzzleFile(puzzles));
            m_game->loadData();
        }
        QStringList shown;
        connect(m_game, &GameController::keywordRevealed, this, [&](const QString &keyword) { shown << keyword; });
        startGame();
        for (const QString &step : steps)
            step == "next" ? m_game->revealNext() : m_game->submitAnswer(step);
        QCOMPARE(m_game->score(), score);
        QCOMPARE(shown, revealed);
    }
    void gameEndStoresTheScoreBesideOnesWrittenMeanwhile()
    {
        m_game->settings().speeltijd = 60;
        startGame(QStringLiteral(" Bea"));
        m_game->revealNext();
        // Another copy of the game finished first and wrote its line.
        const QByteArray header("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n");
        m_test->writeData("Scorelijst.lib", header + "\"0020 - Anna\"\r\n");
        QStringList atEnd;
        connect(m_game, &GameController::gameEnded, this, [&] { atEnd = m_game->scoreList().texts(); });
        m_test->clock.advance(60000);
        m_game->updateClock();
        QCOMPARE(atEnd, QStringList({"-040 -  Bea", "0020 - Anna"}));
        QCOMPARE(m_test->readData("Scorelijst.lib"), header + "\"-040 -  Bea\"\r\n\"0020 - Anna\"\r\n");
    }
    void startRefusedWithoutNameOrPuzzles()
    {
        QSignalSpy started(m_game, &GameController::gameStarted);
        m_game->start(QStringLiteral("   "));
        m_test->writeData("Puzzel.lib", puzzleFile({"appel,a,b,c,d", "peer,e,f,g,h"}));
        m_game->loadData();
        m_game->start(QStringLiteral("Anna"));
        QVERIFY(started.isEmpty() && !m_game->canStart());
    }
    // The clock may end the game while the next-round message is still open. Whatever comes
    // after the end, closing that message included, draws no round, changes no score and
    // reports nothing.
    void nothingChangesAfterTheEnd_data()
    {
        QTest::addColumn<QString>("after");
        QTest::newRow("next-round message closed") << "continue";
        QTest::newRow("answer") << "rode kool";
        QTest::newRow("Volgende") << "next";
        QTest::newRow("clock") << "clock";
    }
    void nothingChangesAfterTheEnd()
    {
        QFETCH(QString, after);
        m_game->settings().speeltijd = 60;
        startGame();
        m_game->submitAnswer(QStringLiteral("appel"));
        m_game->submitAnswer(QStringLiteral("fiets"));
        if (after == "continue")
            m_game->submitAnswer(QStringLiteral("rode kool"));
        m_test->clock.advance(60000);
        m_game->updateClock();
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const QMetaObject *meta = m_game->metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(m_game, meta->method(i)));
        m_test->random.values = {0.67, 0.34, 0.0, 0.5};
        m_test->clock.advance(5000);
        after == "continue" ? m_game->continueWithNextRound() : after == "next" ? m_game->revealNext()
            : after == "clock" ? m_game->updateClock() : m_game->submitAnswer(after);
        // A round drawn, a score changed or stored again would each be reported.
        for (const auto &spy : spies)
            QVERIFY2(spy->isEmpty(), spy->signal().constData());
    }

private:
    // Rows 1, 2, 3 in that order and order 1 (reading order).
    void startGame(const QString &name = QStringLiteral("Anna"))
    {
        m_test->random.values = {0.0, 0.34, 0.67, 0.0};
        m_game->start(name);
    }

    TestContext *m_test = nullptr;
    GameController *m_game = nullptr;
};

QTEST_MAIN(TestGameController)
#include "tst_gamecontroller.moc"
