#pragma once

#include "editor/printsink.h"
#include "game/puzzlelist.h"

#include <QDateTime>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// Draws the printed document with a QPainter, converting twips to the device's dots.
// Printing to paper and writing the PDF both come through here.
class PainterPrintSink final : public PrintSink
{
public:
    // 'newPage' starts the next page of the device; a failure stops further drawing.
    PainterPrintSink(QPainter &painter, std::function<bool()> newPage);

    void text(const QPoint &at, const QString &text, const PrintFont &font, const QColor &colour) override;
    void fill(const QRect &area, const QColor &colour) override;
    void newPage() override;

    // Prints the list as one landscape document on 'device': the single path for printer
    // and PDF. False when the device would not start (no printer, unwritable file).
    static bool printList(QPagedPaintDevice &device, const QList<PuzzleEntry> &rows, const QString &footer,
                          const QDateTime &moment);

private:
    QPointF toDots(const QPoint &twips) const;

    QPainter &m_painter;
    std::function<bool()> m_newPage;
    double m_scaleX;
    double m_scaleY;
    bool m_failed = false;
};
