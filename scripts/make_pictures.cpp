// Draws the program's pictures. They are committed, so the build never runs this;
// run it after changing a drawing:  make_pictures <source folder>
// It writes resources/pictures/*.png, resources/pictures/about.pic and data/Background.art
// (Qt pictures: the drawing commands themselves, drawn by the program at the screen's
// pixels; the background under the name the program looks for). Nothing here is random from run to run: noise comes from a fixed seed.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// xorshift32: the same noise on every machine.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : m_state(seed) { }
    // -1 .. 1
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return (m_state % 20001) / 10000.0 - 1.0;
    }

private:
    std::uint32_t m_state;
};

QImage blank(int w, int h, double scale = 1)
{
    QImage image(int(std::lround(w * scale)), int(std::lround(h * scale)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Capital letters as strokes in a box 6 units high, so no font is needed and the
// letters look the same wherever the pictures are made. Returns the letter's width.
double letterPath(QPainterPath &path, char letter)
{
    switch (letter) {
    case 'A':
        path.moveTo(0, 6); path.lineTo(1.7, 0); path.lineTo(3.4, 6);
        path.moveTo(0.7, 3.9); path.lineTo(2.7, 3.9);
        return 3.4;
    case 'D':
        path.moveTo(0, 0); path.lineTo(0, 6); path.lineTo(1.3, 6);
        path.cubicTo(3.9, 6, 3.9, 0, 1.3, 0); path.closeSubpath();
        return 3.3;
    case 'E':
        path.moveTo(3, 0); path.lineTo(0, 0); path.lineTo(0, 6); path.lineTo(3, 6);
        path.moveTo(0, 3); path.lineTo(2.4, 3);
        return 3;
    case 'F':
        path.moveTo(3, 0); path.lineTo(0, 0); path.lineTo(0, 6);
        path.moveTo(0, 3); path.lineTo(2.4, 3);
        return 3;
    case 'I':
        path.moveTo(0, 0); path.lineTo(0, 6);
        return 0;
    case 'K':
        path.moveTo(0, 0); path.lineTo(0, 6);
        path.moveTo(3.1, 0); path.lineTo(0, 3.6);
        path.moveTo(1.2, 2.3); path.lineTo(3.2, 6);
        return 3.2;
    case 'L':
        path.moveTo(0, 0); path.lineTo(0, 6); path.lineTo(3, 6);
        return 3;
    case 'M':
        path.moveTo(0, 6); path.lineTo(0, 0); path.lineTo(1.8, 3.8); path.lineTo(3.6, 0); path.lineTo(3.6, 6);
        return 3.6;
    case 'N':
        path.moveTo(0, 6); path.lineTo(0, 0); path.lineTo(3.2, 6); path.lineTo(3.2, 0);
        return 3.2;
    case 'R':
        path.moveTo(0, 6); path.lineTo(0, 0); path.lineTo(1.8, 0);
        path.cubicTo(3.6, 0, 3.6, 3.1, 1.8, 3.1); path.lineTo(0, 3.1);
        path.moveTo(1.6, 3.1); path.lineTo(3.2, 6);
        return 3.2;
    case 'S':
        path.moveTo(3.1, 0.9);
        path.cubicTo(2.5, -0.3, 0.1, -0.3, 0.1, 1.5);
        path.cubicTo(0.1, 3.1, 3.2, 2.7, 3.2, 4.5);
        path.cubicTo(3.2, 6.4, 0.5, 6.4, 0, 5.1);
        return 3.2;
    case 'T':
        path.moveTo(0, 0); path.lineTo(3.6, 0);
        path.moveTo(1.8, 0); path.lineTo(1.8, 6);
        return 3.6;
    case 'U':
        path.moveTo(0, 0); path.lineTo(0, 4.3);
        path.cubicTo(0, 6.5, 3.2, 6.5, 3.2, 4.3); path.lineTo(3.2, 0);
        return 3.2;
    case 'W':
        path.moveTo(0, 0); path.lineTo(1, 6); path.lineTo(2.1, 1.8); path.lineTo(3.2, 6); path.lineTo(4.2, 0);
        return 4.2;
    default:
        return 0;
    }
}

// Strokes a letter centred in 'box', its height a fraction of the box's.
void drawLetter(QPainter &p, char letter, const QRectF &box, const QColor &colour, double heightShare = 0.56)
{
    QPainterPath path;
    const double w = letterPath(path, letter);
    const double scale = box.height() * heightShare / 6.0;
    p.save();
    p.translate(box.center().x() - w * scale / 2, box.center().y() - 3 * scale);
    p.scale(scale, scale);
    QPen pen(colour, 0.95, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

// A rounded plate lit from above: body gradient, thin rim and a gloss over the top half.
void drawGlossyPlate(QPainter &p, const QRectF &r, double radius, const QColor &top, const QColor &bottom,
                     const QColor &rim, int gloss = 110)
{
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0, top);
    body.setColorAt(1, bottom);
    p.setPen(QPen(rim, 1));
    p.setBrush(body);
    p.drawRoundedRect(r, radius, radius);

    const QRectF shine = r.adjusted(2, 1.5, -2, -r.height() * 0.5);
    QLinearGradient glow(shine.topLeft(), shine.bottomLeft());
    glow.setColorAt(0, QColor(255, 255, 255, gloss));
    glow.setColorAt(1, QColor(255, 255, 255, gloss / 6));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(shine, radius - 2, radius - 2);
}

// A letter tile, as on the board of a word game.
void drawTile(QPainter &p, const QRectF &r, const QColor &base, char letter, const QColor &ink, int gloss = 110)
{
    const double radius = r.width() * 0.14;
    drawGlossyPlate(p, r, radius, base.lighter(135), base.darker(130), base.darker(200), gloss);
    if (letter)
        drawLetter(p, letter, r, ink);
}

// A crown of three points, each with a ball, standing on a band; it fills 'r'.
QPainterPath crownPath(const QRectF &r)
{
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    QPainterPath crown, band, balls;
    crown.moveTo(x + 0.06 * w, y + 0.78 * h);
    crown.lineTo(x + 0.00 * w, y + 0.22 * h);
    crown.lineTo(x + 0.27 * w, y + 0.52 * h);
    crown.lineTo(x + 0.50 * w, y + 0.10 * h);
    crown.lineTo(x + 0.73 * w, y + 0.52 * h);
    crown.lineTo(x + 1.00 * w, y + 0.22 * h);
    crown.lineTo(x + 0.94 * w, y + 0.78 * h);
    crown.closeSubpath();
    band.addRect(QRectF(x + 0.06 * w, y + 0.80 * h, 0.88 * w, 0.20 * h));
    const double ball = 0.075 * w;
    balls.addEllipse(QPointF(x + 0.00 * w + ball * 0.3, y + 0.22 * h - ball * 0.6), ball, ball);
    balls.addEllipse(QPointF(x + 0.50 * w, y + 0.10 * h - ball * 0.8), ball * 1.15, ball * 1.15);
    balls.addEllipse(QPointF(x + 1.00 * w - ball * 0.3, y + 0.22 * h - ball * 0.6), ball, ball);
    return crown.united(band).united(balls);
}

void drawCrown(QPainter &p, const QRectF &r, const QColor &light, const QColor &dark, const QColor &jewel)
{
    QLinearGradient gold(r.topLeft(), r.bottomLeft());
    gold.setColorAt(0, light);
    gold.setColorAt(1, dark);
    p.setPen(QPen(dark.darker(170), std::max(1.0, r.width() / 90)));
    p.setBrush(gold);
    p.drawPath(crownPath(r));
    p.setPen(Qt::NoPen);
    p.setBrush(jewel);
    const double stone = r.width() * 0.045;
    for (double fx : {0.28, 0.5, 0.72})
        p.drawEllipse(QPointF(r.x() + fx * r.width(), r.y() + 0.90 * r.height()), stone, stone);
}

// Marker at the head of each keyword row: a gold key on a glossy slate plate.
QImage picture1(double scale)
{
    QImage image = blank(60, 36, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlossyPlate(p, QRectF(0.5, 0.5, 59, 35), 8, QColor(112, 112, 160), QColor(44, 44, 72), QColor(150, 150, 195));

    QPainterPath bow, hole, shaft;
    bow.addEllipse(QPointF(17, 18), 7.5, 7.5);
    hole.addEllipse(QPointF(17, 18), 3.2, 3.2);
    shaft.addRect(QRectF(23.5, 16, 25, 4.2));
    shaft.addRect(QRectF(38, 20, 3.4, 5));
    shaft.addRect(QRectF(44, 20, 3.4, 7));
    const QPainterPath key = bow.united(shaft).subtracted(hole);
    p.translate(0.8, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(key);
    p.translate(-0.8, -1.2);
    QLinearGradient gold(0, 9, 0, 27);
    gold.setColorAt(0, QColor(255, 232, 140));
    gold.setColorAt(1, QColor(200, 150, 40));
    p.setPen(QPen(QColor(110, 80, 20), 0.8));
    p.setBrush(gold);
    p.drawPath(key);
    return image;
}

// Found marker, laid exactly over the row marker: the same plate in green with a check mark.
QImage img20(double scale)
{
    QImage image = blank(60, 36, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlossyPlate(p, QRectF(0.5, 0.5, 59, 35), 8, QColor(80, 200, 110), QColor(0, 96, 40), QColor(150, 230, 160));

    QPainterPath tick;
    tick.moveTo(19, 18.5);
    tick.lineTo(26.5, 26);
    tick.lineTo(41, 10);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 50, 20, 140), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.translate(0.8, 1.2);
    p.drawPath(tick);
    p.translate(-0.8, -1.2);
    p.setPen(QPen(QColor(255, 255, 255), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return image;
}

// Top right of the board; a click minimises the window.
QImage miniPic(double scale)
{
    QImage image = blank(20, 20, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlossyPlate(p, QRectF(0.5, 0.5, 19, 19), 4, QColor(96, 96, 132), QColor(46, 46, 66), QColor(130, 130, 165), 70);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 225, 240));
    p.drawRoundedRect(QRectF(5, 12.5, 10, 3), 1, 1);
    return image;
}

// A box blur of radius 1 over the colour channels, edges clamped.
QImage softened(const QImage &source)
{
    QImage out = source;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int sx = std::clamp(x + dx, 0, source.width() - 1);
                    const int sy = std::clamp(y + dy, 0, source.height() - 1);
                    const QRgb c = source.pixel(sx, sy);
                    r += qRed(c), g += qGreen(c), b += qBlue(c), ++n;
                }
            }
            out.setPixel(x, y, qRgb(r / n, g / n, b / n));
        }
    }
    return out;
}

// One blank letter tile of a keyword row: frosted glass, the letter hidden behind it.
// At a larger scale the frost is the same grain grown smoothly (it is meant to be vague),
// while the tile's outline and shine are drawn at the larger size.
QImage blur(double scale)
{
    const int w = 20, h = 28;
    QImage frost(w, h, QImage::Format_RGB32);
    Noise noise(0x5EED1u);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double t = double(y) / (h - 1);
            const double grain = noise.next() * 16;
            const int r = int(std::lround(std::clamp(196 - 46 * t + grain, 0.0, 255.0)));
            const int g = int(std::lround(std::clamp(200 - 44 * t + grain, 0.0, 255.0)));
            const int b = int(std::lround(std::clamp(218 - 36 * t + grain, 0.0, 255.0)));
            frost.setPixel(x, y, qRgb(r, g, b));
        }
    }
    frost = softened(softened(frost));

    // A shadow under the frost where the letter would be, too vague to read as any letter.
    {
        QPainter p(&frost);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 114, 140, 60));
        p.drawEllipse(QRectF(5.5, 7, 9, 14));
    }
    frost = softened(softened(softened(frost)));
    if (scale != 1)
        frost = frost.scaled(int(std::lround(w * scale)), int(std::lround(h * scale)), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);

    QImage image = blank(w, h, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QRectF body(1, 1, 18, 26);
    QPainterPath shape;
    shape.addRoundedRect(body, 3, 3);
    p.setClipPath(shape);
    p.drawImage(QRectF(0, 0, w, h), frost);
    QLinearGradient shine(0, 1, 0, 14);
    shine.setColorAt(0, QColor(255, 255, 255, 120));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(1, 1, 18, 13), shine);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 74, 96), 1));
    p.drawRoundedRect(body.adjusted(-0.5, -0.5, 0.5, 0.5), 3.5, 3.5);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(QPointF(3.5, 1.5), QPointF(16.5, 1.5));
    return image;
}

