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
