// SPDX-License-Identifier: MIT
// The reading of the stored reminder date, whatever the settings file holds.
#include "FuzzText.h"

#include "core/Reminder.h"

#include <QDateTime>

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
    if (!QDateTime::fromString(stored.trimmed(), Qt::ISODate).isValid())
        FUZZ_CHECK(!decision.ask && decision.storeNow);
    // What the reminder stores is read back as the same day, and is quiet then.
    FUZZ_CHECK(Reminder::decide(Reminder::stamp(now), now) == Reminder::Decision{});
    return 0;
}
