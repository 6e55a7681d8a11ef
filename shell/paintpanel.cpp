#include "shell/paintpanel.h"

#include <QMouseEvent>
#include <QPainter>

PaintPanel::PaintPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintPanel::setBackColor(const QColor &colour)
{
    m_back = colour;
    m_canvas = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_canvas.fill(colour);
    update();
}

void PaintPanel::fillRect(const QRect &rect, const QColor &colour)
{
    QPainter p(&m_canvas);
    p.fillRect(rect, colour);
    update(rect);
}

void PaintPanel::outline(int x1, int y1, int x2, int y2, const QColor &colour)
{
    QPainter p(&m_canvas);
    p.setPen(colour);
    p.drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)).adjusted(0, 0, -1, -1));
    update();
}

void PaintPanel::drawImage(const QRect &target, const QImage &image)
{
    QPainter p(&m_canvas);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, image);
    update(target);
}

void PaintPanel::drawText(const QPoint &topLeft, const QString &text, const QFont &font, const QColor &colour)
{
    QPainter p(&m_canvas);
    p.setFont(font);
    p.setPen(colour);
    const QFontMetrics metrics(font);
    p.drawText(topLeft + QPoint(0, metrics.ascent()), text);
    update();
}

void PaintPanel::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.drawImage(event->rect(), m_canvas, event->rect());
}

void PaintPanel::resizeEvent(QResizeEvent *)
{
    // A resize keeps what fits and fills the new area with the background colour.
    if (m_canvas.size() == size())
        return;
    QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    grown.fill(m_back);
    QPainter p(&grown);
    p.drawImage(0, 0, m_canvas);
    p.end();
    m_canvas = grown;
}

void PaintPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QWidget::mousePressEvent(event);
}

void PaintPanel::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().x(), event->position().y());
    QWidget::mouseMoveEvent(event);
}
