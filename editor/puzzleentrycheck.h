#pragma once

#include "game/puzzlelist.h"

#include <QString>

// Whether a row can go into the puzzle file as it stands. The file holds Windows-1252
// text and parts its fields with commas, line ends and double quotes, so a field with
// any of those, or with a character the code page lacks, would come back changed or
// would shift the fields after it. The first such character, field by field, is found.
class PuzzleEntryCheck
{
public:
    explicit PuzzleEntryCheck(const PuzzleEntry &entry);

    bool passed() const { return m_field < 0; }
    // 0 for the keyword, 1 to 4 for the descriptions; -1 when the row passed.
    int field() const { return m_field; }
    // The refused character, a surrogate pair kept whole.
    QString character() const { return m_character; }
    // Why the row is refused, naming the field and the character; empty when it passed.
    QString message() const;

    static QString fieldName(int field);

private:
    void check(int field, const QString &text);

    int m_field = -1;
    QString m_character;
};
