#include "game/scorefile.h"
#include "game/scorelist.h"
#include "support/fakes.h"
#include "support/generatedvalues.h"
#include "support/roundtrip.h"

#include <QTest>

class TestScoreList : public QObject
{
    Q_OBJECT
private slots:
    // Header lines not checked, empty lines skipped; commas in quotes kept; a line without a
    // score text the program writes (the original's "0-40" for -40, a score of five digits,
    // "-000", which would come back as "0000") kept as it stands and
    // sorted as the line it is; a last line cut off inside its quote read as far as it goes.
    // Lines sorted case-blind, negatives by number, highest last, equal lines and case
    // variants in arrival order, whether read at once or added one by one. Lines the quoted
    // form cannot give back read as the game shows them and written back as the file held them.
    void readsSortsAndRewritesTheFile()
    {
        TestContext test;
        const QString path = test.dataPath("Scorelijst.lib");
        ScoreList list;
        test.writeData("Scorelijst.lib", "a,b\r\n\"0100 - bea\"\r\n\r\n\"\"\r\n\"1240 - z\"\r\n\"-005 - e\"\r\n\"Bea 30\"\r\n"
                                         "\"0100 - quote\"inside\"\r\n\"0100 - Bea\"\r\n0200 - Jan \"P\"\r\n\"0-40 - Piet\"\r\n"
                                         "\"12340 - Groot\"\r\n\"-000 - Nul\"\r\n\"-040 - Jan, Piet\"\r\n\"0000 - Zo\xeb  \"\r\n\"0120 - An");
        QVERIFY(ScoreFile::load(path, list));
        QCOMPARE(list.texts(), QStringList({"-040 - Jan, Piet", "-005 - e", "-000 - Nul", "0-40 - Piet", QString::fromUtf8("0000 - Zoë  "),
                                            "0100 - bea", "0100 - Bea", "0100 - quote", "0120 - An", "0200 - Jan \"P\"",
                                            "12340 - Groot", "1240 - z", "Bea 30"}));
        QVERIFY(ScoreFile::add(path, list, {100, "BEA"}).isEmpty());
        QCOMPARE(test.readData("Scorelijst.lib"),
                 fileHeader + "\"-040 - Jan, Piet\"\r\n\"-005 - e\"\r\n\"-000 - Nul\"\r\n\"0-40 - Piet\"\r\n"
                 "\"0000 - Zo\xeb  \"\r\n\"0100 - bea\"\r\n\"0100 - Bea\"\r\n\"0100 - BEA\"\r\n"
                 "\"0100 - quote\"inside\"\r\n\"0120 - An\"\r\n0200 - Jan \"P\"\r\n\"12340 - Groot\"\r\n\"1240 - z\"\r\n"
                 "\"Bea 30\"\r\n");
    }
    // A name either comes back identical after a save and a load, or the score file refuses
    // it with the editor's message, which the name question gives too (the question also
    // refuses a line break, which the file holds, so a name stays one line). Scores beyond
    // what four characters show come back at their limits.
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
