#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// The file a reader under test opens, in a program folder of its own for the whole run, with
// the fuzz input written to it.
inline QString fuzzFile(const QString &relativePath, const uint8_t *data, size_t size)
{
    static const QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Data"));
    const QString path = dir.path() + QLatin1Char('/') + relativePath;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

#define FUZZ_CHECK(condition) ((condition) ? void() : __builtin_trap())
