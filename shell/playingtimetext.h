#pragma once

#include <QString>

#include <optional>

// The playing time as the settings window reads and shows it.
namespace PlayingTimeText {

// The number a text starts with (after blanks), with a point as decimal separator:
// "45", "-3", "12.5 sec", "1e3". Nothing when the text does not start with a number.
std::optional<double> leadingNumber(const QString &text);

// "Speeltijd in seconden (m Min.)": the minutes rounded to at most two decimals, with
// a Dutch decimal comma and no trailing zeros ("1,67", "1,5", "10").
QString minutesText(qint32 seconds);
// The same for what the playing-time box holds: the minutes of the time OK would store
// for it, so the text never promises another value and never grows past the longest
// number of seconds the record can hold.
QString minutesTextFor(const QString &text);

// The playing time OK stores: the number at the start rounded half to even, 0 when
// there is none, kept within the range of the record's field.
qint32 speeltijd(const QString &text);

} // namespace PlayingTimeText
