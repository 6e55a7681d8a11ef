#include "editor/puzzleentrycheck.h"
#include "editor/saveprogress.h"
#include "game/puzzlefile.h"
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
    void entryCheck_data();
    void entryCheck();
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
    TestContext t;
    if (!file.isNull())
        t.writeData("Puzzel.lib", file);
    PuzzleList list;
    list.append(row("oud"));
    PuzzleFile::load(t.dataPath("Puzzel.lib"), list);
    QStringList read;
    for (const PuzzleEntry &e : list.entries())
        read << QStringList{e.keyword, e.descriptions[0], e.descriptions[1], e.descriptions[2], e.descriptions[3]}.join(u'|');
    QCOMPARE(read, rows);
}

void TestPuzzleDatabase::savesExactBytesAndKeepsABackup()
{
    TestContext t;
    const QByteArray file = header + "appel,fruit,boom,rood,taart\r\nrode kool,groente,-,paars,\xe9\xe9n \x80\r\n"
                                     "appel,fruit,boom,rood,taart\r\n";
    t.writeData("Puzzel.lib", file);
    t.writeData("Puzzel.bak", "nog ouder\r\n");
    PuzzleList list;
    PuzzleFile::load(t.dataPath("Puzzel.lib"), list);
    list.append(row(" peer ", "vers  ", "  boom")); // blanks around the texts trimmed
    QCOMPARE(PuzzleFile::save(t.dataPath("Puzzel.lib"), t.dataPath("Puzzel.bak"), list), QString());
    QCOMPARE(t.readData("Puzzel.lib"), file + "peer,vers,boom,c,d\r\n");
    QCOMPARE(t.readData("Puzzel.bak"), file);
}

// The first character the file cannot hold, field by field (the editor's tests show the
// messages); what passes must come back from the file as it went in.
void TestPuzzleDatabase::entryCheck_data()
{
    QTest::addColumn<PuzzleEntry>("entry");
    QTest::addColumn<int>("field"); // -1: passes
    QTest::addColumn<QString>("character");
    QTest::newRow("code page's own letters") << PuzzleEntry{"çà", {"€ 5", "œuvre", "Ÿ ß", "tab\there"}} << -1 << "";
    QTest::newRow("emoji kept whole") << PuzzleEntry{"lach", {"a", "blij 😀 !", "c", "d"}} << 2 << "😀";
    QTest::newRow("keyword first") << PuzzleEntry{"茶", {"😀", "b", "c", "d"}} << 0 << "茶";
    QTest::newRow("quote") << PuzzleEntry{"peer", {"\"Doyenne\"", "b", "c", "d"}} << 1 << "\"";
    QTest::newRow("line end") << PuzzleEntry{"pe\ner", {"a", "b", "c", "d"}} << 0 << "\n";
}

void TestPuzzleDatabase::entryCheck()
{
    QFETCH(PuzzleEntry, entry);
    QFETCH(int, field);
    QFETCH(QString, character);
    const PuzzleEntryCheck check(entry);
    QCOMPARE(check.field(), field);
    QCOMPARE(check.character(), character);
    if (!check.passed()) {
        QVERIFY(check.message().contains(PuzzleEntryCheck::fieldName(field)));
        return;
    }
    TestContext t;
    PuzzleList list;
    list.append(entry);
    QCOMPARE(PuzzleFile::save(t.dataPath("Puzzel.lib"), t.dataPath("Puzzel.bak"), list), QString());
    PuzzleFile::load(t.dataPath("Puzzel.lib"), list);
    QCOMPARE(list.entries(), QList<PuzzleEntry>{entry});
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
    QCOMPARE(PuzzleFile::progressStep(rows), fills.value(0));
    FakeClock clock;
    RecordedProgress progress;
    runSaveProgress(&progress, rows, clock);
    QStringList calls{"begin #003c00"};
    for (int right : fills)
        calls << QStringLiteral("fill %1 #00be00").arg(right);
    QCOMPARE(progress.calls, calls << "end");
}

void TestPuzzleDatabase::waitProcessesEventsOnlyWhenPositive()
{
    FakeClock clock;
    int handled = 0;
    QTimer::singleShot(0, [&handled] { ++handled; });
    for (double seconds : {0.0, 0.03}) {
        const qint64 before = clock.monotonic;
        waitHandlingEvents(clock, seconds);
        const qint64 waited = clock.monotonic - before;
        QCOMPARE(handled, seconds > 0 ? 1 : 0);
        QVERIFY(seconds > 0 ? waited >= 30 : waited <= clock.step * 2); // zero: read, compared, returned
    }
}

QTEST_MAIN(TestPuzzleDatabase)
#include "tst_puzzledatabase.moc"
