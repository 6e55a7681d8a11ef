#include "about/aboutform.h"
#include "support/fakes.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

class TestAboutForm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }
    // The design line names the clock's month (both ends of the year), program file or not.
    void designVersionAndDate_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<qint64>("size"); // negative: no program file
        QTest::addColumn<QTime>("modified");
        QTest::addColumn<QStringList>("shown");
        // At midnight the time is left out, but not a second later.
        QTest::newRow("5") << 1 << qint64(5) << QTime(0, 0, 1) << QStringList{"Januari", "005", "07-03-2019 00:00:01"};
        QTest::newRow("123456") << 12 << qint64(123456) << QTime(0, 0) << QStringList{"December", "123.456", "07-03-2019"};
        QTest::newRow("missing program file") << 3 << qint64(-1) << QTime() << QStringList{"Maart", "onbekend", "onbekend"};
    }
    void designVersionAndDate()
    {
        QFETCH(int, month);
        QFETCH(qint64, size);
        QFETCH(QTime, modified);
        QFETCH(QStringList, shown);
        TestContext test;
        test.clock.current = QDateTime(QDate(2026, month, 15), QTime(23, 59, 59));
        if (size >= 0) {
            QFile file(test.folders.programFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(size, 'x'));
            QVERIFY(file.flush()); // else closing would stamp the file anew
            QVERIFY(file.setFileTime(QDateTime(QDate(2019, 3, 7), modified), QFileDevice::FileModificationTime));
        }
        // One version everywhere: the package's, and the newest entries of its changelog and
        // AppStream releases.
        const auto firstMatch = [](const QString &path, const char *pattern) {
            QFile file(path);
            const QRegularExpression expression(QString::fromLatin1(pattern), QRegularExpression::MultilineOption);
            return file.open(QIODevice::ReadOnly) ? expression.match(QString::fromUtf8(file.readAll())).captured(1) : path;
        };
        const QString version = firstMatch(RAADKWARTET_PACKAGE_CONFIG, "set\\(CPACK_PACKAGE_VERSION \"([^\"]*)\"\\)");
        QCOMPARE(firstMatch(RAADKWARTET_SOURCE_DIR "/packaging/changelog", "^raadkwartet \\(([^)]*)\\)"), version);
        QCOMPARE(firstMatch(RAADKWARTET_SOURCE_DIR "/packaging/nl.raadkwartet.Raadkwartet.metainfo.xml",
                            "<release version=\"([^\"]*)\""),
                 version);
        QCOMPARE(AboutForm(test.context()).creditLabel()->text().split("\r\n").mid(5),
                 (QStringList{"Design : " + shown[0] + " 2026", "Version : " + version + " / " + shown[1],
                              "Date : " + shown[2]}));
    }
};

QTEST_MAIN(TestAboutForm)
#include "tst_aboutform.moc"
