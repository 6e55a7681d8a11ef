#include "fuzzsupport.h"

#include "game/loadsave.h"
#include "game/scorelist.h"

// Any Data/ScoreList.lib loads into a list without empty lines and within its limit,
// and a save followed by a load gives the same lines.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzFolder folder;
    folder.write(QStringLiteral("Data/Scorelijst.lib"), data, size);
    ScoreList list;
    LaadScorelijst(list);
    FUZZ_CHECK(list.count() <= ScoreList::MaxLines);
    bool quoteOrBreak = false;
    for (const QString &line : list.lines()) {
        FUZZ_CHECK(!line.isEmpty());
        quoteOrBreak = quoteOrBreak || line.contains(QLatin1Char('"'));
    }
    if (!quoteOrBreak) {
        BewaarScorelijst(list);
        ScoreList again;
        LaadScorelijst(again);
        FUZZ_CHECK(again.lines() == list.lines());
    }
    return 0;
}
