#include "ui/paintpanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

PaintPanel::PaintPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double PaintPanel::pixelRatio() const
{
    return devicePixelRatioF();
}

void PaintPanel::setBackColor(const QColor &colour)
{
    m_back = colour;
    m_drawings.clear();
    update();
}

void PaintPanel::setScale(double scale)
{
    if (scale == m_scale)
        return;
    if (m_designSize.isEmpty())
        m_designSize = QSizeF(size()) / m_scale;
    m_scale = scale;
    update();
}

QPointF PaintPanel::drawingScale() const
{
    // A scaled panel's edges are rounded to whole pixels, so its size is the design's times
    // the scale only to a pixel; stretching the design to the size itself keeps the frames
    // drawn along its edges on them.
    if (m_designSize.isEmpty() || m_scale == 1.0)
        return QPointF(m_scale, m_scale);
    return QPointF(width() / m_designSize.width(), height() / m_designSize.height());
}

void PaintPanel::add(Drawing drawing, const QRect &area)
{
    // An opaque fill hides whatever it covers for good: those drawings are dropped, so
    // a wipe that fills the same slot many times keeps the list short.
    if (const auto *fill = std::get_if<Fill>(&drawing); fill && fill->colour.alpha() == 255) {
        std::erase_if(m_drawings, [&](const Drawing &earlier) {
            if (const auto *f = std::get_if<Fill>(&earlier))
                return fill->rect.contains(f->rect);
            if (const auto *o = std::get_if<Outline>(&earlier))
                return fill->rect.contains(o->rect);
            if (const auto *p = std::get_if<Picture>(&earlier))
                return fill->rect.contains(p->target);
            return false;
        });
    }
    const QPointF scale = drawingScale();
    m_drawings.push_back(std::move(drawing));
    const QRectF shown(area.x() * scale.x(), area.y() * scale.y(), area.width() * scale.x(), area.height() * scale.y());
    update(shown.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void PaintPanel::fillRect(const QRect &rect, const QColor &colour)
{
    add(Fill{rect, colour}, rect);
}

void PaintPanel::outline(int x1, int y1, int x2, int y2, const QColor &colour)
{
    const QRect rect(QPoint(x1, y1), QPoint(x2, y2));
    add(Outline{rect, colour}, rect);
}

void PaintPanel::drawImage(const QRect &target, const QImage &image)
{
    add(Picture{target, image}, target);
}

void PaintPanel::drawText(const QPoint &topLeft, const QString &text, const QFont &font, const QColor &colour)
{
    add(Text{topLeft, text, font, colour}, rect());
}

void PaintPanel::paintDrawing(QPainter &painter, const Drawing &drawing) const
{
    if (const auto *fill = std::get_if<Fill>(&drawing)) {
        painter.fillRect(fill->rect, fill->colour);
    } else if (const auto *line = std::get_if<Outline>(&drawing)) {
        // Drawn as four filled strips, one design pixel wide, so a scaled ring stays a
        // sharp band instead of a smeared line.
        const QRect r = line->rect;
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), line->colour);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), line->colour);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), line->colour);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), line->colour);
    } else if (const auto *picture = std::get_if<Picture>(&drawing)) {
        // Made the size of the device pixels it covers, averaging every pixel when it
        // shrinks, which keeps it sharper than stretching while drawing, and then set on
        // those pixels unstretched, so a part of the panel repainted alone shows the same
        // pixels as the whole. The painter's combined transform ends at the device's pixels
        // (it holds the device's pixel ratio besides the panel's scale); with the panel's
        // own transform reset, the ratio is what remains of it.
        const QRect device = painter.combinedTransform().mapRect(QRectF(picture->target)).toAlignedRect();
        if (device.isEmpty())
            return;
        QImage shown = picture->image.size() == device.size()
            ? picture->image
            : picture->image.scaled(device.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter.save();
        painter.resetTransform();
        const qreal ratio = painter.combinedTransform().m11();
        shown.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(device.topLeft()) / ratio, shown);
        painter.restore();
    } else if (const auto *text = std::get_if<Text>(&drawing)) {
        painter.setFont(text->font);
        painter.setPen(text->colour);
        painter.drawText(text->topLeft + QPoint(0, QFontMetrics(text->font).ascent()), text->text);
    }
}

void PaintPanel::paintAll(QPainter &painter, const QRect &area) const
{
    painter.fillRect(area, m_back);
    const QPointF scale = drawingScale();
    painter.scale(scale.x(), scale.y());
    // A label that changes every second repaints a small piece of the panel: drawings
    // elsewhere are left out (a scaled picture would otherwise be shrunk again each time).
    // The margin covers what smoothing and rounding add round a drawing's edges.
    const QRectF designArea = QRectF(area.x() / scale.x(), area.y() / scale.y(), area.width() / scale.x(),
                                     area.height() / scale.y())
                                  .adjusted(-2, -2, 2, 2);
    for (const Drawing &drawing : m_drawings) {
        QRect bounds;
        if (const auto *fill = std::get_if<Fill>(&drawing))
            bounds = fill->rect;
        else if (const auto *line = std::get_if<Outline>(&drawing))
            bounds = line->rect;
        else if (const auto *picture = std::get_if<Picture>(&drawing))
            bounds = picture->target;
        if (bounds.isNull() || designArea.intersects(QRectF(bounds)))
            paintDrawing(painter, drawing);
    }
}

QImage PaintPanel::canvas() const
{
    const double ratio = pixelRatio();
    QImage canvas((QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    QPainter painter(&canvas);
    paintAll(painter, rect());
    return canvas;
}

void PaintPanel::paintEvent(QPaintEvent *event)
{
    // Drawn straight from the drawings: a copy of the panel kept as a picture would cost
    // the board's first paint several megabytes to fill and copy, and the lists are short
    // (an opaque fill drops what it covers).
    QPainter painter(this);
    paintAll(painter, event->rect());
}

void PaintPanel::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().x() / m_scale, event->position().y() / m_scale);
    QWidget::mouseMoveEvent(event);
}
