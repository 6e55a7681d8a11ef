#include "game/gamesettings.h"
#include "game/loadsave.h"
#include "game/puzzlelist.h"
#include "game/scorelijst.h"
#include "shell/main.h"
#include "support/fakes.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

namespace {

const QByteArray s_puzzels("Brovelt Software 2019\r\n----------\r\nappel,fruit,boom,rood,taart\r\n"
                           "rode kool,groente,paars,stamppot,blad\r\n");
const QByteArray s_scores("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n\"0080 - Bram\"\r\n"
                          "\"0120 - Anna\"\r\n");
const QByteArray s_settings("\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n630\r\n10,20,30\r\n"
                            "\"Voet\"\r\n");

QByteArray garbage(int size)
{
    QRandomGenerator generator(1234);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(generator.bounded(256));
    return bytes;
}

// Bytes of a literal that holds NUL characters.
template<size_t N>
QByteArray bytesOf(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

QByteArray lineEnds(QByteArray bytes, const char *end)
{
    return bytes.replace("\r\n", end);
}

// A small file system of its own for the Data folder, so a full or read-only disk is
// real. Needs root (as CI runs); skipped elsewhere.
class Mount
{
public:
    Mount(const QString &path, const QString &options) : m_path(path)
    {
        m_ok = QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", options, "tmpfs", path}) == 0;
    }
    ~Mount()
    {
        if (m_ok)
            QProcess::execute(QStringLiteral("umount"), {m_path});
    }
    bool ok() const { return m_ok; }
    bool remount(const QString &options) const
    {
        return QProcess::execute(QStringLiteral("mount"), {"-o", "remount," + options, m_path}) == 0;
    }

private:
    QString m_path;
    bool m_ok = false;
};

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT
private slots:
    void damagedPuzzleFiles_data();
    void damagedPuzzleFiles();
    void damagedScoreFiles_data();
    void damagedScoreFiles();
    void damagedSettingsFiles_data();
    void damagedSettingsFiles();
    void missingDataFolderStartsAndRemakesItOnExit();
    void fullDiskKeepsTheOldFiles();
    void readOnlyDataFolderKeepsEverythingInMemory();
};

void TestFaults::damagedPuzzleFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("keywords");
    const QStringList both{"appel", "rode kool"};
    QTest::newRow("LF only") << lineEnds(s_puzzels, "\n") << both;
    QTest::newRow("CR only") << lineEnds(s_puzzels, "\r") << both;
    QTest::newRow("no last line end") << s_puzzels.chopped(2) << both;
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("headers only") << s_puzzels.left(35) << QStringList();
    QTest::newRow("NUL in a keyword")
        << bytesOf("h\r\nh\r\nap\0pel,a,b,c,d\r\n") << QStringList{QString("ap") + QChar(0) + "pel"};
    QTest::newRow("cut inside a quote") << QByteArray("h\r\nh\r\nappel,\"fruit") << QStringList{"appel"};
    QTest::newRow("one 10 MB line") << QByteArray("h\r\nh\r\n") + QByteArray(10 * 1024 * 1024, 'x')
                                    << QStringList{QString(10 * 1024 * 1024, u'x')};
}

void TestFaults::damagedPuzzleFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, keywords);
    TestPlatform platform;
    platform.writeData("Puzzel.lib", bytes);
    PuzzleList list;
    LaadPuzzelLijst(list);
    QStringList read;
    for (const PuzzleEntry &e : list.entries())
        read << e.Trefwoord;
    QCOMPARE(read, keywords);
}

void TestFaults::damagedScoreFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QStringList both{"0080 - Bram", "0120 - Anna"};
    QTest::newRow("LF only") << lineEnds(s_scores, "\n") << both;
    QTest::newRow("CR only") << lineEnds(s_scores, "\r") << both;
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("cut inside a quote") << s_scores.chopped(5) << QStringList{"0080 - Bram", "0120 - An"};
    QTest::newRow("NUL in a name") << bytesOf("a\nb\n\"0001 - \0x\"\n") << QStringList{QString("0001 - ") + QChar(0) + "x"};
}

void TestFaults::damagedScoreFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TestPlatform platform;
    platform.writeData("Scorelijst.lib", bytes);
    Scorelijst list;
    LaadScorelijst(list);
    QCOMPARE(list.lines(), lines);
}

