#pragma once

#include <QString>

// A field as a list or a message shows it, never as it is stored: whole while it is short,
// else its beginning and "…", with its control characters (a tab, a line break) as
// visible signs, so a row stays one line and a message stays on the screen.
namespace ShownField {

inline constexpr qsizetype inList = 500;
inline constexpr qsizetype inMessage = 60;

QString shortened(const QString &text, qsizetype most);

} // namespace ShownField
