#pragma once

#include <QRgb>

// The fixed colours of one visual state of the button face: eight gradient colours and
// twenty-one line colours (c0 the outer border, c1 the top inner line, c2 to c19 the corner
// pixels, c20 the bottom inner line). The face never takes its colours from BackColor.
struct VistaPalette
{
    QRgb g[8];
    QRgb c[21];

    // States outside 0..4 fall back to the normal palette.
    static const VistaPalette &forState(int state);
};
