#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

class Dialogs;

// A uniform number in [0, 1), drawn after seeding anew; two draws in a row never
// start from the same generator state, even within one tick of the clock.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double draw() = 0;
};

// The wall clock, and a monotonic millisecond count for waiting (it does not jump at
// midnight or when the wall clock is set).
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual qint64 monotonicMs() const = 0;
};

// The process-wide seams: the real implementations by default; tests put fakes in
// with the setters and the program never calls them.
namespace Platform {

RandomSource &random();
Clock &clock();
Dialogs &dialogs();

// The folder that holds the program (and its Data folder and settings file).
QString programFolder();
// The program's own file, read for its size and date.
QString programFile();
QString dataFile(const QString &name); // programFolder()/Data/name

void setRandom(std::unique_ptr<RandomSource> random);
void setClock(std::unique_ptr<Clock> clock);
void setDialogs(std::unique_ptr<Dialogs> dialogs);
void setProgramFolder(const QString &folder);   // empty: back to the real one
void setProgramFile(const QString &path);       // empty: back to the real one

// A whole number in 1..count from one draw: the integer part of u * count + 1.
int drawWhole(int count);

} // namespace Platform
