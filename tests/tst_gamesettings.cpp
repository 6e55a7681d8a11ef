#include "game/gamesettings.h"
#include "support/fakes.h"

#include <QDir>
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
    // Headers and playing time not checked, a comma kept in the footer.
    QTest::newRow("own values") << QByteArray("x\r\ny\r\n5000\r\n0,128,255\r\n\"Smit, Jansen & Zn.\"\r\n")
                                << "whole|5000|#0080ff|Smit, Jansen & Zn." << QByteArray();
    QTest::newRow("blue 256") << headerLines + "120\r\n10,20,256\r\n\"eigen\"\r\n" << "damaged|120|#0a1428|Brovelt Software 2019"
                              << headerLines + "120\r\n10,20,40\r\n\"Brovelt Software 2019\"\r\n";
}

void TestGameSettings::readsTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, read);
    QFETCH(QByteArray, fileAfter);
    TestContext test;
    if (!file.isNull())
        test.writeData("../Raadkwartet.ini", file); // the settings file lies beside the Data folder
    GameSettings settings{.speeltijd = 90}; // a read starts from the defaults
    const bool whole = loadSettings(test.folders.settingsFile(), settings);
    QCOMPARE(QStringList({whole ? "whole" : "damaged", QString::number(settings.speeltijd), settings.borderColour().name(),
                          settings.printFooter}).join(u'|'), read);
    QCOMPARE(test.readData("../Raadkwartet.ini"), fileAfter.isNull() ? file : fileAfter);
    QVERIFY(loadSettings(test.folders.settingsFile(), settings)); // the next start reads the file left behind
}

void TestGameSettings::unwritableFileFailsQuietly()
{
    TestContext test;
    // A folder in the file's place cannot be opened nor replaced, even by an administrator.
    QVERIFY(QDir(test.folder()).mkdir("Raadkwartet.ini"));
    GameSettings settings;
    QVERIFY(!saveSettings(test.folders.settingsFile(), settings));
    QVERIFY(!loadSettings(test.folders.settingsFile(), settings));
}

QTEST_MAIN(TestGameSettings)
#include "tst_gamesettings.moc"
