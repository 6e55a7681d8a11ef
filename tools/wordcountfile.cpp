#include "tools/wordcountfile.h"

#include "common/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace WordCountFile {

namespace {

// Digits only: a sign, blanks or a second line mean the file is not one this build wrote.
std::optional<qint64> number(const QByteArray &digits)
{
    if (digits.isEmpty() || digits.size() > 18)
        return std::nullopt;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    return digits.toLongLong();
}

} // namespace

QByteArray text(qint64 words, qint64 listBytes)
{
    return QByteArray::number(words) + ' ' + QByteArray::number(listBytes) + "\r\n";
}

std::optional<qint64> read(const QString &countFile, const QString &listFile)
{
    QFile file(countFile);
    if (!openRegularFile(file))
        return std::nullopt;
    // Far more than the line needs; a larger file is not a count file.
    const QByteArray bytes = file.read(64);
    if (!bytes.endsWith("\r\n"))
        return std::nullopt;
    const QList<QByteArray> fields = bytes.chopped(2).split(' ');
    if (fields.size() != 2)
        return std::nullopt;
    const std::optional<qint64> words = number(fields[0]);
    const std::optional<qint64> listBytes = number(fields[1]);
    const QFileInfo list(listFile);
    if (!words || !listBytes || !list.isFile() || list.size() != *listBytes)
        return std::nullopt;
    return words;
}

} // namespace WordCountFile
