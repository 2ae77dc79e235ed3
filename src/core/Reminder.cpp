// SPDX-License-Identifier: MIT
#include "Reminder.h"

#include <QCoreApplication>
#include <QDateTime>

namespace Reminder {
namespace {

// Calendar days either way within which the reminder stays quiet.
constexpr qint64 QuietDays = 14;

} // namespace

Decision decide(const QString& stored, const QDateTime& now)
{
    const QDateTime last = QDateTime::fromString(stored.trimmed(), Qt::ISODate);
    if (!last.isValid())
        return {.ask = false, .storeNow = true};
    // Whole calendar days; a stored date in the future (the clock was set
    // back) is as much a reason to ask as one long past.
    const qint64 days = now.date().daysTo(last.date());
    if (days >= -QuietDays && days <= QuietDays)
        return {.ask = false, .storeNow = false};
    return {.ask = true, .storeNow = true};
}

QString stamp(const QDateTime& now)
{
    return now.toString(Qt::ISODate);
}

QString question()
{
    return QCoreApplication::translate("Reminder",
                                       "There maybe an update to this software available") +
           QChar(u'\r') +
           QCoreApplication::translate("Reminder", "Do you want to check for an update?");
}

} // namespace Reminder
