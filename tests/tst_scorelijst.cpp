#include "game/loadsave.h"
#include "game/scorelijst.h"
#include "support/fakes.h"

#include <QFile>
#include <QTest>

#include <limits>

namespace {

const QByteArray headerLines = "\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n";

} // namespace

class TestScorelijst : public QObject
{
    Q_OBJECT
private slots:
    void scoreTextIsFourCharacters_data();
    void scoreTextIsFourCharacters();
    void keepsLinesSorted_data();
    void keepsLinesSorted();
    void neverKeepsEmptyLinesNorMoreThanTheLimit();
    void removesTheFirstExactlyEqualLine();
    void loadsTheFile_data();
    void loadsTheFile();
    void addingAScoreRewritesTheFile();
    void savedListLoadsBackLineForLine();
};

void TestScorelijst::scoreTextIsFourCharacters_data()
{
    QTest::addColumn<qint32>("score");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0000";
    QTest::newRow("5") << 5 << "0005";
    QTest::newRow("40") << 40 << "0040";
    QTest::newRow("360") << 360 << "0360";
    QTest::newRow("1240") << 1240 << "1240";
    QTest::newRow("9999") << 9999 << "9999";
    QTest::newRow("above 9999") << 10000 << "9999";
    QTest::newRow("largest") << std::numeric_limits<qint32>::max() << "9999";
    QTest::newRow("-40") << -40 << "-040";
    QTest::newRow("-5") << -5 << "-005";
    QTest::newRow("-999") << -999 << "-999";
    QTest::newRow("below -999") << -1000 << "-999";
    QTest::newRow("smallest") << std::numeric_limits<qint32>::min() << "-999";
}

void TestScorelijst::scoreTextIsFourCharacters()
{
    QFETCH(qint32, score);
    QFETCH(QString, text);
    QCOMPARE(scoreText(score), text);
    // The score window reads the name from the eighth character on.
    QCOMPARE(scoreLine(score, "Anna").mid(7), QStringLiteral("Anna"));
}

void TestScorelijst::keepsLinesSorted_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("letter case does not decide")
        << QStringList{"0100 - bea", "0100 - Anna"} << QStringList{"0100 - Anna", "0100 - bea"};
    QTest::newRow("highest score last")
        << QStringList{"1240 - a", "0005 - b", "0360 - c", "0000 - d"}
        << QStringList{"0000 - d", "0005 - b", "0360 - c", "1240 - a"};
    QTest::newRow("negative scores below all, by number")
        << QStringList{"0000 - a", "-040 - b", "-120 - c", "0020 - d", "-005 - e"}
        << QStringList{"-120 - c", "-040 - b", "-005 - e", "0000 - a", "0020 - d"};
    QTest::newRow("equal lines and case variants kept in arrival order")
        << QStringList{"0100 - Bo", "0100 - bo", "0100 - Bo", "0100 - BO"}
        << QStringList{"0100 - Bo", "0100 - bo", "0100 - Bo", "0100 - BO"};
    QTest::newRow("equal negative scores by name")
        << QStringList{"-040 - zus", "-040 - Adam"} << QStringList{"-040 - Adam", "-040 - zus"};
    QTest::newRow("lines that are no score sort as text")
        << QStringList{"zomaar", "0100 - a", "-x", "-12"} << QStringList{"-12", "-x", "0100 - a", "zomaar"};
}

void TestScorelijst::keepsLinesSorted()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, sorted);
    Scorelijst list;
    for (const QString &line : added)
        QVERIFY(list.add(line));
    QCOMPARE(list.lines(), sorted);
}

void TestScorelijst::neverKeepsEmptyLinesNorMoreThanTheLimit()
{
    Scorelijst list;
    QVERIFY(!list.add(QString()));
    QCOMPARE(list.count(), 0);
    for (int i = 0; i < Scorelijst::MaxLines; ++i)
        list.add(QStringLiteral("0001 - x"));
    QCOMPARE(list.count(), 32767);
    QVERIFY(!list.add(QStringLiteral("9999 - y")));
    QCOMPARE(list.count(), 32767);
    QCOMPARE(list.at(32766), QStringLiteral("0001 - x"));
}

