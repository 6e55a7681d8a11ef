// Pixels of the button face as grab() shows them: border, corners, gradients, the pressed and
// focused extras, the window shape, the caption colour and the picture frames.
#include "controls/vistabutton.h"
#include "controls/vistaface.h"
#include "controls/vistapalette.h"

#include <QFocusEvent>
#include <QPainter>
#include <QtTest>

namespace {

class FaceButton : public VistaButton
{
public:
    using VistaButton::VistaButton;
    bool isMouseOver() const override { return m_over; }
    bool m_over = false;
};

// Puts the button into the state the way a user would: pointer, press, focus, Enabled.
void enterState(FaceButton &b, int state)
{
    switch (state) {
    case 1:
        b.m_over = true;
        // Two moves: a move to where the pointer already is would not be delivered.
        QTest::mouseMove(&b, QPoint(b.width() / 2 - 1, b.height() / 2));
        QTest::mouseMove(&b, QPoint(b.width() / 2, b.height() / 2));
        break;
    case 2:
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(b.width() / 2, b.height() / 2));
        break;
    case 3: {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&b, &in);
        break;
    }
    case 4:
        b.setEnabled(false);
        break;
    default:
        break;
    }
}

// A window holding one button, which leaves the focus alone so that the states stay as set.
struct Stage
{
    explicit Stage(QSize size)
        : button(&holder)
    {
        holder.resize(size + QSize(20, 20));
        button.setFocusPolicy(Qt::NoFocus);
        button.setCaption(QString());
        button.setGeometry(QRect(QPoint(10, 10), size));
    }
    // QTest remembers a held button across tests; let go of it.
    ~Stage()
    {
        if (button.mouseIsDown())
            QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(1, 1));
    }
    bool show()
    {
        holder.show();
        return QTest::qWaitForWindowExposed(&holder);
    }
    QWidget holder;
    FaceButton button;
};

QImage grabImage(QWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QString rgbText(QRgb c)
{
    return QStringLiteral("%1,%2,%3 alpha %4").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)).arg(qAlpha(c));
}

// Compares one pixel, naming the place and both colours when they differ.
bool pixelIs(const QImage &img, int x, int y, QRgb expected, const char *what)
{
    const QRgb got = img.pixel(x, y);
    if (got == (expected | 0xff000000))
        return true;
    qWarning("%s at (%d, %d): got %s, expected %s", what, x, y, qPrintable(rgbText(got)),
             qPrintable(rgbText(expected | 0xff000000)));
    return false;
}

QFont crispFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

} // namespace

class TestVistaButtonFace : public QObject
{
    Q_OBJECT

private slots:
    void boundaryRoundsToNearest_data();
    void boundaryRoundsToNearest();
    void faceFollowsStatePalette_data();
    void faceFollowsStatePalette();
    void outerCornersNeverShow();
    void noBackgroundShowsFaceOnlyWhenHoveredOrPressed_data();
    void noBackgroundShowsFaceOnlyWhenHoveredOrPressed();
    void captionColourFollowsEnabled_data();
    void captionColourFollowsEnabled();
    void longCaptionWrapsAsCentredBlock();
    void pictureFrameFollowsPicturesAndEnabled_data();
    void pictureFrameFollowsPicturesAndEnabled();
    void pictureIsClippedToMargin();
    void pictureMovesByOffsetWhilePressed();
};

void TestVistaButtonFace::boundaryRoundsToNearest_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("boundary");
    QTest::newRow("22") << 22 << 10;
    QTest::newRow("23 (10.45)") << 23 << 10;
    QTest::newRow("24 (10.91)") << 24 << 11;
    QTest::newRow("17 (7.73)") << 17 << 8;
    QTest::newRow("31 (14.09)") << 31 << 14;
    QTest::newRow("43 (19.55)") << 43 << 20;
}

void TestVistaButtonFace::boundaryRoundsToNearest()
{
    QFETCH(int, height);
    QFETCH(int, boundary);
    QCOMPARE(VistaFace::boundary(height), boundary);
    QCOMPARE(VistaFace::roundHalfEven(2.5), 2);
    QCOMPARE(VistaFace::roundHalfEven(3.5), 4);
    QCOMPARE(VistaFace::roundHalfEven(-2.5), -2);
}

