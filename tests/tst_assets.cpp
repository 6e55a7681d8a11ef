#include "game/wordlistconverter.h"

#include <QImage>
#include <QSet>
#include <QTest>

class TestAssets : public QObject
{
    Q_OBJECT
private slots:
    void picturesLoadAtTheSizesTheBoardUses_data();
    void picturesLoadAtTheSizesTheBoardUses();
    void aboutPictureHasExactlyTwoColours();
    void foundMarkerHidesTheRowMarkerCompletely();
    void converterKeepsOnlyWhatTheSearchCanFind_data();
    void converterKeepsOnlyWhatTheSearchCanFind();
};

void TestAssets::picturesLoadAtTheSizesTheBoardUses_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Picture1") << ":/pictures/picture1.png" << QSize(60, 36);
    QTest::newRow("Blur") << ":/pictures/blur.png" << QSize(20, 28);
    QTest::newRow("Img20") << ":/pictures/img20.png" << QSize(60, 36);
    QTest::newRow("MiniPic") << ":/pictures/minipic.png" << QSize(20, 20);
    QTest::newRow("About") << ":/pictures/about.png" << QSize(150, 150);
    QTest::newRow("icon") << ":/pictures/icon.png" << QSize(256, 256);
    QTest::newRow("Background.art") << QStringLiteral(RAADKWARTET_DATA_DIR "/Background.art") << QSize(380, 560);
}

void TestAssets::picturesLoadAtTheSizesTheBoardUses()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QCOMPARE(QImage(path).size(), size);
}

void TestAssets::aboutPictureHasExactlyTwoColours()
{
    const QImage image = QImage(QStringLiteral(":/pictures/about.png")).convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    QCOMPARE(colours.size(), 2);
    for (QRgb c : colours)
        QCOMPARE(qAlpha(c), 255);
}

// Img20 is laid over Picture1; wherever the row marker shows, the found marker must be
// at least as opaque, or the old marker would shine through.
void TestAssets::foundMarkerHidesTheRowMarkerCompletely()
{
    const QImage marker = QImage(QStringLiteral(":/pictures/picture1.png")).convertToFormat(QImage::Format_ARGB32);
    const QImage found = QImage(QStringLiteral(":/pictures/img20.png")).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < marker.height(); ++y) {
        for (int x = 0; x < marker.width(); ++x)
            QVERIFY2(qAlpha(found.pixel(x, y)) >= qAlpha(marker.pixel(x, y)), qPrintable(QStringLiteral("at %1, %2").arg(x).arg(y)));
    }
}

void TestAssets::converterKeepsOnlyWhatTheSearchCanFind_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("notLowerCase");
    QTest::addColumn<int>("notEncodable");
    QTest::addColumn<int>("duplicates");
    // A dropped capital form is no duplicate of the lower-case word after it.
    QTest::newRow("capitals dropped")
        << QByteArray("Amsterdam\nappel\nappeL\nKat\nkat\n") << QByteArray("appel\r\nkat\r\n") << 3 << 0 << 0;
    QTest::newRow("accents and euro sign to one byte")
        << QByteArray("caf\xC3\xA9\nre\xC3\xBCnie\n\xE2\x82\xAC-teken\n") << QByteArray("caf\xE9\r\nre\xFCnie\r\n\x80-teken\r\n")
        << 0 << 0 << 0;
    QTest::newRow("outside the code page or broken UTF-8 dropped")
        << QByteArray("\xC5\x82\xC3\xB3" "d\xC5\xBA\nkat\nka\xFFt\n") << QByteArray("kat\r\n") << 0 << 2 << 0;
    QTest::newRow("duplicates dropped, first kept, order kept")
        << QByteArray("kat\nhond\nkat\nhond\nkat\n") << QByteArray("kat\r\nhond\r\n") << 0 << 0 << 3;
    QTest::newRow("digits, blanks, apostrophes, hyphens kept")
        << QByteArray("06-nummer\n\xC3\xA0 la carte\nauto's\n") << QByteArray("06-nummer\r\n\xE0 la carte\r\nauto's\r\n")
        << 0 << 0 << 0;
    QTest::newRow("byte order mark, CR LF, empty lines, no last line end")
        << QByteArray("\xEF\xBB\xBFkat\r\n\r\n\nhond") << QByteArray("kat\r\nhond\r\n") << 0 << 0 << 0;
    QTest::newRow("empty") << QByteArray() << QByteArray() << 0 << 0 << 0;
}

void TestAssets::converterKeepsOnlyWhatTheSearchCanFind()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    QFETCH(int, notLowerCase);
    QFETCH(int, notEncodable);
    QFETCH(int, duplicates);
    WordListConverter converter;
    QCOMPARE(converter.convert(input), output);
    QCOMPARE(converter.kept(), output.count("\r\n"));
    QCOMPARE(converter.notLowerCase(), notLowerCase);
    QCOMPARE(converter.notEncodable(), notEncodable);
    QCOMPARE(converter.duplicates(), duplicates);
    QCOMPARE(converter.skipped(), notLowerCase + notEncodable + duplicates);
    // The counts belong to the last run only.
    converter.convert(QByteArray("kat\n"));
    QCOMPARE(converter.kept(), 1);
    QCOMPARE(converter.skipped(), 0);
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
