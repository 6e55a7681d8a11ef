#include "controls/vistaface.h"

#include "controls/vistapalette.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb DisabledText = 0xff838383; // 131,131,131

// Vertical two-colour fill of x in [x1, x2) and y in [y1, y2); the corners may come in
// either order, and the colour of the upper corner goes to the top row.
void gradient(QPainter &p, int x1, int y1, QRgb colour1, int x2, int y2, QRgb colour2)
{
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    if (right <= left || bottom <= top)
        return;
    const QRgb upper = y1 <= y2 ? colour1 : colour2;
    const QRgb lower = y1 <= y2 ? colour2 : colour1;
    const QRect area(left, top, right - left, bottom - top);
    if (area.height() == 1) {
        p.fillRect(area, QColor(upper));
        return;
    }
    // Qt samples pixel centres; anchoring the ends on the centres of the first and last
    // rows makes those rows carry the two end colours exactly.
    QLinearGradient fill(0, top + 0.5, 0, bottom - 0.5);
    fill.setColorAt(0, QColor(upper));
    fill.setColorAt(1, QColor(lower));
    p.fillRect(area, fill);
}

// A 1-pixel horizontal or vertical line, both end pixels included.
void line(QPainter &p, int x1, int y1, int x2, int y2, QRgb colour)
{
    p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
               QColor(colour));
}

void pixel(QPainter &p, int x, int y, QRgb colour)
{
    p.fillRect(x, y, 1, 1, QColor(colour));
}

} // namespace

int VistaFace::roundHalfEven(double value)
{
    const double nearest = std::round(value);
    if (std::abs(value - std::trunc(value)) == 0.5)
        return int(2.0 * std::round(value / 2.0));
    return int(nearest);
}

int VistaFace::boundary(int height)
{
    return roundHalfEven(height / 2.2);
}

QRegion VistaFace::region(int width, int height)
{
    QRegion shape(0, 0, width, height);
    for (const QPoint &corner : {QPoint(0, 0), QPoint(width - 1, 0), QPoint(0, height - 1),
                                 QPoint(width - 1, height - 1)})
        shape -= QRegion(corner.x(), corner.y(), 1, 1);
    return shape;
}

void VistaFace::draw(QImage &image, int state) const
{
    // In the button's own pixels: the painter carries the image's pixel ratio.
    const int w = qRound(image.deviceIndependentSize().width());
    const int h = qRound(image.deviceIndependentSize().height());
    QPainter p(&image);
    p.fillRect(QRect(0, 0, w, h), backColor);
    if (noBackground && (state == 0 || state == 3 || state == 4)) {
        drawCaption(p, w, h);
        // Flat, but a focused button keeps the focused face's frame and glow round its
        // caption, so a player on the keyboard sees where the focus is.
        if (state == 3) {
            drawFocusGlow(p, w, h);
            drawOutline(p, w, h, VistaPalette::forState(state));
        }
        return;
    }

    const VistaPalette &pal = VistaPalette::forState(state);
    const int m = boundary(h);
    gradient(p, 2, 2, pal.fill[0], w - 2, m, pal.fill[1]);
    gradient(p, 2, m, pal.fill[2], w - 2, h - 2, pal.fill[3]);
    gradient(p, 1, 3, pal.fill[4], 2, m, pal.fill[5]);
    gradient(p, w - 2, 3, pal.fill[4], w - 1, m, pal.fill[5]);
    gradient(p, 1, m, pal.fill[6], 2, h - 3, pal.fill[7]);
    gradient(p, w - 2, m, pal.fill[6], w - 1, h - 3, pal.fill[7]);

    if (state == 2) {
        line(p, 3, 1, 6, 1, qRgb(151, 170, 180));
        line(p, 3, 2, 6, 2, qRgb(220, 237, 246));
        line(p, 7, 1, 10, 1, qRgb(157, 175, 185));
        line(p, w - 4, 1, w - 7, 1, qRgb(151, 170, 180));
        line(p, w - 4, 2, w - 7, 2, qRgb(220, 237, 246));
        line(p, w - 8, 1, w - 11, 1, qRgb(157, 175, 185));
        line(p, 3, h - 2, 6, h - 2, qRgb(99, 172, 211));
        line(p, 3, h - 3, 6, h - 3, qRgb(109, 181, 220));
        line(p, 7, h - 2, 10, h - 2, qRgb(104, 178, 218));
        pixel(p, 2, 3, qRgb(220, 237, 245));
        pixel(p, w - 3, 3, qRgb(220, 237, 245));
    } else if (state == 3) {
        drawFocusGlow(p, w, h);
    }

    drawCaption(p, w, h);
    drawOutline(p, w, h, pal);
}

void VistaFace::drawFocusGlow(QPainter &p, int w, int h)
{
    const int m = boundary(h);
    line(p, 3, 2, w - 4, 2, qRgb(166, 233, 251));
    line(p, 3, h - 3, w - 4, h - 3, qRgb(132, 213, 239));
    gradient(p, 2, 3, qRgb(165, 232, 251), 3, m, qRgb(161, 230, 249));
    gradient(p, w - 2, 3, qRgb(165, 232, 251), w - 3, m, qRgb(161, 230, 249));
    gradient(p, 2, m, qRgb(146, 222, 245), 3, h - 3, qRgb(133, 213, 240));
    gradient(p, w - 2, m, qRgb(146, 222, 245), w - 3, h - 3, qRgb(133, 213, 240));
}