void TestVistaButtonFace::faceFollowsStatePalette_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QSize>("size");
    const char *names[] = {"normal", "hover", "pressed", "focused", "disabled"};
    for (const QSize size : {QSize(66, 22), QSize(90, 31), QSize(40, 17)})
        for (int state = 0; state < 5; ++state)
            QTest::addRow("%s %dx%d", names[state], size.width(), size.height()) << state << size;
}

void TestVistaButtonFace::faceFollowsStatePalette()
{
    QFETCH(int, state);
    QFETCH(QSize, size);
    Stage stage(size);
    FaceButton &b = stage.button;
    QVERIFY(stage.show());
    enterState(b, state);
    QCOMPARE(b.state(), state);
    const QImage img = grabImage(b);
    const VistaPalette &pal = VistaPalette::forState(state);
    const int w = size.width();
    const int h = size.height();
    const int m = VistaFace::boundary(h);
    const int mid = w / 2;

    // Border, inner lines and corner pixels.
    for (int x = 3; x <= w - 4; ++x) {
        QVERIFY(pixelIs(img, x, 0, pal.c[0], "top border"));
        QVERIFY(pixelIs(img, x, h - 1, pal.c[0], "bottom border"));
        QVERIFY(pixelIs(img, x, 1, pal.c[1], "top inner line"));
        QVERIFY(pixelIs(img, x, h - 2, pal.c[20], "bottom inner line"));
    }
    for (int y = 4; y <= h - 4; ++y) {
        QVERIFY(pixelIs(img, 0, y, pal.c[0], "left border"));
        QVERIFY(pixelIs(img, w - 1, y, pal.c[0], "right border"));
    }
    const int upper[10][3] = {{1, 0, 2}, {2, 0, 3}, {0, 1, 4}, {1, 1, 5}, {2, 1, 6},
                              {0, 2, 7}, {1, 2, 8}, {2, 2, 9}, {0, 3, 10}, {1, 3, 11}};
    for (const auto &c : upper) {
        QVERIFY(pixelIs(img, c[0], c[1], pal.c[c[2]], "upper left corner"));
        QVERIFY(pixelIs(img, w - 1 - c[0], c[1], pal.c[c[2]], "upper right corner"));
    }
    const int lower[8][3] = {{1, h - 1, 12}, {2, h - 1, 13}, {0, h - 2, 14}, {1, h - 2, 15},
                             {2, h - 2, 16}, {0, h - 3, 17}, {1, h - 3, 18}, {2, h - 3, 19}};
    for (const auto &c : lower) {
        QVERIFY(pixelIs(img, c[0], c[1], pal.c[c[2]], "lower left corner"));
        QVERIFY(pixelIs(img, w - 1 - c[0], c[1], pal.c[c[2]], "lower right corner"));
    }

    // Gradient end rows. The focused glow covers rows 2 and h-3; the face shows there in
    // every other state.
    if (state != 3) {
        QVERIFY(pixelIs(img, mid, 2, pal.g[0], "upper face, first row"));
        QVERIFY(pixelIs(img, mid, h - 3, pal.g[3], "lower face, last row"));
    }
    QVERIFY(pixelIs(img, mid, m - 1, pal.g[1], "upper face, last row"));
    QVERIFY(pixelIs(img, mid, m, pal.g[2], "lower face, first row"));
    // Row 3 of the edges lies under corner pixels; the other end rows show.
    for (int x : {1, w - 2}) {
        QVERIFY(pixelIs(img, x, m - 1, pal.g[5], "upper edge, last row"));
        QVERIFY(pixelIs(img, x, m, pal.g[6], "lower edge, first row"));
        QVERIFY(pixelIs(img, x, h - 4, pal.g[7], "lower edge, last row"));
    }
    if (m - 1 > 4)
        QVERIFY(pixelIs(img, 1, 4, img.pixel(w - 2, 4) & 0xffffff, "edges mirror each other"));

    // The extras of the pressed and focused states, and their absence elsewhere.
    if (state == 2) {
        // Rows 1 and h-2 of the shading lie under the inner border lines drawn after them.
        for (int x = 3; x <= 6; ++x) {
            QVERIFY(pixelIs(img, x, 2, qRgb(220, 237, 246), "shading row 2, left"));
            QVERIFY(pixelIs(img, w - 1 - x, 2, qRgb(220, 237, 246), "shading row 2, right"));
            QVERIFY(pixelIs(img, x, h - 3, qRgb(109, 181, 220), "shading row h-3"));
        }
        QVERIFY(pixelIs(img, 7, 2, pal.g[0], "face after the shading"));
        QVERIFY(pixelIs(img, w - 1 - 7, h - 3, pal.g[3], "no shading on the lower right"));
        QVERIFY(pixelIs(img, 2, 3, qRgb(220, 237, 245), "shading pixel left"));
        QVERIFY(pixelIs(img, w - 3, 3, qRgb(220, 237, 245), "shading pixel right"));
    } else if (state == 3) {
        for (int x = 3; x <= w - 4; ++x) {
            QVERIFY(pixelIs(img, x, 2, qRgb(166, 233, 251), "glow row 2"));
            QVERIFY(pixelIs(img, x, h - 3, qRgb(132, 213, 239), "glow row h-3"));
        }
        for (int x : {2, w - 3}) {
            QVERIFY(pixelIs(img, x, 3, qRgb(165, 232, 251), "glow column, first row"));
            QVERIFY(pixelIs(img, x, m - 1, qRgb(161, 230, 249), "glow column, upper last row"));
            QVERIFY(pixelIs(img, x, m, qRgb(146, 222, 245), "glow column, lower first row"));
            QVERIFY(pixelIs(img, x, h - 4, qRgb(133, 213, 240), "glow column, last row"));
        }
        QVERIFY(pixelIs(img, 3, m - 1, pal.g[1], "face beside the glow column"));
    } else {
        // No extras: the face's own colours reach rows 2 and h-3 and the column x = 2.
        QVERIFY(pixelIs(img, 4, 2, pal.g[0], "no shading"));
        QVERIFY(pixelIs(img, 2, m - 1, pal.g[1], "no glow column"));
        QVERIFY(pixelIs(img, 2, h - 3, pal.c[19], "corner pixel"));
        QVERIFY(pixelIs(img, 3, h - 3, pal.g[3], "no glow row"));
    }
}

