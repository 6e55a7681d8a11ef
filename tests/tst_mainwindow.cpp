#include "controls/vistabutton.h"
#include "shell/mainwindow.h"
#include "ui/paintpanel.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutFramesAndBorderOnA1280By1024Screen();
    void findsDuringWipesThenNextRoundOrTheEnd_data();
    void findsDuringWipesThenNextRoundOrTheEnd();
    void boardKeepsItsDrawingWhenCovered();
    void solutionTextOnDoubleClick();
    void exitAskedAndFilesWrittenOnlyOnYes();
    void quitQuestionDefaultsToNoOnlyDuringAGame_data();
    void quitQuestionDefaultsToNoOnlyDuringAGame();
    void gameEndClosesWhatTheGameLeftOpenFirst_data();
    void gameEndClosesWhatTheGameLeftOpenFirst();
    void sideWindowsAreFixedDialogsOverTheBoard_data();
    void sideWindowsAreFixedDialogsOverTheBoard();
    void nameTheScoreFileCannotHoldIsAskedAgain();

private:
    MainWindow *makeWindow();
    void startGame(MainWindow *w);
    void enter(MainWindow *w, const QString &text);
    TestContext *m_test = nullptr;
    MainWindow *m_window = nullptr;
};

void TestMainWindow::init()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    m_test = new TestContext;
    m_test->writeData("Puzzel.lib", "Brovelt Software 2019\r\n----------\r\nappel,fruit,boom,rood,taart\r\n"
                                        "Fiets,wiel,trappen,zadel,bel\r\nrode kool,groente,paars,stamppot,blad\r\n");
    m_test->random.values = {0.0}; // colour scheme 1
}

void TestMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_test;
}

MainWindow *TestMainWindow::makeWindow()
{
    m_window = new MainWindow(m_test->context());
    m_window->layOut(QSize(1280, 1024));
    return m_window;
}

void TestMainWindow::startGame(MainWindow *w)
{
    // Rows 1, 2, 3 in that order and order 1 (reading order).
    m_test->dialogs.inputs = {QStringLiteral("Anna")};
    m_test->random.values = {0.0, 0.34, 0.67, 0.0};
    QTest::mouseClick(w->menuButtons[MainWindow::Start], Qt::LeftButton);
}

void TestMainWindow::enter(MainWindow *w, const QString &text)
{
    w->answerBox->setText(text);
    QTest::keyClick(w->answerBox, Qt::Key_Return);
}

void TestMainWindow::layoutFramesAndBorderOnA1280By1024Screen()
{
    MainWindow *w = makeWindow();
    // In twips, 15 to a pixel: the board 300, 300, 18600 x 13710; the button bar 300, 14160, 18600 x 870;
    // the pointer position's top 15090.
    QCOMPARE(w->board->geometry(), QRect(20, 20, 1240, 914));
    QCOMPARE(w->buttonBar->geometry(), QRect(20, 944, 1240, 58));
    QCOMPARE(w->pointerLabel->y(), 1006);
    const std::pair<int, QPoint> tops[] = {{1, {20, 20}}, {3, {664, 20}}, {4, {20, 125}}, {12, {664, 335}}};
    for (const auto &[slot, topLeft] : tops)
        QCOMPARE(w->slotPanels[slot - 1]->geometry(), QRect(topLeft, QSize(317, 100)));
    // The slot frames in the drawn colour scheme, ring j of nine.
    QCOMPARE(w->colourScheme(), 1);
    const QImage slot = w->slotPanels[0]->canvas();
    for (int j = 0; j <= 8; ++j) {
        const QColor ring(60 + 23 * j, 60, 60);
        QCOMPARE(slot.pixelColor(j, 50), ring);
        QCOMPARE(slot.pixelColor(150, 99 - j), ring);
    }
    // The very first start, without settings, keeps its own border; later starts read the one it saved.
    QCOMPARE(w->palette().color(QPalette::Window), QColor(30, 0, 0));
    delete m_window;
    m_test->random.values = {0.0};
    QCOMPARE(makeWindow()->palette().color(QPalette::Window), QColor(30, 30, 40));
}

void TestMainWindow::findsDuringWipesThenNextRoundOrTheEnd_data()
{
    QTest::addColumn<QString>("clock");
    QTest::newRow("still running") << "";
    QTest::newRow("ends during the wipes") << "ends";
}

