#include "game/algemeen.h"
#include "game/loadsave.h"
#include "game/puzzlelist.h"
#include "support/fakes.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

PuzzleEntry row(const QString &keyword, const QString &a, const QString &b, const QString &c, const QString &d)
{
    return PuzzleEntry{keyword, {a, b, c, d}};
}

// A row as "keyword|d1|d2|d3|d4", so expected lists read as one table.
QStringList flatten(const PuzzleList &list)
{
    QStringList out;
    for (const PuzzleEntry &e : list.entries())
        out << QStringList{e.Trefwoord, e.Omschrijving[0], e.Omschrijving[1], e.Omschrijving[2], e.Omschrijving[3]}.join(u'|');
    return out;
}

struct RecordedProgress final : SaveProgress {
    void begin(const QColor &background) override { calls << QStringLiteral("begin %1").arg(background.name()); }
    void fill(int right, const QColor &colour) override
    {
        calls << QStringLiteral("fill %1 %2").arg(right).arg(colour.name());
        fills << right;
    }
    void end() override { calls << QStringLiteral("end"); }
    QStringList calls;
    QList<int> fills;
};

class PostedEvent final : public QEvent
{
public:
    PostedEvent() : QEvent(QEvent::User) {}
};

class EventCounter final : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User) {
            ++count;
            return true;
        }
        return QObject::event(e);
    }
    int count = 0;
};

const QByteArray header = "Brovelt Software 2019\r\n----------\r\n";

} // namespace

class TestPuzzleDatabase : public QObject
{
    Q_OBJECT
private slots:
    void modelShowsRowsAndHeaders();
    void modelSignalsSatisfyViews();
    void loadsRecords_data();
    void loadsRecords();
    void missingFileEmptiesTheList();
    void savesExactBytes_data();
    void savesExactBytes();
    void savedFileLoadsBackTheSameRows();
    void saveStepRoundsHalfToEven_data();
    void saveStepRoundsHalfToEven();
    void saveDrawsProgressPerRow_data();
    void saveDrawsProgressPerRow();
    void saveKeepsThePreviousFileAsBackup();
    void saveSurvivesTheListChangingWhileWaiting();
    void waitProcessesEventsOnlyWhenPositive_data();
    void waitProcessesEventsOnlyWhenPositive();
};

void TestPuzzleDatabase::modelShowsRowsAndHeaders()
{
    PuzzleList list;
    list.setHeaders({"Woord", "Oplossing1", "Oplossing2", "Oplossing3", "Oplossing4"});
    list.append(row("appel", "fruit", "boom", "rood", "taart"));
    list.append(row("peer", "a", "b", "c", "d"));
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(list.columnCount(), 5);
    QCOMPARE(list.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Woord"));
    QCOMPARE(list.headerData(4, Qt::Horizontal).toString(), QStringLiteral("Oplossing4"));
    QCOMPARE(list.data(list.index(0, 0)).toString(), QStringLiteral("appel"));
    QCOMPARE(list.data(list.index(0, 4)).toString(), QStringLiteral("taart"));
    QCOMPARE(list.data(list.index(1, 2)).toString(), QStringLiteral("b"));
    // A flat table: no row has children, or a tree view would show expanders.
    QCOMPARE(list.rowCount(list.index(0, 0)), 0);
    QCOMPARE(list.columnCount(list.index(0, 0)), 0);
}

void TestPuzzleDatabase::modelSignalsSatisfyViews()
{
    PuzzleList list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&list, &QAbstractItemModel::modelReset);

    list.append(row("a", "1", "2", "3", "4"));
    list.append(row("b", "1", "2", "3", "4"));
    list.append(row("c", "1", "2", "3", "4"));
    QCOMPARE(inserted.count(), 3);
    QCOMPARE(inserted.last().at(1).toInt(), 2);

    list.replace(1, row("B", "5", "6", "7", "8"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).value<QModelIndex>(), list.index(1, 0));
    QCOMPARE(changed.first().at(1).value<QModelIndex>(), list.index(1, 4));

    list.remove(0);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(flatten(list), QStringList({"B|5|6|7|8", "c|1|2|3|4"}));
    list.remove(5); // a row that does not exist changes nothing
    QCOMPARE(removed.count(), 1);

    list.clear();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(list.rowCount(), 0);
}

