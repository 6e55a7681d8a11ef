#include "shell/boardaccessibility.h"

#include "controls/accessiblecontainer.h"
#include "controls/pressablepicture.h"
#include "controls/screenreadernotice.h"
#include "controls/vistabutton.h"
#include "shell/mainwindow.h"
#include "ui/paintpanel.h"

#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace {

const QString s_hidden = QStringLiteral("?");

QString slotName(int index, const QString &caption)
{
    const QString content = caption == s_hidden ? QStringLiteral("verborgen") : caption;
    return QStringLiteral("Vak %1: %2").arg(index + 1).arg(content);
}

// What the letter tiles of a keyword tell one who sees them: how many there are, word by
// word (a blank leaves a gap between the tiles).
QString tilesSaid(const QString &keyword)
{
    QStringList lengths;
    for (const QString &word : keyword.split(u' ', Qt::SkipEmptyParts))
        lengths << QString::number(word.size());
    if (lengths.size() == 1)
        return lengths.constFirst() == QLatin1String("1") ? QStringLiteral("1 letter") : lengths.constFirst() + QStringLiteral(" letters");
    const QString last = lengths.takeLast();
    return QStringLiteral("%1 woorden, %2 en %3 letters").arg(lengths.size() + 1).arg(lengths.join(QStringLiteral(", ")), last);
}

} // namespace

BoardAccessibility::BoardAccessibility(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    m_notice = new ScreenReaderNotice(&window);
    m_notice->setObjectName(QStringLiteral("gameNotice"));
    m_notice->show();
    nameControls();
    setTabOrder();
    connectGame();
    m_waitingTimer.setSingleShot(true);
    m_waitingTimer.setInterval(1000);
    connect(&m_waitingTimer, &QTimer::timeout, this, &BoardAccessibility::announceWaiting);
    window.installEventFilter(this);
}

void BoardAccessibility::nameControls()
{
    MainWindow &w = m_window;
    w.setAccessibleName(QStringLiteral("De Trefkoning"));
    w.board->setAccessibleName(QStringLiteral("Spelbord"));
    w.buttonBar->setAccessibleName(QStringLiteral("Knoppenbalk"));
    for (int i = 0; i < 12; ++i) {
        w.slotPanels[i]->setAccessibleName(QStringLiteral("Vak %1").arg(i + 1));
        w.slotTexts[i]->setAccessibleName(slotName(i, w.slotTexts[i]->text()));
    }
    for (int row = 0; row < 3; ++row) {
        w.keywordLabels[row]->setAccessibleName(QStringLiteral("Trefwoord %1").arg(row + 1));
        AccessibleContainer::markDecorative(w.keywordMarks[row]);
    }
    // Pictures, the title's shadow and the pointer's position say nothing to a listener.
    AccessibleContainer::markDecorative(w.backgroundImage);
    AccessibleContainer::markDecorative(w.titleShadow);
    AccessibleContainer::markDecorative(w.pointerLabel);
    // The caption is part of the name of the label beside it.
    AccessibleContainer::markDecorative(w.playerCaption);
    w.titleLabel->setAccessibleName(QStringLiteral("De Trefkoning"));
    w.minimizeIcon->setAccessibleName(QStringLiteral("Scherm verkleinen"));
    w.minimizeIcon->setAccessibleDescription(QStringLiteral("Ctrl+M"));
    w.answerFrame->setAccessibleName(QStringLiteral("Antwoordbalk"));
    w.answerBox->setAccessibleName(QStringLiteral("Oplossing"));
    w.answerBox->setAccessibleDescription(w.answerHint->text());
    w.puzzleCountLabel->setAccessibleName(QStringLiteral("Aantal puzzels: %1").arg(w.controller().itemCount()));
    w.puzzleCountLabel->setAccessibleDescription(QStringLiteral("Dubbelklik of Ctrl+O toont de oplossing"));
    // Read as it shows the date and time; what they are is its description.
    w.dateTimeLabel->setAccessibleDescription(QStringLiteral("Datum en tijd"));
    // The tips of these two say too little to one who cannot see what the buttons open.
    w.menuButtons[MainWindow::Tools]->setAccessibleDescription(
        QStringLiteral("Opent een menu: Instellingen, Woorden zoeken, Spreekwoorden"));
    w.menuButtons[MainWindow::About]->setAccessibleDescription(QStringLiteral("Over het programma en de maker"));
    namePlayer(QString());
    nameScore(0);
    nameClock(w.clockLabel->text());
}

void BoardAccessibility::setTabOrder()
{
    // As the screen reads: "Volgende" stands left of the answer box, the bar below both.
    MainWindow &w = m_window;
    QWidget::setTabOrder(w.nextButton, w.answerBox);
    QWidget::setTabOrder(w.answerBox, w.menuButtons[MainWindow::Start]);
    for (int i = MainWindow::Start; i + 1 < MainWindow::MenuButtonCount; ++i)
        QWidget::setTabOrder(w.menuButtons[i], w.menuButtons[i + 1]);
}

