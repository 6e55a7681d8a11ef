#include "tools/linereader.h"

#include <QIODevice>

LineReader::LineReader(QIODevice &device, qint64 chunkSize)
    : m_device(device)
    , m_chunkSize(qMax<qint64>(chunkSize, 1))
{
}

bool LineReader::next(QByteArrayView &line)
{
    // The bytes of the unfinished line already searched: a line longer than a chunk is
    // searched once, not again from its start after every chunk.
    qsizetype searched = 0;
    for (;;) {
        const char *begin = m_buffer.constData() + m_pos;
        const char *end = m_buffer.constData() + m_buffer.size();
        const char *p = begin + searched;
        while (p != end && *p != '\r' && *p != '\n')
            ++p;
        if (p != end) {
            // A CR as the last byte read may be the first half of a CR LF.
            if (*p == '\r' && p + 1 == end && !m_atEnd) {
                searched = p - begin;
                if (!fill() && m_failed)
                    return false;
                continue;
            }
            line = QByteArrayView(begin, p - begin);
            m_pos = p - m_buffer.constData() + 1;
            if (*p == '\r' && m_pos < m_buffer.size() && m_buffer.at(m_pos) == '\n')
                ++m_pos;
            return true;
        }
        if (m_atEnd) {
            if (begin == end)
                return false;
            line = QByteArrayView(begin, end - begin);
            m_pos = m_buffer.size();
            return true;
        }
        searched = end - begin;
        if (!fill() && m_failed)
            return false;
    }
}

// Drops the lines already handed out and appends the next chunk; false at the end of
// the data or on an error.
bool LineReader::fill()
{
    m_buffer.remove(0, m_pos);
    m_pos = 0;
    const qsizetype kept = m_buffer.size();
    m_buffer.resize(kept + m_chunkSize);
    const qint64 got = m_device.read(m_buffer.data() + kept, m_chunkSize);
    m_buffer.resize(kept + qMax<qint64>(got, 0));
    if (got < 0) {
        m_failed = true;
        m_atEnd = true;
        return false;
    }
    if (got == 0) {
        m_atEnd = true;
        return false;
    }
    ++m_chunks;
    return true;
}