void TestPuzzleDatabase::loadsRecords_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("only headers") << header << QStringList();
    QTest::newRow("one line only") << QByteArray("Brovelt Software 2019\r\n") << QStringList();
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("two records")
        << header + "appel,fruit,boom,rood,taart\r\npeer,a,b,c,d\r\n"
        << QStringList{"appel|fruit|boom|rood|taart", "peer|a|b|c|d"};
    QTest::newRow("headers not checked")
        << QByteArray("iets anders\r\nnog iets, met komma\r\nappel,fruit,boom,rood,taart\r\n")
        << QStringList{"appel|fruit|boom|rood|taart"};
    QTest::newRow("blank keyword skipped")
        << header + ",fruit,boom,rood,taart\r\n   ,x,y,z,w\r\npeer,a,b,c,d\r\n"
        << QStringList{"peer|a|b|c|d"};
    QTest::newRow("comma in description shifts later fields")
        << header + "appel,fruit,boom, rood,taart,extra\r\npeer,a,b,c,d\r\nkers,e,f,g,h\r\n"
        << QStringList{"appel|fruit|boom|rood|taart", "extra|peer|a|b|c", "d|kers|e|f|g", "h||||"};
    QTest::newRow("lf line ends")
        << QByteArray("x\ny\nappel,fruit,boom,rood,taart\npeer,a,b,c,d\n")
        << QStringList{"appel|fruit|boom|rood|taart", "peer|a|b|c|d"};
    QTest::newRow("last record cut short")
        << header + "appel,fruit,boom,rood,taart\r\npeer,a"
        << QStringList{"appel|fruit|boom|rood|taart", "peer|a|||"};
    QTest::newRow("cut short with blank keyword") << header + "  " << QStringList();
    QTest::newRow("blanks around fields dropped, inner kept")
        << header + "  rode kool ,  groente,b ,c,d\r\n"
        << QStringList{"rode kool|groente|b|c|d"};
    QTest::newRow("windows-1252 letters")
        << header + "\xe9\xe9n,caf\xe9,\x80,na\xef" "ef,d\r\n"
        << QStringList{QString::fromUtf8("één|café|€|naïef|d")};
    QTest::newRow("trailing empty lines")
        << header + "appel,fruit,boom,rood,taart\r\n\r\n\r\n"
        << QStringList{"appel|fruit|boom|rood|taart"};
    QTest::newRow("duplicates kept")
        << header + "appel,a,b,c,d\r\nappel,a,b,c,d\r\n"
        << QStringList{"appel|a|b|c|d", "appel|a|b|c|d"};
}

void TestPuzzleDatabase::loadsRecords()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, rows);
    TestPlatform platform;
    platform.writeData("Puzzel.lib", file);
    PuzzleList list;
    list.append(row("oud", "1", "2", "3", "4"));
    LaadPuzzelLijst(list);
    QCOMPARE(flatten(list), rows);
}

void TestPuzzleDatabase::missingFileEmptiesTheList()
{
    TestPlatform platform;
    PuzzleList list;
    list.append(row("oud", "1", "2", "3", "4"));
    LaadPuzzelLijst(list);
    QCOMPARE(list.count(), 0);
}

void TestPuzzleDatabase::savesExactBytes_data()
{
    QTest::addColumn<QList<PuzzleEntry>>("rows");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("empty list") << QList<PuzzleEntry>() << header;
    QTest::newRow("fields trimmed of blanks")
        << QList<PuzzleEntry>{row(" appel ", "fruit  ", "  boom", "rood", "taart"), row("rode kool", "-", "b", "c", "d")}
        << header + "appel,fruit,boom,rood,taart\r\nrode kool,-,b,c,d\r\n";
    QTest::newRow("comma written unchanged")
        << QList<PuzzleEntry>{row("appel", "fruit, vers", "boom", "rood", "taart")}
        << header + "appel,fruit, vers,boom,rood,taart\r\n";
    QTest::newRow("windows-1252")
        << QList<PuzzleEntry>{row(QString::fromUtf8("één"), QString::fromUtf8("café"), QString::fromUtf8("€"), "c", "d")}
        << header + "\xe9\xe9n,caf\xe9,\x80,c,d\r\n";
}

void TestPuzzleDatabase::savesExactBytes()
{
    QFETCH(QList<PuzzleEntry>, rows);
    QFETCH(QByteArray, file);
    TestPlatform platform;
    PuzzleList list;
    for (const PuzzleEntry &e : rows)
        list.append(e);
    BewaarPuzzelLijst(list, nullptr);
    QCOMPARE(platform.readData("Puzzel.lib"), file);
}

void TestPuzzleDatabase::savedFileLoadsBackTheSameRows()
{
    TestPlatform platform;
    PuzzleList list;
    list.append(row("appel", "fruit", "boom", "rood", "taart"));
    list.append(row("rode kool", "groente", "-", "paars", "stamppot"));
    list.append(row("appel", "x", "y", "z", "w"));
    BewaarPuzzelLijst(list, nullptr);
    PuzzleList loaded;
    LaadPuzzelLijst(loaded);
    QCOMPARE(loaded.entries(), list.entries());
}

