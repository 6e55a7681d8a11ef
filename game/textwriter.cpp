#include "game/textwriter.h"

#include "game/cp1252.h"

#include <QFile>

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

bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
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
