#include "ui/focusringstyle.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOption>

FocusRingStyle::FocusRingStyle() = default;

void FocusRingStyle::drawRing(QPainter *painter, const QStyleOption *option, int inset, bool innerLine)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    const QRect ring = option->rect.adjusted(inset, inset, -inset, -inset);
    painter->setPen(option->palette.color(QPalette::Highlight));
    for (int k = 0; k < RingWidth; ++k)
        painter->drawRect(ring.adjusted(k, k, -k - 1, -k - 1));
    if (innerLine) {
        painter->setPen(option->palette.color(QPalette::ButtonText));
        painter->drawRect(ring.adjusted(RingWidth, RingWidth, -RingWidth - 1, -RingWidth - 1));
    }
    painter->restore();
}

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    // The style lights a menu bar's item only while its menu is open: chosen from the
    // keyboard (Alt), the item would show nothing of it. It is lit as the open one is.
    if (element == CE_MenuBarItem && (option->state & State_Selected) && !(option->state & State_Sunken)) {
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            QStyleOptionMenuItem chosen(*item);
            chosen.state |= State_Sunken;
            QProxyStyle::drawControl(element, &chosen, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    if (!(option->state & State_HasFocus))
        return;
    // A list with the focus and no line chosen (the score list, so a Delete takes only a
    // line the player picked) shows nothing of its focus in the style's own drawing: its
    // frame gets the same ring, without the dark line.
    const bool list = element == CE_ShapedFrame && qobject_cast<const QAbstractItemView *>(widget);
    if (element == CE_PushButton || list)
        drawRing(painter, option, list ? 0 : RingInset, !list);
}

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_FrameLineEdit && (option->state & State_HasFocus))
        drawRing(painter, option, 0, false);
}

void FocusRingStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                        const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ScrollBar && (option->state & State_HasFocus))
        drawRing(painter, option, 0, false);
}
