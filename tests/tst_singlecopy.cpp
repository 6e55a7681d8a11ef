#include "game/folders.h"
#include "game/textwriter.h"
#include "shell/singlecopylock.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QCryptographicHash>
#include <QDateTime>
#include <QProcess>

#include <csignal>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Lays a read-only view of a folder over it, or for 'writable' a fresh writable file system
// (a writable folder inside a read-only one). Root writes past permissions, so this takes
// mounts, and root (as CI runs); false when that fails.
bool mountOver(const QString &folder, QStringList &mounts, bool writable = false)
{
    mounts.prepend(folder);
    return (writable ? QProcess::execute("mount", {"-t", "tmpfs", "tmpfs", folder}) == 0
                     : QProcess::execute("mount", {"--bind", folder, folder}) == 0
                           && QProcess::execute("mount", {"-o", "remount,bind,ro", folder}) == 0)
        && QFileInfo(folder).isWritable() == writable;
}

} // namespace

// The player's folder and the lock on it.
class TestSingleCopy : public QObject
{
    Q_OBJECT
private slots:
    // The shipped Data beside the program or in the package's share folder; the player's
    // files beside the program only where both it and its Data can be written.
    void playerFilesGoWhereTheyCanBeWritten_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("shipped"); // the shipped Data, from the program's folder
        const QString share = "../share/raadkwartet/Data";
        QTest::newRow("folder install") << "" << "Data";
        QTest::newRow("read-only Data") << "read-only-Data" << "Data";
        QTest::newRow("read-only program folder") << "read-only-folder" << "Data";
        QTest::newRow("package") << "" << share;
        // The player's folder cannot be made: the game runs, without a lock.
        QTest::newRow("player folder a file") << "player-file" << share;
    }
    void playerFilesGoWhereTheyCanBeWritten()
    {
        QFETCH(QString, layout);
        QFETCH(QString, shipped);
        QTemporaryDir dir;
        const QString bin = dir.filePath("bin"), player = dir.filePath("player"), data = bin + "/Data";
        const QString puzzles = QDir::cleanPath(bin + "/" + shipped) + "/Puzzel.lib";
        QVERIFY(QDir().mkpath(QFileInfo(puzzles).path()) && QDir().mkpath(bin));
        // Scores and settings an earlier start kept while the folder could be written.
        const QString scores = QFileInfo(puzzles).path() + "/Scorelijst.lib", settings = bin + "/Raadkwartet.ini";
        QVERIFY(writeWholeFile(puzzles, "geleverd\r\n").isEmpty() && writeWholeFile(scores, "\"0500 - Piet\"\r\n").isEmpty()
                && writeWholeFile(settings, "300\r\n").isEmpty());
        if (layout == "player-file")
            QVERIFY(writeWholeFile(player, "").isEmpty());
        QStringList mounts;
        const auto restore = qScopeGuard([&] {
            for (const QString &mount : mounts)
                QProcess::execute("umount", {mount});
        });
        if ((layout == "read-only-Data" && !mountOver(data, mounts))
            || (layout == "read-only-folder" && !(mountOver(bin, mounts) && mountOver(data, mounts, true))))
            QSKIP("no read-only folder can be made here");
        if (layout == "read-only-folder") // a fresh file system may lie over Data
            QVERIFY((QFile::exists(puzzles) || writeWholeFile(puzzles, "geleverd\r\n").isEmpty())
                    && (QFile::exists(scores) || writeWholeFile(scores, "\"0500 - Piet\"\r\n").isEmpty()));

        const Folders folders = Folders::forProgram(bin + "/Raadkwartet", player);
        const bool beside = layout.isEmpty() && shipped == "Data", usable = layout != "player-file";
        QCOMPARE(folders.playerFolder(), beside ? bin : player);
        QCOMPARE(folders.shippedFile("Puzzel.lib"), puzzles);
        const QString refusal = folders.preparePlayerFolder();
        QVERIFY2(usable ? refusal.isEmpty() : refusal.endsWith("is een bestand en geen map, dus "
                                                              + QDir::toNativeSeparators(folders.dataFile("Puzzel.lib"))
                                                              + " kan daar niet staan"),
                 qPrintable(refusal));
        // A copy that was killed left its lock file behind; it blocks nothing.
        writeWholeFile(folders.playerFolder() + "/Raadkwartet.lock", "4242\n");
        SingleCopyLock first(folders.playerFolder()), second(folders.playerFolder());
        QVERIFY(first.acquire());
        QCOMPARE(second.acquire(), !usable);
        // The first start copies the shipped puzzles, and the scores and settings found, for
        // the player; later starts keep the player's.
        if (!beside && usable) {
            QCOMPARE(readWholeFile(folders.dataFile("Puzzel.lib")), QByteArray("geleverd\r\n"));
            QCOMPARE(readWholeFile(folders.dataFile("Scorelijst.lib")), QByteArray("\"0500 - Piet\"\r\n"));
            QCOMPARE(readWholeFile(folders.settingsFile()), QByteArray("300\r\n"));
            // Removed by the player, the scores stay gone; the puzzles come back, as the game needs them.
            QVERIFY(QFile::remove(folders.dataFile("Scorelijst.lib")) && QFile::remove(folders.dataFile("Puzzel.lib")));
            QVERIFY(folders.preparePlayerFolder().isEmpty());
            QVERIFY(!QFile::exists(folders.dataFile("Scorelijst.lib")) && QFile::exists(folders.dataFile("Puzzel.lib")));
            QVERIFY(writeWholeFile(folders.dataFile("Puzzel.lib"), "eigen\r\n").isEmpty() && folders.preparePlayerFolder().isEmpty());
            QCOMPARE(readWholeFile(folders.dataFile("Puzzel.lib")), QByteArray("eigen\r\n"));
        }
    }

    // A newer shipped puzzle list (a package upgrade) replaces the player's copy where the
    // player never changed it, so fixed puzzles reach them; a list the player changed stays.
    void newShippedPuzzlesReplaceOnlyAnUnchangedCopy_data()
    {
        QTest::addColumn<QByteArray>("copy"); // the player's list before the upgrade
        QTest::addColumn<bool>("marked");     // whether it was copied by a start that marks
        QTest::newRow("copy as shipped") << QByteArray("versie 1\r\n") << true;
        QTest::newRow("changed by the player") << QByteArray("eigen\r\n") << true;
        // Kept by a start from before the mark: as shipped when some version shipped it.
        QTest::newRow("unmarked copy of an older shipped list") << QByteArray("versie 0\r\n") << false;
        QTest::newRow("unmarked copy as shipped") << QByteArray("versie 1\r\n") << false;
        QTest::newRow("unmarked copy never shipped") << QByteArray("eigen\r\n") << false;
    }
    void newShippedPuzzlesReplaceOnlyAnUnchangedCopy()
    {
        QFETCH(QByteArray, copy);
        QFETCH(bool, marked);
        QTemporaryDir dir;
        const QString shipped = dir.filePath("share/raadkwartet/Data/Puzzel.lib");
        QVERIFY(QDir().mkpath(QFileInfo(shipped).path()) && QDir().mkpath(dir.filePath("bin")));
        QVERIFY(writeWholeFile(shipped, "versie 1\r\n").isEmpty());
        // Every list shipped so far, by its SHA-256, as the shipped Data lists them.
        const auto digest = [](const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(); };
        QVERIFY(writeWholeFile(QFileInfo(shipped).path() + "/Puzzel.versies",
                               digest("versie 0\r\n") + '\n' + digest("versie 1\r\n") + '\n').isEmpty());
        const Folders folders = Folders::forProgram(dir.filePath("bin/Raadkwartet"), dir.filePath("player"));
        const QString own = folders.dataFile("Puzzel.lib");
        if (marked) {
            QVERIFY(folders.preparePlayerFolder().isEmpty());
            QCOMPARE(readWholeFile(own), QByteArray("versie 1\r\n"));
        } else {
            QVERIFY(QDir().mkpath(QFileInfo(own).path()));
        }
        QVERIFY(writeWholeFile(own, copy).isEmpty());
        // Two upgrades, each installed as an upgrade installs it: another time, here the same size.
        const QDateTime installed = QDateTime::currentDateTime();
        for (int version : {2, 3}) {
            QVERIFY(folders.preparePlayerFolder().isEmpty());
            QVERIFY(writeWholeFile(shipped, "versie " + QByteArray::number(version) + "\r\n").isEmpty());
            QFile newer(shipped);
            QVERIFY(newer.open(QIODevice::ReadWrite)
                    && newer.setFileTime(installed.addDays(version), QFileDevice::FileModificationTime));
        }
        QVERIFY(folders.preparePlayerFolder().isEmpty());
        const bool asShipped = copy != "eigen\r\n";
        QCOMPARE(readWholeFile(own), asShipped ? QByteArray("versie 3\r\n") : copy);
        // Removed by the player, the list comes back as shipped, and follows the next upgrade.
        QVERIFY(QFile::remove(own) && folders.preparePlayerFolder().isEmpty());
        QVERIFY(writeWholeFile(shipped, "versie 4\r\n").isEmpty());
        QFile newest(shipped);
        QVERIFY(newest.open(QIODevice::ReadWrite)
                && newest.setFileTime(installed.addDays(4), QFileDevice::FileModificationTime));
        newest.close();
        QVERIFY(folders.preparePlayerFolder().isEmpty());
        QCOMPARE(readWholeFile(own), QByteArray("versie 4\r\n"));
    }

    // A relative XDG_DATA_HOME counts as unset, as the XDG rules have it: the player's
    // files do not move with the folder the program is started in.
    void relativePlayerFolderIsTheHomeOne()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("share/raadkwartet/Data")) && QDir().mkpath(dir.filePath("bin")));
        const Folders folders = Folders::forProgram(dir.filePath("bin/Raadkwartet"), "rel/data/Raadkwartet");
        QCOMPARE(folders.playerFolder(), QDir::homePath() + "/.local/share/Raadkwartet");
    }

    // Whatever lies where the lock file goes, a second copy is kept out, the lock ends with
    // the copy that held it, and a link there is never written through.
    void lockHoldsWhateverLiesInTheFolder_data()
    {
        QTest::addColumn<QString>("inPlace"); // of Raadkwartet.lock
        QTest::newRow("nothing there") << "";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a link to the puzzles") << "link";
    }
    void lockHoldsWhateverLiesInTheFolder()
    {
        QFETCH(QString, inPlace);
        QTemporaryDir dir;
        const QString lockFile = dir.filePath("Raadkwartet.lock"), puzzles = dir.filePath("Puzzel.lib");
        QVERIFY(writeWholeFile(puzzles, "appel,a,b,c,d\r\n").isEmpty());
        if (inPlace == "folder")
            QVERIFY(QDir(dir.path()).mkpath("Raadkwartet.lock/oud"));
        if (inPlace == "link")
            QVERIFY(QFile::link(puzzles, lockFile));
        auto first = std::make_unique<SingleCopyLock>(dir.path());
        SingleCopyLock second(dir.path());
        QVERIFY(first->acquire());
        QVERIFY(!second.acquire());
        first.reset();
        QVERIFY(second.acquire());
        QCOMPARE(readWholeFile(puzzles), QByteArray("appel,a,b,c,d\r\n"));
        QCOMPARE(QFileInfo(lockFile).isDir(), inPlace == "folder");
        QCOMPARE(QFileInfo(lockFile).isSymLink(), inPlace == "link");
    }

    // The program started a second time says so and leaves without changing any file.
    void secondCopyLeavesTheFilesAlone()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath("Raadkwartet");
        QVERIFY(QFile::copy(RAADKWARTET_PROGRAM, program) && QDir(dir.path()).mkdir("Data"));
        QVERIFY(QFile::copy(RAADKWARTET_DATA_DIR "/Puzzel.lib", dir.filePath("Data/Puzzel.lib")));
        const auto everyFile = [&] {
            QByteArray all;
            for (QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
                all += it.next().toUtf8() + '\n' + readWholeFile(it.filePath()).value_or("?");
            return all;
        };
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QProcess first, second;
        first.start(program, {});
        // Started once it has written its settings.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("Raadkwartet.ini")), 20000);
        QTest::qWait(200);
        const QByteArray before = everyFile();
        second.start(program, {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(second.readAllStandardError().contains("Raadkwartet is al gestart."));
        QCOMPARE(everyFile(), before);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }

    // Ended by the system (a logout sends SIGTERM), the program writes what it holds as at
    // Exit: here a settings file with bare line ends, read whole, comes back in its own form.
    void endedBySystemKeepsWhatItHolds_data()
    {
        QTest::addColumn<bool>("hangUpIgnored");
        QTest::newRow("SIGTERM") << false;
        // Started under nohup, the program stays through a hang-up, and still ends as asked.
        QTest::newRow("SIGHUP ignored, then SIGTERM") << true;
    }
    void endedBySystemKeepsWhatItHolds()
    {
        QFETCH(bool, hangUpIgnored);
        QTemporaryDir dir;
        const QString program = dir.filePath("Raadkwartet");
        QVERIFY(QFile::copy(RAADKWARTET_PROGRAM, program) && QDir(dir.path()).mkdir("Data"));
        QVERIFY(QFile::copy(RAADKWARTET_DATA_DIR "/Puzzel.lib", dir.filePath("Data/Puzzel.lib")));
        QFile settings(dir.filePath("Raadkwartet.ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("x\ny\n120\n10,20,30\n\"Caf\xe9\"\n");
        settings.close();
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QProcess game;
        if (hangUpIgnored)
            game.setChildProcessModifier([] { ::signal(SIGHUP, SIG_IGN); });
        game.start(program, {});
        // The request is taken from before the lock is: one that comes before the board is
        // up waits for it.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("Raadkwartet.lock")), 20000);
        if (hangUpIgnored) {
            QCOMPARE(::kill(pid_t(game.processId()), SIGHUP), 0);
            // Still there a moment later: a sound program never fails this; a slow start
            // could only hide the fault, as a request waits for the board.
            QVERIFY(!game.waitForFinished(300));
        }
        game.terminate();
        QVERIFY(game.waitForFinished(20000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QVERIFY(readWholeFile(dir.filePath("Raadkwartet.ini")).value_or("").endsWith("120\r\n10,20,30\r\n\"Caf\xe9\"\r\n"));
    }
};

QTEST_MAIN(TestSingleCopy)
#include "tst_singlecopy.moc"
