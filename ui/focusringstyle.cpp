#include "ui/focusringstyle.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOption>

FocusRingStyle::FocusRingStyle() = default;

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (!(option->state & State_HasFocus))
        return;
    // A list with the focus and no line chosen (the score list, so a Delete takes only a
    // line the player picked) shows nothing of its focus in the style's own drawing: its
    // frame gets the same ring, without the dark line.
    const bool list = element == CE_ShapedFrame && qobject_cast<const QAbstractItemView *>(widget);
    if (element != CE_PushButton && !list)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    const int inset = list ? 0 : RingInset;
    const QRect ring = option->rect.adjusted(inset, inset, -inset, -inset);
    for (int k = 0; k < RingWidth; ++k) {
        painter->setPen(option->palette.color(QPalette::Highlight));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(ring.adjusted(k, k, -k - 1, -k - 1));
    }
    if (!list) {
        painter->setPen(option->palette.color(QPalette::ButtonText));
        painter->drawRect(ring.adjusted(RingWidth, RingWidth, -RingWidth - 1, -RingWidth - 1));
    }
    painter->restore();
}
