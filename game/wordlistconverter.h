#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Turns a UTF-8 word list with one entry a line (the OpenTaal list) into the word list
// the word search reads: Windows-1252, every line ended by CR LF. The search lower-cases
// the player's term and compares exactly, so only entries already in lower case can ever
// be found; the others are left out, as are entries the code page cannot hold and repeats
// of an entry already written. Digits, blanks, apostrophes and hyphens are kept.
class WordListConverter
{
public:
    // Converts the whole list, keeping the entries' own order. Lines may end in LF or
    // CR LF; empty lines are passed over without being counted. Resets the counts.
    QByteArray convert(QByteArrayView utf8);

    qsizetype kept() const { return m_kept; }
    qsizetype notLowerCase() const { return m_notLowerCase; }
    // Includes lines that are not valid UTF-8.
    qsizetype notEncodable() const { return m_notEncodable; }
    qsizetype duplicates() const { return m_duplicates; }
    qsizetype skipped() const { return m_notLowerCase + m_notEncodable + m_duplicates; }

private:
    qsizetype m_kept = 0;
    qsizetype m_notLowerCase = 0;
    qsizetype m_notEncodable = 0;
    qsizetype m_duplicates = 0;
};
