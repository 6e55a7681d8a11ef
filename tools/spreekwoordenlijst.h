#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// The proverbs and their meaning fields from Data/Spreekwoorden.lib, as two parallel
// lists in file order. Each non-blank line is "proverb -/- meaning field"; the meaning
// field opens with a 12-character lead-in that is not part of the meaning.
class SpreekwoordenLijst
{
public:
    // Reads every line of the device (already open). Stops at the first non-blank line
    // without a separator, and on a read error; what was read before stays. False then.
    bool laad(QIODevice &device);
    // The same from a file; false also when it cannot be opened.
    bool laad(const QString &path);

    const QStringList &spreekwoorden() const { return m_spreekwoorden; }
    const QStringList &betekenisvelden() const { return m_betekenisvelden; }

    // The meaning as shown: the field from its 13th character on, its first character
    // in upper case.
    static QString betekenis(const QString &betekenisveld);

private:
    QStringList m_spreekwoorden;
    QStringList m_betekenisvelden;
};
