#include "shell/playingtimetext.h"

#include <QLocale>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace PlayingTimeText {

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

std::optional<double> leadingNumber(const QString &text)
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

QString minutesText(qint32 seconds)
{
    // Hundredths of a minute are seconds * 5 / 3: never halfway between two hundredths,
    // so the rounding needs no tie rule.
    const qint64 hundredths = std::llround(seconds * 5.0 / 3.0);
    QString minutes = QString::number(std::abs(hundredths) / 100);
    const qint64 fraction = std::abs(hundredths) % 100;
    if (fraction != 0) {
        minutes += QLatin1Char(',') + QString::number(fraction).rightJustified(2, QLatin1Char('0'));
        if (minutes.endsWith(QLatin1Char('0')))
            minutes.chop(1);
    }
    if (hundredths < 0)
        minutes.prepend(QLatin1Char('-'));
    return QStringLiteral("Speeltijd in seconden (") + minutes + QStringLiteral(" Min.)");
}

QString minutesTextFor(const QString &text)
{
    return minutesText(speeltijd(text));
}

qint32 speeltijd(const QString &text)
{
    const double value = std::nearbyint(leadingNumber(text).value_or(0.0));
    if (!(value >= std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    if (value > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    return qint32(value);
}

} // namespace PlayingTimeText
