#pragma once

#include <QElapsedTimer>

// A uniform number in [0, 1) per draw. The game draws its rounds and the board's colour
// scheme from it; tests hand in a source that plays back fixed numbers.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double draw() = 0;

    // A whole number in 1..count from one draw: the integer part of u * count + 1;
    // 0 when count is below 1.
    int drawWhole(int count);
};

// Seeded anew from the clock at every draw, so two draws in a row never start from the
// same generator state, even within one tick of the clock.
class SystemRandom final : public RandomSource
{
public:
    SystemRandom();
    double draw() override;

private:
    QElapsedTimer m_timer;
    quint64 m_counter = 0;
};
