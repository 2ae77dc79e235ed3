// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// "Is another instance of this program running?" for the current user. The
// lock is released when the holder ends, however it ends: a lock whose
// process has died does not count. The lock has one source file per
// platform: SingleInstance_unix.cpp, SingleInstance_win.cpp and, in a web
// page, SingleInstance_wasm.cpp (per browser profile, across its tabs).
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
#if defined(Q_OS_WIN)
    void* m_handle = nullptr; // the lock file, open without sharing while held
#elif defined(Q_OS_WASM)
    // The page holds the lock, not the program.
#else
    int m_fd = -1; // open while this process holds the lock
#endif
};
