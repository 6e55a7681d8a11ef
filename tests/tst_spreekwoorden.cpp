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
        m_platform = std::make_unique<TestPlatform>();
    }
    void cleanup() { m_platform.reset(); }
    void windowListsTheFile_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::addColumn<QStringList>("proverbs");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<bool>("complete");

        // Windows-1252; lines of nothing but blanks are skipped.
        QTest::newRow("blank lines") << QByteArray("\r\n\x93" "A\x94 -/- \x80 een\r\n     \r\n\r\nB -/- twee\r\n   ")
                                     << QStringList{"\u201c" "A\u201d", "B"} << QStringList{"\u20ac een", "twee"} << true;
        QTest::newRow("two separators, nothing trimmed")
            << QByteArray("  A  -/-  veld  -/- rest\r\n") << QStringList{"  A "} << QStringList{" veld "} << true;
        // What was read before a line without " -/- " stays.
        QTest::newRow("missing separator") << QByteArray("A -/- een\r\nB-/-zonder\r\nC -/- drie\r\n")
                                           << QStringList{"A"} << QStringList{"een"} << false;
        QTest::newRow("missing file") << QByteArray() << QStringList{} << QStringList{} << false;
        QByteArray many;
        QStringList proverbs, fields;
        for (int i = 1; i <= 250; ++i) {
            many += "Spreekwoord " + QByteArray::number(i) + " -/- Betekenis " + QByteArray::number(i) + "\r\n\r\n";
            proverbs << QStringLiteral("Spreekwoord %1").arg(i);
            fields << QStringLiteral("Betekenis %1").arg(i);
        }
        QTest::newRow("250 lines") << many << proverbs << fields << true;
    }
    void windowListsTheFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, proverbs);
        QFETCH(QStringList, fields);
        QFETCH(bool, complete);

        if (!bytes.isNull())
            m_platform->writeData("Spreekwoorden.lib", bytes);
        SpreekwoordForm form;
        QStringList shownProverbs, shownFields;
        for (int i = 0; i < form.List1->count(); ++i)
            shownProverbs << form.List1->item(i)->text();
        for (int i = 0; i < form.List2->count(); ++i)
            shownFields << form.List2->item(i)->text();
        QCOMPARE(shownProverbs, proverbs);
        QCOMPARE(shownFields, fields);
        QCOMPARE(form.windowTitle(), complete ? QStringLiteral("Spreekwoorden en Gezegden (%1)").arg(proverbs.size())
                                              : QStringLiteral("Spreekwoorden en Gezegden"));
        QVERIFY(!QGuiApplication::overrideCursor());
        const QList<ShownDialog> &shown = m_platform->dialogs().shown;
        QCOMPARE(shown.size(), complete ? 0 : 1);
        if (!complete) {
            QCOMPARE(shown.at(0).text, QString("Kan database niet vinden..."));
            QCOMPARE(shown.at(0).title, QString("Error"));
            QCOMPARE(shown.at(0).icon, Dialogs::Icon::Critical);
        }
    }
    void meaningDropsLeadInAndCapitalises_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("meaning");

        QTest::newRow("from the thirteenth") << "Betekenis : je krijgt WAT" << "Je krijgt WAT";
        QTest::newRow("exactly twelve") << "123456789012" << "";
        QTest::newRow("accented capital") << "123456789012\u00e9\u00e9n" << "\u00c9\u00e9n";
    }
    void meaningDropsLeadInAndCapitalises()
    {
        QFETCH(QString, field);
        QFETCH(QString, meaning);
        QCOMPARE(SpreekwoordenLijst::betekenis(field), meaning);
    }
    void doubleClickShowsTheMeaning()
    {
        m_platform->writeData("Spreekwoorden.lib", "Een -/- 123456789012eerste\r\nTwee -/- 123456789012tweede\r\n");
        SpreekwoordForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint second = form.List1->visualItemRect(form.List1->item(1)).center();
        QTest::mouseClick(form.List1->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(form.List1->viewport(), Qt::LeftButton, {}, second);
        const QList<ShownDialog> &shown = m_platform->dialogs().shown;
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().text, QString("Tweede"));
        QCOMPARE(shown.last().title, QString("Betekenis"));
    }

private:
    std::unique_ptr<TestPlatform> m_platform;
};

QTEST_MAIN(TestSpreekwoorden)
#include "tst_spreekwoorden.moc"
