// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The program's name as the user sees it.
namespace AppInfo {

// "Starquill": the caption of every message box.
QString title();
// "Starquill v1.15": the caption of every window.
QString caption();

} // namespace AppInfo
