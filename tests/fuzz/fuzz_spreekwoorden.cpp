#include "fuzzsupport.h"

#include "tools/spreekwoordenlijst.h"

#include <QBuffer>

// Any proverbs file reads without failing into two lists of equal length, and every
// meaning can be shown.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    SpreekwoordenLijst lijst;
    (void)lijst.laad(buffer);
    FUZZ_CHECK(lijst.spreekwoorden().size() == lijst.betekenisvelden().size());
    for (const QString &veld : lijst.betekenisvelden())
        (void)SpreekwoordenLijst::betekenis(veld);
    return 0;
}
