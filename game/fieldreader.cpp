#include "game/fieldreader.h"

#include "common/cp1252.h"

#include <cmath>

FieldReader::FieldReader(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
}

bool FieldReader::atLineEnd() const
{
    const char c = m_bytes.at(m_pos);
    return c == '\r' || c == '\n';
}

void FieldReader::skipLineEnd()
{
    if (m_bytes.at(m_pos) == '\r') {
        ++m_pos;
        if (m_pos < m_bytes.size() && m_bytes.at(m_pos) == '\n')
            ++m_pos;
    } else {
        ++m_pos;
    }
}

std::optional<QString> FieldReader::field()
{
    if (atEnd())
        return std::nullopt;
    // Scanned through a plain pointer: the puzzle list is read this way at every start.
    const char *const data = m_bytes.constData();
    const qsizetype n = m_bytes.size();
    const auto endsField = [data](qsizetype i) { return data[i] == ',' || data[i] == '\r' || data[i] == '\n'; };
    while (m_pos < n && data[m_pos] == ' ')
        ++m_pos;

    // A view into the data: only the decoded text is a copy.
    QByteArrayView raw;
    m_fieldStart = m_pos;
    m_lostText = false;
    m_lastWasQuoted = m_pos < n && data[m_pos] == '"';
    if (m_lastWasQuoted) {
        const qsizetype start = m_pos + 1;
        qsizetype close = m_bytes.indexOf('"', start);
        if (close < 0)
            close = n;
        raw = QByteArrayView(data + start, close - start);
        m_pos = qMin(close + 1, n);
        while (m_pos < n && !endsField(m_pos)) {
            m_lostText = m_lostText || data[m_pos] != ' ';
            ++m_pos;
        }
    } else {
        const qsizetype start = m_pos;
        while (m_pos < n && !endsField(m_pos))
            ++m_pos;
        qsizetype end = m_pos;
        while (end > start && data[end - 1] == ' ')
            --end;
        raw = QByteArrayView(data + start, end - start);
    }
    m_fieldEnd = m_pos;
    if (m_pos < n) {
        if (data[m_pos] == ',')
            ++m_pos;
        else
            skipLineEnd();
    }
    return Cp1252::decode(raw);
}

std::optional<qint64> FieldReader::number(qint64 min, qint64 max)
{
    const std::optional<QString> text = field();
    if (!text)
        return std::nullopt;
    if (text->trimmed().isEmpty())
        return (0 >= min && 0 <= max) ? std::optional<qint64>(0) : std::nullopt;
    return parseWholeNumber(*text, min, max);
}

std::optional<QString> FieldReader::line()
{
    if (atEnd())
        return std::nullopt;
    const qsizetype start = m_pos;
    while (m_pos < m_bytes.size() && !atLineEnd())
        ++m_pos;
    const QByteArrayView raw = QByteArrayView(m_bytes.constData() + start, m_pos - start);
    if (m_pos < m_bytes.size())
        skipLineEnd();
    return Cp1252::decode(raw);
}

std::optional<qint64> parseWholeNumber(const QString &text, qint64 min, qint64 max)
{
    const QString t = text.trimmed();
    // Only plain decimal notation: no hex, no "inf" or "nan", no thousands separators.
    for (QChar c : t) {
        if (!(c.isDigit() && c.unicode() < 128) && c != u'-' && c != u'+' && c != u'.' && c != u'e' && c != u'E')
            return std::nullopt;
    }
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode is half to even
    if (rounded < double(min) || rounded > double(max))
        return std::nullopt;
    return static_cast<qint64>(rounded);
}
