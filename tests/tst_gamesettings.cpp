#include "game/gamesettings.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestGameSettings : public QObject
{
    Q_OBJECT
private slots:
    void readsTheFile_data();
    void readsTheFile();
    void unwritableFileFailsQuietly();
};

void TestGameSettings::readsTheFile_data()
{
    const QByteArray headerLines = "\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n";
    QTest::addColumn<QByteArray>("file"); // null: no file at all
    QTest::addColumn<QString>("read"); // whole or damaged | playing time | border colour | footer
    QTest::addColumn<QByteArray>("fileAfter"); // null: left as it was
    QTest::newRow("missing: defaults written") << QByteArray() << "damaged|600|#1e1e28|Brovelt Software 2019"
                                               << headerLines + "600\r\n30,30,40\r\n\"Brovelt Software 2019\"\r\n";
    QTest::newRow("own values, headers and playing time not checked, comma in the footer")
        << QByteArray("x\r\ny\r\n5000\r\n0,128,255\r\n\"Smit, Jansen & Zn.\"\r\n")
        << "whole|5000|#0080ff|Smit, Jansen & Zn." << QByteArray();
    QTest::newRow("ends after line 3") << headerLines + "300\r\n" << "damaged|300|#1e1e28|Brovelt Software 2019"
                                       << headerLines + "300\r\n30,30,40\r\n\"Brovelt Software 2019\"\r\n";
    QTest::newRow("blue 256") << headerLines + "120\r\n10,20,256\r\n\"eigen\"\r\n" << "damaged|120|#0a1428|Brovelt Software 2019"
                              << headerLines + "120\r\n10,20,40\r\n\"Brovelt Software 2019\"\r\n";
}

void TestGameSettings::readsTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, read);
    QFETCH(QByteArray, fileAfter);
    TestPlatform platform;
    QFile stored(settingsPath());
    if (!file.isNull())
        QVERIFY(stored.open(QIODevice::WriteOnly) && stored.write(file) == file.size());
    stored.close();
    GameSettings settings;
    settings.speeltijd = 90; // a read starts from the defaults
    const bool whole = loadSettings(settings);
    QCOMPARE(QStringList({whole ? "whole" : "damaged", QString::number(settings.speeltijd), settings.borderColour().name(),
                          settings.printFooter}).join(u'|'), read);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), fileAfter.isNull() ? file : fileAfter);
    QVERIFY(loadSettings(settings)); // the next start reads the file left behind
}

void TestGameSettings::unwritableFileFailsQuietly()
{
    TestPlatform platform;
    // A folder in the file's place cannot be opened nor replaced, even by an administrator.
    QVERIFY(QDir(platform.folder()).mkdir("Raadkwartet.ini"));
    GameSettings settings;
    settings.speeltijd = 90;
    QVERIFY(!saveSettings(settings));
    QVERIFY(!loadSettings(settings));
    QCOMPARE(settings.speeltijd, 600);
}

QTEST_MAIN(TestGameSettings)
#include "tst_gamesettings.moc"
