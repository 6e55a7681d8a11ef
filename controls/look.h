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
// A rectangle given in twips (top, left, width, height) in the widget's pixels.
QRect fromTwips(const QWidget *widget, int top, int left, int width, int height);
// The inside of a fixed window whose design size in twips includes its frame and title bar.
QSize clientSize(const QWidget *widget, int width, int height);

} // namespace Look
