#include "fuzzsupport.h"

#include "../support/roundtrip.h"

#include <cstring>

// A record with any footer and any numbers: a footer the file can hold comes back
// identical after a save and a load, with every number; one it cannot makes the save
// refuse, leaving the file as it was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzPath(QStringLiteral("Raadkwartet.ini"));
    GameSettings settings;
    qint32 numbers[3] = {};
    const size_t taken = std::min(size, sizeof numbers);
    std::memcpy(numbers, data, taken);
    settings.speeltijd = numbers[0];
    settings.borderRed = numbers[1];
    settings.borderGreen = numbers[2] % 256;
    settings.borderBlue = quint8(numbers[2] >> 8);
    settings.printFooter = fuzzValues(data + taken, size - taken).value(0);

    int refusals = 0;
    FUZZ_CHECK(RoundTrip::settings(path, {settings}, refusals).isEmpty());
    return 0;
}
