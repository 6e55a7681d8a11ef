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

class TestWoordenForm : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        m_test = std::make_unique<TestContext>();
        // CR LF, with what a careless list holds: a capital, a leading blank, a blank line, a
        // duplicate and a last line without line end.
        m_test->writeData("Nederlands.lib", "aanval\r\navondrood\r\nrood\r\nroodborst\r\nRoodkapje\r\n\r\n rood\r\n"
                                            "broodrooster\r\nroodborst\r\nro");
        m_form = std::make_unique<WoordenForm>(m_test->context());
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup()
    {
        m_form.reset();
        m_test.reset();
    }
    void searchFindsByMode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("message"); // empty: none

        const QStringList earlier{"aanval"};
        QTest::newRow("begins, capitals lowered") << "ROO" << 0 << "roo" << QStringList{"rood", "roodborst", "roodborst"} << "";
        QTest::newRow("ends, a whole line too") << "rood" << 1 << "rood" << QStringList{"avondrood", "rood", " rood"} << "";
        QTest::newRow("contains") << "rood" << 2 << "rood"
                                  << QStringList{"avondrood", "rood", "roodborst", " rood", "broodrooster", "roodborst"} << "";
        QTest::newRow("leading blank kept") << " rood" << 0 << " rood" << QStringList{" rood"} << "";
        // A refused term stays as typed, capitals too, and the earlier results stay.
        QTest::newRow("blanks only") << "    " << 2 << "    " << earlier << "Trefwoord invullen a.u.b.";
        QTest::newRow("two letters in blanks") << "  AB  " << 2 << "  AB  " << earlier << "Alleen trefwoorden vanaf 3 tekens!";
    }
    void searchFindsByMode()
    {
        QFETCH(QString, typed);
        QFETCH(int, mode);
        QFETCH(QString, term);
        QFETCH(QStringList, words);
        QFETCH(QString, message);

        search("aanval", WoordZoeker::EndsWith);
        search(typed, WoordZoeker::Mode(mode));
        QCOMPARE(m_form->searchTermBox()->text(), term);
        QCOMPARE(found(), words);
        QCOMPARE(m_form->foundCountLabel()->text(), QString::number(words.size()) + " Woorden gevonden...");
        const QList<ShownDialog> &shown = m_test->dialogs.shown;
        QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(shown.value(0).text, message);
        QCOMPARE(shown.value(0).icon, Dialogs::Icon::None);
    }
    // More matches than one chunk of the file holds: no batch may be lost or reordered. Then the
    // list goes: the results empty, the count stays.
    void manyMatchesInOrderThenMissingList()
    {
        QByteArray bytes;
        QStringList words;
        for (int i = 0; i < 60000; ++i) {
            bytes += "woord" + QByteArray::number(i) + "\r\nx" + QByteArray::number(i) + "\r\n";
            words << QStringLiteral("woord%1").arg(i);
        }
        m_test->writeData("Nederlands.lib", bytes);
        search("woo", WoordZoeker::BeginsWith);
        QCOMPARE(found(), words);

        QVERIFY(QFile::remove(m_test->dataPath("Nederlands.lib")));
        search("aan", WoordZoeker::Contains);
        QVERIFY(found().isEmpty());
        QCOMPARE(m_form->foundCountLabel()->text(), QString("60000 Woorden gevonden..."));
        const QList<ShownDialog> &shown = m_test->dialogs.shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text, QString("Kan de database niet vinden!"));
        QVERIFY(!QGuiApplication::overrideCursor());
    }
    // The title names the count made with the list, in Dutch whatever the locale; a count
    // that is missing, damaged or made for another list names no number.
    void titleNamesTheCountMadeWithTheList_data()
    {
        QTest::addColumn<QByteArray>("count"); // empty: no count file
        QTest::addColumn<qint64>("listBytes");
        QTest::addColumn<QString>("title");

        const QString bare = "Zoeken in Database";
        QTest::newRow("made with this list") << QByteArray("357934 1000\r\n") << qint64(1000) << bare + " (357.934 Woorden)";
        QTest::newRow("no count file") << QByteArray() << qint64(1000) << bare;
        QTest::newRow("list replaced") << QByteArray("357934 1000\r\n") << qint64(999) << bare;
        QTest::newRow("no line end") << QByteArray("357934 1000") << qint64(1000) << bare;
        QTest::newRow("sign") << QByteArray("-5 1000\r\n") << qint64(1000) << bare;
    }
    void titleNamesTheCountMadeWithTheList()
    {
        QFETCH(QByteArray, count);
        QFETCH(qint64, listBytes);
        QFETCH(QString, title);

        QLocale::setDefault(QLocale::c());
        m_test->writeData("Nederlands.lib", QByteArray(listBytes, 'a'));
        if (!count.isEmpty())
            m_test->writeData("Nederlands.count", count);
        QCOMPARE(WoordenForm(m_test->context()).windowTitle(), title);
    }

private:
    void search(const QString &typed, WoordZoeker::Mode mode)
    {
        m_form->searchTermBox()->setText(typed);
        QTest::mouseClick(m_form->modeButton(mode), Qt::LeftButton);
        QTest::mouseClick(m_form->startButton(), Qt::LeftButton);
    }
    QStringList found() const
    {
        QStringList result;
        for (int row = 0; row < m_form->resultList()->model()->rowCount(); ++row)
            result << m_form->resultList()->model()->index(row, 0).data().toString();
        return result;
    }

    std::unique_ptr<TestContext> m_test;
    std::unique_ptr<WoordenForm> m_form;
};

QTEST_MAIN(TestWoordenForm)
#include "tst_woordenform.moc"