void TestVistaButtonFace::outerCornersNeverShow()
{
    QWidget holder;
    holder.resize(120, 60);
    holder.setAutoFillBackground(true);
    QPalette red;
    red.setColor(QPalette::Window, QColor(200, 0, 0));
    holder.setPalette(red);
    FaceButton b(&holder);
    b.setGeometry(10, 10, 66, 22);
    holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holder));
    for (int state = 0; state < 5; ++state) {
        enterState(b, state);
        const QImage img = grabImage(holder);
        const QRgb border = VistaPalette::forState(b.state()).c[0];
        for (const QPoint corner : {QPoint(0, 0), QPoint(65, 0), QPoint(0, 21), QPoint(65, 21)}) {
            QVERIFY(!b.mask().contains(corner));
            QVERIFY(pixelIs(img, 10 + corner.x(), 10 + corner.y(), qRgb(200, 0, 0), "outer corner"));
        }
        QVERIFY(pixelIs(img, 10 + 5, 10, border, "border beside the corner"));
    }
    QTest::mouseRelease(&holder, Qt::LeftButton, {}, QPoint(1, 1));
    // The shape follows a resize.
    b.resize(50, 30);
    QVERIFY(!b.mask().contains(QPoint(49, 29)));
    QVERIFY(b.mask().contains(QPoint(48, 29)));
    QCOMPARE(b.mask().boundingRect(), QRect(0, 0, 50, 30));
}

void TestVistaButtonFace::noBackgroundShowsFaceOnlyWhenHoveredOrPressed_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("faceShown");
    QTest::newRow("normal") << 0 << false;
    QTest::newRow("hover") << 1 << true;
    QTest::newRow("pressed") << 2 << true;
    QTest::newRow("focused") << 3 << false;
    QTest::newRow("disabled") << 4 << false;
}

