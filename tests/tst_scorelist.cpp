#include "game/loadsave.h"
#include "game/scorelist.h"
#include "support/fakes.h"

#include <QFile>
#include <QTest>

class TestScorelijst : public QObject
{
    Q_OBJECT
private slots:
    void scoreTextIsFourCharacters_data();
    void scoreTextIsFourCharacters();
    void keepsLinesSorted_data();
    void keepsLinesSorted();
    void removesExactlyEqualLinesAndRefusesEmptyAndSurplusOnes();
    void readsAndRewritesTheFile();
};

void TestScorelijst::scoreTextIsFourCharacters_data()
{
    QTest::addColumn<qint32>("score");
    QTest::addColumn<QString>("text");
    QTest::newRow("above 9999") << 10000 << "9999";
    QTest::newRow("-5") << -5 << "-005";
    QTest::newRow("below -999") << -1000 << "-999";
}

void TestScorelijst::scoreTextIsFourCharacters()
{
    QFETCH(qint32, score);
    QFETCH(QString, text);
    QCOMPARE(scoreText(score), text);
}

void TestScorelijst::keepsLinesSorted_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("case-blind, negatives by number, highest last")
        << QStringList{"0100 - bea", "1240 - a", "-005 - e", "0100 - Anna", "-040 - b"}
        << QStringList{"-040 - b", "-005 - e", "0100 - Anna", "0100 - bea", "1240 - a"};
    QTest::newRow("equal lines and case variants kept in arrival order")
        << QStringList{"0100 - Bo", "0100 - bo", "0100 - Bo", "0100 - BO"}
        << QStringList{"0100 - Bo", "0100 - bo", "0100 - Bo", "0100 - BO"};
}

void TestScorelijst::keepsLinesSorted()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, sorted);
    ScoreList list;
    for (const QString &line : added)
        QVERIFY(list.add(line));
    QCOMPARE(list.lines(), sorted);
}

void TestScorelijst::removesExactlyEqualLinesAndRefusesEmptyAndSurplusOnes()
{
    ScoreList list;
    QVERIFY(!list.add(QString()));
    for (const char *line : {"0100 - a", "0100 - A", "0100 - a"})
        list.add(line);
    QVERIFY(list.removeFirstEqual("0100 - a"));
    QCOMPARE(list.lines(), QStringList({"0100 - A", "0100 - a"}));
    while (list.count() < 32767)
        QVERIFY(list.add(QStringLiteral("0001 - x")));
    QVERIFY(!list.add(QStringLiteral("9999 - y")));
}

void TestScorelijst::readsAndRewritesTheFile()
{
    TestPlatform platform;
    ScoreList list;
    LaadScorelijst(list); // no file yet: empty, nothing created
    QVERIFY(list.count() == 0 && !QFile::exists(platform.dataPath("Scorelijst.lib")));
    // Header lines not checked, empty lines skipped, lines sorted; commas in quotes kept.
    platform.writeData("Scorelijst.lib", "a,b\r\n\"1240 - z\"\r\n\r\n\"\"\r\n\"-040 - Jan, Piet\"\r\n");
    LaadScorelijst(list);
    QCOMPARE(list.lines(), QStringList({"-040 - Jan, Piet", "1240 - z"}));
    VoegScoreToe(list, 0, QString::fromUtf8("Zoë  "));
    QCOMPARE(platform.readData("Scorelijst.lib"), QByteArray("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n"
                                                             "\"-040 - Jan, Piet\"\r\n\"0000 - Zo\xeb  \"\r\n\"1240 - z\"\r\n"));
}

QTEST_MAIN(TestScorelijst)
#include "tst_scorelijst.moc"
