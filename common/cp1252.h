#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, both ways, for all 256 bytes. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters of the
// same number, so any file decodes and encodes back to the same bytes.
namespace Cp1252 {

QString decode(QByteArrayView bytes);
QChar decodeByte(unsigned char byte);

// Characters the code page cannot hold become '?'; 'ok' (if given) reports whether
// every character could be held.
QByteArray encode(const QString &text, bool *ok = nullptr);
bool canEncode(const QString &text);

} // namespace Cp1252
