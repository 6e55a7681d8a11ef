#include "game/bord.h"
#include "game/datamodule.h"
#include "game/gamecontroller.h"
#include "game/klokteksten.h"
#include "support/fakes.h"

#include <QTest>

#include <functional>

namespace {

// Records what the rules do to the board.
class FakeBord final : public Bord
{
public:
    QString antwoord() const override { return text; }
    void setAntwoord(const QString &t) override { text = t; }
    void focusAntwoord() override { ++focusCount; }
    void setAntwoordEnabled(bool e) override { textEnabled = e; }
    void setNextEnabled(bool e) override { nextEnabled = e; }
    void setMenuEnabled(bool e) override { menuEnabled = e; }
    void setWoordZichtbaar(int n, bool v) override { visible[n - 1] = v; }
    void toonRonde(const RondeBeeld &b) override { beeld = b; ++rounds; }
    void vulSlot(int slot, const QRect &rect, const QColor &colour) override
    {
        fills.append({slot, rect, colour});
        if (onFill)
            onFill();
    }
    void setScoreTekst(const QString &t) override { score = t; }
    void setKlokTekst(const QString &t) override { klok = t; }
    void setTijdTekst(const QString &t) override { tijd = t; }
    void setNaamTekst(const QString &t) override { naam = t; }
    void setCoorTekst(const QString &t) override { coor = t; }
    void setSpelklok(bool r) override { clockRunning = r; }
    void minimaliseer() override { log << "minimise"; }
    void toonScoreForm() override { log << "ScoreForm"; }
    void toonEditForm() override { log << "EditForm"; }
    void toonToolsMenu() override { log << "Tools"; }
    void toonAboutForm() override { log << "AboutForm"; }
    void toonConfigForm() override { log << "ConfigForm"; }
    void toonWoordenForm() override { log << "WoordenForm"; }
    void toonSpreekwoordForm() override { log << "SpreekwoordForm"; }
    void sluit() override { log << "close"; }

    struct Fill { int slot; QRect rect; QColor colour; };
    QString text = QStringLiteral("?");
    int focusCount = 0;
    bool textEnabled = true, nextEnabled = false, menuEnabled = true, clockRunning = false;
    std::array<bool, 3> visible{};
    RondeBeeld beeld;
    int rounds = 0;
    QList<Fill> fills;
    std::function<void()> onFill;
    QString score, klok, tijd, naam, coor;
    QStringList log;
};

QByteArray puzzleFile(const QStringList &rows)
{
    QByteArray bytes("Brovelt Software 2019\r\n----------\r\n");
    for (const QString &row : rows)
        bytes += row.toLatin1() + "\r\n";
    return bytes;
}

const QStringList s_three = {"appel,fruit,boom,rood,taart", "Fiets,wiel,trappen,zadel,bel",
                             "rode kool,groente,paars,stamppot,blad"};

} // namespace

class TestGameController : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void clockTexts_data();
    void clockTexts();
    void gameStatesFollowStartAndEnd();
    void gameWithoutPlayingTimeGetsTheDefault();
    void answers_data();
    void answers();
    void volgendeCostsFortyAndProposesFirstMissing();
    void oneEnterFindsTwoEqualKeywords();
    void thirdFindBuildsNextRound();
    void wipeColoursFourSlotsInSeventyFourSteps();
    void enterDuringWipeIsIgnored();
    void clockEndingDuringWipeStartsNoNewRound();
    void clockEndingDuringNextRoundMessageKeepsTheRound();
    void gameEndStoresScoreBeforeMessageThenShowsScores();
    void answerBeforeFirstGameDoesNothing();
    void startRefusesBlankOrCancelledName();
    void startRefusedWithFewerThanThreePuzzles();
    void helpShowsTheRules();
    void solutionTextListsTheRound();
    void exitAskedAndFilesWrittenOnlyOnYes();
    void menuAndToolsOpenTheirWindows();

private:
    void startGame(const QString &name = QStringLiteral("Anna"));
    void tick(int times);

    TestPlatform *m_platform = nullptr;
    FakeBord *m_bord = nullptr;
    GameController *m_game = nullptr;
};

void TestGameController::init()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    m_platform = new TestPlatform;
    m_platform->writeData("Puzzel.lib", puzzleFile(s_three));
    m_bord = new FakeBord;
    m_game = new GameController(*m_bord);
    m_game->laadGegevens();
    m_platform->dialogs().shown.clear();
}

