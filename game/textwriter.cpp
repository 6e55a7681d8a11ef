#include "game/textwriter.h"

#include "common/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

void TextWriter::line(const QString &text)
{
    m_bytes += Cp1252::encode(text);
    m_bytes += "\r\n";
}

void TextWriter::quoted(const QString &text)
{
    m_bytes += '"';
    m_bytes += Cp1252::encode(text);
    m_bytes += "\"\r\n";
}

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // Written beside the old file and then put in its place: a disk that is full or a
    // folder that is read-only leaves the previous file whole. A missing folder (a
    // deleted Data folder) is made again, so scores and puzzles still reach the disk.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // The write may only fill a buffer; a full disk shows at the flush, which must fail the
    // save before the empty file takes the old one's place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

std::optional<QByteArray> readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}
