#include "fuzzsupport.h"

#include "game/puzzlefile.h"
#include "game/puzzlelist.h"

// Any Data/Puzzel.lib loads without failing, and never yields a blank keyword. Its report
// names lines of the file in order, and asking for it changes no row.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    PuzzleList list;
    const QString path = fuzzFile(QStringLiteral("Data/Puzzel.lib"), data, size);
    PuzzleFile::ReadReport report;
    PuzzleFile::load(path, list, PuzzleFile::Reading::AsRead, &report);
    for (const PuzzleEntry &entry : list.entries())
        FUZZ_CHECK(!QString(entry.keyword).remove(QLatin1Char(' ')).isEmpty());
    FUZZ_CHECK(size_t(list.count()) <= size);
    FUZZ_CHECK(list.entries() == PuzzleFile::read(path));
    FUZZ_CHECK(!report.unreadable);
    for (const QList<int> &lines : {report.irregularLines, report.utf8Lines}) {
        int previous = 0;
        for (const int line : lines) {
            FUZZ_CHECK(line > previous && size_t(line) <= size + 1);
            previous = line;
        }
    }
    return 0;
}
