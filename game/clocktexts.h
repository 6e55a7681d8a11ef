#pragma once

#include <QDateTime>
#include <QString>

// "mm:ss " for the game clock: minutes and seconds with two digits, one blank after.
QString clockText(qint32 secondsLeft);
// The wall clock: the locale's short date, " / ", then h:mm:ss.
QString wallClockText(const QDateTime &moment);
// The playing time a game really gets: a time of 0 or less would never reach exactly
// 0 on the way down, so such a game gets the default 600 seconds.
qint32 playingTimeForGame(qint32 speeltijd);
