#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// The proverbs and their meaning fields from Data/Spreekwoorden.lib, as two parallel
// lists in file order. Each non-blank line is "proverb -/- meaning field"; the meaning
// field opens with a 12-character lead-in that is not part of the meaning.
class ProverbList
{
public:
    // Reads every line of the device (already open). Stops at the first non-blank line
    // without a separator, and on a read error; what was read before stays. False then.
    bool load(QIODevice &device);
    // The same from a file; false also when it cannot be opened.
    bool load(const QString &path);

    const QStringList &proverbs() const { return m_proverbs; }
    const QStringList &meaningFields() const { return m_meaningFields; }

    // The meaning as shown: the field from its 13th character on, its first character
    // in upper case.
    static QString meaning(const QString &field);

private:
    QStringList m_proverbs;
    QStringList m_meaningFields;
};
