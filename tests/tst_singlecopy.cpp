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

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Makes a folder read-only, or for 'writable' a writable one inside a read-only folder.
// Root writes past permissions: for root a read-only bind mount does it, or a fresh file
// system over the folder. False when that fails.
bool makeReadOnly(const QString &folder, QStringList &mounts, bool writable = false)
{
    if (!writable)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    if (QFileInfo(folder).isWritable() == writable)
        return true;
    mounts.prepend(folder);
    return (writable ? QProcess::execute("mount", {"-t", "tmpfs", "tmpfs", folder}) == 0
                     : QProcess::execute("mount", {"--bind", folder, folder}) == 0
                           && QProcess::execute("mount", {"-o", "remount,bind,ro", folder}) == 0)
        && QFileInfo(folder).isWritable() == writable;
}

} // namespace

// The player's folder and the lock on it; then the real program started twice on one folder.
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
        QTest::addColumn<bool>("beside");
        const QString share = "../share/raadkwartet/Data";
        QTest::newRow("folder install") << "" << "Data" << true;
        QTest::newRow("read-only Data") << "read-only-Data" << "Data" << false;
        QTest::newRow("read-only program folder") << "read-only-folder" << "Data" << false;
        QTest::newRow("package") << "" << share << false;
        // The player's folder cannot be made: the game runs, without a lock.
        QTest::newRow("player folder a file") << "player-file" << share << false;
    }
    void playerFilesGoWhereTheyCanBeWritten()
    {
        QFETCH(QString, layout);
        QFETCH(QString, shipped);
        QFETCH(bool, beside);
        QTemporaryDir dir;
        const QString bin = dir.filePath("bin"), player = dir.filePath("player"), data = bin + "/Data";
        const QString puzzles = QDir::cleanPath(bin + "/" + shipped) + "/Puzzel.lib";
        QVERIFY(QDir().mkpath(QFileInfo(puzzles).path()) && QDir().mkpath(bin) && put(puzzles, "geleverd\r\n"));
        if (layout == "player-file")
            QVERIFY(put(player, ""));
        QStringList mounts;
        const auto restore = qScopeGuard([&] {
            for (const QString &mount : mounts)
                QProcess::execute("umount", {mount});
            for (const QString &folder : {bin, data})
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if ((layout == "read-only-Data" && !makeReadOnly(data, mounts))
            || (layout == "read-only-folder" && !(makeReadOnly(bin, mounts) && makeReadOnly(data, mounts, true))))
            QSKIP("no read-only folder can be made here");
        if (layout == "read-only-folder") // a fresh file system may lie over Data
            QVERIFY(QFile::exists(puzzles) || put(puzzles, "geleverd\r\n"));

        const Folders folders = Folders::forProgram(bin + "/Raadkwartet", player);
        QCOMPARE(folders.playerFolder(), beside ? bin : player);
        QCOMPARE(folders.shippedFile("Puzzel.lib"), puzzles);
        QCOMPARE(folders.dataFile("Puzzel.lib"), (beside ? bin : player) + "/Data/Puzzel.lib");
        const bool usable = layout != "player-file";
        QCOMPARE(folders.preparePlayerFolder(), usable);
        SingleCopyLock first(folders.playerFolder()), second(folders.playerFolder());
        QVERIFY(first.acquire());
        QCOMPARE(second.acquire(), !usable);
        // The first start copies the shipped puzzles for the player; later starts keep the player's.
        if (!beside && usable) {
            QCOMPARE(bytesOf(folders.dataFile("Puzzel.lib")), QByteArray("geleverd\r\n"));
            QVERIFY(put(folders.dataFile("Puzzel.lib"), "eigen\r\n") && folders.preparePlayerFolder());
            QCOMPARE(bytesOf(folders.dataFile("Puzzel.lib")), QByteArray("eigen\r\n"));
        }
    }

    void secondCopyLeavesAndAKilledCopyBlocksNothing()
    {
        // A folder install of its own: the program with a Data folder beside it.
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("Raadkwartet"));
        QVERIFY(QFile::copy(QStringLiteral(RAADKWARTET_PROGRAM), program));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Data")) && QFile::copy(QStringLiteral(RAADKWARTET_DATA_DIR "/Puzzel.lib"), dir.filePath("Data/Puzzel.lib")));
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
        third->kill();
        third->waitForFinished();
    }
};

QTEST_MAIN(TestSingleCopy)
#include "tst_singlecopy.moc"
