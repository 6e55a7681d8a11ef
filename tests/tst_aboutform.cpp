#include "about/aboutform.h"
#include "about/aboutinfo.h"
#include "controls/vistabutton.h"
#include "support/fakes.h"

#include <QFile>
#include <QLabel>
#include <QTest>

class TestAboutForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sizeHasGroupsAndThreeDigits_data();
    void sizeHasGroupsAndThreeDigits();
    void designLineNamesTheMonth_data();
    void designLineNamesTheMonth();
    void fileDateInGeneralForm_data();
    void fileDateInGeneralForm();
    void missingProgramFileStillOpens();
    void okCloses();

private:
    QStringList lines();
    void writeProgramFile(qint64 size, const QDateTime &modified = QDateTime());

    TestPlatform *m_platform = nullptr;
};

void TestAboutForm::init()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    m_platform = new TestPlatform;
}

void TestAboutForm::cleanup()
{
    delete m_platform;
}

QStringList TestAboutForm::lines()
{
    AboutForm form;
    return form.Label1->text().split("\r\n");
}

void TestAboutForm::writeProgramFile(qint64 size, const QDateTime &modified)
{
    QFile file(Platform::programFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(QByteArray(size, 'x')) == size);
    QVERIFY(file.flush()); // else closing would stamp the file anew
    if (modified.isValid())
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

void TestAboutForm::sizeHasGroupsAndThreeDigits_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("shown");

    QTest::newRow("5") << qint64(5) << "005";
    QTest::newRow("0") << qint64(0) << "000";
    QTest::newRow("42") << qint64(42) << "042";
    QTest::newRow("999") << qint64(999) << "999";
    QTest::newRow("1000") << qint64(1000) << "1.000";
    QTest::newRow("123456") << qint64(123456) << "123.456";
    QTest::newRow("1234567") << qint64(1234567) << "1.234.567";
}

void TestAboutForm::sizeHasGroupsAndThreeDigits()
{
    QFETCH(qint64, size);
    QFETCH(QString, shown);
    writeProgramFile(size);
    QCOMPARE(lines().value(6), "Version : 1.0.5 / " + shown);
}

void TestAboutForm::designLineNamesTheMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");

    const char *names[] = {"Januari", "Februari", "Maart",     "April",   "Mei",      "Juni",
                           "Juli",    "Augustus", "September", "Oktober", "November", "December"};
    for (int m = 1; m <= 12; ++m)
        QTest::newRow(names[m - 1]) << m << QString(names[m - 1]);
}

void TestAboutForm::designLineNamesTheMonth()
{
    QFETCH(int, month);
    QFETCH(QString, name);
    m_platform->clock().current = QDateTime(QDate(2026, month, 15), QTime(23, 59, 59));
    const QStringList shown = lines();
    QCOMPARE(shown.size(), 8);
    QCOMPARE(shown.at(4), QString());
    QCOMPARE(shown.at(5), "Design : " + name + " 2026");
    QVERIFY(shown.mid(0, 4).join(' ').contains("Brovelt"));
}

void TestAboutForm::fileDateInGeneralForm_data()
{
    QTest::addColumn<QDateTime>("modified");
    QTest::addColumn<QString>("shown");

    QTest::newRow("afternoon") << QDateTime(QDate(2019, 3, 7), QTime(14, 5, 9)) << "07-03-2019 14:05:09";
    QTest::newRow("one second past midnight") << QDateTime(QDate(2019, 3, 7), QTime(0, 0, 1)) << "07-03-2019 00:00:01";
    QTest::newRow("midnight") << QDateTime(QDate(2019, 12, 31), QTime(0, 0, 0)) << "31-12-2019";
}

void TestAboutForm::fileDateInGeneralForm()
{
    QFETCH(QDateTime, modified);
    QFETCH(QString, shown);
    writeProgramFile(10, modified);
    QCOMPARE(lines().value(7), "Date : " + shown);
}

void TestAboutForm::missingProgramFileStillOpens()
{
    const QStringList shown = lines();
    QCOMPARE(shown.value(5), QString("Design : December 2026"));
    QCOMPARE(shown.value(6), QString("Version : 1.0.5 / onbekend"));
    QCOMPARE(shown.value(7), QString("Date : onbekend"));
}

void TestAboutForm::okCloses()
{
    AboutForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.CancelKnop, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestAboutForm)
#include "tst_aboutform.moc"
