#include "fuzzsupport.h"

#include "game/puzzleentrycheck.h"
#include "game/puzzlefile.h"
#include "game/puzzlelist.h"
#include "game/textwriter.h"

// Rows made of any values: each row the check passes comes back identical after a save
// and a load; a row it refuses makes the save refuse, leaving the file as it was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzFolder folder;
    const QString path = folder.path(QStringLiteral("Data/Puzzel.lib"));
    const QList<QString> values = fuzzValues(data, size);
    PuzzleList accepted;
    bool triedRefusal = false;
    for (const PuzzleEntry &entry : fuzzEntries(values, 0)) {
        if (PuzzleEntryCheck(entry).passed()) {
            accepted.append(entry);
        } else if (!triedRefusal) {
            triedRefusal = true;
            static const uint8_t before[] = "kept\r\n";
            folder.write(QStringLiteral("Data/Puzzel.lib"), before, sizeof before - 1);
            PuzzleList one;
            one.append(entry);
            FUZZ_CHECK(!PuzzleFile::save(path, QString(), one).isEmpty());
            FUZZ_CHECK(readWholeFile(path) == QByteArray("kept\r\n"));
        }
    }
    FUZZ_CHECK(PuzzleFile::save(path, QString(), accepted).isEmpty());
    PuzzleList read;
    PuzzleFile::load(path, read);
    FUZZ_CHECK(read.entries() == accepted.entries());
    PuzzleFile::load(path, read, PuzzleFile::Reading::KeepWholeFields);
    FUZZ_CHECK(read.entries() == accepted.entries());
    return 0;
}
