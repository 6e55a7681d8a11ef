#include "game/clocktexts.h"

#include <QLocale>

QString clockText(qint32 tijdOver)
{
    const qint32 minuten = tijdOver / 60;
    const qint32 seconden = tijdOver % 60;
    QString text;
    if (minuten <= 9)
        text += QLatin1Char('0');
    text += QString::number(minuten) + QLatin1Char(':');
    if (seconden < 10)
        text += QLatin1Char('0');
    return text + QString::number(seconden) + QLatin1Char(' ');
}

QString wallClockText(const QDateTime &moment)
{
    return QLocale().toString(moment.date(), QLocale::ShortFormat) + QStringLiteral(" / ")
        + moment.time().toString(QStringLiteral("H:mm:ss"));
}

qint32 playingTimeForGame(qint32 speeltijd)
{
    return speeltijd > 0 ? speeltijd : 600;
}