void TestGameController::cleanup()
{
    delete m_game;
    delete m_bord;
    delete m_platform;
}

void TestGameController::startGame(const QString &name)
{
    // Rows 1, 2, 3 in that order and order 1 (reading order).
    m_platform->random().values = {0.0, 0.34, 0.67, 0.0};
    m_platform->dialogs().inputs.push_back(name);
    m_game->MenuKnop_Click(0);
}

void TestGameController::tick(int times)
{
    for (int i = 0; i < times; ++i)
        m_game->Timer1_Timer();
}

void TestGameController::clockTexts_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("text");
    QTest::newRow("first tick of 60") << 59 << "00:59 ";
    QTest::newRow("first tick of 600") << 599 << "09:59 ";
    QTest::newRow("first tick of 900") << 899 << "14:59 ";
    QTest::newRow("ten minutes five") << 605 << "10:05 ";
    QTest::newRow("last tick") << 0 << "00:00 ";
}

void TestGameController::clockTexts()
{
    QFETCH(int, left);
    QFETCH(QString, text);
    QCOMPARE(klokTekst(left), text);
}

void TestGameController::gameStatesFollowStartAndEnd()
{
    m_game->settings().Speeltijd = 60;
    QVERIFY(!m_bord->clockRunning);
    startGame();
    QCOMPARE(m_game->state().fase, GameState::Fase::Running);
    QVERIFY(m_bord->clockRunning && m_bord->textEnabled && m_bord->nextEnabled && !m_bord->menuEnabled);
    QCOMPARE(m_bord->klok, QStringLiteral("00:00"));
    QCOMPARE(m_bord->naam, QStringLiteral("Anna"));
    tick(1);
    QCOMPARE(m_bord->klok, QStringLiteral("00:59 "));
    tick(58);
    QCOMPARE(m_game->state().fase, GameState::Fase::Running);
    tick(1);
    QCOMPARE(m_game->state().fase, GameState::Fase::Ended);
    QVERIFY(!m_bord->clockRunning && !m_bord->textEnabled && !m_bord->nextEnabled && m_bord->menuEnabled);
    // After the end neither answers nor "Volgende" do anything.
    const qint32 score = m_game->state().Score;
    m_game->NextKnop_Click();
    QCOMPARE(m_game->state().Score, score);
}

void TestGameController::gameWithoutPlayingTimeGetsTheDefault()
{
    m_game->settings().Speeltijd = 0;
    startGame();
    QCOMPARE(m_game->state().TijdOver, 600);
    tick(600);
    QCOMPARE(m_game->state().fase, GameState::Fase::Ended);
    QCOMPARE(speeltijdVoorSpel(-30), 600);
    QCOMPARE(speeltijdVoorSpel(45), 45);
}

void TestGameController::answers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("found");
    QTest::newRow("lower case") << "appel" << true;
    QTest::newRow("capitals") << "APPEL" << true;
    QTest::newRow("mixed case second keyword") << "fIETS" << true;
    QTest::newRow("trailing blank") << "appel " << false;
    QTest::newRow("leading blank") << " appel" << false;
    QTest::newRow("blank inside keyword") << "rode kool" << true;
    QTest::newRow("without blank") << "rodekool" << false;
    QTest::newRow("empty") << "" << false;
}

void TestGameController::answers()
{
    QFETCH(QString, typed);
    QFETCH(bool, found);
    startGame();
    m_bord->text = typed;
    m_game->Text1_KeyDown(GameController::EnterKey);
    QCOMPARE(m_game->state().Score, found ? 20 : 0);
    QCOMPARE(m_bord->score, QString::number(found ? 20 : 0));
    QCOMPARE(m_bord->text, QString());
    const int visibleCount = int(std::count(m_bord->visible.begin(), m_bord->visible.end(), true));
    QCOMPARE(visibleCount, found ? 1 : 0);

    // A key other than Enter never checks the answer.
    m_bord->text = QStringLiteral("appel");
    m_game->Text1_KeyDown(Qt::Key_A);
    QCOMPARE(m_bord->text, QStringLiteral("appel"));
}

