#include "game/gamesettings.h"
#include "game/puzzlefile.h"
#include "game/puzzlelist.h"
#include "game/scorefile.h"
#include "game/scorelist.h"
#include "support/fakes.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTest>

namespace {

const QByteArray s_scores = fileHeader + "\"0080 - Bram\"\r\n\"0120 - Anna\"\r\n";

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT
private slots:
    void damagedAndExtremeFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("read");
        // Binary garbage: bytes of every value, the same at every run.
        QByteArray junk(64 * 1024, '\0');
        for (int i = 0; i < junk.size(); ++i)
            junk[i] = char((uint(i) * 2654435761u) >> 24);
        const int mb10 = 10 * 1024 * 1024;
        QTest::newRow("puzzles, a 10 MB line")
            << "Puzzel.lib" << "h\r\nh\r\n" + QByteArray(mb10, 'x') << QStringList(QString(mb10, u'x'));
        QTest::newRow("scores cut in a quote")
            << "Scorelijst.lib" << s_scores.chopped(5) << QStringList{"0080 - Bram", "0120 - An"};
        // The settings lie beside the Data folder.
        QTest::newRow("settings, binary garbage") << "../Raadkwartet.ini" << junk << QStringList{"600", "damaged"};
    }

    // Read back as the game does: the keywords, the score lines, or the playing time with
    // whether the settings were whole.
    void damagedAndExtremeFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, read);
        TestContext test;
        test.writeData(name, bytes);
        QStringList got;
        if (name == "Puzzel.lib") {
            PuzzleList list;
            PuzzleFile::load(test.dataPath(name), list);
            for (const PuzzleEntry &e : list.entries())
                got << e.keyword;
        } else if (name == "Scorelijst.lib") {
            ScoreList scores;
            ScoreFile::load(test.dataPath(name), scores);
            got = scores.texts();
        } else {
            GameSettings settings;
            const bool whole = loadSettings(test.folders.settingsFile(), settings);
            got = QStringList{QString::number(settings.speeltijd), whole ? "whole" : "damaged"};
        }
        QCOMPARE(got, read);
    }

    // A small file system of its own for the Data folder makes a full disk real. Needs root
    // (as CI runs); skipped elsewhere.
    void fullDiskKeepsTheOldFiles()
    {
        TestContext test;
        const QString data = test.folder() + "/Data";
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", data}) != 0)
            QSKIP("mounting a small file system needs root");
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {data}); });
        test.writeData("Scorelijst.lib", s_scores);
        // More than fits: the disk is filled to the last byte.
        test.writeData("filler", QByteArray(128 * 1024, 'f'));
        // A small save: the disk-full error shows only when the write buffer is flushed.
        ScoreList scores;
        QVERIFY(!ScoreFile::add(test.dataPath("Scorelijst.lib"), scores, {200, QStringLiteral("Cor")}).isEmpty());
        QCOMPARE(scores.texts(), QStringList({"0080 - Bram", "0120 - Anna", "0200 - Cor"}));
        QCOMPARE(test.readData("Scorelijst.lib"), s_scores);
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
