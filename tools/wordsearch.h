#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// Lines found by a search as the list holds them (Windows-1252): their bytes one after
// another and where each ends, so a search that finds millions of lines keeps them in
// little more room than the list itself.
struct FoundLines
{
    QByteArray bytes;
    QList<qsizetype> ends;
    // The list was saved as UTF-8, not in the game's code page.
    bool utf8 = false;

    qsizetype count() const { return ends.size(); }
    QByteArrayView line(qsizetype index) const;
    // A line decoded, as the list was saved.
    QString word(qsizetype index) const;
    // Every line decoded.
    QStringList words() const;
};

// One search of the word list: which lines match a term in one of three ways. The term
// is compared exactly, case and blanks included; lines are Windows-1252 and are
// compared as bytes, so only the lines found are ever decoded. A list saved as UTF-8
// instead (as many editors save text) is searched with the term in that form.
class WordSearch
{
public:
    // The option buttons of the search window, in their order.
    enum Mode : qint16 { BeginsWith = 0, EndsWith = 1, Contains = 2 };

    WordSearch(const QString &term, Mode mode);

    bool matches(QByteArrayView line) const;

    // Reads the whole device (already open) at once and hands the matching lines on in
    // file order, a batch for each 'batchBytes' of the list, so a caller can show them
    // as they come. False when reading failed; nothing is handed on then.
    bool search(QIODevice &device, const std::function<void(const FoundLines &)> &found,
                qint64 batchBytes = 256 * 1024) const;
    // The same over a file; false also when it cannot be opened.
    bool search(const QString &path, const std::function<void(const FoundLines &)> &found) const;
    // The same over bytes already read.
    void search(QByteArrayView list, const std::function<void(const FoundLines &)> &found,
                qint64 batchBytes = 256 * 1024) const;

private:
    WordSearch(QByteArray term, Mode mode, bool utf8);
    // The search itself, over a list in the form the term is in.
    void searchBytes(QByteArrayView list, const std::function<void(const FoundLines &)> &found, qint64 batchBytes) const;
    void searchLineByLine(QByteArrayView list, const std::function<void(const FoundLines &)> &found,
                          qint64 batchBytes) const;

    QString m_text;
    QByteArray m_term;
    Mode m_mode;
    bool m_canOccur; // false when the term holds a character no line can hold
    bool m_utf8 = false; // the term in UTF-8's form, for a list saved so
};
