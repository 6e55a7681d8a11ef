#include "fuzzsupport.h"

#include "tools/proverblist.h"

#include <QBuffer>

// Any proverbs file reads without failing into two lists of equal length, and every
// meaning can be shown.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ProverbList list;
    (void)list.load(buffer);
    FUZZ_CHECK(list.proverbs().size() == list.meaningFields().size());
    for (const QString &field : list.meaningFields())
        (void)ProverbList::meaning(field);
    return 0;
}
