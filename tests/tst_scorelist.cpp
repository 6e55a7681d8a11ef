#include "game/scorefile.h"
#include "game/scorelist.h"
#include "support/fakes.h"
#include "support/generatedvalues.h"
#include "support/roundtrip.h"

#include <QFile>
#include <QTest>

namespace {

const QByteArray s_header = "\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n";

} // namespace

class TestScoreList : public QObject
{
    Q_OBJECT
private slots:
    void keepsLinesSorted()
    {
        // Case-blind, negatives by number, highest last; equal lines and case variants in arrival order.
        ScoreList list;
        for (const char *line : {"0100 - bea", "1240 - a", "-005 - e", "0100 - Anna", "-040 - b", "0100 - Bea", "0100 - bea"})
            list.add(ScoreEntry::fromText(line));
        list.add(ScoreEntry::ofGame(10000, "c")); // kept within what four characters show
        list.add(ScoreEntry::ofGame(-1000, "d"));
        QCOMPARE(list.texts(), QStringList({"-999 - d", "-040 - b", "-005 - e", "0100 - Anna", "0100 - bea", "0100 - Bea",
                                            "0100 - bea", "1240 - a", "9999 - c"}));
        list.removeAt(4);
        QCOMPARE(list.texts().mid(3, 3), QStringList({"0100 - Anna", "0100 - Bea", "0100 - bea"}));
        // Many at once land where one by one would have put them.
        ScoreList many;
        many.addAll({ScoreEntry::fromText("0100 - bea"), ScoreEntry::fromText("0100 - Anna"), ScoreEntry::fromText("0100 - Bea")});
        QCOMPARE(many.texts(), QStringList({"0100 - Anna", "0100 - bea", "0100 - Bea"}));
    }
    void readsAndRewritesTheFile()
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
        QCOMPARE(test.readData("Scorelijst.lib"),
                 s_header + "\"-040 - Jan, Piet\"\r\n\"0000 - Bea 30\"\r\n\"0000 - Zo\xeb  \"\r\n\"1240 - z\"\r\n");
    }
    // A name either comes back identical after a save and a load, or the score file refuses
    // it with the editor's message; the name question uses the same refusal.
    void roundTripOrRefusal_data() { addGeneratedValueRows({1, 5, 0, 0, 0, 0, 5}); }
    void roundTripOrRefusal()
    {
        QFETCH(QString, kind);
        QFETCH(int, refused);
        TestContext test;
        QList<ScoreEntry> entries;
        const QStringList names = generatedValues(kind);
        for (int i = 0; i < names.size(); ++i)
            entries << ScoreEntry::ofGame(i * 977 % 12000 - 1500, names[i]);
        int refusals = 0;
        QCOMPARE(RoundTrip::scores(test.dataPath("Scorelijst.lib"), entries, refusals), QString());
        QCOMPARE(refusals, refused);
    }
    // Lines the quoted form cannot give back stay as the file held them, and a list of any
    // length is read and written whole.
    void keepsLinesItCannotWriteAndEveryLineOfALongFile()
    {
        TestContext test;
        const QString path = test.dataPath("Scorelijst.lib");
        QByteArray file = s_header + "\"0100 - quote\"inside\"\r\n0200 - Jan \"P\"\r\n";
        for (int i = 0; i < 40000; ++i)
            file += "\"" + scoreText(i % 9000).toLatin1() + " - speler" + QByteArray::number(i) + "\"\r\n";
        test.writeData("Scorelijst.lib", file);
        ScoreList list;
        QVERIFY(ScoreFile::load(path, list));
        QCOMPARE(list.count(), 40002);
        QVERIFY(ScoreFile::add(path, list, ScoreEntry::ofGame(0, "Zo\u00eb")).isEmpty());
        const QByteArray written = test.readData("Scorelijst.lib");
        QCOMPARE(written.count("\r\n"), 40005);
        QVERIFY(written.contains("\r\n\"0100 - quote\"inside\"\r\n"));
        QVERIFY(written.contains("\r\n0200 - Jan \"P\"\r\n"));
        // Read again, the same entries; the kept lines show what the game reads of them.
        ScoreList again;
        QVERIFY(ScoreFile::load(path, again));
        QCOMPARE(again.entries(), list.entries());
        QVERIFY(again.texts().contains("0100 - quote") && again.texts().contains("0200 - Jan \"P\""));
    }
};

QTEST_MAIN(TestScoreList)
#include "tst_scorelist.moc"
