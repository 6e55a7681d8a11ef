// Times start-up, loading a full puzzle database and building rounds, each beside a
// reference run in the same process. Prints figures; asserts nothing.
#include "game/puzzlefile.h"
#include "game/puzzlelist.h"
#include "game/roundbuilder.h"
#include "shell/mainwindow.h"
#include "support/fakes.h"
#include "benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cstdio>

using Bench::fullDatabase;
using Bench::median;

namespace {

template<typename F>
double timeMs(int repeats, F &&f)
{
    QList<double> runs;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        runs.append(t.nsecsElapsed() / 1e6);
    }
    return median(runs);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestContext platform;
    SystemRandom random; // the real generator and clock
    SystemClock clock;
    const AppContext context{random, clock, platform.folders, platform.dialogs, platform.printers};
    const QString shipped = QStringLiteral(RAADKWARTET_DATA_DIR "/Puzzel.lib");
    QFile::copy(shipped, platform.dataPath("Puzzel.lib"));
    QFile::copy(QStringLiteral(RAADKWARTET_DATA_DIR "/Background.art"), platform.dataPath("Background.art"));
    const QSize screen(1280, 1024);

    const double bare = timeMs(5, [&] {
        QWidget w;
        w.setGeometry(QRect(QPoint(0, 0), screen));
        w.show();
        (void)QTest::qWaitForWindowExposed(&w);
        QCoreApplication::processEvents();
    });
    const double main = timeMs(5, [&] {
        MainWindow w(context);
        w.layOut(screen);
        w.show();
        (void)QTest::qWaitForWindowExposed(&w);
        QCoreApplication::processEvents();
    });
    std::printf("start-up to idle window   %8.2f ms   bare QWidget %8.2f ms   ratio %.1f\n", main, bare, main / bare);

    platform.writeData("Puzzel.lib", fullDatabase());
    PuzzleList list;
    const double load = timeMs(20, [&] { PuzzleFile::load(platform.dataPath("Puzzel.lib"), list); });
    const double raw = timeMs(20, [&] {
        QFile f(platform.dataPath("Puzzel.lib"));
        f.open(QIODevice::ReadOnly);
        const QList<QByteArray> lines = f.readAll().split('\n');
        Q_UNUSED(lines);
    });
    std::printf("load 999-row database     %8.3f ms   readAll+split %7.3f ms   ratio %.1f (%d rows)\n", load, raw,
                load / raw, list.count());

    Round round;
    const RoundBuilder builder(random);
    const int rounds = 10000;
    const double build = timeMs(5, [&] {
        for (int i = 0; i < rounds; ++i) {
            builder.drawKeywords(list, list.count(), round);
            (void)builder.layOut(round);
        }
    });
    const double draws = timeMs(5, [&] {
        for (int i = 0; i < rounds * 4; ++i)
            (void)random.drawWhole(999);
    });
    std::printf("build %d rounds        %8.2f ms   %d bare draws %8.2f ms   ratio %.1f (%.2f us a round)\n",
                rounds, build, rounds * 4, draws, build / draws, build * 1000.0 / rounds);
    return 0;
}
