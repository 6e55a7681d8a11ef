#pragma once

#include <QColor>

class Clock;

// Whatever shows the progress of a puzzle list save (the editor's strip).
class SaveProgress
{
public:
    virtual ~SaveProgress() = default;
    // Clears the strip to 'background' and shows the busy pointer.
    virtual void begin(const QColor &background) = 0;
    // Fills the rectangle (0, 0) to (right, 20) in 'colour'.
    virtual void fill(int right, const QColor &colour) = 0;
    // Shows the normal pointer again.
    virtual void end() = 0;
};

inline QColor saveBarBackground() { return QColor(0, 60, 0); }
inline QColor saveBarColour() { return QColor(0, 190, 0); }

// Lets the strip grow by one step per row with a wait of 0.03 s each, window events
// handled meanwhile. 'progress' may be null.
void runSaveProgress(SaveProgress *progress, int rows, const Clock &clock);

// Waits at least 'seconds' on the monotonic clock while handling window events; returns
// at once, handling none, for 0 or less.
void waitHandlingEvents(const Clock &clock, double seconds);