void TestMainWindow::findsDuringWipesThenNextRoundOrTheEnd()
{
    QFETCH(QString, clock);
    MainWindow *w = makeWindow();
    w->controller().settings().speeltijd = 60;
    QStringList windows;
    m_test->dialogs.onWindow = [&](QWidget *window) { windows << window->metaObject()->className(); };
    startGame(w);
    // Three answers back to back, each while the wipes of the ones before still run.
    enter(w, QStringLiteral("appel"));
    QVERIFY(w->isWiping());
    enter(w, QStringLiteral("fiets"));
    QTest::mouseClick(w->nextButton, Qt::LeftButton); // "Volgende" mid-wipe gives what it charges
    QCOMPARE(w->answerBox->text(), QStringLiteral("RODE KOOL"));
    QTest::keyClick(w->answerBox, Qt::Key_Return);
    QCOMPARE(w->scoreLabel->text(), QStringLiteral("20"));
    QVERIFY(!w->keywordLabels[2]->isHidden());
    QVERIFY(m_test->dialogs.openNotices.empty());
    m_test->random.values = {0.0, 0.34, 0.67, 0.0}; // a new round's rows and order
    if (!clock.isEmpty()) {
        m_test->clock.advance(60000);
        w->controller().updateClock();
    }

    QTRY_VERIFY(!w->isWiping());
    // Order 1 puts keyword 2 in slots 4 to 6 and 7; each wipe ends filled to x = 304.
    QCOMPARE(w->slotPanels[4]->canvas().pixelColor(304, 87), QColor(0, 225, 0));
    QCOMPARE(w->slotPanels[4]->canvas().pixelColor(305, 87), QColor(120, 120, 120));
    QCOMPARE(w->slotPanels[11]->canvas().pixelColor(12, 12), QColor(0, 225, 225));
    if (clock.isEmpty()) {
        QCOMPARE(m_test->dialogs.shown.last().text, QStringLiteral("Goed geraden, volgende ronde..."));
        QVERIFY(m_test->dialogs.closeNotice());
        QVERIFY(w->keywordLabels[0]->isHidden());
        // The new round paints the slots grey from (10, 10).
        QCOMPARE(w->slotPanels[4]->canvas().pixelColor(10, 10), QColor(120, 120, 120));
        QCOMPARE(w->slotPanels[4]->canvas().pixelColor(304, 87), QColor(120, 120, 120));
        return;
    }
    // No next-round message and no new round: the end message, then the scores.
    QCOMPARE(m_test->dialogs.openNotices.size(), size_t(1));
    QCOMPARE(m_test->dialogs.shown.last().text, QStringLiteral("Einde van het Spel, de tijd is om."));
    QVERIFY(windows.isEmpty());
    QVERIFY(m_test->dialogs.closeNotice());
    QCOMPARE(windows, QStringList{"ScoreForm"});
    QVERIFY(!w->keywordLabels[0]->isHidden());
    QCOMPARE(w->slotPanels[4]->canvas().pixelColor(304, 87), QColor(0, 225, 0));
    QVERIFY(!w->answerBox->isEnabled() && !w->nextButton->isEnabled() && !w->gameClockTimer->isActive());
    QVERIFY(w->menuButtons[MainWindow::Start]->isEnabled());
}

// Uncovering a part of the board repaints that part from what was drawn on it: the
// row markers and letter tiles, "rode kool" with its gap at x = 230 on the third row.
void TestMainWindow::boardKeepsItsDrawingWhenCovered()
{
    MainWindow *w = makeWindow();
    startGame(w);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QImage whole = w->board->grab().toImage();
    w->hide();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QRect rows(77, 503, 301, 157);
    const QImage part = w->board->grab(rows).toImage();
    QCOMPARE(part, whole.copy(rows));
    QCOMPARE(part.pixelColor(235 - 77, 638 - 503), QColor(30, 30, 40));
    QVERIFY(part.pixelColor(255 - 77, 638 - 503) != QColor(30, 30, 40));
}

void TestMainWindow::solutionTextOnDoubleClick()
{
    MainWindow *w = makeWindow();
    startGame(w);
    QTest::mouseDClick(w->puzzleCountLabel, Qt::LeftButton);
    QCOMPARE(m_test->dialogs.shown.last().text,
             QStringLiteral("appel = fruit, boom, rood, taart\r\nFiets = wiel, trappen, zadel, bel\r\n"
                            "rode kool = groente, paars, stamppot, blad\r\n\r\n"
                            "Matrix : 1,2,3,4,5,6,7,8,9,10,11,12\r\nRandom : 1"));
}

