#include "editor/saveprogress.h"

#include "game/clock.h"
#include "game/puzzlefile.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>

void runSaveProgress(SaveProgress *progress, int rows, const Clock &clock)
{
    const int step = PuzzleFile::progressStep(rows);
    if (progress)
        progress->begin(saveBarBackground());
    for (int i = 1; i <= rows; ++i) {
        if (progress)
            progress->fill(i * step, saveBarColour());
        waitHandlingEvents(clock, 0.03);
    }
    if (progress)
        progress->end();
}

void waitHandlingEvents(const Clock &clock, double seconds)
{
    const qint64 start = clock.monotonicMs();
    const double wanted = seconds * 1000.0;
    if (!(clock.monotonicMs() - start < wanted))
        return;

    // A ticking timer wakes the event loop, so the wait sleeps between events instead of
    // spinning the processor, while every click and key press is still handled at once.
    const bool hasEventLoop = QCoreApplication::instance() && QAbstractEventDispatcher::instance();
    QTimer waker;
    if (hasEventLoop) {
        waker.setTimerType(Qt::PreciseTimer);
        waker.start(1);
    }
    do {
        if (hasEventLoop) {
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        } else {
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
    } while (clock.monotonicMs() - start < wanted);
}
