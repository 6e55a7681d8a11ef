#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The text of the About window: credit, design month, version, and the size and date
// of the program file. Numbers and dates follow the default QLocale.
namespace AboutInfo {

// "Januari" .. "December" for 1 .. 12; empty otherwise.
QString maandNaam(int maand);
// Whole bytes with the locale's group separator and at least three digits: 5 -> "005".
QString grootte(qint64 bytes);
// The locale's short date, a blank and the time with seconds; the date alone at midnight.
QString datumTijd(const QDateTime &moment);

// The eight lines, without line ends. A program file that cannot be read shows
// "onbekend" for its size and date.
QStringList regels(const QDateTime &nu, const QString &programFile);
// The lines joined by CR LF, as the label shows them.
QString tekst(const QDateTime &nu, const QString &programFile);

} // namespace AboutInfo
