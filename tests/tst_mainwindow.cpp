#include "controls/vistabutton.h"
#include "shell/mainwindow.h"
#include "ui/paintpanel.h"
#include "support/fakes.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutFramesAndBorderOnA1280By1024Screen();
    void findsDuringWipesAllCountAndTheMessageFollowsTheLastWipe();
    void clockEndingDuringAWipeEndsTheGameThere();
    void solutionTextOnDoubleClick();
    void exitAskedAndFilesWrittenOnlyOnYes();
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

void TestMainWindow::findsDuringWipesAllCountAndTheMessageFollowsTheLastWipe()
{
    MainWindow *w = makeWindow();
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

    QTRY_VERIFY(!w->isWiping());
    // Order 1 puts keyword 2 in slots 4 to 6 and 7; each wipe ends filled to x = 304.
    QCOMPARE(w->slotPanels[4]->canvas().pixelColor(304, 87), QColor(0, 225, 0));
    QCOMPARE(w->slotPanels[4]->canvas().pixelColor(305, 87), QColor(120, 120, 120));
    QCOMPARE(w->slotPanels[11]->canvas().pixelColor(12, 12), QColor(0, 225, 225));
    QCOMPARE(m_test->dialogs.shown.last().text, QStringLiteral("Goed geraden, volgende ronde..."));

    m_test->random.values = {0.0, 0.34, 0.67, 0.0};
    QVERIFY(m_test->dialogs.closeNotice());
    QVERIFY(w->keywordLabels[0]->isHidden());
    // The new round paints the slots grey from (10, 10).
    QCOMPARE(w->slotPanels[4]->canvas().pixelColor(10, 10), QColor(120, 120, 120));
    QCOMPARE(w->slotPanels[4]->canvas().pixelColor(304, 87), QColor(120, 120, 120));
}

void TestMainWindow::clockEndingDuringAWipeEndsTheGameThere()
{
    MainWindow *w = makeWindow();
    w->controller().settings().speeltijd = 60;
    QStringList windows;
    m_test->dialogs.onWindow = [&](QWidget *window) { windows << window->metaObject()->className(); };
    startGame(w);
    enter(w, QStringLiteral("appel"));
    enter(w, QStringLiteral("fiets"));
    enter(w, QStringLiteral("rode kool"));
    m_test->clock.advance(60000);
    w->controller().updateClock();
    QTRY_VERIFY(!w->isWiping());
    // No next-round message and no new round: the end message, then the scores.
    QCOMPARE(m_test->dialogs.openNotices.size(), size_t(1));
    QCOMPARE(m_test->dialogs.shown.last().text, QStringLiteral("Einde van het Spel, de tijd is om."));
    QVERIFY(windows.isEmpty());
    QVERIFY(m_test->dialogs.closeNotice());
    QCOMPARE(windows, QStringList{"ScoreForm"});
    QVERIFY(!w->keywordLabels[2]->isHidden());
    QVERIFY(!w->answerBox->isEnabled() && w->menuButtons[MainWindow::Start]->isEnabled());
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

void TestMainWindow::exitAskedAndFilesWrittenOnlyOnYes()
{
    MainWindow *w = makeWindow();
    const QString ini = m_test->folder() + "/Raadkwartet.ini";
    QFile::remove(ini); // loading the settings wrote it
    w->controller().scoreList().add({100, QStringLiteral("Cor")});
    QSignalSpy closed(w, &MainWindow::closed);
    m_test->dialogs.answers = {false};
    QVERIFY(!w->close());
    QCOMPARE(m_test->dialogs.shown.last().text, QStringLiteral("Wil je dit programma nu afsluiten?"));
    QVERIFY(!QFile::exists(ini) && !QFile::exists(m_test->dataPath("Scorelijst.lib")));
    m_test->dialogs.answers = {true};
    QVERIFY(w->close());
    QCOMPARE(closed.size(), 1);
    QVERIFY(QFile::exists(ini));
    QCOMPARE(m_test->readData("Scorelijst.lib"),
             QByteArray("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n\"0100 - Cor\"\r\n"));
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
