#include "editor/progressstrip.h"

#include <QGuiApplication>
#include <QPainter>

ProgressStrip::ProgressStrip(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ProgressStrip::~ProgressStrip()
{
    // Never leave the busy pointer behind a strip that is gone.
    end();
}

void ProgressStrip::setBackColor(const QColor &colour)
{
    // As with a picture panel, a new background colour wipes what was drawn.
    m_background = colour;
    if (m_image.size() != size())
        m_image = QImage(size(), QImage::Format_RGB32);
    m_image.fill(m_background);
    update();
}

void ProgressStrip::begin(const QColor &background)
{
    setBackColor(background);
    if (!m_busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_busy = true;
    }
}

void ProgressStrip::fill(int right, const QColor &colour)
{
    if (m_image.isNull() || right < 0)
        return;
    QPainter painter(&m_image);
    // Both corners lie on the rectangle, as the save draws from (0, 0) to (right, 20).
    painter.fillRect(QRect(QPoint(0, 0), QPoint(right, 20)), colour);
    // A save does not hand control back until it is over: the strip is painted now, so a
    // disk that keeps the save waiting shows how far it has come.
    if (isVisible())
        repaint();
    else
        update();
}

void ProgressStrip::end()
{
    if (m_busy) {
        QGuiApplication::restoreOverrideCursor();
        m_busy = false;
    }
}

void ProgressStrip::resizeEvent(QResizeEvent *)
{
    if (m_image.size() == size())
        return;
    m_image = QImage(size(), QImage::Format_RGB32);
    m_image.fill(m_background);
}

void ProgressStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
