// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// "Is another instance of this program running?" for the current user. The
// lock is released when the holder ends, however it ends: a lock whose
// process has died does not count. The lock has one source file per
// platform: SingleInstance_unix.cpp, SingleInstance_win.cpp.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    ~SingleInstance();

    // True when this process now holds the lock; false when another does.
    bool tryAcquire();

    static QString defaultLockPath();

private:
    QString m_path;
#ifdef Q_OS_WIN
    void* m_handle = nullptr; // the lock file, open without sharing while held
#else
    int m_fd = -1; // open while this process holds the lock
#endif
};
