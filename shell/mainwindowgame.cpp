#include "shell/mainwindow.h"

#include "about/aboutform.h"
#include "controls/vistabutton.h"
#include "editor/editform.h"
#include "game/clock.h"
#include "game/clocktexts.h"
#include "game/scorefile.h"
#include "shell/configform.h"
#include "ui/keptonscreen.h"
#include "ui/dialogs.h"
#include "ui/paintpanel.h"
#include "shell/scoreform.h"
#include "ui/typedtext.h"
#include "ui/windowscaler.h"
#include "tools/proverbswindow.h"
#include "tools/wordsearchwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QVariantAnimation>

// The game as the window shows it: what the player does goes to the controller, what
// the controller reports is shown here. The side windows open from here too.

namespace {

const QString s_gameTitle = QStringLiteral("De Trefkoning");

// The colour each keyword row's slots take when it is found.
const std::array<QColor, 3> s_foundColours = {QColor(225, 0, 0), QColor(0, 225, 0), QColor(0, 225, 225)};
const QColor s_slotGrey(120, 120, 120);

// The wipe runs the fill's right edge from 12 to 304 in steps of 4 pixels, one step
// every 10 ms.
constexpr int s_wipeLeft = 12;
constexpr int s_wipeRight = 304;
constexpr int s_wipeStep = 4;
constexpr int s_wipeSteps = (s_wipeRight - s_wipeLeft) / s_wipeStep + 1;
constexpr int s_wipeMs = 10 * s_wipeSteps;
constexpr int s_slotBottom = 87;

QString helpText()
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

void MainWindow::connectController()
{
    connect(answerBox, &QLineEdit::returnPressed, this, &MainWindow::onAnswerEntered);
    connect(&m_controller, &GameController::gameStarted, this, &MainWindow::onGameStarted);
    connect(&m_controller, &GameController::roundShown, this, &MainWindow::onRoundShown);
    connect(&m_controller, &GameController::keywordFound, this, &MainWindow::onKeywordFound);
    connect(&m_controller, &GameController::roundCompleted, this, &MainWindow::onRoundCompleted);
    connect(&m_controller, &GameController::keywordRevealed, this, [this](const QString &keyword) {
        answerBox->setText(keyword);
        answerBox->setFocus(Qt::OtherFocusReason);
    });
    connect(&m_controller, &GameController::scoreChanged, this,
            [this](qint32 score) { setLabelText(scoreLabel, QString::number(score)); });
    connect(&m_controller, &GameController::clockChanged, this,
            [this](const QString &text) { setLabelText(clockLabel, text); });
    connect(&m_controller, &GameController::scoreNotSaved, this,
            [this](const QString &message) { m_scoreNotSaved = message; });
    connect(&m_controller, &GameController::gameEnded, this, &MainWindow::onGameEnded);
}

void MainWindow::setMenuEnabled(bool enabled)
{
    // Exit stays usable during a game.
    for (int i = Start; i < Exit; ++i)
        menuButtons[i]->setEnabled(enabled);
}

void MainWindow::greySlots(int inset)
{
    for (PaintPanel *slot : slotPanels)
        slot->fillRect(QRect(QPoint(inset, inset), QPoint(s_wipeRight, s_slotBottom)), s_slotGrey);
}

void MainWindow::startGame()
{
    // Refused before the name is asked: with fewer than three puzzles no round can be drawn.
    if (!m_controller.canStart()) {
        m_context.dialogs.message(
            QStringLiteral("Er staan te weinig puzzels in de database: een spel heeft er minstens 3 nodig.\r\n"
                           "Voeg ze toe onder de knop 'Edit' en start het programma opnieuw."),
            s_gameTitle, Dialogs::Icon::Exclamation);
        return;
    }
    // A name the score file cannot hold is refused here, and asked for again with what
    // was typed, so the score line never comes back changed.
    QString name = m_controller.playerName();
    for (;;) {
        name = TypedText::composed(m_context.dialogs.input(QStringLiteral("Typ hieronder jouw naam in..."),
                                                           QStringLiteral("Naam Speler"), name));
        const QString refusal = ScoreFile::nameRefusal(name);
        if (refusal.isEmpty())
            break;
        m_context.dialogs.message(refusal, QStringLiteral("Naam Speler"), Dialogs::Icon::Exclamation);
    }
    m_controller.start(name);
}

void MainWindow::onGameStarted(const QString &playerName)
{
    // The round that follows at once hides the last game's keywords.
    showPlayerName(playerName);
    answerBox->setEnabled(true);
    // The focus goes to the answer box before the buttons go off: else it would pass over
    // every button after Start on its way there, and a screen reader say each.
    answerBox->setFocus(Qt::OtherFocusReason);
    setMenuEnabled(false);
    nextButton->setEnabled(true);
    gameClockTimer->start(m_controller.msToNextSecond());
}

void MainWindow::onRoundShown(const RoundView &view, bool firstOfGame)
{
    stopWipes();
    m_roundMessagePending = false;
    for (int row = 0; row < 3; ++row) {
        keywordLabels[row]->hide();
        keywordMarks[row]->hide();
    }
    greySlots(firstOfGame ? 12 : 10);
    for (int n = 0; n < 3; ++n) {
        keywordLabels[n]->setText(view.keywordCaptions[n]);
        keywordLabels[n]->adjustSize();
    }
    board->setBackColor(s_board);
    paintRowMarkers();
    for (int n = 0; n < 3; ++n) {
        for (int x : view.tileX[n])
            board->drawImage(QRect(x, RoundView::tileY[n], 20, 28), letterTile());
    }
    for (int i = 0; i < 12; ++i)
        slotTexts[i]->setText(view.slotCaptions[i]);
    answerBox->clear();
    answerBox->setFocus(Qt::OtherFocusReason);
}

void MainWindow::onAnswerEntered()
{
    // The box empties at once, so the player can type the next answer while a wipe runs.
    const QString typed = TypedText::composed(answerBox->text());
    answerBox->clear();
    m_controller.submitAnswer(typed);
}

void MainWindow::onKeywordFound(int row)
{
    keywordLabels[row]->show();
    keywordMarks[row]->show();
    startWipe(row);
}

void MainWindow::startWipe(int row)
{
    std::array<PaintPanel *, 4> targets{};
    for (int k = 0; k < 4; ++k) {
        const int slot = m_controller.round().slotOf[4 * row + k];
        targets[k] = slot >= 1 && slot <= 12 ? slotPanels[slot - 1] : nullptr;
    }
    auto *wipe = new QVariantAnimation(this);
    wipe->setStartValue(0);
    wipe->setEndValue(s_wipeSteps - 1);
    wipe->setDuration(s_wipeMs);
    const QColor colour = s_foundColours[row];
    connect(wipe, &QVariantAnimation::valueChanged, this, [targets, colour](const QVariant &value) {
        const int right = s_wipeLeft + s_wipeStep * value.toInt();
        for (PaintPanel *slot : targets) {
            if (slot)
                slot->fillRect(QRect(QPoint(s_wipeLeft, s_wipeLeft), QPoint(right, s_slotBottom)), colour);
        }
    });
    connect(wipe, &QVariantAnimation::finished, this, [this, wipe] {
        m_wipes.removeOne(wipe);
        wipe->deleteLater();
        if (m_wipes.isEmpty())
            showRoundMessageAfterWipes();
    });
    m_wipes.append(wipe);
    wipe->start();
}

void MainWindow::stopWipes()
{
    // A wipe never colours the slots of a later round.
    const QList<QVariantAnimation *> wipes = std::exchange(m_wipes, {});
    for (QVariantAnimation *wipe : wipes) {
        wipe->disconnect(this);
        wipe->stop();
        wipe->deleteLater();
    }
}

bool MainWindow::isWiping() const
{
    return !m_wipes.isEmpty();
}

void MainWindow::onRoundCompleted()
{
    // The message follows the last wipe, as the player watches it finish first.
    m_roundMessagePending = true;
    if (m_wipes.isEmpty())
        showRoundMessageAfterWipes();
}

void MainWindow::showRoundMessageAfterWipes()
{
    // A box the player opened (the solution, the quit question) is closed first: the
    // message never stands over it, nor the next round under it. It follows then.
    if (!m_roundMessagePending || !m_wipes.isEmpty() || m_quitQuestionOpen || m_solutionOpen)
        return;
    m_roundMessagePending = false;
    // The clock may end the game during the wipe; the last round then stays.
    if (!m_controller.isRunning())
        return;
    m_context.dialogs.notify(QStringLiteral("Goed geraden, volgende ronde..."), s_gameTitle,
                             [this] { m_controller.continueWithNextRound(); });
}

void MainWindow::onGameClockTick()
{
    m_controller.updateClock();
    if (m_controller.isRunning())
        gameClockTimer->start(m_controller.msToNextSecond());
}

void MainWindow::onGameEnded()
{
    gameClockTimer->stop();
    m_roundMessagePending = false;
    // The focus goes to Start, what a player wants next, before the answer box goes off:
    // else it would pass to the button after the box, Exit, and a screen reader say so.
    setMenuEnabled(true);
    menuButtons[Start]->setFocus(Qt::OtherFocusReason);
    answerBox->setEnabled(false);
    nextButton->setEnabled(false);
    // What the game left open goes first (a next-round message would outlive its round, a
    // quit question would come back after the scores): the end message and then the
    // scores follow one after the other, never over another box.
    m_context.dialogs.closeOpen();
    m_context.dialogs.notify(QStringLiteral("Einde van het Spel, de tijd is om."), s_gameTitle, [this] {
        // A score the file could not take is still in the list shown; the player is told
        // it will not be there next time.
        if (const QString problem = std::exchange(m_scoreNotSaved, QString()); !problem.isEmpty())
            m_context.dialogs.message(problem, s_gameTitle, Dialogs::Icon::Critical);
        // The list opens where the game's line stands, which may lie far down a long list.
        auto *scores = new ScoreForm(m_context, m_controller.scoreList(), this);
        scores->showLine(m_controller.lastGameScore());
        openModal(scores, Dialogs::Opening::ByItself);
    });
}

void MainWindow::showPlayerName(const QString &name)
{
    // The name follows its caption with the caption's blank between them: text does not
    // grow exactly with its font, and at some sizes the caption reaches the design's place
    // of the name.
    const int captionEnd = playerCaption->x() + playerCaption->fontMetrics().horizontalAdvance(playerCaption->text());
    playerNameLabel->move(std::max(playerNameLabel->x(), captionEnd), playerNameLabel->y());
    // A long name is shortened to the room left of the "Volgende" button, so it never
    // runs under it.
    const int room = nextButton->x() - playerNameLabel->x() - qRound(8 * m_scale);
    playerNameLabel->setText(playerNameLabel->fontMetrics().elidedText(name, Qt::ElideRight, qMax(0, room)));
    playerNameLabel->setToolTip(playerNameLabel->text() == name ? QString() : name);
}

void MainWindow::showWallClock()
{
    setLabelText(dateTimeLabel, wallClockText(m_context.clock.now()));
}

void MainWindow::showSolution()
{
    m_solutionOpen = true;
    m_context.dialogs.message(m_controller.solutionText(), QString());
    m_solutionOpen = false;
    showRoundMessageAfterWipes();
}

void MainWindow::showHelp()
{
    m_context.dialogs.message(helpText(), s_gameTitle);
}

void MainWindow::showToolsMenu()
{
    // Pressed from the keyboard, the menu opens at the button, not at a pointer far away.
    VistaButton *tools = menuButtons[Tools];
    const bool pointerOnButton = tools->rect().contains(tools->mapFromGlobal(QCursor::pos()));
    toolsMenu->popup(pointerOnButton ? QCursor::pos() : tools->mapToGlobal(QPoint(0, 0)));
    // From the keyboard its first item is chosen at once, so Enter opens it.
    if (!pointerOnButton)
        toolsMenu->setActiveAction(toolsMenu->actions().constFirst());
}

double MainWindow::sideWindowScale() const
{
    // Side windows grow with the main window. They never shrink below their design: the
    // style's arrows and scroll bars keep their size, so a smaller window would cut its
    // texts, and at their design size they fit the smallest screens.
    return std::max(m_scale, 1.0);
}

void MainWindow::openModal(QWidget *window, Dialogs::Opening opening)
{
    // Each side window is a fixed dialog owned by the main window: no minimise or maximise
    // button, and the window manager keeps it over the board, so it can never take the
    // board down with it.
    window->setParent(this, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(window->size());
    // A window manager that minimises it anyway gets it back at once.
    keepOnScreen(window);
    // It opens centred over the board.
    // On a screen smaller than its design (a small screen at a pixel ratio of 2) it shrinks
    // to fit, rather than reach past the screen's edges where no pointer can get at it.
    const double fit = std::min(double(width()) / window->width(), double(height()) / window->height());
    WindowScaler::scaleWindow(window, std::min(sideWindowScale(), fit));
    window->move(pos() + QPoint((width() - window->width()) / 2, (height() - window->height()) / 2));
    m_context.dialogs.showModal(window, opening);
}

void MainWindow::showScores()
{
    openModal(new ScoreForm(m_context, m_controller.scoreList(), this));
}

void MainWindow::openEditor()
{
    // The editor works on its own copy of the database; the game keeps the list it loaded.
    openModal(new EditForm(m_context, m_controller.settings(), this));
}

void MainWindow::showAbout()
{
    openModal(new AboutForm(m_context, this));
}

void MainWindow::openSettings()
{
    openModal(new ConfigForm(m_controller.settings(), [this](const QColor &colour) { setBorderColour(colour); },
                             m_context.dialogs, this));
}

void MainWindow::openWordSearch()
{
    openModal(new WordSearchWindow(m_context, this));
}

void MainWindow::openProverbs()
{
    openModal(new ProverbsWindow(m_context, this));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The question does not hold up the game clock, so the game can end while it is open.
    // Once the player has confirmed, later close requests (the application quitting) pass
    // without asking again.
    if (!m_closing && !m_quitQuestionOpen) {
        m_quitQuestionOpen = true;
        // During a game Enter must not throw the game away unscored: there the question
        // defaults to No.
        const auto defaultAnswer = m_controller.isRunning() ? Dialogs::Answer::No : Dialogs::Answer::Yes;
        m_context.dialogs.askLater(QStringLiteral("Wil je dit programma nu afsluiten?"),
                                   QStringLiteral(" Exit programma"), defaultAnswer, [this](bool yes) {
                                       m_quitQuestionOpen = false;
                                       if (yes)
                                           leave();
                                       else
                                           showRoundMessageAfterWipes();
                                   });
    }
    // An answer given at once has decided already.
    event->setAccepted(m_closing);
}

void MainWindow::leaveWithoutAsking()
{
    // Leaving already (Exit answered), a box may still hold it up: a save that failed.
    if (m_closing) {
        m_context.dialogs.closeOpen();
        return;
    }
    m_roundMessagePending = false;
    // Nothing open may ask or go on: the boxes close with their harmless answers, without
    // what waits for them (the scores after the end message), and the side windows go
    // unasked (the editor would ask about its unsaved changes).
    m_context.dialogs.closeOpen();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->hide();
    }
    leave(ProblemsTold::OnErrorOutput);
}

void MainWindow::leave(ProblemsTold told)
{
    m_closing = true;
    // A window closed before it was laid out has no clocks yet.
    if (gameClockTimer) {
        gameClockTimer->stop();
        wallClockTimer->stop();
    }
    if (const QString problems = m_controller.saveData(); problems.isEmpty()) {
        // Nothing to tell.
    } else if (told == ProblemsTold::InABox) {
        m_context.dialogs.message(problems, Dialogs::applicationTitle(), Dialogs::Icon::Critical);
    } else {
        // A box would hold up a logout that no one may be there to see.
        qCritical("%s", qPrintable(problems));
    }
    close(); // within closeEvent (an answer given at once) this does nothing; the event accepts
    emit closed();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == answerBox && event->type() == QEvent::MouseButtonPress) {
        answerBox->clear();
    } else if (watched == puzzleCountLabel && event->type() == QEvent::MouseButtonDblClick) {
        showSolution();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
