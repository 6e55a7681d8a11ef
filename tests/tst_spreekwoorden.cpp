#include "support/fakes.h"
#include "tools/spreekwoordenlijst.h"
#include "tools/spreekwoordform.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QTest>

#include <memory>

class TestSpreekwoorden : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        m_test = std::make_unique<TestContext>();
    }
    void cleanup() { m_test.reset(); }
    // Each proverb with its field, as "proverb|field".
    void windowListsTheFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<bool>("complete");

        // Windows-1252; lines of nothing but blanks are skipped.
        QTest::newRow("blank lines") << QByteArray("\r\n\x93" "A\x94 -/- \x80 een\r\n     \r\n\r\nB -/- twee\r\n   ")
                                     << QStringList{"\u201c" "A\u201d|\u20ac een", "B|twee"} << true;
        QTest::newRow("two separators, nothing trimmed")
            << QByteArray("  A  -/-  field  -/- rest\r\n") << QStringList{"  A | field "} << true;
        // What was read before a line without " -/- " stays.
        QTest::newRow("missing separator") << QByteArray("A -/- een\r\nB-/-zonder\r\nC -/- drie\r\n")
                                           << QStringList{"A|een"} << false;
        QTest::newRow("250 lines") << QByteArray("S -/- B\r\n\r\n").repeated(250) << QStringList(250, "S|B") << true;
    }
    void windowListsTheFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, pairs);
        QFETCH(bool, complete);

        m_test->writeData("Spreekwoorden.lib", bytes);
        SpreekwoordForm form(m_test->context());
        QCOMPARE(form.meaningFields().size(), form.proverbList()->count());
        QStringList shownPairs;
        for (int i = 0; i < form.proverbList()->count(); ++i)
            shownPairs << form.proverbList()->item(i)->text() + '|' + form.meaningFields().at(i);
        QCOMPARE(shownPairs, pairs);
        QCOMPARE(form.windowTitle(), complete ? QStringLiteral("Spreekwoorden en Gezegden (%1)").arg(pairs.size())
                                              : QStringLiteral("Spreekwoorden en Gezegden"));
        QVERIFY(!QGuiApplication::overrideCursor());
        const QList<ShownDialog> &shown = m_test->dialogs.shown;
        QCOMPARE(shown.size(), complete ? 0 : 1);
        QCOMPARE(shown.value(0).text, complete ? QString() : QString("Kan database niet vinden..."));
        QCOMPARE(shown.value(0).title, complete ? QString() : QString("Error"));
        QCOMPARE(shown.value(0).icon, complete ? Dialogs::Icon::None : Dialogs::Icon::Critical);
    }
    // The meaning of the double-clicked proverb: its field from the thirteenth character on,
    // the first letter a capital.
    void doubleClickShowsTheMeaning_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("meaning");
        QTest::newRow("from the thirteenth") << QByteArray("Betekenis : je krijgt WAT") << "Je krijgt WAT";
        QTest::newRow("exactly twelve") << QByteArray("123456789012") << "";
        QTest::newRow("accented capital") << QByteArray("123456789012\xe9\xe9n") << "\u00c9\u00e9n";
    }
    void doubleClickShowsTheMeaning()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, meaning);
        m_test->writeData("Spreekwoorden.lib", "Een -/- 123456789012eerste\r\nTwee -/- " + field + "\r\n");
        SpreekwoordForm form(m_test->context());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QListWidget *list = form.proverbList();
        const QPoint second = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
        const QList<ShownDialog> &shown = m_test->dialogs.shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text, meaning);
        QCOMPARE(shown.at(0).title, QString("Betekenis"));
    }

private:
    std::unique_ptr<TestContext> m_test;
};

QTEST_MAIN(TestSpreekwoorden)
#include "tst_spreekwoorden.moc"
