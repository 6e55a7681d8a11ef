#include "game/textwriter.h"

#include "common/cp1252.h"
#include "common/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

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

void TextWriter::verbatim(const QByteArray &bytes)
{
    m_bytes += bytes;
    m_bytes += "\r\n";
}

QString writeFailureText(const QString &path, bool diskFull)
{
    // The system's own text is English and often vague ("Not a directory"), so the cause
    // is looked up on the disk and told in the program's language.
    const QFileInfo file(path);
    const QString shown = QDir::toNativeSeparators(file.absoluteFilePath());
    if (file.isDir())
        return QStringLiteral("op de plaats van %1 staat een map").arg(shown);
    QFileInfo folder(file.absolutePath());
    while (!folder.exists() && !folder.isRoot() && folder.absolutePath() != folder.absoluteFilePath())
        folder.setFile(folder.absolutePath());
    const QString folderShown = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (folder.exists() && !folder.isDir())
        return QStringLiteral("%1 is een bestand en geen map, dus %2 kan daar niet staan").arg(folderShown, shown);
    if (folder.absoluteFilePath() != file.absolutePath())
        return QStringLiteral("de map %1 bestaat niet en kon niet worden gemaakt")
            .arg(QDir::toNativeSeparators(file.absolutePath()));
    if (!folder.isWritable())
        return QStringLiteral("er mag niet worden geschreven in de map %1").arg(folderShown);
    if (file.exists() && !file.isWritable())
        return QStringLiteral("%1 is alleen-lezen").arg(shown);
    const QStorageInfo disk(folder.absoluteFilePath());
    if (diskFull || (disk.isValid() && disk.bytesAvailable() == 0))
        return QStringLiteral("de schijf is vol, %1 kon niet worden geschreven").arg(shown);
    if (disk.isValid() && disk.isReadOnly())
        return QStringLiteral("de schijf is alleen-lezen, %1 kon niet worden geschreven").arg(shown);
    return QStringLiteral("%1 kon niet worden geschreven").arg(shown);
}

QString saveFailureText(const QString &what, const QString &reason)
{
    return what + reason + (reason.endsWith(u'.') ? QString() : QStringLiteral("."));
}

QString copyWholeFile(const QString &from, const QString &to)
{
    const std::optional<QByteArray> bytes = readWholeFile(from);
    if (!bytes)
        return QStringLiteral("%1 kon niet worden gelezen").arg(QDir::toNativeSeparators(from));
    return writeWholeFile(to, *bytes);
}

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // Written beside the old file and then put in its place: a disk that is full or a
    // folder that is read-only leaves the previous file whole. A missing folder (a
    // deleted Data folder) is made again, so scores and puzzles still reach the disk.
    const QFileInfo existing(path);
    // The save follows a link and puts the new file in the place of what it leads to: not
    // a device or a pipe, which may lie in a system folder.
    if (existing.isSymLink() && existing.exists() && !existing.isFile())
        return QStringLiteral("%1 is een koppeling naar %2, en dat is geen gewoon bestand")
            .arg(QDir::toNativeSeparators(existing.absoluteFilePath()),
                 QDir::toNativeSeparators(existing.canonicalFilePath()));
    // A file that holds these bytes already is left as it is: nothing in it changes, and
    // a file the player made read-only is no failure when it is written unchanged (the
    // settings and the score list are written at every exit).
    if (existing.isFile() && existing.size() == bytes.size()) {
        if (const std::optional<QByteArray> current = readWholeFile(path); current && *current == bytes)
            return QString();
    }
    QDir().mkpath(existing.absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailureText(path, file.error() == QFileDevice::ResourceError);
    // The write may only fill a buffer; a full disk shows at the flush, which must fail the
    // save before the empty file takes the old one's place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const bool diskFull = file.error() == QFileDevice::ResourceError;
        file.cancelWriting();
        return writeFailureText(path, diskFull);
    }
    if (!file.commit())
        return writeFailureText(path, file.error() == QFileDevice::ResourceError);
    return QString();
}

std::optional<QByteArray> readWholeFile(const QString &path)
{
    QFile file(path);
    if (!openRegularFile(file))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}
