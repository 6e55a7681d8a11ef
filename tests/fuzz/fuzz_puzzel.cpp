#include "fuzzsupport.h"

#include "game/puzzlefile.h"
#include "game/puzzlelist.h"

// Any Data/Puzzel.lib loads without failing, and never yields a blank keyword.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    PuzzleList list;
    PuzzleFile::load(fuzzFile(QStringLiteral("Data/Puzzel.lib"), data, size), list);
    for (const PuzzleEntry &entry : list.entries())
        FUZZ_CHECK(!QString(entry.keyword).remove(QLatin1Char(' ')).isEmpty());
    FUZZ_CHECK(size_t(list.count()) <= size);
    return 0;
}
