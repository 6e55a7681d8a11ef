#include "game/scorefile.h"
#include "game/scorelist.h"
#include "game/textwriter.h"
#include "support/fakes.h"
#include "tools/proverblist.h"
#include "tools/wordcountfile.h"
#include "tools/wordsearch.h"
#include "ui/pictureview.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <atomic>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray s_scores = fileHeader + "\"0080 - Bram\"\r\n\"0120 - Anna\"\r\n";

// Each way the program opens a file it reads, given a path; true when it refused the file.
using Reader = std::function<bool(const QString &path)>;

// Runs 'read' on a named pipe. A reader that waits for the pipe's writer would hang the
// test: after ten seconds the pipe is given a writer that writes nothing, which lets the
// reader go, and the wait is reported.
bool waitedForWriter(const QString &pipe, const Reader &read, bool *refused)
{
    std::atomic<bool> done = false;
    std::atomic<bool> waited = false;
    std::thread guard([&] {
        const QDeadlineTimer deadline(10000);
        while (!done && !deadline.hasExpired())
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (done)
            return;
        // Succeeds only while a reader holds the pipe open.
        const int writer = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) {
            waited = true;
            ::close(writer);
        }
    });
    *refused = read(pipe);
    done = true;
    guard.join();
    return waited;
}

} // namespace

Q_DECLARE_METATYPE(Reader)

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

    // A named pipe where a data file belongs is refused at once, as an unreadable file is.
    void pipeInsteadOfAFileIsRefused_data()
    {
        QTest::addColumn<Reader>("read");
        // The puzzle list, the score list, the settings, the backup's copy and a player's
        // first copy of the puzzle list all read through this one.
        QTest::newRow("whole file") << Reader([](const QString &path) { return !readWholeFile(path); });
        QTest::newRow("background drawing")
            << Reader([](const QString &path) { return PictureView::read(path).bytes.isEmpty(); });
        QTest::newRow("word list") << Reader([](const QString &path) {
            return !WordSearch(QStringLiteral("ver"), WordSearch::BeginsWith).search(path, [](const FoundLines &) {});
        });
        QTest::newRow("proverbs") << Reader([](const QString &path) { return !ProverbList().load(path); });
        QTest::newRow("word count") << Reader([](const QString &path) { return !WordCountFile::read(path, path); });
    }
    void pipeInsteadOfAFileIsRefused()
    {
        QFETCH(Reader, read);
        TestContext test;
        const QString pipe = test.dataPath("Puzzel.lib");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        bool refused = false;
        QVERIFY(!waitedForWriter(pipe, read, &refused));
        QVERIFY(refused);
    }

    // A file that already holds the bytes is not written again (a read-only settings file
    // would otherwise fail every exit): it stays the same file, where other bytes replace it.
    void sameBytesLeaveTheFileAsItIs()
    {
        TestContext test;
        const QString path = test.dataPath("Scorelijst.lib");
        QVERIFY(writeWholeFile(path, s_scores).isEmpty());
        const auto inode = [&] {
            struct stat status;
            return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : ino_t(0);
        };
        const ino_t first = inode();
        QVERIFY(writeWholeFile(path, s_scores).isEmpty());
        QCOMPARE(inode(), first);
        QVERIFY(writeWholeFile(path, s_scores + "\"0001 - Nieuw\"\r\n").isEmpty());
        QVERIFY(inode() != first);
        QCOMPARE(test.readData("Scorelijst.lib"), s_scores + "\"0001 - Nieuw\"\r\n");
    }

    // A save follows a link to put the file in place of its target; a target that is not a
    // file (here a pipe, elsewhere a device) is refused and stays.
    void linkToAPipeIsNotWrittenThrough()
    {
        TestContext test;
        const QString pipe = test.folder() + "/pipe";
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QFile::link(pipe, test.dataPath("Scorelijst.lib")));
        QVERIFY(writeWholeFile(test.dataPath("Scorelijst.lib"), s_scores).contains("geen gewoon bestand"));
        QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
