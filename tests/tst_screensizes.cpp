#include "ui/paintpanel.h"
#include "common/twips.h"
#include "controls/accessiblecontainer.h"
#include "shell/configform.h"
#include "support/gamewindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSet>
#include <QTest>

namespace {

// The longest keyword and descriptions the puzzle list allows on the board.
const QByteArray s_longest("Brovelt Software 2019\r\n----------\r\n"
                           "Schiermonnikoogster,Hollandse Waterlinie,Nederlandse Antillen,"
                           "meerstemmig gezongen,wereldkampioenschap\r\n"
                           "Willem van Oranje,Vader des Vaderlands,Zwijger,Delft 1584,Balthasar Gerards\r\n"
                           "WWWWWWWWWWWWWWWWWWW,WWWWWWWWWWWWWWWWWWWWWW,MMMMMMMMMMMMMMMMMMMMMM,"
                           "Wm Wm Wm Wm Wm Wm Wm W,WWWW WWWW WWWW WWWW W\r\n");

// What a control shows, where its parent has it: a label its text (trailing blanks may
// reach under the next label, as the player's name follows its caption), anything else its
// whole rectangle. None for a label whose box cannot hold its text.
QRect shownArea(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    if (!label || !label->pixmap().isNull() || label->text().trimmed().isEmpty())
        return widget->geometry();
    const QSize needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint();
    if (needed.width() > label->width() || needed.height() > label->height())
        return QRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text().trimmed()).translated(label->pos());
}

// Each visible control of the window that does not show whole inside the area, or that
// overlaps another control of one of the panels (decorations lie under others by design).
QString cutOff(const QWidget *window, const QRect &area, const QList<const QWidget *> &panels = {})
{
    QString cut;
    QMultiHash<const QWidget *, QRect> taken; // by panel
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window) || control->isWindow())
            continue;
        const QWidget *panel = control->parentWidget();
        const QRect shown = shownArea(control);
        bool overlaps = false;
        if (panels.contains(panel) && !AccessibleContainer::isDecorative(control)) {
            for (const QRect &other : taken.values(panel))
                overlaps = overlaps || other.intersects(shown);
            taken.insert(panel, shown);
        }
        const auto *label = qobject_cast<const QLabel *>(control);
        if (overlaps || !area.contains(shown.translated(panel->mapTo(window, QPoint(0, 0)))))
            cut += QStringLiteral("%1 '%2' (%3x%4) ").arg(control->metaObject()->className(), label ? label->text() : "")
                       .arg(control->width()).arg(control->height());
    }
    return cut;
}

} // namespace

// The windows on the screens players have, from a small laptop to 4K. Also run with
// QT_SCALE_FACTOR=2 (its own ctest entry).
class TestScreenSizes : public QObject
{
    Q_OBJECT
private slots:
    void everyWindowOnEveryScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("window");
        for (QSize size : {QSize(640, 512), QSize(800, 600), QSize(1280, 1024), QSize(1366, 768), QSize(1600, 900), QSize(1920, 1080), QSize(2560, 1440),
                           QSize(3840, 2160)})
            for (const QString &window : QStringList{"board"} + sideWindowOpeners.keys())
                // 640 x 512 points, a screen of 1280 x 1024 at a pixel ratio of 2, is smaller
                // than some side windows' design.
                if (size.width() > 640 || window != "board")
                    QTest::newRow(qPrintable(QStringLiteral("%1x%2 %3").arg(size.width()).arg(size.height()).arg(window)))
                    << size << window;
    }
    void everyWindowOnEveryScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, window);
        // In colour scheme 1, as the fake draws 0: ring j is (60 + 23 j, 60, 60).
        GameWindow game(screen, s_longest);
        if (window == "board") {
            slotsDrawAtTheDevicesPixels(*game.window);
            boardFits(game, screen);
        } else {
            sideWindowFits(game, window);
        }
    }

    // Twips to the nearest pixel at the screen's dots per inch, a half away from zero; a
    // rectangle by its edges, so that the sliders of the settings window, touching in twips,
    // touch in pixels where a pixel is not a whole number of twips (120 dpi: 12 twips).
    void twipsToPixelsByTheEdges()
    {
        const QList<int> tops{65, 86, 108, 129};
        for (int k = 0; k < 3; ++k) {
            const QRect r = Twips::rect(210, 780 + 255 * k, 1740, 255, 120);
            QCOMPARE((QList<int>{r.left(), r.left() + r.width(), r.top(), r.top() + r.height()}),
                     (QList<int>{18, 163, tops[k], tops[k + 1]}));
        }
    }

