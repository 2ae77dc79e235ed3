#pragma once

#include <QString>

class QDateTime;

// The start-up reminder that an update may be available: at most once every
// fifteen calendar days, counted from the first start or the last reminder.
namespace Reminder {

// Settings key of the date and time of the first start or the last reminder.
inline const QString SettingKey = QStringLiteral("LastReminderDate");

// "There maybe an update ..." and the question, separated by a carriage return.
QString question();

struct Decision
{
    bool ask = false;      // show the question (and open the download page on Yes)
    bool storeNow = false; // replace the stored date with now
};

// What the reminder does, given the stored text and the current date and time.
// A stored text that cannot be read back as a date counts as never written:
// otherwise one bad value would silence the reminder for good.
Decision decide(const QString& stored, const QDateTime& now);

} // namespace Reminder

// Reads the stored date, asks when it is due, and stores now when it asked or
// when there was no usable date. Never throws; a store that refuses a read or
// write costs at most this one reminder.
void UpdateReminder(const QDateTime& now);
