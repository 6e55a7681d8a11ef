#include "game/roundbuilder.h"
#include "game/puzzlelist.h"
#include "support/fakes.h"

#include <QTest>

#include <algorithm>

class TestRoundBuilder : public QObject
{
    Q_OBJECT
private slots:
    void ordersAreShiftedFromThreeBases()
    {
        // Orders 1-9, 10-21 and 22-26 are a base order shifted left by 0, 1, 2, ... places.
        const QStringList bases[3] = {QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12").split(u','),
                                      QStringLiteral("1,4,7,10,2,5,8,11,3,6,9,12").split(u','),
                                      QStringLiteral("5,10,6,11,7,12,8,1,9,2,4,3").split(u',')};
        for (int i = 0; i < 26; ++i) {
            const int base = i < 9 ? 0 : i < 21 ? 1 : 2, first = i < 9 ? 0 : i < 21 ? 9 : 21;
            QStringList numbers = bases[base];
            std::rotate(numbers.begin(), numbers.begin() + (i - first), numbers.end());
            QCOMPARE(matrixOrders()[i], numbers.join(u','));
        }
    }
    void showsDescriptionsInTheirSlotsAndTilesWithGaps()
    {
        FakeRandom random;
        random.values = {(22 - 0.5) / 26}; // a draw that gives order 22, "5,10,6,11,7,12,8,1,9,2,4,3"
        // The third longer than the row's 40 tiles: drawn closer, within the row.
        Round round{.keywords = {"a", "rode kool", QString(80, u'c')}};
        for (int n = 0; n < 3; ++n)
            for (int k = 0; k < 4; ++k)
                round.descriptions[n][k] = QStringLiteral("w%1o%2").arg(n + 1).arg(k + 1);
        const RoundView view = RoundBuilder(random).layOut(round);
        QCOMPARE(view.keywordCaptions[1], QStringLiteral("RODE KOOL"));
        QCOMPARE(view.tileX[1], QList<int>({150, 170, 190, 210, 250, 270, 290, 310})); // a gap for the blank
        QCOMPARE(view.tileX[2].size(), 80);
        QVERIFY(view.tileX[2].constFirst() == 150 && view.tileX[2].constLast() == 150 + 20 * 39);
        QCOMPARE(QStringList(view.slotCaptions.begin(), view.slotCaptions.end()),
                 QStringList({"w2o4", "w3o2", "w3o4", "w3o3", "w1o1", "w1o3", "w2o1", "w2o3", "w3o1", "w1o2", "w1o4", "w2o2"}));
    }
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
