#include "fuzzsupport.h"

#include "game/scorefile.h"
#include "game/scorelist.h"

// Names made of any values, with scores of any size: each name the file can hold comes
// back identical after a save and a load; one it cannot makes the save refuse.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzFolder folder;
    const QString path = folder.path(QStringLiteral("Data/Scorelijst.lib"));
    const QList<QString> names = fuzzValues(data, size);
    ScoreList accepted;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const qint64 score = (qint64(names.at(i).size()) * 7919 + i * 104729) % 30000 - 15000;
        const ScoreEntry entry = ScoreEntry::ofGame(score, names.at(i));
        if (ScoreFile::nameRefusal(entry.name).isEmpty()) {
            accepted.add(entry);
        } else {
            ScoreList one;
            one.add(entry);
            FUZZ_CHECK(!ScoreFile::save(path, one).isEmpty());
        }
    }
    FUZZ_CHECK(ScoreFile::save(path, accepted).isEmpty());
    ScoreList read;
    FUZZ_CHECK(ScoreFile::load(path, read));
    FUZZ_CHECK(read.entries() == accepted.entries());
    return 0;
}
