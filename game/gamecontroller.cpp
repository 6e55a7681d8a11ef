#include "game/gamecontroller.h"

#include "game/algemeen.h"
#include "game/bord.h"
#include "game/dialogs.h"
#include "game/klokteksten.h"
#include "game/loadsave.h"
#include "game/platform.h"

namespace {

const QString s_spelTitel = QStringLiteral("De Trefkoning");

const std::array<QColor, 3> s_woordKleur = {QColor(225, 0, 0), QColor(0, 225, 0), QColor(0, 225, 225)};
const QColor s_grijs(120, 120, 120);

QString helpTekst()
{
    static const char *const lines[] = {
        "Zoek in elke ronde 3 trefwoorden die door 4 omschrijvingen",
        "worden omschreven. Typ het gevonden trefwoord in de groene",
        "tekstbalk en druk na elk trefwoord op de 'entertoets' van jouw",
        "keyboard om het te controleren.",
        "",
        "Na 3 goede antwoorden te hebben gegeven (dat elke keer 20",
        "punten oplever) ga je naar de volgende ronde met weer 3",
        "trefwoorden. Het spel eindigd als de tijd is verstreken. Deze",
        "tijd kun je zelf wijzigen onder de knop 'Tools' van 60 t/m 900",
        "seconden in stappen van 30 seconden, of 1 t/m 15 minuten.",
        "",
        "Nadat de tijd is verstreken wordt de score die is behaald in",
        "een hoogstscorelijst bijgeschreven. De speler met de hoogste",
        "score heeft dan een plaats bovenaan in deze scorelijst.",
        "",
        "Als je een trefwoord niet weet, klik dan op de button 'Volgende'",
        "om een ontbrekend trefwoord in de tekstbalk te plaatsen.",
        "De score wordt dan met 40 punten verminderd.",
    };
    QString text;
    for (const char *line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

} // namespace

GameController::GameController(Bord &bord)
    : m_bord(bord)
{
    m_puzzels.setHeaders({QStringLiteral("Woord"), QStringLiteral("Oplossing1"), QStringLiteral("Oplossing2"),
                          QStringLiteral("Oplossing3"), QStringLiteral("Oplossing4")});
}

bool GameController::laadGegevens()
{
    m_settings.Speeltijd = 600;
    LaadPuzzelLijst(m_puzzels);
    m_state.AantalItems = m_puzzels.count();
    m_settings.RandkleurRood = 30;
    m_settings.RandkleurGroen = 30;
    m_settings.RandkleurBlauw = 40;
    m_state.Score = 0;
    m_state.NaamSpeler.clear();
    LaadScorelijst(m_scorelijst);
    m_settings.Afdruktekst = QStringLiteral("Brovelt Software 2019");
    return LaadInstellingen(m_settings);
}

void GameController::setGevonden(int n, bool found)
{
    m_gevonden[n - 1] = found;
    m_bord.setWoordZichtbaar(n, found);
}

void GameController::maakSlotsGrijs(int inset)
{
    for (int slot = 1; slot <= 12; ++slot)
        m_bord.vulSlot(slot, QRect(QPoint(inset, inset), QPoint(304, 87)), s_grijs);
}

void GameController::toonRonde()
{
    m_bord.toonRonde(ToonRonde(m_state.ronde));
    ++m_rondeNummer;
    m_rondeOpBord = true;
    m_bord.setAntwoord(QString());
    m_bord.focusAntwoord();
}

bool GameController::StartPuzzel()
{
    if (!KiesTrefwoorden(m_puzzels, m_state.AantalItems, m_state.ronde))
        return false;
    m_bord.setKlokTekst(QStringLiteral("00:00"));
    m_state.TijdOver = speeltijdVoorSpel(m_settings.Speeltijd);
    m_bord.setSpelklok(true);
    m_state.Score = 0;
    m_bord.setScoreTekst(QStringLiteral("0"));
    m_bord.setAntwoordEnabled(true);
    m_state.fase = GameState::Fase::Running;
    return true;
}

void GameController::startMenu()
{
    // Refused before the name is asked: with fewer than three puzzles no round can be drawn.
    if (m_state.AantalItems < 3 || m_puzzels.count() < 3) {
        Platform::dialogs().message(
            QStringLiteral("Er staan te weinig puzzels in de database: een spel heeft er minstens 3 nodig.\r\n"
                           "Voeg ze toe onder de knop 'Edit' en start het programma opnieuw."),
            s_spelTitel, Dialogs::Icon::Exclamation);
        return;
    }
    m_state.NaamSpeler = Platform::dialogs().input(QStringLiteral("Typ hieronder jouw naam in..."),
                                                   QStringLiteral("Naam Speler"), m_state.NaamSpeler);
    if (m_state.NaamSpeler.trimmed().isEmpty())
        return;
    m_bord.setNaamTekst(m_state.NaamSpeler);
    for (int n = 1; n <= 3; ++n)
        setGevonden(n, false);
    maakSlotsGrijs(12);
    if (!StartPuzzel())
        return;
    toonRonde();
    m_bord.setMenuEnabled(false);
    m_bord.setNextEnabled(true);
}

void GameController::MenuKnop_Click(int index)
{
    switch (index) {
    case 0: startMenu(); break;
    case 1: m_bord.toonEditForm(); break;
    case 2: m_bord.toonToolsMenu(); break;
    case 3: Platform::dialogs().message(helpTekst(), s_spelTitel); break;
    case 4: m_bord.toonScoreForm(); break;
    case 5: m_bord.toonAboutForm(); break;
    case 6: m_bord.sluit(); break;
    default: break;
    }
}

void GameController::Tools2_click(int index)
{
    switch (index) {
    case 1: m_bord.toonConfigForm(); break;
    case 2: m_bord.toonWoordenForm(); break;
    case 3: m_bord.toonSpreekwoordForm(); break;
    default: break;
    }
}

void GameController::kleurWipe(int n)
{
    // The wipe waits with Wacht, so other handlers run meanwhile. It stops when its round
    // has been replaced, so it never colours the slots of a later round.
    const quint64 ronde = m_rondeNummer;
    const QColor kleur = s_woordKleur[n - 1];
    for (int x = 12; x <= 304; x += 4) {
        for (int k = 1; k <= 4; ++k) {
            const int slot = m_state.ronde.Positie[4 * (n - 1) + k - 1];
            m_bord.vulSlot(slot, QRect(QPoint(12, 12), QPoint(x, 87)), kleur);
        }
        Wacht(0.01f);
        if (m_rondeNummer != ronde)
            return;
    }
}

void GameController::Text1_KeyDown(int keyCode)
{
    if (keyCode == EnterKey) {
        // While a wipe runs, Enter waits: the box keeps its text for a later Enter.
        if (m_wipeBusy)
            return;
        // Answers count only while a game runs; before the first game there is no round.
        if (running() && m_rondeOpBord) {
            m_wipeBusy = true;
            // Read once: two keywords with the same text are both found by one Enter.
            const QString getypt = m_bord.antwoord().toLower();
            for (int n = 1; n <= 3; ++n) {
                const QString woord = m_state.ronde.RondeWoord[n - 1].toUpper();
                if (getypt == woord.toLower() && !gevonden(n)) {
                    setGevonden(n, true);
                    m_bord.setAntwoord(QString());
                    m_state.Score += 20;
                    m_bord.setScoreTekst(QString::number(m_state.Score));
                    kleurWipe(n);
                }
            }
            m_wipeBusy = false;
        }
        m_bord.setAntwoord(QString());
    }
    if (running() && gevonden(1) && gevonden(2) && gevonden(3))
        volgendeRonde();
}

void GameController::volgendeRonde()
{
    Platform::dialogs().message(QStringLiteral("Goed geraden, volgende ronde..."), s_spelTitel);
    // The clock may have ended the game while the message was open: the last round then stays.
    if (!running())
        return;
    for (int n = 1; n <= 3; ++n)
        setGevonden(n, false);
    maakSlotsGrijs(10);
    if (!KiesTrefwoorden(m_puzzels, m_state.AantalItems, m_state.ronde))
        return;
    toonRonde();
}

void GameController::Text1_Click()
{
    m_bord.setAntwoord(QString());
}

void GameController::NextKnop_Click()
{
    if (!running())
        return;
    for (int n = 1; n <= 3; ++n) {
        if (!gevonden(n)) {
            m_bord.setAntwoord(m_state.ronde.RondeWoord[n - 1].toUpper());
            m_bord.focusAntwoord();
            m_state.Score -= 40;
            m_bord.setScoreTekst(QString::number(m_state.Score));
            return;
        }
    }
}

void GameController::Timer1_Timer()
{
    if (!running())
        return;
    m_state.TijdOver -= 1;
    m_bord.setKlokTekst(klokTekst(m_state.TijdOver));
    if (m_state.TijdOver == 0)
        eindeSpel();
}

void GameController::eindeSpel()
{
    m_state.fase = GameState::Fase::Ended;
    m_bord.setSpelklok(false);
    m_bord.setAntwoordEnabled(false);
    m_bord.setNextEnabled(false);
    m_bord.setMenuEnabled(true);
    VoegScoreToe(m_scorelijst, m_state.Score, m_state.NaamSpeler);
    Platform::dialogs().message(QStringLiteral("Einde van het Spel, de tijd is om."), s_spelTitel);
    m_bord.toonScoreForm();
}

void GameController::Timer2_Timer()
{
    m_bord.setTijdTekst(wandklokTekst(Platform::clock().now()));
}

void GameController::InfoLabel_DblClick()
{
    const Ronde &r = m_state.ronde;
    QString text;
    for (int n = 0; n < 3; ++n) {
        text += r.RondeWoord[n] + QStringLiteral(" = ") + r.RondeOmschrijving[n][0] + QStringLiteral(", ")
            + r.RondeOmschrijving[n][1] + QStringLiteral(", ") + r.RondeOmschrijving[n][2] + QStringLiteral(", ")
            + r.RondeOmschrijving[n][3] + QStringLiteral("\r\n");
    }
    text += QStringLiteral("\r\nMatrix : ") + r.MatrixTekst + QStringLiteral("\r\nRandom : ")
        + QString::number(r.MatrixNummer);
    Platform::dialogs().message(text, QString());
}

void GameController::MiniPic_Click()
{
    m_bord.minimaliseer();
}

void GameController::Pic_MouseMove(double x, double y)
{
    m_bord.setCoorTekst(QString::number(x) + QStringLiteral(" x ") + QString::number(y));
}

bool GameController::Form_Unload()
{
    if (!Platform::dialogs().ask(QStringLiteral("Wil je dit programma nu afsluiten?"),
                                 QStringLiteral(" Exit programma")))
        return false;
    m_bord.setSpelklok(false);
    BewaarScorelijst(m_scorelijst);
    BewaarInstellingen(m_settings);
    return true;
}
