#include "game/roundbuilder.h"
#include "game/puzzlelist.h"
#include "support/fakes.h"

#include <QTest>

class TestRoundBuilder : public QObject
{
    Q_OBJECT
private slots:
    void drawsThreeDifferentRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QList<int>>("expected"); // empty: refused
        QTest::newRow("repeats redrawn") << 10 << QList<int>{4, 4, 4, 9, 4, 9, 2} << QList<int>{4, 9, 2};
        // Stuck on row 5, the next free rows are taken, round the end.
        QTest::newRow("stuck random source") << 5 << QList<int>{5} << QList<int>{5, 1, 2};
        QTest::newRow("two rows") << 2 << QList<int>{1, 2, 1} << QList<int>();
    }
    void drawsThreeDifferentRows()
    {
        QFETCH(int, rows);
        QFETCH(QList<int>, draws);
        QFETCH(QList<int>, expected);
        FakeRandom random;
        for (int d : draws)
            random.values.push_back((d - 0.5) / rows); // a draw that gives row d
        PuzzleList list;
        for (int i = 1; i <= rows; ++i)
            list.append(PuzzleEntry{QString::number(i), {QString::number(i) + "a", "b", "c", "d"}});
        Round round;
        QCOMPARE(RoundBuilder(random).drawKeywords(list, rows, round), !expected.isEmpty());
        for (int n = 0; n < expected.size(); ++n)
            QCOMPARE((PuzzleEntry{round.keywords[n], round.descriptions[n]}), list.entry(expected[n] - 1));
        QVERIFY(random.draws < 5000); // a stuck source does not hang the game
    }
};

QTEST_MAIN(TestRoundBuilder)
#include "tst_roundbuilder.moc"
