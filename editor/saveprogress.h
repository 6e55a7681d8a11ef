#pragma once

#include <QColor>

// Whatever shows the progress of a puzzle list save (the editor's strip).
class SaveProgress
{
public:
    virtual ~SaveProgress() = default;
    // Clears the strip to 'background' and shows the busy pointer.
    virtual void begin(const QColor &background) = 0;
    // Fills the rectangle (0, 0) to (right, 20) in 'colour' and shows it at once.
    virtual void fill(int right, const QColor &colour) = 0;
    // Shows the normal pointer again.
    virtual void end() = 0;
    // The strip's length in its own pixels.
    virtual int length() const = 0;
};

inline QColor saveBarBackground() { return QColor(0, 60, 0); }
inline QColor saveBarColour() { return QColor(0, 190, 0); }

// Fills 'progress' to the share of its length that 'permille' says is done; at 1000 the
// strip is full.
void showSaveProgress(SaveProgress &progress, int permille);
