#pragma once

#include <QRgb>

// The fixed colours of one visual state of the button face: eight gradient colours for the
// fill and twenty-one for the outline (0 the outer border, 1 the top inner line, 2 to 19 the
// corner pixels, 20 the bottom inner line). The face never takes its colours from BackColor.
struct VistaPalette
{
    QRgb fill[8];
    QRgb outline[21];

    // States outside 0..4 fall back to the normal palette.
    static const VistaPalette &forState(int state);
};
