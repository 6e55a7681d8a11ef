#pragma once

#include <QList>
#include <QString>

// One high-score record: the score of a finished game and the player's name.
struct ScoreEntry {
    qint32 score = 0;
    QString name;
    // The line exactly as the score file held it, when the file's quoted form cannot
    // give it back from the text (a quote inside, text after the closing quote); it is
    // then written back unchanged. Empty for every entry the program made.
    QByteArray stored;
    // A line that does not start with a score text ("hello", "12340 - Groot") is kept as it
    // stands: its text is the name alone, sorted as the line it is, its score 0.
    bool wholeLine = false;

    bool operator==(const ScoreEntry &) const = default;

    // "0120 - Anna", as the file and the score window show it.
    QString text() const;
    // Reads such a line; one that does not start with a score text is a whole line.
    static ScoreEntry fromText(const QString &line);
    // A finished game's entry: the score kept within what its four characters show
    // (-999 to 9999), so the entry reads back from the file as it was made.
    static ScoreEntry ofGame(qint64 score, const QString &name);
};

// The high-score list, kept in ascending order of the entries' texts compared without
// regard to letter case, negative scores first by their number (so the highest score is
// last); equal entries may repeat.
class ScoreList
{
public:
    int count() const { return int(m_entries.size()); }
    const ScoreEntry &at(int position) const { return m_entries.at(position); }
    const QList<ScoreEntry> &entries() const { return m_entries; }
    // The entries' texts in list order.
    QStringList texts() const;

    // Inserts in sorted place (after equal entries). There is no limit: a file of any
    // length keeps every line.
    void add(const ScoreEntry &entry);
    // Adds many at once, each after the entries equal to it, as one add each would.
    void addAll(const QList<ScoreEntry> &entries);
    void removeAt(int position) { m_entries.removeAt(position); }
    void clear() { m_entries.clear(); }

private:
    QList<ScoreEntry> m_entries;
};

// The four-character score text: "0120" for 120, "9999" above it, "-040" for -40.
QString scoreText(qint32 score);
