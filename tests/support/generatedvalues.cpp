#include "support/generatedvalues.h"

#include "common/cp1252.h"

#include <QHash>
#include <QTest>

QStringList generatedValues(const QString &kind)
{
    if (kind == u"code page") {
        QStringList values;
        for (int byte = 0; byte < 256; ++byte)
            values << u'a' + QString(Cp1252::decodeByte(uchar(byte))) + u'b';
        return values;
    }
    const QHash<QString, QStringList> values{
        {"quotes", {"\"", "a\"b", "\"a\"", "\"\"", "Zeg \"hoi\" tegen jou"}},
        {"commas", {",", "a,b", "a, b,", "Jan, Piet"}},
        {"line breaks", {"a\r\nb", "\n", "a\r", "\r\n"}},
        {"blanks", {" a", "a ", " ", "  a  b  "}},
        {"long", {QString(100000, u'x'), QStringLiteral("Zoë œuvre à € 5 ÿ").repeated(6000)}},
        {"outside", {QString::fromUtf8("😀🎲"), QString::fromUtf8("thee 茶"), QString::fromUtf16(u"\u0131"),
                     QString::fromUtf16(u"a\u2028b"), QString(QChar(0xD800))}},
    };
    return values.value(kind);
}

void addGeneratedValueRows(const QList<int> &refused)
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("refused");
    const QStringList kinds{"code page", "quotes", "commas", "line breaks", "blanks", "long", "outside"};
    for (qsizetype i = 0; i < kinds.size(); ++i)
        QTest::newRow(qPrintable(kinds[i])) << kinds[i] << refused.value(i);
}
