#include "support/fakes.h"
#include "tools/linereader.h"
#include "tools/proverbswindow.h"

#include <QApplication>
#include <QBuffer>
#include <QListWidget>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>

class TestProverbs : public QObject
{
    Q_OBJECT
private slots:
    // Each proverb with its field, as "proverb|field", and the meaning of the last one, chosen
    // by a double click or by Enter: its field from the thirteenth character on, the first
    // letter a capital.
    void windowListsTheFileAndShowsTheMeaning_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("meaning");
        // Windows-1252; lines of nothing but blanks are skipped; nothing is trimmed, and what
        // stands after a second separator is not used.
        QTest::newRow("read")
            << QByteArray("\r\n\x93" "A\x94 -/- \x80 een\r\n     \r\n\r\n  B  -/- Betekenis : je krijgt WAT  -/- rest\r\n   ")
            << QStringList{"\u201c" "A\u201d|\u20ac een", "  B |Betekenis : je krijgt WAT "} << true << false << "Je krijgt WAT ";
        // What was read before a line without " -/- " stays.
        QTest::newRow("missing separator, exactly twelve")
            << QByteArray("A -/- 123456789012\r\nB-/-zonder\r\nC -/- drie\r\n") << QStringList{"A|123456789012"} << false
            << false << "";
        QTest::newRow("accented capital, Enter") << QByteArray("Een -/- 123456789012\xe9\xe9n\r\n")
                                                 << QStringList{"Een|123456789012\u00e9\u00e9n"} << true << true
                                                 << "\u00c9\u00e9n";
        // A letter whose capital is two letters keeps its own: "ß" does not become "SS".
        QTest::newRow("sharp s stays one letter") << QByteArray("Een -/- 123456789012\xdf und\r\n")
                                                  << QStringList{"Een|123456789012\u00df und"} << true << true
                                                  << "\u00df und";
        // Capitals as Dutch has them, whatever the system's language (the rows run in a
        // Turkish locale).
        QTest::newRow("i in a Turkish locale") << QByteArray("Een -/- 123456789012iemand\r\n")
                                               << QStringList{"Een|123456789012iemand"} << true << true << "Iemand";
        // "ij" is raised as one letter.
        QTest::newRow("ij") << QByteArray("Een -/- 123456789012ijdel zijn\r\n") << QStringList{"Een|123456789012ijdel zijn"}
                            << true << true << "IJdel zijn";
        // A file saved as UTF-8, with its byte-order mark, reads as it was written.
        QTest::newRow("UTF-8") << QByteArray("\xef\xbb\xbf" "Wie dan leeft -/- Betekenis : \xc3\xa9\xc3\xa9n keer\r\n")
                               << QStringList{"Wie dan leeft|Betekenis : \u00e9\u00e9n keer"} << true << true
                               << "\u00c9\u00e9n keer";
        // The whole file decides: a line of the code page that happens to be valid UTF-8
        // ("é…”") stays the code page's in a file that is not UTF-8 throughout.
        QTest::newRow("Windows-1252 that one line would take for UTF-8")
            << QByteArray("Ja h\xe9\x85\x94 zei hij -/- Betekenis : een groet\r\nCaf\xe9 -/- Betekenis : koffie\r\n")
            << QStringList{"Ja h\u00e9\u2026\u201d zei hij|Betekenis : een groet", "Caf\u00e9|Betekenis : koffie"} << true
            << true << "Koffie";
        // The meaning box shows a tab as the lists do, so it stays one line.
        QTest::newRow("tab in the meaning") << QByteArray("Een -/- 123456789012a\tb\r\n")
                                            << QStringList{"Een|123456789012a\tb"} << true << true << "A→b";
    }
    void windowListsTheFileAndShowsTheMeaning()
    {
        // A Turkish locale, whose capital of "i" is a dotted "İ", changes no meaning.
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, pairs);
        QFETCH(bool, complete);
        QFETCH(bool, enter);
        QFETCH(QString, meaning);
        TestContext test;
        test.writeData("Spreekwoorden.lib", bytes);
        ProverbsWindow form(test.context());
        QListWidget *list = form.proverbList();
        QStringList shownPairs;
        for (int i = 0; i < list->count(); ++i)
            shownPairs << list->item(i)->text() + '|' + form.meaningFields().value(i);
        QCOMPARE(shownPairs, pairs);
        QCOMPARE(form.windowTitle(), complete ? QStringLiteral("Spreekwoorden en Gezegden (%1)").arg(pairs.size())
                                              : QStringLiteral("Spreekwoorden en Gezegden"));
        QVERIFY(!QGuiApplication::overrideCursor());
        const QStringList missing = complete ? QStringList() : QStringList{"Kan database niet vinden..."};
        QCOMPARE(test.dialogs.texts(), missing);

        QVERIFY(showActive(&form));
        const QPoint last = list->visualItemRect(list->item(list->count() - 1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, last);
        if (enter)
            QTest::keyClick(list, Qt::Key_Return);
        else
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, last);
        QCOMPARE(test.dialogs.texts(), missing + QStringList{meaning});
    }
    // Lines come out the same whatever the chunks the file is read in: a CR LF split between
    // two chunks is one line end, and a line longer than many chunks comes whole.
    void linesDoNotDependOnTheChunks_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("every line end") << QByteArray("a\r\nb\nc\rd\r\r\ne") << QStringList{"a", "b", "c", "d", "", "e"};
        QTest::newRow("long line, CR LF at its end")
            << QByteArray(40, 'x') + "\r\n" + QByteArray(17, 'y') + "\r" << QStringList{QString(40, u'x'), QString(17, u'y')};
        QTest::newRow("empty lines, no last line end") << QByteArray("\n\r\n\rz") << QStringList{"", "", "", "z"};
    }
    void linesDoNotDependOnTheChunks()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        for (const qint64 chunk : {1, 2, 3, 5, 8, 64}) {
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::ReadOnly));
            LineReader reader(buffer, chunk);
            QStringList read;
            QByteArrayView line;
            while (reader.next(line))
                read << QString::fromLatin1(line);
            QCOMPARE(read, lines);
        }
    }
    // A list too long to measure line by line gives every line the room of the widest, so
    // none is cut and the list scrolls as far as the widest goes; a line of a megabyte shows
    // its beginning.
    void longListsKeepEveryLineWhole()
    {
        TestContext test;
        QByteArray bytes;
        for (int i = 0; i < 10001; ++i)
            bytes += (i == 5000 ? QByteArray("WWWWWWWWWWWWWWWW brede regel") : "regel " + QByteArray::number(i)) + " -/- b\r\n";
        bytes += QByteArray(1 << 20, 'x') + " -/- b\r\n";
        test.writeData("Spreekwoorden.lib", bytes);
        ProverbsWindow form(test.context());
        QListWidget *list = form.proverbList();
        QCOMPARE(list->count(), 10002);
        QCOMPARE(list->item(10001)->text(), QString(500, u'x') + u'…');
        QVERIFY(list->uniformItemSizes());
        const int room = list->item(0)->sizeHint().width();
        for (int row : {0, 5000, 10000, 10001})
            QVERIFY2(list->sizeHintForIndex(list->model()->index(row, 0)).width() <= room, qPrintable(QString::number(row)));
        QCOMPARE(list->item(0)->sizeHint().height(), list->sizeHintForIndex(list->model()->index(5000, 0)).height());
        // As shown: the list scrolls as far as the widest line reaches.
        QVERIFY(showActive(&form));
        QTRY_VERIFY(list->horizontalScrollBar()->maximum() > 0);
        for (int row : {5000, 10001}) {
            const int reach = list->horizontalScrollBar()->maximum() + list->viewport()->width();
            QVERIFY2(list->sizeHintForIndex(list->model()->index(row, 0)).width() <= reach, qPrintable(QString::number(row)));
        }
    }
};

QTEST_MAIN(TestProverbs)
#include "tst_proverbs.moc"
