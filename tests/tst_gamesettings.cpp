#include "game/gamesettings.h"
#include "support/fakes.h"
#include "support/generatedvalues.h"
#include "support/roundtrip.h"

#include <QTest>

class TestGameSettings : public QObject
{
    Q_OBJECT
private slots:
    void readsTheFile_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no file at all
        QTest::addColumn<QString>("read"); // whole or damaged | playing time | border colour | footer
        QTest::addColumn<QByteArray>("fileAfter"); // null: left as it was
        QTest::newRow("missing: defaults written") << QByteArray() << "damaged|600|#1e1e28|Brovelt Software 2019"
                                                   << fileHeader + "600\r\n30,30,40\r\n\"Brovelt Software 2019\"\r\n";
        // Headers and playing time not checked; a footer the quoted form cannot give back keeps
        // its line as it was.
        QTest::newRow("own values") << QByteArray("x\r\ny\r\n5000\r\n0,128,255\r\n\"Zeg \"hoi\" tegen jou\"  \r\n")
                                    << "whole|5000|#0080ff|Zeg " << QByteArray();
        // Binary garbage: bytes of every value, the same at every run.
        QByteArray junk(64 * 1024, '\0');
        for (int i = 0; i < junk.size(); ++i)
            junk[i] = char((uint(i) * 2654435761u) >> 24);
        QTest::newRow("binary garbage") << junk << "damaged|600|#1e1e28|Brovelt Software 2019"
                                        << fileHeader + "600\r\n30,30,40\r\n\"Brovelt Software 2019\"\r\n";
        QTest::newRow("blue 256") << fileHeader + "120\r\n10,20,256\r\n\"eigen\"\r\n" << "damaged|120|#0a1428|Brovelt Software 2019"
                                  << fileHeader + "120\r\n10,20,40\r\n\"Brovelt Software 2019\"\r\n";
    }
    void readsTheFile()
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
        // A damaged file the player had is kept beside the new one.
        QCOMPARE(test.readData("../Raadkwartet.bak"), !whole && !file.isNull() ? file : QByteArray());
        QVERIFY(loadSettings(test.folders.settingsFile(), settings)); // the next start reads the file left behind
        QCOMPARE(saveSettings(test.folders.settingsFile(), settings), QString()); // and writes back what it read
        QCOMPARE(test.readData("../Raadkwartet.ini"), fileAfter.isNull() ? file.replace("x\r\ny\r\n", fileHeader) : fileAfter);
    }
    // A footer either comes back identical after a save and a load, or is refused with the
    // editor's message and the file is left as it was; numbers come back at their limits.
    void roundTripOrRefusal_data() { addGeneratedValueRows({1, 5, 0, 0, 0, 0, 5}); }
    void roundTripOrRefusal()
    {
        QFETCH(QString, kind);
        QFETCH(int, refused);
        TestContext test;
        const QList<qint32> times{std::numeric_limits<qint32>::min(), -30, 0, 1, 600, std::numeric_limits<qint32>::max()};
        QList<GameSettings> records;
        const QStringList footers = generatedValues(kind);
        for (int i = 0; i < footers.size(); ++i)
            records << GameSettings{.speeltijd = times[i % times.size()], .borderRed = double(i % 256), .borderGreen = 255,
                                    .borderBlue = quint8(255 - i % 256), .printFooter = footers[i]};
        int refusals = 0;
        QCOMPARE(RoundTrip::settings(test.folders.settingsFile(), records, refusals), QString());
        QCOMPARE(refusals, refused);
    }
};

QTEST_MAIN(TestGameSettings)
#include "tst_gamesettings.moc"