// Without a Data folder the game starts, refuses a game, and makes it again on leaving.
void TestMainWindow::exitAskedAndFilesWrittenOnlyOnYes()
{
    QVERIFY(QDir(m_test->folder() + "/Data").removeRecursively());
    MainWindow *w = makeWindow();
    const QString ini = m_test->folder() + "/Raadkwartet.ini";
    QFile::remove(ini); // loading the settings wrote it
    startGame(w);
    QVERIFY(m_test->dialogs.shown.last().text.startsWith(QStringLiteral("Er staan te weinig puzzels")));
    QVERIFY(!w->controller().isRunning());
    w->controller().scoreList().add({100, QStringLiteral("Cor")});
    QSignalSpy closed(w, &MainWindow::closed);
    QVERIFY(!w->close()); // the question does not hold up the window: it answers later
    QCOMPARE(m_test->dialogs.shown.last().text, QStringLiteral("Wil je dit programma nu afsluiten?"));
    QVERIFY(!w->close()); // a second request while it is open asks nothing more
    QCOMPARE(m_test->dialogs.openQuestions.size(), size_t(1));
    QVERIFY(m_test->dialogs.answerQuestion(false));
    QVERIFY(!QFile::exists(ini) && !QFile::exists(m_test->dataPath("Scorelijst.lib")));
    QCOMPARE(closed.size(), 0);
    QVERIFY(!w->close());
    QVERIFY(m_test->dialogs.answerQuestion(true));
    QCOMPARE(closed.size(), 1);
    QVERIFY(QFile::exists(ini));
    QCOMPARE(m_test->readData("Scorelijst.lib"),
             QByteArray("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n\"0100 - Cor\"\r\n"));
}

void TestMainWindow::quitQuestionDefaultsToNoOnlyDuringAGame_data()
{
    QTest::addColumn<GameController::Phase>("phase");
    QTest::addColumn<Dialogs::Answer>("defaultAnswer");
    QTest::newRow("idle") << GameController::Phase::Idle << Dialogs::Answer::Yes;
    // Enter on the question must not throw a running game away unscored.
    QTest::newRow("running") << GameController::Phase::Running << Dialogs::Answer::No;
    QTest::newRow("ended") << GameController::Phase::Ended << Dialogs::Answer::Yes;
}

void TestMainWindow::quitQuestionDefaultsToNoOnlyDuringAGame()
{
    QFETCH(GameController::Phase, phase);
    QFETCH(Dialogs::Answer, defaultAnswer);
    MainWindow *w = makeWindow();
    if (phase != GameController::Phase::Idle)
        startGame(w);
    if (phase == GameController::Phase::Ended) {
        m_test->clock.advance(600000);
        w->controller().updateClock();
        QVERIFY(m_test->dialogs.closeNotice());
    }
    QCOMPARE(w->controller().phase(), phase);
    QTest::mouseClick(w->menuButtons[MainWindow::Exit], Qt::LeftButton);
    QCOMPARE(m_test->dialogs.shown.last().text, QStringLiteral("Wil je dit programma nu afsluiten?"));
    QCOMPARE(m_test->dialogs.shown.last().defaultAnswer, defaultAnswer);
}

void TestMainWindow::gameEndClosesWhatTheGameLeftOpenFirst_data()
{
    QTest::addColumn<bool>("quitQuestion");
    QTest::newRow("next-round message") << false;
    QTest::newRow("quit question") << true;
}

// The clock ends the game while a box the game opened is still open: that box closes with
// its harmless answer first (no new round, no quit), then the end message and then the
// scores follow, each alone.
void TestMainWindow::gameEndClosesWhatTheGameLeftOpenFirst()
{
    QFETCH(bool, quitQuestion);
    MainWindow *w = makeWindow();
    w->controller().settings().speeltijd = 60;
    QStringList windows;
    m_test->dialogs.onWindow = [&](QWidget *window) { windows << window->metaObject()->className(); };
    QSignalSpy closed(w, &MainWindow::closed);
    startGame(w);
    enter(w, QStringLiteral("appel"));
    enter(w, QStringLiteral("fiets"));
    enter(w, QStringLiteral("rode kool"));
    QTRY_VERIFY(!w->isWiping());
    QString leftOpen = QStringLiteral("Goed geraden, volgende ronde...");
    if (quitQuestion) {
        QVERIFY(m_test->dialogs.closeNotice()); // the next round comes
        QTest::mouseClick(w->menuButtons[MainWindow::Exit], Qt::LeftButton);
        leftOpen = QStringLiteral("Wil je dit programma nu afsluiten?");
    }
    QCOMPARE(m_test->dialogs.shown.last().text, leftOpen);
    const QString boardBefore = w->slotTexts[0]->text();
    const int draws = m_test->random.draws;
    const qsizetype shownBefore = m_test->dialogs.shown.size();

    m_test->clock.advance(60000);
    w->controller().updateClock();
    QCOMPARE(m_test->dialogs.closedByProgram, 1);
    QVERIFY(m_test->dialogs.openQuestions.empty());
    QCOMPARE(m_test->dialogs.openNotices.size(), size_t(1));
    QCOMPARE(m_test->dialogs.shown.size(), shownBefore + 1);
    QCOMPARE(m_test->dialogs.shown.last().text, QStringLiteral("Einde van het Spel, de tijd is om."));
    QVERIFY(windows.isEmpty());
    QVERIFY(m_test->dialogs.closeNotice());
    QCOMPARE(windows, QStringList{"ScoreForm"});
    // Nothing else opens; no round was drawn after the end and the program stays.
    QVERIFY(m_test->dialogs.openNotices.empty() && m_test->dialogs.openQuestions.empty());
    QCOMPARE(m_test->dialogs.shown.size(), shownBefore + 2);
    QCOMPARE(m_test->random.draws, draws);
    QCOMPARE(w->slotTexts[0]->text(), boardBefore);
    QCOMPARE(closed.size(), 0);
    QCOMPARE(w->controller().phase(), GameController::Phase::Ended);
}

