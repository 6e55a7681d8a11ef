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

    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Replaces the whole file at once. Returns an empty text on success, otherwise the
// system's reason; the old file is then untouched.
QString writeWholeFile(const QString &path, const QByteArray &bytes);
// Reads the whole file; nothing when it cannot be opened or read.
std::optional<QByteArray> readWholeFile(const QString &path);
