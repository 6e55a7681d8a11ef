#include "game/gamesettings.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

const QByteArray defaultsFile = "\"Brovelt Software 2019\"\r\n"
                                "\"--------------------------\"\r\n"
                                "600\r\n"
                                "30,30,40\r\n"
                                "\"Brovelt Software 2019\"\r\n";

const QByteArray headerLines = "\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n";

void writeSettings(const QByteArray &bytes)
{
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readSettings()
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestGameSettings : public QObject
{
    Q_OBJECT
private slots:
    void missingFileWritesTheDefaults();
    void readsTheFile_data();
    void readsTheFile();
    void footerWithCommaSurvivesAWriteAndARead();
    void unwritableFileFailsQuietly();
    void borderColourIsClamped_data();
    void borderColourIsClamped();
};

void TestGameSettings::missingFileWritesTheDefaults()
{
    TestPlatform platform;
    GameSettings settings;
    settings.Speeltijd = 90;
    settings.Afdruktekst = "weg";
    QVERIFY(!LaadInstellingen(settings));
    QCOMPARE(settings.Speeltijd, 600);
    QCOMPARE(settings.randkleur(), QColor(30, 30, 40));
    QCOMPARE(settings.Afdruktekst, QStringLiteral("Brovelt Software 2019"));
    QCOMPARE(readSettings(), defaultsFile);
    // The next start reads the file it wrote.
    QVERIFY(LaadInstellingen(settings));
    QCOMPARE(settings.randkleur(), QColor(30, 30, 40));
}

void TestGameSettings::readsTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("speeltijd");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QByteArray>("fileAfter"); // empty: left as it was

    QTest::newRow("defaults") << defaultsFile << true << 600 << QColor(30, 30, 40)
                              << "Brovelt Software 2019" << QByteArray();
    QTest::newRow("own values, headers not checked")
        << QByteArray("x\r\ny\r\n120\r\n0,128,255\r\n\"Jan's puzzels\"\r\n") << true << 120 << QColor(0, 128, 255)
        << "Jan's puzzels" << QByteArray();
    QTest::newRow("lf line ends, bare footer")
        << QByteArray("a\nb\n90\n1,2,3\nvoet\n") << true << 90 << QColor(1, 2, 3) << "voet" << QByteArray();
    QTest::newRow("playing time not range-checked")
        << headerLines + "5000\r\n30,30,40\r\n\"x\"\r\n" << true << 5000 << QColor(30, 30, 40) << "x" << QByteArray();
    QTest::newRow("ends after line 3")
        << headerLines + "300\r\n" << false << 300 << QColor(30, 30, 40) << "Brovelt Software 2019"
        << headerLines + "300\r\n30,30,40\r\n\"Brovelt Software 2019\"\r\n";
    QTest::newRow("blue 256")
        << headerLines + "120\r\n10,20,256\r\n\"eigen\"\r\n" << false << 120 << QColor(10, 20, 40)
        << "Brovelt Software 2019" << headerLines + "120\r\n10,20,40\r\n\"Brovelt Software 2019\"\r\n";
    QTest::newRow("playing time not a number")
        << headerLines + "tien\r\n1,2,3\r\n\"x\"\r\n" << false << 600 << QColor(30, 30, 40)
        << "Brovelt Software 2019" << defaultsFile;
    QTest::newRow("playing time beyond 32 bits")
        << headerLines + "2147483648\r\n1,2,3\r\n\"x\"\r\n" << false << 600 << QColor(30, 30, 40)
        << "Brovelt Software 2019" << defaultsFile;
    QTest::newRow("red above 255 kept, colour clamped")
        << headerLines + "600\r\n300,30,40\r\n\"x\"\r\n" << true << 600 << QColor(255, 30, 40) << "x" << QByteArray();
    QTest::newRow("only one header line") << QByteArray("\"Brovelt Software 2019\"\r\n") << false << 600
                                          << QColor(30, 30, 40) << "Brovelt Software 2019" << defaultsFile;
}

void TestGameSettings::readsTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    QFETCH(int, speeltijd);
    QFETCH(QColor, colour);
    QFETCH(QString, footer);
    QFETCH(QByteArray, fileAfter);
    TestPlatform platform;
    writeSettings(file);
    GameSettings settings;
    QCOMPARE(LaadInstellingen(settings), ok);
    QCOMPARE(settings.Speeltijd, speeltijd);
    QCOMPARE(settings.randkleur(), colour);
    QCOMPARE(settings.Afdruktekst, footer);
    QCOMPARE(readSettings(), fileAfter.isEmpty() ? file : fileAfter);
}

void TestGameSettings::footerWithCommaSurvivesAWriteAndARead()
{
    TestPlatform platform;
    GameSettings settings;
    settings.Speeltijd = 210;
    settings.RandkleurRood = 0;
    settings.RandkleurGroen = 255;
    settings.RandkleurBlauw = 7;
    settings.Afdruktekst = QString::fromUtf8("Smit, Jansen & Zn. – café");
    QVERIFY(BewaarInstellingen(settings));
    QCOMPARE(readSettings(), headerLines + "210\r\n0,255,7\r\n\"Smit, Jansen & Zn. \x96 caf\xe9\"\r\n");
    GameSettings loaded;
    QVERIFY(LaadInstellingen(loaded));
    QCOMPARE(loaded.Afdruktekst, settings.Afdruktekst);
    QCOMPARE(loaded.Speeltijd, 210);
    QCOMPARE(loaded.randkleur(), QColor(0, 255, 7));
}

void TestGameSettings::unwritableFileFailsQuietly()
{
    TestPlatform platform;
    // A folder in the file's place cannot be opened nor replaced, even by an administrator.
    QVERIFY(QDir(platform.folder()).mkdir("Raadkwartet.ini"));
    GameSettings settings;
    settings.Speeltijd = 90;
    QVERIFY(!BewaarInstellingen(settings));
    QVERIFY(!LaadInstellingen(settings));
    QCOMPARE(settings.Speeltijd, 600);
    QCOMPARE(settings.randkleur(), QColor(30, 30, 40));
    QVERIFY(QFileInfo(settingsPath()).isDir());
}

void TestGameSettings::borderColourIsClamped_data()
{
    QTest::addColumn<double>("red");
    QTest::addColumn<double>("green");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("in range") << 12.0 << 250.0 << QColor(12, 250, 40);
    QTest::newRow("below zero") << -5.0 << 0.0 << QColor(0, 0, 40);
    QTest::newRow("above 255") << 256.0 << 1e9 << QColor(255, 255, 40);
}

void TestGameSettings::borderColourIsClamped()
{
    QFETCH(double, red);
    QFETCH(double, green);
    QFETCH(QColor, colour);
    GameSettings settings;
    settings.RandkleurRood = red;
    settings.RandkleurGroen = green;
    QCOMPARE(settings.randkleur(), colour);
}

QTEST_MAIN(TestGameSettings)
#include "tst_gamesettings.moc"
