#include "game/wordlistconverter.h"
#include "ui/pictureview.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTest>

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
