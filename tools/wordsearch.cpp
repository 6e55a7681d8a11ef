#include "tools/wordsearch.h"

#include "common/cp1252.h"
#include "common/regularfile.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <functional>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The first line end at or after 'from', or 'end'.
const char *lineEndFrom(const char *from, const char *end)
{
    while (from != end && !isLineEnd(*from))
        ++from;
    return from;
}

const char *lineStartBefore(const char *at, const char *begin)
{
    while (at != begin && !isLineEnd(at[-1]))
        --at;
    return at;
}

// Past the line end at 'at' (CR LF, LF or a lone CR).
const char *pastLineEnd(const char *at, const char *end)
{
    if (at == end)
        return end;
    if (*at == '\r' && at + 1 != end && at[1] == '\n')
        return at + 2;
    return at + 1;
}

// Hands the batch on when the search has passed the next batch boundary.
class Batches
{
public:
    Batches(const char *begin, qint64 batchBytes, const std::function<void(const FoundLines &)> &found, bool utf8)
        : m_begin(begin), m_batchBytes(qMax<qint64>(batchBytes, 1)), m_next(m_batchBytes), m_found(found)
    {
        m_batch.utf8 = utf8;
        // A batch holds at most the lines of its stretch of the list (and the rest of the
        // last one): room for that is made once.
        m_batch.bytes.reserve(qMin<qint64>(m_batchBytes, 1 << 20));
    }
    ~Batches() { flush(); }

    void add(const char *lineStart, const char *lineEnd)
    {
        if (lineStart - m_begin >= m_next) {
            flush();
            m_next = ((lineStart - m_begin) / m_batchBytes + 1) * m_batchBytes;
        }
        m_batch.bytes.append(lineStart, lineEnd - lineStart);
        m_batch.ends.append(m_batch.bytes.size());
    }
    void flush()
    {
        if (m_batch.ends.isEmpty())
            return;
        m_found(m_batch);
        // Emptied, but keeping its room for the next batch.
        m_batch.bytes.resize(0);
        m_batch.ends.resize(0);
    }

private:
    const char *m_begin;
    qint64 m_batchBytes;
    qint64 m_next;
    const std::function<void(const FoundLines &)> &m_found;
    FoundLines m_batch;
};

// Finds the term in a stretch of bytes. With SSE2, sixteen places are tried at once: a
// place is a candidate where both the term's first and last byte stand at the right
// distance, which in a word list leaves few to compare whole.
class TermFinder
{
public:
    explicit TermFinder(QByteArrayView term)
        : m_term(term)
        , m_searcher(term.begin(), term.end())
    {
    }

    const char *find(const char *from, const char *end) const
    {
        const qsizetype length = m_term.size();
#if defined(__SSE2__)
        const char *term = m_term.data();
        const __m128i first = _mm_set1_epi8(term[0]);
        const __m128i last = _mm_set1_epi8(term[length - 1]);
        for (; end - from >= length - 1 + 16; from += 16) {
            const __m128i atFirst = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
            const __m128i atLast = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + length - 1));
            unsigned mask = unsigned(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(first, atFirst), _mm_cmpeq_epi8(last, atLast))));
            while (mask) {
                const int offset = __builtin_ctz(mask);
                if (length <= 2 || std::memcmp(from + offset + 1, term + 1, length - 2) == 0)
                    return from + offset;
                mask &= mask - 1;
            }
        }
#endif
        const char *hit = std::search(from, end, m_searcher);
        return hit == end ? nullptr : hit;
    }

private:
    QByteArrayView m_term;
    std::boyer_moore_horspool_searcher<const char *> m_searcher;
};

} // namespace

QByteArrayView FoundLines::line(qsizetype index) const
{
    const qsizetype start = index == 0 ? 0 : ends.at(index - 1);
    return QByteArrayView(bytes.constData() + start, ends.at(index) - start);
}

QString FoundLines::word(qsizetype index) const
{
    return utf8 ? QString::fromUtf8(line(index)) : Cp1252::decode(line(index));
}

QStringList FoundLines::words() const
{
    QStringList decoded;
    decoded.reserve(count());
    for (qsizetype i = 0; i < count(); ++i)
        decoded.append(word(i));
    return decoded;
}

