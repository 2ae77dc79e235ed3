// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The per-user settings store: ~/.config/Starquill/StarquillFree.conf (on
// Windows the registry key HKCU\Software\Starquill\StarquillFree), named
// by the organisation and application names set at program start, section
// "Settings". In a web page Qt keeps it in the browser's local storage, under
// the key "qt-v0-Starquill-StarquillFree-Settings/LastReminderDate", which
// outlives a reload and the browser's restart. A value never written reads as
// the empty text.
class Settings
{
public:
    // The date and time of the first start or the last update reminder, as stored.
    QString lastReminderDate() const;
    // False when the store refused the write.
    bool setLastReminderDate(const QString& stamp);
};
