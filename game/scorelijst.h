#pragma once

#include <QStringList>

// The high-score list: whole lines "0120 - Anna", kept in ascending order compared
// without regard to letter case (so the highest score is last); equal lines may repeat.
class Scorelijst
{
public:
    static constexpr int MaxLines = 32767;

    int count() const { return int(m_lines.size()); }
    const QString &at(int position) const { return m_lines.at(position); }
    const QStringList &lines() const { return m_lines; }

    // Inserts in sorted place (after equal lines). Empty lines and lines beyond
    // MaxLines are not kept; returns whether the line was added.
    bool add(const QString &line);
    // Removes the first line (lowest position) equal character for character.
    bool removeFirstEqual(const QString &line);
    void clear() { m_lines.clear(); }

private:
    QStringList m_lines;
};

// The four-character score text: "0120" for 120.
QString scoreText(qint32 score);
// score text + " - " + name.
QString scoreLine(qint32 score, const QString &name);
