#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Builds the bytes of a data file: Windows-1252, every line ended by CR LF.
class TextWriter
{
public:
    void line(const QString &text);
    // The text between double quotes, nothing inside escaped.
    void quoted(const QString &text);
    // A line kept as a file held it, bytes unchanged.
    void verbatim(const QByteArray &bytes);

    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Replaces the whole file at once. Returns an empty text on success, otherwise the
// reason in Dutch; the old file is then untouched.
QString writeWholeFile(const QString &path, const QByteArray &bytes);
// Copies 'from' to 'to', replacing it. An empty text on success, otherwise the reason
// in Dutch.
QString copyWholeFile(const QString &from, const QString &to);
// Why 'path' could not be written, in Dutch: the common causes found on the disk itself
// (a folder in the file's place, a missing or read-only folder, a read-only file, a full
// disk), otherwise that the file could not be written.
QString writeFailureText(const QString &path, bool diskFull = false);
// The sentence a player is told: what could not be saved ("De scorelijst kon niet worden
// bewaard: "), then the reason a writer gave, ending in one full stop.
QString saveFailureText(const QString &what, const QString &reason);
// Reads the whole file; nothing when it cannot be opened or read.
std::optional<QByteArray> readWholeFile(const QString &path);
