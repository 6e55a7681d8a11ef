#include "controls/vistastatemachine.h"

bool VistaStateMachine::setState(int state)
{
    if (state == m_state)
        return false;
    m_state = state;
    return true;
}

int VistaStateMachine::restingState() const
{
    if (m_pointerInside)
        return Hover;
    return m_hasFocus ? Focused : Normal;
}

bool VistaStateMachine::press()
{
    if (!m_enabled)
        return false;
    m_mouseIsDown = true;
    return setState(Pressed);
}

bool VistaStateMachine::pointerMoved(bool inside)
{
    m_pointerInside = inside;
    if (!m_enabled)
        return false;
    if (inside)
        return setState(m_mouseIsDown ? Pressed : Hover);
    // Dragged off while pressed: the hover face says that letting go here will not click.
    return setState(Hover);
}

bool VistaStateMachine::release(bool inside)
{
    m_pointerInside = inside;
    if (!m_enabled)
        return false;
    m_mouseIsDown = false;
    return setState(restingState());
}

bool VistaStateMachine::pointerEntered()
{
    m_pointerInside = true;
    if (!m_enabled || m_mouseIsDown)
        return false;
    return setState(Hover);
}

bool VistaStateMachine::pointerLeft()
{
    m_pointerInside = false;
    if (!m_enabled || m_mouseIsDown)
        return false;
    return setState(restingState());
}

bool VistaStateMachine::focusIn()
{
    m_hasFocus = true;
    // Derived from the facts rather than from the previous state: around a modal window the
    // pointer leaves and the focus goes and comes back, and the face must follow all of it.
    if (!m_enabled || m_mouseIsDown)
        return false;
    return setState(restingState());
}

bool VistaStateMachine::focusOut()
{
    m_hasFocus = false;
    if (!m_enabled)
        return false;
    // A press in progress keeps its face while the pointer is on the button.
    if (m_mouseIsDown)
        return !m_pointerInside && setState(Normal);
    return setState(restingState());
}

bool VistaStateMachine::setEnabled(bool enabled)
{
    m_enabled = enabled;
    // A disabled widget is sent no release, so a press in progress would otherwise outlive it.
    if (!enabled)
        m_mouseIsDown = false;
    return setState(enabled ? Normal : Disabled);
}