void TestGameController::volgendeCostsFortyAndProposesFirstMissing()
{
    startGame();
    m_game->NextKnop_Click();
    QCOMPARE(m_bord->text, QStringLiteral("APPEL"));
    QCOMPARE(m_bord->score, QStringLiteral("-40"));
    m_game->NextKnop_Click();
    QCOMPARE(m_game->state().Score, -80);
    m_game->Text1_KeyDown(GameController::EnterKey);
    QCOMPARE(m_game->state().Score, -60);
    // Keyword 1 found: the next proposal is keyword 2, in capitals.
    m_game->NextKnop_Click();
    QCOMPARE(m_bord->text, QStringLiteral("FIETS"));
    // Clicking into the box erases the proposal; the points stay deducted.
    m_game->Text1_Click();
    QCOMPARE(m_bord->text, QString());
    QCOMPARE(m_game->state().Score, -100);
}

void TestGameController::oneEnterFindsTwoEqualKeywords()
{
    m_platform->writeData("Puzzel.lib", puzzleFile({"kat,a,b,c,d", "kat,e,f,g,h", "hond,i,j,k,l"}));
    m_game->laadGegevens();
    startGame();
    m_bord->text = QStringLiteral("KAT");
    m_game->Text1_KeyDown(GameController::EnterKey);
    QCOMPARE(m_game->state().Score, 40);
    QCOMPARE(m_bord->visible, (std::array<bool, 3>{true, true, false}));
    // Two wipes of 74 steps, four slots each, keyword 1 first.
    QCOMPARE(m_bord->fills.size(), 12 + 2 * 74 * 4);
    QCOMPARE(m_bord->fills[12].colour, QColor(225, 0, 0));
    QCOMPARE(m_bord->fills.last().colour, QColor(0, 225, 0));
}

void TestGameController::thirdFindBuildsNextRound()
{
    startGame();
    for (const char *word : {"appel", "fiets", "rode kool"}) {
        m_bord->text = QString::fromLatin1(word);
        m_game->Text1_KeyDown(GameController::EnterKey);
    }
    QCOMPARE(m_game->state().Score, 60);
    QCOMPARE(m_platform->dialogs().shown.last().text, QStringLiteral("Goed geraden, volgende ronde..."));
    QCOMPARE(m_platform->dialogs().shown.last().title, QStringLiteral("De Trefkoning"));
    QCOMPARE(m_bord->rounds, 2);
    QCOMPARE(m_bord->visible, (std::array<bool, 3>{false, false, false}));
    // The slots were painted grey from (10, 10) before the new round.
    const auto grey = std::count_if(m_bord->fills.begin(), m_bord->fills.end(), [](const FakeBord::Fill &f) {
        return f.rect == QRect(QPoint(10, 10), QPoint(304, 87)) && f.colour == QColor(120, 120, 120);
    });
    QCOMPARE(int(grey), 12);
    QCOMPARE(m_game->state().Score, 60);
}

void TestGameController::wipeColoursFourSlotsInSeventyFourSteps()
{
    startGame();
    m_platform->random().values = {};
    m_bord->fills.clear();
    m_bord->text = QStringLiteral("fiets");
    m_game->Text1_KeyDown(GameController::EnterKey);
    QCOMPARE(m_bord->fills.size(), 74 * 4);
    // Order 1: keyword 2 lies in slots 5 to 8.
    QCOMPARE(m_bord->fills[0].slot, 5);
    QCOMPARE(m_bord->fills[3].slot, 8);
    QCOMPARE(m_bord->fills[0].rect, QRect(QPoint(12, 12), QPoint(12, 87)));
    QCOMPARE(m_bord->fills.last().rect, QRect(QPoint(12, 12), QPoint(304, 87)));
    QCOMPARE(m_bord->fills.last().colour, QColor(0, 225, 0));
}

void TestGameController::enterDuringWipeIsIgnored()
{
    startGame();
    bool nested = false;
    m_bord->onFill = [&] {
        if (nested || !m_game->wipeBusy())
            return;
        nested = true;
        m_bord->text = QStringLiteral("fiets");
        m_game->Text1_KeyDown(GameController::EnterKey);
        m_game->NextKnop_Click(); // "Volgende" during a wipe is allowed
    };
    m_bord->text = QStringLiteral("appel");
    m_game->Text1_KeyDown(GameController::EnterKey);
    QVERIFY(nested);
    QCOMPARE(m_bord->visible, (std::array<bool, 3>{true, false, false}));
    QCOMPARE(m_game->state().Score, 20 - 40);
}