void TestFaults::damagedSettingsFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("speeltijd");
    QTest::newRow("LF only") << lineEnds(s_settings, "\n") << true << 630;
    QTest::newRow("CR only") << lineEnds(s_settings, "\r") << true << 630;
    QTest::newRow("empty") << QByteArray() << false << 600;
    QTest::newRow("binary garbage") << garbage(4096) << false << 600;
    QTest::newRow("NUL instead of a digit") << bytesOf("a\nb\n6\0000\n1,2,3\n\"x\"\n") << false << 600;
    QTest::newRow("cut inside the footer quote") << s_settings.chopped(4) << true << 630;
    QTest::newRow("one 10 MB line") << QByteArray(10 * 1024 * 1024, '7') << false << 600;
}

void TestFaults::damagedSettingsFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, read);
    QFETCH(int, speeltijd);
    TestPlatform platform;
    const QString ini = platform.folder() + "/Raadkwartet.ini";
    QFile file(ini);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    GameSettings settings;
    QCOMPARE(LaadInstellingen(settings), read);
    QCOMPARE(settings.Speeltijd, speeltijd);
    // A failed read leaves a good file behind: the next start reads it.
    GameSettings again;
    QVERIFY(LaadInstellingen(again) || read);
}

void TestFaults::missingDataFolderStartsAndRemakesItOnExit()
{
    TestPlatform platform;
    QVERIFY(QDir(platform.folder() + "/Data").removeRecursively());
    Main window;
    window.Form_Load(QSize(1280, 1024), 96);
    QCOMPARE(window.InfoLabel->text(), QStringLiteral("0 / "));
    platform.dialogs().inputs = {QStringLiteral("Anna")};
    window.controller().MenuKnop_Click(0);
    QCOMPARE(window.controller().state().fase, GameState::Fase::Idle);
    QCOMPARE(platform.dialogs().shown.last().kind, ShownDialog::Message);
    window.controller().scorelijst().add(QStringLiteral("0100 - Anna"));
    platform.dialogs().answers = {true};
    QVERIFY(window.controller().Form_Unload());
    QCOMPARE(platform.readData("Scorelijst.lib"), QByteArray("\"Brovelt Software 2019\"\r\n"
                                                             "\"--------------------------\"\r\n\"0100 - Anna\"\r\n"));
}

void TestFaults::fullDiskKeepsTheOldFiles()
{
    TestPlatform platform;
    const QString data = platform.folder() + "/Data";
    Mount mount(data, QStringLiteral("size=64k"));
    if (!mount.ok())
        QSKIP("mounting a small file system needs root");
    platform.writeData("Puzzel.lib", s_puzzels);
    platform.writeData("Scorelijst.lib", s_scores);
    // Fill the disk to the last byte.
    QFile filler(data + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();

    PuzzleList list;
    LaadPuzzelLijst(list);
    for (int i = 0; i < 998; ++i)
        list.append(PuzzleEntry{QStringLiteral("woord%1").arg(i), {"een", "twee", "drie", "vier"}});
    platform.clock().step = 1000; // each wait ends at once
    BewaarPuzzelLijst(list, nullptr);
    QCOMPARE(platform.readData("Puzzel.lib"), s_puzzels);

    Scorelijst scores;
    LaadScorelijst(scores);
    for (int i = 0; i < 5000; ++i)
        scores.add(QStringLiteral("0001 - speler %1").arg(i));
    BewaarScorelijst(scores);
    QCOMPARE(platform.readData("Scorelijst.lib"), s_scores);
    QCOMPARE(scores.count(), 5002);
}

void TestFaults::readOnlyDataFolderKeepsEverythingInMemory()
{
    TestPlatform platform;
    const QString data = platform.folder() + "/Data";
    Mount mount(data, QStringLiteral("size=1m"));
    if (!mount.ok())
        QSKIP("mounting a file system needs root");
    platform.writeData("Scorelijst.lib", s_scores);
    QVERIFY(mount.remount(QStringLiteral("ro")));
    Scorelijst scores;
    LaadScorelijst(scores);
    VoegScoreToe(scores, 200, QStringLiteral("Cor"));
    QCOMPARE(scores.lines(), (QStringList{"0080 - Bram", "0120 - Anna", "0200 - Cor"}));
    QCOMPARE(platform.readData("Scorelijst.lib"), s_scores);
    PuzzleList list;
    list.append(PuzzleEntry{QStringLiteral("appel"), {"a", "b", "c", "d"}});
    platform.clock().step = 1000;
    BewaarPuzzelLijst(list, nullptr);
    QVERIFY(!QFile::exists(platform.dataPath("Puzzel.lib")));
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
