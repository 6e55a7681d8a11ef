#pragma once

#include <QRect>

#include <cmath>

// Window positions are given in twips (1/1440 inch): 15 twips a pixel at 96 dots per inch.
namespace Twips {

inline int toPixels(double twips, double dpi = 96.0)
{
    return int(std::lround(twips * dpi / 1440.0));
}

inline double fromPixels(double pixels, double dpi = 96.0)
{
    return pixels * 1440.0 / dpi;
}

// A rectangle given in twips, in Qt's order (left, top, width, height), in pixels. The
// edges are converted, not the sizes, so rectangles that touch in twips touch in pixels
// at any dots per inch (where a pixel is not a whole number of twips).
inline QRect rect(double left, double top, double width, double height, double dpi = 96.0)
{
    const int x = toPixels(left, dpi);
    const int y = toPixels(top, dpi);
    return QRect(x, y, toPixels(left + width, dpi) - x, toPixels(top + height, dpi) - y);
}

} // namespace Twips
