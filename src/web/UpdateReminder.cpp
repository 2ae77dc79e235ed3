#include "UpdateReminder.h"

#include "app/MessageBox.h"
#include "app/Settings.h"
#include "modHelp.h"

#include <QDateTime>

namespace Reminder {
namespace {

// Calendar days either way within which the reminder stays quiet.
constexpr qint64 QuietDays = 14;

QDateTime parse(const QString& stored)
{
    return QDateTime::fromString(stored.trimmed(), Qt::ISODate);
}

} // namespace

QString question()
{
    return QStringLiteral("There maybe an update to this software available") + QChar(u'\r') +
           QStringLiteral("Do you want to check for an update?");
}

Decision decide(const QString& stored, const QDateTime& now)
{
    const QDateTime last = parse(stored);
    if (!last.isValid())
        return {false, true};
    // Whole calendar days; a stored date in the future (the clock was set
    // back) is as much a reason to ask as one long past.
    const qint64 days = now.date().daysTo(last.date());
    if (days >= -QuietDays && days <= QuietDays)
        return {false, false};
    return {true, true};
}

} // namespace Reminder

void UpdateReminder(const QDateTime& now)
{
    const Reminder::Decision decision = Reminder::decide(Settings::read(Reminder::SettingKey), now);
    if (!decision.ask) {
        if (decision.storeNow)
            Settings::write(Reminder::SettingKey, now.toString(Qt::ISODate));
        return;
    }
    const MessageBox::Answer answer = MessageBox::askYesNo(Reminder::question());
    // Stored whatever the answer, so that No is not asked again tomorrow. A
    // refused write is not worth a message; the user's Yes still stands.
    Settings::write(Reminder::SettingKey, now.toString(Qt::ISODate));
    if (answer == MessageBox::Answer::Yes)
        modHelp::OpenDownloadWebPage();
}
