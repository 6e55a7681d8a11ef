#include "controls/vistabutton.h"
#include "support/fakes.h"
#include "tools/regellezer.h"
#include "tools/woordenform.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTest>

namespace {

// Lines of a word list as the program ships it: Windows-1252, CR LF. It holds what a
// careless list might: a capital, a leading blank, a blank line and a duplicate.
const QByteArray s_lijst = "aanval\r\n"
                           "avondrood\r\n"
                           "rood\r\n"
                           "roodborst\r\n"
                           "Roodkapje\r\n"
                           "\r\n"
                           " rood\r\n"
                           "broodrooster\r\n"
                           "roodborst\r\n"
                           "caf\xe9\r\n"
                           "\xe9\xe9n\r\n"
                           "ro";

QStringList woorden(const QListView *list)
{
    QStringList result;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        result << list->model()->index(row, 0).data().toString();
    return result;
}

} // namespace

class TestWoordenForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void linesSplitAtEveryLineEnd_data();
    void linesSplitAtEveryLineEnd();
    void searchFindsByMode_data();
    void searchFindsByMode();
    void termIsChecked_data();
    void termIsChecked();
    void secondSearchShowsOnlyItsOwnResults();
    void missingWordListIsReported();
    void everyClickEmptiesTheEntryBox();
    void manyMatchesArriveWholeAndInOrder();

private:
    void search(const QString &typed, int modus);

    TestPlatform *m_platform = nullptr;
    WoordenForm *m_form = nullptr;
};

void TestWoordenForm::init()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    m_platform = new TestPlatform;
    m_platform->writeData("Nederlands.lib", s_lijst);
    m_form = new WoordenForm;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void TestWoordenForm::cleanup()
{
    delete m_form;
    delete m_platform;
}

void TestWoordenForm::search(const QString &typed, int modus)
{
    m_form->Text1->setText(typed);
    QTest::mouseClick(m_form->Option1[modus], Qt::LeftButton);
    QTest::mouseClick(m_form->StartKnop, Qt::LeftButton);
}

void TestWoordenForm::linesSplitAtEveryLineEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF") << QByteArray("een\r\ntwee\r\n") << QStringList{"een", "twee"};
    QTest::newRow("LF and lone CR") << QByteArray("een\ntwee\rdrie") << QStringList{"een", "twee", "drie"};
    QTest::newRow("blank lines kept") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::newRow("CR CR is two ends") << QByteArray("a\r\rb") << QStringList{"a", "", "b"};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("nothing after last end") << QByteArray("a\r\n") << QStringList{"a"};
    QTest::newRow("last CR alone") << QByteArray("a\r") << QStringList{"a"};
    QTest::newRow("empty") << QByteArray() << QStringList{};
}

// Every chunk size from one byte up, so each line end falls on a chunk border once.
void TestWoordenForm::linesSplitAtEveryLineEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    for (qint64 chunk = 1; chunk <= bytes.size() + 1; ++chunk) {
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        RegelLezer lezer(buffer, chunk);
        QStringList read;
        QByteArrayView line;
        while (lezer.next(line))
            read << QString::fromLatin1(line);
        QCOMPARE(read, lines);
        QVERIFY(!lezer.failed());
    }
}

void TestWoordenForm::searchFindsByMode_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("modus");
    QTest::addColumn<QString>("shownTerm");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("begins") << "rood" << 0 << "rood" << QStringList{"rood", "roodborst", "roodborst"};
    QTest::newRow("ends") << "rood" << 1 << "rood" << QStringList{"avondrood", "rood", " rood"};
    QTest::newRow("contains")
        << "rood" << 2 << "rood"
        << QStringList{"avondrood", "rood", "roodborst", " rood", "broodrooster", "roodborst"};
    QTest::newRow("capitals lowered, capital in list not found")
        << "ROODK" << 2 << "roodk" << QStringList{};
    QTest::newRow("leading blank kept") << " rood" << 0 << " rood" << QStringList{" rood"};
    QTest::newRow("trailing blank kept") << "rood " << 2 << "rood " << QStringList{};
    QTest::newRow("accented capitals lowered") << "\u00c9\u00c9N" << 2 << "\u00e9\u00e9n" << QStringList{"\u00e9\u00e9n"};
    QTest::newRow("ends in Windows-1252 letter") << "af\u00e9" << 1 << "af\u00e9" << QStringList{"caf\u00e9"};
    QTest::newRow("whole line in begins") << "aanval" << 0 << "aanval" << QStringList{"aanval"};
    QTest::newRow("whole line in ends") << "aanval" << 1 << "aanval" << QStringList{"aanval"};
    QTest::newRow("line shorter than term") << "roo" << 0 << "roo" << QStringList{"rood", "roodborst", "roodborst"};
    QTest::newRow("outside the code page") << "ro\u0142" << 2 << "ro\u0142" << QStringList{};
}

