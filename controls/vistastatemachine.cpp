#include "controls/vistastatemachine.h"

bool VistaStateMachine::setState(int state)
{
    if (state == m_state)
        return false;
    m_state = state;
    return true;
}

bool VistaStateMachine::press()
{
    if (!m_enabled)
        return false;
    m_mouseIsDown = true;
    return setState(Pressed);
}

bool VistaStateMachine::move(bool inside)
{
    if (!m_enabled)
        return false;
    if (inside)
        return setState(m_mouseIsDown ? Pressed : Hover);
    return setState(Hover);
}

bool VistaStateMachine::release(bool inside)
{
    if (!m_enabled)
        return false;
    m_mouseIsDown = false;
    if (inside)
        return setState(Hover);
    return setState(m_hasFocus ? Focused : Normal);
}

bool VistaStateMachine::focusIn(bool mouseOver)
{
    m_hasFocus = true;
    if (!mouseOver && m_enabled && !m_mouseIsDown)
        return setState(Focused);
    return false;
}

bool VistaStateMachine::focusOut(bool mouseOver)
{
    m_hasFocus = false;
    if (!mouseOver && m_enabled)
        return setState(Normal);
    return false;
}

bool VistaStateMachine::hoverEnded()
{
    if (m_enabled && !m_mouseIsDown)
        return setState(m_hasFocus ? Focused : Normal);
    return false;
}

bool VistaStateMachine::setEnabled(bool enabled)
{
    m_enabled = enabled;
    // A disabled widget is sent no release, so a press in progress would otherwise outlive it.
    if (!enabled)
        m_mouseIsDown = false;
    return setState(enabled ? Normal : Disabled);
}