void TestMainWindow::sideWindowsAreFixedDialogsOverTheBoard_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"settings", "editor", "scores", "wordsearch", "proverbs", "about"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

// Under a window manager a side window gets a title and a close button only: a minimised
// side window would take the board with it, with no way back on a desktop without a task
// bar. It belongs to the main window, which keeps it over the board.
void TestMainWindow::sideWindowsAreFixedDialogsOverTheBoard()
{
    QFETCH(QString, window);
    MainWindow *w = makeWindow();
    Qt::WindowFlags flags;
    QWidget *owner = nullptr;
    bool fixedSize = false;
    bool comesBack = false;
    m_test->dialogs.onWindow = [&](QWidget *side) {
        flags = side->windowFlags();
        owner = side->parentWidget();
        fixedSize = side->minimumSize() == side->maximumSize() && side->size() == side->minimumSize();
        // Minimised anyway (by a window manager's key), it comes back at once.
        side->show();
        side->setWindowState(Qt::WindowMinimized);
        comesBack = QTest::qWaitFor([side] { return !side->isMinimized(); }, 1000);
    };
    const QHash<QString, void (MainWindow::*)()> open = {
        {"settings", &MainWindow::openSettings},     {"editor", &MainWindow::openEditor},
        {"scores", &MainWindow::showScores},         {"wordsearch", &MainWindow::openWordSearch},
        {"proverbs", &MainWindow::openProverbs},     {"about", &MainWindow::showAbout}};
    (w->*open.value(window))();
    QCOMPARE(owner, w);
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowStaysOnTopHint
                       | Qt::WindowContextHelpButtonHint)));
    QVERIFY(fixedSize);
    QVERIFY(comesBack);
}

// An emoji or a quote in the name is refused with the editor's message and the name is
// asked again; a comma is kept, and the score line comes back as typed.
void TestMainWindow::nameTheScoreFileCannotHoldIsAskedAgain()
{
    MainWindow *w = makeWindow();
    w->controller().settings().speeltijd = 60;
    m_test->dialogs.inputs = {QString::fromUtf8("😀🎲"), QStringLiteral("Jan, \"Piet\""), QStringLiteral("Jan, Piet")};
    m_test->random.values = {0.0, 0.34, 0.67, 0.0};
    QTest::mouseClick(w->menuButtons[MainWindow::Start], Qt::LeftButton);
    QStringList shown;
    for (const ShownDialog &dialog : m_test->dialogs.shown)
        shown << dialog.title + ": " + dialog.text;
    const QString advice = QStringLiteral(" Laat het weg of kies een ander teken.");
    QCOMPARE(shown, (QStringList{"Naam Speler: Typ hieronder jouw naam in...",
                                 QString::fromUtf8("Naam Speler: Het teken \"😀\" in de naam kan niet worden bewaard.") + advice,
                                 "Naam Speler: Typ hieronder jouw naam in...",
                                 "Naam Speler: Het teken '\"' in de naam kan niet worden bewaard: de scorelijst gebruikt "
                                 "dit teken om de velden van elkaar te scheiden." + advice,
                                 "Naam Speler: Typ hieronder jouw naam in..."}));
    QVERIFY(w->controller().isRunning());
    m_test->clock.advance(60000);
    w->controller().updateClock();
    QCOMPARE(m_test->readData("Scorelijst.lib"),
             QByteArray("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n\"0000 - Jan, Piet\"\r\n"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
