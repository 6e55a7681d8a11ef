#include "game/gamesettings.h"
#include "game/puzzlefile.h"
#include "game/puzzlelist.h"
#include "game/scorefile.h"
#include "game/scorelist.h"
#include "shell/mainwindow.h"
#include "support/fakes.h"
#include "tools/woordenform.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

namespace {

const QByteArray s_puzzels("Brovelt Software 2019\r\n----------\r\nappel,fruit,boom,rood,taart\r\n"
                           "rode kool,groente,paars,stamppot,blad\r\n");
const QByteArray s_header("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n");
const QByteArray s_scores = s_header + "\"0080 - Bram\"\r\n\"0120 - Anna\"\r\n";
// The settings lie beside the Data folder.
const QString s_ini = QStringLiteral("../Raadkwartet.ini");

// Bytes of every value, the same at every run.
QByteArray garbage(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((uint(i) * 2654435761u) >> 24);
    return bytes;
}

// What the game reads from a file: the keywords, the score lines, or the playing time
// with whether the settings were whole.
QStringList readBack(const TestContext &test, const QString &name)
{
    if (name == "Puzzel.lib") {
        PuzzleList list;
        PuzzleFile::load(test.dataPath(name), list);
        QStringList keywords;
        for (const PuzzleEntry &e : list.entries())
            keywords << e.keyword;
        return keywords;
    }
    if (name == "Scorelijst.lib") {
        ScoreList scores;
        ScoreFile::load(test.dataPath(name), scores);
        return scores.texts();
    }
    GameSettings settings;
    const bool whole = loadSettings(test.folders.settingsFile(), settings);
    return {QString::number(settings.speeltijd), whole ? "whole" : "damaged"};
}

bool run(const QString &program, const QStringList &arguments)
{
    return QProcess::execute(program, arguments) == 0;
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT
private slots:
    void damagedFiles_data();
    void damagedFiles();
    void binaryGarbageGivesNoBlankKeywordsOrScores();
    void missingDataFolderStartsAndRemakesItOnExit();
    void unwritableDataFolderKeepsTheOldFiles_data();
    void unwritableDataFolderKeepsTheOldFiles();
    void wordSearchSurvivesExtremeWordLists_data();
    void wordSearchSurvivesExtremeWordLists();
};

void TestFaults::damagedFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("read");
    const QStringList keywords{"appel", "rode kool"}, defaults{"600", "damaged"};
    const QString lib = "Puzzel.lib", lijst = "Scorelijst.lib";
    const int mb10 = 10 * 1024 * 1024;
    QTest::newRow("puzzles LF only") << lib << QByteArray(s_puzzels).replace("\r\n", "\n") << keywords;
    QTest::newRow("puzzles CR only, no last line end") << lib << QByteArray(s_puzzels).replace("\r\n", "\r").chopped(1) << keywords;
    QTest::newRow("puzzles empty") << lib << QByteArray("") << QStringList();
    QTest::newRow("puzzles NUL in a keyword")
        << lib << QByteArray("h\r\nh\r\nap") + '\0' + "pel,a,b,c,d\r\n" << QStringList{QString("ap") + QChar(0) + "pel"};
    QTest::newRow("puzzles one 10 MB line")
        << lib << QByteArray("h\r\nh\r\n") + QByteArray(mb10, 'x') << QStringList{QString(mb10, u'x')};
    QTest::newRow("scores CR only") << lijst << QByteArray(s_scores).replace("\r\n", "\r") << QStringList{"0080 - Bram", "0120 - Anna"};
    QTest::newRow("scores cut inside a quote") << lijst << s_scores.chopped(5) << QStringList{"0080 - Bram", "0120 - An"};
    QTest::newRow("settings LF only") << s_ini << s_header + "630\n10,20,30\n\"Voet\"\n" << QStringList{"630", "whole"};
    QTest::newRow("settings NUL instead of a digit") << s_ini << QByteArray("a\nb\n6") + '\0' + "0\n1,2,3\n\"x\"\n" << defaults;
    QTest::newRow("settings one 10 MB line") << s_ini << QByteArray(mb10, '7') << defaults;
    QTest::newRow("settings binary garbage") << s_ini << garbage(64 * 1024) << defaults;
}

void TestFaults::damagedFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, read);
    TestContext test;
    test.writeData(name, bytes);
    QCOMPARE(readBack(test, name), read);
}

