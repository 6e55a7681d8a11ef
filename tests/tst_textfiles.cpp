#include "game/cp1252.h"
#include "game/fieldreader.h"
#include "game/textwriter.h"

#include <QTest>

class TestTextFiles : public QObject
{
    Q_OBJECT
private slots:
    void everyByteSurvivesDecodeAndEncode();
    void decodesTheCodePageSpecials_data();
    void decodesTheCodePageSpecials();
    void unencodableCharactersBecomeQuestionMarks();
    void writerEndsLinesWithCrLf();
    void readsFields_data();
    void readsFields();
    void readsNumbers_data();
    void readsNumbers();
    void readsLinesWithAnyLineEnd();
};

void TestTextFiles::everyByteSurvivesDecodeAndEncode()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool ok = false;
    QCOMPARE(Cp1252::encode(Cp1252::decode(all), &ok), all);
    QVERIFY(ok);
}

void TestTextFiles::decodesTheCodePageSpecials_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 81") << 0x81 << 0x81;
    QTest::newRow("undefined 9D") << 0x9D << 0x9D;
    QTest::newRow("left double quote") << 0x93 << 0x201C;
    QTest::newRow("e acute") << 0xE9 << 0xE9;
    QTest::newRow("e diaeresis") << 0xEB << 0xEB;
    QTest::newRow("y diaeresis capital") << 0x9F << 0x178;
}

void TestTextFiles::decodesTheCodePageSpecials()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    QCOMPARE(Cp1252::decodeByte(uchar(byte)).unicode(), char16_t(unicode));
    QCOMPARE(Cp1252::encode(QString(QChar(char16_t(unicode)))), QByteArray(1, char(byte)));
}

void TestTextFiles::unencodableCharactersBecomeQuestionMarks()
{
    bool ok = true;
    QCOMPARE(Cp1252::encode(QStringLiteral("a\u0131b"), &ok), QByteArray("a?b"));
    QVERIFY(!ok);
    QVERIFY(!Cp1252::canEncode(QStringLiteral("\u4e2d")));
    QVERIFY(Cp1252::canEncode(QStringLiteral("café €")));
}

void TestTextFiles::writerEndsLinesWithCrLf()
{
    TextWriter w;
    w.line(QStringLiteral("appel,fruit"));
    w.quoted(QStringLiteral("Jan, \"Piet\" é"));
    w.line(QString());
    QCOMPARE(w.bytes(), QByteArray("appel,fruit\r\n\"Jan, \"Piet\" \xE9\"\r\n\r\n"));
}

void TestTextFiles::readsFields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("commas and line ends")
        << QByteArray("a,b\r\nc\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("leading blanks skipped, trailing trimmed")
        << QByteArray("  a  ,   b c  \r\n") << QStringList{"a", "b c"};
    QTest::newRow("quoted keeps blanks and commas")
        << QByteArray("\" a, b \"\r\n") << QStringList{" a, b "};
    QTest::newRow("after the closing quote skipped to comma")
        << QByteArray("\"Jan\"s rest,x\r\n") << QStringList{"Jan", "x"};
    QTest::newRow("empty fields")
        << QByteArray(",\r\n\r\n\"\"\r\n") << QStringList{"", "", "", ""};
    QTest::newRow("LF only and no last line end")
        << QByteArray("a\nb\nc") << QStringList{"a", "b", "c"};
    QTest::newRow("lone CR")
        << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("quote runs over a line end")
        << QByteArray("\"a\r\nb\",c\r\n") << QStringList{"a\r\nb", "c"};
    QTest::newRow("unterminated quote runs to the end")
        << QByteArray("x,\"abc") << QStringList{"x", "abc"};
    QTest::newRow("windows-1252 bytes")
        << QByteArray("\xE9\xEB\x80\r\n") << QStringList{QStringLiteral("éë€")};
    QTest::newRow("NUL bytes kept")
        << QByteArray("a\0b,c", 5) << QStringList{QString("a") + QChar(0) + "b", "c"};
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
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("min");
    QTest::addColumn<qint64>("max");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("value");
    QTest::newRow("plain") << QByteArray("600\r\n") << qint64(INT_MIN) << qint64(INT_MAX) << true << qint64(600);
    QTest::newRow("negative") << QByteArray(" -5 ,") << qint64(INT_MIN) << qint64(INT_MAX) << true << qint64(-5);
    QTest::newRow("empty is zero") << QByteArray(",") << qint64(0) << qint64(255) << true << qint64(0);
    QTest::newRow("half to even down") << QByteArray("2.5") << qint64(0) << qint64(255) << true << qint64(2);
    QTest::newRow("half to even up") << QByteArray("3.5") << qint64(0) << qint64(255) << true << qint64(4);
    QTest::newRow("byte overflow") << QByteArray("256") << qint64(0) << qint64(255) << false << qint64(0);
    QTest::newRow("int overflow") << QByteArray("2147483648") << qint64(INT_MIN) << qint64(INT_MAX) << false << qint64(0);
    QTest::newRow("not a number") << QByteArray("abc") << qint64(INT_MIN) << qint64(INT_MAX) << false << qint64(0);
    QTest::newRow("hex refused") << QByteArray("0x10") << qint64(INT_MIN) << qint64(INT_MAX) << false << qint64(0);
    QTest::newRow("infinity refused") << QByteArray("1e400") << qint64(INT_MIN) << qint64(INT_MAX) << false << qint64(0);
    QTest::newRow("past the end") << QByteArray() << qint64(INT_MIN) << qint64(INT_MAX) << false << qint64(0);
}

void TestTextFiles::readsNumbers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, min);
    QFETCH(qint64, max);
    QFETCH(bool, valid);
    QFETCH(qint64, value);
    FieldReader reader(bytes);
    const std::optional<qint64> n = reader.number(min, max);
    QCOMPARE(n.has_value(), valid);
    if (valid)
        QCOMPARE(*n, value);
}

void TestTextFiles::readsLinesWithAnyLineEnd()
{
    FieldReader reader(QByteArray("een, twee\r\ndrie\nvier\rvijf"));
    QStringList lines;
    while (!reader.atEnd())
        lines << *reader.line();
    QCOMPARE(lines, (QStringList{"een, twee", "drie", "vier", "vijf"}));
}

QTEST_MAIN(TestTextFiles)
#include "tst_textfiles.moc"
