#include "game/platform.h"

#include "game/dialogs.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <random>

// Defined with the widgets: the real message boxes and modal windows.
std::unique_ptr<Dialogs> makeWidgetDialogs();

namespace {

class SystemRandom final : public RandomSource
{
public:
    double draw() override
    {
        // Seeded from the clock at every draw, with a counter mixed in so a redraw within
        // the same clock tick starts from a state not used before.
        const quint64 tick = quint64(QDateTime::currentMSecsSinceEpoch()) * 1000003u
            + quint64(m_timer.nsecsElapsed());
        const quint64 seed = tick ^ (++m_counter * 0x9E3779B97F4A7C15ull);
        std::mt19937_64 generator(seed);
        return std::generate_canonical<double, 53>(generator);
    }

private:
    QElapsedTimer m_timer = [] { QElapsedTimer t; t.start(); return t; }();
    quint64 m_counter = 0;
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

struct Seams {
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Dialogs> dialogs;
    QString programFolder;
    QString programFile;
};

Seams &seams()
{
    static Seams s;
    return s;
}

} // namespace

namespace Platform {

RandomSource &random()
{
    auto &s = seams();
    if (!s.random)
        s.random = std::make_unique<SystemRandom>();
    return *s.random;
}

Clock &clock()
{
    auto &s = seams();
    if (!s.clock)
        s.clock = std::make_unique<SystemClock>();
    return *s.clock;
}

Dialogs &dialogs()
{
    auto &s = seams();
    if (!s.dialogs)
        s.dialogs = makeWidgetDialogs();
    return *s.dialogs;
}

QString programFolder()
{
    const QString &folder = seams().programFolder;
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

QString programFile()
{
    const QString &file = seams().programFile;
    return file.isEmpty() ? QCoreApplication::applicationFilePath() : file;
}

QString dataFile(const QString &name)
{
    return programFolder() + QStringLiteral("/Data/") + name;
}

void setRandom(std::unique_ptr<RandomSource> random) { seams().random = std::move(random); }
void setClock(std::unique_ptr<Clock> clock) { seams().clock = std::move(clock); }
void setDialogs(std::unique_ptr<Dialogs> dialogs) { seams().dialogs = std::move(dialogs); }
void setProgramFolder(const QString &folder) { seams().programFolder = folder; }
void setProgramFile(const QString &path) { seams().programFile = path; }

int drawWhole(int count)
{
    if (count < 1)
        return 0;
    const int whole = int(random().draw() * count) + 1;
    return qMin(whole, count); // guards against a draw that rounds up to 1.0
}

} // namespace Platform
