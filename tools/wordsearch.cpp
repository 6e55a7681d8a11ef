#include "tools/wordsearch.h"

#include "common/cp1252.h"
#include "tools/linereader.h"

#include <QFile>

WordSearch::WordSearch(const QString &term, Mode mode)
    : m_mode(mode)
{
    bool ok = true;
    m_term = Cp1252::encode(term, &ok);
    m_canOccur = ok;
    m_matcher.setPattern(m_term);
}

bool WordSearch::matches(QByteArrayView line) const
{
    if (!m_canOccur || line.size() < m_term.size())
        return false;
    switch (m_mode) {
    case BeginsWith: return line.startsWith(m_term);
    case EndsWith: return line.endsWith(m_term);
    case Contains: return m_matcher.indexIn(line) >= 0;
    }
    return false;
}

bool WordSearch::search(QIODevice &device, const std::function<void(const QStringList &)> &found,
                         qint64 chunkSize) const
{
    LineReader reader(device, chunkSize);
    QStringList batch;
    int chunk = 0;
    QByteArrayView line;
    while (reader.next(line)) {
        if (reader.chunksRead() != chunk) {
            chunk = reader.chunksRead();
            if (!batch.isEmpty()) {
                found(batch);
                batch.clear();
            }
        }
        if (matches(line))
            batch.append(Cp1252::decode(line.toByteArray()));
    }
    if (!batch.isEmpty())
        found(batch);
    return !reader.failed();
}

bool WordSearch::search(const QString &path, const std::function<void(const QStringList &)> &found) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return search(file, found);
}
