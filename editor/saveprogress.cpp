#include "editor/saveprogress.h"

void showSaveProgress(SaveProgress &progress, int permille)
{
    // The right edge is included in the fill, so a full strip ends one pixel short of its length.
    const int right = int(qint64(progress.length()) * qBound(0, permille, 1000) / 1000) - 1;
    progress.fill(right, saveBarColour());
}
