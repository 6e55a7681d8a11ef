#include "game/clocktexts.h"

#include <QLocale>

QString clockText(qint32 secondsLeft)
{
    const qint32 minutes = secondsLeft / 60;
    const qint32 seconds = secondsLeft % 60;
    QString text;
    if (minutes <= 9)
        text += QLatin1Char('0');
    text += QString::number(minutes) + QLatin1Char(':');
    if (seconds < 10)
        text += QLatin1Char('0');
    return text + QString::number(seconds) + QLatin1Char(' ');
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
