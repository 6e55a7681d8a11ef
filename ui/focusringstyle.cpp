#include "ui/focusringstyle.h"

#include <QPainter>
#include <QStyleOption>

FocusRingStyle::FocusRingStyle() = default;

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    const QRect ring = option->rect.adjusted(RingInset, RingInset, -RingInset, -RingInset);
    for (int k = 0; k < RingWidth; ++k) {
        painter->setPen(option->palette.color(QPalette::Highlight));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(ring.adjusted(k, k, -k - 1, -k - 1));
    }
    painter->setPen(option->palette.color(QPalette::ButtonText));
    painter->drawRect(ring.adjusted(RingWidth, RingWidth, -RingWidth - 1, -RingWidth - 1));
    painter->restore();
}