void TestScorelijst::removesTheFirstExactlyEqualLine()
{
    Scorelijst list;
    for (const char *line : {"0100 - a", "0100 - A", "0100 - a", "0200 - b"})
        list.add(line);
    QVERIFY(list.removeFirstEqual("0100 - a"));
    QCOMPARE(list.lines(), QStringList({"0100 - A", "0100 - a", "0200 - b"}));
    QVERIFY(!list.removeFirstEqual("0300 - c"));
    QCOMPARE(list.count(), 3);
}

void TestScorelijst::loadsTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("only headers") << headerLines << QStringList();
    QTest::newRow("ends inside the header") << QByteArray("\"Brovelt Software 2019\"\r\n") << QStringList();
    QTest::newRow("headers not checked, any two fields dropped")
        << QByteArray("a,b\r\n\"0100 - x\"\r\n") << QStringList{"0100 - x"};
    QTest::newRow("empty and quoted empty lines skipped")
        << headerLines + "\r\n\"0100 - x\"\r\n\"\"\r\n\"0050 - y\"\r\n\r\n" << QStringList{"0050 - y", "0100 - x"};
    QTest::newRow("out of order read sorted")
        << headerLines + "\"1240 - z\"\r\n\"0005 - a\"\r\n\"-040 - m\"\r\n"
        << QStringList{"-040 - m", "0005 - a", "1240 - z"};
    QTest::newRow("comma inside quotes kept")
        << headerLines + "\"0100 - Jan, Piet\"\r\n" << QStringList{"0100 - Jan, Piet"};
    QTest::newRow("quote in a name ends the entry")
        << headerLines + "\"0100 - Jan \"de\" Vries\"\r\n" << QStringList{"0100 - Jan "};
    QTest::newRow("lf line ends and windows-1252")
        << QByteArray("x\ny\n\"0100 - Ren\xe9\"\n") << QStringList{QString::fromUtf8("0100 - René")};
}

void TestScorelijst::loadsTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, lines);
    TestPlatform platform;
    platform.writeData("Scorelijst.lib", file);
    Scorelijst list;
    LaadScorelijst(list);
    QCOMPARE(list.lines(), lines);
}

void TestScorelijst::addingAScoreRewritesTheFile()
{
    TestPlatform platform;
    Scorelijst list;
    LaadScorelijst(list); // no file yet: empty, nothing created
    QCOMPARE(list.count(), 0);
    QVERIFY(!QFile::exists(platform.dataPath("Scorelijst.lib")));

    VoegScoreToe(list, 120, "Anna");
    QCOMPARE(platform.readData("Scorelijst.lib"), headerLines + "\"0120 - Anna\"\r\n");
    VoegScoreToe(list, -40, "Jan, Piet");
    VoegScoreToe(list, 100, "bea");
    VoegScoreToe(list, 100, "Anna");
    QCOMPARE(platform.readData("Scorelijst.lib"),
             headerLines + "\"-040 - Jan, Piet\"\r\n\"0100 - Anna\"\r\n\"0100 - bea\"\r\n\"0120 - Anna\"\r\n");
}

void TestScorelijst::savedListLoadsBackLineForLine()
{
    TestPlatform platform;
    Scorelijst list;
    for (const QString &line : {QStringLiteral("0000 - "), QStringLiteral("0100 - Jan, Piet"),
                                QString::fromUtf8("0200 - Zoë €"), QStringLiteral("9999 -   ")})
        list.add(line);
    BewaarScorelijst(list);
    Scorelijst loaded;
    LaadScorelijst(loaded);
    QCOMPARE(loaded.lines(), list.lines());
}

QTEST_MAIN(TestScorelijst)
#include "tst_scorelijst.moc"
