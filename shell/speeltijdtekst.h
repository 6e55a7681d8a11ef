#pragma once

#include <QString>

#include <optional>

// The playing time as the settings window reads and shows it.
namespace SpeeltijdTekst {

// The number a text starts with (after blanks), with a point as decimal separator:
// "45", "-3", "12.5 sec", "1e3". Nothing when the text does not start with a number.
std::optional<double> beginGetal(const QString &text);

// "Speeltijd in seconden (m Min.)": the minutes in the shortest form of up to 15
// significant digits, with the default locale's decimal separator.
QString minutenTekst(double seconden);
// The same for what the playing-time box holds; a text without a number at its start
// reads as 0 seconds, which is also what OK would store for it.
QString minutenTekstVoor(const QString &text);

// The playing time OK stores: the number at the start rounded half to even, 0 when
// there is none, kept within the range of the record's field.
qint32 speeltijd(const QString &text);

} // namespace SpeeltijdTekst
