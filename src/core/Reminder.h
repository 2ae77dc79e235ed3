// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QDateTime;

// The start-up reminder that an update may be available: at most once every
// fifteen calendar days, counted from the first start or the last reminder.
namespace Reminder {

struct Decision
{
    bool ask = false;      // show the question (and open the download page on Yes)
    bool storeNow = false; // replace the stored date with now

    bool operator==(const Decision&) const = default;
};

// What the reminder does, given the stored text and the current date and
// time. A stored text that cannot be read back as a date counts as never
// written: otherwise one bad value would silence the reminder for good.
Decision decide(const QString& stored, const QDateTime& now);

// The text stored for a moment, read back by decide().
QString stamp(const QDateTime& now);

// "There maybe an update ..." and the question, split by a carriage return.
QString question();

} // namespace Reminder
