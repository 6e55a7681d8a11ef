#include "common/cp1252.h"
#include "controls/vistabutton.h"
#include "support/fakes.h"
#include "tools/wordsearchwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTest>

class TestWordSearchWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_test = std::make_unique<TestContext>();
        // CR LF, with what a careless list holds: a capital, a leading blank, a blank line, a
        // duplicate and a last line without line end.
        m_test->writeData("Nederlands.lib", "aanval\r\navondrood\r\nrood\r\nroodborst\r\nRoodkapje\r\n\r\n rood\r\n"
                                            "broodrooster\r\nroodborst\r\ncaf\xe9\r\nijsje\r\nro");
        m_form = std::make_unique<WordSearchWindow>(m_test->context());
    }
    void cleanup() { m_form.reset(); }
    // The window opens with the keyboard in the term box, its proposed "Woord" chosen, so
    // what is typed at once replaces it.
    void typingAtOnceFillsTheTermBox()
    {
        QVERIFY(showActive(m_form.get()));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ing"));
        QCOMPARE(m_form->searchTermBox()->text(), QStringLiteral("ing"));
    }
    // Capitals in the term are lowered; after a refusal the earlier results stay, found by
    // Enter in the term box, as Start finds them.
    void searchFindsByMode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("message"); // empty: none

        QTest::newRow("begins, capitals lowered") << "ROO" << 0 << QStringList{"rood", "roodborst", "roodborst"} << "";
        QTest::newRow("ends, a whole line too") << "rood" << 1 << QStringList{"avondrood", "rood", " rood"} << "";
        QTest::newRow("contains")
            << "rood" << 2 << QStringList{"avondrood", "rood", "roodborst", " rood", "broodrooster", "roodborst"} << "";
        QTest::newRow("blanks only") << "    " << 2 << QStringList{"aanval"} << "Trefwoord invullen a.u.b.";
        QTest::newRow("two letters") << "  AB  " << 2 << QStringList{"aanval"} << "Alleen trefwoorden vanaf 3 tekens!";
        // An accent pasted apart from its letter is the letter the list holds.
        QTest::newRow("accent apart") << "cafe\u0301" << 1 << QStringList{"caf\u00e9"} << "";
        // Counted as the player sees them: an emoji and a letter are two.
        QTest::newRow("emoji and a letter") << "\U0001F600a" << 2 << QStringList{"aanval"}
                                            << "Alleen trefwoorden vanaf 3 tekens!";
    }
    void searchFindsByMode()
    {
        QFETCH(QString, typed);
        QFETCH(int, mode);
        QFETCH(QStringList, words);
        QFETCH(QString, message);

        m_form->searchTermBox()->setText(QStringLiteral("aanval"));
        QTest::keyClick(m_form->searchTermBox(), Qt::Key_Return);
        search(typed, WordSearch::Mode(mode));
        QCOMPARE(found(), words);
        QCOMPARE(m_form->foundCountLabel()->text(), QString::number(words.size()) + " Woorden gevonden...");
        QCOMPARE(m_test->dialogs.shown.value(0).text, message);
    }
    // Capitals are lowered as Dutch has them whatever the system's language: in a Turkish
    // locale "I" would become a dotless "ı" and "IJS" find nothing.
    void capitalsAreLoweredAsInDutch()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        search(QStringLiteral("IJS"), WordSearch::BeginsWith);
        QLocale::setDefault(before);
        QCOMPARE(found(), QStringList{"ijsje"});
    }
    // A found line of a megabyte is shown by its beginning, on one line, as every list of
    // the program shows a field.
    void longLinesAreShownShort()
    {
        m_test->writeData("Nederlands.lib", "kort\r\n" + QByteArray(1 << 20, 'x') + "zoek\ty\r\n");
        m_form = std::make_unique<WordSearchWindow>(m_test->context());
        search(QStringLiteral("zoek"), WordSearch::Contains);
        QCOMPARE(found(), QStringList{QString(500, u'x') + u'…'});
        search(QStringLiteral("kort"), WordSearch::BeginsWith);
        QCOMPARE(found(), QStringList{"kort"});
    }
    // The whole-list search finds exactly the lines a line-by-line comparison finds: every
    // line-end style, a term at the list's very edges, a line that holds the term twice,
    // lines shorter than the sixteen bytes tried at once, and the code page's high bytes.
    void searchAgreesWithLineByLine_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("term");
        const QByteArray mixed = "ing\r\nzingen\nbeginning\ringing\r\n\r\n\ningi\r\nbing\ring";
        QTest::newRow("line ends mixed, term at both edges") << mixed << "ing";
        QTest::newRow("cr lf split") << QByteArray("aaa\r\r\naaaa\n\raaa") << "aaa";
        QTest::newRow("high bytes") << QByteArray("caf\xe9\r\n\x80uro\r\nco\x9cur\r\nb\xe9\xe9t") << QString("\u00e9");
        QTest::newRow("term of one byte") << QByteArray("a\nba\nab\nb") << "a";
        QByteArray longLines;
        for (int i = 0; i < 300; ++i)
            longLines += QByteArray(i % 37, 'x') + (i % 3 ? "heid" : "hei") + QByteArray(i % 5, 'd') + "\r\n";
        QTest::newRow("long lines") << longLines << "heid";
        // A line holding the term at every place, and lines where it overlaps itself.
        QTest::newRow("term at every place of a line")
            << "banana\r\n" + QByteArray(20000, 'a') + "\r\naaab\r\naa\r\naaa" << "aaa";
        QTest::newRow("overlapping ends") << QByteArray("banana\nanan\nana\nanana") << "ana";
    }
    void searchAgreesWithLineByLine()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, term);
        // The reference: the list split at CR LF, LF and a lone CR, each line compared alone.
        QList<QByteArray> lines = QString::fromLatin1(list).replace("\r\n", "\n").replace('\r', '\n').toLatin1().split('\n');
        if (list.endsWith('\n') || list.endsWith('\r'))
            lines.removeLast();
        for (const WordSearch::Mode mode : {WordSearch::BeginsWith, WordSearch::EndsWith, WordSearch::Contains}) {
            const WordSearch search(term, mode);
            QStringList expected;
            for (const QByteArray &line : lines) {
                if (search.matches(line))
                    expected << Cp1252::decode(line);
            }
            for (const qint64 batchBytes : {qint64(7), qint64(256 * 1024)}) {
                QStringList found;
                search.search(QByteArrayView(list), [&](const FoundLines &batch) { found += batch.words(); }, batchBytes);
                QCOMPARE(found, expected);
            }
        }
    }
    // A list saved as UTF-8 (with or without its byte-order mark) is searched and shown in
    // its own form: an accented term finds its words and they show as written.
    void utf8ListIsSearchedAsItIs_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("no mark") << QByteArray();
        QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf");
    }
    void utf8ListIsSearchedAsItIs()
    {
        QFETCH(QByteArray, start);
        m_test->writeData("Nederlands.lib", start + "caf\xc3\xa9\r\ncafe\xc3\xafne\r\nr\xc3\xabunie\r\naanval\r\n");
        search(QStringLiteral("caf"), WordSearch::BeginsWith);
        QCOMPARE(found(), (QStringList{QString::fromUtf8("café"), QString::fromUtf8("cafeïne")}));
        search(QString::fromUtf8("ËUN"), WordSearch::Contains);
        QCOMPARE(found(), QStringList{QString::fromUtf8("rëunie")});
    }

private:
    void search(const QString &typed, WordSearch::Mode mode)
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
    std::unique_ptr<WordSearchWindow> m_form;
};

QTEST_MAIN(TestWordSearchWindow)
#include "tst_wordsearchwindow.moc"
