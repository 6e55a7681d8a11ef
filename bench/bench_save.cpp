// Times the editor's save of a full (999-row) puzzle list with its backup: to the new
// file in its place, and to the end of the progress strip after a click on "Opslaan";
// beside a reference in the same process: the same bytes copied and written whole with
// the same atomic replace. Prints figures; asserts nothing.
// Usage: bench_save [runs]   (default 31; QT_QPA_PLATFORM=offscreen unless set)
#include "controls/vistabutton.h"
#include "editor/editform.h"
#include "editor/progressstrip.h"
#include "game/gamesettings.h"
#include "game/puzzlefile.h"
#include "game/puzzlelist.h"
#include "game/textwriter.h"
#include "support/fakes.h"
#include "benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <cstdio>

using Bench::fullDatabase;
using Bench::median;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 31;
    TestContext platform;
    const QByteArray bytes = fullDatabase();
    platform.writeData("Puzzel.lib", bytes);
    const QString path = platform.dataPath("Puzzel.lib");
    const QString backup = platform.dataPath("Puzzel.bak");

    GameSettings settings;
    EditForm form(platform.context(), settings);
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    const PuzzleList &list = form.list();

    // Interleaved, so a busy machine weighs on all three alike.
    QList<double> inPlace, stripEnd, reference;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        double placed = 0;
        PuzzleFile::save(path, backup, list, [&](int permille) {
            if (permille == 1000)
                placed = timer.nsecsElapsed() / 1e6;
        });
        inPlace.append(placed);

        // "Opslaan" always writes; the click returns once the strip is full.
        timer.restart();
        QTest::mouseClick(form.button(EditForm::SaveButton), Qt::LeftButton);
        const QImage &strip = form.progressStrip()->image();
        const bool full = strip.pixelColor(strip.width() - 1, 0) == QColor(0, 190, 0);
        stripEnd.append(timer.nsecsElapsed() / 1e6);
        if (!full) {
            std::fprintf(stderr, "the save did not finish\n");
            return 1;
        }

        timer.restart();
        QFile::remove(backup);
        QFile::copy(path, backup);
        writeWholeFile(path, bytes);
        reference.append(timer.nsecsElapsed() / 1e6);
    }
    const double ours = median(inPlace), shown = median(stripEnd), bare = median(reference);
    std::printf("save of 999 rows with backup, median of %d runs\n", runs);
    std::printf("to the file in place      %8.2f ms\n", ours);
    std::printf("to the strip's end        %8.2f ms   (click on \"Opslaan\" to full strip, window answering)\n", shown);
    std::printf("reference                 %8.2f ms   (copy to the backup + atomic write of the same bytes)\n", bare);
    std::printf("ratio in place/reference  %8.2f\n", ours / bare);
    return 0;
}