// Garbage cannot be predicted row by row, but what the game gets from it can.
void TestFaults::binaryGarbageGivesNoBlankKeywordsOrScores()
{
    TestContext test;
    test.writeData("Puzzel.lib", garbage(64 * 1024));
    test.writeData("Scorelijst.lib", garbage(64 * 1024));
    for (const QString &keyword : readBack(test, "Puzzel.lib"))
        QVERIFY(!QString(keyword).remove(u' ').isEmpty());
    QVERIFY(!readBack(test, "Scorelijst.lib").contains(QString()));
}

void TestFaults::missingDataFolderStartsAndRemakesItOnExit()
{
    TestContext test;
    QVERIFY(QDir(test.folder() + "/Data").removeRecursively());
    MainWindow window(test.context());
    window.layOut(QSize(1280, 1024));
    test.dialogs.inputs = {QStringLiteral("Anna")};
    window.startGame();
    QCOMPARE(window.controller().phase(), GameController::Phase::Idle);
    QCOMPARE(test.dialogs.shown.last().kind, ShownDialog::Message);
    window.controller().scoreList().add({100, QStringLiteral("Anna")});
    test.dialogs.answers = {true};
    QVERIFY(window.close());
    QCOMPARE(test.readData("Scorelijst.lib"), s_header + "\"0100 - Anna\"\r\n");
}

void TestFaults::unwritableDataFolderKeepsTheOldFiles_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("disk full") << false;
    QTest::newRow("read-only") << true;
}

// A small file system of its own for the Data folder makes a full or read-only disk
// real. Needs root (as CI runs); skipped elsewhere.
void TestFaults::unwritableDataFolderKeepsTheOldFiles()
{
    QFETCH(bool, readOnly);
    TestContext test;
    const QString data = test.folder() + "/Data";
    if (!run("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", data}))
        QSKIP("mounting a small file system needs root");
    const auto unmount = qScopeGuard([&] { run("umount", {data}); });
    test.writeData("Puzzel.lib", s_puzzels);
    test.writeData("Scorelijst.lib", s_scores);
    if (readOnly)
        QVERIFY(run("mount", {"-o", "remount,ro", data}));
    else // more than fits: the disk is filled to the last byte
        test.writeData("filler", QByteArray(128 * 1024, 'f'));
    PuzzleList list;
    PuzzleFile::load(test.dataPath("Puzzel.lib"), list);
    // Small saves: the disk-full error shows only when the write buffer is flushed.
    list.append(PuzzleEntry{QStringLiteral("peer"), {"een", "twee", "drie", "vier"}});
    QVERIFY(!PuzzleFile::save(test.dataPath("Puzzel.lib"), test.dataPath("Puzzel.bak"), list).isEmpty());
    ScoreList scores;
    QVERIFY(!ScoreFile::add(test.dataPath("Scorelijst.lib"), scores, {200, QStringLiteral("Cor")}).isEmpty());
    QCOMPARE(scores.texts(), QStringList({"0080 - Bram", "0120 - Anna", "0200 - Cor"}));
    QCOMPARE(test.readData("Puzzel.lib"), s_puzzels);
    QCOMPARE(test.readData("Scorelijst.lib"), s_scores);
}

void TestFaults::wordSearchSurvivesExtremeWordLists_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("count");
    QByteArray million;
    for (int i = 0; i < 1000000; ++i)
        million += (i % 10 == 0 ? "kaaswoord" : "woord") + QByteArray::number(i) + "\r\n";
    QTest::newRow("a million lines") << million << "100000 Woorden gevonden...";
    QTest::newRow("one 10 MB line") << QByteArray(10 * 1024 * 1024, 'k') + "aas" << "1 Woorden gevonden...";
    QTest::newRow("binary garbage") << garbage(1 << 20) << "0 Woorden gevonden...";
}

void TestFaults::wordSearchSurvivesExtremeWordLists()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, count);
    TestContext test;
    test.writeData("Nederlands.lib", bytes);
    WoordenForm form(test.context());
    form.searchTermBox()->setText(QStringLiteral("kaas"));
    form.modeButton(WoordZoeker::Contains)->setChecked(true);
    form.search();
    QCOMPARE(form.foundCountLabel()->text(), count);
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
