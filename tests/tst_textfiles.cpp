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
        QTest::newRow("bare, inner quotes kept") << QByteArray(" a \"b\"  \r\n") << QStringList{"a \"b\" [a \"b\"  ]"};
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

    // The first thing each form cannot hold; a quoted field keeps commas, line ends and blanks.
    void checksFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bare");   // refused character, "" when it passes
        QTest::addColumn<QString>("quoted");
        QTest::newRow("plain, code page letters") << "é€ œ\tŸ" << "" << "";
        QTest::newRow("comma") << "Smit, Zn." << "," << "";
        QTest::newRow("line end") << "a\r\nb" << "\r" << "";
        QTest::newRow("blanks around") << " a " << " " << "";
        QTest::newRow("quote before comma") << "\"a\", b" << "\"" << "\"";
        QTest::newRow("emoji, kept whole") << "ok 😀" << "😀" << "😀";
    }
    void checksFields()
    {
        QFETCH(QString, text);
        QFETCH(QString, bare);
        QFETCH(QString, quoted);
        const FieldCheck asBare(text, FieldCheck::Form::Bare), asQuoted(text, FieldCheck::Form::Quoted);
        QCOMPARE(asBare.character(), bare);
        QCOMPARE(asQuoted.character(), quoted);
        QCOMPARE(asBare.passed(), bare.isEmpty());
        QCOMPARE(asQuoted.message("Veld", "het bestand", "regels").isEmpty(), quoted.isEmpty());
    }

    // Why a write failed, found on the disk and said in Dutch.
    void failedWritesSayWhyInDutch_data()
    {
        QTest::addColumn<QString>("setUp"); // "folder": a folder in the file's place; "file": a file in the folder's
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder in the file's place") << "folder" << "op de plaats van %1/Data/x.lib staat een map";
        QTest::newRow("file in the folder's place") << "file"
                                                   << "%1/Data is een bestand en geen map, dus %1/Data/x.lib kan daar niet staan";
    }
    void failedWritesSayWhyInDutch()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.path() + "/Data/x.lib";
        QVERIFY(setUp == "folder" ? QDir().mkpath(path) : QFile(dir.path() + "/Data").open(QIODevice::WriteOnly));
        QCOMPARE(writeWholeFile(path, "abc"), reason.arg(QDir::toNativeSeparators(dir.path())));
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
