// SPDX-License-Identifier: MIT
#include "AppInfo.h"

#include <QCoreApplication>

namespace AppInfo {

QString title()
{
    return QCoreApplication::translate("AppInfo", "Starquill");
}

QString caption()
{
    //: %1 is the version, such as 1.15
    return QCoreApplication::translate("AppInfo", "Starquill v%1")
        .arg(QStringLiteral(STARQUILL_VERSION));
}

} // namespace AppInfo
