#include "editor/saveprogress.h"
#include "game/puzzleentrycheck.h"
#include "game/puzzlefile.h"
#include "game/puzzlelist.h"
#include "support/fakes.h"
#include "support/generatedvalues.h"
#include "support/roundtrip.h"

#include <QDir>
#include <QTest>

namespace {

QStringList joined(const PuzzleList &list)
{
    QStringList rows;
    for (const PuzzleEntry &e : list.entries())
        rows << QStringList{e.keyword, e.descriptions[0], e.descriptions[1], e.descriptions[2], e.descriptions[3]}.join(u'|');
    return rows;
}

const QByteArray header = "Brovelt Software 2019\r\n----------\r\n";

struct RecordedProgress final : SaveProgress {
    void begin(const QColor &background) override { calls << "begin " + background.name(); }
    void fill(int right, const QColor &colour) override { calls << QString::number(right) + " " + colour.name(); }
    void end() override { calls << QStringLiteral("end"); }
    QStringList calls;
};

} // namespace

class TestPuzzleDatabase : public QObject
{
    Q_OBJECT
private slots:
    void loadsRecords_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("rows"); // each row as "keyword|d1|d2|d3|d4"
        QTest::newRow("header lines not checked, duplicates kept")
            << QByteArray("iets anders\r\nnog iets, met komma\r\nappel,a,b,c,d\r\npeer,e,f,g,h\r\nappel,a,b,c,d\r\n")
            << QStringList{"appel|a|b|c|d", "peer|e|f|g|h", "appel|a|b|c|d"};
        QTest::newRow("blank keyword skipped")
            << header + ",a,b,c,d\r\n   ,x,y,z,w\r\npeer,a,b,c,d\r\n" << QStringList{"peer|a|b|c|d"};
        // A quoted field holds its comma and loses what follows the closing quote.
        QTest::newRow("quotes, comma shifts later fields")
            << header + "\"appel, rood\" weg,a,b, c,d,extra\r\npeer,e,f,g,h\r\n"
            << QStringList{"appel, rood|a|b|c|d", "extra|peer|e|f|g", "h||||"};
        QTest::newRow("quoted comma") << header + "\"a,b\",c,d,e,f\r\npeer,e,f,g,h\r\n"
                                      << QStringList{"a,b|c|d|e|f", "peer|e|f|g|h"};
    }
    // Loading replaces what the list held.
    void loadsRecords()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, rows);
        TestContext t;
        t.writeData("Puzzel.lib", file);
        PuzzleList list;
        list.append(PuzzleEntry{"oud", {"a", "b", "c", "d"}});
        PuzzleFile::load(t.dataPath("Puzzel.lib"), list);
        QCOMPARE(joined(list), rows);
        // The editor's reading keeps a field that lost text whole, so the check can name it.
        PuzzleFile::load(t.dataPath("Puzzel.lib"), list, PuzzleFile::Reading::KeepWholeFields);
        QCOMPARE(joined(list), QStringList(rows).replaceInStrings("appel, rood|", "\"appel, rood\" weg|"));
        // No row that cannot be written back is ever written: the file stays as it was.
        if (PuzzleFile::firstRefusedRow(list.entries()) >= 0) {
            QVERIFY(PuzzleFile::save(t.dataPath("Puzzel.lib"), QString(), list).startsWith("Rij 1 kan niet worden bewaard. "));
            QCOMPARE(t.readData("Puzzel.lib"), file);
        }
    }
    // Each value either comes back identical after a save and a load, or the save refuses
    // it, naming the row, the field and the character, and writes nothing.
    void roundTripOrRefusal_data() { addGeneratedValueRows({4, 5, 4, 4, 4, 0, 5}); }
    void roundTripOrRefusal()
    {
        QFETCH(QString, kind);
        QFETCH(int, refused);
        TestContext t;
        QList<PuzzleEntry> rows;
        const QStringList values = generatedValues(kind);
        for (int i = 0; i < values.size(); ++i) {
            PuzzleEntry &entry = rows.emplace_back(PuzzleEntry{"k" + QString::number(i), {"een", "twee", "drie", "vier"}});
            (i % 5 == 0 ? entry.keyword : entry.descriptions[i % 5 - 1]) = values[i];
            // A refusal names the field that holds the value.
            QCOMPARE(PuzzleEntryCheck(entry).field(), PuzzleEntryCheck(entry).passed() ? -1 : i % 5);
        }
        int refusals = 0;
        QCOMPARE(RoundTrip::puzzles(t.dataPath("Puzzel.lib"), rows, refusals), QString());
        QCOMPARE(refusals, refused);
    }
    // The editor's message before a save names the first such row in full and the rest by number.
    void namesEveryRowASaveWouldRefuse()
    {
        PuzzleList list;
        for (const char *keyword : {"appel", "a,b", "peer", "\"kers\" rood", " vijg"})
            list.append(PuzzleEntry{keyword, {"a", "b", "c", "d"}});
        QCOMPARE(PuzzleFile::refusedRowsText(list.entries()),
                 "Rij 2 (a,b) kan niet worden bewaard zoals hij nu is. Het teken \",\" in Trefwoord kan niet worden "
                 "bewaard: het puzzelbestand gebruikt dit teken om de velden van elkaar te scheiden. Laat het weg of "
                 "kies een ander teken.\n\nOok deze rijen moeten worden aangepast: 4, 5.\n\n"
                 "Pas de rij aan met \"Wijzigen\" of verwijder hem. Er is niets bewaard.");
        list.remove(4);
        list.remove(3);
        list.remove(1);
        QCOMPARE(PuzzleFile::refusedRowsText(list.entries()), QString());
    }
    // A backup that cannot be made is said before anything is written.
    void backupThatFailsStopsTheSave()
    {
        TestContext t;
        t.writeData("Puzzel.lib", header);
        QVERIFY(QDir().mkpath(t.dataPath("Puzzel.bak")));
        PuzzleList list;
        list.append(PuzzleEntry{"peer", {"a", "b", "c", "d"}});
        const QString reason = PuzzleFile::save(t.dataPath("Puzzel.lib"), t.dataPath("Puzzel.bak"), list);
        QCOMPARE(reason, "De reservekopie kon niet worden gemaakt: op de plaats van "
                             + QDir::toNativeSeparators(t.dataPath("Puzzel.bak")) + " staat een map.");
        QCOMPARE(t.readData("Puzzel.lib"), header);
    }
    // What is read is written back byte for byte; the code page's own letters go out as its bytes.
    void savesExactBytesAndKeepsABackup()
    {
        TestContext t;
        const QByteArray file = header + "appel,fruit,boom,rood,taart\r\nrode kool,groente,-,paars,\xe9\xe9n \x80\r\n"
                                         "appel,fruit,boom,rood,taart\r\n";
        t.writeData("Puzzel.lib", file);
        t.writeData("Puzzel.bak", "nog ouder\r\n");
        PuzzleList list;
        PuzzleFile::load(t.dataPath("Puzzel.lib"), list);
        list.append(PuzzleEntry{"peer", {"vers", "boom", "c", "d"}});
        list.append(PuzzleEntry{"çà", {"€ 5", "œuvre", "Ÿ ß", "tab\there"}});
        QCOMPARE(PuzzleFile::save(t.dataPath("Puzzel.lib"), t.dataPath("Puzzel.bak"), list), QString());
        QCOMPARE(t.readData("Puzzel.lib"), file + "peer,vers,boom,c,d\r\n\xe7\xe0,\x80 5,\x9cuvre,\x9f \xdf,tab\there\r\n");
        QCOMPARE(t.readData("Puzzel.bak"), file);
    }
    // 500 pixels shared out per row, a half rounded to even; each row waits 30 ms on the clock.
    void saveDrawsProgressPerRow_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("fills");
        QTest::newRow("none") << 0 << QList<int>();
        QTest::newRow("three: 166.7 up") << 3 << QList<int>{167, 334, 501};
        QTest::newRow("eight: 62.5 to even") << 8 << QList<int>{62, 124, 186, 248, 310, 372, 434, 496};
    }
    void saveDrawsProgressPerRow()
    {
        QFETCH(int, rows);
        QFETCH(QList<int>, fills);
        FakeClock clock;
        RecordedProgress progress;
        runSaveProgress(&progress, rows, clock);
        QStringList calls{"begin #003c00"};
        for (int right : fills)
            calls << QString::number(right) + " #00be00";
        QCOMPARE(progress.calls, calls << "end");
        QVERIFY(clock.monotonic >= 30 * rows);
    }
};

QTEST_MAIN(TestPuzzleDatabase)
#include "tst_puzzledatabase.moc"
