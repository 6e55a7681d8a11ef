#pragma once

#include "common/cp1252.h"

#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

// Values for the writer round trips, made from a fuzz input: its first byte chooses how
// the rest is read (even: Windows-1252, so every character of the code page can come;
// odd: UTF-8, so characters the code page lacks come too), and the byte 0xFF parts the
// values.
inline QList<QString> fuzzValues(const uint8_t *data, size_t size)
{
    QList<QString> values;
    if (size == 0)
        return values;
    const bool utf8 = data[0] & 1;
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    for (const QByteArray &part : rest.split('\xff'))
        values << (utf8 ? QString::fromUtf8(part) : Cp1252::decode(part));
    return values;
}
