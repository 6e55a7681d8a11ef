#include "game/puzzlefile.h"
#include "game/puzzlelist.h"
#include "game/shownfield.h"
#include "support/fakes.h"
#include "support/generatedvalues.h"
#include "support/roundtrip.h"

#include <QDir>
#include <QTest>

class TestPuzzleDatabase : public QObject
{
    Q_OBJECT
private slots:
    // Loading replaces what the list held. The header lines are not checked, blank keywords
    // skipped, duplicates kept; a quoted field holds its comma and loses what follows the
    // closing quote, a stray comma shifts every later field, and a field of 10 MB reads
    // whole. (The editor's reading, which keeps such a field whole: tst_editform
    // saveProblemsAreSaid.)
    void loadsRecords()
    {
        TestContext t;
        const int mb10 = 10 * 1024 * 1024;
        t.writeData("Puzzel.lib", "iets anders\r\nnog iets, met komma\r\nappel,a,b,c,d\r\n,a,b,c,d\r\n   ,x,y,z,w\r\n"
                                  "\"appel, rood\" weg,a,b, c,d,extra\r\npeer,e,f,g,h\r\nappel,a,b,c,d\r\n" + QByteArray(mb10, 'x'));
        PuzzleList list;
        list.append(PuzzleEntry{"oud", {"a", "b", "c", "d"}});
        PuzzleFile::load(t.dataPath("Puzzel.lib"), list);
        QCOMPARE(RoundTrip::rowTexts(list.entries()),
                 QStringList({"appel|a|b|c|d", "appel, rood|a|b|c|d", "extra|peer|e|f|g", "h|appel|a|b|c", "d|" + QString(mb10, u'x') + "|||"}));
    }
    // The reading names the lines that are not one puzzle of five fields, where the
    // records break off from whole lines, so the keeper of the list hears of what a save
    // would write shifted or without; the rows themselves are read as ever.
    void readReportNamesLinesThatAreNotOnePuzzle_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("lines");
        const QByteArray header = "Brovelt Software 2019\r\n----------\r\n";
        QTest::newRow("one puzzle a line") << header + "appel,a,b,c,d\r\npeer,e,f,g,h\r\n" << QList<int>{};
        QTest::newRow("LF, lone CR, no last line end") << header + "appel,a,b,c,d\npeer,e,f,g,h\rkers,i,j,k,l" << QList<int>{};
        QTest::newRow("quoted comma") << header + "\"appel, rood\",a,b,c,d\r\n" << QList<int>{};
        // The lines after it are read shifted; only where it began is named.
        QTest::newRow("blank line") << header + "aap,1,2,3,4\r\n\r\nbeer,1,2,3,4\r\ncavia,1,2,3,4\r\n" << QList<int>{4};
        QTest::newRow("six fields") << header + "beer,1,2,3,4,extra\r\ncavia,1,2,3,4\r\n" << QList<int>{3};
        QTest::newRow("four fields") << header + "beer,1,2,3\r\ncavia,1,2,3,4\r\n" << QList<int>{3};
        QTest::newRow("back in step, then a second fault")
            << header + "a,1,2,3\r\nb,1,2,3,4,5\r\nc,1,2,3,4\r\n\r\nd,1,2,3,4\r\n" << QList<int>{3, 6};
        QTest::newRow("no keyword; blank lines at the end")
            << header + ",fruit,boom,rood,taart\r\n   ,x,y,z,w\r\n,,,,\r\nappel,a,b,c,d\r\n\r\n \r\n" << QList<int>{3, 4};
        QTest::newRow("last puzzle cut short") << header + "appel,a,b,c,d\r\npeer,e\r\n" << QList<int>{4};
        QTest::newRow("quote left open") << header + "aap,\"1,2,3,4\r\nbeer,1,2,3,4\r\n" << QList<int>{3};
        QTest::newRow("header lines holding puzzles") << QByteArray("aap,a,b,c,d\r\nbeer,e,f,g,h\r\ncavia,i,j,k,l\r\n")
                                                     << QList<int>{1, 2};
        QTest::newRow("header lines with commas of their own") << QByteArray("Puzzels, versie 2\r\n,,,,\r\n") << QList<int>{};
        QTest::newRow("quoted header with commas")
            << QByteArray("\"Brovelt, Software, 2019, versie, 1\"\r\n----------\r\na,b,c,d,e\r\n") << QList<int>{};
        // A quote in the last field that runs on over the next lines takes them into it.
        QTest::newRow("last field quoted over lines")
            << header + "a,b,c,d,e\r\na,b,c,d,\"e\r\nf,g,h,i,j\r\nk,l,m,n,o\"\r\na,b,c,d,e\r\n" << QList<int>{4};
        QTest::newRow("many blank lines at the end")
            << header + "a,b,c,d,e\r\nf,g,h,i,j\r\n" + QByteArray("\r\n \r\n").repeated(7) << QList<int>{};
    }
    void readReportNamesLinesThatAreNotOnePuzzle()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, lines);
        TestContext t;
        t.writeData("Puzzel.lib", bytes);
        PuzzleFile::ReadReport report;
        const QList<PuzzleEntry> rows = PuzzleFile::read(t.dataPath("Puzzel.lib"), PuzzleFile::Reading::AsRead, &report);
        QCOMPARE(report.irregularLines, lines);
        QVERIFY(!report.unreadable);
        QCOMPARE(rows, PuzzleFile::read(t.dataPath("Puzzel.lib")));
    }
    // Lines holding letters in UTF-8's form are named, also in a file of the list's code
    // page (a line added from a UTF-8 editor), so the keeper hears why "é" shows as "Ã©";
    // a byte-order mark alone is no such letter.
    void readReportNamesUtf8Lines_data()
    {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("Windows-1252") << QByteArray("caf\xe9,a,b,c,d\r\n\x80uro,\x93" "a\x94,b,c,d\r\n") << QList<int>{};
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9,a,b,c,d\r\n\xe2\x82\xac,\xe2\x80\x9c" "a,b,c,d\r\n")
                               << QList<int>{3, 4};
        QTest::newRow("mixed") << QByteArray("caf\xe9,a,b,c,d\r\ncaf\xc3\xa9,a,b,c,d\r\n") << QList<int>{4};
        QTest::newRow("byte-order mark only") << QByteArray("\xef\xbb\xbf" "cafe,a,b,c,d\r\n") << QList<int>{};
    }
    void readReportNamesUtf8Lines()
    {
        QFETCH(QByteArray, rows);
        QFETCH(QList<int>, lines);
        TestContext t;
        t.writeData("Puzzel.lib", "Brovelt Software 2019\r\n----------\r\n" + rows);
        PuzzleFile::ReadReport report;
        PuzzleFile::read(t.dataPath("Puzzel.lib"), PuzzleFile::Reading::AsRead, &report);
        QCOMPARE(report.utf8Lines, lines);
        QVERIFY(report.irregularLines.isEmpty());
        const QString told = QStringLiteral("In Puzzel.lib staat tekst in UTF-8 (%1), maar het spel leest "
                                            "Windows-1252: letters met een accent staan er daarom anders in "
                                            "(\u00e9 als \u00c3\u00a9).");
        const QString named = lines.size() == 1 ? "regel 4" : "regels 3 en 4";
        QCOMPARE(PuzzleFile::readReportText(report), lines.isEmpty() ? QString() : told.arg(named));
        // Both kinds told, each in its own paragraph; a few lines are named all.
        report.irregularLines = {1, 2, 9};
        const QString shifted = QStringLiteral("Niet alles in Puzzel.lib kon als puzzel van vijf velden worden gelezen:"
                                               " regels 1, 2 en 9. Vanaf zo'n regel kunnen puzzels verschoven of"
                                               " weggevallen zijn. Kijk de lijst na voordat je opslaat: opslaan bewaart"
                                               " de lijst zoals hij hier staat, en het oude bestand als Puzzel.bak.");
        QCOMPARE(PuzzleFile::readReportText(report), lines.isEmpty() ? shifted : told.arg(named) + "\n\n" + shifted);
    }
    // A list saved as UTF-16 ("Unicode" in Notepad), or a file that is no text at all, is
    // said to be so, not taken for UTF-8 where its bytes happen to look like it.
    void readReportTellsWhatIsNoText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = "Brovelt Software 2019\r\n----------\r\ncaf\u00e9,a,b,c,d\r\n";
        QTest::newRow("UTF-16") << QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QTest::newRow("no text") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xc3\xa9\xe2\x82\xac", 22);
    }
    void readReportTellsWhatIsNoText()
    {
        QFETCH(QByteArray, bytes);
        TestContext t;
        t.writeData("Puzzel.lib", bytes);
        PuzzleFile::ReadReport report;
        PuzzleFile::read(t.dataPath("Puzzel.lib"), PuzzleFile::Reading::AsRead, &report);
        QVERIFY(report.notText && report.utf8Lines.isEmpty());
        QVERIFY2(PuzzleFile::readReportText(report).startsWith(
                     "Puzzel.lib is geen tekst zoals het spel die leest: er staan nul-tekens in, zoals in een bestand dat als"
                     " UTF-16 (Unicode) is opgeslagen of in een bestand dat geen tekst is. Sla de lijst op als tekst in"
                     " Windows-1252 (ANSI)."),
                 qPrintable(PuzzleFile::readReportText(report)));
    }
    // The list and the messages show a field on one line and at most so long; the list's
    // edit role, which the boxes and the save read, keeps it whole.
    void fieldsAreShownShort_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("inList");
        QTest::addColumn<QString>("refusal"); // how the save's refusal names the row, with the field as its keyword
        const QString tail = QStringLiteral(") kan niet worden bewaard zoals hij nu is.");
        QTest::newRow("short") << "appel" << "appel" << "Rij 1 (appel" + tail;
        QTest::newRow("tab, line ends, other controls") << "a\tb\r\nc\rd\ne\x7f\x01\u0081" << "a→b¶c¶d¶e···"
                                                        << "Rij 1 (a→b¶c¶d¶e···" + tail;
        QTest::newRow("500 characters") << QString(500, u'x') << QString(500, u'x') << "Rij 1 (" + QString(60, u'x') + "…" + tail;
        QTest::newRow("501 characters") << QString(501, u'x') << QString(500, u'x') + "…" << "Rij 1 (" + QString(60, u'x') + "…" + tail;
        // An emoji that the cut would halve goes whole.
        QTest::newRow("emoji at the cut") << QString(59, u'x') + "😀😀" << QString(59, u'x') + "😀😀"
                                          << "Rij 1 (" + QString(59, u'x') + "…" + tail;
    }
    void fieldsAreShownShort()
    {
        QFETCH(QString, field);
        QFETCH(QString, inList);
        QFETCH(QString, refusal);
        // A double quote: refused in every field, so the row is named.
        const PuzzleEntry entry{field, {"a", "b", "c", "d\""}};
        PuzzleList list;
        list.append(entry);
        QCOMPARE(list.data(list.index(0, 0), Qt::DisplayRole).toString(), inList);
        QCOMPARE(list.data(list.index(0, 0), Qt::EditRole).toString(), field);
        QCOMPARE(PuzzleFile::refusedRowsText({entry}).left(refusal.size()), refusal);
    }
    // Thousands of rows to mend are named by the first ten and a count, so the message with
    // its button stays on the screen.
    void manyRefusedRowsAreCounted()
    {
        const QList<PuzzleEntry> rows(3000, PuzzleEntry{"a,b", {"a", "b", "c", "d"}});
        const QString text = PuzzleFile::refusedRowsText(rows);
        QVERIFY2(text.contains("\n\nOok deze rijen moeten worden aangepast: 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 en nog 2989 andere.\n\n"),
                 qPrintable(text));
    }
    // Each value either comes back identical after a save and a load, or the save refuses
    // it, naming the row, the field and the character, and writes nothing. Of the code
    // page's characters, the comma, the quote and the line ends are refused, and in a
    // keyword the seven no keyboard gives (six control characters, the no-break space).
    void roundTripOrRefusal_data() { addGeneratedValueRows({11, 5, 4, 4, 4, 0, 5}); }
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
        }
        int refusals = 0;
        QCOMPARE(RoundTrip::puzzles(t.dataPath("Puzzel.lib"), rows, refusals), QString());
        QCOMPARE(refusals, refused);
    }
    // What is written is exact, the code page's own letters as its bytes. The strip grows
    // with the work done and is full only once the new file is in its place and the old
    // one kept over the older backup; a save that fails never gets there.
    void saveReportsProgressUpToTheFileInPlace_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QList<int>>("told");
        QTest::newRow("999, in tenths") << 999 << false
                                        << QList<int>{60, 120, 180, 240, 300, 360, 420, 480, 540, 600, 700, 1000};
        QTest::newRow("folder in the file's place") << 3 << true << QList<int>{180, 360, 600, 700};
    }
    void saveReportsProgressUpToTheFileInPlace()
    {
        QFETCH(int, rows);
        QFETCH(bool, fails);
        QFETCH(QList<int>, told);
        TestContext t;
        const QByteArray header = "Brovelt Software 2019\r\n----------\r\n", old = header + "oud,a,b,c,d\r\n";
        t.writeData("Puzzel.lib", old);
        t.writeData("Puzzel.bak", "nog ouder\r\n");
        if (fails)
            QVERIFY(QFile::remove(t.dataPath("Puzzel.lib")) && QDir().mkpath(t.dataPath("Puzzel.lib/oud")));
        PuzzleList list;
        QByteArray written = header;
        for (int i = 0; i < rows; ++i) {
            list.append(PuzzleEntry{"çà" + QString::number(i), {"€ 5", "œuvre", "Ÿ ß", "tab\there"}});
            written += "\xe7\xe0" + QByteArray::number(i) + ",\x80 5,\x9cuvre,\x9f \xdf,tab\there\r\n";
        }
        QList<int> reports;
        QList<bool> inPlace;
        const QString reason = PuzzleFile::save(t.dataPath("Puzzel.lib"), t.dataPath("Puzzel.bak"), list, [&](int permille) {
            reports << permille;
            inPlace << (t.readData("Puzzel.lib") == written && (fails || t.readData("Puzzel.bak") == old));
        });
        QCOMPARE(reports, told);
        QCOMPARE(reason.isEmpty(), !fails);
        QCOMPARE(t.readData("Puzzel.lib"), fails ? QByteArray() : written);
        // Before the end the old file still stands; at the end the new one does.
        QCOMPARE(inPlace, QList<bool>(told.size() - 1, false) << !fails);
    }
};

QTEST_MAIN(TestPuzzleDatabase)
#include "tst_puzzledatabase.moc"
