#include "common/cp1252.h"
#include "game/fieldreader.h"

#include <QTest>

#include <numeric>

class TestTextFiles : public QObject
{
    Q_OBJECT
private slots:
    void codecMapsEveryByteBothWays()
    {
        QByteArray bytes(256, 0);
        std::iota(bytes.begin(), bytes.end(), 0);
        // 0x80..0x9F as Windows-1252 has them; the five undefined bytes stay themselves.
        const QString text = QString::fromLatin1(bytes).replace(
            0x80, 0x20, QString::fromUtf16(u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
        QCOMPARE(Cp1252::decode(bytes), text);
        bool ok = false;
        QCOMPARE(Cp1252::encode(text, &ok), bytes);
        QVERIFY(ok);
        // What the code page cannot hold becomes '?', and is reported.
        QCOMPARE(Cp1252::encode(QStringLiteral("a\u0131b"), &ok), QByteArray("a?b"));
        QVERIFY(!ok);
    }

    // Blanks around a bare field and after a closing quote are dropped and lose no text.
    // The rest of the reading is checked through the files (tst_puzzledatabase loadsRecords,
    // tst_faults, tst_scorelist, tst_gamesettings readsTheFile).
    // Text saved as UTF-8 is told from the code page's own by its first letter beyond
    // ASCII; anything that is not UTF-8 throughout is the code page's.
    void utf8IsToldApart_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("ASCII only") << QByteArray("appel\r\npeer\r\n") << false;
        QTest::newRow("Windows-1252 letter") << QByteArray("caf\xe9\r\n") << false;
        QTest::newRow("UTF-8 letter") << QByteArray("caf\xc3\xa9\r\n") << true;
        QTest::newRow("UTF-8 euro and emoji") << QByteArray("\xe2\x82\xac \xf0\x9f\x98\x80") << true;
        QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf" "appel") << true;
        QTest::newRow("UTF-8, then a Windows-1252 letter") << QByteArray("caf\xc3\xa9 caf\xe9") << false;
        QTest::newRow("overlong form") << QByteArray("\xc0\x80") << false;
        QTest::newRow("surrogate half") << QByteArray("\xed\xa0\x80") << false;
        QTest::newRow("cut short at the end") << QByteArray("caf\xc3") << false;
    }
    void utf8IsToldApart()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        QCOMPARE(Cp1252::isUtf8Instead(bytes), utf8);
    }

    void readsFieldsWithoutTheirBlanks()
    {
        FieldReader reader("  a  ,\"b\"   ,c");
        QStringList read;
        while (!reader.atEnd())
            read << *reader.field() + (reader.lastFieldLostText() ? "!" : "");
        QCOMPARE(read, QStringList({"a", "b", "c"}));
    }

    // Numbers are read as 32-bit whole numbers, rounded half to even; "refused" when the
    // field cannot be one.
    void readsNumbers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("value");
        QTest::newRow("empty is zero") << QByteArray(",") << "0";
        QTest::newRow("half to even down") << QByteArray(" 2.5 \r\n") << "2";
        QTest::newRow("half to even up") << QByteArray("3.5") << "4";
        QTest::newRow("largest that fits") << QByteArray("2147483647") << "2147483647";
        QTest::newRow("one past") << QByteArray("2147483648") << "refused";
    }
    void readsNumbers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, value);
        const std::optional<qint64> n = FieldReader(bytes).number(INT_MIN, INT_MAX);
        QCOMPARE(n ? QString::number(*n) : QStringLiteral("refused"), value);
    }
};

QTEST_MAIN(TestTextFiles)
#include "tst_textfiles.moc"