void VistaFace::drawOutline(QPainter &p, int w, int h, const VistaPalette &pal)
{
    line(p, 0, 0, w - 1, 0, pal.outline[0]);
    line(p, 0, h - 1, w - 1, h - 1, pal.outline[0]);
    line(p, 0, 0, 0, h - 1, pal.outline[0]);
    line(p, w - 1, 0, w - 1, h - 1, pal.outline[0]);
    line(p, 3, 1, w - 4, 1, pal.outline[1]);
    line(p, 3, h - 2, w - 4, h - 2, pal.outline[20]);

    // Upper corners: (x, y, colour index), mirrored to x' = w - 1 - x.
    static constexpr int upper[10][3] = {{1, 0, 2}, {2, 0, 3}, {0, 1, 4}, {1, 1, 5}, {2, 1, 6},
                                         {0, 2, 7}, {1, 2, 8}, {2, 2, 9}, {0, 3, 10}, {1, 3, 11}};
    for (const auto &c : upper) {
        pixel(p, c[0], c[1], pal.outline[c[2]]);
        pixel(p, w - 1 - c[0], c[1], pal.outline[c[2]]);
    }
    // Lower corners: (x, rows above the bottom edge, colour index).
    static constexpr int lower[8][3] = {{1, 1, 12}, {2, 1, 13}, {0, 2, 14}, {1, 2, 15},
                                        {2, 2, 16}, {0, 3, 17}, {1, 3, 18}, {2, 3, 19}};
    for (const auto &c : lower) {
        pixel(p, c[0], h - c[1], pal.outline[c[2]]);
        pixel(p, w - 1 - c[0], h - c[1], pal.outline[c[2]]);
    }
}

QFont VistaFace::captionFont(QPainter &p, int w, int h) const
{
    // The caption is measured across the whole face but drawn inside its margins: one that
    // fills the face would wrap where it is drawn, and lines taller than the face are cut
    // off. Text grows a little more than its button in a window scaled to some screens
    // ("Delete All" at 2560 x 1440); such a caption is drawn a little smaller, so it stays
    // whole.
    QFont shown = font;
    if (caption.isEmpty() || !picture.isNull())
        return shown;
    const int wrap = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    for (int step = 0; step < 8; ++step) {
        p.setFont(shown);
        const int measured = p.boundingRect(QRect(0, 0, w, h), wrap, caption).height();
        const int drawn = p.boundingRect(QRect(0, 0, w - 6, h), wrap, caption).height();
        if (drawn <= measured && drawn <= h)
            break;
        if (shown.pointSizeF() > 0)
            shown.setPointSizeF(shown.pointSizeF() * 0.95);
        else
            shown.setPixelSize(std::max(1, int(shown.pixelSize() * 0.95)));
    }
    return shown;
}

void VistaFace::drawCaption(QPainter &p, int w, int h) const
{
    p.setFont(captionFont(p, w, h));
    p.setPen(enabled ? foreColor : QColor(DisabledText));
    const int wrap = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const QRect measured = caption.isEmpty() ? QRect() : p.boundingRect(QRect(0, 0, w, h), wrap, caption);
    const int th = measured.height();

    const double shift = drawPicture(p, w, h, measured.width());
    if (caption.isEmpty())
        return;

    int left = 3;
    if (!picture.isNull())
        left = roundHalfEven(picture.width() / double(std::max(pictures, 1)) + 8 - shift);
    const int top = roundHalfEven((h - th) / 2.0);
    const int bottom = roundHalfEven((h + th) / 2.0);
    const int align = shift < 1 ? Qt::AlignHCenter : Qt::AlignLeft;
    p.drawText(QRect(left, top, w - 3 - left, bottom - top), align | Qt::AlignTop | Qt::TextWordWrap, caption);
}

double VistaFace::drawPicture(QPainter &p, int w, int h, int textWidth) const
{
    if (picture.isNull())
        return 0;
    const int ph = picture.height();
    // A stored frame count below 1 would divide by zero; such a picture counts as one frame.
    const double fw = picture.width() / double(std::max(pictures, 1));
    double x = caption.isEmpty() ? (w - fw) / 2 : (w - textWidth - fw - 5) / 2;
    double y = roundHalfEven((h - ph) / 2.0);
    if (mouseIsDown) {
        x += pictureOffset;
        y += pictureOffset;
    }

    // Keep the frame inside the 3-pixel margin: skip columns and rows that would fall left
    // of or above it, cut what would pass its right or bottom edge.
    double skipColumns = 0;
    double skipRows = 0;
    if (x < 3) {
        skipColumns = 3 - x;
        x = 3;
    }
    if (y < 3) {
        skipRows = 3 - y;
        y = 3;
    }
    const double width = std::min(fw - skipColumns, (w - 3) - x);
    const double height = std::min(ph - skipRows, (h - 3) - y);

    int frame = 0;
    if (pictures >= 2 && !enabled)
        frame = 1;
    if (pictures == 3 && enabled && mouseIsDown)
        frame = 2;

    const QRect source(roundHalfEven(frame * fw + skipColumns), roundHalfEven(skipRows), roundHalfEven(width),
                       roundHalfEven(height));
    if (source.width() > 0 && source.height() > 0) {
        const QPoint target(roundHalfEven(x), roundHalfEven(y));
        QImage part = picture.copy(source);
        if (useMaskColor) {
            part = part.convertToFormat(QImage::Format_ARGB32);
            const QRgb mask = maskColor.rgb() & 0x00ffffff;
            for (int row = 0; row < part.height(); ++row) {
                auto *line = reinterpret_cast<QRgb *>(part.scanLine(row));
                for (int col = 0; col < part.width(); ++col)
                    if ((line[col] & 0x00ffffff) == mask)
                        line[col] = 0;
            }
        }
        p.drawImage(target, part);
    }
    return skipColumns;
}
