#include "about/aboutform.h"
#include "support/fakes.h"

#include <QFile>
#include <QLabel>
#include <QTest>

#include <memory>

class TestAboutForm : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        m_platform = std::make_unique<TestPlatform>();
    }
    void cleanup() { m_platform.reset(); }
    void programFileSizeAndDate_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("shownSize");
        QTest::addColumn<QTime>("modified");
        QTest::addColumn<QString>("shownDate");

        QTest::newRow("5") << qint64(5) << "005" << QTime(14, 5, 9) << "07-03-2019 14:05:09";
        QTest::newRow("999") << qint64(999) << "999" << QTime(0, 0, 1) << "07-03-2019 00:00:01";
        // At midnight the time is left out.
        QTest::newRow("1000") << qint64(1000) << "1.000" << QTime(0, 0, 0) << "07-03-2019";
        QTest::newRow("123456") << qint64(123456) << "123.456" << QTime(23, 59, 59) << "07-03-2019 23:59:59";
        QTest::newRow("1234567") << qint64(1234567) << "1.234.567" << QTime(9, 0, 0) << "07-03-2019 09:00:00";
    }
    void programFileSizeAndDate()
    {
        QFETCH(qint64, size);
        QFETCH(QString, shownSize);
        QFETCH(QTime, modified);
        QFETCH(QString, shownDate);

        QFile file(Platform::programFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(size, 'x')), size);
        QVERIFY(file.flush()); // else closing would stamp the file anew
        QVERIFY(file.setFileTime(QDateTime(QDate(2019, 3, 7), modified), QFileDevice::FileModificationTime));
        file.close();

        const QStringList shown = lines();
        QCOMPARE(shown.value(6), "Version : 1.0.5 / " + shownSize);
        QCOMPARE(shown.value(7), "Date : " + shownDate);
    }
    void withoutProgramFileNamesTheMonth_data()
    {
        QTest::addColumn<int>("month");
        const char *names[] = {"Januari", "Februari", "Maart",     "April",   "Mei",      "Juni",
                               "Juli",    "Augustus", "September", "Oktober", "November", "December"};
        for (int m = 1; m <= 12; ++m)
            QTest::newRow(names[m - 1]) << m;
    }
    void withoutProgramFileNamesTheMonth()
    {
        QFETCH(int, month);
        m_platform->clock().current = QDateTime(QDate(2026, month, 15), QTime(23, 59, 59));
        const QStringList shown = lines();
        QCOMPARE(shown.size(), 8);
        QCOMPARE(shown.at(5), "Design : " + QString(QTest::currentDataTag()) + " 2026");
        QCOMPARE(shown.at(6), QString("Version : 1.0.5 / onbekend"));
        QCOMPARE(shown.at(7), QString("Date : onbekend"));
    }

private:
    static QStringList lines() { return AboutForm().Label1->text().split("\r\n"); }

    std::unique_ptr<TestPlatform> m_platform;
};

QTEST_MAIN(TestAboutForm)
#include "tst_aboutform.moc"
