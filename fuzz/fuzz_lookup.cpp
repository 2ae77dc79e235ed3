// The sign lookup from the entry window's three list texts.
#include "FuzzText.h"

#include "psyche/modPlanetSign.h"

#include <QLocale>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    // Mostly real month names, so the fuzzer gets past the month check.
    const QString year = consumeText(data, 64);
    const QString month =
        data.ConsumeBool() ? consumeText(data, 64)
                           : QLocale::c().standaloneMonthName(data.ConsumeIntegralInRange(1, 12));
    const QString day = consumeText(data, 64);

    const modPlanetSign::Lookup result = modPlanetSign::lookupSign(year, month, day);
    if (result.found()) {
        // Only a year of the table and an exact month name can find a sign.
        bool ok = false;
        const int number = year.trimmed().toInt(&ok);
        FUZZ_CHECK(ok && number >= FirstTableYear && number <= LastTableYear);
        FUZZ_CHECK(modPlanetSign::monthNumber(month) != 0);
        FUZZ_CHECK(static_cast<int>(result.sign) >= 0 && static_cast<int>(result.sign) < SignCount);
        FUZZ_CHECK(!SignName(result.sign).isEmpty());
    }
    // The same texts always give the same answer.
    const modPlanetSign::Lookup again = modPlanetSign::lookupSign(year, month, day);
    FUZZ_CHECK(again.status == result.status && (!again.found() || again.sign == result.sign));
    return 0;
}
