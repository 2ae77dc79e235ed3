// SPDX-License-Identifier: MIT
#include "Settings.h"

#include <QSettings>

namespace {

const QString LastReminderDateKey = QStringLiteral("Settings/LastReminderDate");

} // namespace

QString Settings::lastReminderDate() const
{
    const QVariant value = QSettings().value(LastReminderDateKey);
    // Only text is ever written; anything else found there counts as unreadable.
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

bool Settings::setLastReminderDate(const QString& stamp)
{
    QSettings settings;
    settings.setValue(LastReminderDateKey, stamp);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
