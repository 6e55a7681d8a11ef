#pragma once

#include <QColor>

class PuzzleList;
class Scorelijst;

// Whatever shows the progress of a puzzle list save (the editor's strip 'Bar').
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

// Loads Data/Puzzel.lib into 'list' (emptied first). Silent on every failure.
void LaadPuzzelLijst(PuzzleList &list);

// Writes 'list' to Data/Puzzel.lib, the previous file kept as Data/Puzzel.bak, then lets
// 'progress' grow by one step per row with a wait of 0.03 s (Wacht) each. The rows are
// those of the list when the call starts, whatever the events handled meanwhile do to it.
// Silent on every failure. 'progress' may be null.
void BewaarPuzzelLijst(const PuzzleList &list, SaveProgress *progress);

// The progress step per row: 500 / rows, rounded half to even; 0 for no rows.
int saveStep(int rows);

inline QColor saveBarBackground() { return QColor(0, 60, 0); }
inline QColor saveBarColour() { return QColor(0, 190, 0); }

// The high-score list file Data/Scorelijst.lib.
void LaadScorelijst(Scorelijst &list);
void BewaarScorelijst(const Scorelijst &list);
// Adds the line for a finished game in its sorted place and rewrites the file at once.
void VoegScoreToe(Scorelijst &list, qint32 score, const QString &name);
