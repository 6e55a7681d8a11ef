#include "shell/mainwindow.h"

#include "controls/vistabutton.h"
#include "controls/look.h"
#include "controls/pressablepicture.h"
#include "common/twips.h"
#include "game/folders.h"
#include "game/randomsource.h"
#include "ui/dialogs.h"
#include "ui/paintpanel.h"
#include "shell/boardaccessibility.h"
#include "shell/keywordtileslabel.h"
#include "ui/typedtext.h"
#include "ui/windowscaler.h"

#include <QEvent>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

#include <functional>
#include <future>

namespace {

using Look::arial;

// The program's own pictures are PNG files: read as such, without first asking every
// image plug-in whether the file is theirs, which loads each of them.
QImage readPng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage loadPicture(const QString &path, QSize fallbackSize, const QColor &fallback)
{
    QImage image = readPng(path);
    if (image.isNull()) {
        image = QImage(fallbackSize, QImage::Format_RGB32);
        image.fill(fallback);
    }
    return image;
}

// Gives a label its picture when it is first shown, so a picture that waits for a
// game is not decoded at start.
class PictureOnFirstShow : public QObject
{
public:
    PictureOnFirstShow(QLabel *label, std::function<QString()> path)
        : QObject(label), m_path(std::move(path))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            static_cast<QLabel *>(watched)->setPixmap(QPixmap::fromImage(readPng(m_path())));
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    std::function<QString()> m_path;
};

} // namespace

