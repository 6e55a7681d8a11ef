#pragma once

// The visual state of the button and the inputs that move it: mouse, space bar, focus,
// hover and Enabled. Every input returns whether the state changed, which is the only time
// the face needs redrawing. Raising the button's events is left to the widget.
class VistaStateMachine
{
public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Focused = 3, Disabled = 4 };

    int state() const { return m_state; }
    bool mouseIsDown() const { return m_mouseIsDown; }
    bool hasFocus() const { return m_hasFocus; }
    bool enabled() const { return m_enabled; }

    // A press by mouse or space bar; ignored while disabled.
    bool press();
    // A pointer move; outside the button only happens while a press holds the pointer.
    bool move(bool inside);
    bool release(bool inside);
    bool focusIn(bool mouseOver);
    bool focusOut(bool mouseOver);
    // The hover tracking saw the pointer leave.
    bool hoverEnded();
    // Normal when enabled, disabled otherwise.
    bool setEnabled(bool enabled);

private:
    bool setState(int state);

    int m_state = Normal;
    bool m_mouseIsDown = false;
    bool m_hasFocus = false;
    bool m_enabled = true;
};