// The About window's square: two tones only, kept as drawing commands so its edges
// are drawn smooth at the pixels of any screen.
QPicture about()
{
    const QColor ground(28, 40, 74);
    const QColor gold(236, 196, 80);
    QPicture picture;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, 150, 150), ground);

    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(crownPath(QRectF(27, 10, 96, 58)));
    p.setBrush(ground);
    for (int x : {52, 75, 98})
        p.drawEllipse(QPointF(x + 0.5, 63.5), 3.5, 3.5);

    const char *word = "RAAD";
    for (int i = 0; i < 4; ++i) {
        const QRectF tile(9 + 35 * i, 80, 28, 40);
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawRoundedRect(tile, 4, 4);
        QPainterPath letter;
        const double w = letterPath(letter, word[i]);
        const double scale = 4.2;
        p.save();
        p.translate(tile.center().x() - w * scale / 2, tile.center().y() - 3 * scale);
        p.scale(scale, scale);
        p.setPen(QPen(ground, 4.2 / scale, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(letter);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawRect(QRectF(9, 129, 133, 5));
    for (int i = 0; i < 9; ++i)
        p.drawRect(QRectF(12 + 16 * i, 139, 6, 3));
    p.end();
    picture.setBoundingRect(QRect(0, 0, 150, 150));
    return picture;
}

// The program's icon: a hand of four cards, as in a game of kwartet, spelling RAAD.
QImage icon()
{
    QImage image = blank(256, 256);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QList<QColor> colours{QColor(196, 62, 62), QColor(52, 150, 78), QColor(60, 92, 196), QColor(214, 160, 40)};
    const char *word = "RAAD";
    const QPointF pivot(128, 344);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(-22.5 + 15 * i);
        p.translate(-pivot);
        const QRectF card(95, 98, 66, 116);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(card.translated(3, 4), 10, 10);
        drawGlossyPlate(p, card, 10, colours[i].lighter(130), colours[i].darker(135), colours[i].darker(230), 120);
        p.setPen(QPen(QColor(255, 255, 255, 170), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(card.adjusted(6, 6, -6, -6), 6, 6);
        // Each card hides the right edge of the one before, so the letter keeps to the left.
        const QRectF face = card.adjusted(0, 0, -10, 0);
        drawLetter(p, word[i], face.translated(2, 2.5), QColor(0, 0, 0, 90), 0.42);
        drawLetter(p, word[i], face, QColor(255, 255, 255), 0.42);
        p.restore();
    }
    drawCrown(p, QRectF(82, 22, 92, 62), QColor(255, 236, 150), QColor(196, 140, 30), QColor(200, 40, 50));
    return image;
}

struct PlacedWord
{
    const char *letters;
    int column;
    int row;
    bool down;
};

// Decoration for the lower right of the board, behind the grid: a crossword of muted
// tiles with a crown, fading out towards the edges so it melts into the board colour.
// Kept as drawing commands, so the program draws it at the pixels of any screen.
QPicture background()
{
    const int w = 380, h = 560;
    QPicture picture;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // The fades below work on what is drawn, so the picture is drawn on a clear layer.
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(0, 0, w, h), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // The grid's slots cover the top left of the picture, so the words keep to the
    // right there and spread out lower down.
    const QList<PlacedWord> words{
        {"KWARTET", 5, 0, true}, {"RAAD", 4, 2, false}, {"TREF", 5, 6, false}, {"EIND", 7, 6, true},
        {"TEKEN", 3, 8, false}, {"SLEUTEL", 3, 4, true},
    };
    const QList<QColor> tones{QColor(92, 58, 62), QColor(52, 86, 66), QColor(56, 64, 104), QColor(96, 84, 50)};
    const int pitch = 39, tileSize = 34, originX = 20, originY = 14;
    QSet<int> drawn;
    int wordNumber = 0;
    for (const PlacedWord &word : words) {
        const QColor tone = tones[wordNumber++ % tones.size()];
        for (int i = 0; word.letters[i]; ++i) {
            const int column = word.column + (word.down ? 0 : i);
            const int row = word.row + (word.down ? i : 0);
            if (drawn.contains(row * 100 + column))
                continue; // a crossing letter keeps the first word's tile
            drawn.insert(row * 100 + column);
            const QRectF tile(originX + column * pitch, originY + row * pitch, tileSize, tileSize);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 80));
            p.drawRoundedRect(tile.translated(2, 3), 5, 5);
            drawTile(p, tile, tone, word.letters[i], QColor(190, 190, 205, 150), 40);
        }
    }
    drawCrown(p, QRectF(218, 430, 140, 92), QColor(150, 126, 70), QColor(84, 66, 32), QColor(110, 44, 50));

    // Fade: nothing at the picture's own edges, full strength a little way in, each edge
    // a smooth step over its band; the whole at two thirds of its strength.
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.setPen(Qt::NoPen);
    auto fade = [&](const QRectF &band, QPointF from, QPointF to) {
        QLinearGradient ramp(from, to);
        for (int i = 0; i <= 8; ++i) {
            const double t = i / 8.0;
            ramp.setColorAt(t, QColor(0, 0, 0, int(std::lround(255 * t * t * (3 - 2 * t)))));
        }
        p.fillRect(band, ramp);
    };
    fade(QRectF(0, 0, 40, h), QPointF(0, 0), QPointF(40, 0));
    fade(QRectF(w - 24, 0, 24, h), QPointF(w, 0), QPointF(w - 24, 0));
    fade(QRectF(0, 0, w, 70), QPointF(0, 0), QPointF(0, 70));
    fade(QRectF(0, h - 24, w, 24), QPointF(0, h), QPointF(0, h - 24));
    p.fillRect(QRectF(0, 0, w, h), QColor(0, 0, 0, 168));
    p.end();
    picture.setBoundingRect(QRect(0, 0, w, h));
    return picture;
}

bool save(const QImage &image, const QString &path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

bool savePicture(QPicture picture, const QString &path)
{
    if (!picture.save(path)) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d drawing, %u bytes\n", qPrintable(path), picture.boundingRect().width(),
                picture.boundingRect().height(), picture.size());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <source folder>\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const QString pictures = source.filePath(QStringLiteral("resources/pictures"));
    if (!QDir().mkpath(pictures))
        return 1;
    // The board's small pictures also come four times as large, for scaled screens.
    bool ok = true;
    for (const double scale : {1.0, 4.0}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@4x.png");
        ok = ok && save(picture1(scale), pictures + QStringLiteral("/picture1") + suffix)
            && save(img20(scale), pictures + QStringLiteral("/img20") + suffix)
            && save(miniPic(scale), pictures + QStringLiteral("/minipic") + suffix)
            && save(blur(scale), pictures + QStringLiteral("/blur") + suffix);
    }
    ok = ok
        && savePicture(about(), pictures + QStringLiteral("/about.pic"))
        && save(icon(), pictures + QStringLiteral("/icon.png"))
        && savePicture(background(), source.filePath(QStringLiteral("data/Background.art")));
    return ok ? 0 : 1;
}
