#include "game/datamodule.h"
#include "game/puzzlelist.h"
#include "support/fakes.h"

#include <QTest>

#include <algorithm>

namespace {

// A draw u that gives the whole number 'whole' in 1..count.
double drawFor(int whole, int count)
{
    return (whole - 0.5) / count;
}

void fill(PuzzleList &list, int rows)
{
    for (int i = 1; i <= rows; ++i) {
        const QString n = QString::number(i);
        list.append(PuzzleEntry{"woord" + n, {n + "a", n + "b", n + "c", n + "d"}});
    }
}

Ronde roundOf(const QStringList &words)
{
    Ronde ronde;
    for (int n = 0; n < 3; ++n) {
        ronde.RondeWoord[n] = words.at(n);
        for (int k = 0; k < 4; ++k)
            ronde.RondeOmschrijving[n][k] = QStringLiteral("w%1o%2").arg(n + 1).arg(k + 1);
    }
    return ronde;
}

// The order shifted left by 'places'.
QString shifted(const QString &order, int places)
{
    QStringList numbers = order.split(u',');
    std::rotate(numbers.begin(), numbers.begin() + places, numbers.end());
    return numbers.join(u',');
}

} // namespace

class TestRoundBuilder : public QObject
{
    Q_OBJECT
private slots:
    void ordersAreShiftsOfThreeBaseOrders();
    void everyOrderUsesEverySlotOnce();
    void descriptionsGoToTheirSlots_data();
    void descriptionsGoToTheirSlots();
    void tilesLeaveGapsForBlanks_data();
    void tilesLeaveGapsForBlanks();
    void drawsThreeDifferentRows_data();
    void drawsThreeDifferentRows();
    void stuckRandomSourceDoesNotHang();
    void refusesListsTooSmall_data();
    void refusesListsTooSmall();
};

void TestRoundBuilder::ordersAreShiftsOfThreeBaseOrders()
{
    const auto &orders = matrixOrders();
    const QString reading = QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12");
    const QString columns = QStringLiteral("1,4,7,10,2,5,8,11,3,6,9,12");
    const QString mixed = QStringLiteral("5,10,6,11,7,12,8,1,9,2,4,3");
    for (int i = 0; i < 9; ++i)
        QCOMPARE(orders[i], shifted(reading, i));
    for (int i = 0; i < 12; ++i)
        QCOMPARE(orders[9 + i], shifted(columns, i));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(orders[21 + i], shifted(mixed, i));
}

void TestRoundBuilder::everyOrderUsesEverySlotOnce()
{
    for (const QString &order : matrixOrders()) {
        QList<int> slotNumbers;
        for (const QString &number : order.split(u','))
            slotNumbers << number.toInt();
        std::sort(slotNumbers.begin(), slotNumbers.end());
        QCOMPARE(slotNumbers, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    }
}

void TestRoundBuilder::descriptionsGoToTheirSlots_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("slotCaptions");
    QTest::newRow("1: reading order")
        << 1 << QStringList{"w1o1", "w1o2", "w1o3", "w1o4", "w2o1", "w2o2", "w2o3", "w2o4", "w3o1", "w3o2", "w3o3", "w3o4"};
    QTest::newRow("10: one keyword per column")
        << 10 << QStringList{"w1o1", "w2o1", "w3o1", "w1o2", "w2o2", "w3o2", "w1o3", "w2o3", "w3o3", "w1o4", "w2o4", "w3o4"};
    QTest::newRow("22: mixed")
        << 22 << QStringList{"w2o4", "w3o2", "w3o4", "w3o3", "w1o1", "w1o3", "w2o1", "w2o3", "w3o1", "w1o2", "w1o4", "w2o2"};
    QTest::newRow("26: last")
        << 26 << QStringList{"w1o4", "w2o2", "w2o4", "w2o3", "w3o1", "w3o3", "w1o1", "w1o3", "w2o1", "w3o2", "w3o4", "w1o2"};
}

void TestRoundBuilder::descriptionsGoToTheirSlots()
{
    QFETCH(int, order);
    QFETCH(QStringList, slotCaptions);
    TestPlatform platform;
    platform.random().values = {drawFor(order, 26)};
    Ronde ronde = roundOf({"a", "b", "c"});
    const RondeBeeld beeld = ToonRonde(ronde);

    QCOMPARE(ronde.MatrixNummer, order);
    QCOMPARE(ronde.MatrixTekst, matrixOrders()[order - 1]);
    const QStringList numbers = ronde.MatrixTekst.split(u',');
    for (int j = 0; j < 12; ++j)
        QCOMPARE(ronde.Positie[j], numbers[j].toInt());
    QCOMPARE(QStringList(beeld.slotCaption.begin(), beeld.slotCaption.end()), slotCaptions);
}

