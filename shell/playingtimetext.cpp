#include "shell/playingtimetext.h"

#include "game/shownfield.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace PlayingTimeText {

std::optional<qint32> playable(const QString &text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<qint32>::max())
            return std::nullopt;
    }
    if (value < 1)
        return std::nullopt;
    return qint32(value);
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
    const std::optional<qint32> seconds = playable(text);
    return seconds ? minutesText(*seconds) : QStringLiteral("Speeltijd in seconden");
}

QString refusal(const QString &text)
{
    return QStringLiteral("De speeltijd \"%1\" kan niet worden gespeeld. Typ een heel aantal seconden, van 1 tot en "
                          "met 2147483647, zonder teken of komma.")
        .arg(ShownField::shortened(text, ShownField::inMessage));
}

} // namespace PlayingTimeText
