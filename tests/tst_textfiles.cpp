#include "common/cp1252.h"
#include "game/fieldreader.h"

#include <QTest>

#include <climits>

class TestTextFiles : public QObject
{
    Q_OBJECT
private slots:
    void codecMapsEveryByteBothWays();
    void readsFields_data();
    void readsFields();
    void readsNumbers_data();
    void readsNumbers();
};

void TestTextFiles::codecMapsEveryByteBothWays()
{
    // 0x80..0x9F as Windows-1252 has them; the five undefined bytes stay themselves.
    const QString from80To9F = QString::fromUtf16(u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    QByteArray bytes;
    QString text;
    for (int b = 0; b < 256; ++b) {
        bytes.append(char(b));
        text.append(b >= 0x80 && b < 0xA0 ? from80To9F.at(b - 0x80) : QChar(b));
    }
    QCOMPARE(Cp1252::decode(bytes), text);
    bool ok = false;
    QCOMPARE(Cp1252::encode(text, &ok), bytes);
    QVERIFY(ok);
    // What the code page cannot hold becomes '?', and is reported.
    QCOMPARE(Cp1252::encode(QStringLiteral("a\u0131b"), &ok), QByteArray("a?b"));
    QVERIFY(!ok);
}

void TestTextFiles::readsFields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("comma, CR LF, LF, lone CR, end") << QByteArray("a,b\r\nc\nd\re") << QStringList{"a", "b", "c", "d", "e"};
    QTest::newRow("leading blanks skipped, trailing trimmed")
        << QByteArray("  a  ,   b c  \r\n") << QStringList{"a", "b c"};
    QTest::newRow("quoted to the next quote, the rest skipped")
        << QByteArray("\" a, b \"s rest,x\r\n") << QStringList{" a, b ", "x"};
    QTest::newRow("quote runs over a line end") << QByteArray("\"a\r\nb\",c\r\n") << QStringList{"a\r\nb", "c"};
    QTest::newRow("empty fields") << QByteArray(",\r\n\r\n\"\"\r\n") << QStringList{"", "", "", ""};
}

void TestTextFiles::readsFields()
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

void TestTextFiles::readsNumbers_data()
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

void TestTextFiles::readsNumbers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, value);
    FieldReader reader(bytes);
    const std::optional<qint64> n = reader.number(INT_MIN, INT_MAX);
    QCOMPARE(n ? QString::number(*n) : QStringLiteral("refused"), value);
}

QTEST_MAIN(TestTextFiles)
#include "tst_textfiles.moc"
