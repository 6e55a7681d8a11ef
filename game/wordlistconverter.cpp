#include "game/wordlistconverter.h"

#include "common/cp1252.h"

#include <QSet>
#include <QString>

QByteArray WordListConverter::convert(QByteArrayView utf8)
{
    m_kept = m_notLowerCase = m_notEncodable = m_duplicates = 0;

    // A byte-order mark would otherwise end up in front of the first word.
    utf8 = Cp1252::withoutUtf8Mark(utf8);

    QByteArray out;
    out.reserve(utf8.size());
    QSet<QByteArray> written;
    written.reserve(utf8.size() / 8);

    qsizetype start = 0;
    while (start < utf8.size()) {
        qsizetype end = utf8.indexOf('\n', start);
        if (end < 0)
            end = utf8.size();
        QByteArrayView line = utf8.sliced(start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;

        // Invalid UTF-8 decodes to U+FFFD, which the code page cannot hold.
        const QString word = QString::fromUtf8(line);
        if (!word.isLower()) {
            ++m_notLowerCase;
            continue;
        }
        bool ok = false;
        const QByteArray bytes = Cp1252::encode(word, &ok);
        if (!ok) {
            ++m_notEncodable;
            continue;
        }
        if (written.contains(bytes)) {
            ++m_duplicates;
            continue;
        }
        written.insert(bytes);
        out += bytes;
        out += "\r\n";
        ++m_kept;
    }
    return out;
}
