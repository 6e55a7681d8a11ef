#include "game/bord.h"
#include "game/roundbuilder.h"
#include "game/gamecontroller.h"
#include "support/fakes.h"

#include <QTest>

#include <functional>

namespace {

// Records what the rules do to the board; the side windows opened go to one log.
class FakeBord final : public Bord
{
public:
    QString antwoord() const override { return text; }
    void setAntwoord(const QString &t) override { text = t; }
    void focusAntwoord() override {}
    void setAntwoordEnabled(bool e) override { textEnabled = e; }
    void setNextEnabled(bool e) override { nextEnabled = e; }
    void setMenuEnabled(bool e) override { menuEnabled = e; }
    void setWoordZichtbaar(int n, bool v) override { visible[n - 1] = v; }
    void toonRonde(const RoundView &) override { ++rounds; }
    void vulSlot(int slot, const QRect &rect, const QColor &colour) override
    {
        fills.append({slot, rect, colour});
        if (onFill)
            onFill();
    }
    void setScoreTekst(const QString &t) override { score = t; }
    void setKlokTekst(const QString &t) override { klok = t; }
    void setTijdTekst(const QString &) override {}
    void setNaamTekst(const QString &t) override { naam = t; }
    void setCoorTekst(const QString &) override {}
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
    QString text = QStringLiteral("?"), score, klok, naam;
    bool textEnabled = true, nextEnabled = false, menuEnabled = true, clockRunning = false;
    std::array<bool, 3> visible{};
    int rounds = 0;
    QList<Fill> fills;
    std::function<void()> onFill;
    QStringList log;
};

using Shown = std::array<bool, 3>;
const QByteArray s_scoreHeader("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n");

QByteArray puzzleFile(const QStringList &rows)
{
    QByteArray bytes("Brovelt Software 2019\r\n----------\r\n");
    for (const QString &row : rows)
        bytes += row.toLatin1() + "\r\n";
    return bytes;
}

} // namespace

class TestGameController : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void playingTimeAndGameStates_data();
    void playingTimeAndGameStates();
    void answers_data();
    void answers();
    void oneEnterFindsTwoEqualKeywords();
    void volgendeThenWipeThenThirdFindBuildsNextRound();
    void clockEndingMidFindStartsNoNewRound_data();
    void clockEndingMidFindStartsNoNewRound();
    void gameEndStoresScoreBeforeMessageThenShowsScores();
    void startRefusedWithoutNameOrPuzzles();
    void helpAndSolutionTexts();
    void exitAskedAndFilesWrittenOnlyOnYes();

private:
    void startGame(const QString &name = QStringLiteral("Anna"));
    void enter(const QString &word);
    void tick(int times);

    TestPlatform *m_platform = nullptr;
    FakeBord *m_bord = nullptr;
    GameController *m_game = nullptr;
};

void TestGameController::init()
{
    m_platform = new TestPlatform;
    m_platform->writeData("Puzzel.lib", puzzleFile({"appel,fruit,boom,rood,taart", "Fiets,wiel,trappen,zadel,bel",
                                                    "rode kool,groente,paars,stamppot,blad"}));
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

void TestGameController::enter(const QString &word)
{
    m_bord->text = word;
    m_game->Text1_KeyDown(GameController::EnterKey);
}

void TestGameController::tick(int times)
{
    for (int i = 0; i < times; ++i)
        m_game->Timer1_Timer();
}

void TestGameController::playingTimeAndGameStates_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("firstTick");
    QTest::newRow("60") << 60 << 60 << "00:59 ";
    QTest::newRow("600") << 600 << 600 << "09:59 ";
    QTest::newRow("900") << 900 << 900 << "14:59 ";
    QTest::newRow("0 gives 600") << 0 << 600 << "09:59 ";
}

void TestGameController::playingTimeAndGameStates()
{
    QFETCH(int, setting);
    QFETCH(int, seconds);
    QFETCH(QString, firstTick);
    m_game->settings().speeltijd = setting;
    // Idle: answers and "Volgende" do nothing before the first game.
    QVERIFY(!m_bord->clockRunning && !m_bord->nextEnabled && m_bord->menuEnabled);
    enter(QStringLiteral("appel"));
    m_game->NextKnop_Click();
    QCOMPARE(m_game->state().score, 0);
    QVERIFY(m_bord->fills.isEmpty());

    startGame();
    QCOMPARE(m_game->state().phase, GameState::Phase::Running);
    QVERIFY(m_bord->clockRunning && m_bord->textEnabled && m_bord->nextEnabled && !m_bord->menuEnabled);
    QCOMPARE(m_bord->naam, QStringLiteral("Anna"));
    tick(1);
    QCOMPARE(m_bord->klok, firstTick);
    tick(seconds - 2);
    QCOMPARE(m_game->state().phase, GameState::Phase::Running);
    tick(1);
    QCOMPARE(m_bord->klok, QStringLiteral("00:00 "));
    QCOMPARE(m_game->state().phase, GameState::Phase::Ended);
    QVERIFY(!m_bord->clockRunning && !m_bord->textEnabled && !m_bord->nextEnabled && m_bord->menuEnabled);
}

