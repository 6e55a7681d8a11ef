#include "fuzzsupport.h"

#include "game/gamesettings.h"

// Any Raadkwartet.ini reads without failing; when the read fails, the file is rewritten
// and must then read back as the record it was written from.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzFolder folder;
    folder.write(QStringLiteral("Raadkwartet.ini"), data, size);
    GameSettings settings;
    const QString path = folder.path(QStringLiteral("Raadkwartet.ini"));
    if (!loadSettings(path, settings)) {
        GameSettings again;
        const bool reread = loadSettings(path, again);
        FUZZ_CHECK(reread);
        FUZZ_CHECK(again.speeltijd == settings.speeltijd);
        FUZZ_CHECK(again.borderBlue == settings.borderBlue);
        FUZZ_CHECK(again.printFooter == settings.printFooter);
    } else {
        // A whole file is written back as it was read.
        FUZZ_CHECK(saveSettings(path, settings));
        GameSettings again;
        FUZZ_CHECK(loadSettings(path, again));
        FUZZ_CHECK(again.printFooter == settings.printFooter && again.speeltijd == settings.speeltijd);
    }
    const QColor colour = settings.borderColour();
    FUZZ_CHECK(colour.isValid());
    return 0;
}
