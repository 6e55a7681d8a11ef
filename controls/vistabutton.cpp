#include "controls/vistabutton.h"

#include <QMouseEvent>
#include <QPainter>

VistaButton::VistaButton(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void VistaButton::setCaption(const QString &nValue) { m_caption = nValue; update(); }
void VistaButton::setBackColor(const QColor &nValue) { m_backColor = nValue; update(); }
void VistaButton::setForeColor(const QColor &nValue) { m_foreColor = nValue; update(); }

void VistaButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_backColor);
    p.setPen(isEnabled() ? m_foreColor : QColor(131, 131, 131));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_caption);
}

void VistaButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        emit Click();
}
