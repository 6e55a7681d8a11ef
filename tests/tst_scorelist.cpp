#include "game/scorefile.h"
#include "game/scorelist.h"
#include "support/fakes.h"
#include "support/generatedvalues.h"
#include "support/roundtrip.h"

#include <QFile>
#include <QTest>

class TestScoreList : public QObject
{
    Q_OBJECT
private slots:
    // Case-blind, negatives by number, highest last; equal lines and case variants in arrival
    // order, whether added one by one or many at once.
    void keepsLinesSorted()
    {
        QList<ScoreEntry> entries;
        for (const char *line : {"0100 - bea", "1240 - a", "-005 - e", "0100 - Anna", "-040 - b", "0100 - Bea", "0100 - bea"})
            entries << ScoreEntry::fromText(line);
        // Kept within what four characters show.
        entries << ScoreEntry::ofGame(10000, "c") << ScoreEntry::ofGame(-1000, "d");
        ScoreList one, many;
        for (const ScoreEntry &entry : entries)
            one.add(entry);
        many.addAll(entries);
        const QStringList sorted{"-999 - d", "-040 - b", "-005 - e", "0100 - Anna", "0100 - bea",
                                 "0100 - Bea", "0100 - bea", "1240 - a", "9999 - c"};
        QCOMPARE(one.texts(), sorted);
        QCOMPARE(many.texts(), sorted);
    }
    // Header lines not checked, empty lines skipped, lines sorted; commas in quotes kept; a
    // line without a score is kept whole as a name; lines the quoted form cannot give back
    // are read as the game shows them and written back as the file held them.
    void readsAndRewritesTheFile()
    {
        TestContext test;
        const QString path = test.dataPath("Scorelijst.lib");
        ScoreList list;
        QVERIFY(!ScoreFile::load(path, list)); // no file yet: empty, nothing created
        QVERIFY(list.count() == 0 && !QFile::exists(path));
        test.writeData("Scorelijst.lib", "a,b\r\n\"1240 - z\"\r\n\r\n\"\"\r\n\"0100 - quote\"inside\"\r\n"
                                         "0200 - Jan \"P\"\r\n\"-040 - Jan, Piet\"\r\n\"Bea 30\"\r\n");
        QVERIFY(ScoreFile::load(path, list));
        QCOMPARE(list.texts(), QStringList({"-040 - Jan, Piet", "0000 - Bea 30", "0100 - quote", "0200 - Jan \"P\"",
                                            "1240 - z"}));
        QVERIFY(ScoreFile::add(path, list, {0, QString::fromUtf8("Zo\u00eb  ")}).isEmpty());
        QCOMPARE(test.readData("Scorelijst.lib"),
                 "\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n\"-040 - Jan, Piet\"\r\n"
                 "\"0000 - Bea 30\"\r\n\"0000 - Zo\xeb  \"\r\n\"0100 - quote\"inside\"\r\n0200 - Jan \"P\"\r\n"
                 "\"1240 - z\"\r\n");
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
};

QTEST_MAIN(TestScoreList)
#include "tst_scorelist.moc"
