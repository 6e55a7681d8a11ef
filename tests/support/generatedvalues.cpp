#include "support/generatedvalues.h"

#include "common/cp1252.h"

#include <QTest>

QStringList generatedValues(const QString &kind)
{
    QStringList values;
    if (kind == u"code page") {
        for (int byte = 0; byte < 256; ++byte)
            values << u'a' + QString(Cp1252::decodeByte(uchar(byte))) + u'b';
    } else if (kind == u"quotes") {
        values << "\"" << "a\"b" << "\"a\"" << "\"\"" << "Zeg \"hoi\" tegen jou";
    } else if (kind == u"commas") {
        values << "," << "a,b" << "a, b," << "Jan, Piet";
    } else if (kind == u"line breaks") {
        values << "a\r\nb" << "\n" << "a\r" << "\r\n";
    } else if (kind == u"blanks") {
        values << " a" << "a " << " " << "  a  b  ";
    } else if (kind == u"long") {
        QString letters;
        for (int byte = 0x20; byte < 256; ++byte) {
            const QChar c = Cp1252::decodeByte(uchar(byte));
            if (c != u',' && c != u'"')
                letters += c;
        }
        values << QString(100000, u'x') << letters.repeated(40).trimmed();
    } else if (kind == u"outside") {
        values << QString::fromUtf8("😀🎲") << QString::fromUtf8("thee 茶") << QString::fromUtf16(u"\u0131")
               << QString::fromUtf16(u"a\u2028b") << QString(QChar(0xD800));
    }
    return values;
}

void addGeneratedValueRows(const QList<int> &refused)
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("refused");
    const QStringList kinds{"code page", "quotes", "commas", "line breaks", "blanks", "long", "outside"};
    for (qsizetype i = 0; i < kinds.size(); ++i)
        QTest::newRow(qPrintable(kinds[i])) << kinds[i] << refused.value(i);
}
