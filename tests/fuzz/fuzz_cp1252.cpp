#include "fuzzsupport.h"

#include "common/cp1252.h"

// Every byte sequence decodes and encodes back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    bool ok = false;
    FUZZ_CHECK(Cp1252::encode(Cp1252::decode(bytes), &ok) == bytes);
    FUZZ_CHECK(ok);
    return 0;
}
