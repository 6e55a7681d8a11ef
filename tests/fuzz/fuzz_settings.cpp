#include "fuzzsupport.h"

#include "game/gamesettings.h"

// Any Raadkwartet.ini reads without failing; when the read fails, the file is rewritten
// and must then read back as the record it was written from.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzFolder folder;
    folder.write(QStringLiteral("Raadkwartet.ini"), data, size);
    GameSettings settings;
    if (!loadSettings(settings)) {
        GameSettings again;
        const bool reread = loadSettings(again);
        // A footer holding a quote or line break cannot survive the file format.
        if (!settings.printFooter.contains(QLatin1Char('"')) && !settings.printFooter.contains(QLatin1Char('\n'))
            && !settings.printFooter.contains(QLatin1Char('\r'))) {
            FUZZ_CHECK(reread);
            FUZZ_CHECK(again.speeltijd == settings.speeltijd);
            FUZZ_CHECK(again.borderBlue == settings.borderBlue);
        }
    }
    const QColor colour = settings.borderColour();
    FUZZ_CHECK(colour.isValid());
    return 0;
}
