#include "fuzzsupport.h"

#include "game/scorefile.h"
#include "game/scorelist.h"

// Any Data/Scorelijst.lib loads into a list without empty lines, and a save followed by
// a load gives the same lines.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzFile(QStringLiteral("Data/Scorelijst.lib"), data, size);
    ScoreList list;
    ScoreFile::load(path, list);
    for (const ScoreEntry &entry : list.entries())
        FUZZ_CHECK(!entry.text().isEmpty());
    // Every line comes back: those the quoted form cannot give back keep their bytes.
    FUZZ_CHECK(ScoreFile::save(path, list).isEmpty());
    ScoreList again;
    ScoreFile::load(path, again);
    FUZZ_CHECK(again.entries() == list.entries());
    return 0;
}
