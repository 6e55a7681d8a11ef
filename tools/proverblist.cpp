#include "tools/proverblist.h"

#include "common/cp1252.h"
#include "common/regularfile.h"
#include "tools/linereader.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>

namespace {

const QString s_separator = QStringLiteral(" -/- ");
constexpr int s_leadIn = 12;

bool onlyBlanks(const QString &line)
{
    for (QChar c : line) {
        if (c != u' ')
            return false;
    }
    return true;
}

} // namespace

bool ProverbList::load(QIODevice &device)
{
    // Read whole first: the whole file decides how it is read, as UTF-8 when all its letters
    // beyond ASCII are in UTF-8's form (as many editors save text), else in the game's code
    // page. A line alone cannot tell: "é…”" in the code page is valid UTF-8 too.
    QByteArray all;
    bool failed = false;
    for (;;) {
        const QByteArray chunk = device.read(256 * 1024);
        if (chunk.isEmpty()) {
            failed = !device.atEnd();
            break;
        }
        all += chunk;
    }
    const bool utf8 = Cp1252::isUtf8Instead(all);
    QBuffer buffer(&all);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer);
    QByteArrayView bytes;
    while (reader.next(bytes)) {
        if (utf8)
            bytes = Cp1252::withoutUtf8Mark(bytes);
        const QString line = utf8 ? QString::fromUtf8(bytes) : Cp1252::decode(bytes);
        if (onlyBlanks(line))
            continue;
        const qsizetype first = line.indexOf(s_separator);
        if (first < 0)
            return false;
        // Anything after a second separator is not used.
        const qsizetype begin = first + s_separator.size();
        const qsizetype second = line.indexOf(s_separator, begin);
        m_proverbs.append(line.left(first));
        m_meaningFields.append(line.mid(begin, second < 0 ? -1 : second - begin));
    }
    return !failed;
}

bool ProverbList::load(const QString &path)
{
    QFile file(path);
    if (!openRegularFile(file))
        return false;
    return load(file);
}

QString ProverbList::meaning(const QString &field)
{
    const QString meaning = field.mid(s_leadIn);
    if (meaning.isEmpty())
        return meaning;
    // Dutch raises "ij" at the start of a sentence as one letter: "IJdelheid".
    if (meaning.startsWith(QStringLiteral("ij")))
        return QStringLiteral("IJ") + meaning.mid(2);
    // Where the capital is more than one letter ("ß" gives "SS") the letter stays as it is:
    // the meaning shows the text of the file, with only its first letter raised.
    const QString first = meaning.left(1);
    // Dutch text takes Unicode's own capitals, whatever the system's language: a Turkish
    // locale would make "i" a dotted "İ".
    const QString capital = first.toUpper();
    return (capital.size() == 1 ? capital : first) + meaning.mid(1);
}
