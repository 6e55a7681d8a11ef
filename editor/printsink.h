#pragma once

#include <QColor>
#include <QRect>
#include <QString>

// The font of one printed text: always Arial, so only size and weight vary.
struct PrintFont {
    int pointSize = 10;
    bool bold = false;

    bool operator==(const PrintFont &) const = default;
};

// Receives the drawing of a printed document, positions and sizes in twips from the
// top-left corner of the printable area. The page composition talks only to this, so
// it can be recorded without a printer as well as drawn on paper or into a PDF.
class PrintSink
{
public:
    virtual ~PrintSink() = default;
    // 'at' is the top-left corner of the text's first character; the text is never cut.
    virtual void text(const QPoint &at, const QString &text, const PrintFont &font, const QColor &colour) = 0;
    // Fills from (left(), top()) to (right(), bottom()), both corners on the edge.
    virtual void fill(const QRect &area, const QColor &colour) = 0;
    virtual void newPage() = 0;
};
