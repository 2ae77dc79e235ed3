#pragma once

#include <QString>

// The per-user settings store: text values under the application's name,
// section "Settings". A value never written reads as the empty text.
namespace Settings {

QString read(const QString& key);
// False when the store refused the write.
bool write(const QString& key, const QString& value);

// Where the store lives (a file in the per-user configuration folder).
QString location();

} // namespace Settings
