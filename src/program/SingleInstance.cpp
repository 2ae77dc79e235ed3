// SPDX-License-Identifier: MIT
// What both platforms share; the lock itself is in SingleInstance_unix.cpp
// and SingleInstance_win.cpp.
#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockPath) : m_path(lockPath) {}

QString SingleInstance::defaultLockPath()
{
    // Per user and never roamed: the runtime folder on Linux; on Windows
    // %LOCALAPPDATA%\Starquill\StarquillFree.
#ifdef Q_OS_WIN
    const auto location = QStandardPaths::AppLocalDataLocation;
#else
    const auto location = QStandardPaths::RuntimeLocation;
#endif
    QString folder = QStandardPaths::writableLocation(location);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/StarquillFree.lock");
}
