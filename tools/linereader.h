#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

// Reads an open device line by line in chunks, so a long word list is never held in
// memory whole. A line ends at CR LF, LF or a lone CR (also when the CR and the LF
// arrive in different chunks); a last line without a line end still counts, and an
// empty stretch after the last line end does not.
class LineReader
{
public:
    explicit LineReader(QIODevice &device, qint64 chunkSize = 256 * 1024);

    // The next line without its line end, as bytes. The view is valid until the next
    // call. False at the end of the data and after a read error (see failed()).
    bool next(QByteArrayView &line);

    // True when the device reported an error while reading.
    bool failed() const { return m_failed; }
    // Counts the chunks read so far; callers use it to hand on their results a chunk
    // at a time rather than a line at a time.
    int chunksRead() const { return m_chunks; }

private:
    bool fill();

    QIODevice &m_device;
    qint64 m_chunkSize;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    int m_chunks = 0;
    bool m_atEnd = false;
    bool m_failed = false;
};
