// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The per-user settings store: ~/.config/Starquill/StarquillFree.conf (on
// Windows the registry key HKCU\Software\Starquill\StarquillFree), named
// by the organisation and application names set at program start, section
// "Settings". A value never written reads as the empty text.
class Settings
{
public:
    // The date and time of the first start or the last update reminder, as stored.
    QString lastReminderDate() const;
    // False when the store refused the write.
    bool setLastReminderDate(const QString& stamp);
};
