#include "game/folders.h"
#include "shell/singlecopylock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

namespace {

// Makes a folder read-only. Root writes past permissions, so there a read-only bind mount
// does it (or, for 'writable', a fresh file system over it). False when neither works.
bool makeReadOnly(const QString &folder, QStringList &mounts, bool writable = false)
{
    if (!writable)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    if (QFileInfo(folder).isWritable() == writable)
        return true;
    const bool mounted = writable ? QProcess::execute("mount", {"-t", "tmpfs", "tmpfs", folder}) == 0
                                  : QProcess::execute("mount", {"--bind", folder, folder}) == 0;
    if (mounted)
        mounts.prepend(folder);
    return mounted && (writable || QProcess::execute("mount", {"-o", "remount,bind,ro", folder}) == 0)
        && QFileInfo(folder).isWritable() == writable;
}

} // namespace

// The player's folder, and the lock on it: in process, then the real program started
// twice on one folder.
class TestSingleCopy : public QObject
{
    Q_OBJECT
private slots:
    // The shipped Data beside the program, or in the package's share folder; the player's
    // files beside the program only where both it and its Data can be written.
    void playerFilesGoWhereTheyCanBeWritten_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("shipped"); // the shipped Data, from the program's folder
        QTest::addColumn<bool>("beside");
        QTest::newRow("folder install") << "Data" << "Data" << true;
        QTest::newRow("read-only Data") << "Data read-only-Data" << "Data" << false;
        QTest::newRow("read-only program folder") << "Data read-only-folder" << "Data" << false;
        QTest::newRow("package") << "share" << "../share/raadkwartet/Data" << false;
        QTest::newRow("Data a file, no share") << "Data-file" << "Data" << true;
        // The player's folder cannot be made: the game runs, without a lock.
        QTest::newRow("player folder a file") << "share player-file" << "../share/raadkwartet/Data" << false;
    }
    void playerFilesGoWhereTheyCanBeWritten()
    {
        QFETCH(QString, layout);
        QFETCH(QString, shipped);
        QFETCH(bool, beside);
        QTemporaryDir dir;
        const QString bin = dir.filePath("bin"), player = dir.filePath("player");
        const QString shippedData = QDir::cleanPath(bin + "/" + shipped);
        QVERIFY(QDir().mkpath(shippedData) && QDir().mkpath(bin));
        const auto ship = [&] {
            QFile puzzles(shippedData + "/Puzzel.lib");
            return puzzles.exists() || (puzzles.open(QIODevice::WriteOnly) && puzzles.write("geleverd\r\n"));
        };
        QVERIFY(ship());
        if (layout.contains("Data-file"))
            QVERIFY(QDir(bin + "/Data").removeRecursively() && QFile(bin + "/Data").open(QIODevice::WriteOnly));
        if (layout.contains("player-file"))
            QVERIFY(QFile(player).open(QIODevice::WriteOnly));
        QStringList mounts;
        const auto restore = qScopeGuard([&] {
            for (const QString &mount : mounts)
                QProcess::execute("umount", {mount});
            for (const QString &folder : {bin, bin + "/Data"})
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (layout.contains("read-only-Data") && !makeReadOnly(bin + "/Data", mounts))
            QSKIP("the Data folder cannot be made read-only here");
        if (layout.contains("read-only-folder")
            && !(makeReadOnly(bin, mounts) && makeReadOnly(bin + "/Data", mounts, true)))
            QSKIP("the program's folder cannot be made read-only here");
        if (layout.contains("read-only-folder"))
            QVERIFY(ship()); // into the fresh file system over Data

        const Folders folders = Folders::forProgram(bin + "/Raadkwartet", player);
        QCOMPARE(folders.playerFolder(), beside ? bin : player);
        QCOMPARE(folders.shippedFile("Spreekwoorden.lib"), shippedData + "/Spreekwoorden.lib");
        QCOMPARE(folders.dataFile("Puzzel.lib"), (beside ? bin : player) + "/Data/Puzzel.lib");
        const bool usable = !layout.contains("player-file");
        QCOMPARE(folders.preparePlayerFolder(), usable);
        SingleCopyLock first(folders.playerFolder()), second(folders.playerFolder());
        QVERIFY(first.acquire());
        QCOMPARE(second.acquire(), !usable);
        if (beside || !usable)
            return;
        // The first start copies the shipped puzzles for the player; later starts keep the player's.
        QFile copy(folders.dataFile("Puzzel.lib"));
        QVERIFY(copy.open(QIODevice::ReadWrite));
        QCOMPARE(copy.readAll(), QByteArray("geleverd\r\n"));
        QVERIFY(copy.resize(0) && copy.write("eigen\r\n") && copy.flush());
        QVERIFY(folders.preparePlayerFolder());
        QVERIFY(copy.seek(0));
        QCOMPARE(copy.readAll(), QByteArray("eigen\r\n"));
    }

    void secondCopyLeavesAndAKilledCopyBlocksNothing()
    {
        // A folder install of its own: the program with a Data folder beside it.
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("Raadkwartet"));
        QVERIFY(QFile::copy(QStringLiteral(RAADKWARTET_PROGRAM), program));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Data")));
        QVERIFY(QFile::copy(QStringLiteral(RAADKWARTET_DATA_DIR "/Puzzel.lib"), dir.filePath("Data/Puzzel.lib")));
        // The copies inherit the test's environment.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const auto start = [&] {
            auto *process = new QProcess(this);
            process->start(program, {});
            return process;
        };
        // Every file below the folder with a hash of its bytes, to tell whether anything changed.
        const auto snapshot = [&] {
            QStringList files;
            for (QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
                QFile file(it.next());
                file.open(QIODevice::ReadOnly);
                files << file.fileName() + u' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex();
            }
            files.sort();
            return files;
        };

        QProcess *first = start();
        QVERIFY(first->waitForStarted());
        // The first copy has started once it has written its settings.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("Raadkwartet.ini")), 20000);
        QTest::qWait(200);
        const QStringList before = snapshot();

        QProcess *second = start();
        QVERIFY(second->waitForFinished(20000));
        QVERIFY(second->readAllStandardError().contains("Raadkwartet is al gestart."));
        QCOMPARE(snapshot(), before);
        QCOMPARE(first->state(), QProcess::Running);

        ::kill(pid_t(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(20000));
        QProcess *third = start();
        // Still running a while later: it took the lock the killed copy left behind.
        QVERIFY(!third->waitForFinished(1500));
        QVERIFY(!third->readAllStandardError().contains("al gestart"));
        third->kill();
        third->waitForFinished();
    }
};

QTEST_MAIN(TestSingleCopy)
#include "tst_singlecopy.moc"
