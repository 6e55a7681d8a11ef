#include "fuzzsupport.h"

#include "game/loadsave.h"
#include "game/puzzlelist.h"

// Any Data/Puzzel.lib loads without failing, and never yields a blank keyword.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzFolder folder;
    folder.write(QStringLiteral("Data/Puzzel.lib"), data, size);
    PuzzleList list;
    LaadPuzzelLijst(list);
    for (const PuzzleEntry &entry : list.entries())
        FUZZ_CHECK(!QString(entry.keyword).remove(QLatin1Char(' ')).isEmpty());
    FUZZ_CHECK(size_t(list.count()) <= size);
    return 0;
}
