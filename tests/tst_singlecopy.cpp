#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

namespace {

// Every file below 'folder' with a hash of its bytes, to tell whether anything changed.
QStringList snapshot(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files << path + u' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex();
    }
    files.sort();
    return files;
}

} // namespace

// The real program, started twice on one folder.
class TestSingleCopy : public QObject
{
    Q_OBJECT
private slots:
    void secondCopyLeavesAndAKilledCopyBlocksNothing();

private:
    QProcess *start();
    QTemporaryDir m_dir;
    QString m_program;
};

QProcess *TestSingleCopy::start()
{
    auto *process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(environment);
    process->start(m_program, {});
    return process;
}

void TestSingleCopy::secondCopyLeavesAndAKilledCopyBlocksNothing()
{
    // A folder install of its own: the program with a Data folder beside it.
    m_program = m_dir.path() + QStringLiteral("/Raadkwartet");
    QVERIFY(QFile::copy(QStringLiteral(RAADKWARTET_PROGRAM), m_program));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Data")));
    QVERIFY(QFile::copy(QStringLiteral(RAADKWARTET_DATA_DIR "/Puzzel.lib"), m_dir.path() + "/Data/Puzzel.lib"));

    QProcess *first = start();
    QVERIFY(first->waitForStarted());
    // The first copy has started once it has written its settings.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_dir.path() + "/Raadkwartet.ini"), 20000);
    QTest::qWait(200);
    const QStringList before = snapshot(m_dir.path());

    QProcess *second = start();
    QVERIFY(second->waitForFinished(20000));
    QVERIFY(second->readAllStandardError().contains("Raadkwartet is al gestart."));
    QCOMPARE(snapshot(m_dir.path()), before);
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

QTEST_MAIN(TestSingleCopy)
#include "tst_singlecopy.moc"
