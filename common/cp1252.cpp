#include "common/cp1252.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> s_high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(s_high.size()); ++i) {
        if (s_high[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace Cp1252 {

QChar decodeByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(s_high[byte - 0x80]);
    return QChar(char16_t(byte));
}

QString decode(QByteArrayView bytes)
{
    // Most text has no byte of 0x80..0x9F, where alone the page differs from Latin-1,
    // whose decoding the toolkit does many bytes at a time.
    const auto differsFromLatin1 = [](char b) { return static_cast<unsigned char>(b) - 0x80u < 0x20u; };
    if (std::none_of(bytes.begin(), bytes.end(), differsFromLatin1))
        return QString::fromLatin1(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char b : bytes)
        *out++ = decodeByte(static_cast<unsigned char>(b));
    return text;
}

QByteArray encode(const QString &text, bool *ok)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bool all = true;
    char *out = bytes.data();
    for (QChar c : text) {
        const int b = encodeChar(c.unicode());
        if (b < 0)
            all = false;
        *out++ = char(b < 0 ? '?' : b);
    }
    if (ok)
        *ok = all;
    return bytes;
}

bool canEncode(const QString &text)
{
    for (QChar c : text) {
        if (encodeChar(c.unicode()) < 0)
            return false;
    }
    return true;
}

} // namespace Cp1252

QByteArrayView Cp1252::withoutUtf8Mark(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

bool Cp1252::isUtf8Instead(QByteArrayView bytes)
{
    if (withoutUtf8Mark(bytes).size() != bytes.size())
        return true;
    const auto *at = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = at + bytes.size();
    bool multiByte = false;
    while (at != end) {
        // Plain ASCII, eight bytes at a time.
        if (end - at >= 8) {
            quint64 eight;
            std::memcpy(&eight, at, 8);
            if ((eight & 0x8080808080808080ull) == 0) {
                at += 8;
                continue;
            }
        }
        const unsigned char lead = *at;
        if (lead < 0x80) {
            ++at;
            continue;
        }
        // The length of the sequence, and the least value it may stand for (no overlong forms).
        const int length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
        if (length == 0 || end - at < length)
            return false;
        char32_t value = lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            if ((at[k] & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (at[k] & 0x3F);
        }
        constexpr char32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < least[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        multiByte = true;
        at += length;
    }
    return multiByte;
}
