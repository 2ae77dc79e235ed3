// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

// Gives this test program folders of its own for settings, locks, runtime
// files, caches and data, so that test programs run side by side share none;
// they are removed when the application object goes. Called from the test
// class's static initMain(), which QTEST_MAIN runs before it creates the
// application object, the first to read these variables.
inline void useOwnHome()
{
    static QTemporaryDir* home = nullptr;
    home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/starquill-test-XXXXXX"));
    qAddPostRoutine([] { delete home; });
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
        // Owner-only, as the runtime folder must be.
        const QString path = home->filePath(QLatin1String(name));
        QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(name, QFile::encodeName(path));
    }
}
