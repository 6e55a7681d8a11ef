#include "game/algemeen.h"
#include "game/loadsave.h"
#include "game/puzzlelist.h"
#include "support/fakes.h"

#include <QTest>
#include <QTimer>

namespace {

const QByteArray header = "Brovelt Software 2019\r\n----------\r\n";

PuzzleEntry row(const QString &keyword, const QString &a = "a", const QString &b = "b")
{
    return PuzzleEntry{keyword, {a, b, "c", "d"}};
}

struct RecordedProgress final : SaveProgress {
    void begin(const QColor &background) override { calls << "begin " + background.name(); }
    void fill(int right, const QColor &colour) override { calls << QStringLiteral("fill %1 %2").arg(right).arg(colour.name()); }
    void end() override { calls << QStringLiteral("end"); }
    QStringList calls;
};

} // namespace

class TestPuzzleDatabase : public QObject
{
    Q_OBJECT
private slots:
    void loadsRecords_data();
    void loadsRecords();
    void savesExactBytesAndKeepsABackup();
    void saveDrawsProgressPerRow_data();
    void saveDrawsProgressPerRow();
    void waitProcessesEventsOnlyWhenPositive();
};

void TestPuzzleDatabase::loadsRecords_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file at all
    QTest::addColumn<QStringList>("rows"); // each row as "keyword|d1|d2|d3|d4"
    QTest::newRow("no file") << QByteArray() << QStringList();
    QTest::newRow("header lines not checked, duplicates kept")
        << QByteArray("iets anders\r\nnog iets, met komma\r\nappel,a,b,c,d\r\npeer,e,f,g,h\r\nappel,a,b,c,d\r\n")
        << QStringList{"appel|a|b|c|d", "peer|e|f|g|h", "appel|a|b|c|d"};
    QTest::newRow("blank keyword skipped")
        << header + ",a,b,c,d\r\n   ,x,y,z,w\r\npeer,a,b,c,d\r\n" << QStringList{"peer|a|b|c|d"};
    QTest::newRow("comma shifts later fields")
        << header + "appel,a,b, c,d,extra\r\npeer,e,f,g,h\r\n"
        << QStringList{"appel|a|b|c|d", "extra|peer|e|f|g", "h||||"};
}

void TestPuzzleDatabase::loadsRecords()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, rows);
    TestPlatform platform;
    if (!file.isNull())
        platform.writeData("Puzzel.lib", file);
    PuzzleList list;
    list.append(row("oud"));
    LaadPuzzelLijst(list);
    QStringList read;
    for (const PuzzleEntry &e : list.entries())
        read << QStringList{e.keyword, e.descriptions[0], e.descriptions[1], e.descriptions[2], e.descriptions[3]}.join(u'|');
    QCOMPARE(read, rows);
}

void TestPuzzleDatabase::savesExactBytesAndKeepsABackup()
{
    TestPlatform platform;
    const QByteArray file = header + "appel,fruit,boom,rood,taart\r\nrode kool,groente,-,paars,\xe9\xe9n \x80\r\n"
                                     "appel,fruit,boom,rood,taart\r\n";
    platform.writeData("Puzzel.lib", file);
    platform.writeData("Puzzel.bak", "nog ouder\r\n");
    PuzzleList list;
    LaadPuzzelLijst(list);
    list.append(row(" peer ", "vers, rijp  ", "  boom")); // blanks trimmed, the comma written as it is
    BewaarPuzzelLijst(list, nullptr);
    QCOMPARE(platform.readData("Puzzel.lib"), file + "peer,vers, rijp,boom,c,d\r\n");
    QCOMPARE(platform.readData("Puzzel.bak"), file);
}

void TestPuzzleDatabase::saveDrawsProgressPerRow_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("fills");
    QTest::newRow("none") << 0 << QList<int>();
    QTest::newRow("three: 166.7 up") << 3 << QList<int>{167, 334, 501};
    QTest::newRow("eight: 62.5 to even") << 8 << QList<int>{62, 124, 186, 248, 310, 372, 434, 496};
}

void TestPuzzleDatabase::saveDrawsProgressPerRow()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, fills);
    QCOMPARE(saveStep(rows), fills.value(0));
    TestPlatform platform;
    PuzzleList list;
    for (int i = 0; i < rows; ++i)
        list.append(row(QString::number(i)));
    // A click handled during the first wait empties the list under the save's feet.
    QTimer::singleShot(0, &list, [&list] { list.clear(); });
    RecordedProgress progress;
    BewaarPuzzelLijst(list, &progress);
    QStringList calls{"begin #003c00"};
    for (int right : fills)
        calls << QStringLiteral("fill %1 #00be00").arg(right);
    QCOMPARE(progress.calls, calls << "end");
    QCOMPARE(platform.readData("Puzzel.lib").count(",a,b,c,d\r\n"), rows);
}

void TestPuzzleDatabase::waitProcessesEventsOnlyWhenPositive()
{
    TestPlatform platform;
    int handled = 0;
    QTimer::singleShot(0, [&handled] { ++handled; });
    for (float seconds : {0.0f, 0.03f}) {
        const qint64 before = platform.clock().monotonic;
        Wacht(seconds);
        const qint64 waited = platform.clock().monotonic - before;
        QCOMPARE(handled, seconds > 0 ? 1 : 0);
        QVERIFY(seconds > 0 ? waited >= 30 : waited <= platform.clock().step * 2); // zero: read, compared, returned
    }
}

QTEST_MAIN(TestPuzzleDatabase)
#include "tst_puzzledatabase.moc"
