#include "ui/paintpanel.h"
#include "support/gamewindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
const QString s_nextRound = QStringLiteral("Goed geraden, volgende ronde...");
const QString s_quit = QStringLiteral("Wil je dit programma nu afsluiten?");
const QString s_end = QStringLiteral("Einde van het Spel, de tijd is om.");
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_test = std::make_unique<GameWindow>(); // in colour scheme 1, as the fake draws 0
    }

    // Three answers back to back, each during the wipes of the ones before; then the clock
    // ends the game: during the wipes, or with a box the game opened still open, which
    // closes with its harmless answer first (no new round, no quit); then the end message
    // and the scores follow, each alone. The board keeps the last round.
    void findsDuringWipesThenNextRoundOrTheEnd_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("ends during the wipes") << "wipes";
        QTest::newRow("ends with the next-round message open") << "message";
        QTest::newRow("ends with the quit question open") << "quit";
    }
    void findsDuringWipesThenNextRoundOrTheEnd()
    {
        QFETCH(QString, end);
        MainWindow *w = m_test->window.get();
        w->controller().settings().speeltijd = 60;
        QSignalSpy closed(w, &MainWindow::closed);
        m_test->start();
        for (const char *answer : {"appel", "fiets"}) {
            w->answerBox->setText(answer);
            QTest::keyClick(w->answerBox, Qt::Key_Return);
        }
        QTest::mouseClick(w->nextButton, Qt::LeftButton); // "Volgende" mid-wipe gives what it charges
        QCOMPARE(w->answerBox->text(), QStringLiteral("RODE KOOL"));
        QTest::keyClick(w->answerBox, Qt::Key_Return);
        QCOMPARE(w->scoreLabel->text(), QStringLiteral("20"));
        m_test->random.values = {0.0, 0.34, 0.67, 0.0}; // a new round's rows and order
        const auto endClock = [&] {
            m_test->random.draws = 0;
            m_test->dialogs.shown.clear();
            m_test->clock.advance(60000);
            w->controller().updateClock();
        };
        if (end == "wipes")
            endClock();

        QTRY_VERIFY(!w->isWiping());
        // Order 1 puts keyword 2 in slots 4 to 6 and 7; each wipe ends filled to x = 304.
        QCOMPARE(w->slotPanels[4]->canvas().pixelColor(304, 87), QColor(0, 225, 0));
        QCOMPARE(w->slotPanels[4]->canvas().pixelColor(305, 87), QColor(120, 120, 120));
        if (end == "quit") {
            QVERIFY(m_test->dialogs.closeNotice()); // the next round comes, nothing found yet
            QTest::mouseClick(w->menuButtons[MainWindow::Exit], Qt::LeftButton);
        }
        if (end != "wipes") {
            // Enter on the quit question must not throw a running game away unscored.
            QCOMPARE(m_test->dialogs.texts().last(), end == "quit" ? s_quit + " [Nee]" : s_nextRound);
            endClock();
        }
        QCOMPARE(m_test->dialogs.closedByProgram, end == "wipes" ? 0 : 1);
        QCOMPARE(m_test->dialogs.texts(), QStringList{s_end});
        QVERIFY(m_test->dialogs.closeNotice());
        QCOMPARE(m_test->dialogs.texts(), (QStringList{s_end, "ScoreForm"}));
        // No round was drawn after the end, and the program stays.
        QVERIFY(m_test->random.draws == 0 && closed.isEmpty());
        QVERIFY(!w->answerBox->isEnabled() && !w->nextButton->isEnabled() && !w->gameClockTimer->isActive());
        QCOMPARE(w->keywordLabels[0]->isHidden(), end == "quit");
        QCOMPARE(w->slotPanels[4]->canvas().pixelColor(304, 87), end == "quit" ? QColor(120, 120, 120) : QColor(0, 225, 0));
    }

    // A quit question asked while the last find of a round is wiped in waits for its answer:
    // the next-round message never stands over the question, nor the next round under it.
    void nextRoundWaitsForTheQuitQuestion()
    {
        MainWindow *w = m_test->window.get();
        m_test->start();
        for (const char *answer : {"appel", "fiets", "rode kool"}) {
            w->answerBox->setText(answer);
            QTest::keyClick(w->answerBox, Qt::Key_Return);
        }
        QVERIFY(w->isWiping());
        QTest::mouseClick(w->menuButtons[MainWindow::Exit], Qt::LeftButton);
        QTRY_VERIFY(!w->isWiping());
        QCOMPARE(m_test->dialogs.texts().last(), s_quit + " [Nee]");
        QVERIFY(m_test->dialogs.answerQuestion(false));
        QCOMPARE(m_test->dialogs.texts().last(), s_nextRound);
    }

    // Ended by the system with the end message still open, the program asks and opens
    // nothing more: the message closes unanswered, so the scores do not follow it.
    void endedBySystemOpensNothingMore()
    {
        MainWindow *w = m_test->window.get();
        QSignalSpy closed(w, &MainWindow::closed);
        m_test->start();
        m_test->clock.advance(1000 * 600);
        w->controller().updateClock();
        QCOMPARE(m_test->dialogs.texts().last(), s_end);
        w->leaveWithoutAsking();
        QCOMPARE(m_test->dialogs.closedByProgram, 1);
        QVERIFY(!m_test->dialogs.closeNotice());
        QCOMPARE(m_test->dialogs.texts().last(), s_end);
        QCOMPARE(closed.count(), 1);
    }

    // A part of the board repainted alone, as when it is uncovered, shows what was drawn on
    // it: the row markers and letter tiles, "rode kool" with its gap at x = 230 on the third
    // row. (Hiding and showing the window first adds nothing: grab() repaints either way.)
    void boardKeepsItsDrawingWhenCovered()
    {
        MainWindow *w = m_test->window.get();
        m_test->start();
        const QImage whole = w->board->grab().toImage();
        const QRect rows(77, 503, 301, 157);
        const QImage part = w->board->grab(rows).toImage();
        QCOMPARE(part, whole.copy(rows));
        QCOMPARE(part.pixelColor(235 - 77, 638 - 503), QColor(30, 30, 40));
        QVERIFY(part.pixelColor(255 - 77, 638 - 503) != QColor(30, 30, 40));
        // The row marker stands on its design pixels, 80 to 139, its edge columns drawn as the picture has them.
        const int y = RoundView::rowY[0] + 18;
        QCOMPARE((QList<QColor>{whole.pixelColor(79, y), whole.pixelColor(80, y), whole.pixelColor(139, y), whole.pixelColor(140, y)}),
                 (QList<QColor>{QColor(30, 30, 40), QColor(150, 150, 195), QColor(150, 150, 195), QColor(30, 30, 40)}));
    }

    // An emoji, a quote or a line break in the name is refused with the editor's message and
    // the name is asked again; a comma is kept, and the score line comes back as typed.
    void nameTheScoreFileCannotHoldIsAskedAgain()
    {
        MainWindow *w = m_test->window.get();
        w->controller().settings().speeltijd = 60;
        m_test->start({QString::fromUtf8("😀🎲"), QStringLiteral("Jan, \"Piet\""), QStringLiteral("Jan\r\nPiet"),
                       QStringLiteral("Jan, Piet")});
        const QString ask = "Typ hieronder jouw naam in...", advice = " Laat het weg of kies een ander teken.";
        QCOMPARE(m_test->dialogs.texts(), (QStringList{ask, QString::fromUtf8("Het teken \"😀\" (U+1F600) in de naam kan niet worden bewaard.") + advice,
                                             ask, "Het teken '\"' in de naam kan niet worden bewaard: de scorelijst gebruikt "
                                                  "dit teken om velden te omsluiten." + advice,
                                             ask, "Een regeleinde in de naam kan niet worden bewaard: de scorelijst gebruikt "
                                                  "regeleinden om de namen van elkaar te scheiden." + advice, ask}));
        m_test->clock.advance(60000);
        w->controller().updateClock();
        QCOMPARE(m_test->readData("Scorelijst.lib"), fileHeader + "\"0000 - Jan, Piet\"\r\n");
    }

    // The answer box takes what the puzzle file holds: "Volgende" puts a keyword longer than
    // a line edit's usual 32,767 characters in it whole, and Enter finds it; an accent
    // pasted apart from its letter is the letter it shows.
    void answerBoxTakesWhatThePuzzlesHold()
    {
        const QByteArray longKeyword = QByteArray(33000, 'l') + 'z';
        m_test = std::make_unique<GameWindow>(QSize(1280, 1024), "h\r\nh\r\ncaf\xe9,a,b,c,d\r\n" + longKeyword
                                                                     + ",e,f,g,h\r\nappel,i,j,k,l\r\n");
        MainWindow *w = m_test->window.get();
        m_test->start();
        w->answerBox->setText(QStringLiteral("cafe\u0301"));
        QTest::keyClick(w->answerBox, Qt::Key_Return);
        QTest::mouseClick(w->nextButton, Qt::LeftButton);
        QCOMPARE(w->answerBox->text(), QString::fromLatin1(longKeyword).toUpper());
        QTest::keyClick(w->answerBox, Qt::Key_Return);
        QCOMPARE(w->scoreLabel->text(), QStringLiteral("0")); // 20 - 40 + 20
        QVERIFY(w->controller().isFound(0) && w->controller().isFound(1));
    }

    // The status line reads apart, the count before the date, also for a list made by hand
    // with more puzzles than the editor keeps (999 is placed at every screen size).
    void puzzleCountStandsBeforeTheDate()
    {
        const int puzzles = 1017;
        QByteArray list = "h\r\nh\r\n";
        for (int i = 0; i < puzzles; ++i)
            list += "woord" + QByteArray::number(i) + ",a,b,c,d\r\n";
        GameWindow test(QSize(2560, 1440), list);
        const QLabel *count = test.window->puzzleCountLabel;
        QCOMPARE(count->text(), QString::number(puzzles) + " / ");
        const int textEnd = count->x() + count->fontMetrics().horizontalAdvance(count->text());
        QVERIFY2(textEnd <= count->geometry().right() + 1 && textEnd <= test.window->dateTimeLabel->x(),
                 qPrintable(QStringLiteral("%1, %2").arg(textEnd).arg(test.window->dateTimeLabel->x())));
    }

private:
    std::unique_ptr<GameWindow> m_test;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
