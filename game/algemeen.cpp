#include "game/algemeen.h"

#include "game/platform.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>

void Wacht(float seconds)
{
    const Clock &clock = Platform::clock();
    const qint64 start = clock.monotonicMs();
    const double wanted = double(seconds) * 1000.0;
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