void TestGameController::clockEndingDuringWipeStartsNoNewRound()
{
    m_game->settings().Speeltijd = 60;
    startGame();
    m_bord->text = QStringLiteral("appel");
    m_game->Text1_KeyDown(GameController::EnterKey);
    m_bord->text = QStringLiteral("fiets");
    m_game->Text1_KeyDown(GameController::EnterKey);
    tick(59);
    m_bord->onFill = [&] {
        if (m_game->state().fase == GameState::Fase::Running)
            tick(1);
    };
    m_bord->text = QStringLiteral("rode kool");
    m_game->Text1_KeyDown(GameController::EnterKey);
    QCOMPARE(m_game->state().fase, GameState::Fase::Ended);
    QCOMPARE(m_bord->rounds, 1);
    QCOMPARE(m_game->scorelijst().lines(), QStringList{"0060 - Anna"});
    for (const ShownDialog &d : m_platform->dialogs().shown)
        QVERIFY(d.text != QStringLiteral("Goed geraden, volgende ronde..."));
    // The last round stays on the board with all three keywords shown.
    QCOMPARE(m_bord->visible, (std::array<bool, 3>{true, true, true}));
}

void TestGameController::clockEndingDuringNextRoundMessageKeepsTheRound()
{
    m_game->settings().Speeltijd = 60;
    startGame();
    tick(59);
    m_platform->dialogs().onMessage = [&](const QString &text) {
        if (text == QStringLiteral("Goed geraden, volgende ronde..."))
            tick(1);
    };
    for (const char *word : {"appel", "fiets", "rode kool"}) {
        m_bord->text = QString::fromLatin1(word);
        m_game->Text1_KeyDown(GameController::EnterKey);
    }
    QCOMPARE(m_game->state().fase, GameState::Fase::Ended);
    QCOMPARE(m_bord->rounds, 1);
    QCOMPARE(m_bord->visible, (std::array<bool, 3>{true, true, true}));
    QCOMPARE(m_bord->log, QStringList{"ScoreForm"});
}

void TestGameController::gameEndStoresScoreBeforeMessageThenShowsScores()
{
    m_game->settings().Speeltijd = 60;
    startGame(QStringLiteral(" Bea"));
    m_game->NextKnop_Click();
    QStringList linesAtMessage;
    QStringList windowsAtMessage;
    m_platform->dialogs().onMessage = [&](const QString &) {
        linesAtMessage = m_game->scorelijst().lines();
        windowsAtMessage = m_bord->log;
    };
    tick(60);
    QCOMPARE(linesAtMessage, QStringList{"-040 -  Bea"});
    QVERIFY(windowsAtMessage.isEmpty());
    QCOMPARE(m_platform->dialogs().shown.last().text, QStringLiteral("Einde van het Spel, de tijd is om."));
    QCOMPARE(m_bord->log, QStringList{"ScoreForm"});
    QCOMPARE(m_platform->readData("Scorelijst.lib"),
             QByteArray("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n\"-040 -  Bea\"\r\n"));
}

void TestGameController::answerBeforeFirstGameDoesNothing()
{
    m_bord->text = QStringLiteral("Woord 1");
    m_game->Text1_KeyDown(GameController::EnterKey);
    QCOMPARE(m_game->state().Score, 0);
    QVERIFY(m_bord->fills.isEmpty());
    QCOMPARE(m_bord->visible, (std::array<bool, 3>{false, false, false}));
    m_game->NextKnop_Click();
    QCOMPARE(m_game->state().Score, 0);
}

void TestGameController::startRefusesBlankOrCancelledName()
{
    startGame(QStringLiteral("Anna"));
    m_game->settings().Speeltijd = 1;
    tick(m_game->state().TijdOver);
    m_platform->dialogs().inputs.push_back(QStringLiteral("   "));
    m_game->MenuKnop_Click(0);
    QCOMPARE(m_game->state().fase, GameState::Fase::Ended);
    QCOMPARE(m_bord->naam, QStringLiteral("Anna"));
    m_game->MenuKnop_Click(0); // cancelled
    QCOMPARE(m_game->state().fase, GameState::Fase::Ended);
    QCOMPARE(m_bord->naam, QStringLiteral("Anna"));
    QCOMPARE(m_platform->dialogs().proposed, (QStringList{"", "Anna", "   "}));
    QCOMPARE(m_platform->dialogs().shown.last().text, QStringLiteral("Typ hieronder jouw naam in..."));
    QCOMPARE(m_platform->dialogs().shown.last().title, QStringLiteral("Naam Speler"));
}

