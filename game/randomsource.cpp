#include "game/randomsource.h"

#include <QDateTime>

#include <random>

int RandomSource::drawWhole(int count)
{
    if (count < 1)
        return 0;
    const int whole = int(draw() * count) + 1;
    return qMin(whole, count); // guards against a draw that rounds up to 1.0
}

SystemRandom::SystemRandom()
{
    m_timer.start();
}

double SystemRandom::draw()
{
    // A counter is mixed in so a redraw within the same clock tick starts from a state
    // not used before.
    const quint64 tick = quint64(QDateTime::currentMSecsSinceEpoch()) * 1000003u + quint64(m_timer.nsecsElapsed());
    const quint64 seed = tick ^ (++m_counter * 0x9E3779B97F4A7C15ull);
    std::mt19937_64 generator(seed);
    return std::generate_canonical<double, 53>(generator);
}
