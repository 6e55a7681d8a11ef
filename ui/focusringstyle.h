#pragma once

#include <QProxyStyle>

// The platform's style with a focus that is plain to see on Qt's own push buttons (the
// buttons of message boxes and of the name question): a ring two pixels wide in the
// highlight colour, with a dark line inside it, drawn over the button's face. The style's
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
};
