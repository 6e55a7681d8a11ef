#include "controls/vistabutton.h"
#include "support/fakes.h"
#include "tools/woordenform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

// Windows-1252, CR LF, with what a careless list holds: a capital, a leading blank, a blank
// line, a duplicate and a last line without line end.
const QByteArray s_lijst = "aanval\r\navondrood\r\nrood\r\nroodborst\r\nRoodkapje\r\n\r\n rood\r\nbroodrooster\r\n"
                           "roodborst\r\ncaf\xe9\r\n\xe9\xe9n\r\nro";

} // namespace

class TestWoordenForm : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        m_platform = std::make_unique<TestPlatform>();
        m_platform->writeData("Nederlands.lib", s_lijst);
        m_form = std::make_unique<WoordenForm>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup()
    {
        m_form.reset();
        m_platform.reset();
    }
    void searchFindsByMode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("modus");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QStringList>("words");

        QTest::newRow("begins") << "roo" << 0 << "roo" << QStringList{"rood", "roodborst", "roodborst"};
        QTest::newRow("ends, a whole line too") << "rood" << 1 << "rood" << QStringList{"avondrood", "rood", " rood"};
        QTest::newRow("contains")
            << "rood" << 2 << "rood" << QStringList{"avondrood", "rood", "roodborst", " rood", "broodrooster", "roodborst"};
        QTest::newRow("capitals lowered, not found in the list") << "ROODK" << 2 << "roodk" << QStringList{};
        QTest::newRow("leading blank kept") << " rood" << 0 << " rood" << QStringList{" rood"};
        QTest::newRow("trailing blank kept") << "rood " << 2 << "rood " << QStringList{};
        QTest::newRow("a tab is not a blank") << "\tRO" << 0 << "\tro" << QStringList{};
        QTest::newRow("Windows-1252 capitals") << "\u00c9\u00c9N" << 2 << "\u00e9\u00e9n" << QStringList{"\u00e9\u00e9n"};
    }
    void searchFindsByMode()
    {
        QFETCH(QString, typed);
        QFETCH(int, modus);
        QFETCH(QString, term);
        QFETCH(QStringList, words);

        search("aanval", 1); // results of an earlier search go
        search(typed, modus);
        QCOMPARE(m_form->Text1->text(), term);
        QCOMPARE(found(), words);
        QCOMPARE(m_form->Label3->text(), QString::number(words.size()) + " Woorden gevonden...");
        QVERIFY(m_platform->dialogs().shown.isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
    }
    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("listThere");
        QTest::addColumn<QString>("message");
        QTest::newRow("blanks only") << "    " << true << "Trefwoord invullen a.u.b.";
        QTest::newRow("two letters in blanks") << "  AB  " << true << "Alleen trefwoorden vanaf 3 tekens!";
        QTest::newRow("missing word list") << "aan" << false << "Kan de database niet vinden!";
    }
    void failuresAreReported()
    {
        QFETCH(QString, typed);
        QFETCH(bool, listThere);
        QFETCH(QString, message);

        search("rood", 0);
        if (!listThere)
            QVERIFY(QFile::remove(m_platform->dataPath("Nederlands.lib")));
        search(typed, 2);
        const QList<ShownDialog> &shown = m_platform->dialogs().shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text, message);
        QCOMPARE(shown.at(0).title, QString("Raadkwartet"));
        QVERIFY(!listThere || shown.at(0).icon == Dialogs::Icon::None);
        // A refused term stays as typed, capitals too; a missing list empties the results.
        QCOMPARE(m_form->Text1->text(), typed);
        QCOMPARE(found().isEmpty(), !listThere);
        QCOMPARE(m_form->Label3->text(), QString("3 Woorden gevonden..."));
        QVERIFY(!QGuiApplication::overrideCursor());
    }
    // More matches than one chunk of the file holds: no batch may be lost or reordered.
    void manyMatchesArriveWholeAndInOrder()
    {
        QByteArray bytes;
        QStringList words;
        for (int i = 0; i < 60000; ++i) {
            bytes += "woord" + QByteArray::number(i) + "\r\nx" + QByteArray::number(i) + "\r\n";
            words << QStringLiteral("woord%1").arg(i);
        }
        m_platform->writeData("Nederlands.lib", bytes);
        search("woo", 0);
        QCOMPARE(m_form->Label3->text(), QString("60000 Woorden gevonden..."));
        QCOMPARE(found(), words);
    }

private:
    void search(const QString &typed, int modus)
    {
        m_form->Text1->setText(typed);
        QTest::mouseClick(m_form->Option1[modus], Qt::LeftButton);
        QTest::mouseClick(m_form->StartKnop, Qt::LeftButton);
    }
    QStringList found() const
    {
        QStringList result;
        for (int row = 0; row < m_form->List1->model()->rowCount(); ++row)
            result << m_form->List1->model()->index(row, 0).data().toString();
        return result;
    }

    std::unique_ptr<TestPlatform> m_platform;
    std::unique_ptr<WoordenForm> m_form;
};

QTEST_MAIN(TestWoordenForm)
#include "tst_woordenform.moc"
