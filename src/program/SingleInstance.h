// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// "Is another instance of this program running?" for the current user. The
// lock is released when the holder ends, however it ends: a lock whose
// process has died does not count.
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
    int m_fd = -1; // open while this process holds the lock
};