void TestGameController::startRefusedWithFewerThanThreePuzzles()
{
    m_platform->writeData("Puzzel.lib", puzzleFile({"appel,a,b,c,d", "peer,e,f,g,h"}));
    m_game->laadGegevens();
    m_platform->dialogs().inputs.push_back(QStringLiteral("Anna"));
    m_game->MenuKnop_Click(0);
    QCOMPARE(m_game->state().fase, GameState::Fase::Idle);
    QCOMPARE(m_platform->dialogs().shown.size(), 1);
    QCOMPARE(m_platform->dialogs().shown[0].kind, ShownDialog::Message);
    QVERIFY(!m_bord->clockRunning);
}

void TestGameController::helpShowsTheRules()
{
    m_game->MenuKnop_Click(3);
    const ShownDialog &help = m_platform->dialogs().shown.last();
    QCOMPARE(help.title, QStringLiteral("De Trefkoning"));
    QCOMPARE(help.icon, Dialogs::Icon::None);
    QVERIFY(help.text.startsWith(QStringLiteral("Zoek in elke ronde 3 trefwoorden die door 4 omschrijvingen\r\n")));
    QVERIFY(help.text.contains(QStringLiteral("keyboard om het te controleren.\r\n\r\nNa 3 goede")));
    QVERIFY(help.text.endsWith(QStringLiteral("De score wordt dan met 40 punten verminderd.\r\n")));
    QCOMPARE(help.text.count(QStringLiteral("\r\n")), 18);
}

void TestGameController::solutionTextListsTheRound()
{
    m_game->InfoLabel_DblClick();
    QCOMPARE(m_platform->dialogs().shown.last().text,
             QStringLiteral(" = , , , \r\n = , , , \r\n = , , , \r\n\r\nMatrix : \r\nRandom : 0"));
    startGame();
    m_game->InfoLabel_DblClick();
    QCOMPARE(m_platform->dialogs().shown.last().text,
             QStringLiteral("appel = fruit, boom, rood, taart\r\nFiets = wiel, trappen, zadel, bel\r\n"
                            "rode kool = groente, paars, stamppot, blad\r\n\r\n"
                            "Matrix : 1,2,3,4,5,6,7,8,9,10,11,12\r\nRandom : 1"));
    QCOMPARE(m_platform->dialogs().shown.last().title, QString());
}

void TestGameController::exitAskedAndFilesWrittenOnlyOnYes()
{
    const QString ini = m_platform->folder() + "/Raadkwartet.ini";
    QFile::remove(ini);
    m_game->scorelijst().add(QStringLiteral("0100 - Cor"));
    m_platform->dialogs().answers = {false};
    QVERIFY(!m_game->Form_Unload());
    QCOMPARE(m_platform->dialogs().shown.last().text, QStringLiteral("Wil je dit programma nu afsluiten?"));
    QCOMPARE(m_platform->dialogs().shown.last().title, QStringLiteral(" Exit programma"));
    QVERIFY(!QFile::exists(ini));
    QVERIFY(!QFile::exists(m_platform->dataPath("Scorelijst.lib")));

    m_platform->dialogs().answers = {true};
    QVERIFY(m_game->Form_Unload());
    QVERIFY(QFile::exists(ini));
    QCOMPARE(m_platform->readData("Scorelijst.lib"),
             QByteArray("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n\"0100 - Cor\"\r\n"));
}

void TestGameController::menuAndToolsOpenTheirWindows()
{
    for (int i : {1, 2, 4, 5, 6, 7, -1})
        m_game->MenuKnop_Click(i);
    for (int i : {1, 2, 3, 0, 4})
        m_game->Tools2_click(i);
    m_game->MiniPic_Click();
    QCOMPARE(m_bord->log, (QStringList{"EditForm", "Tools", "ScoreForm", "AboutForm", "close", "ConfigForm",
                                       "WoordenForm", "SpreekwoordForm", "minimise"}));
    m_game->Pic_MouseMove(412, 230);
    QCOMPARE(m_bord->coor, QStringLiteral("412 x 230"));
}

QTEST_MAIN(TestGameController)
#include "tst_gamecontroller.moc"
