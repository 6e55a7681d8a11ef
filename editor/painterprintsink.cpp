#include "editor/painterprintsink.h"

#include "editor/listprinter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

PainterPrintSink::PainterPrintSink(QPainter &painter, std::function<bool()> newPage)
    : m_painter(painter)
    , m_newPage(std::move(newPage))
    , m_scaleX(painter.device()->logicalDpiX() / 1440.0)
    , m_scaleY(painter.device()->logicalDpiY() / 1440.0)
{
}

QPointF PainterPrintSink::toDots(const QPoint &twips) const
{
    return QPointF(twips.x() * m_scaleX, twips.y() * m_scaleY);
}

void PainterPrintSink::text(const QPoint &at, const QString &text, const PrintFont &font, const QColor &colour)
{
    if (m_failed)
        return;
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(font.pointSize);
    f.setBold(font.bold);
    m_painter.setFont(f);
    m_painter.setPen(colour);
    // A position names the top-left of the first character, so drop to the baseline; a
    // text drawn at a point is neither clipped nor wrapped.
    const QFontMetricsF metrics(f, m_painter.device());
    m_painter.drawText(toDots(at) + QPointF(0, metrics.ascent()), text);
}

void PainterPrintSink::fill(const QRect &area, const QColor &colour)
{
    if (m_failed)
        return;
    m_painter.fillRect(QRectF(toDots(area.topLeft()), toDots(QPoint(area.right(), area.bottom()))), colour);
}

void PainterPrintSink::newPage()
{
    if (!m_failed && m_newPage && !m_newPage())
        m_failed = true;
}

bool PainterPrintSink::printList(QPagedPaintDevice &device, const QList<PuzzleEntry> &rows, const QString &footer,
                                 const QDateTime &moment)
{
    // The orientation must be set before painting starts; the paper size is the device's.
    device.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PainterPrintSink sink(painter, [&device] { return device.newPage(); });
    ListPrinter(sink, rows, footer, moment).printDocument();
    // Ending the painter ends the document and hands it to the printer.
    return painter.end() && !sink.m_failed;
}
