#pragma once

#include <QFont>
#include <QPalette>
#include <QRect>

class QWidget;

// Helpers every window uses to lay itself out as its design gives it: fonts, colours
// and positions in twips.
namespace Look {

QFont arial(double points, bool bold = false, bool italic = false);
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);
// The inside of a fixed window whose design size in twips includes its frame and title bar.
QSize clientSize(const QWidget *widget, int width, int height);
// Makes 'window' a fixed dialog with 'title', its design size in twips (frame and title
// bar included), centred on the screen until its opener places it.
void setUpFixedWindow(QWidget *window, const QString &title, int width, int height);

} // namespace Look
