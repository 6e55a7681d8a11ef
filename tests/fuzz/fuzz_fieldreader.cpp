#include "fuzzsupport.h"

#include "game/fieldreader.h"

// Fields, numbers and lines in any mix: every call consumes input, so reading ends.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    FieldReader reader(QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
    size_t calls = 0;
    while (!reader.atEnd()) {
        FUZZ_CHECK(++calls <= size);
        switch ((mode >> (calls % 4 * 2)) & 3) {
        case 0: FUZZ_CHECK(reader.field().has_value()); break;
        case 1: (void)reader.number(0, 255); break;
        case 2: (void)reader.number(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()); break;
        default: FUZZ_CHECK(reader.line().has_value()); break;
        }
    }
    FUZZ_CHECK(!reader.field().has_value());
    return 0;
}
