#include "common/cp1252.h"
#include "game/fieldreader.h"

#include <QTest>

#include <climits>
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

    void readsFields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("comma, CR LF, LF, lone CR, end") << QByteArray("a,b\r\nc\nd\re") << QStringList{"a", "b", "c", "d", "e"};
        QTest::newRow("leading blanks skipped, trailing trimmed") << QByteArray("  a  ,   b c  \r\n") << QStringList{"a", "b c"};
        // What follows the closing quote up to the comma is skipped.
        QTest::newRow("quoted to the next quote, over a line end")
            << QByteArray("\" a, b \"s rest,\"x\r\ny\",z\r\n") << QStringList{" a, b ", "x\r\ny", "z"};
        QTest::newRow("empty fields") << QByteArray(",\r\n\r\n\"\"\r\n") << QStringList{"", "", "", ""};
    }
    void readsFields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        FieldReader reader(bytes);
        QStringList read;
        while (!reader.atEnd())
            read << *reader.field();
        QCOMPARE(read, fields);
        QVERIFY(!reader.field().has_value());
    }

    void readsNumbers_data()
    {
        // Read as a 32-bit whole number; "refused" when it cannot be one.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("value");
        QTest::newRow("blanks around") << QByteArray("  -600 \r\n") << "-600";
        QTest::newRow("empty is zero") << QByteArray(",") << "0";
        QTest::newRow("half to even down") << QByteArray("2.5") << "2";
        QTest::newRow("half to even up") << QByteArray("3.5") << "4";
        QTest::newRow("largest that fits") << QByteArray("2147483647") << "2147483647";
        QTest::newRow("one past") << QByteArray("2147483648") << "refused";
        QTest::newRow("not a number") << QByteArray("abc") << "refused";
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
