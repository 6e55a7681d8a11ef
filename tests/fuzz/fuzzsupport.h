#pragma once

#include "game/folders.h"

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

#define FUZZ_CHECK(condition)                                                                                      \
    do {                                                                                                           \
        if (!(condition))                                                                                          \
            __builtin_trap();                                                                                      \
    } while (0)