void TestVistaButtonFace::noBackgroundShowsFaceOnlyWhenHoveredOrPressed()
{
    QFETCH(int, state);
    QFETCH(bool, faceShown);
    Stage stage(QSize(66, 22));
    FaceButton &b = stage.button;
    b.setNoBackground(true);
    b.setBackColor(QColor(70, 70, 90));
    QVERIFY(stage.show());
    enterState(b, state);
    const QImage img = grabImage(b);
    const VistaPalette &pal = VistaPalette::forState(state);
    if (faceShown) {
        QVERIFY(pixelIs(img, 5, 0, pal.c[0], "border"));
        QVERIFY(pixelIs(img, 33, 9, pal.g[1], "face"));
    } else {
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 66; ++x)
                if (b.mask().contains(QPoint(x, y)))
                    QVERIFY(pixelIs(img, x, y, qRgb(70, 70, 90), "plain background"));
    }
}

void TestVistaButtonFace::captionColourFollowsEnabled_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("noBackground");
    QTest::addColumn<QRgb>("ink");
    QTest::newRow("enabled") << true << false << qRgb(200, 30, 40);
    QTest::newRow("disabled") << false << false << qRgb(131, 131, 131);
    QTest::newRow("disabled, no background") << false << true << qRgb(131, 131, 131);
}

void TestVistaButtonFace::captionColourFollowsEnabled()
{
    QFETCH(bool, enabled);
    QFETCH(bool, noBackground);
    QFETCH(QRgb, ink);
    FaceButton b;
    b.setFont(crispFont());
    b.setForeColor(QColor(200, 30, 40));
    b.setNoBackground(noBackground);
    b.resize(66, 22);
    b.setEnabled(enabled);
    b.setCaption(QString());
    const QImage plain = grabImage(b);
    b.setCaption(QStringLiteral("Wijzig"));
    const QImage text = grabImage(b);
    int inked = 0;
    for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 66; ++x) {
            if (plain.pixel(x, y) == text.pixel(x, y))
                continue;
            ++inked;
            QVERIFY(x >= 3 && x < 63);
            QVERIFY(pixelIs(text, x, y, ink, "caption"));
        }
    }
    QVERIFY(inked > 20);
}

void TestVistaButtonFace::longCaptionWrapsAsCentredBlock()
{
    FaceButton b;
    b.setFont(crispFont());
    b.resize(66, 60);
    b.setCaption(QString());
    const QImage plain = grabImage(b);
    b.setCaption(QStringLiteral("Woorden toevoegen aan lijst"));
    const QImage text = grabImage(b);
    int top = 60;
    int bottom = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 66; ++x)
            if (plain.pixel(x, y) != text.pixel(x, y)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const QFontMetrics fm(crispFont());
    QVERIFY2(bottom - top + 1 > 2 * fm.height(), "the caption wraps to at least three lines");
    // Ascent and descent differ, so the ink is centred only up to the font's descent.
    QVERIFY(qAbs(top - (59 - bottom)) <= fm.descent() + 1);
}

void TestVistaButtonFace::pictureFrameFollowsPicturesAndEnabled_data()
{
    QTest::addColumn<int>("pictures");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("useMask");
    QTest::addColumn<int>("left");
    QTest::addColumn<QRgb>("first");
    QTest::addColumn<bool>("maskShowsFace");
    QTest::newRow("two frames, enabled: first") << 2 << true << true << 28 << qRgb(0, 0, 200) << true;
    QTest::newRow("two frames, disabled: second") << 2 << false << true << 28 << qRgb(200, 0, 0) << false;
    QTest::newRow("no mask: green shows") << 2 << true << false << 28 << qRgb(0, 0, 200) << false;
    QTest::newRow("one frame: whole picture") << 1 << true << true << 23 << qRgb(0, 0, 200) << true;
    QTest::newRow("one frame, disabled: still first") << 1 << false << true << 23 << qRgb(0, 0, 200) << true;
}

