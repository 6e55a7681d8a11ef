#include "game/gamecontroller.h"
#include "support/fakes.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

// The rules alone, driven through the intent methods and watched through the signals.
class TestGameController : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_game.reset();
        m_test = std::make_unique<TestContext>();
        m_test->clock.step = 0;
        m_test->writeData("Puzzel.lib", threePuzzles);
        m_game = std::make_unique<GameController>(m_test->random, m_test->clock, m_test->folders);
        m_game->loadData();
    }
    // A blank name, or fewer than three puzzles, start no game.
    void startRefusedWithoutNameOrPuzzles()
    {
        m_game->start(QStringLiteral("   "));
        QVERIFY(!m_game->isRunning());
        m_test->writeData("Puzzel.lib", "Brovelt Software 2019\r\n----------\r\nappel,a,b,c,d\r\npeer,e,f,g,h\r\n");
        m_game->loadData();
        m_game->start(QStringLiteral("Anna"));
        QVERIFY(!m_game->isRunning() && !m_game->canStart());
    }
    // The clock is measured, so ticks that come late or not at all change nothing; 0 plays
    // 600 seconds. At the end the score stands beside one another copy of the game wrote
    // meanwhile. The clock may end the game while the next-round message is still open:
    // whatever comes after the end, closing that message included, draws no round, changes
    // no score and reports nothing.
    void clockEndsTheGameThenNothingChanges_data()
    {
        QTest::addColumn<QString>("after");
        QTest::newRow("next-round message closed") << "continue";
        QTest::newRow("answer") << "rode kool";
        QTest::newRow("Volgende") << "next";
        QTest::newRow("clock, 0 set") << "clock";
    }
    void clockEndsTheGameThenNothingChanges()
    {
        QFETCH(QString, after);
        const int seconds = after == "clock" ? 600 : 60;
        m_game->settings().speeltijd = after == "clock" ? 0 : 60;
        QSignalSpy clock(m_game.get(), &GameController::clockChanged);
        startGame(QStringLiteral(" Bea"));
        m_test->clock.advance(1000);
        m_game->updateClock();
        QCOMPARE(clock.takeLast().at(0).toString(), QTime(0, 0).addSecs(seconds - 1).toString("mm:ss "));
        // Letter case aside, an answer must match whole, blanks included; a keyword found
        // again scores nothing.
        for (const char *answer : {"APPEL", "Appel", "rodekool", "rode kool ", "fiets"})
            m_game->submitAnswer(answer);
        if (after == "continue")
            m_game->submitAnswer(QStringLiteral("rode kool"));
        m_test->writeData("Scorelijst.lib", fileHeader + "\"0020 - Anna\"\r\n");
        m_test->clock.advance(1000LL * (seconds - 2) + 999);
        QCOMPARE(m_game->secondsLeft(), 1);
        QCOMPARE(m_game->msToNextSecond(), 1);
        m_game->updateClock(); // one tick for a minute of busy interface
        QVERIFY(m_game->isRunning());
        m_test->clock.advance(1);
        m_game->updateClock();
        QCOMPARE(clock.takeLast().at(0).toString(), QStringLiteral("00:00 "));
        QCOMPARE(m_test->readData("Scorelijst.lib"),
                 fileHeader + "\"0020 - Anna\"\r\n\"00" + (after == "continue" ? "6" : "4") + "0 -  Bea\"\r\n");

        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const QMetaObject *meta = m_game->metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(m_game.get(), meta->method(i)));
        m_test->random.values = {0.67, 0.34, 0.0, 0.5};
        m_test->clock.advance(5000);
        after == "continue" ? m_game->continueWithNextRound() : after == "next" ? m_game->revealNext()
            : after == "clock" ? m_game->updateClock() : m_game->submitAnswer(after);
        // A round drawn, a score changed or stored again would each be reported.
        for (const auto &spy : spies)
            QVERIFY2(spy->isEmpty(), spy->signal().constData());
    }

    // An answer counts when it is the keyword as its tiles show it, letter case aside: "ß"
    // and "µ" keep one tile each, so the keyword typed as stored is found.
    void answersMatchTheTilesLetterForLetter_data()
    {
        QTest::addColumn<QByteArray>("keyword"); // as the file holds it
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("found");
        QTest::newRow("ß as stored") << QByteArray("stra\xdf" "e") << "straße" << "STRAßE" << true;
        QTest::newRow("ß in capitals") << QByteArray("stra\xdf" "e") << "STRAßE" << "STRAßE" << true;
        QTest::newRow("ß as ss") << QByteArray("stra\xdf" "e") << "STRASSE" << "STRAßE" << false;
        QTest::newRow("µ") << QByteArray("\xb5m") << "µM" << "µM" << true;
        QTest::newRow("accents") << QByteArray("\xe9" "clair \xff") << "Éclair ÿ" << "ÉCLAIR Ÿ" << true;
    }
    void answersMatchTheTilesLetterForLetter()
    {
        QFETCH(QByteArray, keyword);
        QFETCH(QString, typed);
        QFETCH(QString, caption);
        QFETCH(bool, found);
        m_test->writeData("Puzzel.lib", fileHeader + keyword + ",a,b,c,d\r\npeer,e,f,g,h\r\nkers,i,j,k,l\r\n");
        m_game->loadData();
        startGame();
        QCOMPARE(keywordInCapitals(m_game->round().keywords[0]), caption);
        QSignalSpy finds(m_game.get(), &GameController::keywordFound);
        m_game->submitAnswer(typed);
        QCOMPARE(finds.size(), found ? 1 : 0);
        QSignalSpy revealed(m_game.get(), &GameController::keywordRevealed);
        m_game->revealNext();
        if (!found) {
            QCOMPARE(revealed.value(0).value(0).toString(), caption);
            m_game->submitAnswer(caption);
            QCOMPARE(finds.size(), 1);
        }
    }
    // A file that cannot be written is said, never passed over: at the end of a game the
    // score (which stays in the list shown), when leaving the score list and the settings.
    void unwritableFilesAreSaid_data()
    {
        QTest::addColumn<QString>("blocked"); // a folder takes this file's place
        QTest::addColumn<QString>("atEnd");   // how the message at the game's end starts
        QTest::addColumn<QString>("atLeave"); // how the message when leaving starts
        QTest::newRow("score list") << "Data/Scorelijst.lib" << "De score van dit spel kon niet worden bewaard: "
                                    << "De scorelijst kon niet worden bewaard: ";
        QTest::newRow("settings") << "Raadkwartet.ini" << "" << "De instellingen konden niet worden bewaard: ";
        QTest::newRow("neither") << "" << "" << "";
    }
    void unwritableFilesAreSaid()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, atEnd);
        QFETCH(QString, atLeave);
        if (!blocked.isEmpty()) {
            QFile::remove(m_test->folders.playerFolder() + u'/' + blocked);
            QVERIFY(QDir().mkpath(m_test->folders.playerFolder() + u'/' + blocked + "/oud"));
        }
        QSignalSpy notSaved(m_game.get(), &GameController::scoreNotSaved);
        m_game->settings().speeltijd = 60;
        startGame();
        m_game->submitAnswer(QStringLiteral("appel"));
        m_test->clock.advance(60000);
        m_game->updateClock();
        QVERIFY(!m_game->isRunning());
        QCOMPARE(notSaved.size(), atEnd.isEmpty() ? 0 : 1);
        if (!atEnd.isEmpty())
            QVERIFY2(notSaved.at(0).at(0).toString().startsWith(atEnd), qPrintable(notSaved.at(0).at(0).toString()));
        QCOMPARE(m_game->scoreList().entries().size(), 1);
        const QString problems = m_game->saveData();
        QVERIFY2(atLeave.isEmpty() ? problems.isEmpty() : problems.startsWith(atLeave), qPrintable(problems));
    }

private:
    // Rows 1, 2, 3 in that order and order 1 (reading order).
    void startGame(const QString &name = QStringLiteral("Anna"))
    {
        m_test->random.values = {0.0, 0.34, 0.67, 0.0};
        m_game->start(name);
    }

    std::unique_ptr<TestContext> m_test;
    std::unique_ptr<GameController> m_game;
};

QTEST_MAIN(TestGameController)
#include "tst_gamecontroller.moc"
