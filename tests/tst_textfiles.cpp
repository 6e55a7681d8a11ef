#include "common/cp1252.h"
#include "game/fieldcheck.h"
#include "game/fieldreader.h"
#include "game/textwriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

    // Each field as read; where its bytes differ (blanks after it, quotes), they follow in
    // brackets, and a "!" marks a field whose read dropped text after its closing quote.
    void readsFields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("comma, CR LF, LF, lone CR, end") << QByteArray("a,b\r\nc\nd\re") << QStringList{"a", "b", "c", "d", "e"};
        QTest::newRow("leading blanks skipped, trailing trimmed")
            << QByteArray("  a  ,   b c  \r\n") << QStringList{"a [a  ]", "b c [b c  ]"};
        QTest::newRow("quoted to the next quote, over a line end") << QByteArray("\" a, b \"s rest,\"x\r\ny\",z\r\n")
            << QStringList{" a, b  [\" a, b \"s rest]!", "x\r\ny [\"x\r\ny\"]", "z"};
        QTest::newRow("empty fields") << QByteArray(",\r\n\r\n\"\"\r\n") << QStringList{"", "", "", " [\"\"]"};
        QTest::newRow("text after the quote") << QByteArray("  \"a\"in\"  \r\nx") << QStringList{"a [\"a\"in\"  ]!", "x"};
        QTest::newRow("blanks after the quote") << QByteArray("\"a\"   ,x") << QStringList{"a [\"a\"   ]", "x"};
    }
    void readsFields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        FieldReader reader(bytes);
        QStringList read;
        while (!reader.atEnd()) {
            const QString field = *reader.field();
            const QString raw = Cp1252::decode(reader.lastFieldBytes());
            read << field + (raw == field ? QString() : " [" + raw + "]") + (reader.lastFieldLostText() ? "!" : "");
        }
        QCOMPARE(read, fields);
        QVERIFY(!reader.field().has_value());
    }

    // The first character the bare form cannot hold is the one named. Which values each
    // form refuses is the round trips' test (tst_puzzledatabase, tst_scorelist).
    void namesTheFirstCharacterRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refused");
        QTest::newRow("line end") << "a\r\nb" << "\r";
        QTest::newRow("blanks around") << " a " << " ";
        QTest::newRow("quote before comma") << "\"a\", b" << "\"";
    }
    void namesTheFirstCharacterRefused()
    {
        QFETCH(QString, text);
        QFETCH(QString, refused);
        QCOMPARE(FieldCheck(text, FieldCheck::Form::Bare).character(), refused);
    }

    // Why a write failed, found on the disk and said in Dutch (a folder in the file's
    // place: tst_editform).
    void failedWriteSaysWhyInDutch()
    {
        QTemporaryDir dir;
        QVERIFY(QFile(dir.path() + "/Data").open(QIODevice::WriteOnly));
        QCOMPARE(writeWholeFile(dir.path() + "/Data/x.lib", "abc"),
                 QString("%1/Data is een bestand en geen map, dus %1/Data/x.lib kan daar niet staan")
                     .arg(QDir::toNativeSeparators(dir.path())));
    }

    void readsNumbers_data()
    {
        // Read as a 32-bit whole number; "refused" when it cannot be one. Negative numbers
        // and the limits themselves are the settings round trip's (tst_gamesettings).
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("value");
        QTest::newRow("empty is zero") << QByteArray(",") << "0";
        QTest::newRow("half to even down") << QByteArray("2.5") << "2";
        QTest::newRow("half to even up") << QByteArray("3.5") << "4";
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