void TestPuzzleDatabase::saveStepRoundsHalfToEven_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("step");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("one") << 1 << 500;
    QTest::newRow("three rounds up") << 3 << 167;
    QTest::newRow("eight: 62.5 to even 62") << 8 << 62;
    QTest::newRow("40: 12.5 to even 12") << 40 << 12;
    QTest::newRow("200: 2.5 to even 2") << 200 << 2;
    QTest::newRow("333: 1.5015 to 2") << 333 << 2;
    QTest::newRow("400: 1.25 to 1") << 400 << 1;
    QTest::newRow("999: 0.5005 to 1") << 999 << 1;
    QTest::newRow("1000: 0.5 to even 0") << 1000 << 0;
}

void TestPuzzleDatabase::saveStepRoundsHalfToEven()
{
    QFETCH(int, rows);
    QFETCH(int, step);
    QCOMPARE(saveStep(rows), step);
}

void TestPuzzleDatabase::saveDrawsProgressPerRow_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("fills");
    QTest::newRow("none") << 0 << QList<int>();
    QTest::newRow("three") << 3 << QList<int>{167, 334, 501};
    QTest::newRow("eight") << 8 << QList<int>{62, 124, 186, 248, 310, 372, 434, 496};
}

void TestPuzzleDatabase::saveDrawsProgressPerRow()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, fills);
    TestPlatform platform;
    PuzzleList list;
    for (int i = 0; i < rows; ++i)
        list.append(row(QString::number(i), "a", "b", "c", "d"));
    RecordedProgress progress;
    const qint64 before = platform.clock().monotonic;
    BewaarPuzzelLijst(list, &progress);

    QCOMPARE(progress.fills, fills);
    QCOMPARE(progress.calls.first(), QStringLiteral("begin #003c00"));
    QCOMPARE(progress.calls.last(), QStringLiteral("end"));
    if (rows > 0)
        QCOMPARE(progress.calls.at(1), QStringLiteral("fill %1 #00be00").arg(fills.first()));
    // Every row waits 0.03 s on the clock.
    QVERIFY(platform.clock().monotonic - before >= 30 * rows);
}

void TestPuzzleDatabase::saveKeepsThePreviousFileAsBackup()
{
    TestPlatform platform;
    const QByteArray previous = header + "oud,1,2,3,4\r\n";
    platform.writeData("Puzzel.lib", previous);
    platform.writeData("Puzzel.bak", "nog ouder\r\n");
    PuzzleList list;
    list.append(row("nieuw", "a", "b", "c", "d"));
    BewaarPuzzelLijst(list, nullptr);
    QCOMPARE(platform.readData("Puzzel.bak"), previous);
    QCOMPARE(platform.readData("Puzzel.lib"), header + "nieuw,a,b,c,d\r\n");
}

void TestPuzzleDatabase::saveSurvivesTheListChangingWhileWaiting()
{
    TestPlatform platform;
    PuzzleList list;
    for (int i = 0; i < 4; ++i)
        list.append(row(QString::number(i), "a", "b", "c", "d"));
    // A click handled during the first wait empties the list under the save's feet.
    QTimer::singleShot(0, &list, [&list] { list.clear(); });
    RecordedProgress progress;
    BewaarPuzzelLijst(list, &progress);
    QCOMPARE(list.count(), 0);
    QCOMPARE(progress.fills.size(), 4);
    QCOMPARE(platform.readData("Puzzel.lib"),
             header + "0,a,b,c,d\r\n1,a,b,c,d\r\n2,a,b,c,d\r\n3,a,b,c,d\r\n");
}

void TestPuzzleDatabase::waitProcessesEventsOnlyWhenPositive_data()
{
    QTest::addColumn<float>("seconds");
    QTest::addColumn<bool>("processes");
    QTest::newRow("zero") << 0.0f << false;
    QTest::newRow("negative") << -1.0f << false;
    QTest::newRow("0.03") << 0.03f << true;
    QTest::newRow("one second") << 1.0f << true;
}

void TestPuzzleDatabase::waitProcessesEventsOnlyWhenPositive()
{
    QFETCH(float, seconds);
    QFETCH(bool, processes);
    TestPlatform platform;
    EventCounter counter;
    QCoreApplication::postEvent(&counter, new PostedEvent);
    const qint64 before = platform.clock().monotonic;
    Wacht(seconds);
    const qint64 waited = platform.clock().monotonic - before;
    QCOMPARE(counter.count, processes ? 1 : 0);
    if (processes)
        QVERIFY(waited >= qint64(seconds * 1000));
    else
        QVERIFY(waited <= platform.clock().step * 2); // read, compared, returned
    QCoreApplication::removePostedEvents(&counter);
}

QTEST_MAIN(TestPuzzleDatabase)
#include "tst_puzzledatabase.moc"
