#pragma once

// The visual state of the button and the facts it follows: where the pointer is, whether a
// press (mouse or space bar) is in progress, focus and Enabled. Every input returns whether
// the state changed, which is the only time the face needs redrawing. Raising the button's
// events is left to the widget.
class VistaStateMachine
{
public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Focused = 3, Disabled = 4 };

    int state() const { return m_state; }
    bool mouseIsDown() const { return m_mouseIsDown; }
    bool hasFocus() const { return m_hasFocus; }
    bool enabled() const { return m_enabled; }
    bool pointerInside() const { return m_pointerInside; }

    // A press by mouse or space bar; ignored while disabled.
    bool press();
    // A pointer move reported to the button; outside it only while a press holds the pointer.
    bool pointerMoved(bool inside);
    bool release(bool inside);
    bool pointerEntered();
    bool pointerLeft();
    bool focusIn();
    bool focusOut();
    // Normal when enabled, disabled otherwise.
    bool setEnabled(bool enabled);

private:
    bool setState(int state);
    // The face when no press is in progress: the pointer over the button wins over focus.
    int restingState() const;

    int m_state = Normal;
    bool m_mouseIsDown = false;
    bool m_hasFocus = false;
    bool m_enabled = true;
    bool m_pointerInside = false;
};