void TestWoordenForm::searchFindsByMode()
{
    QFETCH(QString, typed);
    QFETCH(int, modus);
    QFETCH(QString, shownTerm);
    QFETCH(QStringList, found);

    search(typed, modus);
    QCOMPARE(m_form->Text1->text(), shownTerm);
    QCOMPARE(woorden(m_form->List1), found);
    QCOMPARE(m_form->Label3->text(), QString::number(found.size()) + " Woorden gevonden...");
    QVERIFY(m_platform->dialogs().shown.isEmpty());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestWoordenForm::termIsChecked_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << "" << "Trefwoord invullen a.u.b.";
    QTest::newRow("blanks only") << "    " << "Trefwoord invullen a.u.b.";
    QTest::newRow("two letters in blanks") << "  AB  " << "Alleen trefwoorden vanaf 3 tekens!";
    QTest::newRow("two letters") << "Ro" << "Alleen trefwoorden vanaf 3 tekens!";
    QTest::newRow("tab is not a blank") << "\tRo" << "";
    QTest::newRow("three letters after a blank") << " ROO" << "";
}

void TestWoordenForm::termIsChecked()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);

    search(typed, 0);
    const QList<ShownDialog> &shown = m_platform->dialogs().shown;
    if (message.isEmpty()) {
        QVERIFY(shown.isEmpty());
        QCOMPARE(m_form->Text1->text(), typed.toLower());
        QVERIFY(m_form->Label3->text().endsWith(" Woorden gevonden..."));
        return;
    }
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, message);
    QCOMPARE(shown.at(0).title, QString("Raadkwartet"));
    QCOMPARE(shown.at(0).icon, Dialogs::Icon::None);
    // Refused: nothing else changes, not even the case of the entry.
    QCOMPARE(m_form->Text1->text(), typed);
    QCOMPARE(m_form->Label3->text(), QString("0 Woorden"));
}

void TestWoordenForm::secondSearchShowsOnlyItsOwnResults()
{
    search("rood", 2);
    QCOMPARE(m_form->List1->model()->rowCount(), 6);
    search("aan", 0);
    QCOMPARE(woorden(m_form->List1), QStringList{"aanval"});
    QCOMPARE(m_form->Label3->text(), QString("1 Woorden gevonden..."));
}

void TestWoordenForm::missingWordListIsReported()
{
    search("rood", 0);
    QVERIFY(QFile::remove(m_platform->dataPath("Nederlands.lib")));
    search("aan", 2);

    const QList<ShownDialog> &shown = m_platform->dialogs().shown;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QString("Kan de database niet vinden!"));
    QCOMPARE(shown.at(0).title, QString("Raadkwartet"));
    QCOMPARE(m_form->List1->model()->rowCount(), 0);
    QCOMPARE(m_form->Label3->text(), QString("3 Woorden gevonden..."));
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestWoordenForm::everyClickEmptiesTheEntryBox()
{
    QCOMPARE(m_form->Text1->text(), QString("Woord"));
    QTest::mouseClick(m_form->Text1, Qt::LeftButton);
    QCOMPARE(m_form->Text1->text(), QString());
    QTest::keyClicks(m_form->Text1, "boom");
    QCOMPARE(m_form->Text1->text(), QString("boom"));
    QTest::mouseClick(m_form->Text1, Qt::LeftButton);
    QCOMPARE(m_form->Text1->text(), QString());
}

// More matches than one chunk of the file holds: no batch may be lost or reordered.
void TestWoordenForm::manyMatchesArriveWholeAndInOrder()
{
    QByteArray bytes;
    for (int i = 0; i < 60000; ++i)
        bytes += "woord" + QByteArray::number(i) + "\r\nx" + QByteArray::number(i) + "\r\n";
    m_platform->writeData("Nederlands.lib", bytes);
    search("woo", 0);
    QCOMPARE(m_form->Label3->text(), QString("60000 Woorden gevonden..."));
    const QStringList found = woorden(m_form->List1);
    QCOMPARE(found.size(), 60000);
    for (int i = 0; i < found.size(); ++i)
        QCOMPARE(found.at(i), QString("woord%1").arg(i));
}

QTEST_MAIN(TestWoordenForm)
#include "tst_woordenform.moc"
