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

// Whether the bytes are text saved as UTF-8 rather than in this code page: they hold at
// least one letter in UTF-8's form of two to four bytes (or start with its byte-order
// mark) and nothing that is not UTF-8. Ask it of a whole file: in the code page a few
// letters are valid UTF-8 too ("é…”"), but a text that holds any accented letter followed
// by a plain one is not, so a file of some length tells itself apart.
bool isUtf8Instead(QByteArrayView bytes);
// The bytes without the byte-order mark UTF-8 text may start with.
QByteArrayView withoutUtf8Mark(QByteArrayView bytes);

} // namespace Cp1252
