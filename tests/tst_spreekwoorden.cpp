#include "support/fakes.h"
#include "tools/spreekwoordenlijst.h"
#include "tools/spreekwoordform.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

class TestSpreekwoorden : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fileIsSplitIntoTwoLists_data();
    void fileIsSplitIntoTwoLists();
    void meaningDropsLeadInAndCapitalises_data();
    void meaningDropsLeadInAndCapitalises();
    void captionCountsTheProverbs();
    void missingFileIsReported();
    void lineWithoutSeparatorKeepsWhatWasRead();
    void doubleClickShowsTheMeaning();

private:
    TestPlatform *m_platform = nullptr;
};

void TestSpreekwoorden::init()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    m_platform = new TestPlatform;
}

void TestSpreekwoorden::cleanup()
{
    delete m_platform;
}

void TestSpreekwoorden::fileIsSplitIntoTwoLists_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("proverbs");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("complete");

    QTest::newRow("blank and space-only lines skipped")
        << QByteArray("\r\nA -/- Betekenis : een\r\n     \r\n\r\nB -/- Betekenis : twee\r\n   ")
        << QStringList{"A", "B"} << QStringList{"Betekenis : een", "Betekenis : twee"} << true;
    QTest::newRow("two separators: the rest ignored")
        << QByteArray("A -/- veld -/- nog iets\r\n") << QStringList{"A"} << QStringList{"veld"} << true;
    QTest::newRow("nothing trimmed")
        << QByteArray("  A  -/-  veld  \r\n") << QStringList{"  A "} << QStringList{" veld  "} << true;
    QTest::newRow("empty meaning field")
        << QByteArray("A -/- \r\n") << QStringList{"A"} << QStringList{""} << true;
    QTest::newRow("missing separator stops")
        << QByteArray("A -/- een\r\nB zonder\r\nC -/- drie\r\n") << QStringList{"A"} << QStringList{"een"} << false;
    QTest::newRow("separator needs its blanks")
        << QByteArray("A-/-een\r\n") << QStringList{} << QStringList{} << false;
    QTest::newRow("a tab is not blank")
        << QByteArray("A -/- een\r\n\t\r\n") << QStringList{"A"} << QStringList{"een"} << false;
    QTest::newRow("Windows-1252")
        << QByteArray("\x93Zo\x94 -/- \x80 caf\xe9\r\n") << QStringList{"\u201cZo\u201d"} << QStringList{"\u20ac caf\u00e9"}
        << true;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{} << true;
}

void TestSpreekwoorden::fileIsSplitIntoTwoLists()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, proverbs);
    QFETCH(QStringList, fields);
    QFETCH(bool, complete);

    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    SpreekwoordenLijst lijst;
    QCOMPARE(lijst.laad(buffer), complete);
    QCOMPARE(lijst.spreekwoorden(), proverbs);
    QCOMPARE(lijst.betekenisvelden(), fields);
}

void TestSpreekwoorden::meaningDropsLeadInAndCapitalises_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("meaning");

    QTest::newRow("lower case first letter") << "Betekenis : je krijgt wat je geeft" << "Je krijgt wat je geeft";
    QTest::newRow("thirteenth character kept") << "123456789012x" << "X";
    QTest::newRow("exactly twelve") << "123456789012" << "";
    QTest::newRow("shorter than twelve") << "kort" << "";
    QTest::newRow("accented letter") << "123456789012\u00e9\u00e9n keer" << "\u00c9\u00e9n keer";
    QTest::newRow("rest unchanged") << "123456789012al DOOR" << "Al DOOR";
    QTest::newRow("blank first") << "123456789012 wel" << " wel";
}

void TestSpreekwoorden::meaningDropsLeadInAndCapitalises()
{
    QFETCH(QString, field);
    QFETCH(QString, meaning);
    QCOMPARE(SpreekwoordenLijst::betekenis(field), meaning);
}

void TestSpreekwoorden::captionCountsTheProverbs()
{
    QByteArray bytes;
    for (int i = 1; i <= 250; ++i)
        bytes += "Spreekwoord " + QByteArray::number(i) + " -/- Betekenis : " + QByteArray::number(i) + "\r\n\r\n";
    m_platform->writeData("Spreekwoorden.lib", bytes);
    SpreekwoordForm form;
    QCOMPARE(form.windowTitle(), QString("Spreekwoorden en Gezegden (250)"));
    QCOMPARE(form.List1->count(), 250);
    QCOMPARE(form.List1->item(249)->text(), QString("Spreekwoord 250"));
    QVERIFY(m_platform->dialogs().shown.isEmpty());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestSpreekwoorden::missingFileIsReported()
{
    SpreekwoordForm form;
    const QList<ShownDialog> &shown = m_platform->dialogs().shown;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QString("Kan database niet vinden..."));
    QCOMPARE(shown.at(0).title, QString("Error"));
    QCOMPARE(shown.at(0).icon, Dialogs::Icon::Critical);
    QCOMPARE(form.List1->count(), 0);
    QCOMPARE(form.windowTitle(), QString("Spreekwoorden en Gezegden"));
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestSpreekwoorden::lineWithoutSeparatorKeepsWhatWasRead()
{
    m_platform->writeData("Spreekwoorden.lib", "Een -/- 123456789012een\r\nTwee -/- 123456789012twee\r\n"
                                               "Drie zonder\r\nVier -/- 123456789012vier\r\n");
    SpreekwoordForm form;
    QCOMPARE(m_platform->dialogs().shown.size(), 1);
    QCOMPARE(m_platform->dialogs().shown.at(0).text, QString("Kan database niet vinden..."));
    QCOMPARE(form.List1->count(), 2);
    QCOMPARE(form.List2->count(), 2);
    QCOMPARE(form.List2->item(1)->text(), QString("123456789012twee"));
    QCOMPARE(form.windowTitle(), QString("Spreekwoorden en Gezegden"));
}

void TestSpreekwoorden::doubleClickShowsTheMeaning()
{
    m_platform->writeData("Spreekwoorden.lib", "Een -/- 123456789012eerste\r\nTwee -/- 123456789012tweede\r\n");
    SpreekwoordForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.List2->isHidden());

    const QRect second = form.List1->visualItemRect(form.List1->item(1));
    QTest::mouseClick(form.List1->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(form.List1->viewport(), Qt::LeftButton, {}, second.center());
    const QList<ShownDialog> &shown = m_platform->dialogs().shown;
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.last().text, QString("Tweede"));
    QCOMPARE(shown.last().title, QString("Betekenis"));
    QCOMPARE(shown.last().icon, Dialogs::Icon::None);
}

QTEST_MAIN(TestSpreekwoorden)
#include "tst_spreekwoorden.moc"