void TestGameController::answers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("found");
    QTest::newRow("capitals") << "APPEL" << true;
    QTest::newRow("trailing blank") << "appel " << false;
    QTest::newRow("blank inside keyword") << "rode kool" << true;
    QTest::newRow("without the blank") << "rodekool" << false;
}

void TestGameController::answers()
{
    QFETCH(QString, typed);
    QFETCH(bool, found);
    startGame();
    enter(typed);
    QCOMPARE(m_bord->score, QString::number(found ? 20 : 0));
    QCOMPARE(int(std::count(m_bord->visible.begin(), m_bord->visible.end(), true)), found ? 1 : 0);
}

void TestGameController::oneEnterFindsTwoEqualKeywords()
{
    m_platform->writeData("Puzzel.lib", puzzleFile({"kat,a,b,c,d", "kat,e,f,g,h", "hond,i,j,k,l"}));
    m_game->laadGegevens();
    startGame();
    enter(QStringLiteral("KAT"));
    QCOMPARE(m_game->state().score, 40);
    QCOMPARE(m_bord->visible, (Shown{true, true, false}));
}

void TestGameController::volgendeThenWipeThenThirdFindBuildsNextRound()
{
    startGame();
    m_game->NextKnop_Click();
    QCOMPARE(m_bord->text, QStringLiteral("APPEL"));
    QCOMPARE(m_bord->score, QStringLiteral("-40"));
    m_game->NextKnop_Click();
    QCOMPARE(m_game->state().score, -80);
    // The proposal, entered, finds APPEL; the next one is the first keyword still missing.
    m_game->Text1_KeyDown(GameController::EnterKey);
    m_game->NextKnop_Click();
    QCOMPARE(m_bord->text, QStringLiteral("FIETS"));

    m_bord->fills.clear();
    int fillsSeen = 0;
    m_bord->onFill = [&] {
        if (fillsSeen++ == 0)
            enter(QStringLiteral("rode kool")); // ignored during the wipe
    };
    enter(QStringLiteral("fiets"));
    QCOMPARE(m_bord->visible, (Shown{true, true, false}));
    // 74 steps over four slots; order 1 puts keyword 2 in slots 5 to 8.
    QCOMPARE(m_bord->fills.size(), 74 * 4);
    QCOMPARE(m_bord->fills[0].slot, 5);
    QCOMPARE(m_bord->fills[0].rect, QRect(QPoint(12, 12), QPoint(12, 87)));
    QCOMPARE(m_bord->fills.last().rect, QRect(QPoint(12, 12), QPoint(304, 87)));
    QCOMPARE(m_bord->fills.last().colour, QColor(0, 225, 0));

    enter(QStringLiteral("rode kool"));
    QCOMPARE(m_platform->dialogs().shown.last().text, QStringLiteral("Goed geraden, volgende ronde..."));
    QCOMPARE(m_platform->dialogs().shown.last().title, QStringLiteral("De Trefkoning"));
    QCOMPARE(m_bord->rounds, 2);
    QCOMPARE(m_bord->visible, (Shown{false, false, false}));
    // The new round paints the twelve slots grey from (10, 10).
    for (const FakeBord::Fill &f : m_bord->fills.mid(m_bord->fills.size() - 12))
        QVERIFY(f.rect == QRect(QPoint(10, 10), QPoint(304, 87)) && f.colour == QColor(120, 120, 120));
}

void TestGameController::clockEndingMidFindStartsNoNewRound_data()
{
    QTest::addColumn<bool>("duringWipe");
    QTest::newRow("during the wipe") << true;
    QTest::newRow("during the next-round message") << false;
}

