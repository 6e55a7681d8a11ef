#include "game/cp1252.h"
#include "game/wordlistconverter.h"

#include <QFile>
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
    void shippedWordListIsLowerCaseWindows1252WithCrLf();
};

void TestAssets::picturesLoadAtTheSizesTheBoardUses_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    // Picture1 and Blur are painted stretched, so their own size is the one they are shown at;
    // the others are shown at their own size.
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
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
}

void TestAssets::aboutPictureHasExactlyTwoColours()
{
    const QImage image = QImage(QStringLiteral(":/pictures/about.png")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(150, 150));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    QCOMPARE(colours.size(), 2);
    for (QRgb c : colours)
        QCOMPARE(qAlpha(c), 255);
}

// Img20 is laid over the spot where Picture1 is painted; wherever the row marker shows,
// the found marker must be at least as opaque, or the old marker would shine through.
void TestAssets::foundMarkerHidesTheRowMarkerCompletely()
{
    const QImage marker = QImage(QStringLiteral(":/pictures/picture1.png")).convertToFormat(QImage::Format_ARGB32);
    const QImage found = QImage(QStringLiteral(":/pictures/img20.png")).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!marker.isNull());
    QCOMPARE(found.size(), marker.size());
    for (int y = 0; y < marker.height(); ++y) {
        for (int x = 0; x < marker.width(); ++x) {
            if (qAlpha(found.pixel(x, y)) < qAlpha(marker.pixel(x, y)))
                QFAIL(qPrintable(QStringLiteral("Picture1 shows through at (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestAssets::converterKeepsOnlyWhatTheSearchCanFind_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("notLowerCase");
    QTest::addColumn<int>("notEncodable");
    QTest::addColumn<int>("duplicates");

    QTest::newRow("order kept, CR LF") << QByteArray("kat\nhond\naap\n") << QByteArray("kat\r\nhond\r\naap\r\n") << 0 << 0 << 0;
    QTest::newRow("capitals dropped")
        << QByteArray("Amsterdam\nappel\nNAVO\nKLM-toestel\nappeL\n") << QByteArray("appel\r\n") << 4 << 0 << 0;
    QTest::newRow("accents to one byte")
        << QByteArray("caf\xC3\xA9\n\xC3\xA9\xC3\xA9n\nre\xC3\xBCnie\nna\xC3\xAF" "ef\n")
        << QByteArray("caf\xE9\r\n\xE9\xE9n\r\nre\xFCnie\r\nna\xEF" "ef\r\n") << 0 << 0 << 0;
    QTest::newRow("euro sign in the 0x80 row")
        << QByteArray("\xE2\x82\xAC-teken\n") << QByteArray("\x80-teken\r\n") << 0 << 0 << 0;
    QTest::newRow("outside the code page dropped")
        << QByteArray("\xC5\x82\xC3\xB3" "d\xC5\xBA\nkat\n\xC4\x8D" "evap\n") << QByteArray("kat\r\n") << 0 << 2 << 0;
    QTest::newRow("duplicates dropped, first kept")
        << QByteArray("kat\nhond\nkat\nhond\nkat\n") << QByteArray("kat\r\nhond\r\n") << 0 << 0 << 3;
    QTest::newRow("capital form is no duplicate") << QByteArray("Kat\nkat\n") << QByteArray("kat\r\n") << 1 << 0 << 0;
    QTest::newRow("digits, blanks, apostrophes, hyphens kept")
        << QByteArray("06-nummer\n\xC3\xA0 la carte\nauto's\n10 eurobiljet\n")
        << QByteArray("06-nummer\r\n\xE0 la carte\r\nauto's\r\n10 eurobiljet\r\n") << 0 << 0 << 0;
    QTest::newRow("CR LF input, empty lines, no last line end")
        << QByteArray("kat\r\n\r\n\nhond") << QByteArray("kat\r\nhond\r\n") << 0 << 0 << 0;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFkat\n") << QByteArray("kat\r\n") << 0 << 0 << 0;
    QTest::newRow("broken UTF-8 dropped") << QByteArray("ka\xFFt\nhond\n") << QByteArray("hond\r\n") << 0 << 1 << 0;
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

// The list the build made from the OpenTaal list: what the word search reads.
void TestAssets::shippedWordListIsLowerCaseWindows1252WithCrLf()
{
    QFile file(QStringLiteral(RAADKWARTET_DATA_DIR "/Nederlands.lib"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));

    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the last line end
    QVERIFY(lines.size() > 100000);
    QSet<QByteArray> seen;
    for (const QByteArray &line : lines) {
        QVERIFY2(line.endsWith('\r') && line.size() > 1, line.constData());
        const QByteArray word = line.chopped(1);
        QVERIFY2(!word.contains('\r'), word.constData());
        QVERIFY2(Cp1252::decode(word).isLower(), word.constData());
        QVERIFY2(!seen.contains(word), word.constData());
        seen.insert(word);
    }
    for (const char *word : {"kwartet", "raad", "caf\xE9", "\xE9\xE9n", "re\xFCnie"})
        QVERIFY2(seen.contains(word), word);
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
