#pragma once

#include "game/gamecontroller.h"
#include "ui/appcontext.h"
#include "ui/dialogs.h"
#include "ui/pictureview.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>

class PaintPanel;
class PressablePicture;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class QVariantAnimation;
class VistaButton;

// The program's full-screen main window: the board with its twelve slots, keyword
// rows and answer box, and the button bar. Lays itself out in twips from the screen
// size, hands what the player does to the GameController and shows what it reports.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    // The button bar, left to right.
    enum MenuButton { Start, Edit, Tools, Help, Score, About, Exit, MenuButtonCount };

    explicit MainWindow(const AppContext &context, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Lays the window out for a screen of 'screen' pixels and loads the data files. The
    // design, made for 1280 x 1024, is scaled to fit the screen whole and centred on it.
    // 'beforeFirstFont' runs just before the first control that cannot be made without
    // its font (the answer box); the labels' fonts wait for the first paint.
    void layOut(const QSize &screen, const std::function<void()> &beforeFirstFont = {});
    // Shows the laid-out board on the whole screen. The background drawing, which only the
    // first paint needs, is made on another core while the display maps the window, not
    // while the controls are made beside it.
    void showBoard();
    // The system ends the program (a logout, a shutdown): what the game holds is written
    // without a question, as at Exit, and the window closes.
    void leaveWithoutAsking();
    // Design pixels to screen pixels.
    double scale() const { return m_scale; }
    // The factor side windows, message boxes and menus grow by: the board's, never below 1.
    double sideWindowScale() const;

    GameController &controller() { return m_controller; }
    void setBorderColour(const QColor &colour);
    int colourScheme() const { return m_colourScheme; }
    // Whether a colour wipe of a found keyword is running.
    bool isWiping() const;

    // The controls, for the tests and the screenshots.
    PaintPanel *board = nullptr;
    std::array<PaintPanel *, 12> slotPanels{};
    std::array<QLabel *, 12> slotTexts{};
    std::array<QLabel *, 3> keywordLabels{};
    std::array<QLabel *, 3> keywordMarks{};
    PaintPanel *answerFrame = nullptr;
    QLineEdit *answerBox = nullptr;
    QLabel *answerHint = nullptr;
    QLabel *playerCaption = nullptr;
    QLabel *playerNameLabel = nullptr;
    VistaButton *nextButton = nullptr;
    QLabel *titleShadow = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *puzzleCountLabel = nullptr;
    QLabel *dateTimeLabel = nullptr;
    PressablePicture *minimizeIcon = nullptr;
    PictureView *backgroundImage = nullptr;
    PaintPanel *buttonBar = nullptr;
    std::array<VistaButton *, MenuButtonCount> menuButtons{};
    QLabel *scoreLabel = nullptr;
    QLabel *clockLabel = nullptr;
    QLabel *pointerLabel = nullptr;
    QTimer *gameClockTimer = nullptr;
    QTimer *wallClockTimer = nullptr;
    QMenu *toolsMenu = nullptr;

signals:
    // The player confirmed leaving: the program ends.
    void closed();

public slots:
    void startGame();
    void openEditor();
    void showToolsMenu();
    void showHelp();
    void showScores();
    void showAbout();
    void openSettings();
    void openWordSearch();
    void openProverbs();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int px(double twips) const;
    QLabel *label(QWidget *parent, const QString &text, const QFont &font, const QColor &colour, QRect box);
    void buildSlots();
    void buildButtonBar();
    void makeAnswerBox(const std::function<void()> &beforeFirstFont);
    void connectController();
    void paintRowMarkers();
    static void setLabelText(QLabel *label, const QString &text);
    void openModal(QWidget *window, Dialogs::Opening opening = Dialogs::Opening::AsAsked);
    QString picturePath(const QString &name) const;
    const QImage &letterTile();

    void onAnswerEntered();
    void onGameStarted(const QString &playerName);
    void onRoundShown(const RoundView &view, bool firstOfGame);
    void onKeywordFound(int row);
    void onRoundCompleted();
    void onGameEnded();
    void onGameClockTick();
    void showWallClock();
    void showSolution();
    void showPlayerName(const QString &name);
    void setMenuEnabled(bool enabled);
    void greySlots(int inset);
    void startWipe(int row);
    void stopWipes();
    void showRoundMessageAfterWipes();
    enum class ProblemsTold { InABox, OnErrorOutput };
    void leave(ProblemsTold told = ProblemsTold::InABox);

    // The board's own colour, shown wherever nothing is drawn on it.
    static inline const QColor s_board{30, 30, 40};

    AppContext m_context;
    GameController m_controller;
    double m_scale = 1.0;
    int m_colourScheme = 1;
    bool m_closing = false;
    bool m_quitQuestionOpen = false;
    bool m_solutionOpen = false;
    bool m_roundMessagePending = false;
    // Why the last game's score could not be written, until the end of the game says so.
    QString m_scoreNotSaved;
    QList<QVariantAnimation *> m_wipes;
    QImage m_rowMarker;
    QImage m_letterTile;
};
