#include "fuzzsupport.h"

#include "../support/roundtrip.h"

// Names made of any values, with scores of any size: each name the file can hold comes
// back identical after a save and a load; one it cannot makes the save refuse.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QString> names = fuzzValues(data, size);
    QList<ScoreEntry> entries;
    for (qsizetype i = 0; i < names.size(); ++i)
        entries << ScoreEntry::ofGame((qint64(names.at(i).size()) * 7919 + i * 104729) % 30000 - 15000, names.at(i));
    int refusals = 0;
    FUZZ_CHECK(RoundTrip::scores(fuzzPath(QStringLiteral("Data/Scorelijst.lib")), entries, refusals).isEmpty());
    return 0;
}
