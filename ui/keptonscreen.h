#pragma once

class QWidget;

// A side window or a box of the program comes back as soon as a window manager minimises
// it (some draw a minimise button on any window, whatever its hints): on a desktop without
// a task bar nothing would bring it back, and with it minimised the windows it stands over
// may go too (a window manager minimises a box's owner with it), leaving the game gone.
// The windows it stands over come back with it, it over them.
void keepOnScreen(QWidget *window);