MainWindow::MainWindow(const AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_controller(context.random, context.clock, context.folders)
{
    setWindowFlag(Qt::FramelessWindowHint);
    setWindowTitle(QString());
    setAutoFillBackground(true);
    // The size a task bar shows; a larger icon would be decoded at every start.
    setWindowIcon(QIcon(QPixmap::fromImage(readPng(QStringLiteral(":/pictures/icon-48.png")))));
}

MainWindow::~MainWindow() = default;

QString MainWindow::picturePath(const QString &name) const
{
    // The board's pictures as designed, pixel for pixel, where the design is shown at its
    // own size; elsewhere their four times larger drawing, shrunk to the pixels they cover.
    const bool designSize = m_scale == 1.0 && devicePixelRatioF() == 1.0;
    return QStringLiteral(":/pictures/") + name + (designSize ? QStringLiteral(".png") : QStringLiteral("@4x.png"));
}

int MainWindow::px(double twips) const
{
    return Twips::toPixels(twips);
}

QLabel *MainWindow::label(QWidget *parent, const QString &text, const QFont &font, const QColor &colour, QRect box)
{
    // The box is the design's, a little larger than the longest text the label shows, so
    // nothing is measured to lay the board out: the fonts are first needed when the board
    // is painted. The text stands at the box's top left, where a box fitted to it puts it.
    auto *l = new QLabel(text, parent);
    l->setFont(font);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->move(box.topLeft());
    l->setFixedSize(box.size());
    return l;
}

void MainWindow::setBorderColour(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

void MainWindow::layOut(const QSize &screen, const std::function<void()> &beforeFirstFont)
{
    // Everything below is placed for the design screen, then scaled as a whole.
    const QSize design = WindowScaler::designScreen;
    m_scale = WindowScaler::factorFor(screen);

    // What the board reads from disk needs no window: the puzzle list, the score list and
    // the settings, the background drawing and the two pictures the idle board shows are
    // read and decoded on another core while the controls are made.
    struct BoardFiles {
        GameController::Data data;
        PictureView::Source background;
        QImage rowMarker;
        QImage minimizeIcon;
    };
    std::future<BoardFiles> files = std::async(
        std::launch::async, [&folders = m_context.folders, rowMarker = picturePath(QStringLiteral("picture1")),
                             minimizeIcon = picturePath(QStringLiteral("minipic"))] {
            return BoardFiles{GameController::readData(folders),
                              PictureView::read(folders.shippedFile(QStringLiteral("Background.art"))),
                              loadPicture(rowMarker, QSize(60, 36), QColor(90, 90, 120)), readPng(minimizeIcon)};
        });
    const double screenW = Twips::fromPixels(design.width());
    const double screenH = Twips::fromPixels(design.height());

    // The window fills the screen; its own colour shows as the frame round the panels.
    setGeometry(0, 0, screen.width(), screen.height());
    setBorderColour(QColor(30, 0, 0));

    pointerLabel = label(this, QStringLiteral("0 x 0"), arial(9), QColor(120, 120, 120),
                         QRect(px(300), px(screenH - 270), 200, 16));

    // The board; drawing inside it is in pixels.
    board = new PaintPanel(this);
    board->setGeometry(px(300), px(300), px(screenW - 600), px(screenH - 1650));
    board->setBackColor(s_board);
    board->setMouseTracking(true);
    connect(board, &PaintPanel::mouseMoved, this, [this](double x, double y) {
        setLabelText(pointerLabel, QString::number(x) + QStringLiteral(" x ") + QString::number(y));
    });
    const int insideW = board->width();
    const int insideH = board->height();

    minimizeIcon = new PressablePicture(board);
    minimizeIcon->setScaledContents(true);
    minimizeIcon->setGeometry(insideW - 30, 7, 20, 20);
    minimizeIcon->setToolTip(QStringLiteral(" Scherm Verkleinen "));
    connect(minimizeIcon, &PressablePicture::pressed, this, &QWidget::showMinimized);
    // The two actions that the board offers to the pointer alone have keys too, so a
    // player without a mouse can do them.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this), &QShortcut::activated, this,
            &QWidget::showMinimized);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, this,
            &MainWindow::showSolution);

    backgroundImage = new PictureView(board);
    backgroundImage->move(850, insideH - 660);
    backgroundImage->lower();

    // The title twice, the black copy 4 pixels up and left of the green one.
    titleShadow = label(board, QStringLiteral("De Trefkoning"), arial(30, true), Qt::black,
                        QRect(insideW - 350, insideH - 55, 290, 48));
    titleLabel = label(board, QStringLiteral("De Trefkoning"), arial(30, true), QColor(0, 110, 60),
                       QRect(insideW - 346, insideH - 51, 290, 48));

    // The count ("999 / " at most) ends where the date and time begin.
    puzzleCountLabel = label(board, QString(), arial(9.75), QColor(100, 100, 100), QRect(7, insideH - 21, 35, 18));
    puzzleCountLabel->installEventFilter(this);
    dateTimeLabel = label(board, QString(), arial(9.75), QColor(100, 100, 100), QRect(42, insideH - 21, 150, 18));

    m_colourScheme = m_context.random.drawWhole(7);

    buildSlots();

    const std::array<int, 3> rows = RoundView::rowY;
    for (int i = 0; i < 3; ++i) {
        auto *keyword = new KeywordTilesLabel(QStringLiteral("Woord %1").arg(i + 1), board);
        keyword->setFont(arial(14, true));
        QPalette pal = keyword->palette();
        pal.setColor(QPalette::WindowText, QColor(225, 225, 225));
        keyword->setPalette(pal);
        keyword->move(150, rows[i]);
        keyword->adjustSize();
        keyword->hide();
        keywordLabels[i] = keyword;
        keywordMarks[i] = new QLabel(board);
        new PictureOnFirstShow(keywordMarks[i], [this] { return picturePath(QStringLiteral("img20")); });
        keywordMarks[i]->setScaledContents(true);
        keywordMarks[i]->setGeometry(80, rows[i], 60, 36);
        keywordMarks[i]->hide();
    }

    playerCaption = label(board, QStringLiteral("Naam Speler : "), arial(12, true), QColor(160, 160, 160),
                          QRect(22, 445, 118, 21));
    // The name is shortened to end 8 pixels left of the "Volgende" button.
    playerNameLabel = label(board, QString(), arial(12, true), QColor(160, 160, 160), QRect(132, 445, 414, 21));

    // The green frame round the answer box, with a bevel of four grey rings.
    answerFrame = new PaintPanel(board);
    answerFrame->setGeometry(665, 445, 317, 44);
    answerFrame->setBackColor(QColor(0, 100, 0));
    for (int k = 0; k <= 3; ++k) {
        const int grey = 120 + 15 * k;
        answerFrame->outline(k, k, answerFrame->width() - k - 1, answerFrame->height() - k - 1, QColor(grey, grey, grey));
    }
    // The answer box's font, which it takes from its frame as it is made.
    answerFrame->setFont(arial(18, true));

    answerHint = label(board, QStringLiteral("Typ hierboven de oplossing in en druk op 'Enter'"), arial(9.75, true),
                       QColor(128, 128, 128), QRect(670, 496, 320, 18));

    nextButton = new VistaButton(board);
    nextButton->setGeometry(550, 446, 108, 42);
    nextButton->setCaption(QStringLiteral("Volgende"));
    nextButton->setFont(arial(8.25));
    nextButton->setBackColor(QColor(70, 70, 90));
    nextButton->setToolTip(QStringLiteral(" Laat de oplossing zien! "));
    nextButton->setEnabled(false);
    connect(nextButton, &VistaButton::clicked, &m_controller, &GameController::revealNext);

    buttonBar = new PaintPanel(this);
    buttonBar->setGeometry(px(300), px(screenH - 1200), px(screenW - 600), px(870));
    buttonBar->setBackColor(QColor(30, 30, 0));
    buildButtonBar();

    toolsMenu = new QMenu(QStringLiteral("Tools"), this);
    toolsMenu->addAction(QStringLiteral("Instellingen"), this, &MainWindow::openSettings);
    toolsMenu->addAction(QStringLiteral("Woorden zoeken"), this, &MainWindow::openWordSearch);
    toolsMenu->addAction(QStringLiteral("Spreekwoorden"), this, &MainWindow::openProverbs);
    // The menu and the message boxes grow with the side windows they stand beside.
    WindowScaler::scaleFont(toolsMenu, sideWindowScale());
    m_context.dialogs.setScale(sideWindowScale());

    // The game clock fires when the shown second changes; the time left is measured,
    // so a late tick only delays the text, never the end of the game.
    gameClockTimer = new QTimer(this);
    gameClockTimer->setSingleShot(true);
    gameClockTimer->setTimerType(Qt::PreciseTimer);
    connect(gameClockTimer, &QTimer::timeout, this, &MainWindow::onGameClockTick);
    wallClockTimer = new QTimer(this);
    wallClockTimer->setInterval(1000);
    connect(wallClockTimer, &QTimer::timeout, this, &MainWindow::showWallClock);
    wallClockTimer->start();

    BoardFiles read = files.get();
    const bool settingsRead = m_controller.takeData(std::move(read.data));
    m_rowMarker = read.rowMarker;
    paintRowMarkers();
    minimizeIcon->setPixmap(QPixmap::fromImage(read.minimizeIcon));
    // A missing or unreadable picture leaves the image empty. The shipped one is a
    // drawing, drawn at the screen's pixels once the window's size is known.
    backgroundImage->setSource(std::move(read.background));

    const QSize scaledDesign = (QSizeF(design) * m_scale).toSize();
    WindowScaler::scaleChildren(this, m_scale, QPoint((screen.width() - scaledDesign.width()) / 2,
                                                      (screen.height() - scaledDesign.height()) / 2));
    makeAnswerBox(beforeFirstFont);
    connectController();

    // A settings file that could not be read leaves the first border colour.
    setLabelText(puzzleCountLabel, QString::number(m_controller.itemCount()) + QStringLiteral(" / "));
    // A list made by hand may hold more puzzles than the editor keeps (999): the longer count
    // gets its room and the date and time move along, so the line still reads apart.
    if (m_controller.itemCount() > 999) {
        puzzleCountLabel->setFixedWidth(puzzleCountLabel->sizeHint().width());
        dateTimeLabel->move(std::max(dateTimeLabel->x(), puzzleCountLabel->geometry().right() + 1), dateTimeLabel->y());
    }
    if (settingsRead)
        setBorderColour(m_controller.settings().borderColour());
    showWallClock();
    new BoardAccessibility(*this);
}