void TestGameController::clockEndingMidFindStartsNoNewRound()
{
    QFETCH(bool, duringWipe);
    m_game->settings().speeltijd = 60;
    startGame();
    enter(QStringLiteral("appel"));
    enter(QStringLiteral("fiets"));
    tick(59);
    if (duringWipe)
        m_bord->onFill = [this] { tick(m_game->state().secondsLeft); };
    else
        m_platform->dialogs().onMessage = [this](const QString &) { tick(m_game->state().secondsLeft); };
    enter(QStringLiteral("rode kool"));
    QCOMPARE(m_game->state().phase, GameState::Phase::Ended);
    QCOMPARE(m_bord->rounds, 1);
    QCOMPARE(m_bord->visible, (Shown{true, true, true}));
    QCOMPARE(m_game->scorelijst().lines(), QStringList{"0060 - Anna"});
    QCOMPARE(m_bord->log, QStringList{"ScoreForm"});
}

void TestGameController::gameEndStoresScoreBeforeMessageThenShowsScores()
{
    m_game->settings().speeltijd = 60;
    startGame(QStringLiteral(" Bea"));
    m_game->NextKnop_Click();
    QStringList linesAtMessage, windowsAtMessage;
    m_platform->dialogs().onMessage = [&](const QString &) {
        linesAtMessage = m_game->scorelijst().lines();
        windowsAtMessage = m_bord->log;
    };
    tick(60);
    QCOMPARE(linesAtMessage, QStringList{"-040 -  Bea"});
    QVERIFY(windowsAtMessage.isEmpty());
    QCOMPARE(m_platform->dialogs().shown.last().text, QStringLiteral("Einde van het Spel, de tijd is om."));
    QCOMPARE(m_bord->log, QStringList{"ScoreForm"});
    QCOMPARE(m_platform->readData("Scorelijst.lib"), s_scoreHeader + "\"-040 -  Bea\"\r\n");
}

void TestGameController::startRefusedWithoutNameOrPuzzles()
{
    m_platform->dialogs().inputs = {QStringLiteral("   ")};
    m_game->MenuKnop_Click(0); // a blank name
    m_game->MenuKnop_Click(0); // cancelled
    QCOMPARE(m_game->state().phase, GameState::Phase::Idle);
    m_platform->writeData("Puzzel.lib", puzzleFile({"appel,a,b,c,d", "peer,e,f,g,h"}));
    m_game->laadGegevens();
    m_platform->dialogs().shown.clear();
    m_platform->dialogs().inputs = {QStringLiteral("Anna")};
    m_game->MenuKnop_Click(0);
    QCOMPARE(m_game->state().phase, GameState::Phase::Idle);
    QCOMPARE(m_platform->dialogs().shown.size(), 1); // only the message, no name asked
}

void TestGameController::helpAndSolutionTexts()
{
    m_game->MenuKnop_Click(3);
    const ShownDialog help = m_platform->dialogs().shown.last();
    QCOMPARE(help.title, QStringLiteral("De Trefkoning"));
    QCOMPARE(help.icon, Dialogs::Icon::None);
    QVERIFY(help.text.startsWith(QStringLiteral("Zoek in elke ronde 3 trefwoorden die door 4 omschrijvingen\r\n")));
    QVERIFY(help.text.contains(QStringLiteral("keyboard om het te controleren.\r\n\r\nNa 3 goede")));
    QVERIFY(help.text.endsWith(QStringLiteral("De score wordt dan met 40 punten verminderd.\r\n")));
    QCOMPARE(help.text.count(QStringLiteral("\r\n")), 18);

    startGame();
    m_game->InfoLabel_DblClick();
    QCOMPARE(m_platform->dialogs().shown.last().text,
             QStringLiteral("appel = fruit, boom, rood, taart\r\nFiets = wiel, trappen, zadel, bel\r\n"
                            "rode kool = groente, paars, stamppot, blad\r\n\r\n"
                            "Matrix : 1,2,3,4,5,6,7,8,9,10,11,12\r\nRandom : 1"));
}

void TestGameController::exitAskedAndFilesWrittenOnlyOnYes()
{
    const QString ini = m_platform->folder() + "/Raadkwartet.ini";
    QFile::remove(ini); // loading the settings wrote it
    m_game->scorelijst().add(QStringLiteral("0100 - Cor"));
    m_platform->dialogs().answers = {false};
    QVERIFY(!m_game->Form_Unload());
    QCOMPARE(m_platform->dialogs().shown.last().text, QStringLiteral("Wil je dit programma nu afsluiten?"));
    QVERIFY(!QFile::exists(ini));
    QVERIFY(!QFile::exists(m_platform->dataPath("Scorelijst.lib")));
    m_platform->dialogs().answers = {true};
    QVERIFY(m_game->Form_Unload());
    QVERIFY(QFile::exists(ini));
    QCOMPARE(m_platform->readData("Scorelijst.lib"), s_scoreHeader + "\"0100 - Cor\"\r\n");
}

QTEST_MAIN(TestGameController)
#include "tst_gamecontroller.moc"
