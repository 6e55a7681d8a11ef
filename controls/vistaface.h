#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>

class QPainter;
struct VistaPalette;

// Everything the button's face depends on besides its visual state, and the drawing of the
// face onto an off-screen image. The widget copies its properties in and keeps the image;
// nothing here needs a window, so the drawing can be checked pixel by pixel.
struct VistaFace
{
    QColor backColor = Qt::white;
    bool noBackground = false;
    QString caption;
    QColor foreColor = Qt::black;
    QFont font;
    bool enabled = true;
    bool mouseIsDown = false;
    // The picture surface: an opaque copy of Picture, null when no picture is drawn.
    QImage picture;
    int pictures = 1;
    bool useMaskColor = true;
    QColor maskColor = QColor(0, 255, 0);
    int pictureOffset = 0;

    // Paints the whole image for state 0 (normal) to 4 (disabled); nothing of the previous
    // drawing remains.
    void draw(QImage &image, int state) const;

    // Row where the lighter upper half of the face gives way to the lower half.
    static int boundary(int height);
    // Rounds as the drawing arithmetic requires: halves go to the even neighbour.
    static int roundHalfEven(double value);
    // The window shape: the full rectangle less its four outermost corner pixels.
    static QRegion region(int width, int height);

private:
    void drawCaption(QPainter &painter, int width, int height) const;
    QFont captionFont(QPainter &painter, int width, int height) const;
    static void drawFocusGlow(QPainter &painter, int width, int height);
    static void drawOutline(QPainter &painter, int width, int height, const VistaPalette &palette);
    double drawPicture(QPainter &painter, int width, int height, int textWidth) const;
};