WordSearch::WordSearch(const QString &term, Mode mode)
    : m_text(term)
    , m_mode(mode)
{
    bool ok = true;
    m_term = Cp1252::encode(term, &ok);
    // No line holds a line end, so a term with one is found nowhere.
    m_canOccur = ok && !m_term.contains('\r') && !m_term.contains('\n');
}

WordSearch::WordSearch(QByteArray term, Mode mode, bool utf8)
    : m_term(std::move(term))
    , m_mode(mode)
    , m_canOccur(!m_term.contains('\r') && !m_term.contains('\n'))
    , m_utf8(utf8)
{
}

bool WordSearch::matches(QByteArrayView line) const
{
    if (!m_canOccur || line.size() < m_term.size())
        return false;
    switch (m_mode) {
    case BeginsWith: return line.startsWith(m_term);
    case EndsWith: return line.endsWith(m_term);
    case Contains: return line.contains(m_term);
    }
    return false;
}

void WordSearch::search(QByteArrayView list, const std::function<void(const FoundLines &)> &found,
                        qint64 batchBytes) const
{
    if (!m_utf8 && Cp1252::isUtf8Instead(list)) {
        // The byte-order mark is no part of the first line.
        WordSearch(m_text.toUtf8(), m_mode, true).searchBytes(Cp1252::withoutUtf8Mark(list), found, batchBytes);
        return;
    }
    searchBytes(list, found, batchBytes);
}

void WordSearch::searchBytes(QByteArrayView list, const std::function<void(const FoundLines &)> &found,
                             qint64 batchBytes) const
{
    if (!m_canOccur)
        return;
    if (m_term.isEmpty()) {
        searchLineByLine(list, found, batchBytes);
        return;
    }
    // The term is looked for in the whole list at once, as grep does, instead of line by
    // line: a hit is then checked against the edges of the line it lies in.
    const char *const begin = list.data();
    const char *const end = begin + list.size();
    const qsizetype length = m_term.size();
    const TermFinder finder(m_term);
    Batches batches(begin, batchBytes, found, m_utf8);
    const char *from = begin;
    while (end - from >= length) {
        const char *hit = finder.find(from, end);
        if (!hit)
            break;
        const char *lineStart = lineStartBefore(hit, begin);
        const char *lineEnd = lineEndFrom(hit + length, end);
        bool match = true;
        if (m_mode == BeginsWith) {
            match = lineStart == hit;
        } else if (m_mode == EndsWith) {
            // Only the line's last bytes can end it in the term, wherever the first hit
            // stood: looking on from the hit would go through a long line once a hit.
            match = std::memcmp(lineEnd - length, m_term.constData(), length) == 0;
        }
        if (match)
            batches.add(lineStart, lineEnd);
        // A line is found once, so the search goes on after it.
        from = pastLineEnd(lineEnd, end);
    }
}

void WordSearch::searchLineByLine(QByteArrayView list, const std::function<void(const FoundLines &)> &found,
                                  qint64 batchBytes) const
{
    const char *const begin = list.data();
    const char *const end = begin + list.size();
    Batches batches(begin, batchBytes, found, m_utf8);
    // An empty stretch after the last line end is no line.
    for (const char *line = begin; line != end;) {
        const char *lineEnd = lineEndFrom(line, end);
        if (matches(QByteArrayView(line, lineEnd - line)))
            batches.add(line, lineEnd);
        line = pastLineEnd(lineEnd, end);
    }
}

bool WordSearch::search(QIODevice &device, const std::function<void(const FoundLines &)> &found,
                        qint64 batchBytes) const
{
    // Read whole before anything is searched, so a read that fails part way hands on nothing.
    QByteArray bytes;
    if (!device.isSequential())
        bytes.reserve(qMax<qint64>(device.size() - device.pos(), 0));
    constexpr qint64 step = 1024 * 1024;
    for (;;) {
        const qsizetype kept = bytes.size();
        bytes.resize(kept + step);
        const qint64 got = device.read(bytes.data() + kept, step);
        bytes.resize(kept + qMax<qint64>(got, 0));
        if (got < 0)
            return false;
        if (got == 0)
            break;
    }
    search(QByteArrayView(bytes), found, batchBytes);
    return true;
}

bool WordSearch::search(const QString &path, const std::function<void(const FoundLines &)> &found) const
{
    QFile file(path);
    if (!openRegularFile(file))
        return false;
    return search(file, found);
}
