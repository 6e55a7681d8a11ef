#pragma once

#include <Qt>

// The numbers the button's key and mouse events carry: Windows virtual-key codes, the
// shift mask (1 Shift, 2 Ctrl, 4 Alt) and the mouse button mask (1 left, 2 right, 4 middle).
namespace InputCodes {

int keyCode(int qtKey);
int shiftMask(Qt::KeyboardModifiers modifiers);
int buttonMask(Qt::MouseButtons buttons);

} // namespace InputCodes
