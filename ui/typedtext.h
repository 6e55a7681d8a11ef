#pragma once

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

} // namespace TypedText
