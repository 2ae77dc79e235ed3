// The reading of the stored reminder date, whatever the settings file holds.
#include "FuzzText.h"

#include "web/UpdateReminder.h"

#include <QDateTime>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    // Any moment from year 1 to 9999 as "now", the clock being what it may.
    const qint64 msecs = data.ConsumeIntegralInRange<qint64>(-62135596800000LL, 253402300799000LL);
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
    const QString stored = consumeText(data);

    const Reminder::Decision decision = Reminder::decide(stored, now);
    // Asking always stores the new date; a text that is no date is replaced.
    FUZZ_CHECK(!decision.ask || decision.storeNow);
    const QDateTime last = QDateTime::fromString(stored.trimmed(), Qt::ISODate);
    if (!last.isValid())
        FUZZ_CHECK(!decision.ask && decision.storeNow);
    // What the reminder stores is read back as the same day, and is quiet then.
    const QString written = now.toString(Qt::ISODate);
    const Reminder::Decision next = Reminder::decide(written, now);
    FUZZ_CHECK(!next.ask && !next.storeNow);
    return 0;
}