void MainWindow::showBoard()
{
    showFullScreen();
    backgroundImage->renderAhead();
}

void MainWindow::makeAnswerBox(const std::function<void()> &beforeFirstFont)
{
    // Made last, once the board is scaled: it is the one control that cannot be made
    // without its font (a line edit lays its text out at once), the font it takes from its
    // frame is by then the one it shows, and that font may still be being looked up on the
    // second core. It is its frame's only child and the tab order is set apart, so nothing
    // depends on its place in the order of making. Taking the frame's font as it is made,
    // it never loads the default font, which nothing else on the board uses.
    if (beforeFirstFont)
        beforeFirstFont();
    answerBox = new QLineEdit(answerFrame);
    answerBox->setFrame(false);
    // "Volgende" puts the keyword in the box, however long the puzzle file made it.
    TypedText::keepWhole(answerBox);
    answerBox->setText(QStringLiteral("?"));
    // Placed in design pixels, as tall as its text (measured at the scaled size), then
    // scaled with its frame; never over the frame's bevel of four rings, which a small
    // screen's font, with the box's margins that do not shrink, would reach.
    const int room = qRound(answerFrame->height() / m_scale) - 4 - 6;
    answerBox->setGeometry(10, 6, 270, std::min(qRound(answerBox->sizeHint().height() / m_scale), room));
    QPalette answerPalette = answerBox->palette();
    answerPalette.setColor(QPalette::Base, QColor(0, 100, 0));
    answerPalette.setColor(QPalette::Text, QColor(235, 235, 235));
    answerBox->setPalette(answerPalette);
    answerBox->installEventFilter(this);
    WindowScaler::scaleChildren(answerFrame, m_scale);
}

