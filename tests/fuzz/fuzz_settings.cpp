#include "fuzzsupport.h"

#include "game/gamesettings.h"

// Any Raadkwartet.ini reads without failing; when the read fails, the file is rewritten
// and must then read back as the record it was written from.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzFile(QStringLiteral("Raadkwartet.ini"), data, size);
    GameSettings settings;
    // A damaged file is rewritten at once, a whole one here: either way it reads back as the record.
    if (loadSettings(path, settings))
        FUZZ_CHECK(saveSettings(path, settings).isEmpty());
    GameSettings again;
    FUZZ_CHECK(loadSettings(path, again));
    FUZZ_CHECK(again.speeltijd == settings.speeltijd && again.borderBlue == settings.borderBlue
               && again.printFooter == settings.printFooter);
    FUZZ_CHECK(settings.borderColour().isValid());
    return 0;
}
