#pragma once

#include "common/cp1252.h"
#include "game/folders.h"
#include "game/puzzlelist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// A program folder of its own for the whole run; each input is written to the file the
// reader under test opens.
class FuzzFolder
{
public:
    FuzzFolder()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
    }

    void write(const QString &relativePath, const uint8_t *data, size_t size) const
    {
        QFile file(m_dir.path() + QLatin1Char('/') + relativePath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    QString path(const QString &relativePath) const { return m_dir.path() + QLatin1Char('/') + relativePath; }
    Folders folders() const { return Folders::beside(m_dir.path(), path(QStringLiteral("Raadkwartet"))); }

private:
    QTemporaryDir m_dir;
};

// Values for the writer round trips, made from a fuzz input: its first byte chooses how
// the rest is read (even: Windows-1252, so every character of the code page can come;
// odd: UTF-8, so characters the code page lacks come too), and the byte 0xFF parts the
// values.
inline QList<QString> fuzzValues(const uint8_t *data, size_t size)
{
    QList<QString> values;
    const QByteArray rest(reinterpret_cast<const char *>(data) + (size > 0), qsizetype(size - (size > 0)));
    for (const QByteArray &part : size ? rest.split('\xff') : QList<QByteArray>())
        values << (data[0] & 1 ? QString::fromUtf8(part) : Cp1252::decode(part));
    return values;
}

// Puzzle rows of five values each from the given one on, the last row filled up with empty texts.
inline QList<PuzzleEntry> fuzzEntries(const QList<QString> &values, qsizetype first)
{
    QList<PuzzleEntry> rows;
    for (; first < values.size(); first += 5)
        rows.append({values.at(first), {values.value(first + 1), values.value(first + 2), values.value(first + 3),
                                        values.value(first + 4)}});
    return rows;
}

#define FUZZ_CHECK(condition) ((condition) ? void() : __builtin_trap())