void MainWindow::setLabelText(QLabel *label, const QString &text)
{
    // The board's labels keep their design boxes, which hold their longest texts.
    label->setText(text);
}

const QImage &MainWindow::letterTile()
{
    // Needed from the first round on, not by the idle board.
    if (m_letterTile.isNull())
        m_letterTile = loadPicture(picturePath(QStringLiteral("blur")), QSize(20, 28), QColor(160, 160, 170));
    return m_letterTile;
}

void MainWindow::paintRowMarkers()
{
    for (int y : RoundView::rowY)
        board->drawImage(QRect(80, y, 60, 36), m_rowMarker);
}

void MainWindow::buildSlots()
{
    // Seven colour schemes for the rings of the slot frames; one is drawn at start-up.
    static const std::array<QColor (*)(int), 7> schemes = {
        [](int c) { return QColor(c, 60, 60); }, [](int c) { return QColor(60, c, 60); },
        [](int c) { return QColor(60, 60, c); }, [](int c) { return QColor(c, c, 60); },
        [](int c) { return QColor(60, c, c); },  [](int c) { return QColor(c, 60, c); },
        [](int c) { return QColor(c, c, c); },
    };
    const auto ring = schemes[qBound(1, m_colourScheme, 7) - 1];
    int x = 20;
    int y = 20;
    for (int i = 0; i < 12; ++i) {
        auto *slot = new PaintPanel(board);
        slot->setGeometry(x, y, 317, 100);
        slot->setBackColor(QColor(120, 120, 120));
        for (int j = 0; j <= 8; ++j)
            slot->outline(j, j, slot->width() - j - 1, slot->height() - j - 1, ring(60 + 23 * j));
        slotPanels[i] = slot;

        // The description is centred in the slot's inner area and may wrap. The area is
        // fixed, so the label is never sized to its text (a wrapping text is laid out
        // several times for that).
        auto *text = new QLabel(QStringLiteral("?"), slot);
        text->setFont(arial(16, true));
        text->setAttribute(Qt::WA_TranslucentBackground);
        QPalette textPalette = text->palette();
        textPalette.setColor(QPalette::WindowText, Qt::black);
        text->setPalette(textPalette);
        text->setAlignment(Qt::AlignCenter);
        text->setWordWrap(true);
        text->setGeometry(9, 9, 317 - 18, 100 - 18);
        slotTexts[i] = text;

        x += 322;
        if ((i + 1) % 3 == 0) {
            x = 20;
            y += 105;
        }
    }
}

void MainWindow::buildButtonBar()
{
    static const std::array<const char *, 7> captions = {"Start", "Edit", "Tools", "Help", "Score", "About", "Exit"};
    static const std::array<const char *, 7> tips = {
        " Programma starten ",       " Woorden toevoegen ", " Instellingen ", " Hulp bij dit programma ",
        " Scorelijst Spelers ",      " About me ",          " Programma stoppen ",
    };
    int x = 6;
    for (int i = 0; i < 7; ++i) {
        auto *button = new VistaButton(buttonBar);
        button->setGeometry(x, 6, 70, 43);
        button->setCaption(QString::fromLatin1(captions[i]));
        button->setToolTip(QString::fromLatin1(tips[i]));
        button->setFont(arial(8.25));
        button->setBackColor(QColor(90, 90, 120));
        menuButtons[i] = button;
        x += 75;
    }
    static const std::array<void (MainWindow::*)(), MenuButtonCount - 1> handlers = {
        &MainWindow::startGame, &MainWindow::openEditor, &MainWindow::showToolsMenu, &MainWindow::showHelp,
        &MainWindow::showScores, &MainWindow::showAbout};
    for (int i = 0; i < Exit; ++i)
        connect(menuButtons[i], &VistaButton::clicked, this, handlers[i]);
    connect(menuButtons[Exit], &VistaButton::clicked, this, &QWidget::close);
    menuButtons[Exit]->move(buttonBar->width() - 76, 6);

    const QFont big = arial(30, true);
    buttonBar->drawText(QPoint(470, 6), QStringLiteral("Score :"), big, QColor(90, 90, 0));
    buttonBar->drawText(QPoint(780, 6), QStringLiteral("Tijd :"), big, QColor(90, 90, 0));
    scoreLabel = label(buttonBar, QString(), big, QColor(90, 90, 90), QRect(615, 6, 150, 48));
    // The clock's box reaches to the Exit button: the longest playing time the settings take
    // (2147483647 seconds) shows as "35791394:07".
    const int exitLeft = menuButtons[Exit]->x();
    clockLabel = label(buttonBar, QStringLiteral("00:00"), big, QColor(90, 90, 90), QRect(880, 6, exitLeft - 8 - 880, 48));
}
