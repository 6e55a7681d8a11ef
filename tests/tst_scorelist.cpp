#include "game/scorefile.h"
#include "game/scorelist.h"
#include "support/fakes.h"

#include <QFile>
#include <QTest>

class TestScoreList : public QObject
{
    Q_OBJECT
private slots:
    void keepsLinesSortedAndRefusesSurplusOnes();
    void readsAndRewritesTheFile();
};

void TestScoreList::keepsLinesSortedAndRefusesSurplusOnes()
{
    // Case-blind, negatives by number, highest last; equal lines and case variants in arrival order.
    ScoreList list;
    for (const char *line : {"0100 - bea", "1240 - a", "-005 - e", "0100 - Anna", "-040 - b", "0100 - Bea", "0100 - bea"})
        QVERIFY(list.add(ScoreEntry::fromText(line)));
    QVERIFY(list.add({10000, "c"}) && list.add({-1000, "d"})); // shown clamped to four characters
    QCOMPARE(list.texts(), QStringList({"-999 - d", "-040 - b", "-005 - e", "0100 - Anna", "0100 - bea", "0100 - Bea",
                                        "0100 - bea", "1240 - a", "9999 - c"}));
    // Only an exactly equal entry goes.
    QVERIFY(list.removeFirstEqual({100, "bea"}));
    QCOMPARE(list.texts().mid(3, 3), QStringList({"0100 - Anna", "0100 - Bea", "0100 - bea"}));
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
    QVERIFY(ScoreFile::add(path, list, {0, QString::fromUtf8("Zo\u00eb  ")}).isEmpty());
    QCOMPARE(test.readData("Scorelijst.lib"), QByteArray("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n"
                                                         "\"-040 - Jan, Piet\"\r\n\"0000 - Bea 30\"\r\n\"0000 - Zo\xeb  \"\r\n\"1240 - z\"\r\n"));
}

QTEST_MAIN(TestScoreList)
#include "tst_scorelist.moc"