private:
    // The rings of a slot frame are bands of whole device pixels, each of one colour, with
    // no blend, and the outer ring reaches every edge of every slot, whatever the rounding
    // of the slot's size.
    void slotsDrawAtTheDevicesPixels(MainWindow &window)
    {
        QSet<QRgb> rings;
        for (int j = 0; j <= 8; ++j)
            rings.insert(QColor(60 + 23 * j, 60, 60).rgb());
        for (int i = 0; i < 12; ++i) {
            const QImage shown = window.slotPanels[i]->grab().toImage();
            const int w = shown.width(), h = shown.height();
            for (const QPoint edge : {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)})
                QVERIFY2(shown.pixel(edge) == QColor(60, 60, 60).rgb(),
                         qPrintable(QStringLiteral("slot %1 at %2, %3").arg(i + 1).arg(edge.x()).arg(edge.y())));
            // A part repainted alone, as when uncovered, shows what the whole shows there.
            const QRect part = window.slotPanels[i]->rect().adjusted(window.slotPanels[i]->width() / 2, 0, 0, 0);
            const qreal ratio = shown.devicePixelRatio();
            QCOMPARE(window.slotPanels[i]->grab(part).toImage(),
                     shown.copy(QRect(part.topLeft() * ratio, part.size() * ratio)));
            // Down the middle of the left edge, every device pixel of the frame is one ring's colour.
            const int frame = qRound(9 * window.scale() * window.devicePixelRatioF()) - 1;
            for (int x = 0; x < frame; ++x)
                QVERIFY2(rings.contains(shown.pixel(x, h / 2)), qPrintable(QString::number(x)));
        }
        // So does a part of the board cut through the row markers (x 80 to 140).
        const QImage board = window.board->grab().toImage();
        const QRect part(qRound(115 * window.scale()), 0, window.board->width() / 2, window.board->height());
        QCOMPARE(window.board->grab(part).toImage(),
                 board.copy(QRect(part.topLeft() * board.devicePixelRatio(), part.size() * board.devicePixelRatio())));
    }

    // A round with the longest texts, a found keyword and a long name on the board: every
    // control lies on the screen and shows its whole text, and no two controls of one
    // panel overlap.
    void boardFits(GameWindow &game, QSize screen)
    {
        MainWindow &window = *game.window;
        QVERIFY(window.board->width() >= 0.6 * screen.width() && window.board->height() >= screen.height() / 3.0);
        game.start({QString(40, u'W')});
        window.controller().submitAnswer(QStringLiteral("Schiermonnikoogster"));
        window.controller().revealNext();
        for (int row = 0; row < 3; ++row)
            window.keywordLabels[row]->show();
        // The board's labels keep fixed boxes: the longest texts they show must fit them too.
        window.puzzleCountLabel->setText(QStringLiteral("999 / "));
        window.pointerLabel->setText(QStringLiteral("1239.75 x 913.875"));
        window.scoreLabel->setText(QStringLiteral("-99999"));
        window.clockLabel->setText(QStringLiteral("35791394:07")); // the longest playing time
        QCOMPARE(cutOff(&window, QRect(QPoint(0, 0), screen), {&window, window.board, window.buttonBar}), QString());
        // The name follows its caption's closing blank.
        const QLabel *caption = window.playerCaption;
        QCOMPARE_LE(caption->x() + caption->fontMetrics().horizontalAdvance(caption->text()), window.playerNameLabel->x());
        // The answer box stays inside its frame's bevel of four rings.
        const int bevel = qRound(4 * window.scale());
        QVERIFY2(window.answerBox->geometry().bottom() < window.answerFrame->height() - bevel,
                 qPrintable(QStringLiteral("%1 in %2").arg(window.answerBox->geometry().bottom()).arg(window.answerFrame->height())));
    }

    // A side window grows by the board's factor, its fonts with it; text grows a little more
    // or less than the font, so each label must still hold its whole text, inside its window.
    // A fixed dialog with a title and a close button only: minimised, it would take the
    // board with it, with no way back on a desktop without a task bar. It belongs to the
    // main window, which keeps it over the board, centred; the Tools menu and the message
    // boxes grow with it.
    void sideWindowFits(GameWindow &test, const QString &window)
    {
        MainWindow &main = *test.window;
        const double scale = main.sideWindowScale();
        test.dialogs.onWindow = [&](QWidget *side) {
            QString cut = cutOff(side, side->rect());
            // Its menus (the editor's Help) and the Tools menu grow with it, though they are
            // windows of their own. On a screen smaller than its design it shrinks to fit,
            // its menus with it.
            QVERIFY(main.geometry().contains(side->geometry()));
            const bool shrunk = side->width() >= main.width() - 1 || side->height() >= main.height() - 1;
            const auto grown = [](QMenu *menu) { return menu->font().pointSizeF() / QApplication::font(menu).pointSizeF(); };
            const QList<QMenu *> sideMenus = side->findChildren<QMenu *>();
            const double sideScale = sideMenus.isEmpty() ? scale : grown(sideMenus.constFirst());
            QVERIFY(shrunk ? sideScale < scale : qFuzzyCompare(sideScale, scale));
            // A menu bar shows its items, none put away behind its overflow button.
            for (QMenuBar *bar : side->findChildren<QMenuBar *>()) {
                for (QAction *item : bar->actions())
                    if (!bar->rect().contains(bar->actionGeometry(item)) || bar->actionGeometry(item).isEmpty())
                        cut += item->text() + QStringLiteral(" (%1 in %2x%3) ").arg(bar->font().pointSizeF()).arg(bar->width()).arg(bar->height());
            }
            for (QMenu *menu : sideMenus)
                if (!qFuzzyCompare(grown(menu), sideScale))
                    cut += menu->title();
            if (!qFuzzyCompare(grown(main.toolsMenu), scale))
                cut += main.toolsMenu->title();
            QCOMPARE(cut, QString());
            QCOMPARE(side->parentWidget(), &main);
            QCOMPARE(side->windowFlags(), Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                     | Qt::WindowSystemMenuHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
            QVERIFY(side->minimumSize() == side->maximumSize() && side->size() == side->minimumSize());
            QVERIFY((side->geometry().center() - main.geometry().center()).manhattanLength() <= 2);
            // The settings window by its design size, as made before it is opened; its three
            // colour sliders, touching in the design, still touch.
            if (window == "settings") {
                const QSize design = ConfigForm(main.controller().settings(), [](const QColor &) {}, test.dialogs).size();
                QCOMPARE(side->size(), (QSizeF(design) * scale).toSize());
                const QList<QScrollBar *> sliders = side->findChildren<QScrollBar *>(Qt::FindDirectChildrenOnly);
                QCOMPARE(sliders.size(), 3);
                for (int k = 0; k < 2; ++k)
                    QCOMPARE(sliders[k]->geometry().bottom() + 1, sliders[k + 1]->geometry().top());
            }
            // The editor's columns grow as the window does, once.
            if (window == "editor") {
                const QList<QHeaderView *> headers = side->findChildren<QHeaderView *>();
                QVERIFY(!headers.isEmpty());
                const double column = Twips::rect(0, 0, 1500, 0, side->logicalDpiY()).width() * sideScale;
                for (QHeaderView *header : headers)
                    for (int section = 0; section < header->count(); ++section)
                        QVERIFY2(std::abs(header->sectionSize(section) - column) <= 1,
                                 qPrintable(QStringLiteral("column %1: %2").arg(section).arg(header->sectionSize(section))));
            }
            // Minimised anyway (by a window manager's key), it comes back at once.
            side->show();
            side->setWindowState(Qt::WindowMinimized);
            QVERIFY(QTest::qWaitFor([side] { return !side->isMinimized(); }, 1000));
        };
        (main.*sideWindowOpeners.value(window))();
        // Shown, once; the proverbs window also says that its list, not in the test's folder, is missing.
        QCOMPARE(test.dialogs.shown.size(), window == "proverbs" ? 2 : 1);
        QCOMPARE(test.dialogs.scale, scale);
    }
};

QTEST_MAIN(TestScreenSizes)
#include "tst_screensizes.moc"
