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
    void programFileSizeAndDate_data()
    {
        QTest::addColumn<qint64>("size"); // negative: no program file
        QTest::addColumn<QTime>("modified");
        QTest::addColumn<QStringList>("shown");
        // At midnight the time is left out, but not a second later.
        QTest::newRow("5") << qint64(5) << QTime(0, 0, 1) << QStringList{"1.0.5 / 005", "07-03-2019 00:00:01"};
        QTest::newRow("123456") << qint64(123456) << QTime(0, 0) << QStringList{"1.0.5 / 123.456", "07-03-2019"};
        QTest::newRow("missing program file") << qint64(-1) << QTime() << QStringList{"1.0.5 / onbekend", "onbekend"};
    }
    void programFileSizeAndDate()
    {
        QFETCH(qint64, size);
        QFETCH(QTime, modified);
        QFETCH(QStringList, shown);
        TestContext test;
        if (size >= 0) {
            QFile file(test.folders.programFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(size, 'x'));
            QVERIFY(file.flush()); // else closing would stamp the file anew
            QVERIFY(file.setFileTime(QDateTime(QDate(2019, 3, 7), modified), QFileDevice::FileModificationTime));
        }
        QCOMPARE(lines(test).mid(6), (QStringList{"Version : " + shown[0], "Date : " + shown[1]}));
    }
    // The design line names the month of the clock, program file or not.
    void designNamesTheMonth()
    {
        const QStringList names = QString("Januari Februari Maart April Mei Juni Juli Augustus September Oktober November December").split(' ');
        TestContext test;
        for (int month = 1; month <= 12; ++month) {
            test.clock.current = QDateTime(QDate(2026, month, 15), QTime(23, 59, 59));
            QCOMPARE(lines(test).value(5), "Design : " + names[month - 1] + " 2026");
        }
    }

    // One version everywhere: About shows the version the package is built with, and the
    // newest entries of the package's changelog and AppStream releases name it too.
    void versionIsThePackagesVersion()
    {
        TestContext test;
        const QString shown = lines(test).value(6).section(QLatin1Char(' '), 2, 2);
        QCOMPARE(shown, firstMatch(RAADKWARTET_PACKAGE_CONFIG, "set\\(CPACK_PACKAGE_VERSION \"([^\"]*)\"\\)"));
        QCOMPARE(shown, firstMatch(RAADKWARTET_SOURCE_DIR "/packaging/changelog", "^raadkwartet \\(([^)]*)\\)"));
        QCOMPARE(shown, firstMatch(RAADKWARTET_SOURCE_DIR "/packaging/nl.raadkwartet.Raadkwartet.metainfo.xml",
                                   "<release version=\"([^\"]*)\""));
    }

private:
    static QString firstMatch(const QString &path, const char *pattern)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("(no file %1)").arg(path);
        const QRegularExpression expression(QString::fromLatin1(pattern), QRegularExpression::MultilineOption);
        return expression.match(QString::fromUtf8(file.readAll())).captured(1);
    }
    static QStringList lines(const TestContext &test) { return AboutForm(test.context()).creditLabel()->text().split("\r\n"); }
};

QTEST_MAIN(TestAboutForm)
#include "tst_aboutform.moc"
