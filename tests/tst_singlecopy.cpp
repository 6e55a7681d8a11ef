#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

// The real program, started twice on one folder.
class TestSingleCopy : public QObject
{
    Q_OBJECT
private slots:
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
