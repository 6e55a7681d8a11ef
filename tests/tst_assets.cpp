#include "game/wordlistconverter.h"
#include "ui/paintpanel.h"
#include "ui/pictureview.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A drawing of 'size' with shapes across it, smoothed, so cut edges show.
bool savedDrawing(const QString &path, const QSize &size)
{
    QPicture picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGreen, 3));
    painter.setBrush(QColor(200, 120, 40));
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    painter.drawEllipse(QRect(QPoint(0, 0), size).adjusted(size.width() / 7, size.height() / 5, 0, 0));
    painter.drawLine(QPoint(0, size.height() - 1), QPoint(size.width() - 1, 0));
    painter.end();
    return picture.save(path);
}

QColor tileColour(int column, int row)
{
    return QColor(40 + 90 * column, 200 - 70 * row, 120);
}

// A picture in pixels of 'size', in square tiles of 'tile' pixels coloured by their place,
// with a smooth run across each so sizing shows.
bool savedPixels(const QString &path, const QSize &size, int tile)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QColor base = tileColour(x / tile % 3, y / tile % 3);
            image.setPixelColor(x, y, tile > 1 ? base : base.lighter(100 + (x * 7 + y * 3) % 60));
        }
    }
    return image.save(path, "PNG");
}

// A drawing or a picture in pixels saved in a folder of its own, and a view in a window of
// 400 x 300 that has not read it yet.
struct SavedPictureInWindow {
    SavedPictureInWindow(bool drawing, const QSize &design, int tile)
        : path(folder.filePath("picture"))
        , saved(drawing ? savedDrawing(path, design) : savedPixels(path, design, tile))
        , view(new PictureView(&window))
    {
        window.resize(400, 300);
    }
    QTemporaryDir folder;
    QString path;
    bool saved;
    QWidget window;
    PictureView *view;
};

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT
private slots:
    // The background and the About square are drawings: at any scale they are drawn anew at
    // the device's pixels, pixel for pixel as the drawing itself gives them, never a small
    // picture stretched. A picture in another format is shrunk or stretched smoothly. A
    // missing or unreadable picture shows nothing, not even an empty frame on the board.
    void picturesAreDrawnAtTheDevicesPixels_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("design"); // none: nothing to show
        QTest::addColumn<double>("scale");
        QTest::newRow("background, 3840 x 2160") << RAADKWARTET_DATA_DIR "/Background.art" << QSize(380, 560) << 2.109375;
        QTest::newRow("about, twice") << ":/pictures/about.pic" << QSize(150, 150) << 2.0;
        QTest::newRow("raster picture") << ":/pictures/picture1.png" << QSize(60, 36) << 3.0;
        // Bytes that are no picture: what a missing file also gives.
        QTest::newRow("no picture") << RAADKWARTET_DATA_DIR "/Puzzel.lib" << QSize() << 1.0;
    }
    void picturesAreDrawnAtTheDevicesPixels()
    {
        QFETCH(QString, path);
        QFETCH(QSize, design);
        QFETCH(double, scale);
        PictureView view;
        QCOMPARE(view.load(path), design.isValid());
        QCOMPARE(view.isHidden(), !design.isValid());
        view.setScale(scale);
        view.resize(view.sizeHint());
        view.renderAhead();
        const QSize pixels = (QSizeF(design) * scale).toSize();
        QImage expected;
        QPicture picture;
        if (picture.load(path)) {
            expected = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            expected.fill(Qt::transparent);
            QPainter painter(&expected);
            painter.scale(double(pixels.width()) / design.width(), double(pixels.height()) / design.height());
            painter.drawPicture(0, 0, picture);
        } else if (design.isValid()) {
            expected = QImage(path).scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        QCOMPARE(view.shown().convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
    }

    // A picture on a panel (the board's row markers and key tiles) lands on the device
    // pixels its place covers, at every pixel ratio a screen may have (QT_SCALE_FACTOR) and
    // any scale of the board: the ratio is counted once.
    void panelPicturesLandOnTheirPlace_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("scale");
        QTest::newRow("ratio 1") << 1.0 << 1.0;
        QTest::newRow("ratio 1.5, scaled board") << 1.5 << 1.40625;
        QTest::newRow("ratio 2") << 2.0 << 1.0;
    }
    void panelPicturesLandOnTheirPlace()
    {
        QFETCH(double, ratio);
        QFETCH(double, scale);
        QImage marker(60, 36, QImage::Format_RGB32);
        marker.fill(QColor(200, 40, 40));
        PaintPanel panel;
        panel.setBackColor(Qt::black);
        panel.resize(200, 100);
        panel.setScale(scale);
        panel.resize((QSizeF(200, 100) * scale).toSize());
        panel.drawImage(QRect(80, 40, 60, 36), marker);
        QImage shown((QSizeF(panel.size()) * ratio).toSize(), QImage::Format_RGB32);
        shown.setDevicePixelRatio(ratio);
        panel.render(&shown);
        const QRect place = QRectF(QPointF(80, 40) * scale * ratio, QSizeF(60, 36) * scale * ratio).toAlignedRect();
        const QRgb red = qRgb(200, 40, 40);
        for (const QPoint at : {place.topLeft(), place.bottomRight(), place.center()})
            QVERIFY2(shown.pixel(at) == red, qPrintable(QStringLiteral("%1,%2").arg(at.x()).arg(at.y())));
        for (const QPoint at : {place.topLeft() - QPoint(1, 1), place.bottomRight() + QPoint(1, 1)})
            QVERIFY2(shown.pixel(at) == qRgb(0, 0, 0), qPrintable(QStringLiteral("%1,%2").arg(at.x()).arg(at.y())));
    }

    // A picture that reaches past the window it lies in is drawn only where it shows, pixel
    // for pixel as that part of the whole: a large one drawn whole would take gigabytes and
    // seconds before the first paint.
    void picturesAreDrawnOnlyWhereTheyShow_data()
    {
        QTest::addColumn<bool>("drawing"); // else a picture in pixels
        QTest::addColumn<QSize>("design");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("place"); // in a window of 400 x 300
        QTest::addColumn<QRect>("shown");  // in the view's own pixels
        QTest::newRow("drawing past the right and bottom")
            << true << QSize(1000, 800) << 1.0 << QPoint(100, 50) << QRect(0, 0, 300, 250);
        QTest::newRow("drawing at twice its size past all four sides")
            << true << QSize(1000, 800) << 2.0 << QPoint(-150, -100) << QRect(150, 100, 400, 300);
        QTest::newRow("picture in pixels past the right and bottom")
            << false << QSize(120, 90) << 3.0 << QPoint(220, 160) << QRect(0, 0, 180, 140);
        QTest::newRow("drawing wholly outside") << true << QSize(100, 100) << 1.0 << QPoint(400, 0) << QRect();
    }
    void picturesAreDrawnOnlyWhereTheyShow()
    {
        QFETCH(bool, drawing);
        QFETCH(QSize, design);
        QFETCH(double, scale);
        QFETCH(QPoint, place);
        QFETCH(QRect, shown);
        SavedPictureInWindow saved(drawing, design, 1);
        QVERIFY(saved.saved);
        const QString &path = saved.path;
        PictureView *view = saved.view;
        QVERIFY(view->load(path));
        view->setScale(scale);
        view->resize(view->sizeHint());
        view->move(place);
        view->renderAhead();
        QImage whole;
        if (shown.isValid()) {
            PictureView alone;
            QVERIFY(alone.load(path));
            alone.setScale(scale);
            alone.resize(alone.sizeHint());
            whole = alone.shown().copy(shown);
        }
        QCOMPARE(view->shown().convertToFormat(QImage::Format_ARGB32), whole.convertToFormat(QImage::Format_ARGB32));
    }

    // Beyond what any screen holds a picture is not shown at all; a picture in pixels that
    // would grow past 64 MB is cut to the part that shows before it is sized.
    // A file far larger than any picture is taken for none, unread: a picture followed by a
    // gigabyte of anything would cost seconds and the memory to hold it before the board shows.
    void hugeFilesAreNoPicture()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Background.art"));
        QImage small(10, 10, QImage::Format_RGB32);
        small.fill(Qt::red);
        QVERIFY(small.save(path, "PNG"));
        PictureView view;
        QVERIFY(view.load(path));
        QFile file(path);
        QVERIFY(file.resize(PictureView::largestFile + 1));
        QVERIFY(!view.load(path));
    }

    void hugePicturesStayWithinTheScreen_data()
    {
        QTest::addColumn<bool>("drawing");
        QTest::addColumn<QSize>("design");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("shown"); // none: not shown
        QTest::newRow("drawing wider than 16384") << true << QSize(16385, 100) << 1.0 << QSize();
        QTest::newRow("drawing almost 16384 square, in its window") << true << QSize(16370, 16370) << 1.0 << QSize(400, 300);
        QTest::newRow("picture in pixels taller than 16384") << false << QSize(10, 16385) << 1.0 << QSize();
        QTest::newRow("picture in pixels grown to 9000 square") << false << QSize(3000, 3000) << 3.0 << QSize(400, 300);
    }
    void hugePicturesStayWithinTheScreen()
    {
        QFETCH(bool, drawing);
        QFETCH(QSize, design);
        QFETCH(double, scale);
        QFETCH(QSize, shown);
        SavedPictureInWindow saved(drawing, design, 100);
        QVERIFY(saved.saved);
        PictureView *view = saved.view;
        QCOMPARE(view->load(saved.path), shown.isValid());
        if (!shown.isValid())
            return;
        view->setScale(scale);
        view->resize(view->sizeHint());
        const QImage image = view->shown();
        QCOMPARE(image.size(), shown);
        if (!drawing) {
            // The picture's top-left tile, grown three times, fills the part that shows.
            QCOMPARE(image.pixelColor(150, 150), tileColour(0, 0));
            QCOMPARE(image.pixelColor(350, 150), tileColour(1, 0));
        }
    }

    void converterKeepsOnlyWhatTheSearchCanFind_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        // A dropped capital form is no duplicate of the lower-case word after it.
        QTest::newRow("byte order mark, capitals, line ends, empty lines, duplicates, no last line end")
            << QByteArray("\xEF\xBB\xBF" "appel\nAmsterdam\nappeL\r\n\r\n\nKat\nkat\r\nappel\nkat")
            << QByteArray("appel\r\nkat\r\n");
        QTest::newRow("accents and euro sign to one byte; digits, blanks, apostrophes, hyphens kept; outside the "
                      "code page or broken UTF-8 dropped")
            << QByteArray("caf\xC3\xA9\n\xE2\x82\xAC-teken\n06-nummer\n\xC3\xA0 la carte\nauto's\n"
                          "\xC5\x82\xC3\xB3" "d\xC5\xBA\nka\xFFt\n")
            << QByteArray("caf\xE9\r\n\x80-teken\r\n06-nummer\r\n\xE0 la carte\r\nauto's\r\n");
    }
    // What is kept makes the count the search window's title shows, beside the list.
    void converterKeepsOnlyWhatTheSearchCanFind()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        WordListConverter converter;
        QCOMPARE(converter.convert(input), output);
        QCOMPARE(converter.kept(), output.count("\r\n"));
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
