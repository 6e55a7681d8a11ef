#pragma once

#include "game/fieldcheck.h"
#include "game/puzzlelist.h"

#include <QString>

// Whether a row can go into the puzzle file as it stands: every field bare, so none may
// hold a comma, a double quote, a line end, blanks at either end or a character the
// code page lacks, and the keyword may not be empty (a row without one is skipped when
// the file is read). The keyword is what the player types: a character no keyboard gives
// (a tab, a no-break space or another special blank, a soft hyphen) would make it one
// that cannot be found. The first such fault, field by field, is found.
class PuzzleEntryCheck
{
public:
    explicit PuzzleEntryCheck(const PuzzleEntry &entry);

    bool passed() const { return m_field < 0; }
    // 0 for the keyword, 1 to 4 for the descriptions; -1 when the row passed.
    int field() const { return m_field; }
    // The refused character, a surrogate pair kept whole; empty for an empty keyword.
    QString character() const { return m_untypeable.isEmpty() ? m_check.character() : m_untypeable; }
    // Why the row is refused, naming the field and the character; empty when it passed.
    QString message() const;

    static QString fieldName(int field);

private:
    // The first character of the keyword no keyboard gives, or empty.
    static QString untypeableIn(const QString &keyword);

    int m_field = -1;
    FieldCheck m_check{QString(), FieldCheck::Form::Bare};
    QString m_untypeable;
};
