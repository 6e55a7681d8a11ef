#pragma once

#include "game/blanks.h"

#include <QLineEdit>
#include <QString>

#include <limits>

// What a player types or pastes, before the program takes it.
namespace TypedText {

// Qt's line edit cuts its text at 32,767 characters without a word. A box that shows a value
// read from a file, or takes a pasted one, keeps it whole, so what is saved is what was read
// or typed, or is refused.
inline void keepWhole(QLineEdit *box)
{
    box->setMaxLength(std::numeric_limits<int>::max());
}

// Text pasted from elsewhere may hold an "é" as an "e" followed by an accent, which the data
// files' code page cannot hold; composed, it is the same text in the form they can.
inline QString composed(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C);
}

// A typed text as a field of a data file takes it: composed, without the blanks at either
// end that the files drop.
inline QString field(const QString &text)
{
    return trimBlanks(composed(text));
}

} // namespace TypedText
