#include "shell/speeltijdtekst.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace SpeeltijdTekst {

namespace {

bool isDigit(const QString &text, qsizetype i)
{
    return i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9';
}

qsizetype skipDigits(const QString &text, qsizetype i)
{
    while (isDigit(text, i))
        ++i;
    return i;
}

} // namespace

std::optional<double> beginGetal(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    const qsizetype begin = i;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    const qsizetype intStart = i;
    i = skipDigits(text, i);
    bool digits = i > intStart;
    if (i < text.size() && text.at(i) == u'.') {
        const qsizetype fracStart = i + 1;
        const qsizetype fracEnd = skipDigits(text, fracStart);
        if (digits || fracEnd > fracStart) {
            digits = true;
            i = fracEnd;
        }
    }
    if (!digits)
        return std::nullopt;
    // An exponent counts only when digits follow it: "12e" is 12.
    if (i < text.size() && (text.at(i) == u'e' || text.at(i) == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text.at(j) == u'+' || text.at(j) == u'-'))
            ++j;
        if (isDigit(text, j))
            i = skipDigits(text, j);
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(QStringView(text).mid(begin, i - begin), &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString minutenTekst(double seconden)
{
    // Adding 0.0 turns a typed "-0" into 0, which is how it should read.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return QStringLiteral("Speeltijd in seconden (") + locale.toString(seconden / 60.0 + 0.0, 'g', 15)
        + QStringLiteral(" Min.)");
}

QString minutenTekstVoor(const QString &text)
{
    return minutenTekst(beginGetal(text).value_or(0.0));
}

qint32 speeltijd(const QString &text)
{
    const double value = std::nearbyint(beginGetal(text).value_or(0.0));
    if (!(value >= std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    if (value > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    return qint32(value);
}

} // namespace SpeeltijdTekst