void TestVistaButtonFace::pictureFrameFollowsPicturesAndEnabled()
{
    QFETCH(int, pictures);
    QFETCH(bool, enabled);
    QFETCH(bool, useMask);
    QFETCH(int, left);
    QFETCH(QRgb, first);
    QFETCH(bool, maskShowsFace);
    // Two 10 x 10 frames: blue with one mask-green column, then red.
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(QColor(200, 0, 0));
    QPainter(&picture).fillRect(0, 0, 10, 10, QColor(0, 0, 200));
    QPainter(&picture).fillRect(4, 0, 1, 10, QColor(0, 255, 0));

    FaceButton b;
    b.setCaption(QString());
    b.resize(66, 22);
    b.setEnabled(enabled);
    const QImage face = grabImage(b);
    b.setPicture(picture);
    b.setPictures(pictures);
    b.setUseMaskColor(useMask);
    const QImage img = grabImage(b);

    const int top = 6;
    QVERIFY(pixelIs(img, left, top, first, "first column of the frame"));
    QVERIFY(pixelIs(img, left - 1, top, face.pixel(left - 1, top) & 0xffffff, "left of the frame"));
    QVERIFY(pixelIs(img, left, top - 1, face.pixel(left, top - 1) & 0xffffff, "above the frame"));
    QVERIFY(pixelIs(img, left, top + 10, face.pixel(left, top + 10) & 0xffffff, "below the frame"));
    if (first == qRgb(0, 0, 200)) {
        const QRgb maskPixel = maskShowsFace ? face.pixel(left + 4, top + 3) & 0xffffff : qRgb(0, 255, 0);
        QVERIFY(pixelIs(img, left + 4, top + 3, maskPixel, "mask column"));
    }
    const int width = pictures == 2 ? 10 : 20;
    QVERIFY(pixelIs(img, left + width, top, face.pixel(left + width, top) & 0xffffff, "right of the frame"));
    if (pictures == 1)
        QVERIFY(pixelIs(img, left + 10, top, qRgb(200, 0, 0), "second half of a single frame"));
}

void TestVistaButtonFace::pictureIsClippedToMargin()
{
    // Every pixel tells its own column (red) and row (green).
    QImage picture(80, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            picture.setPixel(x, y, qRgb(x, y, 100));
    FaceButton b;
    b.setCaption(QString());
    b.resize(66, 22);
    b.setPictures(1);
    const QImage face = grabImage(b);
    b.setPicture(picture);
    const QImage img = grabImage(b);

    // Placed at x = -7, y = -4: pushed to (3, 3), losing 10 columns and 7 rows, and cut 3
    // pixels before the right and bottom edges.
    QVERIFY(pixelIs(img, 3, 3, qRgb(10, 7, 100), "first visible pixel"));
    QVERIFY(pixelIs(img, 62, 18, qRgb(69, 22, 100), "last visible pixel"));
    QVERIFY(pixelIs(img, 63, 10, face.pixel(63, 10) & 0xffffff, "right margin"));
    QVERIFY(pixelIs(img, 30, 19, face.pixel(30, 19) & 0xffffff, "bottom margin"));
    QVERIFY(pixelIs(img, 2, 10, face.pixel(2, 10) & 0xffffff, "left margin"));
    QVERIFY(pixelIs(img, 30, 2, face.pixel(30, 2) & 0xffffff, "top margin"));
}

void TestVistaButtonFace::pictureMovesByOffsetWhilePressed()
{
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 200));
    Stage stage(QSize(66, 22));
    FaceButton &b = stage.button;
    b.setPictures(1);
    b.setPicture(picture);
    b.setPictureOffset(2);
    QVERIFY(stage.show());
    QVERIFY(pixelIs(grabImage(b), 28, 6, qRgb(0, 0, 200), "resting place"));
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    const QImage pressed = grabImage(b);
    QVERIFY(pixelIs(pressed, 30, 8, qRgb(0, 0, 200), "moved frame"));
    QVERIFY(pressed.pixel(29, 7) != qRgb(0, 0, 200));
    QVERIFY(pixelIs(pressed, 39, 17, qRgb(0, 0, 200), "moved frame, last pixel"));
}

QTEST_MAIN(TestVistaButtonFace)
#include "tst_vistabuttonface.moc"
