#include "fuzzsupport.h"

#include "../support/roundtrip.h"

// Rows made of any values: each row the check passes comes back identical after a save
// and a load; a row it refuses makes the save refuse, leaving the file as it was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    int refusals = 0;
    const QList<PuzzleEntry> rows = fuzzEntries(fuzzValues(data, size), 0);
    FUZZ_CHECK(RoundTrip::puzzles(fuzzPath(QStringLiteral("Data/Puzzel.lib")), rows, refusals).isEmpty());
    return 0;
}
