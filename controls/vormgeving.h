#pragma once

// Transitional: the former names of the layout helpers in controls/look.h, kept only until
// the windows that still use them are switched over; then this file goes.
#include "controls/look.h"

namespace Vormgeving {

using Look::arial;

inline void setKleur(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    Look::setColour(widget, role, colour);
}

inline QRect twips(const QWidget *widget, int top, int left, int width, int height)
{
    return Look::fromTwips(widget, top, left, width, height);
}

inline QSize binnenmaat(const QWidget *widget, int width, int height)
{
    return Look::clientSize(widget, width, height);
}

} // namespace Vormgeving
