#pragma once

#include <QString>

namespace App {

// Caption of every message box the program shows.
inline const QString AppTitle = QStringLiteral("Starquill");
// Window caption of the entry, result, About and exit windows.
inline const QString AppCaption = QStringLiteral("Starquill v1.15");

} // namespace App
