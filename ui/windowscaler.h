#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Every window is designed for a 1280 x 1024 screen. On another screen the whole design
// grows or shrinks by one factor: positions, sizes, fonts and the drawing of the board.
namespace WindowScaler {

constexpr QSize designScreen{1280, 1024};

// The factor that fits the design on 'screen' whole, keeping its proportions.
double factorFor(const QSize &screen);

// Scales the children of 'parent' (and theirs) laid out in design pixels, moving the
// direct children by 'offset' afterwards. A factor of 1 changes nothing.
void scaleChildren(QWidget *parent, double factor, QPoint offset = {});

// Scales the widget's font, or the font it inherits (a message box, a menu).
void scaleFont(QWidget *widget, double factor);

// Scales a whole side window: its own size and font, then its children.
void scaleWindow(QWidget *window, double factor);

} // namespace WindowScaler
