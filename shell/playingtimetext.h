#pragma once

#include <QString>

#include <optional>

// The playing time as the settings window reads and shows it.
namespace PlayingTimeText {

// The playing time a text gives when the game will play it as it stands: a whole
// number of seconds from 1 to 2147483647, digits only, blanks around allowed. Nothing
// for any other text (a fraction, a sign, 0 or less, a number too large), since the
// record would then hold, or the game play, another time than the box shows.
std::optional<qint32> playable(const QString &text);

// "Speeltijd in seconden (m Min.)": the minutes rounded to at most two decimals, with
// a Dutch decimal comma and no trailing zeros ("1,67", "1,5", "10").
QString minutesText(qint32 seconds);
// The same for what the playing-time box holds; "Speeltijd in seconden" alone while it
// holds no playing time OK would take.
QString minutesTextFor(const QString &text);

// Why OK refuses the text, in Dutch.
QString refusal(const QString &text);

} // namespace PlayingTimeText
