#include "support/fakes.h"
#include "tools/proverblist.h"
#include "tools/proverbswindow.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

class TestProverbs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }
    // Each proverb with its field, as "proverb|field".
    void windowListsTheFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<bool>("complete");
        // Windows-1252; lines of nothing but blanks are skipped; nothing is trimmed, and what
        // stands after a second separator is not used.
        QTest::newRow("read") << QByteArray("\r\n\x93" "A\x94 -/- \x80 een\r\n     \r\n\r\n  B  -/-  twee  -/- rest\r\n   ")
                              << QStringList{"\u201c" "A\u201d|\u20ac een", "  B | twee "} << true;
        // What was read before a line without " -/- " stays.
        QTest::newRow("missing separator") << QByteArray("A -/- een\r\nB-/-zonder\r\nC -/- drie\r\n")
                                           << QStringList{"A|een"} << false;
    }
    void windowListsTheFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, pairs);
        QFETCH(bool, complete);
        TestContext test;
        test.writeData("Spreekwoorden.lib", bytes);
        ProverbsWindow form(test.context());
        QStringList shownPairs;
        for (int i = 0; i < form.proverbList()->count(); ++i)
            shownPairs << form.proverbList()->item(i)->text() + '|' + form.meaningFields().value(i);
        QCOMPARE(shownPairs, pairs);
        QCOMPARE(form.windowTitle(), complete ? QStringLiteral("Spreekwoorden en Gezegden (%1)").arg(pairs.size())
                                              : QStringLiteral("Spreekwoorden en Gezegden"));
        QVERIFY(!QGuiApplication::overrideCursor());
        const QList<ShownDialog> &shown = test.dialogs.shown;
        QCOMPARE(shown.size(), complete ? 0 : 1);
        QCOMPARE(shown.value(0).text, complete ? QString() : QString("Kan database niet vinden..."));
    }
    // The meaning of the chosen proverb, by a double click or by Enter: its field from the
    // thirteenth character on, the first letter a capital.
    void doubleClickOrEnterShowsTheMeaning_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("meaning");
        QTest::newRow("from the thirteenth") << QByteArray("Betekenis : je krijgt WAT") << false << "Je krijgt WAT";
        QTest::newRow("exactly twelve") << QByteArray("123456789012") << false << "";
        QTest::newRow("accented capital, Enter") << QByteArray("123456789012\xe9\xe9n") << true << "\u00c9\u00e9n";
    }
    void doubleClickOrEnterShowsTheMeaning()
    {
        QFETCH(QByteArray, field);
        QFETCH(bool, enter);
        QFETCH(QString, meaning);
        TestContext test;
        test.writeData("Spreekwoorden.lib", "Een -/- 123456789012eerste\r\nTwee -/- " + field + "\r\n");
        ProverbsWindow form(test.context());
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QListWidget *list = form.proverbList();
        const QPoint second = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        if (enter)
            QTest::keyClick(list, Qt::Key_Return);
        else
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(test.dialogs.shown.size(), 1);
        QCOMPARE(test.dialogs.shown.at(0).text, meaning);
    }
};

QTEST_MAIN(TestProverbs)
#include "tst_proverbs.moc"
