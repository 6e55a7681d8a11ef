#pragma once

#include <QProxyStyle>

// The platform's style with a focus that is plain to see on Qt's own push buttons (the
// buttons of message boxes and of the name question): a ring two pixels wide in the
// highlight colour, with a dark line inside it, drawn over the button's face. Lists, text
// boxes and scroll bars get the same ring at their edge. The style's
// own focus is a faint tint of the frame that players who use the keyboard could not find.
class FocusRingStyle : public QProxyStyle
{
public:
    static constexpr int RingWidth = 2;
    // From the button's edge to the outside of the ring.
    static constexpr int RingInset = 2;

    FocusRingStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    // Text boxes and scroll bars (the settings' colour sliders) get the ring at their edge:
    // the style shows a focused text box by a thin line, a focused scroll bar not at all.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

private:
    static void drawRing(QPainter *painter, const QStyleOption *option, int inset, bool innerLine);
};
