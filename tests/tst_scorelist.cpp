#include "game/scorefile.h"
#include "game/scorelist.h"
#include "support/fakes.h"

#include <QFile>
#include <QTest>

class TestScoreList : public QObject
{
    Q_OBJECT
private slots:
    void scoreTextIsFourCharacters_data();
    void scoreTextIsFourCharacters();
    void keepsLinesSorted_data();
    void keepsLinesSorted();
    void removesExactlyEqualEntriesAndRefusesSurplusOnes();
    void readsAndRewritesTheFile();
};

void TestScoreList::scoreTextIsFourCharacters_data()
{
    QTest::addColumn<qint32>("score");
    QTest::addColumn<QString>("text");
    QTest::newRow("above 9999") << 10000 << "9999";
    QTest::newRow("-5") << -5 << "-005";
    QTest::newRow("below -999") << -1000 << "-999";
}

void TestScoreList::scoreTextIsFourCharacters()
{
    QFETCH(qint32, score);
    QFETCH(QString, text);
    QCOMPARE(scoreText(score), text);
}

void TestScoreList::keepsLinesSorted_data()
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

void TestScoreList::keepsLinesSorted()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, sorted);
    ScoreList list;
    for (const QString &line : added)
        QVERIFY(list.add(ScoreEntry::fromText(line)));
    QCOMPARE(list.texts(), sorted);
}

void TestScoreList::removesExactlyEqualEntriesAndRefusesSurplusOnes()
{
    ScoreList list;
    for (const char *line : {"0100 - a", "0100 - A", "0100 - a"})
        list.add(ScoreEntry::fromText(line));
    QVERIFY(list.removeFirstEqual({100, "a"}));
    QCOMPARE(list.texts(), QStringList({"0100 - A", "0100 - a"}));
    while (list.count() < ScoreList::MaxEntries)
        QVERIFY(list.add({1, "x"}));
    QVERIFY(!list.add({9999, "y"}));
}

void TestScoreList::readsAndRewritesTheFile()
{
    TestContext test;
    const QString path = test.dataPath("Scorelijst.lib");
    ScoreList list;
    QVERIFY(!ScoreFile::load(path, list)); // no file yet: empty, nothing created
    QVERIFY(list.count() == 0 && !QFile::exists(path));
    // Header lines not checked, empty lines skipped, lines sorted; commas in quotes kept; a
    // line without a score is kept whole as a name.
    test.writeData("Scorelijst.lib", "a,b\r\n\"1240 - z\"\r\n\r\n\"\"\r\n\"-040 - Jan, Piet\"\r\n\"Bea 30\"\r\n");
    QVERIFY(ScoreFile::load(path, list));
    QCOMPARE(list.texts(), QStringList({"-040 - Jan, Piet", "0000 - Bea 30", "1240 - z"}));
    QVERIFY(ScoreFile::add(path, list, {0, QString::fromUtf8("Zo\u00eb  ")}).isEmpty());
    QCOMPARE(test.readData("Scorelijst.lib"), QByteArray("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n"
                                                         "\"-040 - Jan, Piet\"\r\n\"0000 - Bea 30\"\r\n\"0000 - Zo\xeb  \"\r\n\"1240 - z\"\r\n"));
}

QTEST_MAIN(TestScoreList)
#include "tst_scorelist.moc"
