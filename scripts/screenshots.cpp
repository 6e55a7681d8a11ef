// Plays a little of the game in a real window and saves what the screen shows:
// screenshots <folder>. Run under Xvfb at any screen size. Also the smoke test of a real
// window: it fails when the screen does not show the board and the found keyword.
#include "editor/editform.h"
#include "shell/mainwindow.h"
#include "shell/configform.h"
#include "ui/paintpanel.h"
#include "shell/scoreform.h"
#include "ui/focusringstyle.h"
#include "ui/translations.h"
#include "ui/widgetdialogs.h"
#include "ui/windowscaler.h"
#include "support/fakes.h"
#include "tools/wordsearchwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

QImage save(const QString &folder, const QString &name)
{
    QCoreApplication::processEvents();
    QTest::qWait(200);
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    shot.save(folder + QLatin1Char('/') + name);
    return shot;
}

bool expect(const QImage &shot, QPoint at, const QColor &colour, const char *what)
{
    if (shot.pixelColor(at) == colour)
        return true;
    std::fprintf(stderr, "%s: pixel (%d, %d) is %s, expected %s\n", what, at.x(), at.y(),
                 qPrintable(shot.pixelColor(at).name()), qPrintable(colour.name()));
    return false;
}

// A point given in a widget's design pixels, on the screen.
QPoint onScreen(const MainWindow &window, const QWidget *widget, QPoint design)
{
    return widget->mapTo(&window, (QPointF(design) * window.scale()).toPoint()) + window.pos();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new FocusRingStyle);
    Translations::installDutch(app);
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    TestContext platform;
    SystemRandom random;
    platform.clock.step = 0;
    const AppContext context{random, platform.clock, platform.folders, platform.dialogs, platform.printers};
    platform.clock.current = QDateTime(QDate(2026, 12, 6), QTime(20, 15, 42));
    for (const char *name : {"Puzzel.lib", "Background.art"})
        QFile::copy(QStringLiteral(RAADKWARTET_DATA_DIR "/") + QLatin1String(name), platform.dataPath(name));
    platform.writeData("Scorelijst.lib", "\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n"
                                         "\"0080 - Bram\"\r\n\"0340 - Cor\"\r\n\"0120 - Anna\"\r\n\"0200 - Daan\"\r\n");

    QElapsedTimer started;
    started.start();
    MainWindow window(context);
    QScreen *screen = QGuiApplication::primaryScreen();
    window.layOut(screen->size());
    window.showBoard();
    (void)QTest::qWaitForWindowExposed(&window);
    std::printf("idle board shown after %lld ms\n", started.elapsed());
    const QImage idle = save(folder, QStringLiteral("idle.png"));
    bool ok = expect(idle, onScreen(window, window.slotPanels[0], {40, 40}), QColor(120, 120, 120),
                     "slot 1 inside its frame");
    ok = expect(idle, onScreen(window, window.board, {10, 780}), QColor(30, 30, 40), "the board") && ok;

    platform.dialogs.inputs = {QStringLiteral("Anna")};
    window.startGame();
    platform.clock.advance(37000);
    window.controller().updateClock();
    window.answerBox->setText(window.controller().round().keywords[1]);
    QTest::keyClick(window.answerBox, Qt::Key_Return);
    (void)QTest::qWaitFor([&] { return !window.isWiping(); });
    window.answerBox->setText(QStringLiteral("zon"));
    const QImage round = save(folder, QStringLiteral("round.png"));
    const int slot = window.controller().round().slotOf[4];
    ok = expect(round, onScreen(window, window.slotPanels[slot - 1], {300, 80}), QColor(0, 225, 0),
                "the wipe of keyword 2") && ok;

    // The score window as the end of a game shows it, over the board.
    auto *form = new ScoreForm(context, window.controller().scoreList(), &window);
    form->show();
    (void)QTest::qWaitForWindowExposed(form);
    form->scoreListBox()->setCurrentRow(1);
    save(folder, QStringLiteral("scores.png"));
    delete form;

    // The editor asked to close with a change not saved: the question in Dutch.
    WidgetDialogs dialogs;
    const AppContext realDialogs{random, platform.clock, platform.folders, dialogs, platform.printers};
    auto *editor = new EditForm(realDialogs, window.controller().settings(), &window);
    editor->show();
    (void)QTest::qWaitForWindowExposed(editor);
    editor->keywordBox()->setText(QStringLiteral("kwartet"));
    for (int i = 0; i < 4; ++i)
        editor->descriptionBox(i)->setText(QStringList{"vier", "kaartspel", "strijkers", "ik wil van jou"}.at(i));
    editor->addItem();
    QTimer::singleShot(400, [&] {
        save(folder, QStringLiteral("exit-question.png"));
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Cancel)->click();
    });
    editor->close();
    delete editor;

    // The word search and the settings as they look at their design size.
    for (const char *name : {"Nederlands.lib", "Nederlands.count"})
        QFile::copy(QStringLiteral(RAADKWARTET_DATA_DIR "/") + QLatin1String(name), platform.dataPath(name));
    WordSearchWindow words(context);
    words.searchTermBox()->setText(QStringLiteral("kwart"));
    words.search(WordSearch::BeginsWith);
    words.grab().save(folder + QStringLiteral("/woorden.png"));
    GameSettings settings;
    settings.speeltijd = 100;
    ConfigForm config(settings, [](const QColor &) {}, platform.dialogs);
    config.grab().save(folder + QStringLiteral("/config.png"));
    // The settings window as it opens over the board on this screen: at its design size on
    // 1280 x 1024, grown by the board's factor on a larger screen.
    ConfigForm scaled(window.controller().settings(), [](const QColor &) {}, platform.dialogs);
    WindowScaler::scaleWindow(&scaled, window.sideWindowScale());
    scaled.grab().save(folder + QStringLiteral("/config-%1x%2.png").arg(screen->size().width()).arg(screen->size().height()));
    return ok ? 0 : 1;
}
