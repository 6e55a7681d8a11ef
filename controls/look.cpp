#include "controls/look.h"

#include "common/twips.h"

#include <QWidget>

namespace Look {

QFont arial(double points, bool bold, bool italic)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(role, colour);
    widget->setPalette(pal);
}

QRect fromTwips(const QWidget *widget, int top, int left, int width, int height)
{
    const double dpiX = widget->logicalDpiX();
    const double dpiY = widget->logicalDpiY();
    return QRect(Twips::toPixels(left, dpiX), Twips::toPixels(top, dpiY), Twips::toPixels(width, dpiX),
                 Twips::toPixels(height, dpiY));
}

QSize clientSize(const QWidget *widget, int width, int height)
{
    // A frame of 4 pixels each side and a title bar of 22: 120 and 450 twips.
    return fromTwips(widget, 0, 0, width - 120, height - 450).size();
}

} // namespace Look
