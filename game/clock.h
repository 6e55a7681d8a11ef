#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// The wall clock, and a monotonic millisecond count for measuring time (it does not
// jump at midnight or when the wall clock is set).
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual qint64 monotonicMs() const = 0;
};

class SystemClock final : public Clock
{
public:
    SystemClock() { m_timer.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};