void BoardAccessibility::connectGame()
{
    GameController &game = m_window.controller();
    // Connected after the window's own handlers, so the board already shows what is named.
    connect(&game, &GameController::gameStarted, this, [this](const QString &name) {
        namePlayer(name);
        m_lastSecondsLeft = m_window.controller().secondsLeft();
    });
    connect(&game, &GameController::roundShown, this, [this](const RoundView &view, bool firstOfGame) {
        nameSlots(view);
        describeRowsToFind();
        announce((firstOfGame ? QStringLiteral("Het spel begint. Nieuwe ronde: zoek 3 trefwoorden. ")
                              : QStringLiteral("Nieuwe ronde: zoek 3 trefwoorden. "))
                 + m_window.board->accessibleDescription());
    });
    connect(&game, &GameController::keywordFound, this, [this](int row) {
        const QString keyword = keywordInCapitals(m_window.controller().round().keywords[row]);
        nameKeywordRow(row, keyword);
        describeRowsToFind();
        announce(QStringLiteral("Gevonden: %1. Score %2.").arg(keyword).arg(m_window.controller().score()));
    });
    connect(&game, &GameController::keywordRevealed, this, [this](const QString &keyword) {
        // The price is taken after the keyword is given; the score is read once it is.
        QMetaObject::invokeMethod(this, [this, keyword] {
            announce(QStringLiteral("Gekocht: %1 staat in het antwoordvak. Score %2.")
                         .arg(keyword).arg(m_window.controller().score()));
        }, Qt::QueuedConnection);
    });
    connect(&game, &GameController::scoreChanged, this, &BoardAccessibility::nameScore);
    connect(&game, &GameController::clockChanged, this, [this](const QString &text) {
        nameClock(text);
        const qint32 left = m_window.controller().secondsLeft();
        if (m_lastSecondsLeft > 60 && left <= 60 && left > 0)
            announce(QStringLiteral("Nog één minuut."));
        m_lastSecondsLeft = left;
    });
    connect(&game, &GameController::gameEnded, this, [this](qint32 score) {
        // Nothing is left to find once the time is up.
        m_window.board->setAccessibleDescription(QString());
        announce(QStringLiteral("Einde van het spel, de tijd is om. Score %1.").arg(score));
    });
}

void BoardAccessibility::nameSlots(const RoundView &view)
{
    for (int i = 0; i < 12; ++i) {
        m_window.slotTexts[i]->setAccessibleName(slotName(i, view.slotCaptions[i]));
        m_window.slotTexts[i]->setAccessibleDescription(QString());
    }
    for (int row = 0; row < 3; ++row)
        m_window.keywordLabels[row]->setAccessibleName(QStringLiteral("Trefwoord %1").arg(row + 1));
}

void BoardAccessibility::describeRowsToFind()
{
    // The tiles of a row not yet found are drawn on the board, not a control of their own.
    const GameController &game = m_window.controller();
    QStringList rows;
    for (int row = 0; row < 3; ++row) {
        if (!game.isFound(row))
            rows << QStringLiteral("Trefwoord %1: %2.").arg(row + 1).arg(tilesSaid(game.round().keywords[row]));
    }
    m_window.board->setAccessibleDescription(rows.join(u' '));
}

void BoardAccessibility::nameKeywordRow(int row, const QString &keyword)
{
    m_window.keywordLabels[row]->setAccessibleName(QStringLiteral("Trefwoord %1: %2").arg(row + 1).arg(keyword));
    // The four slots of the keyword are coloured on the screen; the reader says so too.
    for (int k = 0; k < 4; ++k) {
        const int slot = m_window.controller().round().slotOf[4 * row + k];
        if (slot >= 1 && slot <= 12)
            m_window.slotTexts[slot - 1]->setAccessibleDescription(QStringLiteral("gevonden: ") + keyword);
    }
}

void BoardAccessibility::nameScore(qint32 score)
{
    // Before the first game the board shows no score.
    m_window.scoreLabel->setAccessibleName(m_window.scoreLabel->text().isEmpty() ? QStringLiteral("Score: nog geen")
                                                                                 : QStringLiteral("Score: %1").arg(score));
}

void BoardAccessibility::nameClock(const QString &text)
{
    m_window.clockLabel->setAccessibleName(QStringLiteral("Tijd: ") + text);
}

void BoardAccessibility::namePlayer(const QString &name)
{
    m_window.playerNameLabel->setAccessibleName(
        name.isEmpty() ? QStringLiteral("Naam speler: nog geen") : QStringLiteral("Naam speler: ") + name);
}

void BoardAccessibility::announce(const QString &text)
{
    // Said once the board has the keyboard back: a box that just closed (the next-round
    // message, the name question) hands it back a moment later, and a screen reader stops
    // speaking as the focus moves, so what was said before it would be cut. A board that
    // does not get it back (the player is in another program) says it after a second. Two
    // made meanwhile are said as one.
    m_waiting = m_waiting.isEmpty() ? text : m_waiting + u' ' + text;
    if (m_window.isActiveWindow())
        announceWaiting();
    else
        m_waitingTimer.start();
}

void BoardAccessibility::announceWaiting()
{
    m_waitingTimer.stop();
    if (!m_waiting.isEmpty())
        m_notice->announce(std::exchange(m_waiting, QString()));
}

bool BoardAccessibility::eventFilter(QObject *watched, QEvent *event)
{
    // After the focus has landed, which follows the activation.
    if (event->type() == QEvent::WindowActivate && !m_waiting.isEmpty())
        QTimer::singleShot(0, this, &BoardAccessibility::announceWaiting);
    return QObject::eventFilter(watched, event);
}