void TestRoundBuilder::tilesLeaveGapsForBlanks_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<int>>("tiles");
    QTest::newRow("rode kool") << "rode kool" << "RODE KOOL" << QList<int>{150, 170, 190, 210, 250, 270, 290, 310};
    QTest::newRow("accents") << QString::fromUtf8("één") << QString::fromUtf8("ÉÉN") << QList<int>{150, 170, 190};
    QTest::newRow("digits and punctuation") << "a-1." << "A-1." << QList<int>{150, 170, 190, 210};
    QTest::newRow("leading and double blank") << " a  b" << " A  B" << QList<int>{170, 230};
}

void TestRoundBuilder::tilesLeaveGapsForBlanks()
{
    QFETCH(QString, word);
    QFETCH(QString, caption);
    QFETCH(QList<int>, tiles);
    TestPlatform platform;
    Ronde ronde = roundOf({"x", word, "y"});
    const RondeBeeld beeld = ToonRonde(ronde);
    QCOMPARE(beeld.woordCaption[1], caption);
    QCOMPARE(beeld.tileX[1], tiles);
    QCOMPARE(ronde.RondeWoord[1], word); // the round keeps the keyword's own letter case
}

void TestRoundBuilder::drawsThreeDifferentRows_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("no repeats") << 10 << QList<int>{4, 9, 1} << QList<int>{4, 9, 1};
    QTest::newRow("repeats redrawn") << 10 << QList<int>{4, 4, 4, 9, 4, 9, 2} << QList<int>{4, 9, 2};
    QTest::newRow("exactly three rows") << 3 << QList<int>{3, 3, 1, 1, 3, 2} << QList<int>{3, 1, 2};
    QTest::newRow("rows past 999 never drawn") << 1200 << QList<int>{999, 1, 500} << QList<int>{999, 1, 500};
}

void TestRoundBuilder::drawsThreeDifferentRows()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, expected);
    TestPlatform platform;
    const int drawn = qMin(rows, 999);
    for (int d : draws)
        platform.random().values.push_back(drawFor(d, drawn));
    PuzzleList list;
    fill(list, rows);
    Ronde ronde;
    QVERIFY(KiesTrefwoorden(list, rows, ronde));
    for (int n = 0; n < 3; ++n) {
        const PuzzleEntry &e = list.entry(expected[n] - 1);
        QCOMPARE(ronde.RondeWoord[n], e.Trefwoord);
        QCOMPARE(ronde.RondeOmschrijving[n], e.Omschrijving);
    }
    QCOMPARE(platform.random().draws, draws.size());
}

void TestRoundBuilder::stuckRandomSourceDoesNotHang()
{
    TestPlatform platform;
    platform.random().values = {drawFor(5, 5)};
    PuzzleList list;
    fill(list, 5);
    Ronde ronde;
    QVERIFY(KiesTrefwoorden(list, 5, ronde));
    // Row 5 first; then, the source stuck on 5, the next free rows round the end.
    QCOMPARE(ronde.RondeWoord, (std::array<QString, 3>{"woord5", "woord1", "woord2"}));
    QVERIFY(platform.random().draws < 5000);
}

void TestRoundBuilder::refusesListsTooSmall_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("aantalItems");
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("two") << 2 << 2;
    QTest::newRow("count claims more rows than the list holds") << 3 << 5;
    QTest::newRow("negative count") << 5 << -1;
}

void TestRoundBuilder::refusesListsTooSmall()
{
    QFETCH(int, rows);
    QFETCH(int, aantalItems);
    TestPlatform platform;
    PuzzleList list;
    fill(list, rows);
    Ronde ronde = roundOf({"a", "b", "c"});
    QVERIFY(!KiesTrefwoorden(list, aantalItems, ronde));
    QCOMPARE(ronde.RondeWoord, (std::array<QString, 3>{"a", "b", "c"}));
    QCOMPARE(platform.random().draws, 0);
}

QTEST_MAIN(TestRoundBuilder)
#include "tst_roundbuilder.moc"
