#pragma once

#include "common/cp1252.h"
#include "game/puzzlelist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// A path in a program folder of its own for the whole run.
inline QString fuzzPath(const QString &relativePath)
{
    static const QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Data"));
    return dir.path() + QLatin1Char('/') + relativePath;
}

// The file a reader under test opens, with the fuzz input written to it.
inline QString fuzzFile(const QString &relativePath, const uint8_t *data, size_t size)
{
    const QString path = fuzzPath(relativePath);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

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
